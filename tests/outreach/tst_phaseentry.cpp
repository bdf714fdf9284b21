#include "Outreach.h"
#include "Screens.h"

#include "app/Permissions.h"
#include "data/Phases.h"
#include "members/Screens.h"
#include "outreach/Screens.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

const QString kABC = QStringLiteral("1|A|Home Visit|1;2|B|Phone Call|2;3|C|Letter|4");

// The phase screen in a workspace, over the phases A, B and C, with one
// prospect in A and two in B.
struct PhaseDesk : test::WorkspaceFixture {
    QPointer<QWidget> form;
    QList<qint64> people;

    explicit PhaseDesk(const QString& phases = kABC)
    {
        env.loginAs(env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk")), QStringLiteral("Admin"));
        outreach::registerScreens(ws);
        members::registerScreens(ws);
        test::setPhases(env.db(), phases);
        people = test::addPeopleInPhases(env, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("B") });
        area.resize(900, 700);
    }

    QWidget* open()
    {
        form = ws.open(QStringLiteral("frmOutreachPhaseEntry"));
        area.show();
        return form;
    }
    template <class T> T* control(const char* name) { return test::control<T>(form, name); }
    void click(const char* button) { test::click(form, button); }
    bool isOpen()
    {
        test::deleteClosed();
        return ws.find(QStringLiteral("frmOutreachPhaseEntry")) != nullptr;
    }
    QTableView* grid() { return control<QTableView>("vsfgPhase"); }
    void selectPhase(const QString& name)
    {
        for (int row = 0; row < grid()->model()->rowCount(); ++row) {
            if (grid()->model()->index(row, 1).data().toString() == name) {
                grid()->selectRow(row);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no phase %1 in the grid").arg(name)));
    }
    // What the grid shows, "order|name|action|weeks;...".
    QString shown() { return test::rowTexts(grid()->model()).join(QLatin1Char(';')); }
    QString stored() { return test::storedPhases(env.db()); }
    QString phasesOfPeople()
    {
        QStringList out;
        for (qint64 id : people)
            out << env.db().scalar(QStringLiteral("SELECT Prospect_Phase FROM Member WHERE ID = ?"), { id }).toString();
        return out.join(QLatin1Char(','));
    }
    QStringList messages()
    {
        QStringList out;
        for (const auto& m : env.messages.entries)
            out << m.title + QStringLiteral(": ") + m.text;
        return out;
    }

    // Runs what a user does: "select=B", "new", "order=4", "name=X",
    // "action=Card", "weeks=3", "update", "remove", "save", "exit".
    void run(const QString& script)
    {
        for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString what = step.section(QLatin1Char('='), 0, 0);
            const QString value = step.section(QLatin1Char('='), 1);
            if (what == QLatin1String("select"))
                selectPhase(value);
            else if (what == QLatin1String("order"))
                control<QLineEdit>("txtOrder")->setText(value);
            else if (what == QLatin1String("name"))
                control<QLineEdit>("txtName")->setText(value);
            else if (what == QLatin1String("weeks"))
                control<QLineEdit>("txtTimePeriod")->setText(value);
            else if (what == QLatin1String("action")) {
                auto* combo = control<QComboBox>("cmbAction");
                combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
                QVERIFY2(combo->currentIndex() >= 0, qPrintable(value));
            } else if (what == QLatin1String("new"))
                click("btnNew");
            else if (what == QLatin1String("update"))
                click("btnUpdate");
            else if (what == QLatin1String("remove"))
                click("btnRemove");
            else if (what == QLatin1String("save"))
                click("btnSave");
            else if (what == QLatin1String("exit"))
                click("btnExit");
            else
                QFAIL(qPrintable(step));
        }
    }
};

} // namespace

class TestPhaseEntry : public QObject {
    Q_OBJECT
private slots:
    void opensWithThePhases();
    void editing_data();
    void editing();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void anotherWorkstationChangedThePhases_data();
    void anotherWorkstationChangedThePhases();
    void keepMineAfterTheirRename();
    void permissionTestedAgainAtSave();
    void memberScreenListsFollow();
};

void TestPhaseEntry::opensWithThePhases()
{
    // A stored action that is no contact action still shows when chosen.
    PhaseDesk d(QStringLiteral("2|B|Phone Call|2;1|A|Smoke Signal|1"));
    d.open();
    QCOMPARE(d.form->windowTitle(), QStringLiteral("Outreach Phase Entry"));
    QCOMPARE(d.shown(), QStringLiteral("1|A|Smoke Signal|1;2|B|Phone Call|2"));
    QVERIFY(d.control<QLineEdit>("txtName")->text().isEmpty());
    d.selectPhase(QStringLiteral("A"));
    QCOMPARE(d.control<QLineEdit>("txtOrder")->text(), QStringLiteral("1"));
    QCOMPARE(d.control<QLineEdit>("txtName")->text(), QStringLiteral("A"));
    QCOMPARE(d.control<QComboBox>("cmbAction")->currentText(), QStringLiteral("Smoke Signal (not in the list)"));
    QCOMPARE(d.control<QLineEdit>("txtTimePeriod")->text(), QStringLiteral("1"));
    // Choosing a phase changes nothing.
    QCOMPARE(d.form->windowTitle(), QStringLiteral("Outreach Phase Entry"));
    d.selectPhase(QStringLiteral("B"));
    QCOMPARE(d.control<QComboBox>("cmbAction")->currentText(), QStringLiteral("Phone Call"));
    // Saving refuses the action until it is one of the list.
    d.run(QStringLiteral("select=A;save"));
    QCOMPARE(d.messages(),
        QStringList { "Invalid Selection: \"Smoke Signal\" is not one of the contact actions. Choose an Action from "
                      "the list." });
    QVERIFY(d.isOpen());
}

void TestPhaseEntry::editing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("answers"); // Yes or No, for removals
    QTest::addColumn<QStringList>("messages"); // "title: text"
    QTest::addColumn<QString>("stored"); // the phase table afterwards
    QTest::addColumn<QString>("people"); // the phases of the three prospects (A, B, B) afterwards
    QTest::addColumn<bool>("open"); // the screen still open

    const QString bbb = QStringLiteral("A,B,B");
    QTest::newRow("rename carries the phase's prospects")
        << "select=B;name=Bee;update;save" << QStringList() << QStringList()
        << "1|A|Home Visit|1;2|Bee|Phone Call|2;3|C|Letter|4"
        << "A,Bee,Bee" << false;
    QTest::newRow("a new order moves the phase") << "select=A;order=4;update;save" << QStringList() << QStringList()
                                                 << "2|B|Phone Call|2;3|C|Letter|4;4|A|Home Visit|1" << bbb << false;
    QTest::newRow("New, then Update adds a phase")
        << "new;order=4;name=D;action=Card;weeks=3;update;save" << QStringList() << QStringList()
        << kABC + ";4|D|Card|3" << bbb << false;
    QTest::newRow("boxes not yet applied are saved with the table")
        << "select=C;weeks=6;save" << QStringList() << QStringList() << "1|A|Home Visit|1;2|B|Phone Call|2;3|C|Letter|6"
        << bbb << false;
    QTest::newRow("removing a phase with prospects says how many")
        << "select=B;remove;save" << QStringList { "Yes" }
        << QStringList { "Remove Confirmation: 2 prospects are in the phase \"B\". After it is removed they keep that "
                         "phase name, which no longer matches a phase, so the next contact with each of them starts "
                         "again at the first phase.\n\nRemove the phase \"B\"?" }
        << "1|A|Home Visit|1;3|C|Letter|4" << bbb << false;
    QTest::newRow("a renamed phase is counted under its stored name")
        << "select=A;name=Alpha;update;remove" << QStringList { "No" }
        << QStringList { "Remove Confirmation: 1 prospect is in the phase \"Alpha\". After it is removed that prospect "
                         "keeps that phase name, which no longer matches a phase, so the next contact with that "
                         "prospect starts again at the first phase.\n\nRemove the phase \"Alpha\"?" }
        << kABC << bbb << true;
    QTest::newRow("a phase without prospects") << "select=C;remove;save" << QStringList { "Yes" }
                                               << QStringList { "Remove Confirmation: Are you sure you want to remove "
                                                                "the phase \"C\"?" }
                                               << "1|A|Home Visit|1;2|B|Phone Call|2" << bbb << false;
    QTest::newRow("Remove without a chosen phase")
        << "remove" << QStringList()
        << QStringList { "Invalid Selection: Choose the phase to remove in the list first." } << kABC << bbb << true;
    QTest::newRow("name required") << "select=B;name=;update" << QStringList()
                                   << QStringList { "Required Fields: Name is Required." } << kABC << bbb << true;
    QTest::newRow("name required at Save And Close too")
        << "select=B;name= ;save" << QStringList() << QStringList { "Required Fields: Name is Required." } << kABC
        << bbb << true;
    QTest::newRow("the same name in other letters")
        << "new;order=4;name=b;action=Card;weeks=1;update" << QStringList()
        << QStringList { "Invalid Entry: There is already a phase named \"B\". Each phase needs a name of its own, "
                         "whatever the letter case." }
        << kABC << bbb << true;
    QTest::newRow("the same order") << "select=C;order=2;update" << QStringList()
                                    << QStringList { "Invalid Entry: The phase \"B\" already has the order 2. Each "
                                                     "phase needs an order of its own." }
                                    << kABC << bbb << true;
    QTest::newRow("an order that is no whole number")
        << "select=C;order=2.5;update" << QStringList()
        << QStringList { "Invalid Entry: Order must be a whole number of 0 or more." } << kABC << bbb << true;
    QTest::newRow("more than ten years of weeks")
        << "select=C;weeks=521;update" << QStringList()
        << QStringList { "Invalid Entry: Time Period must be a whole number of weeks from 0 to 520." } << kABC << bbb
        << true;
    QTest::newRow("two phases trading names keep their prospects")
        << "select=A;name=X;update;select=B;name=A;update;select=X;name=B;update;save" << QStringList() << QStringList()
        << "1|B|Home Visit|1;2|A|Phone Call|2;3|C|Letter|4"
        << "B,A,A" << false;
}

void TestPhaseEntry::editing()
{
    QFETCH(QString, script);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, messages);
    QFETCH(QString, stored);
    QFETCH(QString, people);
    QFETCH(bool, open);
    PhaseDesk d;
    d.open();
    QSignalSpy lookups(&d.ws, &Workspace::lookupsChanged);
    for (const QString& a : answers)
        d.env.messages.answers << (a == QLatin1String("Yes") ? Answer::Yes : Answer::No);
    d.run(script);
    QCOMPARE(d.messages(), messages);
    QCOMPARE(d.stored(), stored);
    QCOMPARE(d.phasesOfPeople(), people);
    QCOMPARE(d.isOpen(), open);
    QCOMPARE(lookups.count(), open ? 0 : 1);
}

void TestPhaseEntry::unsavedChangesQuestion_data()
{
    QTest::addColumn<QString>("script"); // before Exit
    QTest::addColumn<QString>("answer"); // to "Save changes to Outreach Phase Entry?"; empty: not asked
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("open");

    const QString renamed = QStringLiteral("1|A|Home Visit|1;2|Bee|Phone Call|2;3|C|Letter|4");
    QTest::newRow("choosing a phase is no change") << "select=B;select=C"
                                                   << "" << kABC << false;
    QTest::newRow("Exit drops an update when told to") << "select=B;name=Bee;update"
                                                       << "Discard" << kABC << false;
    QTest::newRow("cancel stays with the change") << "select=B;name=Bee;update"
                                                  << "Cancel" << kABC << true;
    QTest::newRow("save on the way out") << "select=B;name=Bee;update"
                                         << "Save" << renamed << false;
    QTest::newRow("typing without Update counts") << "select=B;name=Bee"
                                                  << "Save" << renamed << false;
    QTest::newRow("typed back is no change") << "select=B;name=Bee;name=B"
                                             << "" << kABC << false;
}

void TestPhaseEntry::unsavedChangesQuestion()
{
    QFETCH(QString, script);
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    QFETCH(bool, open);
    PhaseDesk d;
    d.open();
    d.run(script);
    if (!answer.isEmpty()) {
        QCOMPARE(d.form->windowTitle(), QStringLiteral("Outreach Phase Entry*"));
        d.env.messages.choices = QStringList { answer };
    }
    d.run(QStringLiteral("exit"));
    QCOMPARE(d.messages(),
        answer.isEmpty() ? QStringList() : QStringList { "Pewlark: Save changes to Outreach Phase Entry?" });
    QCOMPARE(d.stored(), stored);
    QCOMPARE(d.isOpen(), open);
    if (open)
        QCOMPARE(d.shown(), QStringLiteral("1|A|Home Visit|1;2|Bee|Phone Call|2;3|C|Letter|4"));
}

void TestPhaseEntry::anotherWorkstationChangedThePhases_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("open");

    QTest::newRow("keep mine") << "Keep mine"
                               << "1|A|Home Visit|1;2|Bee|Phone Call|2;3|C|Letter|4" << false;
    QTest::newRow("keep theirs") << "Keep theirs"
                                 << "1|A|Home Visit|1;2|B|Phone Call|2;3|C|Card|4" << true;
    QTest::newRow("cancel") << "Cancel"
                            << "1|A|Home Visit|1;2|B|Phone Call|2;3|C|Card|4" << true;
}

void TestPhaseEntry::anotherWorkstationChangedThePhases()
{
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    QFETCH(bool, open);
    PhaseDesk d;
    d.open();
    d.run(QStringLiteral("select=B;name=Bee;update"));
    d.env.db().exec(QStringLiteral("UPDATE Outreach_Phase SET Action = 'Card' WHERE Phase = 'C'"));
    d.env.messages.choices = QStringList { answer };
    d.run(QStringLiteral("save"));
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().buttons, QStringList({ "Keep theirs", "Keep mine", "Cancel" }));
    QCOMPARE(d.stored(), stored);
    QCOMPARE(d.isOpen(), open);
    if (answer == QLatin1String("Keep theirs")) // their table on screen, nothing unsaved
        QCOMPARE(d.shown(), stored);
    if (answer == QLatin1String("Cancel")) // the change stays to be saved
        QCOMPARE(d.form->windowTitle(), QStringLiteral("Outreach Phase Entry*"));
}

// Their rename moved the prospects of B; keeping my table carries them to my name.
void TestPhaseEntry::keepMineAfterTheirRename()
{
    PhaseDesk d;
    d.open();
    d.run(QStringLiteral("select=B;name=Bee;update"));
    std::vector<Phases::PhaseRow> theirs = Phases::load(d.env.db());
    theirs[1].name = QStringLiteral("Bea");
    Phases::save(d.env.db(), theirs);
    d.env.messages.choices = QStringList { QStringLiteral("Keep mine") };
    d.run(QStringLiteral("save"));
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.phasesOfPeople(), QStringLiteral("A,Bee,Bee"));
}

void TestPhaseEntry::permissionTestedAgainAtSave()
{
    PhaseDesk d;
    d.open();
    d.run(QStringLiteral("select=B;name=Bee;update"));
    d.env.loginWithOnly(perm::MemberView);
    d.run(QStringLiteral("save"));
    QCOMPARE(d.messages(), QStringList { "Invalid Permission: You do not have permission to save this record." });
    QCOMPARE(d.stored(), kABC);
    QVERIFY(d.isOpen());
}

void TestPhaseEntry::memberScreenListsFollow()
{
    PhaseDesk d;
    QWidget* member = d.ws.open(QStringLiteral("frmMemberEntry"));
    d.open();
    d.run(QStringLiteral("select=B;name=Bee;update;save"));
    auto* phases = test::control<QComboBox>(member, "cmbNextPhase");
    QVERIFY(phases->findText(QStringLiteral("Bee")) >= 0);
    QCOMPARE(phases->findText(QStringLiteral("B")), -1);
}

QTEST_MAIN(TestPhaseEntry)
#include "tst_phaseentry.moc"
