#include "Outreach.h"
#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "outreach/Screens.h"
#include "outreach/frmProspectContactEntry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

using namespace pw;
using outreach::frmProspectContactEntry;
using test::TestEnv;

namespace {

// Identifiers far beyond 16 and 32 bits.
constexpr qint64 kPat = 3000000001LL; // in phase "Welcome Letter" (order 2, action Letter, 1 week)
constexpr qint64 kQuinn = 3000000002LL; // in no phase
constexpr qint64 kCara = 3000000003LL; // in the last phase, "Class Invitation" (Card, 4 weeks)
constexpr qint64 kAnn = 3000000011LL;
constexpr qint64 kBob = 3000000012LL;
constexpr qint64 kWithBob = 5000000001LL; // Pat, Letter, Ann and Bob, Interested
constexpr qint64 kAlone = 5000000002LL; // Pat, Phone Call, Ann alone
constexpr qint64 kForeign = 5000000003LL; // Pat, an action and a rating no list holds
const QDate kToday(2026, 3, 15); // the fake clock's day

using test::orNull;

// The contact screen in a workspace, with an "Admin" clerk logged in and a
// few prospects and visitors.
struct Desk : test::WorkspaceFixture {
    QPointer<frmProspectContactEntry> form;

    Desk()
    {
        env.loginAs(env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk")), QStringLiteral("Admin"));
        outreach::registerScreens(ws);
        person(kPat, "Pat", "Pearson", "Welcome Letter");
        person(kQuinn, "Quinn", "Quill", "");
        person(kCara, "Cara", "Cole", "Class Invitation");
        person(kAnn, "Ann", "Lee", "");
        person(kBob, "Bob", "Stone", "");
        contact(kWithBob, "2026-03-01", "Letter", kBob, "Interested");
        contact(kAlone, "2026-03-08", "Phone Call", 0, "Undecided");
        contact(kForeign, "2026-03-09", "Smoke Signal", kBob, "Lukewarm");
        area.resize(1000, 800);
    }

    void person(qint64 id, const char* first, const char* last, const char* phase)
    {
        env.db().exec(QStringLiteral("INSERT INTO Member (ID, Status, First_Name, Middle_Name, Last_Name, Gender, "
                                     "Prospect_Phase) VALUES (?, 'Prospect', ?, '', ?, 'Unknown', ?)"),
            { id, QString::fromUtf8(first), QString::fromUtf8(last),
                *phase ? QVariant(QString::fromUtf8(phase)) : QVariant() });
    }
    void contact(qint64 id, const char* date, const char* action, qint64 visitor2, const char* rating)
    {
        env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (ID, Prospect_ID, Contact_Date, Action, Type, "
                                     "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, 'Visit', ?, ?, ?, "
                                     "'Stored notes')"),
            { id, kPat, QString::fromLatin1(date), QString::fromUtf8(action), kAnn,
                visitor2 ? QVariant(visitor2) : QVariant(), QString::fromUtf8(rating) });
    }

    frmProspectContactEntry* open()
    {
        form = qobject_cast<frmProspectContactEntry*>(ws.open(QStringLiteral("frmProspectContactEntry")));
        area.show();
        return form;
    }
    template <class T> T* control(const char* name) { return test::control<T>(form, name); }
    QComboBox* combo(const char* name) { return control<QComboBox>(name); }

    static bool choose(QComboBox* combo, const QString& text) { return test::chooseText(combo, text); }
    void fillContact()
    {
        QVERIFY(selectById(combo("cmbProspect"), kPat));
        QVERIFY(choose(combo("cmbAction"), QStringLiteral("Letter")));
        control<QLineEdit>("txtType")->setText(QStringLiteral("Visit"));
        QVERIFY(selectById(combo("cmbVisitor1"), kAnn));
        QVERIFY(selectById(combo("cmbVisitor2"), kBob));
        QVERIFY(choose(combo("cmbRating"), QStringLiteral("Interested")));
        control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Came to the door; it's fine"));
    }
    void save() { test::click(form, "btnSave"); }

    // What the three next-step fields show: "phase|date|action", "-" for no choice.
    QString proposal()
    {
        auto shown = [](QComboBox* c) { return c->currentIndex() < 0 ? QStringLiteral("-") : c->currentText(); };
        return QStringList { shown(combo("cmbNextPhase")),
            control<QDateEdit>("dtNextContactDate")->date().toString(Qt::ISODate),
            shown(combo("cmbNextContactAction")) }
            .join(QLatin1Char('|'));
    }
    // The prospect's stored next step, "~" for Null.
    QString step(qint64 id) { return test::nextStepOf(env.db(), id); }
    // A stored contact: prospect, date, action, type, visitors, rating, notes.
    QString contactRow(qint64 id)
    {
        QSqlQuery q = env.db().exec(QStringLiteral("SELECT Prospect_ID, Contact_Date, Action, Type, Visitor1, "
                                                   "Visitor2, Rating, Notes FROM Prospect_Contact WHERE ID = ?"),
            { id });
        if (!q.next())
            return QStringLiteral("(gone)");
        QStringList cells;
        for (int i = 0; i < 8; ++i)
            cells << orNull(q.value(i));
        return cells.join(QLatin1Char('|'));
    }
    qint64 newestContact()
    {
        return env.db().scalar(QStringLiteral("SELECT MAX(ID) FROM Prospect_Contact")).toLongLong();
    }
    int contacts() { return env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact")).toInt(); }
    // A phase whose action is not one of the contact actions (the table is
    // not tied to that list).
    void foreignNextAction()
    {
        env.db().exec(
            QStringLiteral("UPDATE Outreach_Phase SET Action = 'Smoke Signal' WHERE Phase = 'Follow-Up Call'"));
    }
    bool isCleared()
    {
        return control<QLineEdit>("txtID")->text().isEmpty() && combo("cmbProspect")->currentIndex() < 0
            && combo("cmbAction")->currentIndex() < 0 && combo("cmbVisitor1")->currentIndex() < 0
            && combo("cmbRating")->currentIndex() < 0 && combo("cmbNextPhase")->currentIndex() < 0
            && control<QPlainTextEdit>("txtNotes")->toPlainText().isEmpty()
            && control<QLineEdit>("txtType")->text().isEmpty() && control<QDateEdit>("dtDate")->date() == kToday
            && control<QDateEdit>("dtNextContactDate")->date() == kToday;
    }
};

} // namespace

class TestContactEntry : public QObject {
    Q_OBJECT
private slots:
    void proposal_data();
    void proposal();
    void save_data();
    void save();
    void requiredFields_data();
    void requiredFields();
    void loadContact_data();
    void loadContact();
    void loadContactThatIsGone();
    void saveOverDeletedContact();
    void failedProspectUpdateLeavesBothRows_data();
    void failedProspectUpdateLeavesBothRows();
    void anotherWorkstationEditedTheContact_data();
    void anotherWorkstationEditedTheContact();
    void anotherWorkstationMovedTheProspect_data();
    void anotherWorkstationMovedTheProspect();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void permissionTestedAgainAtSave();
};

void TestContactEntry::proposal_data()
{
    QTest::addColumn<bool>("foreignAction"); // the next phase's action is no contact action
    QTest::addColumn<QString>("script"); // what the user does, in order
    QTest::addColumn<QString>("shown"); // next phase | next contact date | next action

    QTest::newRow("nothing chosen: today, nothing proposed") << false << ""
                                                             << "-|2026-03-15|-";
    QTest::newRow("date before an action proposes nothing") << false << "prospect=Pat;date=2026-04-01"
                                                            << "-|2026-03-15|-";
    QTest::newRow("action without a prospect proposes nothing") << false << "action=Letter"
                                                                << "-|2026-03-15|-";
    QTest::newRow("the phase's action moves on") << false << "prospect=Pat;action=Letter"
                                                 << "Follow-Up Call|2026-03-22|Phone Call";
    QTest::newRow("another action stays in the phase") << false << "prospect=Pat;action=Card"
                                                       << "Welcome Letter|2026-03-22|Letter";
    QTest::newRow("a later date after the action") << false << "prospect=Pat;action=Letter;date=2026-04-01"
                                                   << "Follow-Up Call|2026-04-08|Phone Call";
    QTest::newRow("changing the action again") << false << "prospect=Pat;action=Letter;action=Card"
                                               << "Welcome Letter|2026-03-22|Letter";
    QTest::newRow("prospect chosen after the action") << false << "action=Letter;prospect=Pat"
                                                      << "Follow-Up Call|2026-03-22|Phone Call";
    QTest::newRow("another prospect, in no phase, starts at the first")
        << false << "prospect=Pat;action=Letter;prospect=Quinn"
        << "First Visit|2026-03-22|Home Visit";
    QTest::newRow("after the last phase the first again") << false << "prospect=Cara;action=Card"
                                                          << "First Visit|2026-04-12|Home Visit";
    QTest::newRow("a next action that is no contact action is shown")
        << true << "prospect=Pat;action=Letter"
        << "Follow-Up Call|2026-03-22|Smoke Signal (not in the list)";
    QTest::newRow("and goes again with the next proposal") << true << "prospect=Pat;action=Letter;action=Card"
                                                           << "Welcome Letter|2026-03-22|Letter";
}

void TestContactEntry::proposal()
{
    QFETCH(bool, foreignAction);
    QFETCH(QString, script);
    QFETCH(QString, shown);
    Desk d;
    if (foreignAction)
        d.foreignNextAction();
    d.open();
    const QHash<QString, qint64> people = { { "Pat", kPat }, { "Quinn", kQuinn }, { "Cara", kCara } };
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString what = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (what == QLatin1String("prospect"))
            QVERIFY(selectById(d.combo("cmbProspect"), people.value(value)));
        else if (what == QLatin1String("action"))
            QVERIFY(Desk::choose(d.combo("cmbAction"), value));
        else
            d.control<QDateEdit>("dtDate")->setDate(QDate::fromString(value, Qt::ISODate));
    }
    QCOMPARE(d.proposal(), shown);
    QCOMPARE(d.env.messages.count(), 0);
}

void TestContactEntry::save_data()
{
    QTest::addColumn<QString>("change"); // what the user changes after filling the contact in
    QTest::addColumn<QString>("stored"); // the new contact's row
    QTest::addColumn<QString>("step"); // the prospect's next step afterwards

    const QString withBob
        = QStringLiteral("3000000001|2026-03-15|Letter|Visit|3000000011|3000000012|Interested|Came to "
                         "the door; it's fine");
    QTest::newRow("the proposal as shown") << "" << withBob << "Follow-Up Call|2026-03-22|Phone Call";
    QTest::newRow("the empty Next Phase clears all three") << "empty phase" << withBob << "~|~|~";
    QTest::newRow("Visitor 2 taken away again stores Null")
        << "no second visitor"
        << "3000000001|2026-03-15|Letter|Visit|3000000011|~|Interested|Came to the door; it's fine"
        << "Follow-Up Call|2026-03-22|Phone Call";
    QTest::newRow("the user's own next step") << "own step" << withBob << "Pastor Visit|2026-05-01|Card";
    QTest::newRow("a next action no list holds is saved as it stands")
        << "foreign action" << withBob << "Follow-Up Call|2026-03-22|Smoke Signal";
}

void TestContactEntry::save()
{
    QFETCH(QString, change);
    QFETCH(QString, stored);
    QFETCH(QString, step);
    Desk d;
    if (change == QLatin1String("foreign action"))
        d.foreignNextAction();
    d.open();
    QSignalSpy saved(&d.ws, &Workspace::contactSaved);
    QSignalSpy status(&d.ws, &Workspace::statusChanged);
    d.fillContact();
    if (change == QLatin1String("empty phase")) {
        d.combo("cmbNextPhase")->setCurrentIndex(0);
    } else if (change == QLatin1String("no second visitor")) {
        d.combo("cmbVisitor2")->setCurrentIndex(0);
    } else if (change == QLatin1String("own step")) {
        QVERIFY(Desk::choose(d.combo("cmbNextPhase"), QStringLiteral("Pastor Visit")));
        d.control<QDateEdit>("dtNextContactDate")->setDate(QDate(2026, 5, 1));
        QVERIFY(Desk::choose(d.combo("cmbNextContactAction"), QStringLiteral("Card")));
    }
    const int before = d.contacts();
    d.save();

    QCOMPARE(d.env.messages.count(), 0);
    QCOMPARE(d.contacts(), before + 1);
    QCOMPARE(d.contactRow(d.newestContact()), stored);
    QCOMPARE(d.step(kPat), step);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(0).toLongLong(), kPat);
    QCOMPARE(status.last().at(0).toString(), QStringLiteral("Saved the contact with Pearson, Pat."));
    // Ready for the next contact, nothing unsaved.
    QVERIFY(d.isCleared());
    QCOMPARE(d.form->windowTitle(), QStringLiteral("Prospect Contact Entry/Edit"));
}

void TestContactEntry::requiredFields_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("prospect") << "cmbProspect";
    QTest::newRow("action") << "cmbAction";
    QTest::newRow("visitor 1") << "cmbVisitor1";
    QTest::newRow("rating") << "cmbRating";
}

void TestContactEntry::requiredFields()
{
    QFETCH(QString, missing);
    Desk d;
    d.open();
    QVERIFY(QTest::qWaitForWindowActive(&d.area));
    d.fillContact();
    d.combo(qPrintable(missing))->setCurrentIndex(-1);
    const QString before = d.step(kPat);
    const int contacts = d.contacts();
    d.save();
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().text, QStringLiteral("Prospect, Action, Visitor 1, and Rating are Required."));
    QCOMPARE(d.env.messages.last().title, QStringLiteral("Required Fields"));
    QCOMPARE(d.env.messages.last().icon, Icon::None);
    QCOMPARE(d.contacts(), contacts);
    QCOMPARE(d.step(kPat), before);
    // Everything typed stays, and the empty field has the focus.
    QCOMPARE(d.control<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("Came to the door; it's fine"));
    QTRY_VERIFY(d.combo(qPrintable(missing))->hasFocus());
}

void TestContactEntry::loadContact_data()
{
    QTest::addColumn<qint64>("first"); // shown before
    QTest::addColumn<qint64>("contact"); // then loaded
    QTest::addColumn<QString>("shown"); // action | visitor 2 | rating as the lists show them
    QTest::addColumn<QString>("proposal"); // the prospect's present step: a Null date shows today
    QTest::addColumn<QString>("stored"); // the contact after saving it unchanged
    QTest::addColumn<QString>("step"); // the prospect's next step afterwards

    // Pat is in "Welcome Letter" now, whatever the contact's time.
    QTest::newRow("an old contact neither rewinds nor advances the prospect")
        << qint64(0) << kWithBob << "Letter|Stone, Bob |Interested"
        << "Welcome Letter|2026-03-15|-"
        << "3000000001|2026-03-01|Letter|Visit|3000000011|3000000012|Interested|Stored notes"
        << "Welcome Letter|~|~";
    QTest::newRow("no second visitor clears the one shown before")
        << kWithBob << kAlone << "Phone Call||Undecided"
        << "Welcome Letter|2026-03-15|-"
        << "3000000001|2026-03-08|Phone Call|Visit|3000000011|~|Undecided|Stored notes"
        << "Welcome Letter|~|~";
    QTest::newRow("an action and a rating no list holds are shown, not the earlier choice")
        << kWithBob << kForeign << "Smoke Signal (not in the list)|Stone, Bob |Lukewarm (not in the list)"
        << "Welcome Letter|2026-03-15|-"
        << "3000000001|2026-03-09|Smoke Signal|Visit|3000000011|3000000012|Lukewarm|Stored notes"
        << "Welcome Letter|~|~";
}

void TestContactEntry::loadContact()
{
    QFETCH(qint64, first);
    QFETCH(qint64, contact);
    QFETCH(QString, shown);
    QFETCH(QString, proposal);
    QFETCH(QString, stored);
    QFETCH(QString, step);
    Desk d;
    d.open();
    if (first)
        QVERIFY(d.form->LoadContact(first));
    QVERIFY(d.form->LoadContact(contact));
    QCOMPARE(d.control<QLineEdit>("txtID")->text(), QString::number(contact));
    QCOMPARE(selectedId(d.combo("cmbProspect")), kPat);
    QCOMPARE(QStringList({ d.combo("cmbAction")->currentText(), d.combo("cmbVisitor2")->currentText(),
                             d.combo("cmbRating")->currentText() })
                 .join('|'),
        shown);
    QCOMPARE(d.proposal(), proposal);
    QCOMPARE(d.form->windowTitle(), QStringLiteral("Prospect Contact Entry/Edit")); // loaded: nothing unsaved

    const int contacts = d.contacts();
    d.save();
    QCOMPARE(d.env.messages.count(), 0);
    QCOMPARE(d.contacts(), contacts); // rewritten, not added
    QCOMPARE(d.contactRow(contact), stored);
    QCOMPARE(d.step(kPat), step);
    QVERIFY(d.isCleared());
}

void TestContactEntry::loadContactThatIsGone()
{
    Desk d;
    d.open();
    QVERIFY(d.form->LoadContact(kWithBob));
    QVERIFY(d.form->LoadContact(7000000000LL));
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().text,
        QStringLiteral("The contact with ID 7000000000 no longer exists, perhaps deleted on another workstation."));
    // Nothing of the contact shown before stays to be saved as a new one.
    QVERIFY(d.isCleared());
    QCOMPARE(d.combo("cmbVisitor2")->currentIndex(), -1);
}

void TestContactEntry::saveOverDeletedContact()
{
    Desk d;
    d.open();
    QSignalSpy saved(&d.ws, &Workspace::contactSaved);
    QVERIFY(d.form->LoadContact(kWithBob));
    d.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Corrected"));
    d.env.db().exec(QStringLiteral("DELETE FROM Prospect_Contact WHERE ID = ?"), { kWithBob });
    const QString step = d.step(kPat);
    const int contacts = d.contacts();
    d.save();
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().title, QStringLiteral("Pewlark"));
    QVERIFY2(d.env.messages.last().text.contains(QStringLiteral("has been deleted")),
        qPrintable(d.env.messages.last().text));
    QCOMPARE(d.contacts(), contacts);
    QCOMPARE(d.step(kPat), step);
    QCOMPARE(saved.count(), 0);
    // The screen is not cleared as if saved.
    QCOMPARE(d.control<QLineEdit>("txtID")->text(), QString::number(kWithBob));
    QCOMPARE(d.control<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("Corrected"));
}

void TestContactEntry::failedProspectUpdateLeavesBothRows_data()
{
    QTest::addColumn<qint64>("contact"); // 0: a new contact
    QTest::newRow("new contact") << qint64(0);
    QTest::newRow("edited contact") << kWithBob;
}

void TestContactEntry::failedProspectUpdateLeavesBothRows()
{
    QFETCH(qint64, contact);
    Desk d;
    d.open();
    if (contact) {
        QVERIFY(d.form->LoadContact(contact));
        d.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Changed"));
        QVERIFY(Desk::choose(d.combo("cmbNextPhase"), QStringLiteral("Pastor Visit")));
    } else {
        d.fillContact();
    }
    const QString row = d.contactRow(kWithBob);
    const QString step = d.step(kPat);
    const int contacts = d.contacts();
    d.env.refuseChanges(QStringLiteral("Member"), QStringLiteral("UPDATE"), QStringLiteral("refused by the test"));
    d.save();
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().title, QStringLiteral("Pewlark"));
    QCOMPARE(d.contacts(), contacts);
    QCOMPARE(d.contactRow(kWithBob), row);
    QCOMPARE(d.step(kPat), step);
    QVERIFY(!d.control<QPlainTextEdit>("txtNotes")->toPlainText().isEmpty()); // kept for another try
    QVERIFY(d.form->windowTitle().endsWith(QLatin1Char('*')));
}

void TestContactEntry::anotherWorkstationEditedTheContact_data()
{
    QTest::addColumn<QString>("theirs"); // SQL SET clause run as the other workstation
    QTest::addColumn<QString>("choice"); // the answer to the question; empty: no question expected
    QTest::addColumn<QString>("typeAndNotes"); // stored afterwards
    QTest::addColumn<bool>("saved");

    QTest::newRow("only they changed a field: theirs stays, no question") << "Type = 'Phoned'"
                                                                          << ""
                                                                          << "Phoned|Mine" << true;
    QTest::newRow("both changed the notes: keep mine") << "Notes = 'Theirs'"
                                                       << "Keep mine"
                                                       << "Visit|Mine" << true;
    QTest::newRow("both changed the notes: keep theirs") << "Notes = 'Theirs'"
                                                         << "Keep theirs"
                                                         << "Visit|Theirs" << true;
    QTest::newRow("cancel writes nothing") << "Notes = 'Theirs'"
                                           << "Cancel"
                                           << "Visit|Theirs" << false;
}

void TestContactEntry::anotherWorkstationEditedTheContact()
{
    QFETCH(QString, theirs);
    QFETCH(QString, choice);
    QFETCH(QString, typeAndNotes);
    QFETCH(bool, saved);
    Desk d;
    d.open();
    QVERIFY(d.form->LoadContact(kWithBob));
    d.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Mine"));
    d.env.db().exec(QStringLiteral("UPDATE Prospect_Contact SET %1 WHERE ID = ?").arg(theirs), { kWithBob });
    if (!choice.isEmpty())
        d.env.messages.choices = QStringList { choice };
    d.save();
    QCOMPARE(d.env.messages.count(), choice.isEmpty() ? 0 : 1);
    if (!choice.isEmpty()) {
        QCOMPARE(d.env.messages.last().buttons, QStringList({ "Keep theirs", "Keep mine", "Cancel" }));
        QVERIFY(d.env.messages.last().text.contains(QStringLiteral("\"Notes\"")));
    }
    QSqlQuery q
        = d.env.db().exec(QStringLiteral("SELECT Type, Notes FROM Prospect_Contact WHERE ID = ?"), { kWithBob });
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString() + QLatin1Char('|') + q.value(1).toString(), typeAndNotes);
    QCOMPARE(d.isCleared(), saved);
}

// A contact saved from an older screen never puts the prospect back unasked.
void TestContactEntry::anotherWorkstationMovedTheProspect_data()
{
    QTest::addColumn<bool>("newContact"); // else the notes of an old one changed
    QTest::addColumn<QString>("choice"); // empty: no question expected
    QTest::addColumn<QString>("step"); // Pat's next step afterwards
    QTest::newRow("an old contact keeps their step") << false << ""
                                                     << "Pastor Visit|2026-12-21|Card";
    QTest::newRow("a new contact asks: keep mine") << true << "Keep mine"
                                                   << "Follow-Up Call|2026-03-22|Phone Call";
}

void TestContactEntry::anotherWorkstationMovedTheProspect()
{
    QFETCH(bool, newContact);
    QFETCH(QString, choice);
    QFETCH(QString, step);
    Desk d;
    d.open();
    if (newContact)
        d.fillContact();
    else
        QVERIFY(d.form->LoadContact(kWithBob));
    d.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Mine"));
    d.env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Phase = 'Pastor Visit', Prospect_Next_Contact_Date = "
                                   "'2026-12-21', Prospect_Next_Contact_Action = 'Card' WHERE ID = ?"),
        { kPat });
    d.env.messages.choices = QStringList { choice };
    d.save();
    QCOMPARE(d.env.messages.count(), choice.isEmpty() ? 0 : 1);
    QCOMPARE(d.step(kPat), step);
}

void TestContactEntry::unsavedChangesQuestion_data()
{
    QTest::addColumn<bool>("prospect"); // a prospect chosen besides the notes
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("added"); // contacts added
    QTest::addColumn<QStringList>("asked");

    const QString named = QStringLiteral("Save changes to the contact with Pearson, Pat?");
    const QString required = QStringLiteral("Prospect, Action, Visitor 1, and Rating are Required.");
    QTest::newRow("cancel stays") << true << "Cancel" << false << 0 << QStringList { named };
    QTest::newRow("discard closes, nothing written") << true << "Discard" << true << 0 << QStringList { named };
    QTest::newRow("save refused by the required fields stays")
        << true << "Save" << false << 0 << QStringList { named, required };
    QTest::newRow("without a prospect the window is named")
        << false << "Cancel" << false << 0 << QStringList { "Save changes to Prospect Contact Entry/Edit?" };
}

void TestContactEntry::unsavedChangesQuestion()
{
    QFETCH(bool, prospect);
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(int, added);
    QFETCH(QStringList, asked);
    Desk d;
    d.open();
    if (prospect)
        QVERIFY(selectById(d.combo("cmbProspect"), kPat));
    d.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Half written"));
    QVERIFY(d.form->windowTitle().endsWith(QLatin1Char('*')));
    const int contacts = d.contacts();
    d.env.messages.choices = QStringList { answer };
    QTest::mouseClick(d.control<QPushButton>("btnExit"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(d.ws.find(QStringLiteral("frmProspectContactEntry")) == nullptr, closed);
    QStringList texts;
    for (const auto& m : d.env.messages.entries)
        texts << m.text;
    QCOMPARE(texts, asked);
    QCOMPARE(d.contacts(), contacts + added);
    if (!closed)
        QCOMPARE(d.control<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("Half written"));
}

void TestContactEntry::permissionTestedAgainAtSave()
{
    Desk d;
    d.open();
    d.fillContact();
    const int contacts = d.contacts();
    // Log Off, and someone who may only look logs in; the window stayed open.
    d.env.loginWithOnly(perm::MemberView);
    d.save();
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().text, QStringLiteral("You do not have permission to save this record."));
    QCOMPARE(d.env.messages.last().title, QStringLiteral("Invalid Permission"));
    QCOMPARE(d.env.messages.last().icon, Icon::Warning);
    QCOMPARE(d.contacts(), contacts);
    QVERIFY(d.form->windowTitle().endsWith(QStringLiteral(" (View only)")));
}

QTEST_MAIN(TestContactEntry)
#include "tst_contactentry.moc"
