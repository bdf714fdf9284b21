#include "app/Guard.h"

#include "app/Context.h"
#include "app/Messages.h"

#include <QApplication>

namespace pw {

QString errorText(const std::exception& error)
{
    const QString text = QString::fromUtf8(error.what());
    return text.isEmpty() ? QStringLiteral("An unexpected error occurred.") : text;
}

bool guarded(const std::function<void()>& action)
{
    QString failure;
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        failure = errorText(e);
    } catch (...) {
        failure = QStringLiteral("An unexpected error occurred.");
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    messages().show(failure, QStringLiteral("Pewlark"), Icon::Critical);
    return false;
}

} // namespace pw
