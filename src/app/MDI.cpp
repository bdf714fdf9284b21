#include "app/MDI.h"

#include "app/BackupCommands.h"
#include "app/Context.h"
#include "app/Guard.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "app/frmAbout.h"
#include "app/frmLogin.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

namespace pw {

namespace {

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
            { "File", "File" },
            { "MemberS", "Members" },
            { "Prospects", "Prospects" },
            { "Administrative", "Administrative" },
            { "ClassEntry", "Class Entry" },
            { "Security", "Security" },
            { "Reports", "Reports" },
            { "MemberReports", "Member Reports" },
            { "ProspectReports", "Prospect Reports" },
            { "Help", "Help" },
        };
        return captions;
    }

} // namespace

const QList<QPair<QStringList, MenuCommand>>& MDI::commands()
{
    static const QList<QPair<QStringList, MenuCommand>> tree = {
        { { "File" }, plain("Exit", "Exit") },
        { { "File" }, plain("LogOff", "Log Off") },
        { { "File" }, opens("CompanyInfo", "Setup", "frmChurchInfo") },
        { { "MemberS" }, opens("MemberNavigator", "Member Navigator", "frmMemberNavigator") },
        { { "MemberS" }, opens("MemberEntry", "Member Entry/Edit", "frmMemberEntry") },
        { { "Prospects" }, opens("ProspectNavigator", "Prospect Navigator", "frmProspectNavigator") },
        { { "Prospects" }, opens("ProspectEntry", "Prospect Contact Entry/Edit", "frmProspectContactEntry") },
        { { "Administrative", "ClassEntry" }, opens("SSClassEntry", "Sunday School Class Entry", "frmSSClassEntry") },
        { { "Administrative", "ClassEntry" },
            opens("DTClassEntry", "Discipleship Training Class Entry", "frmDTClassEntry") },
        { { "Administrative", "ClassEntry" },
            opens("WedClassEntry", "Wednesday Night Class Entry", "frmWedClassEntry") },
        { { "Administrative" }, opens("CGEntry", "Care Group Entry", "frmCGClassEntry") },
        { { "Administrative" },
            opens("ChurchResponsibilityEntry", "Church Responsibility Entry", "frmResponsibilityEntry") },
        { { "Administrative" }, opens("OutreachPhaseEntry", "Outreach Phase Entry", "frmOutreachPhaseEntry") },
        { { "Administrative", "Security" }, opens("UserEntry", "User Entry", "frmUserEntry") },
        { { "Reports", "MemberReports" },
            opens("MemberInfoUpdateReportMdi", "Member Info Update Report", "frmMemberInformationUpdateReport") },
        { { "Reports", "ProspectReports" },
            opens("ProspectVisitationSheet", "Prospect Visitation Sheet", "frmProspectVisitationSheetReport") },
        { { "Help" }, plain("About", "About") },
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
    connect(m_workspace, &Workspace::statusChanged, statusBar(), [this](const QString& text) {
        statusBar()->showMessage(text);
    });
    buildMenus();
    QSize size(1280, 800);
    if (QScreen* display = QGuiApplication::primaryScreen())
        size = size.boundedTo(display->availableSize());
    resize(size);
}

MDI::~MDI() = default;

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
                        caption = c.second;
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
        QAction* action = menuFor(entry.first)->addAction(cmd.caption);
        action->setObjectName(cmd.name);
        if (cmd.name == QLatin1String("Exit")) {
            connect(action, &QAction::triggered, this, [this] {
                guarded([this] {
                    if (m_workspace->confirmLeaveAll(false))
                        CloseAndExit();
                });
            });
        } else if (cmd.name == QLatin1String("LogOff")) {
            connect(action, &QAction::triggered, this, [this] { guarded([this] { logOff(); }); });
        } else if (cmd.name == QLatin1String("About")) {
            connect(action, &QAction::triggered, this, [this] { m_workspace->open<frmAbout>(); });
        } else {
            connect(action, &QAction::triggered, this, [this, cmd] { guarded([this, &cmd] { runCommand(cmd); }); });
        }
    }
    addDatabaseCommands();
}

void MDI::addDatabaseCommands()
{
    QMenu* file = menu(QStringLiteral("File"));
    QAction* backUp = file->addAction(QStringLiteral("&Back Up Database..."));
    backUp->setObjectName(QStringLiteral("BackUpDatabase"));
    connect(backUp, &QAction::triggered, this, [this] { guarded([this] { backups::backUpFromMenu(this); }); });
    QAction* restore = file->addAction(QStringLiteral("&Restore Database..."));
    restore->setObjectName(QStringLiteral("RestoreDatabase"));
    connect(restore, &QAction::triggered, this, [this] {
        guarded([this] {
            if (backups::restoreFromMenu(this, *m_workspace))
                reopenAfterRestore();
        });
    });
}

void MDI::reopenAfterRestore()
{
    lock();
    showUser();
    emit m_workspace->membersChanged();
    emit m_workspace->lookupsChanged();
    emit m_workspace->churchChanged();
    showLogin();
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
}

void MDI::unlock()
{
    for (QAction* action : menuBar()->findChildren<QAction*>())
        action->setEnabled(true);
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        m->menuAction()->setEnabled(true);
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
    });
}

void MDI::logOff()
{
    // Windows stay open for the next login; one whose changes the user threw
    // away is closed rather than left showing them.
    if (!m_workspace->confirmLeaveAll(true))
        return;
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
    CloseAndExit();
}

void MDI::runCommand(const MenuCommand& cmd)
{
    // A command whose screen is not part of this build opens nothing.
    m_workspace->open(cmd.window);
}

} // namespace pw
