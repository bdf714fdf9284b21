#include "TestSupport.h"
#include "data/Households.h"
#include "data/Members.h"
#include "data/Responsibilities.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>
#include <thread>

using namespace pw;
using test::TestEnv;
using Result = Members::SaveOutcome::Result;

namespace {

const QStringList kStamps { QStringLiteral("Date_Edited"), QStringLiteral("Edited_By") };

// Two workstations on one file: this one (the test environment's
// connection) and another one with its own connection.
struct TwoWorkstations {
    TestEnv env;
    std::unique_ptr<Database> other = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
    Database& mine() { return env.db(); }
};

void apply(MemberRecord& record, const QVariantMap& values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        Members::column(it.key())->read(record, it.value());
}

QVariant stored(Database& db, qint64 id, const QString& column)
{
    return db.scalar(QStringLiteral("SELECT %1 FROM Member WHERE ID = ?").arg(column), { id });
}

QStringList rowText(Database& db, qint64 id)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM Member WHERE ID = ?"), { id });
    QStringList out;
    if (!q.next())
        return out;
    for (int c = 1; c < q.record().count(); ++c)
        out.append(q.record().fieldName(c) + QLatin1Char('=')
            + (q.isNull(c) ? QStringLiteral("<null>") : q.value(c).toString()));
    return out;
}

} // namespace

class TestConcurrentEdits : public QObject {
    Q_OBJECT
private slots:
    void saveOverAnotherWorkstation_data();
    void saveOverAnotherWorkstation();
    void oneUserStoresWhatItAlwaysDid();
    void saveWaitsForAnotherWorkstation_data();
    void saveWaitsForAnotherWorkstation();
    void personRemovedMeanwhile();
    void familyRowsChangedUnderneath_data();
    void familyRowsChangedUnderneath();
    void responsibilityRowsChangedUnderneath_data();
    void responsibilityRowsChangedUnderneath();
};

void TestConcurrentEdits::saveOverAnotherWorkstation_data()
{
    QTest::addColumn<QVariantMap>("theirs");
    QTest::addColumn<QVariantMap>("mine");
    QTest::addColumn<int>("onConflict");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("conflicts");
    QTest::addColumn<QVariantMap>("expected");

    const int report = int(Members::OnConflict::Report);
    const int keepTheirs = int(Members::OnConflict::KeepTheirs);
    const int keepMine = int(Members::OnConflict::KeepMine);

    QTest::newRow("they change Cell and Notes, I save Address 2: all three kept")
        << QVariantMap { { "Cell", "9015550199" }, { "Notes", "Moved to the choir" } }
        << QVariantMap { { "Address_2", "Suite 200" } } << report << int(Result::Saved) << QStringList {}
        << QVariantMap { { "Cell", "9015550199" }, { "Notes", "Moved to the choir" }, { "Address_2", "Suite 200" },
               { "Edited_By", "clerk" } };
    QTest::newRow("different columns of every kind: both kept")
        << QVariantMap { { "Date_Of_Birth", "1970-05-01" }, { "Receive_Newsletter_Via_Mail", 1 } }
        << QVariantMap { { "DeaconID", 7 }, { "Zip", "38103" }, { "Baptized", "2001-04-15" } } << report
        << int(Result::Saved) << QStringList {}
        << QVariantMap { { "Date_Of_Birth", "1970-05-01" }, { "Receive_Newsletter_Via_Mail", 1 }, { "DeaconID", 7 },
               { "Zip", "38103" }, { "Baptized", "2001-04-15" } };
    QTest::newRow("same column: reported, nothing written")
        << QVariantMap { { "Cell", "9015550199" } } << QVariantMap { { "Cell", "9015550123" }, { "Zip", "38103" } }
        << report << int(Result::Conflicts) << QStringList { "Cell" }
        << QVariantMap { { "Cell", "9015550199" }, { "Zip", "38104" }, { "Edited_By", "sam" } };
    QTest::newRow("same column: keep theirs")
        << QVariantMap { { "Cell", "9015550199" } } << QVariantMap { { "Cell", "9015550123" }, { "Zip", "38103" } }
        << keepTheirs << int(Result::Saved) << QStringList { "Cell" }
        << QVariantMap { { "Cell", "9015550199" }, { "Zip", "38103" }, { "Edited_By", "clerk" } };
    QTest::newRow("same column: keep mine")
        << QVariantMap { { "Cell", "9015550199" } } << QVariantMap { { "Cell", "9015550123" }, { "Zip", "38103" } }
        << keepMine << int(Result::Saved) << QStringList { "Cell" }
        << QVariantMap { { "Cell", "9015550123" }, { "Zip", "38103" }, { "Edited_By", "clerk" } };
    QTest::newRow("same column, same new value: no question")
        << QVariantMap { { "City", "Nashville" } } << QVariantMap { { "City", "Nashville" } } << report
        << int(Result::Saved) << QStringList {} << QVariantMap { { "City", "Nashville" } };
    QTest::newRow("they set a date I cleared: reported")
        << QVariantMap { { "Member_Since", "1999-09-09" } } << QVariantMap { { "Member_Since", QVariant() } } << report
        << int(Result::Conflicts) << QStringList { "Member_Since" } << QVariantMap { { "Member_Since", "1999-09-09" } };
}

void TestConcurrentEdits::saveOverAnotherWorkstation()
{
    QFETCH(QVariantMap, theirs);
    QFETCH(QVariantMap, mine);
    QFETCH(int, onConflict);
    QFETCH(int, result);
    QFETCH(QStringList, conflicts);
    QFETCH(QVariantMap, expected);
    TwoWorkstations ws;

    MemberRecord person;
    person.status = QStringLiteral("Member");
    person.firstName = QStringLiteral("Ruth");
    person.lastName = QStringLiteral("Baker");
    person.address2 = QStringLiteral("Apt 1");
    person.city = QStringLiteral("Memphis");
    person.zip = QStringLiteral("38104");
    person.cell = QStringLiteral("9015550100");
    person.notes = QStringLiteral("Joined at Easter");
    person.memberSince = QDate(1998, 1, 4);
    const qint64 id = Members::insert(ws.mine(), person);

    // Person 1120 is open on this screen...
    const MemberRecord loaded = *Members::load(ws.mine(), id);
    // ...while the other workstation saves its change...
    MemberRecord theirRow = *Members::load(*ws.other, id);
    apply(theirRow, theirs);
    theirRow.editedBy = QStringLiteral("sam");
    theirRow.dateEdited = QDateTime(QDate(2026, 3, 15), QTime(10, 31));
    QCOMPARE(Members::update(*ws.other, theirRow, theirs.keys() + kStamps), 1);
    // ...and then this screen saves its own.
    MemberRecord edited = loaded;
    apply(edited, mine);
    edited.editedBy = QStringLiteral("clerk");
    edited.dateEdited = QDateTime(QDate(2026, 3, 15), QTime(10, 35));
    const Members::SaveOutcome outcome = Members::saveEdited(
        ws.mine(), loaded, edited, Members::screenColumns(), kStamps, Members::OnConflict(onConflict));

    QCOMPARE(int(outcome.result), result);
    QStringList found;
    for (const Members::Conflict& c : outcome.conflicts)
        found.append(c.column);
    QCOMPARE(found, conflicts);
    QCOMPARE(outcome.stored.editedBy, QStringLiteral("sam"));
    for (const QString& column : theirs.keys())
        if (!mine.contains(column))
            QVERIFY2(outcome.keptTheirs.contains(column), qPrintable(column));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant value = stored(ws.mine(), id, it.key());
        QVERIFY2(value.isNull() == it.value().isNull() && value.toString() == it.value().toString(),
            qPrintable(it.key() + QStringLiteral(": ") + value.toString()));
    }
    QVERIFY(!ws.mine().inTransaction());
}

void TestConcurrentEdits::oneUserStoresWhatItAlwaysDid()
{
    // Two identical rows as an import leaves them (Null text columns): one
    // saved the way every save always worked (every screen column), one by
    // the rule that keeps other workstations' changes. They end equal but for untouched Null text.
    TestEnv env;
    QList<qint64> ids;
    for (int i = 0; i < 2; ++i)
        ids.append(env.db().insert(QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name, Gender, Notes, "
                                                  "Date_Added, Added_By) VALUES ('Member', 'Ann', 'Lee', 'Female', "
                                                  "NULL, '2020-01-02T03:04:05', 'import')")
            + sql::returningId()));
    const auto edit = [](MemberRecord r) {
        r.city = QStringLiteral("Memphis");
        r.dateOfBirth = QDate(1980, 2, 29);
        r.editedBy = QStringLiteral("clerk");
        r.dateEdited = QDateTime(QDate(2026, 3, 15), QTime(10, 30));
        return r;
    };
    const MemberRecord loaded = *Members::load(env.db(), ids[1]);
    QCOMPARE(Members::update(env.db(), edit(*Members::load(env.db(), ids[0])), Members::screenColumns() + kStamps), 1);
    const Members::SaveOutcome outcome = Members::saveEdited(
        env.db(), loaded, edit(loaded), Members::screenColumns(), kStamps, Members::OnConflict::Report);
    QCOMPARE(int(outcome.result), int(Result::Saved));
    const QStringList wholeRow = rowText(env.db(), ids[0]);
    for (const QString& column : rowText(env.db(), ids[1]))
        QVERIFY2(wholeRow.contains(column) || column.endsWith(QLatin1String("=<null>")), qPrintable(column));
    QCOMPARE(outcome.written, QStringList({ "City", "Date_Of_Birth" }) + kStamps);
}

void TestConcurrentEdits::saveWaitsForAnotherWorkstation_data()
{
    QTest::addColumn<QString>("theirs"); // the column they change in a transaction left open meanwhile
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<QString>("expected"); // their column and my City after the save, or what the save says
    QTest::newRow("they change Notes") << "Notes" << 400 << "late|Memphis";
    QTest::newRow("both change City") << "City" << 400 << "conflict City";
    QTest::newRow("held too long") << "Notes" << 1500 << "The person \"Hale, Henry\" is in use";
}

// On a server a save that waits for another workstation's change merges with
// what it stored, and one that gives up names the person.
void TestConcurrentEdits::saveWaitsForAnotherWorkstation()
{
    QFETCH(QString, theirs);
    QFETCH(int, holdMs);
    QFETCH(QString, expected);
    if (!test::onServer())
        QSKIP("no test server (PEWLARK_TEST_POSTGRES)");
    TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("Henry"), QStringLiteral("Hale"));
    const MemberRecord loaded = *Members::load(env.db(), id);
    MemberRecord edited = loaded;
    edited.city = QStringLiteral("Memphis");
    env.db().setLockWaitLimit(holdMs > 1000 ? 300 : 5000);
    QSemaphore started;
    std::thread other([&] { // another workstation: a connection of its own
        auto db = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
        Transaction tx(*db);
        db->exec(QStringLiteral("UPDATE Member SET %1 = 'late' WHERE ID = ?").arg(theirs), { id });
        started.release();
        QThread::msleep(holdMs);
        tx.commit();
    });
    const auto joined = qScopeGuard([&] { other.join(); });
    started.acquire();
    QString got;
    try {
        const auto outcome
            = Members::saveEdited(env.db(), loaded, edited, Members::screenColumns(), {}, Members::OnConflict::Report);
        got = outcome.conflicts.empty() ? env.db().texts("SELECT " + theirs + " || '|' || City FROM Member").join("")
                                        : "conflict " + outcome.conflicts.front().column;
    } catch (const DbError& e) {
        got = e.kind() == DbError::Kind::Locked && !e.detail().isEmpty() ? e.message() : e.text();
    }
    QVERIFY2(got.startsWith(expected), qPrintable(got));
}

void TestConcurrentEdits::personRemovedMeanwhile()
{
    TwoWorkstations ws;
    const qint64 id = ws.env.addMember(QStringLiteral("Gone"), QStringLiteral("Person"));
    const MemberRecord loaded = *Members::load(ws.mine(), id);
    ws.other->exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { id });
    MemberRecord edited = loaded;
    edited.city = QStringLiteral("Memphis");
    const Members::SaveOutcome outcome = Members::saveEdited(
        ws.mine(), loaded, edited, Members::screenColumns(), kStamps, Members::OnConflict::KeepMine);
    QCOMPARE(int(outcome.result), int(Result::Gone));
    QCOMPARE(ws.mine().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 0);
}

void TestConcurrentEdits::familyRowsChangedUnderneath_data()
{
    QTest::addColumn<QString>("action"); // remove, or set to a relationship
    QTest::addColumn<QString>("shown"); // the pair's relationship in the grid; empty: none
    QTest::addColumn<QString>("theirs"); // what the other workstation stored for the pair meanwhile; "-": removed
    QTest::addColumn<bool>("stale");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("remove, nobody else changed it") << "remove"
                                                    << "Son"
                                                    << "" << false << QStringList {};
    QTest::newRow("remove after they changed the relationship") << "remove"
                                                                << "Son"
                                                                << "Nephew" << true << QStringList { "Nephew" };
    QTest::newRow("remove after they removed it") << "remove"
                                                  << "Son"
                                                  << "-" << true << QStringList {};
    QTest::newRow("add, nobody else added it") << "Son"
                                               << ""
                                               << "" << false << QStringList { "Son" };
    QTest::newRow("add after they added the same person") << "Son"
                                                          << ""
                                                          << "Daughter" << true << QStringList { "Daughter" };
    QTest::newRow("change, nobody else changed it") << "Grandson"
                                                    << "Son"
                                                    << "" << false << QStringList { "Grandson" };
    QTest::newRow("change after they changed it") << "Grandson"
                                                  << "Son"
                                                  << "Nephew" << true << QStringList { "Nephew" };
}

void TestConcurrentEdits::familyRowsChangedUnderneath()
{
    QFETCH(QString, action);
    QFETCH(QString, shown);
    QFETCH(QString, theirs);
    QFETCH(bool, stale);
    QFETCH(QStringList, after);
    TwoWorkstations ws;
    const qint64 head = ws.env.addMember(QStringLiteral("Hal"), QStringLiteral("Head"));
    const qint64 relative = ws.env.addMember(QStringLiteral("Rob"), QStringLiteral("Head"));
    const qint64 cousin = ws.env.addMember(QStringLiteral("Cal"), QStringLiteral("Head"));
    Households::setConnection(ws.mine(), head, cousin, QStringLiteral("Cousin"));
    if (!shown.isEmpty())
        Households::setConnection(ws.mine(), head, relative, shown);
    const std::vector<FamilyRow> grid = familyRows(ws.mine(), head, true);

    if (theirs == QLatin1String("-"))
        Households::removeConnection(*ws.other, head, relative);
    else if (!theirs.isEmpty())
        Households::setConnection(*ws.other, head, relative, theirs);
    QCOMPARE(Households::sameConnections(grid, familyRows(ws.mine(), head, true)), theirs.isEmpty());

    const Households::Change change = action == QLatin1String("remove")
        ? Households::removeShownConnection(ws.mine(), head, relative, shown)
        : Households::setShownConnection(ws.mine(), head, relative, action, shown);
    QCOMPARE(change == Households::Change::Stale, stale);
    QCOMPARE(ws.mine().texts(QStringLiteral("SELECT Relationship FROM Family_Connection WHERE Member_ID = ? AND "
                                            "Relative_Member_ID = ?"),
                 { head, relative }),
        after);
    // The rest of the household is never touched.
    QCOMPARE(ws.mine().texts(
                 QStringLiteral("SELECT Relationship FROM Family_Connection WHERE Relative_Member_ID = ?"), { cousin }),
        QStringList { "Cousin" });
}

void TestConcurrentEdits::responsibilityRowsChangedUnderneath_data()
{
    QTest::addColumn<int>("rows"); // equal rows stored when the grid was filled
    QTest::addColumn<QString>("theirs"); // what the other workstation did meanwhile
    QTest::addColumn<bool>("pickShown"); // false: the controls name dates the grid does not show
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("stale");
    QTest::addColumn<int>("left");
    QTest::addColumn<bool>("deaconCleared");

    QTest::newRow("as the grid showed it") << 1 << "" << true << 1 << false << 0 << true;
    QTest::newRow("two equal rows shown: both go") << 2 << "" << true << 2 << false << 0 << true;
    QTest::newRow("they added an equal row meanwhile: theirs stays") << 1 << "add" << true << 1 << true << 1 << false;
    QTest::newRow("they removed it meanwhile: nothing changes") << 1 << "remove" << true << 0 << true << 0 << true;
    QTest::newRow("controls name no row shown") << 1 << "" << false << 0 << false << 1 << false;
}

void TestConcurrentEdits::responsibilityRowsChangedUnderneath()
{
    QFETCH(int, rows);
    QFETCH(QString, theirs);
    QFETCH(bool, pickShown);
    QFETCH(int, removed);
    QFETCH(bool, stale);
    QFETCH(int, left);
    QFETCH(bool, deaconCleared);
    TwoWorkstations ws;
    const qint64 deacon = ws.env.addMember(QStringLiteral("Dan"), QStringLiteral("Deacon"));
    const qint64 member = ws.env.addMember(QStringLiteral("Mae"), QStringLiteral("Member"));
    ws.mine().exec(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID = ?"), { deacon, member });
    const Responsibilities::ResponsibilityRow row { deacon, QStringLiteral("Deacon"), QDate(2024, 1, 1),
        QDate(2026, 12, 31) };
    for (int i = 0; i < rows; ++i)
        Responsibilities::add(ws.mine(), row);
    const QVector<Responsibilities::ResponsibilityLine> grid = Responsibilities::linesOf(ws.mine(), deacon);

    if (theirs == QLatin1String("add"))
        Responsibilities::add(*ws.other, row);
    if (theirs == QLatin1String("remove"))
        Responsibilities::remove(*ws.other, row);

    Responsibilities::ResponsibilityRow named = row;
    if (!pickShown)
        named.end = QDate(2027, 6, 30);
    const int shownCount = Responsibilities::countShown(grid, named);
    QCOMPARE(shownCount, pickShown ? rows : 0);
    const Responsibilities::Removal result = Responsibilities::removeShown(ws.mine(), named, shownCount);
    QCOMPARE(result.removed, removed);
    QCOMPARE(result.stale, stale);
    QCOMPARE(ws.mine().scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility")).toInt(), left);
    QCOMPARE(ws.mine().scalar(QStringLiteral("SELECT DeaconID FROM Member WHERE ID = ?"), { member }).isNull(),
        deaconCleared);
}

QTEST_GUILESS_MAIN(TestConcurrentEdits)

#include "tst_concurrentedits.moc"
