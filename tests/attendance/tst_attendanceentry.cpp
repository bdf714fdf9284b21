#include "Outreach.h"
#include "RealMessageBoxes.h"
#include "TestSupport.h"

#include "app/MDI.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "attendance/Screens.h"
#include "data/ChurchSettings.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "people/RequiredFields.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace pw;
using test::control;

namespace {

struct Roll {
    test::TestEnv env;
    MDI main;
    QWidget* screen = nullptr;
    qint64 adults = 0;
    qint64 ames = 0, bell = 0, cole = 0;

    explicit Roll(const QString& permission = QString())
    {
        setWorkspace(main.workspace());
        attendance::registerScreens(*main.workspace());
        adults = env.db().insert(
            QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults')") + sql::returningId());
        ames = env.addMember(QStringLiteral("Ann"), QStringLiteral("Ames"));
        bell = env.addMember(QStringLiteral("Bo"), QStringLiteral("Bell"));
        cole = env.addMember(QStringLiteral("Cy"), QStringLiteral("Cole"));
        env.db().exec(
            QStringLiteral("UPDATE Member SET Sunday_School_Class = ? WHERE ID IN (?, ?)"), { adults, ames, bell });
        if (permission.isEmpty())
            env.loginAs(ames, QStringLiteral("Admin"), QStringLiteral("ann"));
        else
            env.loginWithOnly(permission);
        main.show();
        screen = main.workspace()->openWithoutTest(QStringLiteral("frmAttendanceEntry"));
    }
    ~Roll() { setWorkspace(nullptr); }

    QListWidget* list() { return control<QListWidget>(screen, "lstPeople"); }
    QDateEdit* date() { return control<QDateEdit>(screen, "dtDate"); }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(screen, button), Qt::LeftButton); }
    // name -> ticked, as listed
    QMap<QString, bool> shown()
    {
        QMap<QString, bool> out;
        for (int i = 0; i < list()->count(); ++i)
            out.insert(list()->item(i)->text(), list()->item(i)->checkState() == Qt::Checked);
        return out;
    }
    void tick(const QString& name, bool on)
    {
        const auto items = list()->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        items.front()->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    QList<qint64> stored(const QDate& day)
    {
        return env.db().ids(QStringLiteral("SELECT Member_ID FROM Attendance WHERE Service = 'SS' AND Class_ID = ? "
                                           "AND Meeting_Date = ? ORDER BY Member_ID"),
            { adults, day.toString(Qt::ISODate) });
    }
};

const QDate kSunday(2026, 3, 15); // the test clock's day

} // namespace

class TestAttendanceEntry : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheLatestMeeting_data();
    void opensOnTheLatestMeeting();
    void recordReopenAndChangeDate();
    void visitorAddedAsProspect();
    void visitorIsReadyForOutreach_data();
    void visitorIsReadyForOutreach();
    void enterInTheVisitorBoxesAddsTheVisitor();
    void viewOnlyWritesNothing();
    void rollSheetPrintsTicksAndBoxes();
};

void TestAttendanceEntry::opensOnTheLatestMeeting_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("classes");
    QTest::newRow("a Sunday service on a Sunday") << "Worship Service" << kSunday << false;
    QTest::newRow("a Wednesday service") << "Wednesday Night" << QDate(2026, 3, 11) << true;
}

void TestAttendanceEntry::opensOnTheLatestMeeting()
{
    QFETCH(QString, service);
    QFETCH(QDate, date);
    QFETCH(bool, classes);
    Roll r;
    auto* services = control<QComboBox>(r.screen, "cmbService");
    services->setCurrentIndex(services->findText(service));
    emit services->activated(services->currentIndex());
    QCOMPARE(r.date()->date(), date);
    QCOMPARE(control<QComboBox>(r.screen, "cmbClass")->isEnabled(), classes);
}

// Ticks and a headcount are saved, another date shows its own (empty)
// record, and coming back shows what was saved; leaving unsaved ticks asks.
void TestAttendanceEntry::recordReopenAndChangeDate()
{
    Roll r;
    QCOMPARE(r.date()->date(), kSunday);
    QCOMPARE(r.shown(), (QMap<QString, bool> { { "Ames, Ann", false }, { "Bell, Bo", false } }));
    r.tick(QStringLiteral("Ames, Ann"), true);
    auto* add = control<QComboBox>(r.screen, "cmbAddPerson");
    add->setCurrentIndex(add->findText(QStringLiteral("Cole, Cy"), Qt::MatchStartsWith));
    QVERIFY(add->currentIndex() >= 0);
    r.click("btnAdd");
    control<QLineEdit>(r.screen, "txtHeadcount")->setText(QStringLiteral("12"));
    QVERIFY(r.screen->windowTitle().endsWith(QLatin1Char('*'))
        || r.screen->parentWidget()->windowTitle().endsWith(QLatin1Char('*')));
    r.click("btnSave");
    QCOMPARE(r.stored(kSunday), (QList<qint64> { r.ames, r.cole }));
    QCOMPARE(r.env.db().scalar(QStringLiteral("SELECT Headcount FROM Attendance_Headcount")).toInt(), 12);

    // A week earlier: the class as it was, without the one added later.
    r.date()->setDate(kSunday.addDays(-7));
    QCOMPARE(r.shown(), (QMap<QString, bool> { { "Ames, Ann", false }, { "Bell, Bo", false } }));
    QVERIFY(control<QLineEdit>(r.screen, "txtHeadcount")->text().isEmpty());
    r.tick(QStringLiteral("Bell, Bo"), true);

    // Unsaved: Cancel keeps the date and the tick, Discard goes on.
    r.env.messages.choices = { QStringLiteral("Cancel") };
    r.date()->setDate(kSunday);
    QCOMPARE(r.date()->date(), kSunday.addDays(-7));
    QCOMPARE(r.shown().value(QStringLiteral("Bell, Bo")), true);
    r.env.messages.choices = { QStringLiteral("Discard") };
    r.date()->setDate(kSunday);
    QCOMPARE(r.shown(), (QMap<QString, bool> { { "Ames, Ann", true }, { "Bell, Bo", false }, { "Cole, Cy", true } }));
    QCOMPARE(control<QLineEdit>(r.screen, "txtHeadcount")->text(), QStringLiteral("12"));
    QVERIFY(r.stored(kSunday.addDays(-7)).isEmpty());

    // A change of the recorded date writes only that change.
    r.tick(QStringLiteral("Ames, Ann"), false);
    r.click("btnSave");
    QCOMPARE(r.stored(kSunday), (QList<qint64> { r.cole }));
}

void TestAttendanceEntry::visitorAddedAsProspect()
{
    Roll r;
    control<QLineEdit>(r.screen, "txtVisitorFirst")->setText(QStringLiteral("Dee"));
    control<QLineEdit>(r.screen, "txtVisitorLast")->setText(QStringLiteral("Dunn"));
    QTest::keyClicks(control<QLineEdit>(r.screen, "txtVisitorPhone"), QStringLiteral("5551234567"));
    r.click("btnAddVisitor");
    const qint64 dee = r.env.db()
                           .scalar(QStringLiteral("SELECT ID FROM Member WHERE Last_Name = 'Dunn' AND Status = "
                                                  "'Prospect' AND Phone = '5551234567'"))
                           .toLongLong();
    QVERIFY(dee > 0);
    QCOMPARE(r.shown().value(QStringLiteral("Dunn, Dee")), true);
    r.click("btnSave");
    QCOMPARE(r.stored(kSunday), (QList<qint64> { dee }));
}

void TestAttendanceEntry::visitorIsReadyForOutreach_data()
{
    QTest::addColumn<QString>("churchStatus"); // the church's own for new people; empty: none chosen
    QTest::addColumn<QStringList>("typed"); // first and last name
    QTest::addColumn<QString>("answer"); // to the duplicate question; empty: none asked
    // Member, Church Status, Phase, Next Contact, Next Action of the person ticked
    QTest::addColumn<QStringList>("ticked");
    const QStringList dee { "Dee", "Dunn" };
    const QStringList newVisitor { "Prospect", "Active", "Welcome", "2026-03-22", "Letter" };
    QTest::newRow("the first phase, due a week later") << "" << dee << "" << newVisitor;
    QTest::newRow("the church's own Church Status")
        << "Visitor" << dee << "" << QStringList { "Prospect", "Visitor", "Welcome", "2026-03-22", "Letter" };
    QTest::newRow("someone already there: tick that person")
        << "" << QStringList { " cy ", "COLE" } << "Tick That Person"
        << QStringList { "Member", "Active", "~", "~", "~" };
    QTest::newRow("someone already there: add anyway")
        << "" << QStringList { "Cy", "Cole" } << "Add Anyway" << newVisitor;
}

// A visitor added at the roll call can be saved on the member screen as they
// are, and is due in the outreach like anyone the contact screen moved on.
void TestAttendanceEntry::visitorIsReadyForOutreach()
{
    QFETCH(QString, churchStatus);
    QFETCH(QStringList, typed);
    QFETCH(QString, answer);
    QFETCH(QStringList, ticked);
    Roll r;
    if (!churchStatus.isEmpty())
        ChurchSettings::setValue(r.env.db(), ChurchSettings::kNewPersonChurchStatus, churchStatus);
    test::setPhases(r.env.db(), QStringLiteral("2|Call|Phone call|2;1|Welcome|Letter|1.5;3|Visit|Home visit|3"));
    if (!answer.isEmpty())
        r.env.messages.choices.append(answer);
    const int before = r.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();

    control<QLineEdit>(r.screen, "txtVisitorFirst")->setText(typed.first());
    control<QLineEdit>(r.screen, "txtVisitorLast")->setText(typed.last());
    r.click("btnAddVisitor");

    QCOMPARE(r.env.messages.count(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty())
        QCOMPARE(r.env.messages.last().text, QStringLiteral("There is already Cole, Cy."));
    const bool added = answer != QLatin1String("Tick That Person");
    QCOMPARE(r.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), before + (added ? 1 : 0));
    const qint64 id = added ? r.env.db().scalar(QStringLiteral("SELECT MAX(ID) FROM Member")).toLongLong() : r.cole;
    const MemberRecord person = *Members::load(r.env.db(), id);
    const auto orNone = [](const QString& text) { return text.isEmpty() ? QStringLiteral("~") : text; };
    const QStringList stored { person.status, person.memberActiveStatus, orNone(person.prospectPhase),
        person.prospectNextContactDate.isValid() ? person.prospectNextContactDate.toString(Qt::ISODate) : "~",
        orNone(person.prospectNextContactAction) };
    QCOMPARE(stored, ticked);
    QCOMPARE(people::missingRequiredFields(person), QStringList());
    r.click("btnSave");
    QCOMPARE(r.stored(kSunday), (QList<qint64> { id }));
    QVERIFY(control<QLineEdit>(r.screen, "txtVisitorLast")->text().isEmpty());
}

// Enter in the visitor's boxes adds the visitor and leaves the sheet unsaved;
// the duplicate question shows as a real message box, whose default (Cancel)
// keeps what was typed.
void TestAttendanceEntry::enterInTheVisitorBoxesAddsTheVisitor()
{
    Roll r;
    test::RealMessageBoxes boxes;
    r.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r.main));
    auto* first = control<QLineEdit>(r.screen, "txtVisitorFirst");
    auto* last = control<QLineEdit>(r.screen, "txtVisitorLast");
    const int before = r.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();

    first->setFocus();
    QTest::keyClicks(first, QStringLiteral("Cy"));
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(last->hasFocus());
    QTest::keyClicks(last, QStringLiteral("Cole"));
    QTest::keyClick(last, Qt::Key_Return);
    QCOMPARE(boxes.shown, QStringList { QStringLiteral("Pewlark: There is already Cole, Cy.") });
    QCOMPARE(r.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), before);
    QCOMPARE(last->text(), QStringLiteral("Cole"));
    QVERIFY(QTest::qWaitForWindowActive(&r.main));
    QVERIFY(first->hasFocus());

    last->setFocus();
    last->setText(QStringLiteral("Dunn"));
    QTest::keyClick(last, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(r.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), before + 1);
    QCOMPARE(r.shown().value(QStringLiteral("Dunn, Cy")), true);
    QVERIFY(first->hasFocus());
    QVERIFY(r.stored(kSunday).isEmpty());
    QCOMPARE(boxes.shown.size(), 1);
}

void TestAttendanceEntry::viewOnlyWritesNothing()
{
    Roll r(perm::MemberView);
    r.tick(QStringLiteral("Ames, Ann"), true);
    r.click("btnSave");
    QCOMPARE(r.env.messages.last().text, refusal::Save);
    QVERIFY(r.stored(kSunday).isEmpty());
}

// The class roll sheet of March from the reports screen, read back from
// its PDF: a column per Sunday, a tick per presence recorded.
void TestAttendanceEntry::rollSheetPrintsTicksAndBoxes()
{
    Roll r;
    for (const auto& [who, day] : { std::pair { r.ames, 1 }, { r.ames, 8 }, { r.bell, 8 } })
        r.env.db().exec(QStringLiteral("INSERT INTO Attendance (Member_ID, Service, Class_ID, Meeting_Date) VALUES (?, "
                                       "'SS', ?, ?)"),
            { who, r.adults, QDate(2026, 3, day).toString(Qt::ISODate) });
    QWidget* reports = r.main.workspace()->openWithoutTest(QStringLiteral("frmAttendanceReports"));
    QTest::mouseClick(control<QPushButton>(reports, "btnPreview"), Qt::LeftButton);
    QVERIFY(r.env.output.lastPreview());
    const QString pdf = r.env.dir.filePath(QStringLiteral("roll.pdf"));
    r.env.output.lastPreview()->writePdf(pdf);
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
    QVERIFY(text.waitForFinished(60000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(page.contains(QStringLiteral("Class Roll Sheet")), qPrintable(page));
    QVERIFY2(page.contains(QStringLiteral("Sunday School: Adults, 03/01/2026 to 03/31/2026")), qPrintable(page));
    for (const char* day : { "03/01", "03/08", "03/15", "03/22", "03/29" })
        QVERIFY2(page.contains(QLatin1String(day)), day);
    QCOMPARE(page.count(QChar(0x2713)), 3);
    QVERIFY(page.contains(QStringLiteral("Ames, Ann")) && page.contains(QStringLiteral("Bell, Bo")));
}

QTEST_MAIN(TestAttendanceEntry)
#include "tst_attendanceentry.moc"
