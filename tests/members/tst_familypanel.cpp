#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "data/Sql.h"
#include "members/FamilyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace pw;
using test::TestEnv;

// A household: Harold heads it and lists Wilma and Sam; Gertrude heads
// another and lists Sam too. Olive is a head without relatives; Nora is on
// no one's list.
struct Household {
    TestEnv env;
    QLineEdit idBox;
    QCheckBox headBox;
    members::FamilyPanel panel;
    QMap<QString, qint64> ids;

    Household()
    {
        const qint64 admin = env.addMember(QStringLiteral("Ada"), QStringLiteral("Office"));
        env.addUser(admin, QStringLiteral("admin"), QStringLiteral("admin"), QStringLiteral("Admin"));
        env.loginAs(admin, QStringLiteral("Admin"));
        person("Harold", "Smith", true);
        person("Wilma", "Smith", false);
        person("Sam", "Smith", false);
        person("Gertrude", "Jones", true);
        person("Olive", "Oak", true);
        person("Nora", "North", false);
        env.db().exec(QStringLiteral("UPDATE Member SET Title = 'Jr.', Middle_Name = 'Lee', Phone = '5551234567', "
                                     "Date_Of_Birth = '2010-04-09' WHERE ID = ?"),
            { ids["Sam"] });
        connect("Harold", "Wife", "Wilma");
        connect("Harold", "Son", "Sam");
        connect("Gertrude", "Grandson", "Sam");
        panel.bind(&idBox, &headBox);
        panel.reloadLists();
        panel.resize(900, 400);
        panel.show();
    }

    void person(const char* first, const char* last, bool head)
    {
        const qint64 id = env.addMember(QString::fromUtf8(first), QString::fromUtf8(last));
        env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = ? WHERE ID = ?"), { head ? 1 : 0, id });
        ids[QString::fromUtf8(first)] = id;
    }
    void connect(const char* head, const char* relationship, const char* relative)
    {
        env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, ?, ?)"),
            { ids[QString::fromUtf8(head)], QString::fromUtf8(relationship), ids[QString::fromUtf8(relative)] });
    }
    void show(const QString& who, bool head)
    {
        idBox.setText(who.isEmpty() ? QString() : QString::number(ids.value(who)));
        headBox.setChecked(head);
        panel.loadFamilyMembers();
    }

    QTableView* grid() { return test::control<QTableView>(&panel, QStringLiteral("vsfgFamilyMembers")); }
    QComboBox* memberAdd() { return test::control<QComboBox>(&panel, QStringLiteral("cmbMemberAdd")); }
    QComboBox* relationship() { return test::control<QComboBox>(&panel, QStringLiteral("cmbRelationship")); }
    QPushButton* button(const char* name) { return test::control<QPushButton>(&panel, QString::fromLatin1(name)); }

    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    QStringList column(int column) { return test::columnTexts(grid()->model(), column); }
    // The people named in the ID column, by first name.
    QStringList shownPeople()
    {
        QStringList out;
        for (const QString& id : column(0))
            out << ids.key(id.toLongLong(), QStringLiteral("?"));
        return out;
    }
    void choose(const QString& relative, const QString& rel)
    {
        selectById(memberAdd(), ids.value(relative));
        relationship()->setCurrentIndex(relationship()->findText(rel));
    }
    // The stored connections as "head>relationship>relative".
    QStringList stored()
    {
        QStringList out;
        QSqlQuery q = env.db().exec(QStringLiteral("SELECT Member_ID, Relationship, Relative_Member_ID FROM "
                                                   "Family_Connection ORDER BY Member_ID, Relative_Member_ID"));
        while (q.next())
            out << ids.key(q.value(0).toLongLong()) + QLatin1Char('>') + q.value(1).toString() + QLatin1Char('>')
                    + ids.key(q.value(2).toLongLong());
        return out;
    }
    void clickRow(int row, bool twice) { test::clickCell(grid(), row, 1, twice); }
};

class TestFamilyPanel : public QObject {
    Q_OBJECT
private slots:
    void views_data();
    void views();
    void gridCells();
    void addChangesRelationship_data();
    void addChangesRelationship();
    void addWhileNotHead_data();
    void addWhileNotHead();
    void relativeListLeavesOutHeads();
    void relativeListOrder();
    void choosingRow_data();
    void choosingRow();
    void openPerson();
    void refusedWithoutEntryPermission_data();
    void refusedWithoutEntryPermission();
    void requiredInfo_data();
    void requiredInfo();
    void remove_data();
    void remove();
    void failedAddKeepsConnection();
};

void TestFamilyPanel::views_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("head");
    QTest::addColumn<QStringList>("people");
    QTest::addColumn<QStringList>("relationships");

    QTest::newRow("head lists relatives by relationship")
        << "Harold" << true << QStringList { "Sam", "Wilma" } << QStringList { "Son", "Wife" };
    QTest::newRow("relative sees every head that lists them")
        << "Sam" << false << QStringList { "Gertrude", "Harold" }
        << QStringList { "Head of Household", "Head of Household" };
    QTest::newRow("head box clear shows who lists the head") << "Harold" << false << QStringList {} << QStringList {};
    QTest::newRow("head without relatives") << "Olive" << true << QStringList {} << QStringList {};
    QTest::newRow("person on no list") << "Nora" << false << QStringList {} << QStringList {};
    QTest::newRow("unsaved person") << "" << true << QStringList {} << QStringList {};
}

void TestFamilyPanel::views()
{
    QFETCH(QString, shown);
    QFETCH(bool, head);
    QFETCH(QStringList, people);
    QFETCH(QStringList, relationships);
    Household h;
    h.show(shown, head);
    QCOMPARE(h.shownPeople(), people);
    QCOMPARE(h.column(2), relationships);
    // The header row is always there, with all nine captions.
    QStringList captions;
    for (int c = 0; c < h.grid()->model()->columnCount(); ++c)
        captions << h.grid()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(captions,
        QStringList(
            { "ID", "Name", "Relationship", "Status", "Member Status", "Prospect Status", "Phone", "Gender", "DOB" }));
}

void TestFamilyPanel::gridCells()
{
    Household h;
    h.show(QStringLiteral("Harold"), true);
    // Sam's row, first by relationship ("Son" before "Wife").
    QCOMPARE(h.cell(0, 0), QString::number(h.ids["Sam"]));
    QCOMPARE(h.cell(0, 1), QStringLiteral("Smith, Sam Lee Jr."));
    QCOMPARE(h.cell(0, 3), QStringLiteral("Member"));
    QCOMPARE(h.cell(0, 4), QStringLiteral("Active"));
    QCOMPARE(h.cell(0, 5), QStringLiteral("Inactive"));
    QCOMPARE(h.cell(0, 6), QStringLiteral("(555) 123-4567")); // as the phone boxes show it
    QCOMPARE(h.cell(0, 7), QStringLiteral("Unknown"));
    QCOMPARE(h.cell(0, 8), QStringLiteral("4/9/2010"));
    QCOMPARE(h.cell(1, 1), QStringLiteral("Smith, Wilma  ")); // no middle name, no title
    QCOMPARE(h.cell(1, 8), QString());
    QCOMPARE(h.grid()->model()->index(0, 4).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

void TestFamilyPanel::addChangesRelationship_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("another relationship") << "Daughter"
                                          << "Stepdaughter";
    QTest::newRow("same relationship twice") << "Niece"
                                             << "Niece";
    QTest::newRow("apostrophe") << "Other"
                                << "Wife's Niece";
}

void TestFamilyPanel::addChangesRelationship()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    Household h;
    h.env.db().exec(QStringLiteral("INSERT INTO Relationships VALUES ('Wife''s Niece')"));
    h.panel.reloadLists();
    h.show(QStringLiteral("Harold"), true);

    h.choose(QStringLiteral("Nora"), first);
    QTest::mouseClick(h.button("btnAddFamMember"), Qt::LeftButton);
    h.choose(QStringLiteral("Nora"), second);
    QTest::mouseClick(h.button("btnAddFamMember"), Qt::LeftButton);

    QCOMPARE(h.env.messages.count(), 0);
    QCOMPARE(h.stored(),
        QStringList({ "Harold>Wife>Wilma", "Harold>Son>Sam", "Harold>" + second + ">Nora", "Gertrude>Grandson>Sam" }));
    QVERIFY(h.shownPeople().contains(QStringLiteral("Nora")));
    QVERIFY(h.column(2).contains(second));
    QCOMPARE(h.memberAdd()->currentIndex(), -1);
    QCOMPARE(h.relationship()->currentIndex(), -1);
}

void TestFamilyPanel::addWhileNotHead_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("head"); // the box ticked, not yet saved
    QTest::addColumn<QString>("because");
    QTest::newRow("not a head") << "Wilma" << false << "listed under the head of household";
    QTest::newRow("himself") << "Sam" << true << "own family member";
}

void TestFamilyPanel::addWhileNotHead()
{
    QFETCH(QString, relative);
    QFETCH(bool, head);
    QFETCH(QString, because);
    Household h;
    h.show(QStringLiteral("Sam"), head);
    h.choose(relative, QStringLiteral("Sister"));
    QTest::mouseClick(h.button("btnAddFamMember"), Qt::LeftButton);
    QVERIFY(h.env.messages.last().text.contains(because));
    QCOMPARE(h.stored(), QStringList({ "Harold>Wife>Wilma", "Harold>Son>Sam", "Gertrude>Grandson>Sam" }));
}

void TestFamilyPanel::relativeListLeavesOutHeads()
{
    Household h;
    QSet<qint64> offered;
    for (int i = 0; i < h.memberAdd()->count(); ++i)
        offered.insert(h.memberAdd()->itemData(i, Qt::UserRole).toLongLong());
    for (const char* head : { "Harold", "Gertrude", "Olive" })
        QVERIFY2(!offered.contains(h.ids[head]), head);
    for (const char* other : { "Wilma", "Sam", "Nora" })
        QVERIFY2(offered.contains(h.ids[other]), other);
    QCOMPARE(h.memberAdd()->currentIndex(), -1);
    QCOMPARE(h.relationship()->itemText(0), QStringLiteral("Brother"));

    // A person who becomes a head leaves the list at the next reload.
    h.env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1 WHERE ID = ?"), { h.ids["Nora"] });
    h.panel.reloadLists();
    QCOMPARE(h.memberAdd()->findData(h.ids["Nora"], Qt::UserRole), -1);
}

void TestFamilyPanel::relativeListOrder()
{
    TestEnv env;
    members::FamilyPanel panel;
    // Neither letter case nor accents split names apart; equal names keep
    // identifier order.
    const qint64 a = env.addMember(QStringLiteral("Zoe"), QStringLiteral("özdemir"));
    const qint64 b = env.addMember(QStringLiteral("Anna"), QStringLiteral("Zeller"));
    const qint64 c = env.addMember(QStringLiteral("Ben"), QStringLiteral("Özil"));
    const qint64 d = env.addMember(QStringLiteral("carl"), QStringLiteral("ackley"));
    const qint64 e = env.addMember(QStringLiteral("Carl"), QStringLiteral("Ackermann"));
    const qint64 f = env.addMember(QStringLiteral("Émile"), QStringLiteral("Zeller"));
    const qint64 g = env.addMember(QStringLiteral("anna"), QStringLiteral("zeller"));
    panel.reloadLists();
    auto* combo = test::control<QComboBox>(&panel, QStringLiteral("cmbMemberAdd"));
    QList<qint64> order;
    for (int i = 0; i < combo->count(); ++i)
        order << combo->itemData(i, Qt::UserRole).toLongLong();
    QCOMPARE(order, QList<qint64>({ e, d, a, c, b, g, f }));
    QCOMPARE(combo->itemText(0), QStringLiteral("Ackermann, Carl  "));
}

void TestFamilyPanel::choosingRow_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("head");
    QTest::addColumn<bool>("relativeBecameHead");
    QTest::addColumn<QString>("chosenPerson"); // empty: no choice
    QTest::addColumn<QString>("chosenRelationship");

    QTest::newRow("head's view names the connection") << "Harold" << true << false << "Wilma"
                                                      << "Wife";
    QTest::newRow("relative since made a head") << "Harold" << true << true << ""
                                                << "Wife";
    QTest::newRow("other view chooses nothing") << "Sam" << false << false << ""
                                                << "";
}

void TestFamilyPanel::choosingRow()
{
    QFETCH(QString, shown);
    QFETCH(bool, head);
    QFETCH(bool, relativeBecameHead);
    QFETCH(QString, chosenPerson);
    QFETCH(QString, chosenRelationship);
    Household h;
    if (relativeBecameHead) {
        h.env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1 WHERE ID = ?"), { h.ids["Wilma"] });
        h.panel.reloadLists();
    }
    h.show(shown, head);
    h.clickRow(1, false);
    QCOMPARE(h.grid()->currentIndex().row(), 1);
    QCOMPARE(selectedId(h.memberAdd()), chosenPerson.isEmpty() ? 0 : h.ids[chosenPerson]);
    QCOMPARE(h.relationship()->currentIndex() >= 0 ? h.relationship()->currentText() : QString(), chosenRelationship);
}

void TestFamilyPanel::openPerson()
{
    Household h;
    QSignalSpy opened(&h.panel, &members::FamilyPanel::openMemberRequested);
    h.show(QStringLiteral("Harold"), true);
    h.clickRow(1, true);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toLongLong(), h.ids["Wilma"]);

    // Enter on the current row does the same; in the other view it opens the head.
    h.show(QStringLiteral("Sam"), false);
    h.grid()->setFocus();
    h.grid()->setCurrentIndex(h.grid()->model()->index(0, 0));
    QTest::keyClick(h.grid(), Qt::Key_Return);
    QCOMPARE(opened.count(), 2);
    QCOMPARE(opened.at(1).at(0).toLongLong(), h.ids["Gertrude"]);

    // A connection whose person row is gone has no one to open.
    h.env.db().exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { h.ids["Gertrude"] });
    h.panel.loadFamilyMembers();
    QCOMPARE(h.cell(0, 0), QString());
    QCOMPARE(h.column(2), QStringList({ "Head of Household", "Head of Household" }));
    h.clickRow(0, true);
    QCOMPARE(opened.count(), 2);
}

void TestFamilyPanel::refusedWithoutEntryPermission_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("add") << "btnAddFamMember" << refusal::Save;
    QTest::newRow("remove") << "btnRemoveFamMember" << refusal::Remove;
}

void TestFamilyPanel::refusedWithoutEntryPermission()
{
    QFETCH(QString, button);
    QFETCH(QString, refusal);
    Household h;
    h.env.loginWithOnly(perm::MemberView);
    h.show(QStringLiteral("Harold"), true);
    h.choose(QStringLiteral("Wilma"), QStringLiteral("Sister"));
    const QStringList before = h.stored();

    QTest::mouseClick(h.button(button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(h.env.messages.count(), 1);
    QCOMPARE(h.env.messages.last().text, refusal);
    QCOMPARE(h.env.messages.last().title, QStringLiteral("Invalid Permission"));
    QCOMPARE(h.env.messages.last().icon, Icon::Warning);
    QVERIFY(!h.env.messages.last().question);
    QCOMPARE(h.stored(), before);
}

void TestFamilyPanel::requiredInfo_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("relationship");
    QTest::newRow("no person on screen") << ""
                                         << "Nora"
                                         << "Niece";
    QTest::newRow("no relative") << "Harold"
                                 << ""
                                 << "Niece";
    QTest::newRow("no relationship") << "Harold"
                                     << "Nora"
                                     << "";
}

void TestFamilyPanel::requiredInfo()
{
    QFETCH(QString, shown);
    QFETCH(QString, relative);
    QFETCH(QString, relationship);
    Household h;
    h.show(shown, true);
    h.choose(relative, relationship);
    const QStringList before = h.stored();
    QTest::mouseClick(h.button("btnAddFamMember"), Qt::LeftButton);
    QCOMPARE(h.env.messages.count(), 1);
    QCOMPARE(h.env.messages.last().text,
        QStringLiteral("You must have a current member, relative member, and relationship selected."));
    QCOMPARE(h.env.messages.last().title, QStringLiteral("Required Info"));
    QCOMPARE(h.env.messages.last().icon, Icon::None);
    QCOMPARE(h.stored(), before);
}

void TestFamilyPanel::remove_data()
{
    QTest::addColumn<QString>("relative"); // empty: none chosen
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("yes removes the pair")
        << "Wilma" << true << QStringList { "Harold>Son>Sam", "Gertrude>Grandson>Sam" };
    QTest::newRow("no keeps it") << "Wilma" << false
                                 << QStringList { "Harold>Wife>Wilma", "Harold>Son>Sam", "Gertrude>Grandson>Sam" };
    QTest::newRow("no relative chosen") << "" << true
                                        << QStringList { "Harold>Wife>Wilma", "Harold>Son>Sam",
                                               "Gertrude>Grandson>Sam" };
    QTest::newRow("pair not connected") << "Nora" << true
                                        << QStringList { "Harold>Wife>Wilma", "Harold>Son>Sam",
                                               "Gertrude>Grandson>Sam" };
}

void TestFamilyPanel::remove()
{
    QFETCH(QString, relative);
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    Household h;
    h.show(QStringLiteral("Harold"), true);
    h.choose(relative, QStringLiteral("Wife"));
    h.env.messages.answers = { yes ? Answer::Yes : Answer::No };
    QTest::mouseClick(h.button("btnRemoveFamMember"), Qt::LeftButton);

    QCOMPARE(h.env.messages.count(), 1);
    QCOMPARE(h.env.messages.last().text, QStringLiteral("Are you sure you want to remove the selected Relationship?"));
    QCOMPARE(h.env.messages.last().title, QStringLiteral("Remove Confirmation"));
    QVERIFY(h.env.messages.last().question);
    QCOMPARE(h.stored(), left);
    QCOMPARE(h.shownPeople().contains(QStringLiteral("Wilma")), left.contains(QStringLiteral("Harold>Wife>Wilma")));
    // The add controls keep their choices.
    QCOMPARE(selectedId(h.memberAdd()), relative.isEmpty() ? 0 : h.ids[relative]);
    QCOMPARE(h.relationship()->currentText(), QStringLiteral("Wife"));
}

void TestFamilyPanel::failedAddKeepsConnection()
{
    // Changing a relationship is one change: when the new row cannot be
    // written, the old one is still there and the error is shown.
    Household h;
    h.env.refuseChanges(QStringLiteral("Family_Connection"), QStringLiteral("INSERT"), QStringLiteral("no new rows"));
    h.show(QStringLiteral("Harold"), true);
    h.choose(QStringLiteral("Wilma"), QStringLiteral("Sister"));
    QTest::mouseClick(h.button("btnAddFamMember"), Qt::LeftButton);
    QCOMPARE(h.env.messages.count(), 1);
    QCOMPARE(h.env.messages.last().title, QStringLiteral("Pewlark"));
    QVERIFY(h.env.messages.last().text.contains(QStringLiteral("no new rows")));
    QVERIFY(h.stored().contains(QStringLiteral("Harold>Wife>Wilma")));
    QCOMPARE(h.relationship()->currentText(), QStringLiteral("Sister")); // the choice is kept
}

QTEST_MAIN(TestFamilyPanel)
#include "tst_familypanel.moc"
