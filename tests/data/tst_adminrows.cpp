#include "OfficeFolder.h"
#include "TestSupport.h"

#include "app/Login.h"
#include "data/Classes.h"
#include "data/Passwords.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "data/Sql.h"
#include "data/Users.h"

#include <QSqlQuery>
#include <QtTest>

using namespace pw;

class TestAdminRows : public QObject {
    Q_OBJECT
private slots:
    void savingAnEditedRow_data();
    void savingAnEditedRow();
    void untouchedControlsKeepStoredValues_data();
    void untouchedControlsKeepStoredValues();
    void nameKeyAgreesWithTheLogin_data();
    void nameKeyAgreesWithTheLogin();
    void uniqueIndexRefusesSharedNames();
    void upgradeKeepsAccountsThatShareAName();
};

namespace {
const QVariant kNull = QVariant();
}

void TestAdminRows::savingAnEditedRow_data()
{
    // One class, Description and Teacher as loaded, as this user left them
    // (mine) and as another workstation stored them meanwhile (theirs).
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<int>("onConflict");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("stored");
    const int report = int(rows::OnConflict::Report), theirsWin = int(rows::OnConflict::KeepTheirs),
              mineWin = int(rows::OnConflict::KeepMine);
    const int saved = int(rows::Outcome::Result::Saved), conflicts = int(rows::Outcome::Result::Conflicts);
    QTest::newRow("only mine changed") << "a"
                                       << "b"
                                       << "a" << report << saved << "b";
    QTest::newRow("only theirs changed") << "a"
                                         << "a"
                                         << "c" << report << saved << "c";
    QTest::newRow("both alike") << "a"
                                << "b"
                                << "b" << report << saved << "b";
    QTest::newRow("both differently: reported") << "a"
                                                << "b"
                                                << "c" << report << conflicts << "c";
    QTest::newRow("both differently: theirs kept") << "a"
                                                   << "b"
                                                   << "c" << theirsWin << saved << "c";
    QTest::newRow("both differently: mine kept") << "a"
                                                 << "b"
                                                 << "c" << mineWin << saved << "b";
    QTest::newRow("empty is not Null") << ""
                                       << ""
                                       << "c" << report << saved << "c";
}

void TestAdminRows::savingAnEditedRow()
{
    QFETCH(QString, loaded);
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(int, onConflict);
    QFETCH(int, result);
    QFETCH(QString, stored);
    test::TestEnv env;
    const rows::Table& table = Classes::table(Lookups::ClassKind::SundaySchool);
    const qint64 teacher = env.addMember(QStringLiteral("Ann"), QStringLiteral("Able"));
    const qint64 id = rows::insert(env.db(), table,
        { { QStringLiteral("Name"), QStringLiteral("Adults") }, { QStringLiteral("Description"), theirs },
            { QStringLiteral("Teacher"), teacher } });
    const rows::Values before { { QStringLiteral("Name"), QStringLiteral("Adults") },
        { QStringLiteral("Description"), loaded }, { QStringLiteral("Teacher"), teacher } };
    rows::Values edited = before;
    edited.insert(QStringLiteral("Description"), mine);
    edited.insert(QStringLiteral("Teacher"), 0); // the empty teacher entry
    const rows::Outcome outcome
        = rows::saveEdited(env.db(), table, id, before, edited, static_cast<rows::OnConflict>(onConflict));
    QCOMPARE(int(outcome.result), result);
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT Description FROM Sunday_School WHERE ID = ?"), { id }).toString(),
        stored);
    const QVariant storedTeacher
        = env.db().scalar(QStringLiteral("SELECT Teacher FROM Sunday_School WHERE ID = ?"), { id });
    // Nothing at all is written when the user is asked first.
    QCOMPARE(storedTeacher.isNull(), result == int(rows::Outcome::Result::Saved));
    if (result == int(rows::Outcome::Result::Conflicts)) {
        QCOMPARE(outcome.conflicts.size(), std::size_t(1));
        QCOMPARE(outcome.conflicts.front().column, QStringLiteral("Description"));
    }
    QCOMPARE(rows::saveEdited(env.db(), table, id + 1, before, edited, rows::OnConflict::KeepMine).result,
        rows::Outcome::Result::Gone);
}

void TestAdminRows::untouchedControlsKeepStoredValues_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QVariant>("now");
    QTest::addColumn<QVariant>("saved");
    QTest::newRow("a person the list could not show") << QVariant(42) << kNull << kNull << QVariant(42);
    QTest::newRow("that person replaced") << QVariant(42) << kNull << QVariant(7) << QVariant(7);
    QTest::newRow("a delay shown as typed")
        << QVariant(QStringLiteral("2 s")) << QVariant(2.0) << QVariant(2.0) << QVariant(QStringLiteral("2 s"));
    QTest::newRow("text changed") << QVariant(QStringLiteral("a")) << QVariant(QStringLiteral("a"))
                                  << QVariant(QStringLiteral("b")) << QVariant(QStringLiteral("b"));
}

void TestAdminRows::untouchedControlsKeepStoredValues()
{
    QFETCH(QVariant, stored);
    QFETCH(QVariant, shown);
    QFETCH(QVariant, now);
    QFETCH(QVariant, saved);
    const rows::Values out = rows::edited(
        { { QStringLiteral("C"), stored } }, { { QStringLiteral("C"), shown } }, { { QStringLiteral("C"), now } });
    QCOMPARE(out.value(QStringLiteral("C")), saved);
}

void TestAdminRows::nameKeyAgreesWithTheLogin_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("letter case") << "jsmith"
                                 << "JSmith";
    QTest::newRow("accented capitals") << "José"
                                       << "JOSÉ";
    QTest::newRow("one letter typed two ways") << QString::fromUtf8("Ren\xc3\xa9") << QString::fromUtf8("rene\xcc\x81");
    QTest::newRow("sharp s") << QString::fromUtf8("stra\xc3\x9f"
                                                  "e")
                             << "STRASSE";
    QTest::newRow("Greek") << QString::fromUtf8("\xce\xa3\xce\xbf\xcf\x86\xce\xaf\xce\xb1")
                           << QString::fromUtf8("\xcf\x83\xce\xbf\xcf\x86\xce\xaf\xce\xb1");
    QTest::newRow("accent matters") << "Jose"
                                    << "José";
    QTest::newRow("different names") << "jsmith"
                                     << "jsmith2";
}

// Two user names share a key exactly when the login's comparison finds them
// equal, so the unique index refuses what the login could not tell apart.
void TestAdminRows::nameKeyAgreesWithTheLogin()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    test::TestEnv env;
    const bool loginEqual
        = env.db().exists(QStringLiteral("SELECT 1 WHERE ") + sql::textEquals(QStringLiteral("?")), { a, b });
    QCOMPARE(Users::nameKey(a) == Users::nameKey(b), loginEqual);
    QCOMPARE(Users::nameKey(QStringLiteral("  ") + a + QStringLiteral(" ")), Users::nameKey(a));
}

void TestAdminRows::uniqueIndexRefusesSharedNames()
{
    test::TestEnv env;
    const qint64 ann = env.addMember(QStringLiteral("Ann"), QStringLiteral("Able"));
    const qint64 bob = env.addMember(QStringLiteral("Bob"), QStringLiteral("Baker"));
    const QDate today(2026, 3, 15);
    Users::AccountEdit first { ann, QStringLiteral("Ann"), QStringLiteral("pw"), Users::UserType, false, {} };
    QCOMPARE(Users::save(env.db(), first, std::nullopt, today, rows::OnConflict::Report).result,
        Users::SaveResult::Result::Added);
    // Written past the program's own test, as another program might.
    QVERIFY_THROWS_EXCEPTION(DbError,
        env.db().exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Username_Key) VALUES (?, 'ANN', ?)"),
            { bob, Users::nameKey(QStringLiteral("ANN")) }));
    Users::AccountEdit second { bob, QStringLiteral(" aNN"), QStringLiteral("pw"), Users::UserType, false, {} };
    QCOMPARE(Users::save(env.db(), second, std::nullopt, today, rows::OnConflict::Report).result,
        Users::SaveResult::Result::NameTaken);
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"User\"")).toInt(), 1);
}

// A file of the first schema whose accounts share names in other letter case
// opens: every account still logs in, one of each group holds the name's key,
// the others are listed for the administrator, and saving one of them under
// its own name gives it its key.
void TestAdminRows::upgradeKeepsAccountsThatShareAName()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.sqlite"));
    qint64 ann = 0, bob = 0, cy = 0;
    {
        auto db = Database::open(path, Database::OpenMode::CreateNew);
        db->exec(QStringLiteral("DROP INDEX User_UsernameKey"));
        db->exec(QStringLiteral("ALTER TABLE \"User\" DROP COLUMN Username_Key"));
        db->exec(QStringLiteral("DROP TABLE Login_Failure"));
        test::dropTablesAfterVersion3(*db);
        db->exec(QStringLiteral("UPDATE Schema_Version SET Version = 1"));
        auto person = [&](const char* first, const char* last) {
            return db->insert(QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name) VALUES ('Member', ?, "
                                             "?)")
                    + sql::returningId(),
                { QString::fromLatin1(first), QString::fromLatin1(last) });
        };
        ann = person("Ann", "Smith");
        bob = person("Bob", "Smith");
        cy = person("Cy", "Cole");
        const QString sqlText = QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive) "
                                               "VALUES (?, ?, ?, 'User', ?)");
        db->exec(sqlText, { ann, QStringLiteral("smith"), passwords::hash(QStringLiteral("ann")), 1 });
        db->exec(sqlText, { bob, QStringLiteral("SMITH"), passwords::hash(QStringLiteral("bob")), 0 });
        db->exec(sqlText, { cy, QStringLiteral("cy"), passwords::hash(QStringLiteral("cy")), 0 });
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("share one user name")));
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    auto key = [&](qint64 member) {
        return db->scalar(QStringLiteral("SELECT Username_Key FROM \"User\" WHERE Member_ID = ?"), { member });
    };
    QVERIFY(key(ann).isNull()); // the inactive one gives way
    QCOMPARE(key(bob).toString(), QStringLiteral("smith"));
    QCOMPARE(key(cy).toString(), QStringLiteral("cy"));
    const QVector<QStringList> shared = Users::sharedNames(*db);
    QCOMPARE(shared.size(), 1);
    QCOMPARE(shared.front(), QStringList({ "\"smith\" (Smith, Ann)", "\"SMITH\" (Smith, Bob)" }));

    test::TestEnv env; // the context, pointed at the upgraded file
    ctx().database = db.get();
    db->exec(QStringLiteral("UPDATE \"User\" SET Inactive = 0"));
    QCOMPARE(login::authenticate(QStringLiteral("smith"), QStringLiteral("ann"))->id, ann);
    QCOMPARE(login::authenticate(QStringLiteral("Smith"), QStringLiteral("bob"))->id, bob);

    // Bob's account takes another name; Ann's, saved unchanged, then gets the key.
    const QDate today(2026, 3, 15);
    Users::AccountEdit bobs { bob, QStringLiteral("bsmith"), {}, Users::UserType, false, {} };
    Users::AccountEdit bobsBefore = bobs;
    bobsBefore.username = QStringLiteral("SMITH");
    QCOMPARE(
        Users::save(*db, bobs, bobsBefore, today, rows::OnConflict::Report).result, Users::SaveResult::Result::Saved);
    Users::AccountEdit anns { ann, QStringLiteral("smith"), {}, Users::UserType, false, {} };
    QCOMPARE(Users::save(*db, anns, anns, today, rows::OnConflict::Report).result, Users::SaveResult::Result::Saved);
    QCOMPARE(key(ann).toString(), QStringLiteral("smith"));
    QCOMPARE(key(bob).toString(), QStringLiteral("bsmith"));
    QVERIFY(Users::sharedNames(*db).isEmpty());
    ctx().database = env.database.get();
}

QTEST_MAIN(TestAdminRows)
#include "tst_adminrows.moc"
