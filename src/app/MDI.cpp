#include "app/MDI.h"

#include "app/BackupCommands.h"
#include "app/HelpWindow.h"
#include "app/LanguageMenu.h"
#include "app/Permissions.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "app/frmAbout.h"
#include "app/frmLogin.h"
#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/Guard.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

namespace pw {

namespace {

    // The main window's size on a screen with room for it.
    constexpr QSize kWantedSize(1280, 800);
    // A title bar and thin borders, assumed until the window manager has
    // framed the window.
    constexpr QMargins kGuessedFrame(4, 32, 4, 4);

    // The window the Window menu's "Start Page" opens, and a login too.
    const QString kStartPage = QStringLiteral("frmStartPage");

    MenuCommand opens(const char* name, const char* caption, const char* window)
    {
        return MenuCommand { QString::fromLatin1(name), QString::fromLatin1(caption), QString::fromLatin1(window) };
    }

    MenuCommand plain(const char* name, const char* caption)
    {
        return MenuCommand { QString::fromLatin1(name), QString::fromLatin1(caption), {} };
    }

    // Menus and submenus: object name and caption.
    const QList<QPair<QString, QString>>& menuCaptions()
    {
        static const QList<QPair<QString, QString>> captions = {
            { "File", QT_TRANSLATE_NOOP("MDI", "&File") },
            { "MemberS", QT_TRANSLATE_NOOP("MDI", "&Members") },
            { "Prospects", QT_TRANSLATE_NOOP("MDI", "&Prospects") },
            { "Administrative", QT_TRANSLATE_NOOP("MDI", "&Administrative") },
            { "ClassEntry", QT_TRANSLATE_NOOP("MDI", "&Class Entry") },
            { "Security", QT_TRANSLATE_NOOP("MDI", "&Security") },
            { "Reports", QT_TRANSLATE_NOOP("MDI", "&Reports") },
            { "MemberReports", QT_TRANSLATE_NOOP("MDI", "&Member Reports") },
            { "ProspectReports", QT_TRANSLATE_NOOP("MDI", "&Prospect Reports") },
            { "Giving", QT_TRANSLATE_NOOP("MDI", "&Giving") },
            { "Help", QT_TRANSLATE_NOOP("MDI", "&Help") },
        };
        return captions;
    }

} // namespace

const QList<QPair<QStringList, MenuCommand>>& MDI::commands()
{
    // "&" marks each command's access key (the letter underlined); no two
    // entries of one menu share one. In the File menu B and R belong to
    // "Back Up Database..." and "Restore Database...", added below.
    static const QList<QPair<QStringList, MenuCommand>> tree = {
        { { "File" }, plain("Exit", QT_TRANSLATE_NOOP("MDI", "E&xit")) },
        { { "File" }, plain("LogOff", QT_TRANSLATE_NOOP("MDI", "&Log Off")) },
        { { "File" }, opens("CompanyInfo", QT_TRANSLATE_NOOP("MDI", "&Setup"), "frmChurchInfo") },
        { { "MemberS" },
            opens("MemberNavigator", QT_TRANSLATE_NOOP("MDI", "Member &Navigator"), "frmMemberNavigator") },
        { { "MemberS" }, opens("MemberEntry", QT_TRANSLATE_NOOP("MDI", "Member &Entry/Edit"), "frmMemberEntry") },
        { { "MemberS" }, opens("MergePeople", QT_TRANSLATE_NOOP("MDI", "&Merge People..."), "frmMergePeople") },
        { { "Prospects" },
            opens("ProspectNavigator", QT_TRANSLATE_NOOP("MDI", "Prospect &Navigator"), "frmProspectNavigator") },
        { { "Prospects" },
            opens(
                "ProspectEntry", QT_TRANSLATE_NOOP("MDI", "Prospect &Contact Entry/Edit"), "frmProspectContactEntry") },
        { { "Administrative", "ClassEntry" },
            opens("SSClassEntry", QT_TRANSLATE_NOOP("MDI", "&Sunday School Class Entry"), "frmSSClassEntry") },
        { { "Administrative", "ClassEntry" },
            opens("DTClassEntry", QT_TRANSLATE_NOOP("MDI", "&Discipleship Training Class Entry"), "frmDTClassEntry") },
        { { "Administrative", "ClassEntry" },
            opens("WedClassEntry", QT_TRANSLATE_NOOP("MDI", "&Wednesday Night Class Entry"), "frmWedClassEntry") },
        { { "Administrative" }, opens("CGEntry", QT_TRANSLATE_NOOP("MDI", "Care &Group Entry"), "frmCGClassEntry") },
        { { "Administrative" },
            opens("ChurchResponsibilityEntry", QT_TRANSLATE_NOOP("MDI", "Church &Responsibility Entry"),
                "frmResponsibilityEntry") },
        { { "Administrative" },
            opens("OutreachPhaseEntry", QT_TRANSLATE_NOOP("MDI", "&Outreach Phase Entry"), "frmOutreachPhaseEntry") },
        { { "Administrative", "Security" },
            opens("UserEntry", QT_TRANSLATE_NOOP("MDI", "&User Entry"), "frmUserEntry") },
        { { "Reports", "MemberReports" },
            opens("MemberInfoUpdateReportMdi", QT_TRANSLATE_NOOP("MDI", "&Member Info Update Report"),
                "frmMemberInformationUpdateReport") },
        { { "Reports", "ProspectReports" },
            opens("ProspectVisitationSheet", QT_TRANSLATE_NOOP("MDI", "&Prospect Visitation Sheet"),
                "frmProspectVisitationSheetReport") },
        // Giving, shown only to those who hold "Giving View".
        { { "Giving" }, opens("GiftEntry", QT_TRANSLATE_NOOP("MDI", "&Gift Entry"), "frmGiftEntry") },
        { { "Giving" },
            opens("ContributionStatements", QT_TRANSLATE_NOOP("MDI", "&Contribution Statements"),
                "frmContributionStatements") },
        { { "Giving" }, opens("GivingReports", QT_TRANSLATE_NOOP("MDI", "Giving &Reports"), "frmGivingReports") },
        { { "Giving" }, opens("ImportGifts", QT_TRANSLATE_NOOP("MDI", "&Import Gifts..."), "frmImportGifts") },
        { { "Giving" }, opens("Funds", QT_TRANSLATE_NOOP("MDI", "&Funds"), "frmFunds") },
        { { "Help" }, plain("About", QT_TRANSLATE_NOOP("MDI", "&About")) },
        // Added after the items above: the user guide.
        { { "Help" }, plain("PewlarkHelp", QT_TRANSLATE_NOOP("MDI", "Pewlark &Help")) },
        // Attendance: the roll call and its reports.
        { { "MemberS" },
            opens("AttendanceEntry", QT_TRANSLATE_NOOP("MDI", "&Attendance Entry"), "frmAttendanceEntry") },
        { { "Reports", "MemberReports" },
            opens("AttendanceReports", QT_TRANSLATE_NOOP("MDI", "&Attendance Reports"), "frmAttendanceReports") },
        // Rosters: who serves where on which date, and the positions.
        { { "MemberS" }, opens("Rosters", QT_TRANSLATE_NOOP("MDI", "&Rosters"), "frmRosters") },
        { { "Administrative" },
            opens("RosterPositions", QT_TRANSLATE_NOOP("MDI", "Roster &Positions"), "frmRosterPositions") },
        // Check-in: the station in the hall, a teacher's check-out and the day's reports.
        { { "MemberS" }, opens("CheckinStation", QT_TRANSLATE_NOOP("MDI", "Check-in &Station"), "frmCheckinStation") },
        { { "MemberS" }, opens("ClassCheckout", QT_TRANSLATE_NOOP("MDI", "Class Check-&out"), "frmClassCheckout") },
        { { "Reports", "MemberReports" },
            opens("CheckinReports", QT_TRANSLATE_NOOP("MDI", "&Check-in Reports"), "frmCheckinReports") },
        // The church directory with family pictures.
        { { "Reports" },
            opens("ChurchDirectory", QT_TRANSLATE_NOOP("MDI", "Church &Directory"), "frmChurchDirectory") },
    };
    return tree;
}

MDI::MDI(QWidget* parent)
    : QMainWindow(parent)
    , m_area(new QMdiArea(this))
    , m_workspace(new Workspace(m_area, this))
    , m_user(new QLabel(this))
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Pewlark"));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    // The last completed action on the left, who is logged in on the right.
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    m_user->setObjectName(QStringLiteral("lblUser"));
    statusBar()->addPermanentWidget(m_user);
    connect(m_workspace, &Workspace::statusChanged, statusBar(),
        [this](const QString& text) { statusBar()->showMessage(text); });
    buildMenus();
    fitToScreen();
}

QRect fittedGeometry(const QRect& available, const QMargins& frame, const QSize& wanted)
{
    const QSize room(qMax(0, available.width() - frame.left() - frame.right()),
        qMax(0, available.height() - frame.top() - frame.bottom()));
    const QSize size = wanted.boundedTo(room);
    const QPoint at(available.x() + frame.left() + (room.width() - size.width()) / 2,
        available.y() + frame.top() + (room.height() - size.height()) / 2);
    return QRect(at, size);
}

void MDI::fitToScreen()
{
    QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    QMargins frame = kGuessedFrame;
    if (m_frameKnown)
        frame = windowHandle()->frameMargins();
    setGeometry(fittedGeometry(display->availableGeometry(), frame, kWantedSize));
}

void MDI::refitOnceFrameKnown()
{
    if (m_frameKnown || !isVisible() || !windowHandle() || windowHandle()->frameMargins().isNull())
        return;
    m_frameKnown = true;
    const QScreen* display = screen();
    if (display && !isMaximized() && !isFullScreen() && !display->availableGeometry().contains(frameGeometry()))
        fitToScreen();
}

void MDI::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    refitOnceFrameKnown();
}

void MDI::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    refitOnceFrameKnown();
}

MDI::~MDI()
{
    // The area closes its windows as it is destroyed after this object has
    // stopped being an MDI; their signals must no longer reach it.
    disconnect(m_area, nullptr, this, nullptr);
}

void MDI::buildMenus()
{
    QHash<QString, QMenu*> menus;
    auto menuFor = [&](const QStringList& path) {
        QMenu* parentMenu = nullptr;
        for (const QString& name : path) {
            QMenu* m = menus.value(name);
            if (!m) {
                QString caption = name;
                for (const auto& c : menuCaptions())
                    if (c.first == name)
                        caption = QCoreApplication::translate("MDI", c.second.toUtf8().constData());
                m = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
                m->setObjectName(name);
                m->menuAction()->setObjectName(name + QStringLiteral("Menu"));
                menus.insert(name, m);
            }
            parentMenu = m;
        }
        return parentMenu;
    };

    for (const auto& entry : commands()) {
        const MenuCommand& cmd = entry.second;
        QAction* action
            = menuFor(entry.first)->addAction(QCoreApplication::translate("MDI", cmd.caption.toUtf8().constData()));
        action->setObjectName(cmd.name);
        if (cmd.name == QLatin1String("Exit")) {
            connect(action, &QAction::triggered, this, [this] {
                guarded([this] {
                    if (m_workspace->confirmLeaveAll(false)) {
                        m_workspace->rememberPlaces();
                        CloseAndExit();
                    }
                });
            });
        } else if (cmd.name == QLatin1String("LogOff")) {
            connect(action, &QAction::triggered, this, [this] { guarded([this] { logOff(); }); });
        } else if (cmd.name == QLatin1String("About")) {
            connect(action, &QAction::triggered, this, [this] { m_workspace->open<frmAbout>(); });
        } else if (cmd.name == QLatin1String("PewlarkHelp")) {
            action->setShortcut(QKeySequence::HelpContents);
            connect(action, &QAction::triggered, this, [this] { showHelpForActiveWindow(); });
        } else {
            connect(action, &QAction::triggered, this, [this, cmd] { guarded([this, &cmd] { runCommand(cmd); }); });
        }
    }
    addDatabaseCommands();

    // The Window menu, added before Help: the usual commands of a program
    // with child windows, then the open windows.
    m_windowMenu = new QMenu(tr("&Window"), menuBar());
    m_windowMenu->setObjectName(QStringLiteral("Window"));
    m_windowMenu->menuAction()->setObjectName(QStringLiteral("WindowMenu"));
    menuBar()->insertMenu(menu(QStringLiteral("Help"))->menuAction(), m_windowMenu);
    auto windowCommand = [this](const char* name, const QString& caption, const QKeySequence& key, auto handler) {
        QAction* action = m_windowMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    windowCommand("Tile", tr("&Tile"), {}, [this] { m_area->tileSubWindows(); });
    windowCommand("Cascade", tr("&Cascade"), {}, [this] { m_area->cascadeSubWindows(); });
    windowCommand("CloseWindow", tr("Cl&ose"), QKeySequence(Qt::CTRL | Qt::Key_W), [this] {
        // Closing asks about unsaved changes like the window's own close box.
        if (QMdiSubWindow* sub = m_area->activeSubWindow())
            sub->close();
    });
    windowCommand("StartPage", tr("&Start Page"), {}, [this] { guarded([this] { openStartPage(); }); });
    windowCommand("ChangeMyPassword", tr("Change &My Password"), {},
        [this] { guarded([this] { m_workspace->open(QStringLiteral("frmChangePassword")); }); });
    windowCommand("ResetWindowSizes", tr("&Reset Window Sizes"), {}, [this] {
        guarded([this] {
            m_workspace->resetPlaces();
            showStatus(tr("Window sizes reset."));
        });
    });
    m_windowMenu->addMenu(makeLanguageMenu(m_windowMenu));
    connect(m_windowMenu, &QMenu::aboutToShow, this, [this] { listWindows(); });

    // Ctrl+S saves the screen in front and keeps its record on it. It is on
    // only while that screen is an editing screen, so the Report Viewer keeps
    // Ctrl+S for its own "Save as PDF...".
    m_save = new QAction(tr("Save"), this);
    m_save->setObjectName(QStringLiteral("SaveScreen"));
    m_save->setShortcut(QKeySequence::Save);
    addAction(m_save);
    connect(m_save, &QAction::triggered, this, [this] {
        if (EditingScreen* screen = m_workspace->activeEditingScreen())
            guarded([screen] { screen->saveKeepingRecord(); });
    });
    connect(m_area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // A child window's own menu closes it with Ctrl+W as well; the key
        // is left to Window > Close alone, so that it is not ambiguous.
        if (sub && sub->systemMenu()) {
            const QKeySequence closeKey(Qt::CTRL | Qt::Key_W);
            for (QAction* action : sub->systemMenu()->actions()) {
                QList<QKeySequence> keys = action->shortcuts();
                if (keys.removeAll(closeKey) > 0)
                    action->setShortcuts(keys);
            }
        }
        updateKeys();
    });

    // F1 before anyone has logged in, while the Help menu is locked.
    m_helpKey = new QAction(tr("Pewlark Help"), this);
    m_helpKey->setObjectName(QStringLiteral("HelpKey"));
    m_helpKey->setShortcut(QKeySequence::HelpContents);
    addAction(m_helpKey);
    connect(m_helpKey, &QAction::triggered, this, [this] { showHelpForActiveWindow(); });
    updateKeys();
}

void MDI::listWindows()
{
    for (QAction* old : std::as_const(m_windowEntries)) {
        m_windowMenu->removeAction(old);
        old->deleteLater();
    }
    m_windowEntries.clear();
    const QList<QMdiSubWindow*> windows = m_area->subWindowList();
    int number = 0;
    for (QMdiSubWindow* sub : windows) {
        if (sub->isHidden() || !sub->widget())
            continue;
        if (number == 0)
            m_windowEntries.append(m_windowMenu->addSeparator());
        ++number;
        QString title = sub->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // The first nine are reached by their number.
        const QString caption = number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                            : QStringLiteral("%1 %2").arg(number).arg(title);
        QAction* entry = m_windowMenu->addAction(caption);
        entry->setObjectName(QStringLiteral("OpenWindow%1").arg(number));
        entry->setCheckable(true);
        entry->setChecked(sub == m_area->activeSubWindow());
        QPointer<QMdiSubWindow> target(sub);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (!target)
                return;
            if (target->isMinimized())
                target->showNormal();
            m_area->setActiveSubWindow(target);
        });
        m_windowEntries.append(entry);
    }
}

void MDI::updateKeys()
{
    m_save->setEnabled(!m_locked && m_workspace->activeEditingScreen() != nullptr);
    m_helpKey->setEnabled(m_locked);
}

void MDI::showHelpForActiveWindow()
{
    // The page about the window in front; the contents without one.
    QMdiSubWindow* sub = m_area->activeSubWindow();
    const QString section
        = sub && sub->widget() ? helpSectionFor(sub->widget()->objectName()) : helpSections().first().id;
    showHelp(section);
}

void MDI::addDatabaseCommands()
{
    QMenu* file = menu(QStringLiteral("File"));
    QAction* backUp = file->addAction(tr("&Back Up Database..."));
    backUp->setObjectName(QStringLiteral("BackUpDatabase"));
    connect(backUp, &QAction::triggered, this, [this] { guarded([this] { backups::backUpFromMenu(this); }); });
    QAction* restore = file->addAction(tr("&Restore Database..."));
    restore->setObjectName(QStringLiteral("RestoreDatabase"));
    connect(restore, &QAction::triggered, this, [this] {
        guarded([this] {
            if (backups::restoreFromMenu(this, *m_workspace))
                reopenAfterRestore();
        });
    });
    // People from a spreadsheet: the screen's registration says who may.
    QAction* importPeople = file->addAction(tr("&Import People..."));
    importPeople->setObjectName(QStringLiteral("ImportPeople"));
    connect(importPeople, &QAction::triggered, this,
        [this] { guarded([this] { m_workspace->open(QStringLiteral("frmImportPeople")); }); });
}

void MDI::reopenAfterRestore()
{
    emit m_workspace->membersChanged();
    emit m_workspace->lookupsChanged();
    emit m_workspace->churchChanged();
    endSession();
    LoadChurchSettings();
}

QAction* MDI::command(const QString& name) const { return menuBar()->findChild<QAction*>(name); }

QMenu* MDI::menu(const QString& name) const { return menuBar()->findChild<QMenu*>(name); }

void MDI::lock()
{
    for (QAction* action : menuBar()->findChildren<QAction*>())
        action->setEnabled(false);
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        m->menuAction()->setEnabled(false);
    menu(QStringLiteral("File"))->menuAction()->setEnabled(true);
    command(QStringLiteral("Exit"))->setEnabled(true);
    m_locked = true;
    showGiving();
    updateKeys();
}

void MDI::showGiving()
{
    // Giving is confidential: its menu is not even seen without "Giving View".
    if (QMenu* giving = menu(QStringLiteral("Giving")))
        giving->menuAction()->setVisible(!m_locked && HasPermission(perm::GivingView));
}

void MDI::unlock()
{
    for (QAction* action : menuBar()->findChildren<QAction*>())
        action->setEnabled(true);
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        m->menuAction()->setEnabled(true);
    m_locked = false;
    showGiving();
    updateKeys();
}

void MDI::showLogin()
{
    if (m_workspace->find<frmLogin>())
        return;
    auto* login = m_workspace->open<frmLogin>(Workspace::Placement::LoginPosition);
    // Closing the login window by its frame would leave a locked program with
    // nothing to do but exit; its own "Close" button is the way out.
    if (QWidget* frame = login->parentWidget())
        frame->setWindowFlag(Qt::WindowCloseButtonHint, false);
    connect(login, &frmLogin::loggedIn, this, [this] {
        unlock();
        showUser();
        guarded([this] { openStartPage(); });
    });
}

void MDI::logOff()
{
    if (m_locked) {
        showLogin();
        return;
    }
    // Everything the user had open goes with him, so that nobody works on as
    // him, or reads what he left on screen, while the login window is up.
    // Unsaved changes are asked about first; Cancel keeps him logged in.
    if (!m_workspace->closeAll())
        return;
    endSession();
}

void MDI::endSession()
{
    ctx().user = CurrentUser {};
    lock();
    showUser();
    showLogin();
}

void MDI::showUser()
{
    const CurrentUser& user = ctx().user;
    const bool loggedIn = menu(QStringLiteral("File")) && command(QStringLiteral("LogOff"))
        && command(QStringLiteral("LogOff"))->isEnabled() && !user.username.isEmpty();
    m_user->setText(loggedIn ? QStringLiteral("%1 (%2)").arg(user.username, user.type) : QString());
}

void MDI::closeEvent(QCloseEvent* event)
{
    bool leave = false;
    guarded([&] { leave = m_workspace->confirmLeaveAll(false); });
    if (!leave) {
        event->ignore();
        return;
    }
    event->accept();
    m_workspace->rememberPlaces();
    CloseAndExit();
}

void MDI::openStartPage()
{
    // Everybody may open it; it shows only what the user may see.
    if (!m_workspace->hasScreen(kStartPage))
        return;
    QWidget* page = m_workspace->openWithoutTest(kStartPage);
    if (auto* sub = page ? qobject_cast<QMdiSubWindow*>(page->parentWidget()) : nullptr)
        m_area->setActiveSubWindow(sub);
}

void MDI::runCommand(const MenuCommand& cmd)
{
    // A command whose screen is not part of this build opens nothing.
    m_workspace->open(cmd.window);
}

} // namespace pw
