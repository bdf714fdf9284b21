#include "widgets/Desktop.h"

#include "widgets/Context.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace pw {

bool SystemDesktop::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void SystemDesktop::copyText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

Desktop& desktop()
{
    static SystemDesktop system;
    return ctx().desktop ? *ctx().desktop : system;
}

} // namespace pw
