// Check-in: codes, a family's code through the day, two stations, check-out, the roll call, finding a family.
#include "TestSupport.h"
#include "app/Permissions.h"
#include "attendance/Attendance.h"
#include "checkin/CarePanel.h"
#include "checkin/Checkin.h"
#include "data/Households.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <future>

using namespace pw;
using test::TestEnv;

namespace {

const QDate kSunday(2026, 3, 15);

// A random source that spells these codes, one letter per call, then gives 0.
std::function<quint32(quint32)> spelling(QString codes)
{
    return [codes](quint32) mutable {
        const qsizetype at = codes.isEmpty() ? 0 : checkin::codeAlphabet().indexOf(codes.front());
        codes.remove(0, 1);
        return quint32(at);
    };
}

qint64 person(TestEnv& env, QString first, QString last, QVariant born = {}, QString phone = {}, QString cell = {})
{
    const qint64 id = env.addMember(first, last);
    env.db().exec("UPDATE Member SET Date_Of_Birth = ?, Phone = ?, Cell = ? WHERE ID = ?", { born, phone, cell, id });
    return id;
}

// Henry Hale (phone ...1234) lists his wife Helen (cell ...4321), their children and his stepson Tom,
// 18 five days after the Sunday; Tim is in the Preschool class. Gus Hall (cell ...1234) and Sue live alone.
struct Church {
    TestEnv env;
    qint64 henry = person(env, "Henry", "Hale", {}, "5551231234");
    qint64 helen = person(env, "Helen", "Hale", "1985-06-01", {}, "5559874321");
    qint64 ann = person(env, "Ann", "Hale", "2017-02-01"), tim = person(env, "Tim", "Hale", "2019-05-01");
    qint64 tom = person(env, "Tom", "Jones", "2008-03-20"), sue = person(env, "Sue", "Bell");
    qint64 gus = person(env, "Gus", "Hall", {}, {}, "5550001234");
    Database& db = env.db();
    Church()
    {
        for (auto [id, relationship] :
            { std::pair { helen, "Wife" }, { ann, "Daughter" }, { tim, "Son" }, { tom, "Stepson" } })
            Households::setConnection(db, henry, id, relationship);
        db.exec("UPDATE Member SET Address_1 = '12 Oak St', City = 'Salem'");
        db.exec("INSERT INTO Sunday_School (ID, Name) VALUES (4, 'Preschool')");
        db.exec("UPDATE Member SET Sunday_School_Class = 4 WHERE ID = ?", { tim });
    }
    checkin::CheckinResult checkIn(QList<qint64> people, QString service = "SS", QString codes = "B2C")
    {
        checkin::CheckinRequest r { service, kSunday, {}, "Lobby", "usher", QDateTime(kSunday, QTime(9, 0)) };
        for (qint64 id : people)
            r.people.push_back({ id, 4 });
        return checkin::checkIn(db, r, spelling(codes));
    }
};

} // namespace

class TestCheckin : public QObject {
    Q_OBJECT
private slots:
    void newCode_data();
    void newCode();
    void familyKeepsItsCode_data();
    void familyKeepsItsCode();
    void twoStationsNeverShareACode();
    void checkOutByCode();
    void rollCallAgrees();
    void findFamilies_data();
    void findFamilies();
    void enterInTheNamesSavesTheNotes();
    void notesAreNotLostOnTheNextPerson_data();
    void notesAreNotLostOnTheNextPerson();
};

void TestCheckin::newCode_data()
{
    QTest::addColumn<QString>("expected"); // empty: every code is used
    QTest::addColumn<QStringList>("used");
    QTest::addColumn<QString>("spelt"); // what the random source spells, code after code
    QTest::newRow("the first one") << "B2C" << QStringList {} << "B2C";
    QTest::newRow("used, in any case") << "D3F" << QStringList { "b2c" } << "B2CD3F";
    QTest::newRow("avoided") << "B2C" << QStringList {} << "KKKWTFB2C";
    QTest::newRow("random keeps hitting a used one") << "BBC" << QStringList { "BBB" } << "";
    QStringList all;
    const QString abc = checkin::codeAlphabet();
    for (qsizetype i = 0, n = abc.size(); i < n * n * n; ++i)
        all.append(QString(abc[i / n / n]) + abc[i / n % n] + abc[i % n]);
    QTest::newRow("every code used") << "" << all << "";
}

void TestCheckin::newCode()
{
    QFETCH(QString, expected);
    QFETCH(QStringList, used);
    QFETCH(QString, spelt);
    const QSet<QString> taken(used.begin(), used.end());
    if (expected.isEmpty())
        QVERIFY_THROWS_EXCEPTION(Error, checkin::newCode(taken, spelling(spelt)));
    else
        QCOMPARE(checkin::newCode(taken, spelling(spelt)), expected);
}

void TestCheckin::familyKeepsItsCode_data()
{
    QTest::addColumn<bool>("outFirst"); // Tim is checked out before the second check-in
    QTest::addColumn<QString>("service");
    QTest::addColumn<bool>("withSister");
    QTest::newRow("reprint") << false << "SS" << false;
    QTest::newRow("sister joins later") << false << "SS" << true;
    QTest::newRow("stays on for worship") << false << "WS" << false;
    QTest::newRow("back after check-out") << true << "WS" << false;
}

void TestCheckin::familyKeepsItsCode()
{
    QFETCH(bool, outFirst);
    QFETCH(QString, service);
    QFETCH(bool, withSister);
    Church c;
    const QString first = c.checkIn({ c.tim }).code;
    if (outFirst)
        checkin::checkOut(c.db, { checkin::byCode(c.db, kSunday, first).front().id }, "usher", c.env.clock.now());
    const auto again = c.checkIn(withSister ? QList { c.tim, c.ann } : QList { c.tim }, service, "D3F");
    QCOMPARE(again.code == first, !outFirst);
    const bool reprinted = service == QLatin1String("SS") && !outFirst;
    QCOMPARE(again.already, reprinted ? std::vector<qint64> { c.tim } : std::vector<qint64> {});
    for (const QString table : { "Checkin", "Attendance" })
        QCOMPARE(c.db.scalar("SELECT COUNT(*) FROM " + table).toInt(), reprinted && !withSister ? 1 : 2);
}

// Two stations draw the same letters at the same moment: the second waits for the first, takes another code.
void TestCheckin::twoStationsNeverShareACode()
{
    Church c;
    QSemaphore drawing;
    auto station = std::async(std::launch::async, [&] {
        auto other = Database::open(c.db.path(), Database::OpenMode::ExistingOnly);
        checkin::CheckinRequest r { "SS", kSunday, { { c.sue, 4 } }, "Hall", "usher", c.env.clock.now() };
        return checkin::checkIn(*other, r, [&](quint32) {
            drawing.release();
            QThread::msleep(100);
            return quint32(0);
        }).code;
    });
    drawing.acquire();
    const QString mine = c.checkIn({ c.tim }, "SS", "BBB").code;
    QCOMPARE(station.get() + " " + mine, QStringLiteral("BBB BBC"));
}

// Tim and Ann are fetched under their code typed in any case; Sue stays.
void TestCheckin::checkOutByCode()
{
    Church c;
    checkin::saveCare(c.db, c.tim, { "Peanuts", "Henry or Helen Hale" });
    checkin::saveCare(c.db, c.tim, { "Peanuts", "Helen Hale" });
    c.checkIn({ c.tim, c.ann });
    c.checkIn({ c.sue }, "SS", "D3F");
    const std::vector<checkin::CheckinRow> rows = checkin::byCode(c.db, kSunday, " b2c ");
    QCOMPARE(rows.size(), std::size_t(2));
    const checkin::CheckinRow& t = rows.back();
    QCOMPARE(rows.front().firstName + "/" + t.firstName, QStringLiteral("Ann/Tim"));
    QCOMPARE(t.authorisedPickup + "/" + t.allergy + "/" + t.className, QStringLiteral("Helen Hale/Peanuts/Preschool"));
    QCOMPARE(checkin::checkOut(c.db, { rows.front().id, t.id }, "usher", c.env.clock.now()), 2);
    QCOMPARE(checkin::checkOut(c.db, { t.id }, "usher", c.env.clock.now().addSecs(300)), 0);
    QCOMPARE(checkin::byCode(c.db, kSunday, "B2C").back().checkedOutAt, c.env.clock.now());
    const std::vector<checkin::CheckinRow> in = checkin::dayCheckins(c.db, kSunday, true);
    QCOMPARE(in.size(), std::size_t(1));
    QCOMPARE(in.front().memberId, c.sue);
    QCOMPARE(checkin::dayCheckins(c.db, kSunday, false, 4).size(), std::size_t(3));
}

// A check-in is the child's attendance at the meeting: one row, which the roll call shows and keeps,
// whichever of the two comes first (Ann was ticked on the roll call before she was checked in).
void TestCheckin::rollCallAgrees()
{
    Church c;
    const attendance::Meeting meeting { "SS", 4, kSunday };
    const auto callRoll = [&](qint64 ticked) {
        const attendance::Recorded loaded = attendance::load(c.db, meeting);
        attendance::Recorded mine = loaded;
        mine.present.insert(ticked);
        attendance::save(c.db, meeting, loaded, mine, threeway::OnConflict::Report, "teacher", {});
        return loaded.present;
    };
    callRoll(c.ann);
    c.checkIn({ c.tim, c.ann });
    QCOMPARE(callRoll(c.sue), (QSet<qint64> { c.tim, c.ann }));
    QCOMPARE(attendance::load(c.db, meeting).present, (QSet<qint64> { c.tim, c.ann, c.sue }));
    QCOMPARE(c.db.scalar("SELECT COUNT(*) FROM Attendance").toInt(), 3);
}

void TestCheckin::findFamilies_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QString>("people"); // of the first family: child*, /class, #code while checked in
    const QString hales = "Hale, Henry & Helen (12 Oak St, Salem)", hall = "Hall, Gus (12 Oak St, Salem)";
    const QString halePeople = "Tim*/Preschool#B2C Ann* Tom* Helen Henry";
    QTest::newRow("home phone, cell") << "1234" << QStringList { hales, hall } << halePeople;
    QTest::newRow("the wife's cell") << "4321" << QStringList { hales } << halePeople;
    QTest::newRow("last name start") << "ha" << QStringList { hales, hall } << halePeople;
    QTest::newRow("a stepson finds his family") << "Jon" << QStringList { hales } << halePeople;
    QTest::newRow("alone") << "Bel" << QStringList { "Bell, Sue (12 Oak St, Salem)" } << QString("Sue");
    QTest::newRow("one letter") << "H" << QStringList {} << QString();
    QTest::newRow("three digits") << "234" << QStringList {} << QString();
}

void TestCheckin::findFamilies()
{
    QFETCH(QString, search);
    QFETCH(QStringList, families);
    QFETCH(QString, people);
    Church c;
    c.checkIn({ c.tim });
    const std::vector<checkin::Family> found = checkin::findFamilies(c.db, search);
    QStringList names, shown;
    for (const checkin::Family& f : found)
        names.append(QStringLiteral("%1 (%2)").arg(f.name, f.address));
    QCOMPARE(names, families);
    for (const checkin::Person& p : checkin::household(c.db, found.empty() ? 0 : found.front().headId, "SS", kSunday))
        shown.append(p.firstName + (p.child ? "*" : "") + (p.className.isEmpty() ? "" : "/" + p.className)
            + (p.code.isEmpty() ? "" : "#" + p.code));
    QCOMPARE(shown.join(' '), people);
}

void TestCheckin::enterInTheNamesSavesTheNotes()
{
    TestEnv env;
    const qint64 emma = env.addMember(QStringLiteral("Emma"), QStringLiteral("Hale"));
    env.loginWithOnly(perm::MemberEntry);
    checkin::CarePanel panel;
    panel.showPerson(emma);
    auto* names = test::control<QLineEdit>(&panel, "txtAuthorisedPickup");
    QTest::keyClicks(names, QStringLiteral("Helen Hale"));
    QTest::keyClick(names, Qt::Key_Return);
    QCOMPARE(checkin::careOf(env.db(), emma).authorisedPickup, QStringLiteral("Helen Hale"));
}

void TestCheckin::notesAreNotLostOnTheNextPerson_data()
{
    QTest::addColumn<QString>("typed"); // the allergy note typed for Emma
    QTest::addColumn<int>("answer"); // to the question, when asked
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asked");
    QTest::newRow("saved on Yes") << "Peanuts" << int(Answer::Yes) << "Peanuts" << true;
    QTest::newRow("dropped on No") << "Peanuts" << int(Answer::No) << "Dairy" << true;
    QTest::newRow("nothing typed, nothing asked") << "Dairy" << int(Answer::Yes) << "Dairy" << false;
}

// The care notes typed for one child and not saved are asked about before
// the member screen shows the next person.
void TestCheckin::notesAreNotLostOnTheNextPerson()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    QFETCH(bool, asked);
    TestEnv env;
    const qint64 emma = env.addMember(QStringLiteral("Emma"), QStringLiteral("Hale"));
    const qint64 noah = env.addMember(QStringLiteral("Noah"), QStringLiteral("Hale"));
    checkin::saveCare(env.db(), emma, { QStringLiteral("Dairy"), QString() });
    env.loginWithOnly(perm::MemberEntry);
    checkin::CarePanel panel;
    panel.showPerson(emma);
    test::control<QPlainTextEdit>(&panel, "txtAllergy")->setPlainText(typed);
    env.messages.answers = { Answer(answer) };
    panel.showPerson(noah);
    QCOMPARE(checkin::careOf(env.db(), emma).allergy, stored);
    QCOMPARE(env.messages.count(), asked ? 1 : 0);
}

QTEST_MAIN(TestCheckin)
#include "tst_checkin.moc"
