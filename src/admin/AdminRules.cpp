#include "admin/AdminRules.h"

#include "app/Permissions.h"
#include "data/Passwords.h"
#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

namespace pw::admin {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(AdminRules)
    };
} // namespace

namespace {

    // Re-applies the view-only mark when the screen's child window is about
    // to become the active one.
    class PermissionWatch : public QObject {
    public:
        PermissionWatch(QWidget* screen, EditTracker* tracker, const QString& permission)
            : QObject(screen)
            , m_screen(screen)
            , m_tracker(tracker)
            , m_permission(permission)
        {
            screen->installEventFilter(this);
        }

        void apply()
        {
            if (m_tracker)
                m_tracker->setViewOnly(!HasPermission(m_permission));
        }

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            // The child window exists once the screen is shown in it.
            if (watched == m_screen && event->type() == QEvent::Show) {
                auto* frame = qobject_cast<QMdiSubWindow*>(m_screen->parentWidget());
                if (frame && frame != m_frame) {
                    m_frame = frame;
                    connect(frame, &QMdiSubWindow::aboutToActivate, this, [this] { guarded([this] { apply(); }); });
                }
            }
            return false;
        }

    private:
        QWidget* m_screen;
        QPointer<EditTracker> m_tracker;
        QString m_permission;
        QPointer<QMdiSubWindow> m_frame;
    };

    // Runs a screen's check when the user moves the focus out of a box to
    // another control of the screen: by Tab, a click or an access key. A
    // message box, another window or the program itself moving the focus
    // (also back into the window when a message closes) is no leaving.
    class LeaveWatch : public QObject {
    public:
        LeaveWatch(QWidget* screen, QWidget* box, std::function<void()> check, QList<QWidget*> except)
            : QObject(box)
            , m_screen(screen)
            , m_box(box)
            , m_check(std::move(check))
            , m_except(std::move(except))
        {
        }

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (watched == m_box && event->type() == QEvent::FocusOut) {
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                m_leftByUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                    || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
            }
            return false;
        }

        // After the focus has moved: the new control has it.
        void focusMoved(QWidget* old, QWidget* now)
        {
            if (old != m_box || !m_leftByUser || m_checking)
                return;
            m_leftByUser = false;
            if (!now || now == m_box || !m_screen->isAncestorOf(now) || m_except.contains(now))
                return;
            // A refusal's message moves the focus about; it is not checked again meanwhile.
            m_checking = true;
            const auto done = qScopeGuard([this] { m_checking = false; });
            m_check();
        }

    private:
        QWidget* m_screen;
        QWidget* m_box;
        std::function<void()> m_check;
        QList<QWidget*> m_except;
        bool m_leftByUser = false;
        bool m_checking = false;
    };

} // namespace

void whenLeaving(QWidget* screen, QWidget* box, std::function<void()> check, QList<QWidget*> except)
{
    auto* watch = new LeaveWatch(screen, box, std::move(check), std::move(except));
    box->installEventFilter(watch);
    QObject::connect(
        qApp, &QApplication::focusChanged, watch, [watch](QWidget* old, QWidget* now) { watch->focusMoved(old, now); });
}

void refuseEntry(QLineEdit* box, const QString& text, const QString& title)
{
    // The focus goes back first, so that it is in the box the window
    // returns to when the message closes.
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QPointer<QLineEdit> refused = box;
    messages().show(text, title);
    // The window that comes back to the front may have put the focus
    // elsewhere (its first box); the user is to correct this one.
    if (refused && refused->isVisible()) {
        refused->setFocus(Qt::OtherFocusReason);
        refused->selectAll();
    }
}

bool samePasswordTwice(QLineEdit* first, QLineEdit* again)
{
    if (passwords::normalised(first->text()) == passwords::normalised(again->text()))
        return true;
    first->clear();
    again->clear();
    refuseEntry(
        first, Tr::tr("The two passwords differ; please type the same password twice."), Tr::tr("Invalid Entry"));
    return false;
}

void followPermission(QWidget* screen, EditTracker* tracker, const QString& permission)
{
    auto* watch = new PermissionWatch(screen, tracker, permission);
    watch->apply();
}

} // namespace pw::admin
