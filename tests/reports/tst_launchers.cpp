#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "data/Sql.h"
#include "reports/ReportLauncher.h"
#include "reports/ReportOutput.h"
#include "reports/Screens.h"

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <functional>

using namespace pw;
using reports::Design;

namespace {

struct Fixture : test::MainWindowFixture {
    test::FakeReportOutput& out = env.output;
    qint64 admin = 0;

    Fixture()
    {
        reports::registerScreens(*main.workspace());
        admin = add("Ada", "", "Admin", "Member", 0, "Mrs.");
        env.loginAs(admin, QStringLiteral("Admin"));
    }

    qint64 add(const QString& first, const QString& middle, const QString& last, const QString& status, int head,
        const QVariant& title = QVariant())
    {
        return env.db().insert(QStringLiteral("INSERT INTO Member (Status, First_Name, Middle_Name, Last_Name, "
                                              "Title, Head_Of_Household) VALUES (?, ?, ?, ?, ?, ?)")
                + sql::returningId(),
            { status, first, middle, last, title, head });
    }

    QList<qint64> printedIds() const { return out.printedIds(); }
};

QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

QList<qint64> entryIds(const QComboBox* combo)
{
    QList<qint64> ids;
    for (int i = 0; i < combo->count(); ++i)
        ids.append(combo->itemData(i, Qt::UserRole).toLongLong());
    return ids;
}

// Opens one of the two screens and hands back its list and buttons.
struct Screen {
    QWidget* form = nullptr;
    QComboBox* list = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

QString windowName(bool updateReport)
{
    return updateReport ? QStringLiteral("frmMemberInformationUpdateReport")
                        : QStringLiteral("frmProspectVisitationSheetReport");
}

Screen openScreen(Fixture& f, bool updateReport)
{
    QWidget* w = f.open(windowName(updateReport));
    return { w, test::control<QComboBox>(w, "cmbProspect"), test::control<QPushButton>(w, "btnOK"),
        test::control<QPushButton>(w, "btnCancel") };
}

bool isOpen(Fixture& f, bool updateReport) { return f.isOpen(windowName(updateReport)); }

} // namespace

class TestLaunchers : public QObject {
    Q_OBJECT
private slots:
    void listContents_data();
    void listContents();
    void typeAheadInList();
    void refusals_data();
    void refusals();
    void visitationSheetPreviewed();
    void updateReportPrintsEachPerson_data();
    void updateReportPrintsEachPerson();
    void stoppedRun_data();
    void stoppedRun();
    void noPrinterSavesOnePdf_data();
    void noPrinterSavesOnePdf();
    void keysOfTheScreen();
};

void TestLaunchers::listContents_data()
{
    QTest::addColumn<bool>("updateReport");
    QTest::addColumn<QString>("caption");
    QTest::newRow("visitation: people only") << false << "Prospect Visitation Sheet";
    QTest::newRow("update: groups, then people") << true << "Member Information Update Report";
}

void TestLaunchers::listContents()
{
    QFETCH(bool, updateReport);
    QFETCH(QString, caption);
    Fixture f;
    const qint64 hank = f.add("Hank", "Rutherford", "Hill", "Member", 1, "Mr.");
    const qint64 bobby = f.add("Bobby", "", "hill", "Child Of Member", 0);
    const qint64 pat = f.add("Pat", "", "O'Neil", "Prospect", 0, "");
    const qint64 zed = f.add("Zed", "A", "Hill", "Member", 0);
    const Screen s = openScreen(f, updateReport);

    QStringList texts
        = { "Admin, Ada  Mrs.", "hill, Bobby  ", "Hill, Hank Rutherford Mr.", "Hill, Zed A ", "O'Neil, Pat  " };
    QList<qint64> ids = { f.admin, bobby, hank, zed, pat };
    if (updateReport) {
        texts.prepend("***All Members & Child of Members***");
        texts.prepend("***All Head of Household***");
        ids.prepend(0);
        ids.prepend(0);
    }
    QCOMPARE(entries(s.list), texts);
    QCOMPARE(entryIds(s.list), ids);
    QCOMPARE(s.list->currentIndex(), -1); // nothing is chosen at first
    QVERIFY(!s.list->isEditable());
    QCOMPARE(s.form->windowTitle(), caption);
}

void TestLaunchers::typeAheadInList()
{
    Fixture f;
    ctx().settings.keyPressDelay = 2.0;
    const qint64 hank = f.add("Hank", "", "Hill", "Member", 1);
    f.add("Hal", "", "Harper", "Member", 1);
    const Screen s = openScreen(f, false);
    s.list->setFocus();
    QTest::keyClicks(s.list, "hi");
    QCOMPARE(selectedId(s.list), hank);
}

// The permission is asked first, then a choice; either failure keeps the
// screen open and runs nothing.
void TestLaunchers::refusals_data()
{
    QTest::addColumn<bool>("updateReport");
    QTest::addColumn<QString>("granted"); // for a "User" account; "Admin" logs in as admin
    QTest::addColumn<bool>("choose");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");

    const QString noPermission = "You do not have permission to run this report.";
    const QString noChoice = "You must select a Prospect.";
    for (bool update : { false, true }) {
        const QString own = update ? perm::MemberInfoUpdateReport : perm::VisitationSheetReport;
        const QString other = update ? perm::VisitationSheetReport : perm::MemberInfoUpdateReport;
        const char* screen = update ? "update: " : "visitation: ";
        QTest::newRow(qPrintable(screen + QString("no permission, chosen")))
            << update << QString() << true << noPermission << "Invalid Permission" << int(Icon::Warning);
        QTest::newRow(qPrintable(screen + QString("other report's permission")))
            << update << other << true << noPermission << "Invalid Permission" << int(Icon::Warning);
        QTest::newRow(qPrintable(screen + QString("no permission, nothing chosen")))
            << update << QString() << false << noPermission << "Invalid Permission" << int(Icon::Warning);
        QTest::newRow(qPrintable(screen + QString("permission, nothing chosen")))
            << update << own << false << noChoice << "Invalid Selection" << int(Icon::None);
        QTest::newRow(qPrintable(screen + QString("admin, nothing chosen")))
            << update << QString("Admin") << false << noChoice << "Invalid Selection" << int(Icon::None);
    }
}

void TestLaunchers::refusals()
{
    QFETCH(bool, updateReport);
    QFETCH(QString, granted);
    QFETCH(bool, choose);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    Fixture f;
    const qint64 clerk = f.add("Cal", "", "Clerk", "Member", 1);
    if (granted != QLatin1String("Admin")) {
        f.env.loginAs(clerk, QStringLiteral("User"));
        if (!granted.isEmpty())
            f.env.grant(clerk, granted);
    }
    const Screen s = openScreen(f, updateReport);
    if (choose)
        QVERIFY(selectById(s.list, clerk));
    QTest::mouseClick(s.ok, Qt::LeftButton);

    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().text, text);
    QCOMPARE(f.env.messages.last().title, title);
    QCOMPARE(int(f.env.messages.last().icon), icon);
    QVERIFY(!f.env.messages.last().question);
    QCOMPARE(f.out.count(), 0);
    QVERIFY(isOpen(f, updateReport));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestLaunchers::visitationSheetPreviewed()
{
    Fixture f;
    const qint64 clerk = f.add("Cal", "", "Clerk", "Member", 0);
    // Any person may be chosen, not only prospects.
    const qint64 member = f.add("Mia", "", "Member", "Member", 0);
    f.env.loginAs(clerk, QStringLiteral("User"));
    f.env.grant(clerk, perm::VisitationSheetReport);
    const Screen s = openScreen(f, false);
    QVERIFY(selectById(s.list, member));
    QTest::mouseClick(s.ok, Qt::LeftButton);

    QCOMPARE(f.env.messages.count(), 0);
    QCOMPARE(f.out.printed.size(), std::size_t(0));
    QCOMPARE(f.out.previewed.size(), std::size_t(1));
    const auto& data = f.out.lastPreview()->data();
    QCOMPARE(data.design, Design::VisitationSheet);
    QCOMPARE(sql::toId(data.main.value(0, QStringLiteral("Member.ID"))), member);
    QTRY_VERIFY(!isOpen(f, false));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    // Someone removed after the list was filled: no sheet, and it says why.
    const Screen again = openScreen(f, false);
    QVERIFY(selectById(again.list, member));
    f.env.db().exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { member });
    QTest::mouseClick(again.ok, Qt::LeftButton);
    QCOMPARE(f.out.previewed.size(), std::size_t(1));
    QVERIFY(f.env.messages.last().text.startsWith(QStringLiteral("\"Member, Mia\" is no longer in the database")));
}

void TestLaunchers::updateReportPrintsEachPerson_data()
{
    QTest::addColumn<QString>("choice"); // an entry's text; empty: the person "Ivy Ink"
    QTest::addColumn<QStringList>("expected"); // first names in printing order
    QTest::addColumn<bool>("noHeads"); // every head of household made an ordinary member first

    QTest::newRow("all heads of household")
        << "***All Head of Household***" << QStringList { "Abe", "hal", "Hank", "Hank" } << false;
    QTest::newRow("all members and children of members")
        << "***All Members & Child of Members***" << QStringList { "Abe", "Bea", "Ada", "hal", "Hank", "Hank", "Ivy" }
        << false;
    QTest::newRow("one person") << QString() << QStringList { "Ivy" } << false;
    QTest::newRow("group matching nobody") << "***All Head of Household***" << QStringList {} << true;
}

void TestLaunchers::updateReportPrintsEachPerson()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, expected);
    QFETCH(bool, noHeads);
    Fixture f;
    // By last, first and middle name, whatever the letter case.
    f.add("Hank", "B", "hill", "Member", 1);
    f.add("hal", "", "Hill", "member", 1); // status compared without letter case
    f.add("Abe", "", "Able", "Member", 1);
    f.add("Bea", "", "Able", "Child Of Member", 0);
    f.add("Hank", "A", "Hill", "Member", 1);
    f.add("Pam", "", "Aaron", "Prospect", 1); // a head, but no member
    f.add("Ray", "", "Aaron", "Inactive", 0);
    const qint64 ivy = f.add("Ivy", "", "Ink", "Child Of Member", 0);
    if (noHeads)
        f.env.db().exec("UPDATE Member SET Head_Of_Household = 0 WHERE Status <> 'Prospect'");
    const Screen s = openScreen(f, true);
    if (choice.isEmpty())
        QVERIFY(selectById(s.list, ivy));
    else
        s.list->setCurrentIndex(s.list->findText(choice));
    QVERIFY(s.list->currentIndex() >= 0);
    QTest::mouseClick(s.ok, Qt::LeftButton);

    QCOMPARE(f.env.messages.count(), 0);
    QCOMPARE(f.out.previewed.size(), std::size_t(0));
    QStringList firsts;
    QStringList hankMiddles; // the two Hank Hills, told apart by the middle name
    for (const auto& p : f.out.printed) {
        QCOMPARE(p.copies, 1);
        QCOMPARE(p.report->data().design, Design::MemberInfoUpdate);
        const QString first = p.report->data().main.value(0, QStringLiteral("First_Name")).toString();
        firsts.append(first);
        if (first == QLatin1String("Hank"))
            hankMiddles.append(p.report->data().main.value(0, QStringLiteral("Middle_Name")).toString());
    }
    QCOMPARE(firsts, expected);
    if (firsts.contains("Hank"))
        QCOMPARE(hankMiddles, (QStringList { "A", "B" }));
    QTRY_VERIFY(!isOpen(f, true));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

// A run stops at a job the printer refused (asking again for every person
// would only repeat the refusal) or when the user cancels the progress.
void TestLaunchers::stoppedRun_data()
{
    QTest::addColumn<bool>("printerTakes");
    QTest::addColumn<int>("cancelAfter"); // 0: never
    QTest::addColumn<int>("printed");
    QTest::addColumn<QString>("text");
    QTest::newRow("printer refused the first job") << false << 0 << 0 << "Printing stopped after 0 of 6 sheets.";
    QTest::newRow("cancelled after two") << true << 2 << 2 << "Printing stopped after 2 of 6 sheets.";
}

void TestLaunchers::stoppedRun()
{
    QFETCH(bool, printerTakes);
    QFETCH(int, cancelAfter);
    QFETCH(int, printed);
    QFETCH(QString, text);
    Fixture f;
    QList<qint64> people;
    for (int i = 0; i < 6; ++i)
        people.append(f.add(QStringLiteral("P%1").arg(i), "", "Person", "Member", 1));
    f.out.printResult = printerTakes;
    const Screen s = openScreen(f, true);
    bool sawProgress = false;
    f.out.afterPrint = [&](int printedSoFar) {
        auto* progress = s.form->findChild<QProgressDialog*>();
        sawProgress = sawProgress || (progress && progress->maximum() == 6);
        if (progress && printedSoFar == cancelAfter)
            progress->cancel();
    };
    s.list->setCurrentIndex(0);
    QTest::mouseClick(s.ok, Qt::LeftButton);
    QVERIFY(sawProgress);
    // Every job handed over is in the fake, the refused one included.
    QCOMPARE(f.printedIds(), people.mid(0, qMax(printed, 1)));
    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().text, text);
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Member Information Update Report"));
    QTRY_VERIFY(!isOpen(f, true));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

// Without a printer the run asks once, not once per person, and can save
// every sheet into one PDF file.
void TestLaunchers::noPrinterSavesOnePdf_data()
{
    QTest::addColumn<bool>("agree");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<bool>("written");
    QTest::newRow("declined") << false << false << false;
    QTest::newRow("no file chosen") << true << false << false;
    QTest::newRow("saved") << true << true << true;
}

void TestLaunchers::noPrinterSavesOnePdf()
{
    QFETCH(bool, agree);
    QFETCH(bool, chooseFile);
    QFETCH(bool, written);
    Fixture f;
    f.add("Zed", "", "Zulu", "Member", 1);
    f.add("Abe", "", "Able", "Member", 1);
    f.add("Meg", "", "Mole", "Member", 1);
    f.out.printerInstalled = false;
    f.env.messages.answers = { agree ? Answer::Yes : Answer::No };
    const QString chosen = f.env.folder() + QStringLiteral("/sheets");
    f.env.files.answers = { chooseFile ? chosen : QString() };
    const Screen s = openScreen(f, true);
    s.list->setCurrentIndex(s.list->findText(QStringLiteral("***All Head of Household***")));
    QTest::mouseClick(s.ok, Qt::LeftButton);
    QCOMPARE(f.env.files.asked.size(), agree ? 1 : 0);

    QCOMPARE(f.env.messages.count(), 1);
    QVERIFY(f.env.messages.last().question);
    QVERIFY(f.env.messages.last().text.startsWith(QStringLiteral("No printer is installed")));
    QCOMPARE(f.out.printed.size(), std::size_t(0));
    QCOMPARE(QFile::exists(chosen + QStringLiteral(".pdf")), written);
    if (written) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), { chosen + QStringLiteral(".pdf"), QStringLiteral("-") });
        QVERIFY(text.waitForFinished(30000));
        const QString all = QString::fromUtf8(text.readAllStandardOutput());
        const qsizetype abe = all.indexOf(QStringLiteral("Abe Able"));
        const qsizetype meg = all.indexOf(QStringLiteral("Meg Mole"));
        const qsizetype zed = all.indexOf(QStringLiteral("Zed Zulu"));
        QVERIFY2(abe >= 0 && abe < meg && meg < zed, qPrintable(all.left(400)));
    }
    QTRY_VERIFY(!isOpen(f, true));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestLaunchers::keysOfTheScreen()
{
    for (bool update : { false, true }) {
        Fixture f;
        const Screen s = openScreen(f, update);
        // Enter that no control used runs "Ok", which asks for a choice.
        QVERIFY(s.ok->isDefault());
        QTest::keyClick(s.form, Qt::Key_Return);
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.last().text, QStringLiteral("You must select a Prospect."));
        QVERIFY(isOpen(f, update));
        // Escape closes without anything else.
        QTest::keyClick(s.form, Qt::Key_Escape);
        QTRY_VERIFY(!isOpen(f, update));
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.out.count(), 0);
    }
}

QTEST_MAIN(TestLaunchers)
#include "tst_launchers.moc"
