#include "app/Workspace.h"

#include "app/Permissions.h"
#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/Messages.h"
#include "widgets/SharedLists.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <optional>

namespace pw {

namespace {

    const char* const kPlacement = "pwPlacement";
    // The width the window opened at, while the program chose it.
    const char* const kOpenedWidth = "pwOpenedWidth";

    // Where the logged-in user's window places are kept; empty while nobody
    // is logged in (the login window and the first church set-up keep none).
    QString placesGroup()
    {
        const CurrentUser& user = ctx().user;
        return user.username.isEmpty() ? QString() : QStringLiteral("WindowPlaces/User%1").arg(user.id);
    }

    // The width at which every grid in the window shows all its columns
    // without a sideways scroll; 0 when it shows no grid.
    int widthForGrids(const QMdiSubWindow* sub)
    {
        std::optional<int> lacking;
        for (const QTableView* view : sub->widget()->findChildren<QTableView*>()) {
            if (!view->isVisibleTo(sub) || !view->model())
                continue;
            const int wanted = view->horizontalHeader()->length()
                + (view->verticalHeader()->isVisible() ? view->verticalHeader()->width() : 0) + 2 * view->frameWidth()
                + view->verticalScrollBar()->sizeHint().width();
            lacking = qMax(lacking.value_or(wanted - view->width()), wanted - view->width());
        }
        return lacking ? sub->width() + *lacking : 0;
    }

} // namespace

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
    showRefusal(it->refusal);
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
    sub->setProperty(kPlacement, static_cast<int>(placement));
    placeAsNew(sub, placement);
    sub->show();
    // The grids' widths are known once the window is laid out.
    placeAsNew(sub, placement);
    if (placement != Placement::TopLeft || !placeAsKept(sub))
        sub->setProperty(kOpenedWidth, sub->width());
    sub->installEventFilter(this);
    screen->setFocus();
    return sub;
}

void Workspace::placeAsNew(QMdiSubWindow* sub, Placement placement)
{
    const QSize area = m_area->viewport() ? m_area->viewport()->size() : m_area->size();
    QSize own = sub->sizeHint();
    if (sub->isVisible() && sub->widget())
        own.rwidth() = qMax(own.width(), widthForGrids(sub));
    // As large as the content asks, as far as the area has room (once it is
    // on screen and has a size), and never smaller than its controls need.
    if (m_area->isVisible())
        own = own.boundedTo(area).expandedTo(sub->minimumSizeHint());
    sub->resize(own);
    QPoint at(0, 0);
    if (placement == Placement::Centred) {
        at = QPoint((area.width() - own.width()) / 2, (area.height() - own.height()) / 2);
    } else if (placement == Placement::LoginPosition) {
        // Centred across, and a little above the middle (600 twips = 40 pixels).
        at = QPoint(area.width() / 2 - own.width() / 2, (area.height() - 40) / 2 - own.height() / 2);
    }
    sub->move(QPoint(qMax(0, at.x()), qMax(0, at.y())));
}

bool Workspace::placeAsKept(QMdiSubWindow* sub)
{
    const QString group = placesGroup();
    if (group.isEmpty() || !sub->widget())
        return false;
    const QString key = group + QLatin1Char('/') + sub->widget()->objectName();
    const auto settings = storedSettings();
    const QRect kept = settings->value(key + QStringLiteral("/Geometry")).toRect();
    if (!kept.isValid())
        return false;
    // Kept on a larger screen or a larger main window: it is made to fit.
    const QSize area = m_area->viewport() ? m_area->viewport()->size() : m_area->size();
    const QSize size = kept.size().boundedTo(area).expandedTo(sub->minimumSizeHint());
    sub->resize(size);
    sub->move(qBound(0, kept.x(), qMax(0, area.width() - size.width())),
        qBound(0, kept.y(), qMax(0, area.height() - size.height())));
    if (settings->value(key + QStringLiteral("/Maximized")).toBool())
        sub->showMaximized();
    return true;
}

void Workspace::rememberPlace(QMdiSubWindow* sub)
{
    const QString group = placesGroup();
    if (group.isEmpty() || !sub->widget() || sub->isHidden() || sub->isMinimized()
        || sub->property(kPlacement).toInt() != static_cast<int>(Placement::TopLeft))
        return;
    const QString key = group + QLatin1Char('/') + sub->widget()->objectName();
    const auto settings = storedSettings();
    settings->setValue(key + QStringLiteral("/Maximized"), sub->isMaximized());
    if (!sub->isMaximized())
        settings->setValue(key + QStringLiteral("/Geometry"), sub->geometry());
}

void Workspace::rememberPlaces()
{
    for (QMdiSubWindow* sub : m_area->subWindowList())
        rememberPlace(sub);
}

void Workspace::fitToContent(QWidget* screen)
{
    auto* sub = screen ? qobject_cast<QMdiSubWindow*>(screen->parentWidget()) : nullptr;
    if (!sub || !sub->isVisible() || sub->isMaximized() || sub->isMinimized()
        || sub->property(kOpenedWidth).toInt() != sub->width())
        return;
    const int room = m_area->viewport()->width();
    const int width = qMin(room, widthForGrids(sub));
    if (width <= sub->width())
        return;
    sub->setGeometry(qMax(0, qMin(sub->x(), room - width)), sub->y(), width, sub->height());
    sub->setProperty(kOpenedWidth, sub->width());
}

void Workspace::resetPlaces()
{
    const QString group = placesGroup();
    if (!group.isEmpty())
        storedSettings()->remove(group);
    for (QMdiSubWindow* sub : m_area->subWindowList()) {
        if (sub->isHidden())
            continue;
        if (sub->isMaximized() || sub->isMinimized())
            sub->showNormal();
        placeAsNew(sub, static_cast<Placement>(sub->property(kPlacement).toInt()));
        sub->setProperty(kOpenedWidth, sub->width());
    }
}

bool Workspace::eventFilter(QObject* watched, QEvent* event)
{
    // Kept as the window closes; a close the user then cancels keeps it too,
    // which does no harm.
    if (event->type() == QEvent::Close)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched))
            rememberPlace(sub);
    return QObject::eventFilter(watched, event);
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

void setWorkspace(Workspace* w)
{
    ctx().workspace = w;
    ctx().lists = w ? w->lists() : nullptr;
}

} // namespace pw
