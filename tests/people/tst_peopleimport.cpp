#include "OfficeFolder.h"
#include "TestSupport.h"
#include "data/ChurchSettings.h"
#include "data/Members.h"
#include "data/Schema.h"
#include "people/CsvReader.h"
#include "people/ImportCommand.h"
#include "people/ImportPlan.h"
#include "people/ImportReport.h"
#include "people/ImportValues.h"

#include <QtTest>

using namespace pw;
using namespace pw::people;

// The people import, fed with files as spreadsheet programs write them.
class TestPeopleImport : public QObject {
    Q_OBJECT
private slots:
    void spreadsheetFiles_data();
    void spreadsheetFiles();
    void notATable_data();
    void notATable();
    void headerNames_data();
    void headerNames();
    void requiredFieldsGiven_data();
    void requiredFieldsGiven();
    void families_data();
    void families();
    void sameFileTwice();
    void failedImportChangesNothing();
    void dates_data();
    void dates();
    void maritalStatuses_data();
    void maritalStatuses();
    void olderChurchIsKeptBeforeItsUpgrade();
    void rejectsNoWiderThanTheTable();
};

namespace {

QString writeFile(const test::TestEnv& env, const QByteArray& bytes, const QString& name = QStringLiteral("people.csv"))
{
    const QString path = env.folder() + QLatin1Char('/') + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

qint64 count(Database& db, const QString& table)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong();
}

// "First Last|born|phone|email|notes|head" of every person, by identifier.
QStringList peopleRows(Database& db)
{
    QStringList rows;
    db.forEach(QStringLiteral("SELECT First_Name, Last_Name, Date_Of_Birth, Phone, Email, Notes, Head_Of_Household, "
                              "Title, Status FROM Member ORDER BY ID"),
        {}, [&](const QSqlQuery& q) {
            QStringList cells;
            for (int i = 0; i < 9; ++i)
                cells.append(q.value(i).toString());
            rows.append(cells.join(QLatin1Char('|')));
        });
    return rows;
}

ImportCommand job(const QString& file, bool dryRun = false, const QString& duplicates = QString())
{
    ImportCommand command;
    command.file = file;
    command.dryRun = dryRun;
    command.duplicates = duplicates;
    return command;
}

int runCommand(test::TestEnv& env, ImportCommand command, QString* out = nullptr, QString* err = nullptr)
{
    command.database = env.db().path();
    QString outText, errText;
    QTextStream o(&outText), e(&errText);
    const int code = runImportPeople(command, env.clock, o, e);
    if (out)
        *out = outText;
    if (err)
        *err = errText;
    return code;
}

} // namespace

void TestPeopleImport::spreadsheetFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    const QStringList people = {
        "Margaret|Hale|1950-04-02|5551234567|mhale@example.org|Likes \"hymns\"\nand choir|1|Mrs.|Member",
        "José|Núñez|1961-12-25|5559876543|||1|Mr.|Visitor",
    };
    QTest::newRow("UTF-8 with byte order mark, CRLF, quoted line break") << QByteArray(
        "\xEF\xBB\xBF"
        "First Name,Last Name,Birthday,Home Phone,E-mail,Notes,Title,Status\r\n"
        "Margaret,Hale,4/2/1950,(555) 123-4567,mhale@example.org,\"Likes \"\"hymns\"\"\r\nand "
        "choir\",mrs.,member\r\n"
        "José,Núñez,\"December 25, 1961\",555.987.6543,,,MR,Visitor\r\n") << people;
    QTest::newRow("Windows-1252 accents")
        << QByteArray("FirstName,LastName,DOB,Phone,Email,Notes,Title,Member Status\n"
                      "Margaret,Hale,1950-04-02,5551234567,mhale@example.org,\"Likes \"\"hymns\"\"\nand choir\",Mrs,"
                      "Member\n"
                      "Jos\xE9,N\xFA\xF1"
                      "ez,25-Dec-1961,555-987-6543,,,Mr.,VISITOR\n")
        << people;
    QTest::newRow("semicolon-separated European export") << QByteArray(
        "\xEF\xBB\xBFVorname;Surname;Date of Birth;Telephone;Email Address;Comments;Salutation;Status;\r\n"
        "Margaret;Hale;02.04.1950;+1 555 123 4567;mhale@example.org;\"Likes \"\"hymns\"\"\r\nand "
        "choir\";Mrs.;Member;\r\n"
        ";;;;;;;;\r\n"
        "José;Núñez;25.12.1961;555 987 6543;;;Mr.;Visitor;\r\n")
                                                         << QStringList { people.at(0), people.at(1) };
    QTest::newRow("tab-separated") << QByteArray(
        "Given name\tFamily Name\tBirth Date\tPhone Number\tE-Mail\tNote\tTitle\tStatus\n"
        "Margaret\tHale\t1950/04/02\t5551234567\tmhale@example.org\t\"Likes \"\"hymns\"\"\nand "
        "choir\"\tMrs.\tMember\n"
        "José\tNúñez\t12/25/61\t5559876543\t\t\tMr.\tVisitor\n")
                                   << people;
}

void TestPeopleImport::spreadsheetFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    test::TestEnv env;
    const QString path = writeFile(env, bytes);
    const CsvTable table = readCsvFile(path);
    ImportMapping mapping = ImportMapping::guess(table.header);
    // "Vorname" is no spelling the import knows: the mapping step names it.
    mapping.columns.insert(QStringLiteral("Vorname"), QStringLiteral("firstName"));
    const ImportPlan plan(env.db(), table, mapping, env.clock.today());
    QVERIFY2(plan.problems().isEmpty(), qPrintable(previewText(env.db(), plan)));
    const ImportResult result = plan.run(env.db(), env.clock, {});
    QVERIFY2(result.succeeded, qPrintable(result.failure));
    QCOMPARE(peopleRows(env.db()), expected);
}

void TestPeopleImport::notATable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");

    QByteArray random(4096, '\0');
    quint32 seed = 7;
    for (char& c : random)
        c = char((seed = seed * 1103515245u + 12345u) >> 16);
    QTest::newRow("random bytes") << random << "it holds binary data";
    QTest::newRow("empty") << QByteArray("\r\n  \r\n") << "it is empty";
    QTest::newRow("workbook") << QByteArray("PK\x03\x04\x14\x00\x06\x00[Content_Types].xml", 27)
                              << "it is a spreadsheet's own format";
    QTest::newRow("older workbook") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00", 10)
                                    << "it is an older spreadsheet's own format";
    QTest::newRow("one column") << QByteArray("Name\nHale\nNunez\n") << "does not name columns";
    QTest::newRow("quote never closed") << QByteArray("First,Last\nAnn,\"Hale\nBob,Smith\n")
                                        << "the quote that opens a value on line 2 is never closed";
    // Wider than a person has fields many times over: refused at once.
    QTest::newRow("20,000 columns of one name")
        << QByteArray("Phone,").repeated(19999) + "Phone\n1,2\n" << "line 1 has 20000 columns";
    QByteArray distinct = "C1";
    for (int i = 2; i <= 20000; ++i)
        distinct += ",C" + QByteArray::number(i);
    QTest::newRow("20,000 distinct names") << distinct + "\n" << "line 1 has 20000 columns";
    QTest::newRow("1,000,000 columns, nearly all empty")
        << "First,Last" + QByteArray(999998, ',') + "\nAnn,Hale\n" << "line 1 has 1000000 columns";
    QTest::newRow("a row of 5,000 values")
        << "First,Last\nAnn,Hale\nBob" + QByteArray(4999, ',') + "\n" << "line 3 has 5000 columns";
}

void TestPeopleImport::headerNames_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("header"); // the last names, when the header is long
    QTest::addColumn<int>("columns");

    QTest::newRow("a name again is numbered, in any letter case")
        << QByteArray("Phone,Last,phone,PHONE\n1,2,3,4\n") << QStringList { "Phone", "Last", "phone (2)", "PHONE (3)" }
        << 4;
    QTest::newRow("a number the file itself gives is skipped")
        << QByteArray("Phone,Phone (2),Phone\n1,2,3\n") << QStringList { "Phone", "Phone (2)", "Phone (3)" } << 3;
    QTest::newRow("one name 1,000 times")
        << QByteArray("Phone,").repeated(999) + "Phone\n1,2\n" << QStringList { "Phone (999)", "Phone (1000)" }
        << 1000;
    QTest::newRow("a nameless column a row uses stays")
        << QByteArray("First,Last,,\nAnn,Hale,x,\n") << QStringList { "First", "Last", "Column 3" } << 3;
}

void TestPeopleImport::headerNames()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, header);
    QFETCH(int, columns);
    const CsvTable table = readCsv(csv, QStringLiteral("wide.csv"));
    QCOMPARE(table.header.size(), columns);
    QCOMPARE(table.header.mid(columns - header.size()), header);
}

void TestPeopleImport::requiredFieldsGiven_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QByteArray>("mapping"); // JSON for --mapping; empty: columns matched by name
    QTest::addColumn<QString>("churchSetting"); // the Church status of people added without one
    QTest::addColumn<QStringList>("stored"); // Status|Church status|Prospect status|Gender of each
    QTest::addColumn<QString>("said"); // in the report

    const QByteArray ann = "First,Last\nAnn,Hale\n";
    const QByteArray all = R"({"columns": {"First": "firstName", "Last": "lastName", "Sex": "gender"}, "defaults":
        {"status": "Member", "memberActiveStatus": "Active", "prospectStatus": "inactive", "gender": "u"}})";
    const QStringList given = { "Member|Active|Inactive|Unknown" };
    QTest::newRow("nothing given: counted")
        << ann << QByteArray() << QString() << QStringList { "Member|||" }
        << "People added without a field every person needs: 1 (1 without Church Status, 1 without Gender, 1 "
           "without Prospect Status).";
    QTest::newRow("every required field given")
        << ann << all << QString() << given
        << "Given to every person without one: Member Status = Member, Church Status = Active, Prospect Status = "
           "Inactive, Gender = Unknown.";
    QTest::newRow("only rows without a value get it") << QByteArray("First,Last,Sex\nAnn,Hale,F\nBob,Ray,\n") << all
                                                      << QString()
                                                      << QStringList { "Member|Active|Inactive|Female", given.first() }
                                                      << "Given to every person";
    QTest::newRow("the church's Church status for new people")
        << ann << QByteArray() << "Visitor" << QStringList { "Member|Visitor||" } << "Church Status = Visitor";
    QTest::newRow("a mapping's own Church Status first") << ann << all << "Visitor" << given << "Church Status = Active";
    QTest::newRow("a mapping saved before: its member status")
        << ann << QByteArray(R"({"columns": {"First": "firstName", "Last": "lastName"}, "defaultStatus": "Prospect"})")
        << QString() << QStringList { "Prospect|||" } << "Member Status = Prospect";
}

void TestPeopleImport::requiredFieldsGiven()
{
    QFETCH(QByteArray, csv);
    QFETCH(QByteArray, mapping);
    QFETCH(QString, churchSetting);
    QFETCH(QStringList, stored);
    QFETCH(QString, said);
    test::TestEnv env;
    if (!churchSetting.isEmpty())
        ChurchSettings::setValue(env.db(), ChurchSettings::kNewPersonChurchStatus, churchSetting);
    ImportCommand command = job(writeFile(env, csv));
    if (!mapping.isEmpty())
        command.mapping = writeFile(env, mapping, QStringLiteral("roll.json"));
    QString out;
    QCOMPARE(runCommand(env, command, &out), 0);
    QVERIFY2(out.contains(said), qPrintable(out));
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Status || '|' || Member_Active_Status || '|' || "
                                           "Prospect_Active_Status || '|' || Gender FROM Member ORDER BY ID")),
        stored);
}

void TestPeopleImport::notATable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    test::TestEnv env;
    const QString path = writeFile(env, bytes, QStringLiteral("roll.csv"));
    const qint64 before = count(env.db(), QStringLiteral("Member"));
    QString err;
    QCOMPARE(runCommand(env, job(path), nullptr, &err), 1);
    QVERIFY2(
        err.startsWith(QStringLiteral("pewlark: The file \"%1\" is not a CSV table: ").arg(QDir::toNativeSeparators(path))),
        qPrintable(err));
    QVERIFY2(err.contains(why), qPrintable(err));
    QCOMPARE(count(env.db(), QStringLiteral("Member")), before);
}

void TestPeopleImport::families_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("byAddress");
    // "head: relative relationship" per connection, and the heads.
    QTest::addColumn<QStringList>("connections");
    QTest::addColumn<QStringList>("heads");

    const QByteArray byAddress = "First,Last,Address,Zip,Birthday,Gender,Relationship\n"
                                 "Tim,Hale,1 Elm St,30301,2012-01-01,M,Child\n"
                                 "John,Hale,1 Elm St,30301,1970-01-01,M,\n"
                                 "Mary,HALE,1  elm st ,30301,1972-01-01,F,Spouse\n"
                                 "Ann,Hale,9 Oak Ave,30301,1980-01-01,F,\n"
                                 "Bob,Ray,1 Elm St,30301,1960-01-01,M,\n";
    QTest::newRow("same last name and address; first adult is head")
        << byAddress << true << QStringList { "John: Tim Son", "John: Mary Wife" }
        << QStringList { "John", "Ann", "Bob" };
    QTest::newRow("not bundled by address: everyone alone")
        << byAddress << false << QStringList {} << QStringList { "John", "Mary", "Ann", "Bob" };
    QTest::newRow("family column and head column; relationship only from its column")
        << QByteArray("Family ID,First,Last,Head of Household,Role\n"
                      "F1,Sue,Lee,no,Wife\n"
                      "F1,Sam,Lee,yes,\n"
                      "F2,Kim,Park,,\n"
                      "f1,Joy,Lee-Smith,,daughter\n"
                      "F2,Lou,Park,,\n")
        << true << QStringList { "Sam: Sue Wife", "Sam: Joy Daughter", "Kim: Lou " } << QStringList { "Sam", "Kim" };
}

void TestPeopleImport::families()
{
    QFETCH(QByteArray, csv);
    QFETCH(bool, byAddress);
    QFETCH(QStringList, connections);
    QFETCH(QStringList, heads);
    test::TestEnv env;
    const CsvTable table = readCsv(csv, QStringLiteral("families.csv"));
    ImportMapping mapping = ImportMapping::guess(table.header);
    mapping.bundleByAddress = byAddress;
    const ImportPlan plan(env.db(), table, mapping, env.clock.today());
    QVERIFY(plan.run(env.db(), env.clock, {}).succeeded);

    QStringList found;
    env.db().forEach(QStringLiteral("SELECT h.First_Name, r.First_Name, f.Relationship FROM Family_Connection f "
                                    "JOIN Member h ON h.ID = f.Member_ID JOIN Member r ON r.ID = f.Relative_Member_ID "
                                    "ORDER BY r.ID"),
        {}, [&](const QSqlQuery& q) {
            found.append(
                QStringLiteral("%1: %2 %3").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString()));
        });
    QCOMPARE(found, connections);
    QCOMPARE(
        env.db().texts(QStringLiteral("SELECT First_Name FROM Member WHERE Head_Of_Household = 1 ORDER BY ID")), heads);
}

void TestPeopleImport::sameFileTwice()
{
    test::TestEnv env;
    const QString path = writeFile(env,
        "First Name,Last Name,Birthday,Email,City,Phone\n"
        "Margaret,Hale,1950-04-02,,,5551234567\n"
        "Ann,Ray,,ann@example.org,Macon,\n"
        "Ann,Ray,,ANN@example.org,,\n"
        "Bob,Zed,,,,\n");
    const qint64 ownId = env.addMember(QStringLiteral("Margaret"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("UPDATE Member SET Date_Of_Birth = '1950-04-02' WHERE ID = ?"), { ownId });

    QString out;
    QCOMPARE(runCommand(env, job(path, true), &out), 0);
    QVERIFY2(out.contains(QStringLiteral("New people:         2\n")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Duplicates:         2\n")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Line 4: Ann Ray matches the row on line 3: same e-mail; skipped")),
        qPrintable(out));
    QCOMPARE(count(env.db(), QStringLiteral("Member")), 1);

    QCOMPARE(runCommand(env, job(path, false, QStringLiteral("fill")), &out), 0);
    QCOMPARE(count(env.db(), QStringLiteral("Member")), 3);
    // Filled: the empty phone of the existing person; the rest kept.
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT Phone FROM Member WHERE ID = ?"), { ownId }).toString(),
        QStringLiteral("5551234567"));
    if (!test::onServer())
        QVERIFY2(out.contains(QStringLiteral(".before-import-2026-03-15-103000.")), qPrintable(out));

    QCOMPARE(runCommand(env, job(path), &out), 0);
    QVERIFY2(out.contains(QStringLiteral("People added:                0\n")), qPrintable(out));
    QCOMPARE(count(env.db(), QStringLiteral("Member")), 3);
}

void TestPeopleImport::failedImportChangesNothing()
{
    const CsvTable table
        = readCsv("Family,First,Last,Title\n1,Ann,Ray,Pastor\n1,Bob,Ray,Dr\n", QStringLiteral("x.csv"));
    ImportMapping mapping = ImportMapping::guess(table.header);
    mapping.addUnknownValues = true;
    {
        test::TestEnv env;
        const ImportPlan plan(env.db(), table, mapping, env.clock.today());
        QCOMPARE(plan.unknownValues(), QStringList { "Title \"Pastor\"" });
        QVERIFY(plan.run(env.db(), env.clock, {}).succeeded);
        QVERIFY(env.db().texts(QStringLiteral("SELECT Title FROM Titles")).contains(QStringLiteral("Pastor")));
    }
    test::TestEnv env;
    const ImportPlan plan(env.db(), table, mapping, env.clock.today());
    env.refuseChanges(QStringLiteral("Family_Connection"), QStringLiteral("INSERT"), QStringLiteral("disk full"));
    const qint64 titles = count(env.db(), QStringLiteral("Titles"));

    const ImportResult result = plan.run(env.db(), env.clock, {});
    QVERIFY(!result.succeeded);
    QVERIFY2(result.failure.contains(QStringLiteral("disk full")), qPrintable(result.failure));
    QCOMPARE(count(env.db(), QStringLiteral("Member")), 0);
    QCOMPARE(count(env.db(), QStringLiteral("Titles")), titles);
    QVERIFY(reportText(plan, result).contains(QStringLiteral("nothing of it was written")));
}

void TestPeopleImport::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("ISO with time") << "1950-04-02 00:00:00" << QDate(1950, 4, 2);
    QTest::newRow("US month first") << "4/2/1950" << QDate(1950, 4, 2);
    QTest::newRow("day first when it cannot be a month") << "25/12/1961" << QDate(1961, 12, 25);
    QTest::newRow("dotted is day first") << "2.4.1950" << QDate(1950, 4, 2);
    QTest::newRow("two-digit year not after today") << "3/14/26" << QDate(2026, 3, 14);
    QTest::newRow("two-digit year of the last century") << "3/16/26" << QDate(1926, 3, 16);
    QTest::newRow("written month") << "Sept. 5th, 1950" << QDate(1950, 9, 5);
    QTest::newRow("day and month word") << "5 March 50" << QDate(1950, 3, 5);
    QTest::newRow("compact") << "19500305" << QDate(1950, 3, 5);
    QTest::newRow("no such day") << "2/30/1950" << QDate();
    QTest::newRow("not a date") << "sometime in May" << QDate();
}

void TestPeopleImport::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(readDate(text, QDate(2026, 3, 15)), date);
}

void TestPeopleImport::maritalStatuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");
    QTest::newRow("letter") << "W" << "Widowed";
    QTest::newRow("widow") << "Widow" << "Widowed";
    QTest::newRow("widower") << "widower" << "Widowed";
    QTest::newRow("own spelling") << "WIDOWED" << "Widowed";
    QTest::newRow("divorced still") << "d" << "Divorced";
    QTest::newRow("unknown kept for the report") << "separated" << "";
}

void TestPeopleImport::maritalStatuses()
{
    QFETCH(QString, text);
    QFETCH(QString, status);
    QCOMPARE(readMaritalStatus(text), status);
}

// An import into an older church upgrades it after a copy of it as it was.
void TestPeopleImport::olderChurchIsKeptBeforeItsUpgrade()
{
    test::TestEnv env(test::Where::File);
    test::makeVersion1(env.db());
    QCOMPARE(runCommand(env, job(writeFile(env, "First Name,Last Name\nAnn,Ray\n"))), 0);
    const QString kept = env.dir.filePath(QStringLiteral("test.before-upgrade-2026-03-15-103000.sqlite"));
    QCOMPARE(schema::version(*Database::open(kept, Database::OpenMode::ReadOnly)), 1);
}

// The rejects file lists names and addresses: it is no wider than the table.
void TestPeopleImport::rejectsNoWiderThanTheTable()
{
    test::TestEnv env;
    const QString path = writeFile(env, "First Name,Last Name,Birthday\nAnn,Ray,someday\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(runCommand(env, job(path)), 0);
    QCOMPARE(QFile::permissions(path + QStringLiteral(".rejects.txt")), QFile::permissions(path));
}

QTEST_MAIN(TestPeopleImport)
#include "tst_peopleimport.moc"
