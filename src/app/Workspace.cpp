#include "app/Workspace.h"

#include "app/Context.h"
#include "app/EditTracker.h"
#include "app/SharedLists.h"
#include "app/Messages.h"
#include "app/Permissions.h"

namespace pw {

Workspace::Workspace(QMdiArea* area, QObject* parent)
    : QObject(parent)
    , m_area(area)
    , m_lists(new SharedLists(this))
{
    // Connected first, so every screen that refills its lists on these
    // signals reads fresh ones.
    connect(this, &Workspace::membersChanged, m_lists, &SharedLists::membersChanged);
    connect(this, &Workspace::lookupsChanged, m_lists, &SharedLists::lookupsChanged);
}

void Workspace::registerScreen(ScreenEntry entry)
{
    const QString name = entry.windowName;
    m_screens.insert(name, std::move(entry));
}

bool Workspace::mayOpen(const QString& windowName) const
{
    const auto it = m_screens.constFind(windowName);
    if (it == m_screens.constEnd() || it->permissions.isEmpty())
        return true;
    for (const QString& permission : it->permissions) {
        if (HasPermission(permission))
            return true;
    }
    messages().show(it->refusal, refusal::Title, Icon::Warning);
    return false;
}

QWidget* Workspace::find(const QString& windowName) const
{
    for (QMdiSubWindow* sub : m_area->subWindowList()) {
        // A window that was just closed stays listed until it is deleted.
        if (sub->widget() && !sub->isHidden() && sub->widget()->objectName() == windowName)
            return sub->widget();
    }
    return nullptr;
}

QWidget* Workspace::open(const QString& windowName)
{
    return mayOpen(windowName) ? openWithoutTest(windowName) : nullptr;
}

QWidget* Workspace::openWithoutTest(const QString& windowName)
{
    if (QWidget* w = find(windowName))
        return w;
    const auto it = m_screens.constFind(windowName);
    if (it == m_screens.constEnd() || !it->factory)
        return nullptr;
    const Placement placement = it->placement;
    QWidget* w = it->factory();
    if (!w)
        return nullptr;
    if (w->objectName().isEmpty())
        w->setObjectName(windowName);
    add(w, placement);
    return w;
}

QMdiSubWindow* Workspace::add(QWidget* screen, Placement placement)
{
    screen->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_area->addSubWindow(screen,
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(screen->windowTitle());
    sub->adjustSize();
    const QSize own = sub->size();
    const QSize area = m_area->viewport() ? m_area->viewport()->size() : m_area->size();
    QPoint at(0, 0);
    if (placement == Placement::Centred) {
        at = QPoint((area.width() - own.width()) / 2, (area.height() - own.height()) / 2);
    } else if (placement == Placement::LoginPosition) {
        // Centred across, and a little above the middle (600 twips = 40 pixels).
        at = QPoint(area.width() / 2 - own.width() / 2, (area.height() - 40) / 2 - own.height() / 2);
    }
    sub->move(QPoint(qMax(0, at.x()), qMax(0, at.y())));
    sub->show();
    screen->setFocus();
    return sub;
}

bool Workspace::confirmLeaveAll(bool closeDiscarded)
{
    for (QMdiSubWindow* sub : m_area->subWindowList()) {
        auto* screen = dynamic_cast<EditingScreen*>(sub->widget());
        if (!screen || sub->isHidden() || !screen->editTracker()->isDirty())
            continue;
        m_area->setActiveSubWindow(sub);
        const Leave answer = screen->editTracker()->confirmLeave();
        if (answer == Leave::Stay)
            return false;
        if (answer == Leave::Discarded && closeDiscarded)
            sub->close();
    }
    return true;
}

bool Workspace::closeAll()
{
    if (!confirmLeaveAll(true))
        return false;
    const QList<QMdiSubWindow*> windows = m_area->subWindowList();
    for (QMdiSubWindow* sub : windows)
        if (!sub->isHidden())
            sub->close();
    for (QMdiSubWindow* sub : m_area->subWindowList())
        if (!sub->isHidden())
            return false;
    return true;
}

EditingScreen* Workspace::activeEditingScreen() const
{
    QMdiSubWindow* sub = m_area->activeSubWindow();
    return sub ? dynamic_cast<EditingScreen*>(sub->widget()) : nullptr;
}

void showStatus(const QString& text)
{
    if (Workspace* w = workspace())
        emit w->statusChanged(text);
}

void closeScreen(QWidget* screen)
{
    if (!screen)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
        sub->close();
    else
        screen->close();
}

Workspace* workspace() { return ctx().workspace; }

} // namespace pw
