#include "app/Guard.h"

#include "app/Context.h"
#include "app/Messages.h"
#include "data/Database.h"

#include <QApplication>

namespace pw {

namespace {

    // How long one look at the window system may take while waiting; the
    // engine asks again about every 50 ms.
    constexpr int kPaintSliceMs = 20;

    bool g_waiting = false;
    bool g_cursorShown = false;

    void showLockWait(const LockWait& wait)
    {
        const bool windows = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        switch (wait.phase) {
        case LockWait::Phase::Started:
            g_waiting = true;
            if (windows && !g_cursorShown) {
                QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                g_cursorShown = true;
            }
            [[fallthrough]];
        case LockWait::Phase::Waiting:
            if (windows)
                QCoreApplication::processEvents(
                    QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, kPaintSliceMs);
            break;
        case LockWait::Phase::Ended:
            g_waiting = false;
            if (g_cursorShown) {
                g_cursorShown = false;
                if (QGuiApplication::overrideCursor())
                    QGuiApplication::restoreOverrideCursor();
            }
            break;
        }
    }

} // namespace

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

LockWaitIndicator::LockWaitIndicator() { Database::setLockWaitHook(showLockWait); }

LockWaitIndicator::~LockWaitIndicator()
{
    Database::setLockWaitHook({});
    g_waiting = false;
    if (g_cursorShown && QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    g_cursorShown = false;
}

bool waitingForLock() { return g_waiting; }

} // namespace pw
