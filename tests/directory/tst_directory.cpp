#include "directory/Directory.h"

#include "TestSupport.h"

#include <QProcess>
#include <QtTest>

using namespace pw;
using directory::Choice;

namespace {

// The Hales (a couple, two children, the head's mother on her own), Ann Bell
// without contact details, Carl Cole left out, the Dunns (the head left out,
// his wife listed), Eve Ames inactive and Fred Fox deceased.
struct Church {
    test::TestEnv env;
    QHash<QString, qint64> ids;

    qint64 add(const QString& first, const QString& last, const QString& status, const QVariantMap& more = {})
    {
        const qint64 id = env.addMember(first, last);
        env.db().exec(QStringLiteral("UPDATE Member SET Member_Active_Status = ? WHERE ID = ?"), { status, id });
        for (auto it = more.cbegin(); it != more.cend(); ++it)
            env.db().exec(QStringLiteral("UPDATE Member SET %1 = ? WHERE ID = ?").arg(it.key()), { it.value(), id });
        ids.insert(first, id);
        return id;
    }
    void link(const QString& head, const QStringList& relatives) // "Wife:Helen"
    {
        for (const QString& r : relatives)
            env.db().exec(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, "
                                         "Relative_Member_ID) VALUES (?, ?, ?)"),
                { ids.value(head), r.section(':', 0, 0), ids.value(r.section(':', 1)) });
    }

    Church()
    {
        env.db().exec(QStringLiteral("DELETE FROM Church"));
        env.db().exec(QStringLiteral("INSERT INTO Church (Name, City, State) VALUES ('Grace Chapel', 'Salem', 'OR')"));
        add("Henry", "Hale", "Active",
            { { "Head_Of_Household", 1 }, { "Address_1", "12 Oak St" }, { "City", "Salem" }, { "State", "OR" },
                { "Zip", "97301" }, { "Phone", "6155550100" }, { "Cell", "6155550142" },
                { "Date_Of_Birth", "1970-03-04" } });
        add("Helen", "Hale", "Active", { { "Email", "helen@example.org" } });
        add("Tim", "Hale", "Active", { { "Date_Of_Birth", "2010-05-01" } });
        add("Sue", "Hale", "Active", { { "Date_Of_Birth", "2012-07-09" } });
        add("Martha", "Hale", "Active");
        link("Henry", { "Wife:Helen", "Son:Tim", "Daughter:Sue", "Mother:Martha" });
        add("Ann", "Bell", "Active", { { "Phone", "6155550199" }, { "Cell", "6155550111" } });
        directory::setListing(env.db(), ids["Ann"], directory::Listing::WithoutContact);
        add("Carl", "Cole", "Active");
        directory::setListing(env.db(), ids["Carl"], directory::Listing::LeftOut);
        add("Dan", "Dunn", "Active", { { "Head_Of_Household", 1 }, { "Address_1", "3 Elm Rd" } });
        add("Dora", "Dunn", "Active", { { "Cell", "6155550177" } });
        link("Dan", { "Wife:Dora" });
        directory::setListing(env.db(), ids["Dan"], directory::Listing::LeftOut);
        add("Eve", "Ames", "Inactive");
        add("Fred", "Fox", "Active", { { "Deceased_Date", "2025-01-01" } });
    }
};

QString describe(const directory::Entry& e)
{
    return QStringList { e.title, e.children.join(','), QString(e.address).replace('\n', "; "), e.homePhone,
        e.cells.join(','), e.emails.join(','), e.birthdays.join(',') }
        .join(" | ")
        .simplified();
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

QString pageText(const QString& pdf, int page)
{
    return run("pdftotext", { "-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" });
}

const QString kHales = "Henry & Helen Hale | Tim,Sue | 12 Oak St; Salem, OR 97301 | (615) 555-0100 | Henry: (615) "
                       "555-0142 | Helen: helen@example.org |";

} // namespace

class TestDirectory : public QObject {
    Q_OBJECT

private slots:
    void whoIsListedAndHow_data();
    void whoIsListedAndHow();
    void indexGivesEachPersonTheirEntrysPage();
    void a4PagesOnChoice();
};

void TestDirectory::whoIsListedAndHow_data()
{
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("people");
    QTest::addColumn<bool>("birthdays");
    QTest::addColumn<QStringList>("expected");
    const QStringList active
        = { "Ann Bell | | | | | |", "Dora Dunn | | | | Dora: (615) 555-0177 | |", kHales, "Martha Hale | | | | | |" };
    QTest::newRow("active church") << QStringList { "active" } << QStringList() << false << active;
    QTest::newRow("birthdays") << QStringList { "Active" } << QStringList() << true
                               << QStringList { active[0], active[1], kHales + " Henry: March 4,Tim: May 1,Sue: July 9",
                                      active[3] };
    QTest::newRow("every status") << QStringList() << QStringList() << false
                                  << (QStringList { "Eve Ames | | | | | |" } + active);
    QTest::newRow("a navigator's people")
        << QStringList { "Active" } << QStringList { "Helen", "Eve", "Carl" } << false
        << QStringList { "Eve Ames | | | | | |", "Helen Hale | | | | | Helen: helen@example.org |" };
}

void TestDirectory::whoIsListedAndHow()
{
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, people);
    QFETCH(bool, birthdays);
    QFETCH(QStringList, expected);
    Church c;
    Choice choice;
    choice.churchStatuses = statuses;
    choice.birthdays = birthdays;
    for (const QString& name : people)
        choice.people.append(c.ids.value(name));
    QStringList got;
    for (const directory::Entry& e : directory::entries(c.env.db(), choice, QStringLiteral("/pictures/")))
        got.append(describe(e));
    QCOMPARE(got, expected);
}

// Two entries to a page after the cover: the Hales are on page 3, and so is
// each of them in the index, which follows on page 4.
void TestDirectory::indexGivesEachPersonTheirEntrysPage()
{
    Church c;
    QTemporaryDir dir;
    const QString pdf = dir.filePath("directory.pdf");
    Choice choice;
    directory::directoryReport(c.env.db(), choice, dir.filePath("pictures/"), QDate(2026, 3, 1))->writePdf(pdf);
    QVERIFY(pageText(pdf, 1).contains("Grace Chapel Salem, OR Church Directory March 1, 2026"));
    const QString three = pageText(pdf, 3);
    QVERIFY2(three.contains("H Henry & Helen Hale") && three.contains("Martha Hale") && three.contains("Page 3")
            && !three.contains("Dora"),
        qPrintable(three));
    const QString index = pageText(pdf, 4);
    for (const char* line : { "Bell, Ann 2", "Dunn, Dora 2", "Hale, Helen 3", "Hale, Henry 3", "Hale, Martha 3",
             "Hale, Sue 3", "Hale, Tim 3", "Page 4" })
        QVERIFY2(index.contains(QLatin1String(line)), qPrintable(index));
    QVERIFY2(!index.contains("Cole") && !index.contains("Dunn, Dan"), qPrintable(index));
}

void TestDirectory::a4PagesOnChoice()
{
    Church c;
    QTemporaryDir dir;
    const QString pdf = dir.filePath("directory.pdf");
    directory::directoryReport(
        c.env.db(), Choice { { "Active" }, {}, false, true, 4 }, dir.filePath("pictures/"), QDate(2026, 3, 1))
        ->writePdf(pdf);
    const QString info = run("pdfinfo", { pdf });
    QVERIFY2(info.contains("Pages: 3") && info.contains("595 x 842 pts"), qPrintable(info));
}

QTEST_MAIN(TestDirectory)
#include "tst_directory.moc"
