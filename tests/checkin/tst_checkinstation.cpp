// The check-in station and the class check-out, used as parents and teachers use them.

#include "Screens.h"
#include "TestSupport.h"

#include "app/Permissions.h"
#include "checkin/frmCheckinStation.h"
#include "checkin/frmClassCheckout.h"
#include "data/Households.h"
#include "data/Sql.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QtTest>

using namespace pw;
using namespace pw::checkin;
using test::click;
using test::control;

namespace {

// Henry Hale (head, phone ending 4567), Helen, Emma (3, Nursery, allergy), Noah
// (7, Primary); Helen may pick them up. 3/15/2026 is a Sunday: Sunday School.
struct Hales {
    test::TestEnv env;
    QList<qint64> ids; // Henry, Helen, Emma, Noah
    QVariantList classes; // theirs

    Hales()
    {
        Database& db = env.db();
        const QString cls = "INSERT INTO Sunday_School (Name) VALUES (?)" + sql::returningId();
        classes = { QVariant(), QVariant(), db.insert(cls, { "Nursery" }), db.insert(cls, { "Primary" }) };
        const QStringList first { "Henry", "Helen", "Emma", "Noah" }, kin { "", "Wife", "Daughter", "Son" };
        const QStringList born { "1988-01-10", "1990-06-02", "2022-09-01", "2019-02-01" };
        for (int i = 0; i < 4; ++i) {
            ids << env.addMember(first[i], "Hale");
            db.exec("UPDATE Member SET Gender = ?, Date_Of_Birth = ?, Sunday_School_Class = ?, Phone = ? WHERE ID = ?",
                { i == 0 || i == 3 ? "Male" : "Female", born[i], classes[i], i ? "" : "5551234567", ids[i] });
            if (i > 0)
                Households::setConnection(db, ids[0], ids[i], kin[i]);
            if (i > 1)
                saveCare(db, ids[i], { i == 2 ? "Peanuts" : "", "Helen Hale" });
        }
        env.loginAs(ids[0], "Admin");
    }
    // Checks Emma (and Noah) in at another station; gives the code.
    QString checkedIn(bool noah)
    {
        CheckinRequest r { "SS", env.clock.today(), { { ids[2], classes[2].toLongLong() } }, "hall", "ann",
            env.clock.now() };
        if (noah)
            r.people.push_back({ ids[3], classes[3].toLongLong() });
        return checkIn(env.db(), r, [n = 0u](quint32 below) mutable { return n++ % below; }).code;
    }
    QList<qint64> out() { return env.db().ids("SELECT Member_ID FROM Checkin WHERE Checked_Out_At IS NOT NULL"); }
    QStringList printedLabelPages() // the stub's page last
    {
        if (env.output.printed.empty())
            return {};
        const QString pdf = QDir(env.folder()).filePath("labels.pdf");
        env.output.lastPrinted()->writePdf(pdf);
        QProcess text;
        text.start("pdftotext", { "-layout", "-enc", "UTF-8", pdf, "-" });
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAll()).replace('\f', "|").simplified().split('|', Qt::SkipEmptyParts);
    }
};

// The rows shown, each "[x] " when ticked and "[ ] " when not.
QStringList shown(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (!list->item(i)->isHidden())
            out << (list->item(i)->checkState() == Qt::Checked ? "[x] " : "[ ] ") + list->item(i)->text();
    return out;
}

} // namespace

class TestCheckinStation : public QObject {
    Q_OBJECT
private slots:
    void findsTheFamily_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("adults");
        QTest::addColumn<bool>("entry"); // holds "Member Entry/Edit"
        QTest::addColumn<QStringList>("rows");
        const QStringList children { "[x] Emma Hale — Nursery (allergy)", "[x] Noah Hale — Primary" };
        QTest::newRow("last four digits of the phone") << "4567" << false << true << children;
        QTest::newRow("start of the last name, adults shown unticked")
            << "hal" << true << true << children + QStringList { "[ ] Helen Hale", "[ ] Henry Hale" };
        QTest::newRow("view only: found, but not checked in") << "4567" << false << false << children;
    }
    void findsTheFamily() // typed, then Enter
    {
        QFETCH(QString, search);
        QFETCH(bool, adults);
        QFETCH(bool, entry);
        QFETCH(QStringList, rows);
        Hales church;
        if (!entry)
            church.env.loginWithOnly(perm::MemberView);
        frmCheckinStation station;
        control<QCheckBox>(&station, "chkAdults")->setChecked(adults);
        QTest::keyClicks(control<QLineEdit>(&station, "txtSearch"), search);
        QTest::keyClick(control<QLineEdit>(&station, "txtSearch"), Qt::Key_Return);
        QCOMPARE(shown(control<QListWidget>(&station, "lstPeople")), rows);
        for (const char* button : { "btnCheckIn", "btnReprint", "btnAddVisitor", "btnCheckOut" })
            QCOMPARE(control<QPushButton>(&station, button)->isEnabled(), entry);
    }

    void checksInAndPrintsTheLabels_data()
    {
        QTest::addColumn<bool>("before"); // Emma was checked in before
        QTest::addColumn<bool>("yes"); // the answer to the reprint question
        QTest::addColumn<int>("pages"); // printed now: a label each, then the stub
        QTest::addColumn<QString>("result");
        QTest::newRow("both children") << false << false << 3 << "Checked in: Emma, Noah";
        QTest::newRow("Emma again, her label reprinted")
            << true << true << 3 << "Checked in: Noah\nLabels printed again: Emma";
        QTest::newRow("Emma again, not reprinted") << true << false << 2 << "Checked in: Noah";
    }
    void checksInAndPrintsTheLabels()
    {
        QFETCH(bool, before);
        QFETCH(bool, yes);
        QFETCH(int, pages);
        QFETCH(QString, result);
        Hales church;
        if (before)
            church.checkedIn(false);
        frmCheckinStation station;
        control<QLineEdit>(&station, "txtSearch")->setText("4567");
        click(&station, "btnSearch");
        church.env.messages.answers = { yes ? Answer::Yes : Answer::No };
        click(&station, "btnCheckIn");
        const QString code = control<QLabel>(&station, "lblCode")->text(); // both under the code shown
        QCOMPARE(church.env.db().texts("SELECT Code FROM Checkin"), QStringList({ code, code }));
        QCOMPARE(control<QLabel>(&station, "lblResult")->text(), result);
        QCOMPARE(church.env.messages.last().text.replace(code, "XYZ"),
            before ? "Emma is already checked in to Sunday School today with code XYZ. Print her label again?" : "");
        const QStringList printed = church.printedLabelPages();
        QCOMPARE(printed.size(), pages);
        QCOMPARE(printed.filter(code).size(), pages);
        QCOMPARE(printed.join(' ').contains("Emma"), !before || yes);
    }

    // Emma and Noah checked in apart hold codes of their own: each reprint
    // is asked and printed under the child's own code.
    void reprintsUnderEachOwnCode()
    {
        Hales church;
        const QString emma = church.checkedIn(false);
        CheckinRequest r { "SS", church.env.clock.today(), { { church.ids[3], church.classes[3].toLongLong() } },
            "hall", "ann", church.env.clock.now() };
        const QString noah = checkIn(church.env.db(), r, [n = 5u](quint32 below) mutable { return n++ % below; }).code;
        QVERIFY(noah != emma);
        frmCheckinStation station;
        control<QLineEdit>(&station, "txtSearch")->setText("4567");
        click(&station, "btnSearch");
        church.env.messages.answers = { Answer::Yes, Answer::Yes };
        click(&station, "btnCheckIn");
        QStringList asked;
        for (const auto& e : church.env.messages.entries)
            asked << e.text.section("with code ", 1).left(3);
        QCOMPARE(asked, (QStringList { emma, noah }));
        QCOMPARE(int(church.env.output.printed.size()), 2);
    }

    void checksOutByTheCode_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the family's code in lower case
        QTest::addColumn<int>("stamped");
        QTest::addColumn<QString>("message");
        QTest::newRow("the code in lower case") << "" << 2 << "";
        QTest::newRow("an unknown code") << "aaa" << 0 << "No child is checked in today with code AAA.";
    }
    void checksOutByTheCode()
    {
        QFETCH(QString, typed);
        QFETCH(int, stamped);
        QFETCH(QString, message);
        Hales church;
        const QString code = church.checkedIn(true);
        frmCheckinStation station;
        control<QLineEdit>(&station, "txtCode")->setText(typed.isEmpty() ? code.toLower() : typed);
        click(&station, "btnFindCode");
        QCOMPARE(church.env.messages.last().text, message);
        QVERIFY(
            !stamped || control<QListWidget>(&station, "lstPickup")->item(0)->text().contains("pick up: Helen Hale"));
        click(&station, "btnCheckOut");
        QCOMPARE(church.out().size(), stamped);
        QCOMPARE(control<QLabel>(&station, "lblOutcome")->text(), stamped ? "Checked out: Emma, Noah." : "");
    }

    void classCheckoutListsAndChecksOutItsChildren()
    {
        Hales church;
        const QString code = church.checkedIn(true);
        frmClassCheckout teacher;
        test::chooseText(control<QComboBox>(&teacher, "cmbClass"), "Nursery");
        click(&teacher, "btnRefresh");
        QCOMPARE(control<QLabel>(&teacher, "lblStill")->text(), "Still checked in: 1");
        control<QLineEdit>(&teacher, "txtCode")->setText(code);
        click(&teacher, "btnCheckOut");
        QCOMPARE(control<QLabel>(&teacher, "lblStill")->text(), "Still checked in: 0");
        QCOMPARE(church.out(), QList<qint64> { church.ids[2] });
        church.env.loginWithOnly(perm::MemberView);
        teacher.show();
        QVERIFY(!control<QPushButton>(&teacher, "btnCheckOut")->isEnabled());
    }
};

QTEST_MAIN(TestCheckinStation)
#include "tst_checkinstation.moc"
