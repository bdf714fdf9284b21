#include "Screens.h"

#include "admin/Screens.h"
#include "app/Permissions.h"
#include "data/Sql.h"
#include "members/Screens.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

using namespace pw;
using test::control;

namespace {

// An office with an "Admin" logged in, the program's screens registered, and
// a few people: Ann Able and Bob Baker teach, Cy Cole leads a care group.
struct Office : test::MainWindowFixture {
    qint64 admin = 0, ann = 0, bob = 0, cy = 0;

    Office()
    {
        admin::registerScreens(*main.workspace());
        members::registerScreens(*main.workspace());
        admin = env.addMember(QStringLiteral("Ada"), QStringLiteral("Office"));
        ann = env.addMember(QStringLiteral("Ann"), QStringLiteral("Able"));
        bob = env.addMember(QStringLiteral("Bob"), QStringLiteral("Baker"));
        cy = env.addMember(QStringLiteral("Cy"), QStringLiteral("Cole"));
        env.loginAs(admin, QStringLiteral("Admin"), QStringLiteral("admin"));
        main.show();
    }

    qint64 addClass(const QString& table, const QString& name, qint64 teacher = 0, qint64 assistant = 0)
    {
        return env.db().insert(QStringLiteral("INSERT INTO %1 (Name, Description, Teacher, Asst_Teacher, Location, "
                                              "Notes) VALUES (?, 'About it', ?, ?, 'Room 1', '')")
                                   .arg(table)
                + sql::returningId(),
            { name, sql::id(teacher), sql::id(assistant) });
    }
    qint64 addGroup(qint64 leader, qint64 assistant = 0, qint64 ssClass = 0)
    {
        return env.db().insert(QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, "
                                              "Sunday_School_Class, Notes) VALUES (?, ?, ?, '')")
                + sql::returningId(),
            { sql::id(leader), sql::id(assistant), sql::id(ssClass) });
    }
    QVariant value(const QString& sqlText, const QVariantList& params = {}) { return env.db().scalar(sqlText, params); }
    void pick(QWidget* screen, const char* list, const QString& text)
    {
        auto* combo = control<QComboBox>(screen, list);
        const int row = combo->findText(text);
        QVERIFY2(row >= 0, qPrintable(text));
        combo->setCurrentIndex(row);
    }
    void pickId(QWidget* screen, const char* list, qint64 id)
    {
        if (!test::chooseId(control<QComboBox>(screen, list), id))
            QFAIL("no such entry");
    }
    void click(QWidget* screen, const char* button)
    {
        test::click(screen, button);
        test::deleteClosed();
    }
    // Types into the editable name list as a user would: over whatever it shows.
    void typeName(QWidget* screen, const QString& text)
    {
        QLineEdit* edit = control<QComboBox>(screen, "cmbName")->lineEdit();
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

const QString kSS = QStringLiteral("Sunday_School");

} // namespace

class TestListEditor : public QObject {
    Q_OBJECT
private slots:
    void classScreensAddThenEdit_data();
    void classScreensAddThenEdit();
    void nameOrLeaderRequired_data();
    void nameOrLeaderRequired();
    void pickingShowsTheRowAndClearsMissingLinks();
    void careGroupStoresEmptyLinksAsNull_data();
    void careGroupStoresEmptyLinksAsNull();
    void responsibilityLookUp_data();
    void responsibilityLookUp();
    void responsibilityTypedInOtherCaseIsRenamedWithItsHolders();
    void newResponsibilityIsAdded();
    void unsavedChangesBeforePicking_data();
    void unsavedChangesBeforePicking();
    void anotherWorkstationChangedTheClass_data();
    void anotherWorkstationChangedTheClass();
    void classRemovedMeanwhileIsNotSaved();
    void memberScreenFollowsTheSave();
    void deaconInOtherCaseStillClearsAssignments();
};

void TestListEditor::classScreensAddThenEdit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Sunday School") << "frmSSClassEntry" << kSS << "Sunday School Class Entry/Edit";
    QTest::newRow("Discipleship Training") << "frmDTClassEntry"
                                           << "Discipleship_Training"
                                           << "Discipleship Training Class Entry/Edit";
    QTest::newRow("Wednesday Night") << "frmWedClassEntry"
                                     << "Wednesday_Night"
                                     << "Wednesday Night Class Entry/Edit";
}

// Adding leaves the pick empty; the empty teacher entry stores Null; picking
// the class and changing its name renames it rather than adding another.
void TestListEditor::classScreensAddThenEdit()
{
    QFETCH(QString, window);
    QFETCH(QString, table);
    QFETCH(QString, caption);
    Office o;
    const qint64 other = o.addClass(table, QStringLiteral("Seniors"), o.bob);
    QWidget* s = o.open(window);
    QCOMPARE(s->windowTitle(), caption);
    QCOMPARE(control<QComboBox>(s, "cmbName")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>(s, "cmbTeacher")->itemText(0), QString());
    QSignalSpy lookups(o.main.workspace(), &Workspace::lookupsChanged);

    control<QLineEdit>(s, "txtName")->setText(QStringLiteral("Young Adults"));
    control<QLineEdit>(s, "txtDescription")->setText(QStringLiteral("Ages 18 to 30"));
    o.pickId(s, "cmbAsstTeacher", o.ann);
    control<QLineEdit>(s, "txtLocation")->setText(QStringLiteral("Room 4"));
    control<QPlainTextEdit>(s, "txtNotes")->setPlainText(QStringLiteral("Meets at 9:45"));
    o.click(s, "btnSave");
    QVERIFY(!o.isOpen(window));
    QCOMPARE(lookups.count(), 1);
    QCOMPARE(o.main.statusBar()->currentMessage(), QStringLiteral("Saved Young Adults."));
    const qint64 id = o.value(QStringLiteral("SELECT ID FROM %1 WHERE Name = 'Young Adults'").arg(table)).toLongLong();
    QVERIFY(id > 0);
    QSqlQuery row = o.env.db().exec(
        QStringLiteral("SELECT Description, Teacher, Asst_Teacher, Location, Notes FROM %1 WHERE ID = ?").arg(table),
        { id });
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("Ages 18 to 30"));
    QVERIFY(row.value(1).isNull());
    QCOMPARE(row.value(2).toLongLong(), o.ann);
    QCOMPARE(row.value(3).toString(), QStringLiteral("Room 4"));
    QCOMPARE(row.value(4).toString(), QStringLiteral("Meets at 9:45"));

    s = o.open(window);
    o.pick(s, "cmbName", QStringLiteral("Young Adults"));
    QCOMPARE(control<QLineEdit>(s, "txtName")->text(), QStringLiteral("Young Adults"));
    QCOMPARE(control<QComboBox>(s, "cmbAsstTeacher")->currentText(), QStringLiteral("Able, Ann "));
    control<QLineEdit>(s, "txtName")->setText(QStringLiteral("Young Couples"));
    o.pickId(s, "cmbTeacher", o.cy);
    o.click(s, "btnSave");
    QCOMPARE(o.value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 2);
    QCOMPARE(o.value(QStringLiteral("SELECT Name FROM %1 WHERE ID = ?").arg(table), { id }).toString(),
        QStringLiteral("Young Couples"));
    QCOMPARE(o.value(QStringLiteral("SELECT Teacher FROM %1 WHERE ID = ?").arg(table), { id }).toLongLong(), o.cy);
    QCOMPARE(o.value(QStringLiteral("SELECT Teacher FROM %1 WHERE ID = ?").arg(table), { other }).toLongLong(), o.bob);
    QCOMPARE(o.env.messages.count(), 0);
}

void TestListEditor::nameOrLeaderRequired_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("class") << "frmWedClassEntry"
                           << "Name is Required."
                           << "txtName";
    QTest::newRow("care group") << "frmCGClassEntry"
                                << "Leader is Required."
                                << "cmbTeacher";
    QTest::newRow("responsibility") << "frmResponsibilityEntry"
                                    << "Name is Required."
                                    << "cmbName";
}

void TestListEditor::nameOrLeaderRequired()
{
    QFETCH(QString, window);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Office o;
    QWidget* s = o.open(window);
    QVERIFY(QTest::qWaitForWindowExposed(&o.main));
    o.main.activateWindow();
    // Everything but the required value is filled in.
    if (auto* notes = s->findChild<QPlainTextEdit*>(QStringLiteral("txtNotes")))
        notes->setPlainText(QStringLiteral("Something"));
    if (auto* desc = s->findChild<QLineEdit*>(QStringLiteral("txtDescription")))
        desc->setText(QStringLiteral("Something"));
    if (s->findChild<QComboBox*>(QStringLiteral("cmbAsstTeacher")))
        o.pickId(s, "cmbAsstTeacher", o.bob);
    const int before = o.value(QStringLiteral("SELECT (SELECT COUNT(*) FROM Wednesday_Night) + (SELECT COUNT(*) "
                                              "FROM Care_Group) + (SELECT COUNT(*) FROM Responsibilities)"))
                           .toInt();
    o.click(s, "btnSave");
    QVERIFY(o.isOpen(window));
    QCOMPARE(o.env.messages.count(), 1);
    QCOMPARE(o.env.messages.last().text, message);
    QCOMPARE(o.env.messages.last().title, QStringLiteral("Required Fields"));
    QCOMPARE(o.env.messages.last().icon, Icon::None);
    QCOMPARE(o.value(QStringLiteral("SELECT (SELECT COUNT(*) FROM Wednesday_Night) + (SELECT COUNT(*) FROM "
                                    "Care_Group) + (SELECT COUNT(*) FROM Responsibilities)"))
                 .toInt(),
        before);
    QTRY_VERIFY(control<QWidget>(s, qPrintable(focus))->hasFocus());
}

// A class without teacher or assistant, and a group without assistant or
// class, show the empty entry rather than the previous pick's person.
void TestListEditor::pickingShowsTheRowAndClearsMissingLinks()
{
    Office o;
    o.addClass(kSS, QStringLiteral("Adults"), o.ann, o.bob);
    o.addClass(kSS, QStringLiteral("Babies"));
    const qint64 adults = o.value(QStringLiteral("SELECT ID FROM Sunday_School WHERE Name = 'Adults'")).toLongLong();
    o.addGroup(o.ann, o.bob, adults);
    o.addGroup(o.cy);

    QWidget* s = o.open(QStringLiteral("frmSSClassEntry"));
    o.pick(s, "cmbName", QStringLiteral("Adults"));
    QCOMPARE(control<QComboBox>(s, "cmbTeacher")->currentText(), QStringLiteral("Able, Ann "));
    QCOMPARE(control<QLineEdit>(s, "txtLocation")->text(), QStringLiteral("Room 1"));
    o.pick(s, "cmbName", QStringLiteral("Babies"));
    QCOMPARE(control<QComboBox>(s, "cmbTeacher")->currentIndex(), 0);
    QCOMPARE(control<QComboBox>(s, "cmbAsstTeacher")->currentIndex(), 0);

    QWidget* g = o.open(QStringLiteral("frmCGClassEntry"));
    auto* groups = control<QComboBox>(g, "cmbName");
    QCOMPARE(groups->itemText(0), QStringLiteral("Able, Ann"));
    QCOMPARE(groups->itemText(1), QStringLiteral("Cole, Cy"));
    QCOMPARE(control<QComboBox>(g, "cmbSSClass")->itemText(0), QString());
    o.pick(g, "cmbName", QStringLiteral("Able, Ann"));
    QCOMPARE(control<QComboBox>(g, "cmbSSClass")->currentText(), QStringLiteral("Adults"));
    QCOMPARE(control<QComboBox>(g, "cmbAsstTeacher")->currentText(), QStringLiteral("Baker, Bob "));
    o.pick(g, "cmbName", QStringLiteral("Cole, Cy"));
    QCOMPARE(control<QComboBox>(g, "cmbTeacher")->currentText(), QStringLiteral("Cole, Cy "));
    QCOMPARE(control<QComboBox>(g, "cmbAsstTeacher")->currentIndex(), 0);
    QCOMPARE(control<QComboBox>(g, "cmbSSClass")->currentIndex(), 0);
    QCOMPARE(o.env.messages.count(), 0);
}

void TestListEditor::careGroupStoresEmptyLinksAsNull_data()
{
    QTest::addColumn<bool>("withAssistant");
    QTest::addColumn<bool>("withClass");
    QTest::newRow("leader only") << false << false;
    QTest::newRow("assistant, no class") << true << false;
    QTest::newRow("class, no assistant") << false << true;
}

// The class list's empty entry lets a class once chosen be emptied again.
void TestListEditor::careGroupStoresEmptyLinksAsNull()
{
    QFETCH(bool, withAssistant);
    QFETCH(bool, withClass);
    Office o;
    const qint64 adults = o.addClass(kSS, QStringLiteral("Adults"));
    const qint64 group = o.addGroup(o.cy, o.ann, adults);
    QWidget* g = o.open(QStringLiteral("frmCGClassEntry"));
    o.pickId(g, "cmbName", group);
    o.pickId(g, "cmbTeacher", o.bob);
    if (!withAssistant)
        control<QComboBox>(g, "cmbAsstTeacher")->setCurrentIndex(0);
    if (!withClass)
        control<QComboBox>(g, "cmbSSClass")->setCurrentIndex(0);
    o.click(g, "btnSave");
    QCOMPARE(o.env.messages.count(), 0);
    QSqlQuery row = o.env.db().exec(
        QStringLiteral("SELECT Group_Leader, Asst_Group_Leader, Sunday_School_Class FROM Care_Group WHERE ID = ?"),
        { group });
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toLongLong(), o.bob);
    QCOMPARE(row.value(1).isNull(), !withAssistant);
    QCOMPARE(row.value(2).isNull(), !withClass);
    QCOMPARE(o.value(QStringLiteral("SELECT COUNT(*) FROM Care_Group")).toInt(), 1);
}

void TestListEditor::responsibilityLookUp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("description");
    QTest::newRow("the whole name") << "Usher"
                                    << "Greets people at the door";
    QTest::newRow("other letter case") << "uSHER"
                                       << "Greets people at the door";
    QTest::newRow("part of the name") << "Ush"
                                      << "";
    QTest::newRow("a new name") << "Greeter"
                                << "";
    QTest::newRow("an apostrophe") << "Nursery Worker's Aide"
                                   << "Helps in the nursery";
}

// The description follows every keystroke; a new or partial name shows none,
// also after an existing one was shown.
void TestListEditor::responsibilityLookUp()
{
    QFETCH(QString, typed);
    QFETCH(QString, description);
    Office o;
    o.env.db().exec(QStringLiteral("INSERT INTO Responsibilities VALUES ('Usher', 'Greets people at the door'), "
                                   "('Nursery Worker''s Aide', 'Helps in the nursery')"));
    QWidget* s = o.open(QStringLiteral("frmResponsibilityEntry"));
    auto* names = control<QComboBox>(s, "cmbName");
    QCOMPARE(names->count(), 3);
    o.pick(s, "cmbName", QStringLiteral("Deacon"));
    QCOMPARE(
        control<QLineEdit>(s, "txtDescription")->text(), QStringLiteral("Serves the congregation and its families"));
    o.typeName(s, typed);
    QCOMPARE(control<QLineEdit>(s, "txtDescription")->text(), description);
    QCOMPARE(o.env.messages.count(), 0);
}

// Found in other letter case, the responsibility takes the typed spelling,
// and the people holding it keep showing it on the member screen.
void TestListEditor::responsibilityTypedInOtherCaseIsRenamedWithItsHolders()
{
    Office o;
    o.env.db().exec(QStringLiteral("INSERT INTO Responsibilities VALUES ('usher', 'Another spelling')"));
    o.env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Deacon', '2020-01-01', "
                                   "'2020-12-31'), (?, 'Deacon', '2021-01-01', '2021-12-31'), (?, 'usher', "
                                   "'2021-01-01', '2021-12-31')"),
        { o.ann, o.bob, o.cy });
    QWidget* s = o.open(QStringLiteral("frmResponsibilityEntry"));
    o.typeName(s, QStringLiteral("DEACON"));
    QCOMPARE(
        control<QLineEdit>(s, "txtDescription")->text(), QStringLiteral("Serves the congregation and its families"));
    QVERIFY(s->windowTitle().endsWith(QLatin1Char('*'))); // a new spelling is a change
    control<QLineEdit>(s, "txtDescription")->setText(QStringLiteral("Serves the families"));
    o.click(s, "btnSave");
    QCOMPARE(o.env.messages.count(), 0);
    QCOMPARE(o.env.db().texts(QStringLiteral("SELECT Name || '=' || Description FROM Responsibilities ORDER BY Name")),
        QStringList({ "DEACON=Serves the families", "usher=Another spelling" }));
    QCOMPARE(o.env.db().texts(QStringLiteral("SELECT Responsibility FROM Member_Responsibility ORDER BY Member_ID")),
        QStringList({ "DEACON", "DEACON", "usher" }));
}

void TestListEditor::newResponsibilityIsAdded()
{
    Office o;
    QWidget* s = o.open(QStringLiteral("frmResponsibilityEntry"));
    QSignalSpy lookups(o.main.workspace(), &Workspace::lookupsChanged);
    o.typeName(s, QStringLiteral("  Greeter "));
    control<QLineEdit>(s, "txtDescription")->setText(QStringLiteral("Welcomes visitors"));
    o.click(s, "btnSave");
    QVERIFY(!o.isOpen(QStringLiteral("frmResponsibilityEntry")));
    QCOMPARE(lookups.count(), 1);
    QCOMPARE(o.value(QStringLiteral("SELECT Description FROM Responsibilities WHERE Name = 'Greeter'")).toString(),
        QStringLiteral("Welcomes visitors"));
    QCOMPARE(o.value(QStringLiteral("SELECT COUNT(*) FROM Responsibilities")).toInt(), 2);
}

void TestListEditor::unsavedChangesBeforePicking_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("class: save") << "frmSSClassEntry"
                                 << "Save"
                                 << "Seniors"
                                 << "Changed";
    QTest::newRow("class: discard") << "frmSSClassEntry"
                                    << "Discard"
                                    << "Seniors"
                                    << "About it";
    QTest::newRow("class: cancel") << "frmSSClassEntry"
                                   << "Cancel"
                                   << "Adults"
                                   << "About it";
    QTest::newRow("responsibility: save") << "frmResponsibilityEntry"
                                          << "Save"
                                          << "Usher"
                                          << "Changed";
    QTest::newRow("responsibility: cancel") << "frmResponsibilityEntry"
                                            << "Cancel"
                                            << "Deacon"
                                            << "Serves the congregation and its families";
}

// Picking another entry while this one has unsaved changes asks first; Cancel
// goes back to the entry shown, with the changes.
void TestListEditor::unsavedChangesBeforePicking()
{
    QFETCH(QString, window);
    QFETCH(QString, answer);
    QFETCH(QString, shownAfter);
    QFETCH(QString, storedAfter);
    Office o;
    o.addClass(kSS, QStringLiteral("Adults"));
    o.addClass(kSS, QStringLiteral("Seniors"));
    o.env.db().exec(QStringLiteral("INSERT INTO Responsibilities VALUES ('Usher', 'Greets')"));
    const bool classes = window == QLatin1String("frmSSClassEntry");
    const QString first = classes ? QStringLiteral("Adults") : QStringLiteral("Deacon");
    const QString second = classes ? QStringLiteral("Seniors") : QStringLiteral("Usher");
    QWidget* s = o.open(window);
    o.pick(s, "cmbName", first);
    QCOMPARE(s->windowTitle().endsWith(QLatin1Char('*')), false);
    control<QLineEdit>(s, "txtDescription")->setText(QStringLiteral("Changed"));
    QVERIFY(s->windowTitle().endsWith(QLatin1Char('*')));
    o.env.messages.choices = QStringList { answer };
    o.pick(s, "cmbName", second);
    QCOMPARE(o.env.messages.count(), 1);
    QCOMPARE(o.env.messages.last().text, QStringLiteral("Save changes to %1?").arg(first));
    QCOMPARE(control<QComboBox>(s, "cmbName")->currentText(), shownAfter);
    const QString stored = classes
        ? o.value(QStringLiteral("SELECT Description FROM Sunday_School WHERE Name = ?"), { first }).toString()
        : o.value(QStringLiteral("SELECT Description FROM Responsibilities WHERE Name = ?"), { first }).toString();
    QCOMPARE(stored, storedAfter);
    const bool cancelled = answer == QLatin1String("Cancel");
    QCOMPARE(control<QLineEdit>(s, "txtDescription")->text(),
        cancelled ? QStringLiteral("Changed") : (classes ? QStringLiteral("About it") : QStringLiteral("Greets")));
    QCOMPARE(s->windowTitle().endsWith(QLatin1Char('*')), cancelled);
}

void TestListEditor::anotherWorkstationChangedTheClass_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("closed");
    QTest::newRow("keep theirs") << "Keep theirs"
                                 << "Theirs" << true;
    QTest::newRow("keep mine") << "Keep mine"
                               << "Mine" << true;
    QTest::newRow("cancel") << "Cancel"
                            << "Theirs" << false;
}

// A value another workstation changed meanwhile stays unless this user
// changed it too; then the user decides.
void TestListEditor::anotherWorkstationChangedTheClass()
{
    QFETCH(QString, answer);
    QFETCH(QString, description);
    QFETCH(bool, closed);
    Office o;
    const qint64 id = o.addClass(kSS, QStringLiteral("Adults"), o.ann);
    QWidget* s = o.open(QStringLiteral("frmSSClassEntry"));
    o.pickId(s, "cmbName", id);
    o.env.db().exec(QStringLiteral("UPDATE Sunday_School SET Description = 'Theirs', Location = 'Hall', "
                                   "Teacher = ? WHERE ID = ?"),
        { o.bob, id });
    control<QLineEdit>(s, "txtDescription")->setText(QStringLiteral("Mine"));
    control<QPlainTextEdit>(s, "txtNotes")->setPlainText(QStringLiteral("My notes"));
    o.env.messages.choices = QStringList { answer };
    o.click(s, "btnSave");
    QCOMPARE(o.env.messages.count(), 1);
    QCOMPARE(o.env.messages.last().text,
        QStringLiteral("While you were editing this class, another user changed the same field at another "
                       "workstation: \"Desc.\".\n\nKeep their values, keep yours, or cancel the save?"));
    QCOMPARE(o.env.messages.last().buttons, QStringList({ "Keep theirs", "Keep mine", "Cancel" }));
    QSqlQuery row = o.env.db().exec(
        QStringLiteral("SELECT Description, Location, Teacher, Notes FROM Sunday_School WHERE ID = ?"), { id });
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), description);
    QCOMPARE(row.value(1).toString(), QStringLiteral("Hall")); // theirs alone: kept
    QCOMPARE(row.value(2).toLongLong(), o.bob);
    QCOMPARE(row.value(3).toString(), closed ? QStringLiteral("My notes") : QString());
    QCOMPARE(!o.isOpen(QStringLiteral("frmSSClassEntry")), closed);
}

void TestListEditor::classRemovedMeanwhileIsNotSaved()
{
    Office o;
    const qint64 id = o.addClass(kSS, QStringLiteral("Adults"));
    QWidget* s = o.open(QStringLiteral("frmSSClassEntry"));
    o.pickId(s, "cmbName", id);
    o.env.db().exec(QStringLiteral("DELETE FROM Sunday_School WHERE ID = ?"), { id });
    control<QLineEdit>(s, "txtName")->setText(QStringLiteral("Adults II"));
    o.click(s, "btnSave");
    QCOMPARE(o.env.messages.count(), 1);
    QCOMPARE(o.env.messages.last().text,
        QStringLiteral("This class no longer exists in the database, so the changes could not be saved."));
    QCOMPARE(o.value(QStringLiteral("SELECT COUNT(*) FROM Sunday_School")).toInt(), 0);
    QVERIFY(o.isOpen(QStringLiteral("frmSSClassEntry")));
    QCOMPARE(control<QLineEdit>(s, "txtName")->text(), QStringLiteral("Adults II"));
}

// The member screen's lists follow a save while it shows a person, and the
// person's choices stay.
void TestListEditor::memberScreenFollowsTheSave()
{
    Office o;
    const qint64 adults = o.addClass(kSS, QStringLiteral("Adults"));
    o.env.db().exec(QStringLiteral("UPDATE Member SET Sunday_School_Class = ? WHERE ID = ?"), { adults, o.ann });
    QWidget* member = o.open(QStringLiteral("frmMemberEntry"));
    o.pickId(member, "cmbMember", o.ann);
    QCOMPARE(control<QComboBox>(member, "cmbSSClass")->currentText(), QStringLiteral("Adults"));

    QWidget* s = o.open(QStringLiteral("frmSSClassEntry"));
    control<QLineEdit>(s, "txtName")->setText(QStringLiteral("Beginners"));
    o.click(s, "btnSave");
    auto* classes = control<QComboBox>(member, "cmbSSClass");
    QVERIFY(classes->findText(QStringLiteral("Beginners")) >= 0);
    QVERIFY(control<QComboBox>(member, "cmbProspectSSClass")->findText(QStringLiteral("Beginners")) >= 0);
    QCOMPARE(classes->currentText(), QStringLiteral("Adults"));

    QWidget* g = o.open(QStringLiteral("frmCGClassEntry"));
    o.pickId(g, "cmbTeacher", o.bob);
    o.click(g, "btnSave");
    QVERIFY(control<QComboBox>(member, "cmbCareGroup")->findText(QStringLiteral("Baker, Bob")) >= 0);
    QCOMPARE(o.env.messages.count(), 0);
}

// After "Deacon" was respelled "deacon", removing it from a member still asks
// the deacon question and clears the member as assigned deacon.
void TestListEditor::deaconInOtherCaseStillClearsAssignments()
{
    Office o;
    o.env.db().exec(
        QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Deacon', '2020-01-01', '2030-12-31')"), { o.cy });
    o.env.db().exec(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID IN (?, ?)"), { o.cy, o.ann, o.bob });
    QWidget* s = o.open(QStringLiteral("frmResponsibilityEntry"));
    o.typeName(s, QStringLiteral("deacon"));
    o.click(s, "btnSave");
    QCOMPARE(o.value(QStringLiteral("SELECT Responsibility FROM Member_Responsibility")).toString(),
        QStringLiteral("deacon"));

    QWidget* member = o.open(QStringLiteral("frmMemberEntry"));
    o.pickId(member, "cmbMember", o.cy);
    auto* grid = control<QTableView>(member, "vsfgChurchResponsibilites");
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("deacon"));
    grid->setCurrentIndex(grid->model()->index(0, 0));
    o.click(member, "btnRemoveResp");
    QCOMPARE(o.env.messages.count(), 2);
    QCOMPARE(o.env.messages.last().title, QStringLiteral("Deacon Removal"));
    QCOMPARE(o.value(QStringLiteral("SELECT COUNT(*) FROM Member WHERE DeaconID IS NOT NULL")).toInt(), 0);
    QCOMPARE(o.value(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility")).toInt(), 0);
}

QTEST_MAIN(TestListEditor)
#include "tst_listeditor.moc"
