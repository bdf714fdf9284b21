#include "Screens.h"

#include "app/Permissions.h"
#include "app/Startup.h"
#include "app/frmAbout.h"
#include "members/Screens.h"
#include "reports/Screens.h"
#include "widgets/Guard.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

using namespace pw;

namespace {

// Start-up refuses a database without any account; these need only one to exist.
void addAccount(Database& db)
{
    const qint64 id = db.insert(QStringLiteral("INSERT INTO Member (First_Name, Last_Name) VALUES ('Ada', 'Admin') "
                                               "RETURNING ID"));
    db.exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive) "
                           "VALUES (?, 'admin', '', 'Admin', 0)"),
        { id });
}

// The menu tree as the user sees it: each menu's caption, then its entries.
QStringList menuTree(QMenu* menu, const QString& indent = QString())
{
    QStringList lines;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        lines << indent + a->objectName() + QLatin1Char('=') + QString(a->text()).remove(QLatin1Char('&'));
        if (a->menu())
            lines << menuTree(a->menu(), indent + QStringLiteral("  "));
    }
    return lines;
}

// The permission test each menu window is registered with by its folder.
QPair<QStringList, QString> permissionTestOf(const QString& window)
{
    static const QHash<QString, QString> single = {
        { "frmChurchInfo", perm::ChurchInfo },
        { "frmProspectContactEntry", perm::ProspectContactEntry },
        { "frmSSClassEntry", perm::SSClassEntry },
        { "frmDTClassEntry", perm::DTClassEntry },
        { "frmWedClassEntry", perm::WedClassEntry },
        { "frmCGClassEntry", perm::CareGroupEntry },
        { "frmResponsibilityEntry", perm::ResponsibilityEntry },
        { "frmOutreachPhaseEntry", perm::OutreachPhaseEntry },
        { "frmUserEntry", perm::UserPermissions },
        { "frmMemberInformationUpdateReport", perm::MemberInfoUpdateReport },
        { "frmProspectVisitationSheetReport", perm::VisitationSheetReport },
    };
    if (single.contains(window))
        return { { single.value(window) }, window.endsWith("Report") ? refusal::ViewReport : refusal::View };
    return { { perm::MemberView, perm::MemberEntry }, refusal::View };
}

struct MainFixture : test::MainWindowFixture {
    qint64 userId = 0;
    int opened = 0;

    MainFixture()
    {
        userId = env.addMember(QStringLiteral("Una"), QStringLiteral("User"));
        // Every window that a command can open stands in as a plain screen with a box.
        for (const auto& entry : MDI::commands()) {
            const QString window = entry.second.window;
            if (window.isEmpty())
                continue;
            const auto test = permissionTestOf(window);
            main.workspace()->registerScreen({ window, test.first, test.second, [this, window] {
                                                  ++opened;
                                                  auto* w = new QWidget;
                                                  w->setObjectName(window);
                                                  auto* box = new QLineEdit(w);
                                                  box->setObjectName(QStringLiteral("txtEntry"));
                                                  return w;
                                              } });
        }
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void menuTreeInOrder();
    void lockedBeforeLogin();
    void commandPermissions_data();
    void commandPermissions();
    void openWindowIsLeftUnchanged();
    void windowPlacesKeptPerUser();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void screenOpenedByNameIsTested_data();
    void screenOpenedByNameIsTested();
    void foldersRegisterTheirScreens_data();
    void foldersRegisterTheirScreens();
    void aboutBox();
    void systemInfoUnavailable();
    void exitClosesDatabase();
    void engineErrorKeepsProgramRunning();
    void startupFailures_data();
    void startupFailures();
    void startupReadsChurchDelay_data();
    void startupReadsChurchDelay();
    void secondCopyIsRefused();
};

void TestMainWindow::menuTreeInOrder()
{
    MainFixture f;
    QStringList tree;
    for (QAction* top : f.main.menuBar()->actions()) {
        tree << top->menu()->objectName() + QLatin1Char('=') + QString(top->text()).remove(QLatin1Char('&'));
        tree << menuTree(top->menu(), QStringLiteral("  "));
    }
    const QStringList expected = {
        "File=File",
        "  Exit=Exit",
        "  LogOff=Log Off",
        "  CompanyInfo=Setup",
        "  BackUpDatabase=Back Up Database...",
        "  RestoreDatabase=Restore Database...",
        "  ImportPeople=Import People...",
        "MemberS=Members",
        "  MemberNavigator=Member Navigator",
        "  MemberEntry=Member Entry/Edit",
        "  MergePeople=Merge People...",
        "  AttendanceEntry=Attendance Entry", // added after the items above
        "  Rosters=Rosters",
        "  CheckinStation=Check-in Station",
        "  ClassCheckout=Class Check-out",
        "Prospects=Prospects",
        "  ProspectNavigator=Prospect Navigator",
        "  ProspectEntry=Prospect Contact Entry/Edit",
        "Administrative=Administrative",
        "  ClassEntryMenu=Class Entry",
        "    SSClassEntry=Sunday School Class Entry",
        "    DTClassEntry=Discipleship Training Class Entry",
        "    WedClassEntry=Wednesday Night Class Entry",
        "  CGEntry=Care Group Entry",
        "  ChurchResponsibilityEntry=Church Responsibility Entry",
        "  OutreachPhaseEntry=Outreach Phase Entry",
        "  SecurityMenu=Security",
        "    UserEntry=User Entry",
        "  RosterPositions=Roster Positions",
        "Reports=Reports",
        "  MemberReportsMenu=Member Reports",
        "    MemberInfoUpdateReportMdi=Member Info Update Report",
        "    AttendanceReports=Attendance Reports",
        "    CheckinReports=Check-in Reports",
        "  ProspectReportsMenu=Prospect Reports",
        "    ProspectVisitationSheet=Prospect Visitation Sheet",
        "  ChurchDirectory=Church Directory",
        "Giving=Giving",
        "  GiftEntry=Gift Entry",
        "  ContributionStatements=Contribution Statements",
        "  GivingReports=Giving Reports",
        "  ImportGifts=Import Gifts...",
        "  Funds=Funds",
        // Added after the items above, and the Window menu before Help.
        "Window=Window",
        "  Tile=Tile",
        "  Cascade=Cascade",
        "  CloseWindow=Close",
        "  StartPage=Start Page",
        "  ChangeMyPassword=Change My Password",
        "  ResetWindowSizes=Reset Window Sizes",
        "  LanguageMenu=Language",
        "    Language_en=English",
        "    Language_es=Español",
        "    Language_pt_BR=Português (Brasil)",
        "Help=Help",
        "  About=About",
        "  PewlarkHelp=Pewlark Help",
    };
    QCOMPARE(tree, expected);
    QCOMPARE(f.main.windowTitle(), QStringLiteral("Pewlark"));
    // Shortcut keys only on the added commands.
    QStringList withKeys;
    for (QAction* a : f.main.menuBar()->findChildren<QAction*>())
        if (!a->shortcut().isEmpty())
            withKeys << a->objectName() + QLatin1Char('=') + a->shortcut().toString();
    withKeys.sort();
    QCOMPARE(withKeys, (QStringList { "CloseWindow=Ctrl+W", "PewlarkHelp=F1" }));
}

void TestMainWindow::lockedBeforeLogin()
{
    MainFixture f;
    f.main.lock();
    QStringList enabled;
    for (QAction* a : f.main.menuBar()->findChildren<QAction*>())
        if (a->isEnabled())
            enabled << a->objectName();
    enabled.sort();
    QCOMPARE(enabled, (QStringList { "Exit", "FileMenu" }));
    // F1 opens the guide before a login too, through a key of the window.
    QVERIFY(f.main.findChild<QAction*>(QStringLiteral("HelpKey"))->isEnabled());
    f.main.unlock();
    // Everything but the Giving menu, which nobody logged in may see.
    for (QAction* a : f.main.menuBar()->findChildren<QAction*>())
        QVERIFY2(a->isEnabled() || a->objectName() == QLatin1String("GivingMenu"), qPrintable(a->objectName()));
}

void TestMainWindow::commandPermissions_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("grants");
    QTest::addColumn<QString>("refusal"); // empty: the window opens

    const QString view = QStringLiteral("You do not have permission to view this record.");
    const QString report = QStringLiteral("You do not have permission to view this report.");
    const QStringList none;
    const QStringList memberView = { QStringLiteral("Member View") };
    const QStringList memberEntry = { QStringLiteral("Member Entry/Edit") };

    // The three commands that accept either permission.
    for (const char* cmd : { "MemberNavigator", "MemberEntry", "ProspectNavigator" }) {
        QTest::addRow("%s with Member View", cmd) << cmd << "User" << memberView << "";
        QTest::addRow("%s with Member Entry/Edit", cmd) << cmd << "User" << memberEntry << "";
        QTest::addRow("%s without", cmd) << cmd << "User" << none << view;
    }
    const QList<QPair<const char*, const char*>> single = {
        { "CompanyInfo", "Church Info" },
        { "ProspectEntry", "Prospect Contact Entry/Edit" },
        { "SSClassEntry", "Sunday School Class Entry/Edit" },
        { "DTClassEntry", "Discipleship Training Class Entry/Edit" },
        { "WedClassEntry", "Wednesday Night Class Entry/Edit" },
        { "CGEntry", "Care Group Entry/Edit" },
        { "ChurchResponsibilityEntry", "Church Responsibility Entry/Edit" },
        { "OutreachPhaseEntry", "Outreach Phase Entry/Edit" },
        { "UserEntry", "User Permissions" },
        { "MemberInfoUpdateReportMdi", "Member Information Update Report" },
        { "ProspectVisitationSheet", "Prospect Visitation Sheet Report" },
    };
    for (const auto& c : single) {
        const bool isReport = QByteArray(c.first).contains("Report") || QByteArray(c.first).contains("Visitation");
        QTest::addRow("%s granted", c.first) << c.first << "User" << QStringList { c.second } << "";
        QTest::addRow("%s with Member View only", c.first)
            << c.first << "User" << memberView << (isReport ? report : view);
        QTest::addRow("%s as Admin", c.first) << c.first << "Admin" << none << "";
        QTest::addRow("%s as admin (lower case)", c.first) << c.first << "admin" << none << (isReport ? report : view);
    }
}

void TestMainWindow::commandPermissions()
{
    QFETCH(QString, command);
    QFETCH(QString, type);
    QFETCH(QStringList, grants);
    QFETCH(QString, refusal);
    MainFixture f;
    for (const QString& g : grants)
        f.env.grant(f.userId, g);
    f.env.loginAs(f.userId, type);
    f.main.unlock();

    f.main.command(command)->trigger();
    QWidget* window = nullptr;
    for (const auto& entry : MDI::commands())
        if (entry.second.name == command)
            window = f.main.workspace()->find(entry.second.window);

    if (refusal.isEmpty()) {
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(window);
        QCOMPARE(f.opened, 1);
    } else {
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.last().text, refusal);
        QCOMPARE(f.env.messages.last().title, QStringLiteral("Invalid Permission"));
        QCOMPARE(f.env.messages.last().icon, Icon::Warning);
        QVERIFY(!window);
        QCOMPARE(f.opened, 0);
    }
}

void TestMainWindow::openWindowIsLeftUnchanged()
{
    MainFixture f;
    f.env.grant(f.userId, QStringLiteral("Member View"));
    f.env.loginAs(f.userId, QStringLiteral("User"));
    f.main.unlock();
    f.main.command(QStringLiteral("MemberEntry"))->trigger();
    QWidget* first = f.main.workspace()->find(QStringLiteral("frmMemberEntry"));
    QVERIFY(first);
    test::control<QLineEdit>(first, QStringLiteral("txtEntry"))->setText(QStringLiteral("half-typed"));
    f.main.command(QStringLiteral("About"))->trigger(); // another window comes to the front

    f.main.command(QStringLiteral("MemberEntry"))->trigger();
    QCOMPARE(f.opened, 1);
    QCOMPARE(f.main.workspace()->find(QStringLiteral("frmMemberEntry")), first);
    QCOMPARE(test::control<QLineEdit>(first, QStringLiteral("txtEntry"))->text(), QStringLiteral("half-typed"));
    QCOMPARE(f.main.area()->subWindowList().size(), 2);
}

void TestMainWindow::windowPlacesKeptPerUser()
{
    MainFixture f;
    const qint64 other = f.env.addMember(QStringLiteral("Otto"), QStringLiteral("Other"));
    f.main.unlock();
    f.main.resize(1000, 700);
    f.main.show();
    auto openAs = [&f](qint64 user) {
        f.env.loginAs(user, QStringLiteral("Admin"), QStringLiteral("user%1").arg(user));
        f.main.command(QStringLiteral("MemberEntry"))->trigger();
        return f.main.workspace()->find(QStringLiteral("frmMemberEntry"))->parentWidget();
    };
    auto close = [](QWidget* sub) {
        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QWidget* sub = openAs(f.userId);
    const QRect first = sub->geometry();
    const QRect moved(first.topLeft() + QPoint(40, 30), first.size() + QSize(60, 20));
    sub->setGeometry(moved);
    close(sub);
    sub = openAs(f.userId);
    QCOMPARE(sub->geometry(), moved);
    close(sub);
    sub = openAs(other);
    QCOMPARE(sub->geometry(), first); // kept for its user only
    close(sub);

    sub = openAs(f.userId);
    f.main.findChild<QAction*>(QStringLiteral("ResetWindowSizes"))->trigger();
    QCOMPARE(sub->geometry(), first);
    close(sub);
    QCOMPARE(openAs(f.userId)->geometry(), first);
}

void TestMainWindow::fitsTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("window"); // without its frame
    const QMargins titleBar(1, 37, 1, 1);
    QTest::newRow("1366 x 768, no panel") << QRect(0, 0, 1366, 768) << titleBar << QRect(43, 37, 1280, 730);
    QTest::newRow("1366 x 768, taskbar below") << QRect(0, 0, 1366, 728) << titleBar << QRect(43, 37, 1280, 690);
    QTest::newRow("1366 x 768, panel above") << QRect(0, 27, 1366, 741) << titleBar << QRect(43, 64, 1280, 703);
    QTest::newRow("1280 x 720") << QRect(0, 0, 1280, 720) << titleBar << QRect(1, 37, 1278, 682);
    QTest::newRow("large screen: the wanted size, centred")
        << QRect(0, 0, 1920, 1080) << titleBar << QRect(320, 158, 1280, 800);
}

void TestMainWindow::fitsTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(QRect, window);
    const QRect fitted = fittedGeometry(available, frame, QSize(1280, 800));
    QCOMPARE(fitted, window);
    QVERIFY(available.contains(fitted.marginsAdded(frame)));
}

// A screen that opens another screen by name gets the same test as the menu;
// start-up's own windows open without one.
void TestMainWindow::screenOpenedByNameIsTested_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("grants");
    QTest::addColumn<bool>("tested"); // false: openWithoutTest
    QTest::addColumn<QString>("refusal"); // empty: the window opens

    const QString view = QStringLiteral("You do not have permission to view this record.");
    const QString report = QStringLiteral("You do not have permission to view this report.");
    QTest::newRow("member screen, no permission") << "frmMemberEntry" << QStringList {} << true << view;
    QTest::newRow("member screen, Member Entry/Edit")
        << "frmMemberEntry" << QStringList { "Member Entry/Edit" } << true << "";
    QTest::newRow("report, another report's permission")
        << "frmProspectVisitationSheetReport" << QStringList { "Member Information Update Report" } << true << report;
    QTest::newRow("church information at start-up") << "frmChurchInfo" << QStringList {} << false << "";
}

void TestMainWindow::screenOpenedByNameIsTested()
{
    QFETCH(QString, window);
    QFETCH(QStringList, grants);
    QFETCH(bool, tested);
    QFETCH(QString, refusal);
    MainFixture f;
    for (const QString& g : grants)
        f.env.grant(f.userId, g);
    f.env.loginAs(f.userId, QStringLiteral("User"));
    Workspace& ws = *f.main.workspace();
    QWidget* opened = tested ? ws.open(window) : ws.openWithoutTest(window);
    QCOMPARE(opened != nullptr, refusal.isEmpty());
    QCOMPARE(ws.find(window), opened);
    QCOMPARE(f.opened, refusal.isEmpty() ? 1 : 0);
    QCOMPARE(f.env.messages.count(), refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty()) {
        QCOMPARE(f.env.messages.last().text, refusal);
        QCOMPARE(f.env.messages.last().title, QStringLiteral("Invalid Permission"));
        QCOMPARE(f.env.messages.last().icon, Icon::Warning);
    }
    // A name nobody registered opens nothing and says nothing.
    QVERIFY(!ws.open(QStringLiteral("frmNotBuiltYet")));
    QCOMPARE(f.env.messages.count(), refusal.isEmpty() ? 0 : 1);
}

// The real screens, registered by their folders, open from the menu after
// their own permission test.
void TestMainWindow::foldersRegisterTheirScreens_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("grant");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("refusal"); // empty: the window opens

    const QString view = QStringLiteral("You do not have permission to view this record.");
    const QString report = QStringLiteral("You do not have permission to view this report.");
    QTest::newRow("member entry, Member View") << "MemberEntry"
                                               << "Member View"
                                               << "frmMemberEntry"
                                               << "";
    QTest::newRow("member entry, Member Entry/Edit") << "MemberEntry"
                                                     << "Member Entry/Edit"
                                                     << "frmMemberEntry"
                                                     << "";
    QTest::newRow("member entry, a report's permission") << "MemberEntry"
                                                         << "Member Information Update Report"
                                                         << "frmMemberEntry" << view;
    QTest::newRow("update report, granted") << "MemberInfoUpdateReportMdi"
                                            << "Member Information Update Report"
                                            << "frmMemberInformationUpdateReport"
                                            << "";
    QTest::newRow("update report, Member Entry/Edit") << "MemberInfoUpdateReportMdi"
                                                      << "Member Entry/Edit"
                                                      << "frmMemberInformationUpdateReport" << report;
    QTest::newRow("visitation sheet, granted") << "ProspectVisitationSheet"
                                               << "Prospect Visitation Sheet Report"
                                               << "frmProspectVisitationSheetReport"
                                               << "";
    QTest::newRow("visitation sheet, the update report's permission") << "ProspectVisitationSheet"
                                                                      << "Member Information Update Report"
                                                                      << "frmProspectVisitationSheetReport" << report;
}

void TestMainWindow::foldersRegisterTheirScreens()
{
    QFETCH(QString, command);
    QFETCH(QString, grant);
    QFETCH(QString, window);
    QFETCH(QString, refusal);
    test::TestEnv env;
    MDI main;
    setWorkspace(main.workspace());
    members::registerScreens(*main.workspace());
    reports::registerScreens(*main.workspace());
    const qint64 user = env.addMember(QStringLiteral("Una"), QStringLiteral("User"));
    env.grant(user, grant);
    env.loginAs(user, QStringLiteral("User"));
    main.unlock();

    main.command(command)->trigger();
    QWidget* opened = main.workspace()->find(window);
    if (refusal.isEmpty()) {
        QCOMPARE(env.messages.count(), 0);
        QVERIFY(opened);
        QCOMPARE(opened->objectName(), window);
    } else {
        QCOMPARE(env.messages.count(), 1);
        QCOMPARE(env.messages.last().text, refusal);
        QCOMPARE(env.messages.last().title, QStringLiteral("Invalid Permission"));
        QVERIFY(!opened);
    }
}

void TestMainWindow::aboutBox()
{
    MainFixture f;
    f.env.loginAs(f.userId, QStringLiteral("User")); // no grants: the About box needs none
    f.main.unlock();
    f.main.command(QStringLiteral("About"))->trigger();
    auto* about = f.main.workspace()->find<frmAbout>();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Screen"));
    QCOMPARE(test::control<QLabel>(about, "lblTitle")->text(), QStringLiteral("Pewlark"));
    QCOMPARE(test::control<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.0"));
    QCOMPARE(test::control<QLabel>(about, "lblDescription")->text(), QStringLiteral("Designed and Written By:"));
    QCOMPARE(test::control<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(test::control<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QCOMPARE(about->parentWidget()->pos(), QPoint(0, 0));
    QVERIFY(!(about->parentWidget()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(about->parentWidget()->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(f.env.messages.count(), 0);

    // Escape presses OK, which closes the box.
    QTest::keyClick(test::control<QPushButton>(about, "cmdOK"), Qt::Key_Escape);
    QTRY_VERIFY(!f.main.workspace()->find<frmAbout>());
}

void TestMainWindow::systemInfoUnavailable()
{
    MainFixture f;
    int started = 0;
    ctx().systemInfo = [&started] {
        ++started;
        return false;
    };
    auto* about = f.main.workspace()->open<frmAbout>();
    QTest::mouseClick(test::control<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(started, 1);
    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().text, QStringLiteral("System Information Is Unavailable At This Time"));

    ctx().systemInfo = []() -> bool { throw std::runtime_error("no such program"); };
    QTest::mouseClick(test::control<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(f.env.messages.count(), 2);
    QCOMPARE(f.env.messages.last().text, QStringLiteral("System Information Is Unavailable At This Time"));

    ctx().systemInfo = [] { return true; };
    QTest::mouseClick(test::control<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(f.env.messages.count(), 2);
}

void TestMainWindow::exitClosesDatabase()
{
    MainFixture f;
    f.main.lock();
    QVERIFY(f.env.db().connection().isOpen());
    f.main.command(QStringLiteral("Exit"))->trigger();
    QVERIFY(!f.env.db().connection().isOpen());
    QCOMPARE(f.env.messages.count(), 0);
}

void TestMainWindow::engineErrorKeepsProgramRunning()
{
    MainFixture f;
    f.env.loginAs(f.userId, QStringLiteral("Admin"));
    f.main.workspace()->registerScreen({ QStringLiteral("frmUserEntry"), {}, {}, []() -> QWidget* {
                                            db().exec(QStringLiteral("SELECT * FROM TableThatIsNotThere"));
                                            return new QWidget;
                                        } });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    f.main.command(QStringLiteral("UserEntry"))->trigger();
    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Pewlark"));
    QVERIFY2(f.env.messages.last().text.contains(QStringLiteral("TableThatIsNotThere")),
        qPrintable(f.env.messages.last().text));
    QVERIFY(!QApplication::overrideCursor());
    // Still usable: the next command works and the data is there.
    f.main.command(QStringLiteral("MemberEntry"))->trigger();
    QVERIFY(f.main.workspace()->find(QStringLiteral("frmMemberEntry")));
    QVERIFY(f.env.db().exists(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), { f.userId }));

    // A failed change inside an action is rolled back.
    const bool ok = guarded([] {
        Transaction tx(db());
        db().exec(QStringLiteral("DELETE FROM Member"));
        db().exec(QStringLiteral("INSERT INTO Member (NoSuchColumn) VALUES (1)"));
        tx.commit();
    });
    QVERIFY(!ok);
    QVERIFY(f.env.db().exists(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), { f.userId }));
}

void TestMainWindow::startupFailures_data()
{
    QTest::addColumn<QString>("config"); // %DB% is replaced by a database path in the test folder
    QTest::addColumn<QString>("database"); // "", "pewlark", "text", "newer"
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing config") << "<none>"
                                    << ""
                                    << "does not exist";
    QTest::newRow("too few fields") << "a\nb,%DB%\n"
                                    << "pewlark"
                                    << "holds 3 of the five fields";
    QTest::newRow("database missing") << "a\nb,%DB%\nc,/p/"
                                      << ""
                                      << "does not exist";
    QTest::newRow("not a database") << "a\nb,%DB%\nc,/p/"
                                    << "text"
                                    << "could not be opened";
    QTest::newRow("newer schema") << "a\nb,%DB%\nc,/p/"
                                  << "newer"
                                  << "newer Pewlark";
}

void TestMainWindow::startupFailures()
{
    QFETCH(QString, config);
    QFETCH(QString, database);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString dbPath = dir.filePath(QStringLiteral("church.sqlite"));
    const QString configPath = dir.filePath(QStringLiteral("config.txt"));
    if (database == QLatin1String("pewlark") || database == QLatin1String("newer")) {
        auto db = Database::open(dbPath, Database::OpenMode::CreateNew);
        if (database == QLatin1String("newer"))
            db->exec(QStringLiteral("UPDATE Schema_Version SET Version = Version + 1"));
    } else if (database == QLatin1String("text")) {
        QFile f(dbPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("just some words, not a database\n");
    }
    if (config != QLatin1String("<none>")) {
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QString(config).replace(QStringLiteral("%DB%"), dbPath).toUtf8());
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    auto* messages = new test::FakeMessages;
    Application app({}, std::unique_ptr<Messages>(messages));
    const int code = app.start(configPath, dir.filePath(QStringLiteral("lock")));
    QVERIFY(code != 0);
    QCOMPARE(messages->count(), 1);
    QVERIFY2(messages->last().text.contains(expected), qPrintable(messages->last().text));
    const QString named
        = config == QLatin1String("<none>") || expected.startsWith(QLatin1String("holds")) ? configPath : dbPath;
    QVERIFY2(messages->last().text.contains(QDir::toNativeSeparators(named)), qPrintable(messages->last().text));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    QVERIFY(!app.mainWindow() || !app.mainWindow()->isVisible());
}

void TestMainWindow::startupReadsChurchDelay_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: no church row
    QTest::addColumn<double>("expected");
    QTest::newRow("no church row") << QVariant() << 0.0;
    QTest::newRow("two seconds") << QVariant(2.0) << 2.0;
    QTest::newRow("fraction") << QVariant(1.5) << 1.5;
    QTest::newRow("empty text") << QVariant(QStringLiteral("")) << 0.0;
    QTest::newRow("null") << QVariant(QStringLiteral("<null>")) << 0.0;
}

void TestMainWindow::startupReadsChurchDelay()
{
    QFETCH(QVariant, stored);
    QFETCH(double, expected);
    QTemporaryDir dir;
    const QString dbPath = dir.filePath(QStringLiteral("church.sqlite"));
    {
        auto db = Database::open(dbPath, Database::OpenMode::CreateNew);
        addAccount(*db);
        if (stored.isValid()) {
            const QVariant value = stored.toString() == QLatin1String("<null>") ? QVariant() : stored;
            db->exec(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Grace', ?)"), { value });
        }
    }
    const QString configPath = dir.filePath(QStringLiteral("config.txt"));
    {
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(config::write({ dbPath, dir.path() + QLatin1Char('/') }).toUtf8());
    }
    auto* messages = new test::FakeMessages;
    Application app({}, std::unique_ptr<Messages>(messages));
    QCOMPARE(app.start(configPath, dir.filePath(QStringLiteral("lock"))), 0);
    QCOMPARE(messages->count(), 0);
    QCOMPARE(ctx().settings.keyPressDelay, expected);
    QCOMPARE(ctx().settings.databasePath, dbPath);
    QVERIFY(app.mainWindow()->isVisible());
    QVERIFY(app.mainWindow()->command(QStringLiteral("Exit"))->isEnabled());
    QVERIFY(!app.mainWindow()->command(QStringLiteral("LogOff"))->isEnabled());
    QVERIFY(!app.mainWindow()->command(QStringLiteral("CompanyInfo"))->isEnabled());
    QVERIFY(app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")));
}

void TestMainWindow::secondCopyIsRefused()
{
    QTemporaryDir dir;
    const QString dbPath = dir.filePath(QStringLiteral("church.sqlite"));
    addAccount(*Database::open(dbPath, Database::OpenMode::CreateNew));
    const QString configPath = dir.filePath(QStringLiteral("config.txt"));
    {
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(config::write({ dbPath, dir.path() + QLatin1Char('/') }).toUtf8());
    }
    const QString lock = dir.filePath(QStringLiteral("pewlark.lock"));
    SingleInstance first(lock);
    QVERIFY(first.acquire());

    auto* messages = new test::FakeMessages;
    Application app({}, std::unique_ptr<Messages>(messages));
    // Standard error is caught in a file while the second copy starts.
    const QString errPath = dir.filePath(QStringLiteral("stderr.txt"));
    std::fflush(stderr);
    const int savedErr = dup(fileno(stderr));
    FILE* caught = std::fopen(qPrintable(errPath), "w");
    QVERIFY(savedErr >= 0 && caught);
    dup2(fileno(caught), fileno(stderr));
    const int code = app.start(configPath, lock);
    std::fflush(stderr);
    dup2(savedErr, fileno(stderr));
    ::close(savedErr);
    std::fclose(caught);
    QVERIFY(code != 0);
    QFile err(errPath);
    QVERIFY(err.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(err.readAll()), QStringLiteral("pewlark: This application is already running.\n"));
    QCOMPARE(messages->count(), 1);
    QCOMPARE(messages->last().text, QStringLiteral("This application is already running."));
    QCOMPARE(messages->last().title, QStringLiteral("Application Already Running"));
    QCOMPARE(messages->last().icon, Icon::None);
    QVERIFY(!app.mainWindow()->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
