#include "TestSupport.h"
#include "cli/ImportJobs.h"
#include "data/Database.h"
#include "data/Members.h"
#include "data/Passwords.h"
#include "data/Schema.h"
#include "legacy/ImportReport.h"
#include "legacy/Importer.h"
#include "legacy/JetCsv.h"
#include "legacy/JetTools.h"

#include <QSqlRecord>
#include <QtTest>

using namespace pw;
using namespace pw::legacy;
using pw::cli::runImportCommand;

// The import of the older program's file, fed with what mdbtools prints for
// such a file (recorded here in its exact format), through the same code
// path as a real file.
class TestLegacyImport : public QObject {
    Q_OBJECT
private slots:
    void memberValues_data();
    void memberValues();
    void wholeChurch_data();
    void wholeChurch();
    void passwords();
    void namesMatchLoosely();
    void rowsNotStored_data();
    void rowsNotStored();
    void exactDates_data();
    void exactDates();
    void refusals_data();
    void refusals();
    void pictures();
    void command();
    void missingToolsOnThisMachine();
    void realJetFile();
};

namespace {

// A text field as mdb-export writes it.
QString q(const QString& text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
// A date as mdb-export writes it with the import's date format.
QString d(const QString& isoDay, const QString& time = QStringLiteral("00:00:00"))
{
    return q(isoDay + QLatin1Char(' ') + time);
}

// One table of the old file: the tokens of each field exactly as written
// (text in quotes, numbers and yes/no bare, nothing for a Null).
struct OldTable {
    QStringList header;
    QList<QStringList> rows;
};

class OldChurch {
public:
    OldChurch()
    {
        QStringList memberHeader { QStringLiteral("ID") };
        for (const Members::Column& c : Members::columns())
            memberHeader.append(c.columnName());
        table("Member", memberHeader);
        member({ { "ID", "1" }, { "Status", q("Member") }, { "First_Name", q("John") }, { "Last_Name", q("Smith") },
            { "Head_Of_Household", "1" }, { "Sunday_School_Class", "1" }, { "Care_Group_Assigned", "1" },
            { "Picture", q("1.jpg") }, { "Date_Of_Birth", d("1960-05-04") }, { "Gender", q("Male") },
            { "Date_Added", d("2001-02-03", "04:05:06") }, { "Added_By", q("pastor") } });
        member({ { "ID", "2" }, { "Status", q("Member") }, { "First_Name", q("Mary") }, { "Last_Name", q("Smith") },
            { "DeaconID", "3" }, { "Gender", q("Female") } });
        member({ { "ID", "3" }, { "Status", q("Member") }, { "First_Name", q("Zoë") }, { "Last_Name", q("O'Neil") },
            { "Gender", q("Female") }, { "Picture", q("3.jpg") } });
        member({ { "ID", "5" }, { "Status", q("Prospect") }, { "First_Name", q("Pierre") },
            { "Last_Name", q("Müller") }, { "Prospect_Phase", q("First Visit") },
            { "Prospect_Next_Contact_Date", d("2024-03-01") }, { "Prospect_Next_Contact_Action", q("Home Visit") } });
        // Nobody points at Ruth, so a problem with her row stays hers.
        member({ { "ID", "8" }, { "Status", q("Member") }, { "First_Name", q("Ruth") }, { "Last_Name", q("Lone") } });

        table("Family_Connection", { "Member_ID", "Relationship", "Relative_Member_ID" });
        add("Family_Connection", { "1", q("Wife"), "2" });
        add("Family_Connection", { "2", q("Husband"), "1" });
        table("Member_Responsibility", { "Member_ID", "Responsibility", "Start", "End" });
        add("Member_Responsibility", { "3", q("Deacon"), d("2010-01-01"), "" });
        table("Responsibilities", { "Name", "Description" });
        add("Responsibilities", { q("Deacon"), q("Serves") });
        add("Responsibilities", { q("Usher"), q("Greets at the door") });
        table("Prospect_Contact",
            { "ID", "Prospect_ID", "Contact_Date", "Action", "Type", "Visitor1", "Visitor2", "Rating", "Notes" });
        add("Prospect_Contact",
            { "7", "5", d("2024-02-01"), q("Home Visit"), q("Visit"), "1", "", q("Interested"),
                q("Talked at the door") });
        table("Outreach_Phase", { "PhaseOrder", "Phase", "Action", "TimePeriod" });
        add("Outreach_Phase", { "1", q("First Visit"), q("Home Visit"), "1" });
        add("Outreach_Phase", { "2", q("Letter Sent"), q("Letter"), "3" });
        for (const char* t : { "Sunday_School", "Discipleship_Training", "Wednesday_Night" })
            table(t, { "ID", "Name", "Description", "Teacher", "Asst_Teacher", "Location", "Notes" });
        add("Sunday_School", { "1", q("Adults"), q(""), "1", "", q("Room 1"), q("") });
        add("Sunday_School", { "4", q("Youth"), q("Teens"), "3", "2", q("Hall"), q("") });
        add("Discipleship_Training", { "2", q("Basics"), q(""), "2", "", q(""), q("") });
        table("Care_Group", { "ID", "Group_Leader", "Asst_Group_Leader", "Sunday_School_Class", "Notes" });
        add("Care_Group", { "1", "1", "2", "1", q("North side") });
        table("User", { "Member_ID", "Username", "Password", "Type", "Inactive", "DateEntered" });
        add("User", { "1", q("pastor"), q("Grace'Church"), q("Admin"), "0", d("2005-06-07") });
        add("User", { "2", q("mary"), "", q("User"), "0", d("2006-01-01") });
        table("Permission", { "ID", "Name" });
        // The old file numbers its permissions from 101 and lacks the last
        // of the older program's sixteen (and giving's, which it never had).
        const QStringList names = schema::permissionNames();
        for (int i = 0; i < 15; ++i)
            add("Permission", { QString::number(101 + i), q(names.at(i)) });
        table("UserPermission", { "MemberID", "PermissionID" });
        add("UserPermission", { "2", "101" });
        table("UserType", { "Name" });
        add("UserType", { q("Admin") });
        add("UserType", { q("User") });
        table("Church",
            { "Name", "Address1", "Address2", "City", "State", "Zip", "Phone", "Fax", "Email", "Website",
                "KeyPressDelay" });
        add("Church",
            { q("Grace Church"), q("1 Main St"), q(""), q("Springfield"), q("TX"), q("75001"), q("5551234567"), q(""),
                q(""), q(""), "1.5" });
        const QList<QPair<const char*, QStringList>> lookups = {
            { "MemberStatus", { "Member", "Child Of Member", "Prospect" } },
            { "ChurchStatus", { "Active", "Inactive" } },
            { "ProspectStatus", { "Active" } },
            { "Titles", { "Rev.", "Dr." } },
            { "State", { "TX", "OK" } },
            { "AttendanceLevels", { "Weekly" } },
            { "Relationships", { "Wife", "Husband" } },
            { "Prospect_Action", { "Home Visit", "Letter" } },
            { "Prospect_Contact_Rating", { "Interested" } },
        };
        const QMap<QString, QString> lookupColumn = { { "MemberStatus", "Status" }, { "ChurchStatus", "Status" },
            { "ProspectStatus", "Status" }, { "Titles", "Title" }, { "State", "State" },
            { "AttendanceLevels", "Levels" }, { "Relationships", "Relationships" }, { "Prospect_Action", "Action" },
            { "Prospect_Contact_Rating", "Rating" } };
        for (const auto& [name, values] : lookups) {
            table(name, { lookupColumn.value(QString::fromLatin1(name)) });
            for (const QString& v : values)
                add(name, { q(v) });
        }
    }

    void table(const char* name, const QStringList& header) { tables[QString::fromLatin1(name)] = { header, {} }; }
    void add(const char* name, const QStringList& tokens) { tables[QString::fromLatin1(name)].rows.append(tokens); }
    void member(const QMap<QString, QString>& values)
    {
        OldTable& t = tables[QStringLiteral("Member")];
        QStringList row;
        for (const QString& column : t.header)
            row.append(values.value(column));
        t.rows.append(row);
    }
    // Sets one field of a row; the column is looked up in the header.
    void set(const QString& table, int row, const QString& column, const QString& token)
    {
        OldTable& t = tables[table];
        const int c = t.header.indexOf(column);
        QVERIFY2(c >= 0, qPrintable(column));
        t.rows[row][c] = token;
    }
    int memberRow(int id) const
    {
        const OldTable& t = tables[QStringLiteral("Member")];
        for (int i = 0; i < t.rows.size(); ++i)
            if (t.rows[i].at(0) == QString::number(id))
                return i;
        return -1;
    }

    QByteArray csv(const QString& name) const
    {
        const OldTable& t = tables[name];
        QByteArray out = t.header.join(QLatin1Char(',')).toUtf8() + '\n';
        for (const QStringList& row : t.rows)
            out += row.join(QLatin1Char(',')).toUtf8() + '\n';
        return out;
    }

    void record(RecordedRunner& runner) const
    {
        runner.setTables(tables.keys());
        for (auto it = tables.begin(); it != tables.end(); ++it) {
            runner.setExport(it.key(), csv(it.key()));
            runner.setCount(it.key(), it.value().rows.size());
        }
    }

    QMap<QString, OldTable> tables;
};

// A file that starts like a Jet 4 database; what mdbtools reads from it is recorded.
void writeJetFile(const QString& path, char version = 1)
{
    QByteArray page(3 * 4096, '\0');
    page[1] = 1;
    page.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
    page[0x14] = version;
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(page);
}

struct Fixture {
    QTemporaryDir dir;
    QString oldFile = dir.filePath(QStringLiteral("roll.mdb"));
    QString target = dir.filePath(QStringLiteral("church.sqlite"));
    OldChurch church;
    RecordedRunner runner;
    QStringList progress;

    Fixture() { writeJetFile(oldFile); }

    ImportResult run(const QString& pictures = QString())
    {
        church.record(runner);
        Importer importer(runner, ImportOptions { oldFile, target, pictures },
            [this](const QString& line) { progress.append(line); });
        return importer.run();
    }
    std::unique_ptr<Database> open() { return Database::open(target, Database::OpenMode::ExistingOnly); }
    QStringList files() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QString rejects() const
    {
        QFile f(Importer::rejectsPathFor(target));
        return f.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

QString shown(const QVariant& v) { return v.isNull() ? QStringLiteral("NULL") : v.toString(); }

QStringList column(Database& db, const QString& sql)
{
    QStringList out;
    db.forEach(sql, {}, [&](const QSqlQuery& query) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields.append(shown(query.value(i)));
        out.append(fields.join(QLatin1Char('|')));
    });
    return out;
}

} // namespace

void TestLegacyImport::memberValues_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("token"); // as mdb-export prints it
    QTest::addColumn<QString>("stored"); // NULL for Null

    QTest::newRow("accents and apostrophe") << "Last_Name" << q("D'Aubigné-Ørsted") << "D'Aubigné-Ørsted";
    QTest::newRow("quotes inside text") << "Occupation" << q("\"Chief\" cook, bottle-washer")
                                        << "\"Chief\" cook, bottle-washer";
    QTest::newRow("empty text in quotes") << "Address_2" << q("") << "";
    QTest::newRow("nothing in a text column: empty text") << "Address_2"
                                                          << ""
                                                          << "";
    QTest::newRow("nothing for the picture: Null") << "Picture"
                                                   << ""
                                                   << "NULL";
    QTest::newRow("empty picture in quotes stays empty") << "Picture" << q("") << "";
    QTest::newRow("nothing for the phase: Null") << "Prospect_Phase"
                                                 << ""
                                                 << "NULL";
    QTest::newRow("memo with line breaks") << "Notes" << q("Line one\r\nLine \"two\"") << "Line one\r\nLine \"two\"";
    QTest::newRow("date without a time") << "Date_Of_Birth" << d("1987-11-23") << "1987-11-23";
    QTest::newRow("date the screen stored with a time") << "Baptized" << d("2001-04-15", "10:30:00") << "2001-04-15";
    QTest::newRow("no date") << "Member_Since"
                             << ""
                             << "NULL";
    QTest::newRow("date and time") << "Date_Edited" << d("2024-03-05", "12:34:56") << "2024-03-05T12:34:56";
    QTest::newRow("yes as 1") << "Receive_Newsletter_Via_Mail"
                              << "1"
                              << "1";
    QTest::newRow("yes as -1") << "Receive_Newsletter_Via_Mail"
                               << "-1"
                               << "1";
    QTest::newRow("yes as TRUE") << "Receive_Newsletter_Via_EMail"
                                 << "TRUE"
                                 << "1";
    QTest::newRow("no as False") << "Head_Of_Household"
                                 << "False"
                                 << "0";
    QTest::newRow("class link kept") << "Sunday_School_Class"
                                     << "4"
                                     << "4";
    QTest::newRow("deacon link 0 means none") << "DeaconID"
                                              << "0"
                                              << "NULL";
    QTest::newRow("telephone digits kept as text") << "Phone" << q("0551234567") << "0551234567";
    QTest::newRow("e-mail without the blanks around it") << "Email" << q(" dora@example.org ") << "dora@example.org";
    QTest::newRow("last name without a blank after it") << "Last_Name" << q("Hale ") << "Hale";
}

void TestLegacyImport::memberValues()
{
    QFETCH(QString, column);
    QFETCH(QString, token);
    QFETCH(QString, stored);
    Fixture f;
    f.church.set(QStringLiteral("Member"), f.church.memberRow(3), column, token);
    const ImportResult result = f.run();
    QVERIFY2(result.succeeded, qPrintable(result.failure));
    auto db = f.open();
    QCOMPARE(shown(db->scalar(QStringLiteral("SELECT %1 FROM Member WHERE ID = 3").arg(column))), stored);
}

void TestLegacyImport::wholeChurch_data()
{
    QTest::addColumn<bool>("server");
    QTest::newRow("into a file") << false;
    QTest::newRow("onto a server") << true;
}

void TestLegacyImport::wholeChurch()
{
    QFETCH(bool, server);
    if (server && !test::onServer())
        QSKIP("no test server (PEWLARK_TEST_POSTGRES)");
    Fixture f;
    if (server)
        f.target = test::emptyServerDatabase(QStringLiteral("imported"));
    const ImportResult result = f.run();
    QVERIFY2(result.succeeded, qPrintable(result.failure));
    QCOMPARE(result.problems.size(), 0);
    // No leftovers, no rejects file.
    QCOMPARE(f.files(), (server ? QStringList { "roll.mdb" } : QStringList { "church.sqlite", "roll.mdb" }));
    auto db = f.open();

    // Identifiers kept, so every link still points at the same person.
    QCOMPARE(db->ids(QStringLiteral("SELECT ID FROM Member ORDER BY ID")), (QList<qint64> { 1, 2, 3, 5, 8 }));
    QCOMPARE(column(*db,
                 QStringLiteral(
                     "SELECT Member_ID, Relationship, Relative_Member_ID FROM Family_Connection ORDER BY Member_ID")),
        (QStringList { "1|Wife|2", "2|Husband|1" }));
    QCOMPARE(
        column(*db,
            QStringLiteral(
                "SELECT ID, DeaconID, Sunday_School_Class, Care_Group_Assigned FROM Member WHERE ID <= 2 ORDER BY ID")),
        (QStringList { "1|NULL|1|1", "2|3|NULL|NULL" }));
    QCOMPARE(column(*db, QStringLiteral("SELECT ID, Name, Teacher, Asst_Teacher FROM Sunday_School ORDER BY ID")),
        (QStringList { "1|Adults|1|NULL", "4|Youth|3|2" }));
    QCOMPARE(
        column(*db, QStringLiteral("SELECT ID, Prospect_ID, Contact_Date, Visitor1, Visitor2 FROM Prospect_Contact")),
        (QStringList { "7|5|2024-02-01|1|NULL" }));
    QCOMPARE(
        column(*db, QStringLiteral("SELECT Member_ID, Responsibility, \"Start\", \"End\" FROM Member_Responsibility")),
        (QStringList { "3|Deacon|2010-01-01|NULL" }));
    QCOMPARE(column(*db,
                 QStringLiteral("SELECT Prospect_Phase, Prospect_Next_Contact_Date, Prospect_Next_Contact_Action FROM "
                                "Member WHERE ID = 5")),
        (QStringList { "First Visit|2024-03-01|Home Visit" }));
    QCOMPARE(
        column(*db, QStringLiteral("SELECT Name, KeyPressDelay FROM Church")), (QStringList { "Grace Church|1.5" }));

    // The old lists replace the starting values; the program's own values are added back.
    QCOMPARE(db->texts(QStringLiteral("SELECT Title FROM Titles ORDER BY Title")), (QStringList { "Dr.", "Rev." }));
    QCOMPARE(
        column(*db, QStringLiteral("SELECT PhaseOrder, Phase, TimePeriod FROM Outreach_Phase ORDER BY PhaseOrder")),
        (QStringList { "1|First Visit|1", "2|Letter Sent|3" }));
    QCOMPARE(db->scalar(QStringLiteral("SELECT Description FROM Responsibilities WHERE Name = 'Deacon'")).toString(),
        QStringLiteral("Serves"));
    QCOMPARE(db->scalar(QStringLiteral("SELECT ID FROM Permission WHERE Name = 'Member View'")).toInt(), 101);
    QCOMPARE(db->scalar(QStringLiteral("SELECT ID FROM Permission WHERE Name = 'Mailing Labels Report'")).toInt(), 116);
    QCOMPARE(result.addedValues,
        (QStringList { "Permission \"Mailing Labels Report\"", "Permission \"Giving Entry/Edit\"",
            "Permission \"Giving View\"" }));
    QCOMPARE(column(*db, QStringLiteral("SELECT MemberID, PermissionID FROM UserPermission")), QStringList { "2|101" });

    // New rows continue after the highest identifier copied.
    QCOMPARE(Members::insert(*db, MemberRecord {}), qint64(9));
    QCOMPARE(db->insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('New') RETURNING ID")), qint64(5));
    QCOMPARE(
        db->insert(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID) VALUES (5) RETURNING ID")), qint64(8));

    // Counts side by side, one progress line per table, in copy order.
    QCOMPARE(result.tables.size(), std::size_t(24));
    QCOMPARE(f.progress.size(), server ? 25 : 24); // and the copy onto the server
    QVERIFY2(
        f.progress.first().startsWith(QStringLiteral("Member: 5 of 5 rows copied")), qPrintable(f.progress.first()));
    const TableResult& permissions = *std::find_if(result.tables.begin(), result.tables.end(),
        [](const TableResult& t) { return t.name == QLatin1String("Permission"); });
    QCOMPARE(permissions.oldRows, qint64(15));
    QCOMPARE(permissions.newRows, qint64(18));
    QVERIFY(result.adminCanLogIn);
    QVERIFY(!result.readAsWindows1252);
}

void TestLegacyImport::passwords()
{
    Fixture f;
    f.church.add("User", { "3", q("PASTOR"), q("  Hymn Book "), q("User"), "-1", d("2007-01-01") });
    f.church.add("User", { "5", q("pierre"), q("   "), q("User"), "0", "" });
    const ImportResult result = f.run();
    QVERIFY2(result.succeeded, qPrintable(result.failure));
    QCOMPARE(result.passwordsConverted, 2);
    QCOMPARE(result.emptyPasswords, (QStringList { "mary", "pierre" }));

    auto db = f.open();
    const auto stored = [&](int id) {
        return db->scalar(QStringLiteral("SELECT Password FROM \"User\" WHERE Member_ID = ?"), { id }).toString();
    };
    QVERIFY(stored(1).startsWith(QStringLiteral("$argon2id$")));
    // The login's rule: any letter case, blanks around ignored.
    QVERIFY(pw::passwords::verify(stored(1), QStringLiteral("grace'church")));
    QVERIFY(pw::passwords::verify(stored(1), QStringLiteral("GRACE'CHURCH ")));
    QVERIFY(!pw::passwords::verify(stored(1), QStringLiteral("Grace Church")));
    QVERIFY(pw::passwords::verify(stored(3), QStringLiteral("hymn book")));
    // Accounts without a password cannot log in, not even with an empty one.
    for (int id : { 2, 5 }) {
        QCOMPARE(stored(id), QString(""));
        QVERIFY(!pw::passwords::verify(stored(id), QString()));
    }
    QCOMPARE(db->scalar(QStringLiteral("SELECT Inactive FROM \"User\" WHERE Member_ID = 3")).toInt(), 1);
    // Names that differ only in letter case: reported, the active one keyed.
    QVERIFY(
        reportText(result, f.oldFile).contains(QStringLiteral("\"pastor\" (Smith, John), \"PASTOR\" (O'Neil, Zoë)")));
    QCOMPARE(db->texts(QStringLiteral("SELECT Username_Key FROM \"User\" ORDER BY Member_ID")),
        (QStringList { "pastor", "mary", "", "pierre" }));
    // No plain text anywhere in the file.
    QFile file(f.target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains("Grace'Church"));
    QVERIFY(!bytes.contains("Hymn Book"));
}

void TestLegacyImport::namesMatchLoosely()
{
    Fixture f;
    // Names in other letter case and with blanks around; one extra column, one missing.
    OldTable user = f.church.tables.take(QStringLiteral("User"));
    user.header = QStringList { " member_id", "USERNAME ", "password", "Type", "Inactive", "DateEntered" };
    f.church.tables.insert(QStringLiteral(" user "), user);
    OldTable& member = f.church.tables[QStringLiteral("Member")];
    const int cell = member.header.indexOf(QStringLiteral("Cell"));
    member.header.removeAt(cell);
    for (QStringList& row : member.rows)
        row.removeAt(cell);
    member.header[member.header.indexOf(QStringLiteral("First_Name"))] = QStringLiteral("FIRST_NAME");
    member.header.append(QStringLiteral("Fax_Number"));
    for (QStringList& row : member.rows)
        row.append(q("5550000"));

    const ImportResult result = f.run();
    QVERIFY2(result.succeeded, qPrintable(result.failure));
    QCOMPARE(result.extraColumns, QStringList { "Member.Fax_Number" });
    QCOMPARE(result.missingColumns, QStringList { "Member.Cell" });
    auto db = f.open();
    QCOMPARE(db->texts(QStringLiteral("SELECT First_Name FROM Member ORDER BY ID")),
        (QStringList { "John", "Mary", "Zoë", "Pierre", "Ruth" }));
    QCOMPARE(shown(db->scalar(QStringLiteral("SELECT Cell FROM Member WHERE ID = 1"))), QStringLiteral("NULL"));
    QCOMPARE(db->texts(QStringLiteral("SELECT Username FROM \"User\" ORDER BY Member_ID")),
        (QStringList { "pastor", "mary" }));
}

void TestLegacyImport::rowsNotStored_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("row"); // added to the table; empty: change Member 8 instead
    QTest::addColumn<QString>("memberColumn");
    QTest::addColumn<QString>("memberToken");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("listed"); // the line of the rejects file, without the line number

    QTest::newRow("person with an impossible date: fails")
        << "Member" << QStringList {} << "Date_Of_Birth" << d("2023-02-29") << false
        << "Member\tID 8\tnot stored: Date_Of_Birth: \"2023-02-29 00:00:00\" is not a date";
    QTest::newRow("person without an identifier: fails")
        << "Member" << QStringList {} << "ID"
        << "" << false << "Member\tID (none)\tnot stored: ID has no value";
    QTest::newRow("person twice: fails") << "Member" << QStringList {} << "ID"
                                         << "2" << false
                                         << "Member\tID 2\tnot stored: a row with ID 2 was stored already";
    QTest::newRow("family link to nobody: fails")
        << "Family_Connection" << QStringList { "1", q("Son"), "99" } << ""
        << "" << false
        << "Family_Connection\tMember_ID 1, Relationship Son, Relative_Member_ID 99\tnot stored: Relative_Member_ID 99 "
           "is not in Member";
    QTest::newRow("account of nobody: fails")
        << "User" << QStringList { "42", q("ghost"), q("boo"), q("User"), "0", "" } << ""
        << "" << false << "User\tMember_ID 42, Username ghost\tnot stored: Member_ID 42 is not in Member";
    QTest::newRow("responsibility of nobody: left out, listed")
        << "Member_Responsibility" << QStringList { "77", q("Usher"), d("2011-01-01"), "" } << ""
        << "" << true
        << "Member_Responsibility\tMember_ID 77, Responsibility Usher, Start 2011-01-01 00:00:00\tleft out: "
           "Member_ID 77 is not in Member";
    QTest::newRow("contact with nobody: left out, listed")
        << "Prospect_Contact" << QStringList { "8", "66", d("2024-01-01"), q("Letter"), q(""), "1", "", q(""), q("") }
        << ""
        << "" << true << "Prospect_Contact\tID 8, Prospect_ID 66\tleft out: Prospect_ID 66 is not in Member";
    QTest::newRow("permission that does not exist: left out, listed")
        << "UserPermission" << QStringList { "1", "999" } << ""
        << "" << true
        << "UserPermission\tMemberID 1, PermissionID 999\tleft out: PermissionID 999 is not in Permission";
    QTest::newRow("permission of an account that is gone: left out, listed")
        << "UserPermission" << QStringList { "42", "101" } << ""
        << "" << true << "UserPermission\tMemberID 42, PermissionID 101\tleft out: MemberID 42 is not in User";
    QTest::newRow("contact with nobody and a date that is none: fails")
        << "Prospect_Contact" << QStringList { "8", "66", d("2024-02-30"), q("Letter"), q(""), "1", "", q(""), q("") }
        << ""
        << "" << false
        << "Prospect_Contact\tID 8, Prospect_ID 66\tnot stored: Contact_Date: \"2024-02-30 00:00:00\" is not a "
           "date; Prospect_ID 66 is not in Member";
    QTest::newRow("phase with text for its order and weeks: both named")
        << "Outreach_Phase" << QStringList { "3.5", q("Call"), q("Phone Call"), q("two") } << ""
        << "" << false
        << "Outreach_Phase\tPhaseOrder 3.5, Phase Call\tnot stored: PhaseOrder: \"3.5\" is not a whole number; "
           "TimePeriod: \"two\" is not a whole number";
    QTest::newRow("teacher who is gone: link cleared")
        << "Sunday_School" << QStringList { "9", q("Seniors"), q(""), "55", "", q(""), q("") } << ""
        << "" << true << "Sunday_School\tID 9\tstored; Teacher 55 cleared: it is not in Member";
    QTest::newRow("deacon who is gone: link cleared")
        << "Member" << QStringList {} << "DeaconID"
        << "300" << true << "Member\tID 8\tstored; DeaconID 300 cleared: it is not in Member";
    QTest::newRow("class that is gone: link cleared")
        << "Member" << QStringList {} << "Wednesday_Night_Class"
        << "8" << true << "Member\tID 8\tstored; Wednesday_Night_Class 8 cleared: it is not in Wednesday_Night";
}

void TestLegacyImport::rowsNotStored()
{
    QFETCH(QString, table);
    QFETCH(QStringList, row);
    QFETCH(QString, memberColumn);
    QFETCH(QString, memberToken);
    QFETCH(bool, succeeds);
    QFETCH(QString, listed);
    Fixture f;
    if (row.isEmpty())
        f.church.set(QStringLiteral("Member"), f.church.memberRow(8), memberColumn, memberToken);
    else
        f.church.tables[table].rows.append(row);
    const qint64 before = f.church.tables[table].rows.size();

    const ImportResult result = f.run();
    QCOMPARE(result.succeeded, succeeds);
    QCOMPARE(result.problems.size(), 1);
    // The rejects file beside the target lists the row, with the export's line where it has one.
    QStringList lines = f.rejects().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QStringList fields = lines.last().split(QLatin1Char('\t'));
    fields.removeAt(1);
    QCOMPARE(fields.join(QLatin1Char('\t')), listed);
    QCOMPARE(lines.last().split(QLatin1Char('\t')).at(1),
        result.problems.first().stored ? QStringLiteral("-") : QString::number(result.problems.first().line));

    if (!succeeds) {
        // Nothing at the target; only the list of rows is left to read.
        QCOMPARE(f.files(), (QStringList { "church.sqlite.rejects.txt", "roll.mdb" }));
        QVERIFY(result.failure.contains(QStringLiteral("could not be stored")));
        return;
    }
    // The report counts the rows left out.
    QVERIFY(reportText(result, f.oldFile)
                .contains(QStringLiteral("the old file does not have: %1;").arg(result.problems.first().leftOut)));
    auto db = f.open();
    const qint64 expected = result.problems.first().stored ? before : before - 1;
    QCOMPARE(
        db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table == QLatin1String("User") ? "\"User\"" : table))
            .toLongLong(),
        expected);
    if (result.problems.first().stored) {
        // The cleared link is Null in the stored row.
        const QString linkColumn = listed.section(QLatin1Char('\t'), 2).section(QLatin1Char(' '), 1, 1);
        const QString id = listed.section(QLatin1Char('\t'), 1, 1).section(QLatin1Char(' '), 1, 1);
        QCOMPARE(
            shown(db->scalar(QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?").arg(linkColumn, table), { id.toInt() })),
            QStringLiteral("NULL"));
    }
}

void TestLegacyImport::exactDates_data()
{
    QTest::addColumn<QString>("column"); // of Ruth's row
    QTest::addColumn<QString>("printed"); // as mdb-export prints the date
    QTest::addColumn<double>("days"); // as the file holds it
    QTest::addColumn<QString>("expected"); // stored, or what the import says
    QTest::addColumn<bool>("lostElsewhere"); // another row's date of the column is one the export lost
    const QString lost = d(QStringLiteral("1900-01-00"));
    QTest::newRow("born in 1801") << "Date_Of_Birth" << lost << -35958.0 << "1801-07-19" << false;
    QTest::newRow("9999-12-31, for \"still\"") << "Letter_Out" << lost << 2958465.0 << "9999-12-31" << false;
    QTest::newRow("time before 1899-12-30") << "Date_Edited" << lost << -1.25 << "1899-12-29T06:00:00" << false;
    QTest::newRow("printed differently") << "Baptized" << d("2001-04-16") << 36996.0 << "read Baptized differently"
                                         << true;
    QTest::newRow("no date Jet holds") << "Letter_Out" << lost << 3.5e6 << "Letter_Out: 3500000 days from 1899-12-30"
                                       << false;
    // No second pass over a table whose every date the export printed.
    QTest::newRow("every date printed: the file is not read again")
        << "Baptized" << d("2001-04-15") << 36997.0 << "2001-04-15" << false;
}

// Dates mdb-export cannot print arrive as the file holds them, or the import fails naming them.
void TestLegacyImport::exactDates()
{
    QFETCH(QString, column);
    QFETCH(QString, printed);
    QFETCH(double, days);
    QFETCH(QString, expected);
    QFETCH(bool, lostElsewhere);
    Fixture f;
    JetDates dates { { column }, {} };
    for (int row = 0; row < 5; ++row) {
        const bool lost = row == 3 && lostElsewhere;
        f.church.set(QStringLiteral("Member"), row, column,
            row == 4 ? printed : lost ? d(QStringLiteral("1900-01-00")) : QString());
        dates.rows.append({ row == 4 ? std::optional<double>(days) : lost ? std::optional<double>(-1.0) : std::nullopt });
    }
    f.runner.setDates(QStringLiteral("Member"), dates);
    QString got;
    try {
        const ImportResult result = f.run();
        got = result.succeeded
            ? shown(f.open()->scalar(QStringLiteral("SELECT %1 FROM Member WHERE ID = 8").arg(column)))
            : result.failure + f.rejects();
    } catch (const ImportError& e) {
        got = e.text();
    }
    QVERIFY2(got.contains(expected), qPrintable(got));
    QCOMPARE(f.runner.calls.contains(QStringLiteral("dates Member")), printed.contains(QLatin1String("1900-01-00")) || lostElsewhere);
}

void TestLegacyImport::refusals_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message");

    QTest::newRow("target exists") << "target exists"
                                   << "church.sqlite\" already exists; it was left unchanged";
    QTest::newRow("old file missing") << "no old file"
                                      << "roll.mdb\" does not exist";
    QTest::newRow("not a Jet file at all") << "not jet"
                                           << "roll.mdb\" is not a Jet database (.mdb) file";
    QTest::newRow("Jet file cut short") << "cut short"
                                        << "roll.mdb\" is damaged: it is cut short";
    QTest::newRow("tables cannot be listed")
        << "tables fail"
        << "is damaged: its list of tables cannot be read (mdbtools: Unable to read table MSysObjects";
    QTest::newRow("another program's Jet file") << "other tables"
                                                << "is not a database of the older membership program: it has no table "
                                                   "Member, Family_Connection, Member_Responsibility, User";
    QTest::newRow("table without its key column") << "no ID column"
                                                  << "its table Member has no column ID";
    QTest::newRow("warning while exporting")
        << "export warns"
        << "is damaged: table Member cannot be read whole (mdbtools: warning: page 39 from map doesn't match)";
    QTest::newRow("fewer rows than the table says")
        << "short export"
        << "its table Family_Connection holds 3 rows by its own count, but 2 could be read";
    QTest::newRow("quote never closed") << "broken quote"
                                        << "table Member cannot be read (line 6: a quote is never closed)";
    QTest::newRow("mdbtools not installed") << "no mdbtools"
                                            << "install the Debian package \"mdbtools\"";
    QTest::newRow("picture folder missing") << "no pictures"
                                            << "The picture folder";
    QTest::newRow("server that does not answer") << "postgresql"
                                                 << "The database \"church\" on the server 127.0.0.1:1 cannot be "
                                                    "reached";
}

void TestLegacyImport::refusals()
{
    QFETCH(QString, situation);
    QFETCH(QString, message);
    Fixture f;
    QString pictures;
    if (situation == QLatin1String("target exists")) {
        QFile t(f.target);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("keep me");
    } else if (situation == QLatin1String("no old file")) {
        QFile::remove(f.oldFile);
    } else if (situation == QLatin1String("not jet")) {
        QFile t(f.oldFile);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(QByteArray(20000, 'x'));
    } else if (situation == QLatin1String("cut short")) {
        QFile t(f.oldFile);
        QVERIFY(t.open(QIODevice::ReadWrite));
        QVERIFY(t.resize(5000));
    } else if (situation == QLatin1String("other tables")) {
        f.church.tables = { { QStringLiteral("FPdev"), OldTable { { "id" }, { { "1" } } } } };
    } else if (situation == QLatin1String("no ID column")) {
        OldTable& m = f.church.tables[QStringLiteral("Member")];
        m.header.removeFirst();
        for (QStringList& row : m.rows)
            row.removeFirst();
    } else if (situation == QLatin1String("short export")) {
        f.church.record(f.runner);
        f.runner.setCount(QStringLiteral("Family_Connection"), 3);
    } else if (situation == QLatin1String("broken quote")) {
        f.church.set(QStringLiteral("Member"), f.church.memberRow(8), QStringLiteral("Edited_By"),
            QStringLiteral("\"unfinished"));
    } else if (situation == QLatin1String("no mdbtools")) {
        f.runner.installed = false;
    } else if (situation == QLatin1String("no pictures")) {
        pictures = f.dir.filePath(QStringLiteral("pictures"));
    } else if (situation == QLatin1String("postgresql")) {
        f.target = QStringLiteral("postgresql://nobody@127.0.0.1:1/church");
    }
    if (situation != QLatin1String("short export"))
        f.church.record(f.runner);
    if (situation == QLatin1String("tables fail"))
        f.runner.record(QStringLiteral("mdb-tables"),
            ToolOutput {
                true, 1, {}, "Unable to read table MSysObjects\nFile does not appear to be an Access database\n" });
    if (situation == QLatin1String("short export"))
        f.runner.setCount(QStringLiteral("Family_Connection"), 3);
    if (situation == QLatin1String("export warns"))
        f.runner.record(QStringLiteral("mdb-export Member"),
            ToolOutput {
                true, 0, f.church.csv(QStringLiteral("Member")), "warning: page 39 from map doesn't match\n" });

    const QStringList before = f.files();
    QString error;
    try {
        Importer importer(f.runner, ImportOptions { f.oldFile, f.target, pictures });
        importer.run();
    } catch (const ImportError& e) {
        error = e.text();
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(f.files(), before); // nothing created, nothing removed
}

void TestLegacyImport::pictures()
{
    Fixture f;
    // The old program kept one name with a Windows path.
    f.church.set(QStringLiteral("Member"), f.church.memberRow(2), QStringLiteral("Picture"), q("C:\\Pictures\\2.jpg"));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("pics")));
    for (const char* name : { "1.jpg", "2.jpg" }) {
        QFile p(f.dir.filePath(QStringLiteral("pics/") + QLatin1String(name)));
        QVERIFY(p.open(QIODevice::WriteOnly));
    }
    const ImportResult result = f.run(f.dir.filePath(QStringLiteral("pics")));
    QVERIFY(result.succeeded);
    QCOMPARE(result.picturesNamed, 3);
    QCOMPARE(result.missingPictures, QStringList { "3.jpg" });
    auto db = f.open();
    QCOMPARE(db->scalar(QStringLiteral("SELECT Picture FROM Member WHERE ID = 2")).toString(),
        QStringLiteral("C:\\Pictures\\2.jpg"));
}

void TestLegacyImport::command()
{
    Fixture f;
    f.church.record(f.runner);
    QString out;
    QString err;
    {
        QTextStream o(&out);
        QTextStream e(&err);
        QCOMPARE(runImportCommand(f.runner, ImportOptions { f.oldFile, f.target, {} }, o, e), 0);
    }
    const QStringList lines = out.split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0),
        QStringLiteral("Imported \"%1\" (Jet 4) into \"%2\".")
            .arg(QDir::toNativeSeparators(f.oldFile), QDir::toNativeSeparators(f.target)));
    QCOMPARE(lines.at(2), QStringLiteral("Table                     Old file  New database  Not stored"));
    QCOMPARE(lines.at(3), QStringLiteral("Member                           5             5           0"));
    QVERIFY(out.contains(QStringLiteral("Accounts: 1 passwords stored as protected hashes")));
    QVERIFY(out.contains(
        QStringLiteral("Accounts without a password, which cannot log in until an administrator sets one: mary.")));
    QVERIFY(out.contains(QStringLiteral("Pictures: 2 named in the file; not checked")));
    QCOMPARE(err.count(QLatin1Char('\n')), 24);

    // Again into the same target: refused, nothing changed.
    out.clear();
    err.clear();
    {
        QTextStream o(&out);
        QTextStream e(&err);
        QCOMPARE(runImportCommand(f.runner, ImportOptions { f.oldFile, f.target, {} }, o, e), 1);
        QCOMPARE(runImportCommand(f.runner, ImportOptions { f.oldFile, {}, {} }, o, e), 2);
    }
    QVERIFY(err.startsWith(QStringLiteral("pewlark: The file \"%1\" already exists").arg(f.target)));
    QVERIFY(err.contains(QStringLiteral("--import-legacy needs --into NEW.sqlite")));
}

void TestLegacyImport::missingToolsOnThisMachine()
{
    // The real runner, looking for the programs in an empty folder.
    Fixture f;
    QTemporaryDir empty;
    ProcessRunner runner(QStringList { empty.path() });
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    QCOMPARE(runImportCommand(runner, ImportOptions { f.oldFile, f.target, {} }, o, e), 1);
    QCOMPARE(err.trimmed(),
        QStringLiteral(
            "pewlark: The program mdb-tables was not found. Reading the older program's files needs mdbtools: "
            "install the Debian package \"mdbtools\" (sudo apt-get install mdbtools) and run the import again."));
    QVERIFY(!QFileInfo::exists(f.target));
}

void TestLegacyImport::realJetFile()
{
    // A small Jet 3 file that a Debian package ships as an example.
    QString source = qEnvironmentVariable("PEWLARK_TEST_JET_FILE");
    if (source.isEmpty())
        source = QStringLiteral("/usr/share/doc/fp-units-db/3.2.2/examples/odbc/testodbc.mdb.gz");
    if (QStandardPaths::findExecutable(QStringLiteral("mdb-export")).isEmpty() || !QFileInfo::exists(source))
        QSKIP("Needs mdbtools (Debian package mdbtools) and a small Jet file: testodbc.mdb.gz of the Debian package "
              "fp-units-db, or a file named by PEWLARK_TEST_JET_FILE.");

    Fixture f;
    if (source.endsWith(QLatin1String(".gz"))) {
        QProcess unzip;
        unzip.setStandardOutputFile(f.oldFile);
        unzip.start(QStringLiteral("gzip"), { QStringLiteral("-dc"), source });
        QVERIFY(unzip.waitForFinished());
        QCOMPARE(unzip.exitCode(), 0);
    } else {
        QFile::remove(f.oldFile);
        QVERIFY(QFile::copy(source, f.oldFile));
    }

    ProcessRunner runner;
    JetTools jet(runner, f.oldFile);
    QCOMPARE(jet.checkSignature(), JetVersion::Jet3);
    QCOMPARE(jet.tables(), QStringList { "FPdev" });
    QCOMPARE(jet.count(QStringLiteral("FPdev")), qint64(8));
    JetCsv csv(jet.exportTable(QStringLiteral("FPdev")));
    QCOMPARE(csv.header(), (QStringList { "id", "UserName", "InstEmail" }));
    QStringList names;
    while (csv.next()) {
        QVERIFY(!csv.isQuoted(0));
        QVERIFY(csv.isQuoted(1));
        names.append(csv.text(0) + QLatin1Char(' ') + csv.text(1));
    }
    QCOMPARE(names.size(), 8);
    QVERIFY(names.contains(QStringLiteral("3 Carl-Eric Codere")));
    QCOMPARE(jet.dates(QStringLiteral("FPdev"))->rows.size(), 8); // the library walks the same rows

    // A real Jet file of another program is refused and nothing is created.
    const QStringList before = f.files();
    try {
        Importer(runner, ImportOptions { f.oldFile, f.target, {} }).run();
        QFAIL("imported");
    } catch (const ImportError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("is not a database of the older membership program")),
            qPrintable(e.text()));
    }
    QCOMPARE(f.files(), before);
}

QTEST_GUILESS_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
