#include "Screens.h"

#include "widgets/EditTracker.h"
#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "members/ProspectContactsPanel.h"
#include "members/Screens.h"
#include "members/frmMemberEntry.h"
#include "outreach/Screens.h"
#include "outreach/frmProspectContactEntry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using namespace pw;
using members::frmMemberEntry;
using outreach::frmProspectContactEntry;
using test::TestEnv;

namespace {

constexpr qint64 kPat = 3000000001LL; // a prospect with contacts, due for a Letter on 03/22/2026
constexpr qint64 kQuinn = 3000000002LL; // a prospect without contacts or next step
constexpr qint64 kAnn = 3000000011LL;
constexpr qint64 kBob = 3000000012LL;
constexpr qint64 kFirst = 5000000001LL;
const QDate kToday(2026, 3, 15);

// The member screen and the contact screen in one workspace, with an "Admin"
// clerk logged in.
struct Office : test::WorkspaceFixture {
    QPointer<frmMemberEntry> member;

    Office()
    {
        env.loginAs(env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk")), QStringLiteral("Admin"));
        outreach::registerScreens(ws);
        members::registerScreens(ws);
        person(kPat, "Pat", "Pearson");
        person(kQuinn, "Quinn", "Quill");
        person(kAnn, "Ann", "Lee");
        person(kBob, "Bob", "Stone");
        env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Phase = 'Welcome Letter', Prospect_Next_Contact_Date "
                                     "= '2026-03-22', Prospect_Next_Contact_Action = 'Letter' WHERE ID = ?"),
            { kPat });
        contact(kFirst, "2026-03-01", "Home Visit", kAnn, kBob, "Interested", "First visit");
        contact(kFirst + 1, "2026-03-08", "Letter", kAnn, 0, "Undecided", "");
        contact(kFirst + 2, "2026-03-08", "Phone Call", 9000000000LL, kAnn, "Interested", "Visitor gone");
        area.resize(1200, 800);
        area.show();
    }

    void person(qint64 id, const char* first, const char* last)
    {
        env.db().exec(QStringLiteral("INSERT INTO Member (ID, Status, First_Name, Middle_Name, Last_Name, Gender, "
                                     "Member_Active_Status, Prospect_Active_Status) VALUES (?, 'Prospect', ?, 'M', ?, "
                                     "'Unknown', 'Inactive', 'Active')"),
            { id, QString::fromUtf8(first), QString::fromUtf8(last) });
    }
    void contact(
        qint64 id, const char* date, const char* action, qint64 v1, qint64 v2, const char* rating, const char* notes)
    {
        env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (ID, Prospect_ID, Contact_Date, Action, Type, "
                                     "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, 'Visit', ?, ?, ?, ?)"),
            { id, kPat, QString::fromLatin1(date), QString::fromUtf8(action), v1, v2 ? QVariant(v2) : QVariant(),
                QString::fromUtf8(rating), QString::fromUtf8(notes) });
    }
    frmMemberEntry* openMember(qint64 id)
    {
        member = qobject_cast<frmMemberEntry*>(ws.open(QStringLiteral("frmMemberEntry")));
        if (id)
            member->LoadMember(id);
        return member;
    }
    frmProspectContactEntry* contactScreen()
    {
        return qobject_cast<frmProspectContactEntry*>(ws.find(QStringLiteral("frmProspectContactEntry")));
    }
    template <class T> T* onMember(const char* name) { return test::control<T>(member, name); }
    template <class T> T* onContact(const char* name) { return test::control<T>(contactScreen(), name); }
    QTableView* grid() { return onMember<QTableView>("vsfgProspectContacts"); }
    QString gridText() { return test::rowTexts(grid()->model()).join(QLatin1Char('\n')); }
    // Records a contact for Pat on the contact screen, as a user would.
    void saveContactForPat()
    {
        ws.open(QStringLiteral("frmProspectContactEntry"));
        QVERIFY(selectById(onContact<QComboBox>("cmbProspect"), kPat));
        auto* action = onContact<QComboBox>("cmbAction");
        action->setCurrentIndex(action->findText(QStringLiteral("Letter")));
        QVERIFY(selectById(onContact<QComboBox>("cmbVisitor1"), kBob));
        auto* rating = onContact<QComboBox>("cmbRating");
        rating->setCurrentIndex(rating->findText(QStringLiteral("Interested")));
        test::click(contactScreen(), "btnSave");
    }
    int contacts() { return env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact")).toInt(); }
};

// A screen that tracks unsaved changes, with the controls the panel binds.
class TrackedScreen : public QWidget, public EditingScreen {
public:
    TrackedScreen()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*> { name, id, phase, date, action, button, grid })
            layout->addWidget(w);
        tracker->watch(this);
    }
    EditTracker* editTracker() override { return tracker; }
    void saveKeepingRecord() override { }

    QLineEdit* name = new QLineEdit(this);
    QLineEdit* id = new QLineEdit(this);
    QComboBox* phase = new QComboBox(this);
    QDateEdit* date = new QDateEdit(this);
    QComboBox* action = new QComboBox(this);
    QPushButton* button = new QPushButton(this);
    QTableView* grid = new QTableView(this);
    EditTracker* tracker = new EditTracker(this, QStringLiteral("Member Entry/Edit"));
};

} // namespace

class TestProspectContacts : public QObject {
    Q_OBJECT
private slots:
    void gridNewestFirst_data();
    void gridNewestFirst();
    void openContact_data();
    void openContact();
    void newContact_data();
    void newContact();
    void newContactOverAnOpenContact_data();
    void newContactOverAnOpenContact();
    void contactSavedReloadsOnlyThatProspect_data();
    void contactSavedReloadsOnlyThatProspect();
    void contactSavedAsksFirst_data();
    void contactSavedAsksFirst();
};

void TestProspectContacts::gridNewestFirst_data()
{
    QTest::addColumn<qint64>("person");
    QTest::addColumn<QString>("grid");
    // Contacts of one day: the one entered last first. A visitor who is
    // missing keeps the separators.
    QTest::newRow("a prospect with contacts")
        << kPat
        << "5000000003|3/8/2026|Phone Call|Visit|Interested|,  |Lee, Ann M|Visitor gone\n"
           "5000000002|3/8/2026|Letter|Visit|Undecided|Lee, Ann M|,  |\n"
           "5000000001|3/1/2026|Home Visit|Visit|Interested|Lee, Ann M|Stone, Bob M|First visit";
    QTest::newRow("a person without contacts") << kQuinn << "";
}

void TestProspectContacts::gridNewestFirst()
{
    QFETCH(qint64, person);
    QFETCH(QString, grid);
    Office o;
    o.openMember(kPat);
    o.openMember(person); // what the first person showed goes
    QCOMPARE(o.grid()->model()->columnCount(), 8);
    QCOMPARE(o.gridText(), grid);
}

void TestProspectContacts::openContact_data()
{
    QTest::addColumn<QString>("permission"); // the one permission held; empty: Admin
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("opened"); // the contact screen's ID; "-" when it did not open
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("a contact opens on the contact screen") << "" << 2 << "5000000001" << QStringList();
    QTest::newRow("without the permission, refused first")
        << perm::MemberView << 2 << "-" << QStringList { "You do not have permission to edit this record." };
}

void TestProspectContacts::openContact()
{
    QFETCH(QString, permission);
    QFETCH(int, row);
    QFETCH(QString, opened);
    QFETCH(QStringList, messages);
    Office o;
    o.openMember(kPat);
    if (!permission.isEmpty())
        o.env.loginWithOnly(permission);
    const QModelIndex cell = o.grid()->model()->index(row, 3);
    emit o.grid()->doubleClicked(cell);
    QStringList texts;
    for (const auto& m : o.env.messages.entries)
        texts << m.text;
    QCOMPARE(texts, messages);
    QCOMPARE(o.contactScreen() ? o.onContact<QLineEdit>("txtID")->text() : QStringLiteral("-"), opened);
    if (o.contactScreen()) {
        QCOMPARE(selectedId(o.onContact<QComboBox>("cmbProspect")), kPat);
        QCOMPARE(o.onContact<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("First visit"));
    }
}

void TestProspectContacts::newContact_data()
{
    QTest::addColumn<QString>("permission"); // the one permission held; empty: Admin
    QTest::addColumn<qint64>("person"); // 0: a person not yet saved
    QTest::addColumn<QString>("message"); // "title: text", or empty
    QTest::addColumn<QString>("handedOver"); // prospect | date | action on the contact screen; "-" not opened
    QTest::addColumn<QString>("proposal"); // next phase | date | action

    QTest::newRow("the prospect, the date due and the action due") << "" << kPat << ""
                                                                   << "3000000001|2026-03-22|Letter"
                                                                   << "Follow-Up Call|2026-03-29|Phone Call";
    QTest::newRow("a prospect without a next step: today, no action") << "" << kQuinn << ""
                                                                      << "3000000002|2026-03-15|"
                                                                      << "|2026-03-15|";
    QTest::newRow("a person not yet saved") << "" << qint64(0)
                                            << "No Prospect Selected: You must have a prospect selected on the "
                                               "Contact Info Page before adding a new contact."
                                            << "-"
                                            << "";
    QTest::newRow("without the permission")
        << perm::MemberView << kPat << "Invalid Permission: You do not have permission to view this record."
        << "-"
        << "";
}

void TestProspectContacts::newContact()
{
    QFETCH(QString, permission);
    QFETCH(qint64, person);
    QFETCH(QString, message);
    QFETCH(QString, handedOver);
    QFETCH(QString, proposal);
    Office o;
    o.openMember(person);
    if (!permission.isEmpty())
        o.env.loginWithOnly(permission);
    QTest::mouseClick(o.onMember<QPushButton>("btnNewContact"), Qt::LeftButton);
    QCOMPARE(o.env.messages.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(o.env.messages.last().title + QStringLiteral(": ") + o.env.messages.last().text, message);
    if (!o.contactScreen()) {
        QCOMPARE(QStringLiteral("-"), handedOver);
        return;
    }
    auto text = [](QComboBox* c) { return c->currentIndex() < 0 ? QString() : c->currentText(); };
    QCOMPARE(QStringList({ QString::number(selectedId(o.onContact<QComboBox>("cmbProspect"))),
                             o.onContact<QDateEdit>("dtDate")->date().toString(Qt::ISODate),
                             text(o.onContact<QComboBox>("cmbAction")) })
                 .join('|'),
        handedOver);
    QCOMPARE(QStringList({ text(o.onContact<QComboBox>("cmbNextPhase")),
                             o.onContact<QDateEdit>("dtNextContactDate")->date().toString(Qt::ISODate),
                             text(o.onContact<QComboBox>("cmbNextContactAction")) })
                 .join('|'),
        proposal);
    QVERIFY(o.onContact<QLineEdit>("txtID")->text().isEmpty());
    // Handed over is where a new contact starts: nothing unsaved yet.
    QCOMPARE(o.contactScreen()->windowTitle(), QStringLiteral("Prospect Contact Entry/Edit"));
}

void TestProspectContacts::newContactOverAnOpenContact_data()
{
    QTest::addColumn<bool>("edited"); // the open contact holds an unsaved change
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("started"); // the new contact was started
    QTest::newRow("nothing unsaved") << false << "" << true;
    QTest::newRow("unsaved, discarded") << true << "Discard" << true;
    QTest::newRow("unsaved, cancelled") << true << "Cancel" << false;
}

// Starting a contact for Quinn while Pat's first contact is open must not
// reuse that contact's ID: saving would move Pat's contact to Quinn.
void TestProspectContacts::newContactOverAnOpenContact()
{
    QFETCH(bool, edited);
    QFETCH(QString, answer);
    QFETCH(bool, started);
    Office o;
    o.openMember(kPat);
    emit o.grid()->doubleClicked(o.grid()->model()->index(2, 0));
    QCOMPARE(o.onContact<QLineEdit>("txtID")->text(), QString::number(kFirst));
    if (edited)
        o.onContact<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Edited"));
    o.env.messages.choices = QStringList { answer };
    o.member->LoadMember(kQuinn);
    QTest::mouseClick(o.onMember<QPushButton>("btnNewContact"), Qt::LeftButton);
    QCOMPARE(o.env.messages.count(), edited ? 1 : 0);
    if (!started) {
        QCOMPARE(o.onContact<QLineEdit>("txtID")->text(), QString::number(kFirst));
        QCOMPARE(o.onContact<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("Edited"));
        return;
    }
    QVERIFY(o.onContact<QLineEdit>("txtID")->text().isEmpty());
    QCOMPARE(selectedId(o.onContact<QComboBox>("cmbProspect")), kQuinn);
    QVERIFY(o.onContact<QPlainTextEdit>("txtNotes")->toPlainText().isEmpty());
    QCOMPARE(o.onContact<QComboBox>("cmbVisitor2")->currentIndex(), -1);

    // Saved, it is a contact of Quinn's; Pat's first contact is untouched.
    auto* action = o.onContact<QComboBox>("cmbAction");
    action->setCurrentIndex(action->findText(QStringLiteral("Card")));
    QVERIFY(selectById(o.onContact<QComboBox>("cmbVisitor1"), kAnn));
    auto* rating = o.onContact<QComboBox>("cmbRating");
    rating->setCurrentIndex(rating->findText(QStringLiteral("Interested")));
    const int before = o.contacts();
    QTest::mouseClick(o.onContact<QPushButton>("btnSave"), Qt::LeftButton);
    QCOMPARE(o.contacts(), before + 1);
    QCOMPARE(o.env.db()
                 .scalar(QStringLiteral("SELECT Prospect_ID FROM Prospect_Contact WHERE ID = ?"), { kFirst })
                 .toLongLong(),
        kPat);
    QCOMPARE(
        o.env.db().scalar(QStringLiteral("SELECT Notes FROM Prospect_Contact WHERE ID = ?"), { kFirst }).toString(),
        QStringLiteral("First visit"));
    // The member screen shows Quinn's new contact.
    QCOMPARE(o.grid()->model()->rowCount(), 1);
}

void TestProspectContacts::contactSavedReloadsOnlyThatProspect_data()
{
    QTest::addColumn<qint64>("shown");
    QTest::addColumn<QString>("answer"); // to "Save changes to ...?"; empty: not asked
    QTest::addColumn<int>("rows"); // grid rows after the save
    QTest::addColumn<QString>("nextStep"); // the member screen's phase | date | action
    QTest::addColumn<QString>("firstName");
    QTest::newRow("the same prospect, changes discarded")
        << kPat << "Discard" << 4 << "Follow-Up Call|2026-03-22|Phone Call"
        << "Pat";
    QTest::newRow("the same prospect, cancelled: only the list")
        << kPat << "Cancel" << 4 << "Welcome Letter|2026-03-22|Letter"
        << "Typed";
    QTest::newRow("another person") << kQuinn << "" << 0 << "|2026-03-15|"
                                    << "Typed";
}

// The member screen asks about what was typed on it before it shows the
// prospect's new contact and next step; another person's screen is left alone.
void TestProspectContacts::contactSavedReloadsOnlyThatProspect()
{
    QFETCH(qint64, shown);
    QFETCH(QString, answer);
    QFETCH(int, rows);
    QFETCH(QString, nextStep);
    QFETCH(QString, firstName);
    Office o;
    o.openMember(shown);
    o.onMember<QLineEdit>("txtFName")->setText(QStringLiteral("Typed"));
    o.env.messages.choices = QStringList { answer };
    o.saveContactForPat();
    QCOMPARE(o.env.messages.count(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty())
        QCOMPARE(o.env.messages.last().text, QStringLiteral("Save changes to Pearson, Typed?"));
    QCOMPARE(o.grid()->model()->rowCount(), rows);
    auto text = [](QComboBox* c) { return c->currentIndex() < 0 ? QString() : c->currentText(); };
    QCOMPARE(QStringList({ text(o.onMember<QComboBox>("cmbNextPhase")),
                             o.onMember<QDateEdit>("dtNextContactDate")->date().toString(Qt::ISODate),
                             text(o.onMember<QComboBox>("cmbNextContactAction")) })
                 .join('|'),
        nextStep);
    QCOMPARE(o.onMember<QLineEdit>("txtFName")->text(), firstName);
    QCOMPARE(o.onMember<QLineEdit>("txtMemberID")->text(), QString::number(shown));
}

void TestProspectContacts::contactSavedAsksFirst_data()
{
    QTest::addColumn<qint64>("saved"); // the prospect whose contact was saved
    QTest::addColumn<bool>("typed"); // the screen holds unsaved changes
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("reloaded");
    QTest::addColumn<int>("rows"); // grid rows afterwards

    QTest::newRow("nothing unsaved: reloaded without a question") << kPat << false << "" << true << 3;
    QTest::newRow("unsaved, discarded: reloaded") << kPat << true << "Discard" << true << 3;
    QTest::newRow("unsaved, cancelled: only the list") << kPat << true << "Cancel" << false << 3;
    QTest::newRow("another prospect: nothing") << kQuinn << true << "" << false << 0;
}

void TestProspectContacts::contactSavedAsksFirst()
{
    QFETCH(qint64, saved);
    QFETCH(bool, typed);
    QFETCH(QString, answer);
    QFETCH(bool, reloaded);
    QFETCH(int, rows);
    TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    setWorkspace(&ws);
    env.db().exec(
        QStringLiteral("INSERT INTO Member (ID, First_Name, Last_Name) VALUES (?, 'Pat', 'Pearson')"), { kPat });
    for (int i = 0; i < 3; ++i)
        env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action) VALUES (?, "
                                     "'2026-03-01', 'Letter')"),
            { kPat });
    TrackedScreen screen;
    QList<qint64> loads;
    new members::ProspectContactsPanel(&screen,
        { screen.grid, screen.button, screen.id, screen.phase, screen.date, screen.action },
        [&loads](qint64 id) { loads << id; });
    screen.id->setText(QString::number(kPat));
    screen.tracker->markClean();
    if (typed)
        screen.name->setText(QStringLiteral("Typed"));
    env.messages.choices = QStringList { answer };
    emit ws.contactSaved(saved);
    QCOMPARE(env.messages.count(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty())
        QCOMPARE(env.messages.last().text, QStringLiteral("Save changes to Member Entry/Edit?"));
    QCOMPARE(loads, reloaded ? QList<qint64> { kPat } : QList<qint64> {});
    QCOMPARE(screen.grid->model()->rowCount(), reloaded ? 0 : rows); // a reload refills it itself
    QCOMPARE(screen.name->text(), typed ? QStringLiteral("Typed") : QString());
    setWorkspace(nullptr);
}

QTEST_MAIN(TestProspectContacts)
#include "tst_prospectcontacts.moc"
