#include "admin/AdminRules.h"

#include "app/Context.h"
#include "app/EditTracker.h"
#include "app/Guard.h"
#include "app/Messages.h"
#include "app/Permissions.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace pw::admin {

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

} // namespace

void whenLeaving(QWidget* screen, QWidget* box, std::function<void()> check, QList<QWidget*> except)
{
    QObject::connect(qApp, &QApplication::focusChanged, box,
        [screen, box, check = std::move(check), except](QWidget* old, QWidget* now) {
            if (old != box || !now || now == box || !screen->isAncestorOf(now) || except.contains(now))
                return;
            check();
        });
}

void refuseEntry(QLineEdit* box, const QString& text, const QString& title)
{
    // The focus goes back first, so that it is in the box the window
    // returns to when the message closes.
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    messages().show(text, title);
}

void followPermission(QWidget* screen, EditTracker* tracker, const QString& permission)
{
    auto* watch = new PermissionWatch(screen, tracker, permission);
    watch->apply();
}

} // namespace pw::admin
