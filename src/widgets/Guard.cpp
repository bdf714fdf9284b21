#include "widgets/Guard.h"

#include "data/Database.h"
#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Guard)
    };
} // namespace

namespace {

    // How long one look at the window system may take while waiting; the
    // engine asks again about every 50 ms.
    constexpr int kPaintSliceMs = 20;

    bool g_waiting = false;
    bool g_cursorShown = false;
    QPointer<QLabel> g_notice;

    bool anyWindowShown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
    }

    // Before any window is up (start-up), a busy pointer shows nothing: a
    // small window and a line on standard error say what Pewlark waits for.
    void showNotice(const LockWait& wait, bool windows)
    {
        if (g_notice || (windows && anyWindowShown()))
            return;
        const QString text = Tr::tr("Pewlark is waiting for another program or workstation that is writing "
                                    "to the database \"%1\" (at most %2 seconds)...")
                                 .arg(QDir::toNativeSeparators(wait.path))
                                 .arg((wait.limitMs + 999) / 1000);
        std::fprintf(stderr, "pewlark: %s\n", qPrintable(text));
        if (!windows)
            return;
        g_notice = new QLabel(text);
        g_notice->setObjectName(QStringLiteral("lockWaitNotice"));
        g_notice->setWindowTitle(QStringLiteral("Pewlark"));
        g_notice->setMargin(16);
        g_notice->setAttribute(Qt::WA_DeleteOnClose);
        g_notice->show();
    }

    void showLockWait(const LockWait& wait)
    {
        // A connection of a worker thread (the daily backup) waits quietly:
        // the windows belong to the program's own thread.
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            return;
        const bool windows = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        switch (wait.phase) {
        case LockWait::Phase::Started:
            g_waiting = true;
            showNotice(wait, windows);
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
            if (g_notice)
                g_notice->close();
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
    return text.isEmpty() ? Tr::tr("An unexpected error occurred.") : text;
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
        failure = Tr::tr("An unexpected error occurred.");
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
    delete g_notice;
    g_waiting = false;
    if (g_cursorShown && QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    g_cursorShown = false;
}

bool waitingForLock() { return g_waiting; }

} // namespace pw
