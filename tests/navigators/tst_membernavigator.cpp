// The member navigator as a clerk uses it: criteria set on the screen, the
// people found, the date range box, the lists reloaded after a save
// elsewhere, the print buttons and opening a person.

#include "Screens.h"

#include "app/Permissions.h"
#include "widgets/ResultGrid.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "members/Screens.h"
#include "navigators/Screens.h"
#include "navigators/frmMemberNavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <functional>

using namespace pw;
using navigators::frmMemberNavigator;

namespace {

// Five people; two of them are "Smith, Bob", each leading a care group.
struct Fixture : test::MainWindowFixture {
    QHash<QString, qint64> id; // Ann, Dee, Bob1, Bob2, Cy
    frmMemberNavigator* form = nullptr;

    Fixture()
    {
        members::registerScreens(*main.workspace());
        navigators::registerScreens(*main.workspace());
        env.loginAs(9999, QStringLiteral("Admin"));
        seed();
        main.resize(1200, 900);
        main.show();
        form = qobject_cast<frmMemberNavigator*>(open("frmMemberNavigator"));
    }

    void seed()
    {
        Database& db = env.db();
        const auto insert = [&](const QString& key, MemberRecord r) { id[key] = Members::insert(db, r); };
        const qint64 classA
            = db.insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults A')") + sql::returningId());
        insert("Bob1", person("Bob", "Smith", "Member", "Inactive"));
        insert("Bob2", person("Bob", "Smith", "Visitor", "Active"));
        const auto group = [&](qint64 leader) {
            return db.insert(
                QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { leader });
        };
        const qint64 groupOfBob1 = group(id["Bob1"]);
        const qint64 groupOfBob2 = group(id["Bob2"]);
        db.exec(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\") "
                               "VALUES (?, 'Deacon', '2001-01-01')"),
            { id["Bob1"] });

        MemberRecord ann = person("Ann", "Adams", "Member", "Active");
        ann.memberSince = QDate(2020, 1, 1);
        ann.dateOfBirth = QDate(1970, 3, 15);
        ann.headOfHousehold = true;
        ann.newsletterMail = true;
        ann.sundaySchoolClass = classA;
        ann.careGroup = groupOfBob1;
        ann.deacon = id["Bob1"];
        ann.mapSection = QStringLiteral("A-12");
        insert("Ann", ann);

        MemberRecord cy = person("Cy", "Young", "Member", "Active");
        cy.memberSince = QDate(2020, 12, 31);
        cy.anniversaryDate = QDate(2001, 1, 5);
        cy.careGroup = groupOfBob2;
        cy.notes = QStringLiteral("O'Brien's friend");
        insert("Cy", cy);

        MemberRecord dee = person("Dee", "O'Neal", "Prospect", "Inactive");
        dee.prospectStatus = QStringLiteral("Active");
        dee.dateOfBirth = QDate(1990, 1, 20);
        insert("Dee", dee);
    }

    static MemberRecord person(const char* first, const char* last, const char* status, const char* church)
    {
        MemberRecord r;
        r.firstName = QString::fromUtf8(first);
        r.lastName = QString::fromUtf8(last);
        r.status = QString::fromLatin1(status);
        r.memberActiveStatus = QString::fromLatin1(church);
        r.prospectStatus = QStringLiteral("Inactive");
        r.gender = QStringLiteral("Unknown");
        return r;
    }

    template <class T> T* control(const char* name) { return test::control<T>(form, name); }
    QTableView* grid() { return control<QTableView>("vsfgMembers"); }
    ResultModel* model() { return qobject_cast<ResultModel*>(grid()->model()); }
    void click(const char* button) { test::click(form, button); }

    // The people in the grid by their keys, in grid order.
    QStringList found()
    {
        QStringList keys;
        for (qint64 shown : model()->ids())
            keys.append(id.key(shown, QStringLiteral("?%1").arg(shown)));
        return keys;
    }
    void choose(const char* combo, const QString& text)
    {
        QComboBox* c = control<QComboBox>(combo);
        const int index = c->findText(text, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(text));
        c->setCurrentIndex(index);
    }
    void setRange(const QDate& first, const QDate& last)
    {
        control<QDateEdit>("dtStartDate")->setDate(first);
        control<QDateEdit>("dtEndDate")->setDate(last);
    }
};

using Criteria = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Criteria)

class TestMemberNavigator : public QObject {
    Q_OBJECT
private slots:
    void findsByCriteria_data();
    void findsByCriteria();
    void rangeBoxTickedOnlyByTheUser_data();
    void rangeBoxTickedOnlyByTheUser();
    void saveElsewhereReloadsTheLists();
    void clearResetsEverything();
    void printButtons_data();
    void printButtons();
    void printedPeopleFollowTheGridOrder();
    void rowOpensThePerson_data();
    void rowOpensThePerson();
    void openingAsksAboutUnsavedChanges_data();
    void openingAsksAboutUnsavedChanges();
    void failedSearchLeavesTheScreenUsable();
};

void TestMemberNavigator::findsByCriteria_data()
{
    QTest::addColumn<Criteria>("criteria");
    QTest::addColumn<QStringList>("found");
    const QStringList everybody = { "Ann", "Dee", "Bob1", "Bob2", "Cy" };
    const auto row = [](const char* name, Criteria c, QStringList found) { QTest::newRow(name) << c << found; };
    row(
        "no criteria: everybody by last, first, middle name", [](Fixture&) {}, everybody);
    row("name anywhere, any case", [](Fixture& f) { f.control<QLineEdit>("txtName")->setText("MIT"); },
        { "Bob1", "Bob2" });
    row("name with an apostrophe", [](Fixture& f) { f.control<QLineEdit>("txtName")->setText("o'n"); }, { "Dee" });
    row("member since: a date change ticks the range, both ends included",
        [](Fixture& f) { f.setRange(QDate(2020, 1, 1), QDate(2020, 12, 31)); }, { "Ann", "Cy" });
    row("member since: start after end finds nobody",
        [](Fixture& f) { f.setRange(QDate(2021, 1, 1), QDate(2020, 1, 1)); }, {});
    row(
        "member since: ignored when the box is clear",
        [](Fixture& f) {
            f.setRange(QDate(2021, 1, 1), QDate(2020, 1, 1));
            f.control<QCheckBox>("chkMemberSince")->setChecked(false);
        },
        everybody);
    row("search text with an apostrophe", [](Fixture& f) { f.control<QLineEdit>("txtSearch")->setText("o'brien's"); },
        { "Cy" });
    row("map section", [](Fixture& f) { f.control<QLineEdit>("txtMapSection")->setText("a-1"); }, { "Ann" });
    row("member status", [](Fixture& f) { f.choose("cmbStatus", "Visitor"); }, { "Bob2" });
    row("church status", [](Fixture& f) { f.choose("cmbChurchStatus", "Inactive"); }, { "Dee", "Bob1" });
    row("prospect status", [](Fixture& f) { f.choose("cmbProspectStatus", "Active"); }, { "Dee" });
    row("birthday or anniversary in January", [](Fixture& f) { f.choose("cmbDobAnniv", "January"); }, { "Dee", "Cy" });
    row("birthday in March", [](Fixture& f) { f.choose("cmbDobAnniv", "March"); }, { "Ann" });
    row("responsibility held", [](Fixture& f) { f.choose("cmbResponsibility", "Deacon"); }, { "Bob1" });
    row("newsletter by mail: True", [](Fixture& f) { f.choose("cmbReceiveNL", "True"); }, { "Ann" });
    row("head of household: False", [](Fixture& f) { f.choose("cmbHOH", "False"); }, { "Dee", "Bob1", "Bob2", "Cy" });
    row("Sunday School class", [](Fixture& f) { f.choose("cmbSSClass", "Adults A"); }, { "Ann" });
    row("first of two care groups led by a Bob Smith",
        [](Fixture& f) { f.control<QComboBox>("cmbCG")->setCurrentIndex(0); }, { "Ann" });
    row("second of two care groups led by a Bob Smith",
        [](Fixture& f) { f.control<QComboBox>("cmbCG")->setCurrentIndex(1); }, { "Cy" });
    row("deacon", [](Fixture& f) { f.choose("cmbDeacon", "Smith, Bob"); }, { "Ann" });
    row("criteria together",
        [](Fixture& f) {
            f.control<QLineEdit>("txtName")->setText("a");
            f.choose("cmbHOH", "True");
        },
        { "Ann" });
}

void TestMemberNavigator::findsByCriteria()
{
    QFETCH(Criteria, criteria);
    QFETCH(QStringList, found);
    Fixture f;
    // Both care groups are listed under the same leader's name.
    QCOMPARE(f.control<QComboBox>("cmbCG")->count(), 2);
    QCOMPARE(f.control<QComboBox>("cmbCG")->itemText(1), QStringLiteral("Smith, Bob"));
    criteria(f);
    f.click("btnFind");
    QCOMPARE(f.found(), found);
    QCOMPARE(f.control<QLabel>("lblMembersFound")->text(),
        found.size() == 1 ? QStringLiteral("1 person found") : QStringLiteral("%1 people found").arg(found.size()));
    QCOMPARE(f.env.messages.count(), 0);
}

void TestMemberNavigator::rangeBoxTickedOnlyByTheUser_data()
{
    QTest::addColumn<Criteria>("action");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("today"); // both dates show today afterwards
    QTest::newRow("opening") << Criteria([](Fixture&) {}) << false << true;
    QTest::newRow("user steps the start date")
        << Criteria([](Fixture& f) { QTest::keyClick(f.control<QDateEdit>("dtStartDate"), Qt::Key_Up); }) << true
        << false;
    QTest::newRow("user steps the end date")
        << Criteria([](Fixture& f) { QTest::keyClick(f.control<QDateEdit>("dtEndDate"), Qt::Key_Down); }) << true
        << false;
    const auto changedThen = [](std::function<void(Fixture&)> then) {
        return Criteria([then](Fixture& f) {
            f.setRange(QDate(2019, 1, 1), QDate(2019, 2, 1));
            f.control<QCheckBox>("chkMemberSince")->setChecked(false);
            then(f);
        });
    };
    QTest::newRow("lists reloaded after a user change")
        << changedThen([](Fixture& f) { f.form->LoadSearchValues(); }) << false << true;
    QTest::newRow("Clear") << changedThen([](Fixture& f) { f.click("btnClear"); }) << false << true;
    QTest::newRow("Clear after a ticked range") << Criteria([](Fixture& f) {
        f.setRange(QDate(2019, 1, 1), QDate(2019, 2, 1));
        f.click("btnClear");
    }) << false << true;
}

void TestMemberNavigator::rangeBoxTickedOnlyByTheUser()
{
    QFETCH(Criteria, action);
    QFETCH(bool, ticked);
    QFETCH(bool, today);
    Fixture f;
    action(f);
    QCOMPARE(f.control<QCheckBox>("chkMemberSince")->isChecked(), ticked);
    const QDate now = f.env.clock.current.date();
    QCOMPARE(
        f.control<QDateEdit>("dtStartDate")->date() == now && f.control<QDateEdit>("dtEndDate")->date() == now, today);
}

// A person or responsibility saved on the member screen: the lists are read
// again (choices lost), the grid is emptied and the dates go back to today;
// the text boxes and the range box keep what they hold.
void TestMemberNavigator::saveElsewhereReloadsTheLists()
{
    Fixture f;
    f.control<QLineEdit>("txtName")->setText("a");
    f.setRange(QDate(2020, 1, 1), QDate(2020, 6, 30));
    f.choose("cmbStatus", "Member");
    f.click("btnFind");
    QCOMPARE(f.found(), QStringList { "Ann" });
    f.env.db().exec(QStringLiteral("INSERT INTO Responsibilities (Name) VALUES ('Usher')"));

    emit f.main.workspace()->membersChanged();

    QVERIFY(f.control<QComboBox>("cmbResponsibility")->findText("Usher") >= 0);
    QCOMPARE(f.control<QComboBox>("cmbStatus")->currentIndex(), -1);
    QCOMPARE(f.model()->rowCount(), 0);
    QCOMPARE(f.control<QLabel>("lblMembersFound")->text(), QString());
    QCOMPARE(f.control<QLineEdit>("txtName")->text(), QStringLiteral("a"));
    QVERIFY(f.control<QCheckBox>("chkMemberSince")->isChecked());
    QCOMPARE(f.control<QDateEdit>("dtStartDate")->date(), f.env.clock.current.date());
}

void TestMemberNavigator::clearResetsEverything()
{
    Fixture f;
    for (const char* box : { "txtName", "txtSearch", "txtMapSection" })
        f.control<QLineEdit>(box)->setText("x");
    const char* lists[] = { "cmbStatus", "cmbChurchStatus", "cmbProspectStatus", "cmbDobAnniv", "cmbResponsibility",
        "cmbReceiveNL", "cmbSSClass", "cmbCG", "cmbDiscClass", "cmbWedClass", "cmbDeacon", "cmbHOH" };
    for (const char* list : lists) {
        if (f.control<QComboBox>(list)->count() > 0)
            f.control<QComboBox>(list)->setCurrentIndex(0);
    }
    f.setRange(QDate(2019, 1, 1), QDate(2019, 2, 1));
    f.click("btnFind");
    f.click("btnClear");
    for (const char* box : { "txtName", "txtSearch", "txtMapSection" })
        QCOMPARE(f.control<QLineEdit>(box)->text(), QString());
    for (const char* list : lists) {
        QCOMPARE(f.control<QComboBox>(list)->currentIndex(), -1);
        QCOMPARE(f.control<QComboBox>(list)->currentText(), QString());
    }
    QVERIFY(!f.control<QCheckBox>("chkMemberSince")->isChecked());
    QCOMPARE(f.model()->rowCount(), 0);
    // The lists keep their entries; Clear does not search.
    QCOMPARE(f.control<QComboBox>("cmbDobAnniv")->count(), 12);
    QCOMPARE(f.control<QComboBox>("cmbHOH")->count(), 2);
}

void TestMemberNavigator::printButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("permitted");
    QTest::addColumn<bool>("searched"); // Find ran first (else the grid is empty)
    QTest::addColumn<int>("design"); // previewed; -1: nothing
    QTest::addColumn<bool>("refused");
    const int list = int(reports::Design::MemberList);
    const int labels = int(reports::Design::MailingLabels);
    QTest::newRow("list") << "btnPrintList" << true << true << list << false;
    QTest::newRow("labels") << "btnPrintMailingLabels" << true << true << labels << false;
    QTest::newRow("list without permission") << "btnPrintList" << false << true << -1 << true;
    QTest::newRow("labels without permission") << "btnPrintMailingLabels" << false << true << -1 << true;
    QTest::newRow("list of an empty grid: nothing at all") << "btnPrintList" << true << false << -1 << false;
    QTest::newRow("labels of an empty grid: nothing at all") << "btnPrintMailingLabels" << true << false << -1 << false;
    QTest::newRow("empty grid without permission: refused") << "btnPrintList" << false << false << -1 << true;
}

void TestMemberNavigator::printButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, permitted);
    QFETCH(bool, searched);
    QFETCH(int, design);
    QFETCH(bool, refused);
    Fixture f;
    const QString permission
        = button == QLatin1String("btnPrintList") ? perm::MemberNavigatorReport : perm::MailingLabelsReport;
    const qint64 clerk = f.env.loginWithOnly(permitted ? permission : perm::MemberView);
    f.control<QLineEdit>("txtName")->setText("smith");
    if (searched)
        f.click("btnFind");
    QTest::mouseClick(test::control<QPushButton>(f.form, button), Qt::LeftButton);

    QCOMPARE(f.env.output.count(), design < 0 ? 0 : 1);
    if (design >= 0) {
        const reports::ReportPtr shown = f.env.output.lastPreview();
        QCOMPARE(int(shown->data().design), design);
        QCOMPARE(int(shown->data().main.rows.size()), 2);
    }
    QCOMPARE(f.env.messages.count(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(f.env.messages.last().text, refusal::ViewReport);
        QCOMPARE(f.env.messages.last().title, refusal::Title);
        QCOMPARE(f.env.messages.last().icon, Icon::Warning);
    }
    Q_UNUSED(clerk);
}

// The people handed to a report are those of the grid, in the order it shows.
void TestMemberNavigator::printedPeopleFollowTheGridOrder()
{
    Fixture f;
    f.click("btnFind");
    QHeaderView* header = f.grid()->horizontalHeader();
    const int idColumn = 0;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(idColumn) + 5, header->height() / 2));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(idColumn) + 5, header->height() / 2));
    QList<qint64> descending = f.id.values();
    std::sort(descending.begin(), descending.end(), std::greater<qint64>());
    QCOMPARE(f.form->listedIds(), descending);
    f.click("btnPrintMailingLabels");
    QList<qint64> printed;
    const reports::ReportPtr labels = f.env.output.lastPreview();
    QVERIFY(labels);
    QCOMPARE(int(labels->data().main.rows.size()), descending.size());
}

void TestMemberNavigator::rowOpensThePerson_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("double-click") << false;
    QTest::newRow("Enter") << true;
}

void TestMemberNavigator::rowOpensThePerson()
{
    QFETCH(bool, byKey);
    Fixture f;
    f.click("btnFind");
    QTableView* grid = f.grid();
    for (const int row : { 2, 4 }) { // the second opening reuses the member screen
        const QModelIndex index = f.model()->index(row, 1);
        if (byKey) {
            grid->setFocus();
            grid->setCurrentIndex(index);
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            // A real double-click starts with a click at the same place.
            const QPoint at = grid->visualRect(index).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        }
        QWidget* member = f.main.workspace()->find(QStringLiteral("frmMemberEntry"));
        QVERIFY(member);
        QCOMPARE(test::control<QLineEdit>(member, "txtMemberID")->text(), QString::number(f.model()->idAt(row)));
        QCOMPARE(f.main.area()->activeSubWindow()->widget(), member);
    }
    // The header opens nobody.
    QWidget* member = f.main.workspace()->find(QStringLiteral("frmMemberEntry"));
    const QString shown = test::control<QLineEdit>(member, "txtMemberID")->text();
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(5, header->height() / 2));
    QCOMPARE(test::control<QLineEdit>(member, "txtMemberID")->text(), shown);
}

void TestMemberNavigator::openingAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("opened"); // the second person is shown
    QTest::newRow("Cancel keeps the changes") << "Cancel" << false;
    QTest::newRow("Discard shows the other person") << "Discard" << true;
}

// The member screen asks about its own unsaved changes before a navigator
// shows another person on it.
void TestMemberNavigator::openingAsksAboutUnsavedChanges()
{
    QFETCH(QString, answer);
    QFETCH(bool, opened);
    Fixture f;
    f.click("btnFind");
    QTableView* grid = f.grid();
    const auto open = [&](int row) {
        grid->setFocus();
        grid->setCurrentIndex(f.model()->index(row, 1));
        QTest::keyClick(grid, Qt::Key_Return);
    };
    open(0);
    QWidget* member = f.main.workspace()->find(QStringLiteral("frmMemberEntry"));
    QVERIFY(member);
    test::control<QLineEdit>(member, "txtFName")->setText(QStringLiteral("Annie"));
    f.env.messages.choices = { answer };
    open(4);
    QCOMPARE(f.env.messages.count(), 1);
    QVERIFY(f.env.messages.last().question);
    QVERIFY(f.env.messages.last().buttons.contains(answer));
    QCOMPARE(test::control<QLineEdit>(member, "txtMemberID")->text(), QString::number(f.model()->idAt(opened ? 4 : 0)));
    QCOMPARE(
        test::control<QLineEdit>(member, "txtFName")->text(), opened ? QStringLiteral("Cy") : QStringLiteral("Annie"));
}

// The search fails (here because a table it reads is missing): the error is
// shown, the normal pointer is back, the grid is empty and the screen goes on.
void TestMemberNavigator::failedSearchLeavesTheScreenUsable()
{
    Fixture f;
    f.click("btnFind");
    QCOMPARE(f.model()->rowCount(), 5);
    f.choose("cmbResponsibility", "Deacon");
    f.env.db().exec(QStringLiteral("ALTER TABLE Member_Responsibility RENAME TO Gone"));
    f.click("btnFind");
    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Pewlark"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(f.model()->rowCount(), 0);
    QCOMPARE(f.control<QLabel>("lblMembersFound")->text(), QString());
    QCOMPARE(f.control<QComboBox>("cmbResponsibility")->currentText(), QStringLiteral("Deacon"));
    f.env.db().exec(QStringLiteral("ALTER TABLE Gone RENAME TO Member_Responsibility"));
    f.click("btnFind");
    QCOMPARE(f.found(), QStringList { "Bob1" });
}

QTEST_MAIN(TestMemberNavigator)
#include "tst_membernavigator.moc"
