#include "reports/ProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <memory>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ProgressDialog)
    };
} // namespace

BatchProgress progressDialog(QWidget* screen)
{
    auto dialog = std::make_shared<std::unique_ptr<QProgressDialog>>();
    return [screen, dialog](const QString& text, int done, int total) {
        std::unique_ptr<QProgressDialog>& d = *dialog;
        if (!d || d->labelText() != text) {
            d = std::make_unique<QProgressDialog>(text, Tr::tr("Cancel"), 0, total, screen);
            d->setWindowTitle(screen->windowTitle());
            d->setWindowModality(Qt::WindowModal);
            d->setMinimumDuration(0);
            d->setAutoReset(false);
        }
        if (d->maximum() != total)
            d->setMaximum(total);
        d->setValue(done);
        return !d->wasCanceled();
    };
}

} // namespace pw::reports
