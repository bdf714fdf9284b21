// The prospect navigator as a clerk uses it: outreach criteria set on the
// screen, the contacts grid that follows the current prospect, the grids'
// share of the window, and the list, labels and visitation sheets.

#include "Screens.h"

#include "app/Permissions.h"
#include "widgets/ResultGrid.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "members/Screens.h"
#include "navigators/Screens.h"
#include "navigators/frmProspectNavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <functional>

using namespace pw;
using navigators::frmProspectNavigator;

namespace {

// Three prospects, a member in a class as a member only, and two visitors.
struct Fixture : test::MainWindowFixture {
    test::FakeReportOutput& out = env.output;
    QHash<QString, qint64> id; // Pam, Quinn, Mel, Rae, Vic, Wes
    frmProspectNavigator* form = nullptr;

    Fixture()
    {
        members::registerScreens(*main.workspace());
        navigators::registerScreens(*main.workspace());
        env.loginAs(9999, QStringLiteral("Admin"));
        seed();
        main.resize(1200, 900);
        main.show();
        form = qobject_cast<frmProspectNavigator*>(open("frmProspectNavigator"));
    }

    void seed()
    {
        Database& db = env.db();
        const auto insert = [&](const char* key, MemberRecord r) { id[QLatin1String(key)] = Members::insert(db, r); };
        const qint64 classA
            = db.insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults A')") + sql::returningId());
        insert("Vic", person("Vic", "Visitor", "Member"));
        insert("Wes", person("Wes", "Walker", "Member"));
        const qint64 group = db.insert(
            QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { id["Vic"] });

        MemberRecord pam = person("Pam", "Able", "Prospect");
        pam.prospectPhase = QStringLiteral("First Visit");
        pam.prospectNextContactDate = QDate(2026, 3, 20);
        pam.prospectNextContactAction = QStringLiteral("Home Visit");
        pam.prospectSundaySchoolClass = classA;
        pam.prospectCareGroup = group;
        insert("Pam", pam);

        MemberRecord quinn = person("Quinn", "Baker", "Prospect");
        quinn.prospectPhase = QStringLiteral("Follow-Up Call");
        quinn.prospectNextContactDate = QDate(2026, 4, 10);
        quinn.prospectNextContactAction = QStringLiteral("Phone Call");
        insert("Quinn", quinn);

        MemberRecord mel = person("Mel", "Carter", "Member");
        mel.sundaySchoolClass = classA;
        mel.careGroup = group;
        insert("Mel", mel);

        insert("Rae", person("Rae", "Dunn", "Prospect"));

        contact("Quinn", QDate(2026, 1, 10), "Home Visit", id["Vic"], 0);
        contact("Quinn", QDate(2026, 2, 1), "Phone Call", id["Vic"], id["Wes"]);
        contact("Rae", QDate(2025, 12, 31), "Letter", id["Wes"], 0);
    }

    void contact(const char* who, const QDate& day, const char* action, qint64 visitor1, qint64 visitor2)
    {
        env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                     "Rating, Visitor1, Visitor2, Notes) VALUES (?, ?, ?, 'Visit', 'Interested', ?, "
                                     "?, 'Went well')"),
            { id[QLatin1String(who)], sql::date(day), QString::fromLatin1(action), visitor1,
                visitor2 > 0 ? QVariant(visitor2) : QVariant() });
    }

    static MemberRecord person(const char* first, const char* last, const char* status)
    {
        MemberRecord r;
        r.firstName = QString::fromLatin1(first);
        r.lastName = QString::fromLatin1(last);
        r.status = QString::fromLatin1(status);
        r.memberActiveStatus = QStringLiteral("Active");
        r.prospectStatus = QStringLiteral("Active");
        r.gender = QStringLiteral("Unknown");
        return r;
    }

    template <class T> T* control(const char* name) { return test::control<T>(form, name); }
    QTableView* prospects() { return control<QTableView>("vsfgMembers"); }
    QTableView* contacts() { return control<QTableView>("vsfgContact"); }
    ResultModel* model(QTableView* grid) { return qobject_cast<ResultModel*>(grid->model()); }
    void click(const char* button) { test::click(form, button); }

    QStringList found()
    {
        QStringList keys;
        for (qint64 shown : model(prospects())->ids())
            keys.append(id.key(shown, QStringLiteral("?%1").arg(shown)));
        return keys;
    }
    int rowOf(const char* key) { return static_cast<int>(model(prospects())->ids().indexOf(id[key])); }
    void selectRow(int row) { test::clickCell(prospects(), row, 1); }
    // Column c of the contacts grid, top to bottom.
    QStringList contactColumn(int c)
    {
        QStringList cells;
        ResultModel* m = model(contacts());
        for (int r = 0; r < m->rowCount(); ++r)
            cells.append(m->textAt(r, c));
        return cells;
    }
    void choose(const char* combo, const QString& text)
    {
        QComboBox* c = control<QComboBox>(combo);
        const int index = c->findText(text, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(text));
        c->setCurrentIndex(index);
    }
    void setDates(const char* first, const char* last, const QDate& from, const QDate& to)
    {
        control<QDateEdit>(first)->setDate(from);
        control<QDateEdit>(last)->setDate(to);
    }
    void clickHeader(int column)
    {
        QHeaderView* header = prospects()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
};

using Action = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestProspectNavigator : public QObject {
    Q_OBJECT
private slots:
    void findsByCriteria_data();
    void findsByCriteria();
    void rangeBoxesTickedOnlyByTheUser_data();
    void rangeBoxesTickedOnlyByTheUser();
    void contactsFollowTheCurrentProspect();
    void findEmptiesTheContactsFirst();
    void visitationSheets_data();
    void visitationSheets();
    void cancelledSheets();
    void listAndLabelPermissions_data();
    void listAndLabelPermissions();
    void prospectsGetMostOfTheHeight_data();
    void prospectsGetMostOfTheHeight();
};

void TestProspectNavigator::findsByCriteria_data()
{
    QTest::addColumn<Action>("criteria");
    QTest::addColumn<QStringList>("found");
    const auto row = [](const char* name, Action a, QStringList found) { QTest::newRow(name) << a << found; };
    row("no criteria: everybody, members and prospects", [](Fixture&) {},
        { "Pam", "Quinn", "Mel", "Rae", "Vic", "Wes" });
    row("phase", [](Fixture& f) { f.choose("cmbPhase", "First Visit"); }, { "Pam" });
    row("next contact in the range",
        [](Fixture& f) { f.setDates("dtStartDate", "dtEndDate", QDate(2026, 3, 20), QDate(2026, 4, 9)); }, { "Pam" });
    row("next contact: start after end",
        [](Fixture& f) { f.setDates("dtStartDate", "dtEndDate", QDate(2026, 5, 1), QDate(2026, 1, 1)); }, {});
    row("next action", [](Fixture& f) { f.choose("cmbNextAction", "Phone Call"); }, { "Quinn" });
    row("previous action alone, whenever it was", [](Fixture& f) { f.choose("cmbPrevAction", "Letter"); }, { "Rae" });
    row("previous contact in the range, any action",
        [](Fixture& f) { f.setDates("dtStartDatePrev", "dtEndDatePrev", QDate(2025, 12, 31), QDate(2026, 1, 10)); },
        { "Quinn", "Rae" });
    row("previous range and action on the same contact",
        [](Fixture& f) {
            f.setDates("dtStartDatePrev", "dtEndDatePrev", QDate(2026, 1, 1), QDate(2026, 1, 31));
            f.choose("cmbPrevAction", "Home Visit");
        },
        { "Quinn" });
    row("previous range and action on different contacts: nobody",
        [](Fixture& f) {
            f.setDates("dtStartDatePrev", "dtEndDatePrev", QDate(2026, 1, 1), QDate(2026, 1, 31));
            f.choose("cmbPrevAction", "Phone Call");
        },
        {});
    row("SS Class: the class a prospect is assigned to, not a member's own",
        [](Fixture& f) { f.choose("cmbSSClass", "Adults A"); }, { "Pam" });
    row("CG Assign: the prospect's care group", [](Fixture& f) { f.choose("cmbCG", "Visitor, Vic"); }, { "Pam" });
    row("member status", [](Fixture& f) { f.choose("cmbStatus", "Prospect"); }, { "Pam", "Quinn", "Rae" });
    row("name and phase together",
        [](Fixture& f) {
            f.control<QLineEdit>("txtName")->setText("ER");
            f.choose("cmbPhase", "Follow-Up Call");
        },
        { "Quinn" });
}

void TestProspectNavigator::findsByCriteria()
{
    QFETCH(Action, criteria);
    QFETCH(QStringList, found);
    Fixture f;
    criteria(f);
    f.click("btnFind");
    QCOMPARE(f.found(), found);
    QCOMPARE(f.env.messages.count(), 0);
}

void TestProspectNavigator::rangeBoxesTickedOnlyByTheUser_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("previous");
    QTest::newRow("opening") << Action([](Fixture&) {}) << false << false;
    QTest::newRow("user steps a next-contact date")
        << Action([](Fixture& f) { QTest::keyClick(f.control<QDateEdit>("dtEndDate"), Qt::Key_Up); }) << true << false;
    QTest::newRow("user steps a previous-contact date")
        << Action([](Fixture& f) { QTest::keyClick(f.control<QDateEdit>("dtStartDatePrev"), Qt::Key_Down); }) << false
        << true;
    QTest::newRow("Clear after both were ticked") << Action([](Fixture& f) {
        f.setDates("dtStartDate", "dtEndDate", QDate(2020, 1, 1), QDate(2020, 2, 1));
        f.setDates("dtStartDatePrev", "dtEndDatePrev", QDate(2020, 1, 1), QDate(2020, 2, 1));
        f.click("btnClear");
    }) << false << false;
    QTest::newRow("lists reloaded after both were ticked") << Action([](Fixture& f) {
        f.setDates("dtStartDate", "dtEndDate", QDate(2020, 1, 1), QDate(2020, 2, 1));
        f.setDates("dtStartDatePrev", "dtEndDatePrev", QDate(2020, 1, 1), QDate(2020, 2, 1));
        f.form->LoadSearchValues();
    }) << false << false;
}

void TestProspectNavigator::rangeBoxesTickedOnlyByTheUser()
{
    QFETCH(Action, action);
    QFETCH(bool, next);
    QFETCH(bool, previous);
    Fixture f;
    action(f);
    QCOMPARE(f.control<QCheckBox>("chkNextDate")->isChecked(), next);
    QCOMPARE(f.control<QCheckBox>("chkPrevDate")->isChecked(), previous);
    if (!next && !previous) {
        for (const char* date : { "dtStartDate", "dtEndDate", "dtStartDatePrev", "dtEndDatePrev" })
            QCOMPARE(f.control<QDateEdit>(date)->date(), f.env.clock.current.date());
    }
}

void TestProspectNavigator::contactsFollowTheCurrentProspect()
{
    Fixture f;
    f.click("btnFind");
    f.selectRow(f.rowOf("Quinn"));
    // Newest first; a contact with one visitor keeps the separators of the second.
    QCOMPARE(f.contactColumn(2), (QStringList { "Phone Call", "Home Visit" }));
    QCOMPARE(f.contactColumn(6), (QStringList { "Walker, Wes ", ",  " }));
    QCOMPARE(f.contactColumn(5), (QStringList { "Visitor, Vic ", "Visitor, Vic " }));
    QCOMPARE(f.control<QLabel>("lblContactsFound")->text(), QStringLiteral("2 contacts"));

    // Sorting by a header click keeps the contacts shown.
    f.clickHeader(1);
    f.clickHeader(1);
    QCOMPARE(f.contactColumn(2), (QStringList { "Phone Call", "Home Visit" }));

    // Moving with the keys follows too; a prospect without contacts shows none.
    f.prospects()->setFocus();
    f.prospects()->setCurrentIndex(f.model(f.prospects())->index(f.rowOf("Rae"), 0));
    QCOMPARE(f.contactColumn(2), QStringList { "Letter" });
    f.selectRow(f.rowOf("Pam"));
    QCOMPARE(f.model(f.contacts())->rowCount(), 0);
    QCOMPARE(f.model(f.contacts())->columnCount(), 8);
    QCOMPARE(f.control<QLabel>("lblContactsFound")->text(), QStringLiteral("0 contacts"));
}

void TestProspectNavigator::findEmptiesTheContactsFirst()
{
    Fixture f;
    f.choose("cmbStatus", "Prospect");
    f.click("btnFind");
    f.selectRow(f.rowOf("Quinn"));
    QCOMPARE(f.model(f.contacts())->rowCount(), 2);
    f.click("btnFind"); // the same people again
    QCOMPARE(f.found(), (QStringList { "Pam", "Quinn", "Rae" }));
    QCOMPARE(f.model(f.contacts())->rowCount(), 0);
    QCOMPARE(f.control<QLabel>("lblContactsFound")->text(), QString());
    f.selectRow(f.rowOf("Rae"));
    f.click("btnClear");
    QCOMPARE(f.model(f.prospects())->rowCount(), 0);
    QCOMPARE(f.model(f.contacts())->rowCount(), 0);
}

void TestProspectNavigator::visitationSheets_data()
{
    QTest::addColumn<bool>("permitted");
    QTest::addColumn<bool>("searched");
    QTest::addColumn<bool>("sorted"); // by name, last to first
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("one sheet per row, in grid order") << true << true << false << QStringList { "Pam", "Quinn", "Rae" };
    QTest::newRow("in the order the grid was sorted") << true << true << true << QStringList { "Rae", "Quinn", "Pam" };
    QTest::newRow("empty grid: nothing") << true << false << false << QStringList {};
    QTest::newRow("without permission: refused") << false << true << false << QStringList {};
}

void TestProspectNavigator::visitationSheets()
{
    QFETCH(bool, permitted);
    QFETCH(bool, searched);
    QFETCH(bool, sorted);
    QFETCH(QStringList, printed);
    Fixture f;
    f.env.loginWithOnly(permitted ? perm::VisitationSheetReport : perm::MemberView);
    f.choose("cmbStatus", "Prospect");
    if (searched)
        f.click("btnFind");
    if (sorted) {
        f.clickHeader(1);
        f.clickHeader(1);
    }
    f.click("btnPrintPS");
    QStringList sheets;
    for (const auto& job : f.out.printed) {
        sheets.append(f.id.key(sql::toId(job.report->data().main.value(0, QStringLiteral("Member.ID")))));
        QCOMPARE(job.report->data().design, reports::Design::VisitationSheet);
        QCOMPARE(job.copies, 0); // the printer's own copy count
    }
    QCOMPARE(sheets, printed);
    QCOMPARE(f.out.previewed.size(), std::size_t(0));
    QCOMPARE(f.env.messages.count(), permitted ? 0 : 1);
    if (!permitted)
        QCOMPARE(f.env.messages.last().text, refusal::ViewReport);
}

void TestProspectNavigator::cancelledSheets()
{
    Fixture f;
    f.click("btnFind");
    bool sawProgress = false;
    f.out.afterPrint = [&](int printedSoFar) {
        auto* progress = f.form->findChild<QProgressDialog*>();
        sawProgress = sawProgress || (progress && progress->maximum() == 6 && progress->isVisible());
        if (progress && printedSoFar == 2)
            progress->cancel();
    };
    f.click("btnPrintPS");
    QVERIFY(sawProgress);
    QCOMPARE(f.out.printed.size(), std::size_t(2));
    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().text, QStringLiteral("Printing stopped after 2 of 6 sheets."));
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Prospect Navigator"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestProspectNavigator::listAndLabelPermissions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("granted");
    QTest::addColumn<int>("design"); // previewed; -1: refused
    QTest::newRow("list") << "btnPrintList" << perm::ProspectNavigatorReport << int(reports::Design::ProspectList);
    QTest::newRow("list needs its own permission") << "btnPrintList" << perm::MemberNavigatorReport << -1;
    QTest::newRow("labels") << "btnPrintMailingLabels" << perm::MailingLabelsReport
                            << int(reports::Design::MailingLabels);
    QTest::newRow("labels need their own permission") << "btnPrintMailingLabels" << perm::ProspectNavigatorReport << -1;
}

void TestProspectNavigator::listAndLabelPermissions()
{
    QFETCH(QString, button);
    QFETCH(QString, granted);
    QFETCH(int, design);
    Fixture f;
    f.env.loginWithOnly(granted);
    f.choose("cmbStatus", "Prospect");
    f.click("btnFind");
    QTest::mouseClick(test::control<QPushButton>(f.form, button), Qt::LeftButton);
    if (design < 0) {
        QCOMPARE(f.out.count(), 0);
        QCOMPARE(f.env.messages.last().text, refusal::ViewReport);
        return;
    }
    QCOMPARE(f.env.messages.count(), 0);
    const reports::ReportPtr shown = f.out.lastPreview();
    QVERIFY(shown);
    QCOMPARE(int(shown->data().design), design);
    QCOMPARE(int(shown->data().main.rows.size()), 3);
}

void TestProspectNavigator::prospectsGetMostOfTheHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("as opened") << 0;
    QTest::newRow("taller") << 1000;
    QTest::newRow("shorter") << 560;
}

// Of the height below the criteria, the prospects get 60 % and the contacts
// the rest; both grids fill their frames across the window's width.
void TestProspectNavigator::prospectsGetMostOfTheHeight()
{
    QFETCH(int, height);
    Fixture f;
    auto* window = qobject_cast<QMdiSubWindow*>(f.form->parentWidget());
    QVERIFY(window);
    if (height > 0)
        window->resize(window->width() + 100, height);
    QCoreApplication::processEvents();
    const int prospects = f.control<QGroupBox>("Frame2")->height();
    const int contacts = f.control<QGroupBox>("Frame3")->height();
    const double share = double(prospects) / (prospects + contacts);
    QVERIFY2(share > 0.57 && share < 0.63, qPrintable(QString::number(share)));
    QVERIFY(f.prospects()->width() > f.form->width() - 60);
    QVERIFY(f.contacts()->width() > f.form->width() - 60);
}

QTEST_MAIN(TestProspectNavigator)
#include "tst_prospectnavigator.moc"
