#include "TestSupport.h"

#include "data/Members.h"
#include "data/PersonLinks.h"
#include "data/Rows.h"
#include "data/Schema.h"

#include <QtTest>
#include <thread>

using namespace pw;
using test::TestEnv;

class TestPersonLinks : public QObject {
    Q_OBJECT
private slots:
    void everyPersonColumnHasRules();
    void mergeLeavesNothingPointingAtTheRemovedPerson();
    void mergeRefusals_data();
    void mergeRefusals();
    void deleteRefusals_data();
    void deleteRefusals();
    void waitForAnImportLinkingThePerson_data();
    void waitForAnImportLinkingThePerson();
};

namespace {

int count(TestEnv& env, const QString& sql, const QVariantList& params = {})
{
    return env.db().scalar(sql, params).toInt();
}

PersonLinks::Merge mergeOf(TestEnv& env, qint64 removed, qint64 kept)
{
    const MemberRecord k = *Members::load(env.db(), kept);
    return { removed, Members::load(env.db(), removed)->dateEdited, k, k.dateEdited, QStringLiteral("Hale, Margret"),
        QStringLiteral("admin"), QDateTime(QDate(2026, 3, 15), QTime(10, 0)) };
}

} // namespace

// A person column without rules would keep pointing at a merged or deleted person.
void TestPersonLinks::everyPersonColumnHasRules()
{
    for (const schema::ColumnRef& c : schema::personColumns()) {
        const auto& all = PersonLinks::links();
        QVERIFY2(std::any_of(all.begin(), all.end(),
                     [&](const PersonLinks::Link& l) { return l.table == c.table && l.column == c.column; }),
            qPrintable(c.table + QLatin1Char('.') + c.column));
    }
}

void TestPersonLinks::mergeLeavesNothingPointingAtTheRemovedPerson()
{
    TestEnv env;
    const qint64 kept = env.addMember(QStringLiteral("Margaret"), QStringLiteral("Hale"));
    const qint64 removed = env.addMember(QStringLiteral("Margret"), QStringLiteral("Hale"));
    const qint64 son = env.addMember(QStringLiteral("Tom"), QStringLiteral("Hale"));
    const qint64 other = env.addMember(QStringLiteral("Ann"), QStringLiteral("Cole"));
    Database& db = env.db();
    const QString family = QStringLiteral("INSERT INTO Family_Connection VALUES (?, ?, ?)");
    // Both records list the son, the son lists both; the two records list each other.
    for (const QVariantList& row : { QVariantList { kept, "Son", son }, QVariantList { removed, "Son", son },
             QVariantList { son, "Mother", kept }, QVariantList { son, "Mother", removed },
             QVariantList { removed, "Sister", kept }, QVariantList { other, "Friend", removed } })
        db.exec(family, row);
    const QString held = QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Usher', '2020-01-01', ?)");
    db.exec(held, { kept, QVariant() });
    db.exec(held, { removed, QVariant() }); // the same one twice
    db.exec(held, { removed, QStringLiteral("2021-01-01") });
    const QString contact = QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Visitor1, Visitor2) VALUES "
                                           "(?, ?, ?)");
    db.exec(contact, { removed, other, QVariant() });
    db.exec(contact, { other, kept, removed });
    db.exec(contact, { other, removed, QVariant() });
    db.exec(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID IN (?, ?)"), { removed, son, kept });
    for (const char* table : { "Sunday_School", "Discipleship_Training", "Wednesday_Night" })
        db.exec(QStringLiteral("INSERT INTO %1 (Name, Teacher, Asst_Teacher) VALUES ('A', ?, ?)")
                    .arg(QString::fromLatin1(table)),
            { removed, removed });
    db.exec(
        QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader) VALUES (?, ?)"), { removed, removed });
    env.addUser(removed, QStringLiteral("margret"), QStringLiteral("pw"), QStringLiteral("User"));
    env.grant(removed, QStringLiteral("Member View"));

    const QString gift = QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method) VALUES (1, ?, "
                                        "'2026-01-04', 'Cash')");
    db.exec(gift, { removed });
    db.exec(gift, { kept });
    db.exec(QStringLiteral("INSERT INTO Pledge (Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents) VALUES (?, "
                           "1, '2026-01-01', '2026-12-31', 5000)"),
        { removed });
    // Each record has an envelope: the kept person's stays.
    db.exec(QStringLiteral("INSERT INTO Giver (Member_ID, Envelope) VALUES (?, 7), (?, 8)"), { removed, kept });
    // Both records serve at one place on one day: the kept person serves once.
    db.exec(QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (1, "
                           "'2026-03-01', ?), (1, '2026-03-01', ?), (1, '2026-03-08', ?)"),
        { removed, kept, removed });
    db.exec(
        QStringLiteral("INSERT INTO Roster_Unavailable (Member_ID, From_Date) VALUES (?, '2026-04-05')"), { removed });
    // Both records checked in to one meeting: the kept person is in it once;
    // the kept person's care notes win.
    db.exec(QStringLiteral("INSERT INTO Checkin (Member_ID, Service, Checkin_Date, Code) VALUES (?, 'SS', "
                           "'2026-03-01', 'BCD'), (?, 'SS', '2026-03-01', 'BCD')"),
        { removed, kept });
    db.exec(QStringLiteral("INSERT INTO Child_Care (Member_ID, Allergy_Note) VALUES (?, 'Dairy'), (?, 'Peanuts')"),
        { removed, kept });
    db.exec(QStringLiteral("INSERT INTO Directory_Listing (Member_ID, Listing) VALUES (?, 'Leave out'), (?, 'List')"),
        { removed, kept });

    PersonLinks::merge(db, mergeOf(env, removed, kept));

    for (const schema::ColumnRef& c : schema::personColumns())
        QVERIFY2(
            count(env, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(c.table, c.column), { removed }) == 0,
            qPrintable(c.table + QLatin1Char('.') + c.column));
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Member WHERE ID = ?"), { removed }), 0);
    QCOMPARE(
        count(env, QStringLiteral("SELECT COUNT(*) FROM Family_Connection WHERE Member_ID = Relative_Member_ID")), 0);
    QCOMPARE(count(env,
                 QStringLiteral("SELECT COUNT(*) FROM (SELECT Member_ID, Relative_Member_ID FROM Family_Connection "
                                "GROUP BY Member_ID, Relative_Member_ID HAVING COUNT(*) > 1) AS d")),
        0);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Family_Connection")), 3);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?"), { kept }), 2);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact WHERE Visitor2 IS NOT NULL")), 0);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Member WHERE DeaconID = ?"), { kept }), 1); // the son
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM \"User\" WHERE Member_ID = ?"), { kept }), 1);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Gift WHERE Member_ID = ?"), { kept }), 2);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Pledge WHERE Member_ID = ?"), { kept }), 1);
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Envelope FROM Giver")), QStringList { "8" });
    QCOMPARE(env.db().texts(
                 QStringLiteral("SELECT Serve_Date FROM Roster_Assignment WHERE Member_ID = ? ORDER BY 1"), { kept }),
        (QStringList { "2026-03-01", "2026-03-08" }));
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Roster_Unavailable WHERE Member_ID = ?"), { kept }), 1);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Checkin WHERE Member_ID = ?"), { kept }), 1);
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Allergy_Note FROM Child_Care")), QStringList { "Peanuts" });
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Listing FROM Directory_Listing")), QStringList { "List" });
    QCOMPARE(count(env,
                 QStringLiteral("SELECT COUNT(*) FROM Member_Merge WHERE Removed_Member_ID = ? AND Kept_Member_ID = ? "
                                "AND Merged_By = 'admin'"),
                 { removed, kept }),
        1);
}

void TestPersonLinks::mergeRefusals_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("says");
    QTest::newRow("both have an account") << "INSERT INTO \"User\" (Member_ID, Username) VALUES (:kept, 'a'), "
                                             "(:removed, 'b')"
                                          << "Both people have a user account (\"a\" and \"b\")";
    QTest::newRow("changed meanwhile") << "UPDATE Member SET Date_Edited = '2026-03-15T09:00:00', Edited_By = 'bo' "
                                          "WHERE ID = :removed"
                                       << "was changed on another workstation (bo)";
}

// A merge that cannot be done leaves both records as they were.
void TestPersonLinks::mergeRefusals()
{
    QFETCH(QString, change);
    QFETCH(QString, says);
    TestEnv env;
    const qint64 kept = env.addMember(QStringLiteral("Margaret"), QStringLiteral("Hale"));
    const qint64 removed = env.addMember(QStringLiteral("Margret"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Sister', ?)"), { removed, kept });
    const PersonLinks::Merge merge = mergeOf(env, removed, kept);
    env.db().exec(change.replace(QStringLiteral(":kept"), QString::number(kept))
                      .replace(QStringLiteral(":removed"), QString::number(removed)));
    const int rows = count(env, QStringLiteral("SELECT COUNT(*) FROM Member"));
    try {
        PersonLinks::merge(env.db(), merge);
        QFAIL("the merge went through");
    } catch (const Error& e) {
        QVERIFY2(e.text().contains(says), qPrintable(e.text()));
    }
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Member")), rows);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Family_Connection")), 1);
    QCOMPARE(count(env, QStringLiteral("SELECT COUNT(*) FROM Member_Merge")), 0);
}

void TestPersonLinks::deleteRefusals_data()
{
    QTest::addColumn<QString>("row"); // :p is the person to delete, :o someone else
    QTest::addColumn<QString>("refusal"); // empty: deleted
    QTest::newRow("first visitor") << "INSERT INTO Prospect_Contact (Prospect_ID, Visitor1) VALUES (:o, :p)"
                                   << "still the visitor on 1 contact.";
    QTest::newRow("second visitor") << "INSERT INTO Prospect_Contact (Prospect_ID, Visitor1, Visitor2) VALUES (:o, "
                                       ":o, :p)"
                                    << "still the visitor on 1 contact.";
    QTest::newRow("deacon") << "UPDATE Member SET DeaconID = :p"
                            << "still the deacon of 1 person.";
    QTest::newRow("leader") << "INSERT INTO Care_Group (Group_Leader) VALUES (:p)"
                            << "a leader of 1 care group.";
    QTest::newRow("assistant leader") << "INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader) VALUES (:o, :p)"
                                      << "a leader of 1 care group.";
    QTest::newRow("teacher") << "INSERT INTO Wednesday_Night (Name, Teacher) VALUES ('A', :p)"
                             << "a teacher of 1 class.";
    QTest::newRow("assistant teacher") << "INSERT INTO Sunday_School (Name, Asst_Teacher) VALUES ('A', :p)"
                                       << "a teacher of 1 class.";
    QTest::newRow("user") << "INSERT INTO \"User\" (Member_ID, Username) VALUES (:p, 'x')"
                          << "still the holder of 1 user account.";
    QTest::newRow("giver of gifts") << "INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method) VALUES (1, :p, "
                                       "'2026-01-04', 'Cash'), (1, :p, '2026-01-11', 'Check')"
                                    << "still the giver of 2 recorded gifts.";
    QTest::newRow("roster turns and days away go along")
        << "INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (1, '2026-03-01', :p); INSERT "
           "INTO Roster_Unavailable (Member_ID, From_Date) VALUES (:p, '2026-03-08'); INSERT INTO Roster_Preference "
           "(Member_ID, Position_ID) VALUES (:p, 1)"
        << "";
    QTest::newRow("pledges and envelope go along")
        << "INSERT INTO Pledge (Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents) VALUES (:p, 1, "
           "'2026-01-01', '2026-12-31', 120000); INSERT INTO Giver (Member_ID, Envelope) VALUES (:p, 12)"
        << "";
    QTest::newRow("family, responsibilities and contacts go along")
        << "INSERT INTO Family_Connection VALUES (:p, 'Son', :o), (:o, 'Mother', :p); INSERT INTO "
           "Member_Responsibility VALUES (:p, 'Usher', NULL, NULL); INSERT INTO Prospect_Contact (Prospect_ID, "
           "Visitor1) VALUES (:p, :o)"
        << "";
}

void TestPersonLinks::deleteRefusals()
{
    QFETCH(QString, row);
    QFETCH(QString, refusal);
    TestEnv env;
    const qint64 person = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    const qint64 other = env.addMember(QStringLiteral("Ann"), QStringLiteral("Cole"));
    for (QString statement : row.split(QLatin1Char(';')))
        env.db().exec(statement.replace(QStringLiteral(":p"), QString::number(person))
                          .replace(QStringLiteral(":o"), QString::number(other)));
    try {
        PersonLinks::remove(env.db(), person, QStringLiteral("Hale, Helen"));
        QVERIFY2(refusal.isEmpty(), "deleted");
    } catch (const Error& e) {
        QVERIFY2(!refusal.isEmpty() && e.text().startsWith(QStringLiteral("Hale, Helen cannot be deleted while "))
                && e.text().contains(refusal),
            qPrintable(e.text()));
    }
    QCOMPARE(
        count(env, QStringLiteral("SELECT COUNT(*) FROM Member WHERE ID = ?"), { person }), refusal.isEmpty() ? 0 : 1);
    for (const schema::ColumnRef& c : schema::personColumns())
        QVERIFY(!refusal.isEmpty()
            || count(env, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(c.table, c.column), { person })
                == 0);
}

void TestPersonLinks::waitForAnImportLinkingThePerson_data()
{
    QTest::addColumn<bool>("merge"); // or delete
    QTest::newRow("delete") << false;
    QTest::newRow("merge") << true;
}

// Another workstation's import links the person and has not committed yet:
// the delete or merge waits for it and leaves no link to a person gone.
void TestPersonLinks::waitForAnImportLinkingThePerson()
{
    QFETCH(bool, merge);
    TestEnv env;
    const qint64 kept = env.addMember(QStringLiteral("Margaret"), QStringLiteral("Hale"));
    const qint64 removed = env.addMember(QStringLiteral("Margret"), QStringLiteral("Hale"));
    const PersonLinks::Merge merging = mergeOf(env, removed, kept);
    QSemaphore linked;
    std::thread import([&] {
        auto db = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
        Transaction tx(*db);
        rows::lockTable(*db, QStringLiteral("Member"), QStringLiteral("the people"));
        db->exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Son', 99)"), { removed });
        linked.release();
        QThread::msleep(300);
        tx.commit();
    });
    auto joined = qScopeGuard([&] { import.join(); });
    linked.acquire();
    if (merge)
        PersonLinks::merge(env.db(), merging);
    else
        PersonLinks::remove(env.db(), removed, QStringLiteral("Hale, Margret"));
    import.join();
    joined.dismiss();
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Member_ID FROM Family_Connection")),
        merge ? QStringList { QString::number(kept) } : QStringList {});
}

QTEST_MAIN(TestPersonLinks)
#include "tst_personlinks.moc"
