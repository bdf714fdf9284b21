// Makes the pictures of the user guide from a running Pewlark, and writes
// sample reports for a person to look at. scripts/help-screenshots.sh runs it
// on a fresh demo church; see there for the usual way to call it.
//
//   pewlark-screenshots --config FILE --screens DIR      pictures of the screens (PNG)
//   pewlark-screenshots --config FILE --reports DIR      every design as PDF, from sample people
//   pewlark-screenshots --config FILE --readme DIR       the README's pictures (PNG)
//
// The screens are taken with the main window at 1280 x 800, logged in as the
// demo church's "admin". A picture of one window is cut from the main window
// along that window's frame.

#include "admin/Screens.h"
#include "app/HelpWindow.h"
#include "app/MDI.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "app/frmLogin.h"
#include "app/frmWelcome.h"
#include "checkin/Labels.h"
#include "checkin/Screens.h"
#include "data/Database.h"
#include "directory/Directory.h"
#include "directory/Screens.h"
#include "giving/Screens.h"
#include "i18n/Language.h"
#include "members/Screens.h"
#include "members/frmMemberEntry.h"
#include "members/frmMergePeople.h"
#include "navigators/Screens.h"
#include "outreach/Screens.h"
#include "outreach/frmProspectContactEntry.h"
#include "reports/Report.h"
#include "reports/Reports.h"
#include "reports/Screens.h"
#include "rosters/Screens.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

using namespace pw;

namespace {

void settle(int ms = 150)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    } while (timer.elapsed() < ms);
}

[[noreturn]] void die(const QString& text)
{
    std::fprintf(stderr, "pewlark-screenshots: %s\n", qPrintable(text));
    std::exit(1);
}

template <class T> T* child(QWidget* parent, const char* name)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        die(QStringLiteral("no control named %1 on %2").arg(QLatin1String(name), parent->objectName()));
    return w;
}

qint64 firstId(const QString& sql)
{
    QSqlQuery q = db().exec(sql);
    if (!q.next())
        die(QStringLiteral("the demo church has nobody for: %1").arg(sql));
    return q.value(0).toLongLong();
}

QList<qint64> ids(const QString& sql)
{
    QList<qint64> out;
    QSqlQuery q = db().exec(sql);
    while (q.next())
        out.append(q.value(0).toLongLong());
    return out;
}

// People whose pages show the most of each design.
struct Sample {
    qint64 head = 0; // a head of household with family and responsibilities
    qint64 prospect = 0; // a prospect with contacts and family
};

Sample pickSample()
{
    Sample s;
    s.head = firstId(
        QStringLiteral("SELECT m.ID FROM Member m WHERE m.Head_Of_Household = 1 AND m.Status = 'Member' "
                       "AND EXISTS (SELECT 1 FROM Member_Responsibility r WHERE r.Member_ID = m.ID) "
                       "ORDER BY COALESCE(m.Notes, '') <> '' DESC, "
                       "(SELECT COUNT(*) FROM Family_Connection f WHERE f.Member_ID = m.ID) DESC, m.ID LIMIT 1"));
    s.prospect = firstId(QStringLiteral(
        "SELECT m.ID FROM Member m WHERE m.Status = 'Prospect' "
        "ORDER BY (SELECT COUNT(*) FROM Prospect_Contact c WHERE c.Prospect_ID = m.ID) DESC, m.ID LIMIT 1"));
    return s;
}

class Shooter {
public:
    Shooter(MDI* main, const QString& folder)
        : m_main(main)
        , m_folder(folder)
    {
    }

    // The main window, or the part of it in crop, with the open menus.
    void saveWhole(const QString& name, const QList<QMenu*>& openMenus = {}, const QRect& crop = {})
    {
        settle();
        QImage image = m_main->grab().toImage();
        {
            // A menu is a window of its own: paint it where it hangs.
            QPainter p(&image);
            for (QMenu* menu : openMenus)
                p.drawImage(
                    menu->mapToGlobal(QPoint(0, 0)) - m_main->mapToGlobal(QPoint(0, 0)), menu->grab().toImage());
        }
        save(name, crop.isNull() ? image : image.copy(crop));
    }

    // The child window that holds screen, with its frame.
    void saveWindow(const QString& name, QWidget* screen)
    {
        settle();
        QWidget* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
        save(name, (frame ? frame : screen)->grab().toImage());
    }

private:
    void save(const QString& name, const QImage& image)
    {
        const QString path = QDir(m_folder).filePath(name);
        // A screen has few colours; a palette of 256 keeps the files small
        // and the pictures all but unchanged.
        const QImage small = image.convertToFormat(QImage::Format_RGB32)
                                 .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        if (!small.save(path, "PNG", 9))
            die(QStringLiteral("could not write %1").arg(path));
        std::printf("%s  %dx%d\n", qPrintable(path), image.width(), image.height());
    }

    MDI* m_main;
    QString m_folder;
};

void closeAll(MDI* main)
{
    main->area()->closeAllSubWindows();
    settle();
}

void runCommand(MDI* main, const char* name)
{
    QAction* action = main->command(QString::fromLatin1(name));
    if (!action)
        die(QStringLiteral("no menu command %1").arg(QLatin1String(name)));
    action->trigger();
    settle();
}

void shootScreens(MDI* main, const QString& folder)
{
    Shooter shot(main, folder);
    const Sample sample = pickSample();

    // The login window over the locked main window.
    auto* login = main->workspace()->find<frmLogin>();
    if (!login)
        die(QStringLiteral("the login window did not open"));
    // The locked menus and the login window, without the empty rest.
    const QRect loginFrame
        = login->parentWidget()->geometry().translated(main->area()->viewport()->mapTo(main, QPoint(0, 0)));
    shot.saveWhole(QStringLiteral("login.png"), {}, QRect(0, 0, loginFrame.right() + 40, loginFrame.bottom() + 40));
    child<QLineEdit>(login, "txtUsername")->setText(QStringLiteral("admin"));
    child<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("admin"));
    child<QPushButton>(login, "btnLogin")->click();
    settle();
    if (main->workspace()->find<frmLogin>())
        die(QStringLiteral("the demo login admin/admin was refused"));

    // The start page the login opened.
    QWidget* start = main->workspace()->find(QStringLiteral("frmStartPage"));
    if (!start)
        die(QStringLiteral("the start page did not open"));
    shot.saveWindow(QStringLiteral("start-page.png"), start);
    closeAll(main);

    // The menu bar with Administrative > Class Entry open.
    QMenu* admin = main->menu(QStringLiteral("Administrative"));
    QMenu* classes = main->menu(QStringLiteral("ClassEntry"));
    QMenuBar* bar = main->menuBar();
    const QRect item = bar->actionGeometry(admin->menuAction());
    admin->popup(bar->mapToGlobal(QPoint(item.left(), item.bottom() + 1)));
    settle();
    admin->setActiveAction(classes->menuAction());
    classes->popup(admin->mapToGlobal(admin->actionGeometry(classes->menuAction()).topRight()));
    settle();
    const QRect shown = classes->geometry().united(admin->geometry()).translated(-main->mapToGlobal(QPoint(0, 0)));
    shot.saveWhole(
        QStringLiteral("main-window.png"), { admin, classes }, QRect(0, 0, shown.right() + 120, shown.bottom() + 40));
    classes->hide();
    admin->hide();

    // The member screen, one picture per tab.
    runCommand(main, "MemberEntry");
    auto* member = main->workspace()->find<members::frmMemberEntry>();
    if (!member)
        die(QStringLiteral("the member screen did not open"));
    member->LoadMember(sample.head);
    auto* tabs = child<QTabWidget>(member, "SSTab1");
    const QStringList tabFiles = { QStringLiteral("member-contact-info.png"),
        QStringLiteral("member-demographic-info.png"), QStringLiteral("member-notes.png"),
        QStringLiteral("member-church-info.png"), QStringLiteral("member-prospect-info.png") };
    for (int i = 0; i < tabFiles.size() && i < tabs->count(); ++i) {
        if (i == 4)
            member->LoadMember(sample.prospect); // the prospect tab of a prospect
        tabs->setCurrentIndex(i);
        shot.saveWindow(tabFiles[i], member);
    }
    // New Family Member on the head: the household's address filled in.
    member->LoadMember(sample.head);
    tabs->setCurrentIndex(0);
    child<QPushButton>(member, "btnNewFamilyMember")->click();
    shot.saveWindow(QStringLiteral("member-new-family-member.png"), member);
    closeAll(main);

    // The member navigator with the people born or married in March.
    runCommand(main, "MemberNavigator");
    QWidget* members = main->workspace()->find(QStringLiteral("frmMemberNavigator"));
    if (!members)
        die(QStringLiteral("the member navigator did not open"));
    child<QComboBox>(members, "cmbStatus")
        ->setCurrentIndex(child<QComboBox>(members, "cmbStatus")->findText(QStringLiteral("Member")));
    child<QComboBox>(members, "cmbDobAnniv")->setCurrentIndex(2);
    child<QPushButton>(members, "btnFind")->click();
    shot.saveWindow(QStringLiteral("member-navigator.png"), members);
    closeAll(main);

    // The prospect navigator with every prospect, the sample's contacts below.
    runCommand(main, "ProspectNavigator");
    QWidget* prospects = main->workspace()->find(QStringLiteral("frmProspectNavigator"));
    if (!prospects)
        die(QStringLiteral("the prospect navigator did not open"));
    child<QComboBox>(prospects, "cmbStatus")
        ->setCurrentIndex(child<QComboBox>(prospects, "cmbStatus")->findText(QStringLiteral("Prospect")));
    child<QPushButton>(prospects, "btnFind")->click();
    auto* grid = child<QTableView>(prospects, "vsfgMembers");
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->model()->index(row, 0).data().toLongLong() == sample.prospect) {
            grid->setCurrentIndex(grid->model()->index(row, 1));
            grid->scrollTo(grid->currentIndex());
            break;
        }
    }
    shot.saveWindow(QStringLiteral("prospect-navigator.png"), prospects);
    closeAll(main);

    // The contact window with the sample prospect's latest contact, and the
    // phase window with a phase chosen.
    runCommand(main, "ProspectEntry");
    auto* contact = qobject_cast<outreach::frmProspectContactEntry*>(
        main->workspace()->find(QStringLiteral("frmProspectContactEntry")));
    if (!contact)
        die(QStringLiteral("the contact screen did not open"));
    const QVariant latest = db().scalar(QStringLiteral("SELECT ID FROM Prospect_Contact WHERE Prospect_ID = ? ORDER "
                                                       "BY Contact_Date DESC, ID DESC LIMIT 1"),
        { sample.prospect });
    contact->LoadContact(latest.toLongLong());
    shot.saveWindow(QStringLiteral("contact-entry.png"), contact);
    closeAll(main);
    runCommand(main, "OutreachPhaseEntry");
    QWidget* phases = main->workspace()->find(QStringLiteral("frmOutreachPhaseEntry"));
    if (!phases)
        die(QStringLiteral("the phase screen did not open"));
    child<QTableView>(phases, "vsfgPhase")->selectRow(1);
    shot.saveWindow(QStringLiteral("outreach-phases.png"), phases);
    closeAll(main);

    // The two report launchers.
    runCommand(main, "ProspectVisitationSheet");
    auto* sheet = main->workspace()->find(QStringLiteral("frmProspectVisitationSheetReport"));
    if (!sheet)
        die(QStringLiteral("the visitation sheet launcher did not open"));
    selectById(child<QComboBox>(sheet, "cmbProspect"), sample.prospect);
    shot.saveWindow(QStringLiteral("launcher-visitation-sheet.png"), sheet);
    closeAll(main);
    runCommand(main, "MemberInfoUpdateReportMdi");
    auto* update = main->workspace()->find(QStringLiteral("frmMemberInformationUpdateReport"));
    if (!update)
        die(QStringLiteral("the update report launcher did not open"));
    child<QComboBox>(update, "cmbProspect")->setCurrentIndex(0); // the first group
    shot.saveWindow(QStringLiteral("launcher-update-report.png"), update);
    closeAll(main);

    // The administration screens, each showing an entry of the demo church.
    runCommand(main, "SSClassEntry");
    if (QWidget* classes = main->workspace()->find(QStringLiteral("frmSSClassEntry"))) {
        auto* names = child<QComboBox>(classes, "cmbName");
        names->setCurrentIndex(qMin(2, names->count() - 1));
        shot.saveWindow(QStringLiteral("class-entry.png"), classes);
    } else {
        die(QStringLiteral("the Sunday School class screen did not open"));
    }
    closeAll(main);
    runCommand(main, "CGEntry");
    if (QWidget* groups = main->workspace()->find(QStringLiteral("frmCGClassEntry"))) {
        child<QComboBox>(groups, "cmbName")->setCurrentIndex(0);
        shot.saveWindow(QStringLiteral("care-group-entry.png"), groups);
    } else {
        die(QStringLiteral("the care group screen did not open"));
    }
    closeAll(main);
    runCommand(main, "ChurchResponsibilityEntry");
    if (QWidget* list = main->workspace()->find(QStringLiteral("frmResponsibilityEntry"))) {
        auto* names = child<QComboBox>(list, "cmbName");
        names->setCurrentIndex(names->findText(QStringLiteral("Deacon")));
        shot.saveWindow(QStringLiteral("responsibility-entry.png"), list);
    } else {
        die(QStringLiteral("the responsibility screen did not open"));
    }
    closeAll(main);
    runCommand(main, "UserEntry");
    if (QWidget* users = main->workspace()->find(QStringLiteral("frmUserEntry"))) {
        selectById(child<QComboBox>(users, "cmbName"),
            firstId(QStringLiteral("SELECT Member_ID FROM \"User\" WHERE Type = 'User' ORDER BY Member_ID LIMIT 1")));
        shot.saveWindow(QStringLiteral("user-entry.png"), users);
    } else {
        die(QStringLiteral("the user screen did not open"));
    }
    closeAll(main);
    runCommand(main, "CompanyInfo");
    if (QWidget* setup = main->workspace()->find(QStringLiteral("frmChurchInfo")))
        shot.saveWindow(QStringLiteral("church-setup.png"), setup);
    else
        die(QStringLiteral("the Setup window did not open"));
    closeAll(main);
    // The merge window on one of the demo church's doubled people.
    runCommand(main, "MergePeople");
    if (auto* merge
        = qobject_cast<members::frmMergePeople*>(main->workspace()->find(QStringLiteral("frmMergePeople")))) {
        const QString pair = QStringLiteral("SELECT %1 FROM Member a JOIN Member b ON b.Last_Name = a.Last_Name AND "
                                            "b.Phone = a.Phone AND b.ID > a.ID WHERE a.Head_Of_Household = 1 AND "
                                            "b.Head_Of_Household = 1 AND a.Phone <> '' ORDER BY b.ID DESC LIMIT 1");
        merge->choose(firstId(pair.arg(QStringLiteral("a.ID"))), firstId(pair.arg(QStringLiteral("b.ID"))));
        shot.saveWindow(QStringLiteral("merge-people.png"), merge);
        // The pairs the duplicate rule finds, opened from the merge window.
        child<QPushButton>(merge, "btnPossibleDuplicates")->click();
        settle(300);
        if (QWidget* pairs = main->workspace()->find(QStringLiteral("frmPossibleDuplicates")))
            shot.saveWindow(QStringLiteral("possible-duplicates.png"), pairs);
        else
            die(QStringLiteral("the Possible Duplicates window did not open"));
    } else {
        die(QStringLiteral("the merge window did not open"));
    }
    closeAll(main);
    // Gift entry on the demo church's open batch (the last Sunday's).
    runCommand(main, "GiftEntry");
    if (QWidget* gifts = main->workspace()->find(QStringLiteral("frmGiftEntry")))
        shot.saveWindow(QStringLiteral("gift-entry.png"), gifts);
    else
        die(QStringLiteral("the Gift Entry window did not open"));
    closeAll(main);
    runCommand(main, "ContributionStatements");
    if (QWidget* statements = main->workspace()->find(QStringLiteral("frmContributionStatements")))
        shot.saveWindow(QStringLiteral("contribution-statements.png"), statements);
    else
        die(QStringLiteral("the Contribution Statements window did not open"));
    closeAll(main);
    // The roster of the demo church's filled quarter, its first cell chosen.
    runCommand(main, "Rosters");
    if (QWidget* rosters = main->workspace()->find(QStringLiteral("frmRosters"))) {
        if (auto* grid = rosters->findChild<QTableWidget*>(QStringLiteral("grdRoster")))
            grid->setCurrentCell(0, 0);
        settle();
        shot.saveWindow(QStringLiteral("rosters.png"), rosters);
    } else {
        die(QStringLiteral("the Rosters window did not open"));
    }
    closeAll(main);

    // The check-in station with a family of children in Sunday School found
    // by the last four digits of its phone.
    runCommand(main, "CheckinStation");
    if (QWidget* station = main->workspace()->find(QStringLiteral("frmCheckinStation"))) {
        const qint64 head = firstId(QStringLiteral(
            "SELECT f.Member_ID FROM Family_Connection f JOIN Member c ON c.ID = f.Relative_Member_ID JOIN Member h ON "
            "h.ID = f.Member_ID WHERE c.Sunday_School_Class IS NOT NULL AND c.Date_Of_Birth > '2016-01-01' AND "
            "length(h.Phone) = 10 GROUP BY f.Member_ID HAVING COUNT(*) >= 2 ORDER BY f.Member_ID LIMIT 1"));
        const QString phone = db().scalar(QStringLiteral("SELECT Phone FROM Member WHERE ID = ?"), { head }).toString();
        child<QLineEdit>(station, "txtSearch")->setText(phone.right(4));
        child<QPushButton>(station, "btnSearch")->click();
        settle();
        shot.saveWindow(QStringLiteral("checkin-station.png"), station);
    } else {
        die(QStringLiteral("the Check-in Station did not open"));
    }
    closeAll(main);

    // The first page of households of the demo church's directory, at 100 %.
    {
        directory::Choice choice;
        choice.birthdays = true;
        const reports::ReportPtr report
            = directory::directoryReport(db(), choice, ctx().settings.pictureFolder, QDate::currentDate());
        report->paginate();
        const QSizeF points = report->pageSize();
        QImage page(points.toSize(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        report->paintPage(painter, 1);
        painter.end();
        page.save(QDir(folder).filePath(QStringLiteral("directory-page.png")));
    }

    // A child's name label as the printer gets it, at twice its size.
    {
        checkin::CheckinRow row;
        row.firstName = QStringLiteral("Emma");
        row.lastName = QStringLiteral("Hale");
        row.className = QStringLiteral("Preschool");
        row.allergy = QStringLiteral("Peanuts");
        row.code = QStringLiteral("K7P");
        row.day = QDate::currentDate();
        const auto report = checkin::labelReport(checkin::labelRun({ row }), checkin::labelSizes().front());
        report->paginate();
        const QSizeF points = report->pageSize();
        QImage label((points * 2).toSize(), QImage::Format_RGB32);
        label.fill(Qt::white);
        QPainter painter(&label);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(2, 2);
        report->paintPage(painter, 0);
        painter.end();
        label.save(QDir(folder).filePath(QStringLiteral("checkin-label.png")));
    }

    // The Report Viewer with a visitation sheet.
    reports::PrintVisitationSheet(sample.prospect, true);
    settle(600);
    shot.saveWhole(QStringLiteral("report-viewer.png"), {}, QRect(0, 0, 960, 560));
    closeAll(main);
}

// The pictures of the README, each taken in the main window at 1280 x 800:
// the member screen, the main window with its status bar after a save, and
// the guide open beside the member screen.
void shootReadme(MDI* main, const QString& folder)
{
    Shooter shot(main, folder);
    const Sample sample = pickSample();
    if (auto* login = main->workspace()->find<frmLogin>()) {
        child<QLineEdit>(login, "txtUsername")->setText(QStringLiteral("admin"));
        child<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("admin"));
        child<QPushButton>(login, "btnLogin")->click();
        settle();
    }
    runCommand(main, "MemberEntry");
    auto* member = main->workspace()->find<members::frmMemberEntry>();
    if (!member)
        die(QStringLiteral("the member screen did not open"));
    member->LoadMember(sample.head);
    shot.saveWindow(QStringLiteral("member-screen.png"), member);

    // Saved with Ctrl+S: the status bar says so, beside who is logged in.
    member->saveKeepingRecord();
    shot.saveWhole(QStringLiteral("main-window.png"));
    closeAll(main);

    runCommand(main, "MemberEntry");
    if (auto* again = main->workspace()->find<members::frmMemberEntry>())
        again->LoadMember(sample.head);
    showHelp(helpSectionFor(QStringLiteral("frmMemberEntry")));
    shot.saveWhole(QStringLiteral("help-page.png"));
    closeAll(main);

    // The first start's window, with every choice offered (nothing is run).
    welcome::Jobs offered;
    offered.moveIn = [](const QString&, const QString&, const std::function<void(const QString&)>&) {
        return welcome::Jobs::Outcome {};
    };
    offered.makeDemo = [](const QString&) { return QString(); };
    frmWelcome first(QDir(folder).filePath(QStringLiteral("unused-config.txt")), offered);
    first.setWindowIcon(main->windowIcon());
    first.show();
    shot.saveWindow(QStringLiteral("welcome-window.png"), &first);
}

void writeReports(const QString& folder)
{
    const Sample sample = pickSample();
    auto write = [&](const QString& name, const reports::ReportData& data) {
        const QString path = QDir(folder).filePath(name);
        reports::Report(data).writePdf(path);
        std::printf("%s\n", qPrintable(path));
    };
    const QList<qint64> listed
        = ids(QStringLiteral("SELECT ID FROM Member ORDER BY Last_Name, First_Name, Middle_Name, ID LIMIT 60"));
    const QList<qint64> prospects = ids(QStringLiteral(
        "SELECT ID FROM Member WHERE Status = 'Prospect' ORDER BY Last_Name, First_Name, Middle_Name, ID LIMIT 25"));
    write(QStringLiteral("member-list.pdf"), reports::memberListData(listed));
    write(QStringLiteral("prospect-list.pdf"), reports::prospectListData(prospects));
    write(QStringLiteral("mailing-labels.pdf"), reports::mailingLabelData(listed.mid(0, 40)));
    write(QStringLiteral("visitation-sheet.pdf"), reports::visitationSheetData(sample.prospect));
    write(QStringLiteral("update-sheet.pdf"), reports::memberInfoUpdateData(sample.head));
    // The other ends: somebody nobody has visited, a child of a member (not
    // head of household), a member with the longest notes.
    write(QStringLiteral("visitation-sheet-no-contacts.pdf"),
        reports::visitationSheetData(firstId(
            QStringLiteral("SELECT ID FROM Member m WHERE NOT EXISTS "
                           "(SELECT 1 FROM Prospect_Contact c WHERE c.Prospect_ID = m.ID) ORDER BY ID LIMIT 1"))));
    write(QStringLiteral("update-sheet-child.pdf"),
        reports::memberInfoUpdateData(
            firstId(QStringLiteral("SELECT ID FROM Member WHERE Status = 'Child Of Member' ORDER BY ID LIMIT 1"))));
    write(QStringLiteral("update-sheet-long-notes.pdf"),
        reports::memberInfoUpdateData(firstId(
            QStringLiteral("SELECT ID FROM Member WHERE Status = 'Member' ORDER BY LENGTH(COALESCE(Notes, '')) + "
                           "LENGTH(COALESCE(Hobbies, '')) DESC, ID LIMIT 1"))));
}

void registerScreens(Workspace& workspace)
{
    // The same screens as the program itself.
    reports::registerScreens(workspace);
    outreach::registerScreens(workspace);
    admin::registerScreens(workspace);
    members::registerScreens(workspace);
    navigators::registerScreens(workspace);
    giving::registerScreens(workspace);
    rosters::registerScreens(workspace);
    checkin::registerScreens(workspace);
    directory::registerScreens(workspace);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pewlark"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption configOption(
        QStringLiteral("config"), QStringLiteral("The demo church's config.txt."), "FILE");
    const QCommandLineOption screensOption(
        QStringLiteral("screens"), QStringLiteral("Write screen pictures here."), "DIR");
    const QCommandLineOption reportsOption(
        QStringLiteral("reports"), QStringLiteral("Write sample reports here."), "DIR");
    const QCommandLineOption readmeOption(QStringLiteral("readme"),
        QStringLiteral("Write the README's pictures here: the member screen, the main window, a help page."), "DIR");
    const QCommandLineOption languageOption(QStringLiteral("language"),
        QStringLiteral("Take the pictures in this language (en, es, pt_BR); English by default."), "CODE");
    parser.addOptions({ configOption, screensOption, reportsOption, readmeOption, languageOption });
    parser.process(app);
    if (!i18n::use(parser.isSet(languageOption) ? parser.value(languageOption) : QStringLiteral("en")))
        die(QStringLiteral("No catalogue of the language %1.").arg(parser.value(languageOption)));
    if (!parser.isSet(configOption)
        || (!parser.isSet(screensOption) && !parser.isSet(reportsOption) && !parser.isSet(readmeOption)))
        parser.showHelp(2);

    QTemporaryDir lockDir;
    Application pewlark(registerScreens);
    // No daily backup: its status line would show in the pictures.
    if (pewlark.start(parser.value(configOption), lockDir.filePath(QStringLiteral("pewlark.lock")), false) != 0)
        return 1;
    // Window sizes and recent people of these runs are kept apart from the
    // user's own.
    ctx().settingsFile = lockDir.filePath(QStringLiteral("settings.ini"));
    MDI* main = pewlark.mainWindow();
    main->resize(1280, 800);
    settle();
    try {
        if (parser.isSet(reportsOption))
            writeReports(parser.value(reportsOption));
        if (parser.isSet(screensOption))
            shootScreens(main, parser.value(screensOption));
        if (parser.isSet(readmeOption))
            shootReadme(main, parser.value(readmeOption));
    } catch (const std::exception& e) {
        die(QString::fromUtf8(e.what()));
    }
    return 0;
}
