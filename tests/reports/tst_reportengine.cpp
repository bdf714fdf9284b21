// The report engine: label geometry, page flow, and the text of each design
// as it comes out of a rendered PDF.

#include "ReportFields.h"
#include "TestSupport.h"
#include "widgets/FormHelpers.h"
#include "data/Database.h"
#include "reports/Report.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pw;
using namespace pw::reports;
using namespace pw::test;

namespace {

const QStringList kLastNames = { "Abernathy", "Brooks", "Castellanos-Whitfield", "Dunn", "Ellington", "Fairbanks",
    "Gutierrez", "Hollingsworth", "Ingram", "Jefferson" };

// A row with a value for each named field; fields not given are Null.
QVariantList row(const QStringList& fields, const QHash<QString, QVariant>& values)
{
    QVariantList r;
    for (const QString& f : fields)
        r.append(values.value(f));
    return r;
}

QHash<QString, QVariant> person(int i)
{
    return {
        { "ID", 1000 + i },
        { "Member.ID", 1000 + i },
        { "Status", "Member" },
        { "First_Name", QStringLiteral("Person%1").arg(i) },
        { "Middle_Name", "Lee" },
        { "Last_Name", kLastNames[i % kLastNames.size()] },
        { "Title", "Mrs." },
        { "Address_1", QStringLiteral("%1 Magnolia Springs Road").arg(100 + i) },
        { "Address_2", i % 3 == 0 ? QVariant("Apartment 4B") : QVariant("") },
        { "City", "Fayetteville" },
        { "State", "AR" },
        { "Zip", "72701" },
        { "Phone", "(479)555-0142" },
        { "Cell", i % 2 ? QVariant("(479)555-0199") : QVariant("") },
        { "Work_Phone", "" },
        { "Email", QStringLiteral("person%1.household@example.org").arg(i) },
        { "Place_Of_Work", "Washington Regional Medical Center" },
        { "Occupation", "Registered Nurse" },
        { "Date_Of_Birth", "1971-04-09" },
        { "Head_Of_Household", i % 2 },
        { "Gender", "Female" },
        { "Marital_Status", "Married" },
        { "Anniversary_Date", "1995-06-17" },
        { "Hobbies", "Quilting, gardening" },
        { "Organizations", "" },
        { "Map_Section", "NW-4" },
        { "Notes", "Sings alto in the choir." },
        { "Member.Notes", "Sings alto in the choir." },
        { "Member_Active_Status", "Active" },
        { "Member_Since", "2003-09-14" },
        { "Previous_Church", "First Baptist Springdale" },
        { "Came_Forward", "2003-08-31" },
        { "Baptized", QVariant() },
        { "Sunday_School.Name", "Young Married Adults" },
        { "Discipleship_Training.Name", "Foundations" },
        { "Wednesday_Night.Name", "Prayer Meeting" },
        { "CGLeader", "Brooks, Harold" },
        { "Deacon", "Dunn, Walter" },
        { "Receive_Newsletter_Via_Mail", 1 },
        { "Receive_Newsletter_Via_EMail", 0 },
    };
}

// One line of family text as the report operations build it.
QString familyLine(const QString& name, const QString& relationship, const QString& gender, const QString& born)
{
    return FixedWidth(name, 25) + " " + FixedWidth(relationship, 20) + " " + FixedWidth(gender, 10) + " "
        + FixedWidth(born, 12) + "\r\n";
}

ReportData memberList(int count)
{
    ReportData d;
    d.design = Design::MemberList;
    d.churchName = "Grace Fellowship Church";
    d.printedOn = "03/15/2026";
    d.main.fields = kMemberFields;
    for (int i = 0; i < count; ++i)
        d.main.rows.push_back(row(kMemberFields, person(i)));
    return d;
}

ReportData labels(int count, int start = 1, double dx = 0, double dy = 0)
{
    ReportData d;
    d.design = Design::MailingLabels;
    d.main.fields = kLabelFields;
    for (int i = 0; i < count; ++i) {
        auto v = person(i);
        v["First_Name"] = QStringLiteral("Label%1").arg(i + 1);
        d.main.rows.push_back(row(kLabelFields, v));
    }
    d.labels = { start, dx, dy };
    return d;
}

ReportData visitationSheet(int contacts)
{
    ReportData d;
    d.design = Design::VisitationSheet;
    d.churchName = "Grace Fellowship Church";
    d.printedOn = "03/15/2026";
    d.main.fields = kSheetFields;
    auto v = person(7);
    v["Status"] = "Prospect";
    v["Prospect_Source"] = "Vacation Bible School";
    v["Prospect_Active_Status"] = "Active";
    v["Prospect_Note"] = "Has two children in VBS.";
    v["Name"] = "Young Married Adults";
    v["Prospect_Member_Of"] = "None";
    v["Prospect_Next_Contact_Date"] = "2026-03-22";
    v["Prospect_Next_Contact_Action"] = "Home visit";
    if (contacts == 0) {
        // As the database joins it: no contact, yet each visitor name still
        // holds the ", " between the missing last and first names.
        v["Visitor1Name"] = ", ";
        v["Visitor2Name"] = ", ";
        d.main.rows.push_back(row(kSheetFields, v));
    }
    for (int c = 0; c < contacts; ++c) {
        v["Prospect_Contact.ID"] = 500 + c;
        v["Contact_Date"] = QDate(2025, 1, 5).addDays(7 * c).toString(Qt::ISODate);
        v["Action"] = "Phone call";
        v["Type"] = "Phone";
        v["Visitor1Name"] = "Brooks, Harold";
        v["Visitor2Name"] = "";
        v["Rating"] = "Warm";
        v["Prospect_Contact.Notes"] = QStringLiteral("contact-%1 went well").arg(c + 1);
        d.main.rows.push_back(row(kSheetFields, v));
    }
    d.familyText = familyLine("Person7 Hollingsworth", "Spouse", "Female", "04/09/1971")
        + familyLine("Sam Hollingsworth", "Son", "Male", "02/11/2012");
    return d;
}

ReportData infoUpdate(const QStringList& responsibilities)
{
    ReportData d;
    d.design = Design::MemberInfoUpdate;
    d.churchName = "Grace Fellowship Church";
    d.printedOn = "03/15/2026";
    d.main.fields = kMemberFields + QStringList { "Responsibility", "Start", "End" };
    auto v = person(2);
    if (responsibilities.isEmpty())
        d.main.rows.push_back(row(d.main.fields, v));
    for (const QString& r : responsibilities) {
        v["Responsibility"] = r;
        v["Start"] = "2020-01-05";
        v["End"] = QVariant();
        d.main.rows.push_back(row(d.main.fields, v));
    }
    d.familyText = familyLine("Harold Brooks", "Husband", "Male", "10/02/1968")
        + familyLine("Amy Brooks", "Daughter", "Female", "05/30/2001");
    return d;
}

// One word of a rendered PDF with its box in points and its page (1-based).
struct Word {
    QString text;
    QRectF box;
    int page;
};

// What pdftotext reads back from a PDF: the page texts laid out as on paper,
// and every word with its position.
struct PdfText {
    QStringList pages;
    std::vector<Word> words;

    QString all() const { return pages.join("\n"); }
    std::vector<Word> find(const QString& text) const
    {
        std::vector<Word> found;
        for (const Word& w : words)
            if (w.text == text)
                found.push_back(w);
        return found;
    }
};

QString runTool(const QStringList& args)
{
    QProcess p;
    p.start("pdftotext", args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

PdfText extract(const QString& pdf)
{
    PdfText out;
    const QString layout = runTool({ "-layout", "-enc", "UTF-8", pdf, "-" });
    out.pages = layout.split(QChar('\f'));
    if (!out.pages.isEmpty() && out.pages.last().trimmed().isEmpty())
        out.pages.removeLast();
    const QString html = runTool({ "-bbox", "-enc", "UTF-8", pdf, "-" });
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"")
            .replace("&apos;", "'")
            .replace("&amp;", "&");
        const double x1 = m.captured(1).toDouble(), y1 = m.captured(2).toDouble();
        out.words.push_back(
            { text, QRectF(QPointF(x1, y1), QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())), page });
    }
    return out;
}

// Collapses runs of blanks, so that text laid out in columns can be searched.
QString squeezed(QString text) { return text.replace(QRegularExpression("[ \t]+"), " "); }

int countOf(const QString& haystack, const QString& needle) { return haystack.count(needle); }

} // namespace

Q_DECLARE_METATYPE(pw::reports::ReportData)

class TestReportEngine : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestEnv> env;
    QTemporaryDir dir;
    int files = 0;

    QString pdfOf(const ReportData& data)
    {
        const QString path = dir.filePath(QStringLiteral("report%1.pdf").arg(++files));
        Report(data).writePdf(path);
        return path;
    }
    PdfText textOf(const ReportData& data) { return extract(pdfOf(data)); }

    // Renders without a file and gives the page count.
    static int pagesOf(const ReportData& data)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const Report report(data);
        report.preparePage(writer);
        return report.render(writer);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
            "pdftotext (poppler-utils, see scripts/install-deps.sh) reads the rendered reports back");
        if (qEnvironmentVariableIsSet("PEWLARK_KEEP_REPORT_PDFS")) {
            dir.setAutoRemove(false);
            qInfo() << "PDFs kept in" << dir.path();
        }
    }
    void init() { env = std::make_unique<test::TestEnv>(); }
    void cleanup() { env.reset(); }

    void labelRect_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::addColumn<QRectF>("expected");
        // 0.1875 in = 13.5 pt left, 0.5 in = 36 pt top, columns every 2.75 in (198 pt), rows every inch.
        QTest::newRow("first") << 0 << 0.0 << 0.0 << QRectF(13.5, 36, 189, 72);
        QTest::newRow("top right") << 2 << 0.0 << 0.0 << QRectF(409.5, 36, 189, 72);
        QTest::newRow("second row left") << 3 << 0.0 << 0.0 << QRectF(13.5, 108, 189, 72);
        QTest::newRow("middle") << 16 << 0.0 << 0.0 << QRectF(211.5, 396, 189, 72);
        QTest::newRow("last") << 29 << 0.0 << 0.0 << QRectF(409.5, 684, 189, 72);
        QTest::newRow("nudged right and up") << 0 << 25.4 << -12.7 << QRectF(85.5, 0, 189, 72);
        QTest::newRow("nudged last") << 29 << -5.0 << 2.5
                                     << QRectF(409.5 - 5 * 72 / 25.4, 684 + 2.5 * 72 / 25.4, 189, 72);
    }
    void labelRect()
    {
        QFETCH(int, index);
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(QRectF, expected);
        const QRectF r = reports::labelRect(index, LabelOptions { 1, dx, dy });
        QCOMPARE(qRound(r.left() * 1000), qRound(expected.left() * 1000));
        QCOMPARE(qRound(r.top() * 1000), qRound(expected.top() * 1000));
        QCOMPARE(r.size(), expected.size());
    }

    void labelPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1 << 1;
        QTest::newRow("one sheet") << 30 << 1 << 1;
        QTest::newRow("one over") << 31 << 1 << 2;
        QTest::newRow("start skips to fill the sheet") << 29 << 2 << 1;
        QTest::newRow("start pushes the last onto a new sheet") << 29 << 3 << 2;
        QTest::newRow("start at the last label") << 2 << 30 << 2;
        QTest::newRow("start beyond the sheet is the last label") << 1 << 99 << 1;
        QTest::newRow("two full sheets") << 60 << 1 << 2;
        QTest::newRow("thirty-five") << 35 << 1 << 2;
    }
    void labelPages()
    {
        QFETCH(int, count);
        QFETCH(int, start);
        QFETCH(int, pages);
        QCOMPARE(pagesOf(labels(count, start)), pages);
    }

    void labelPlacement_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::addColumn<int>("label"); // the label looked for
        QTest::addColumn<int>("index"); // where it should be on its sheet
        QTest::addColumn<int>("page");
        QTest::newRow("first") << 35 << 1 << 0.0 << 0.0 << 1 << 0 << 1;
        QTest::newRow("second goes right") << 35 << 1 << 0.0 << 0.0 << 2 << 1 << 1;
        QTest::newRow("fourth starts row two") << 35 << 1 << 0.0 << 0.0 << 4 << 3 << 1;
        QTest::newRow("thirtieth is bottom right") << 35 << 1 << 0.0 << 0.0 << 30 << 29 << 1;
        QTest::newRow("thirty-first starts sheet two") << 35 << 1 << 0.0 << 0.0 << 31 << 0 << 2;
        QTest::newRow("start 5 puts the first in the middle") << 35 << 5 << 0.0 << 0.0 << 1 << 4 << 1;
        QTest::newRow("start 5 wraps the 27th") << 35 << 5 << 0.0 << 0.0 << 27 << 0 << 2;
        QTest::newRow("offsets move the labels") << 3 << 1 << 3.0 << 4.5 << 3 << 2 << 1;
        QTest::newRow("offsets move up and left") << 3 << 1 << -2.0 << -3.0 << 1 << 0 << 1;
    }
    void labelPlacement()
    {
        QFETCH(int, count);
        QFETCH(int, start);
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(int, label);
        QFETCH(int, index);
        QFETCH(int, page);
        const PdfText text = textOf(labels(count, start, dx, dy));
        const auto found = text.find(QStringLiteral("Label%1").arg(label));
        QCOMPARE(int(found.size()), 1);
        const QRectF cell = reports::labelRect(index, LabelOptions { 1, dx, dy });
        QCOMPARE(found[0].page, page);
        QVERIFY2(cell.contains(found[0].box),
            qPrintable(QStringLiteral("word at %1,%2 outside label at %3,%4")
                           .arg(found[0].box.left())
                           .arg(found[0].box.top())
                           .arg(cell.left())
                           .arg(cell.top())));
        // The name line begins near the label's left edge, after the title.
        const auto titles = text.find("Mrs.");
        QVERIFY(!titles.empty());
        QVERIFY(std::any_of(titles.begin(), titles.end(), [&](const Word& w) {
            return w.page == page && std::abs(w.box.left() - (cell.left() + 10)) < 1.5 && cell.contains(w.box);
        }));
    }

    void labelLines_data()
    {
        QTest::addColumn<QString>("address2");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("lines");
        QTest::newRow("four lines") << "Apartment 4B"
                                    << QStringList { "Mrs. Label1 Lee Abernathy", "100 Magnolia Springs Road",
                                           "Apartment 4B", "Fayetteville, AR 72701" }
                                    << 4;
        QTest::newRow("empty second address line is left out")
            << "" << QStringList { "Mrs. Label1 Lee Abernathy", "100 Magnolia Springs Road", "Fayetteville, AR 72701" }
            << 3;
    }
    void labelLines()
    {
        QFETCH(QString, address2);
        QFETCH(QStringList, expected);
        QFETCH(int, lines);
        ReportData d = labels(1);
        d.main.rows[0][d.main.column("Address_2")] = address2;
        const QStringList got = squeezed(textOf(d).all()).split('\n', Qt::SkipEmptyParts);
        QStringList trimmed;
        for (const QString& l : got)
            if (!l.trimmed().isEmpty())
                trimmed.append(l.trimmed());
        QCOMPARE(trimmed, expected);
        QCOMPARE(trimmed.size(), lines);
    }

    void longLabelTextStaysInsideItsLabel()
    {
        ReportData d = labels(3);
        const int a1 = d.main.column("Address_1");
        d.main.rows[1][a1] = "12345 Extraordinarily Long Boulevard Name Northeast Suite 1200 Building C";
        d.main.rows[1][d.main.column("Last_Name")] = "Featherstonehaugh-Cholmondeley-Worthington";
        const PdfText text = textOf(d);
        const QRectF middle = reports::labelRect(1, {});
        int inMiddle = 0;
        for (const Word& w : text.words) {
            if (w.box.center().x() > middle.left() && w.box.center().x() < middle.right()) {
                ++inMiddle;
                QVERIFY2(w.box.right() <= middle.right() + 0.5, qPrintable(w.text));
            }
        }
        QVERIFY(inMiddle >= 4);
        // The neighbour's text is untouched.
        QCOMPARE(int(text.find("Label3").size()), 1);
    }

    void everyPageHasTitleFooterAndColumnHeaders_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::addColumn<QString>("columnHeader");
        QTest::newRow("member list") << memberList(40) << "Personal";
        ReportData prospects = memberList(30);
        prospects.design = Design::ProspectList;
        prospects.sub.fields = kContactFields;
        for (int i = 0; i < 30; ++i)
            for (int c = 0; c < 3; ++c)
                prospects.sub.rows.push_back(row(kContactFields,
                    { { "Prospect_ID", 1000 + i }, { "ID", i * 10 + c }, { "Contact_Date", "2025-02-01" },
                        { "Action", "Visit" }, { "Type", "Home" }, { "Visitor1Name", "Brooks, Harold" },
                        { "Rating", "Warm" }, { "Notes", "ok" } }));
        QTest::newRow("prospect list") << prospects << "Personal";
    }
    void everyPageHasTitleFooterAndColumnHeaders()
    {
        QFETCH(ReportData, data);
        QFETCH(QString, columnHeader);
        const PdfText text = textOf(data);
        const int n = text.pages.size();
        QVERIFY2(n >= 3, qPrintable(QString::number(n)));
        QCOMPARE(pagesOf(data), n);
        for (int p = 0; p < n; ++p) {
            const QString page = squeezed(text.pages[p]);
            QVERIFY2(page.contains("Grace Fellowship Church"), qPrintable(QString::number(p)));
            QVERIFY(page.contains(designTitle(data.design)));
            QVERIFY(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(n)));
            QVERIFY(page.contains("Printed on 03/15/2026"));
            QCOMPARE(countOf(page, columnHeader), 1);
        }
        // Every person is listed once, and never split from their own details
        // (a continued contact table names its prospect again).
        for (std::size_t r = 0; r < data.main.rows.size(); ++r) {
            const auto names = text.find(data.main.value(r, "First_Name").toString());
            QVERIFY(!names.empty());
            const auto mails = text.find(data.main.value(r, "Email").toString());
            QCOMPARE(int(mails.size()), 1);
            QCOMPARE(mails[0].page, names[0].page);
        }
    }

    void designText_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("member list") << memberList(2)
                                     << QStringList { "Abernathy, Person0 Lee Mrs.", "Brooks, Person1 Lee Mrs.",
                                            "ID 1000", "Member", "Active", "100 Magnolia Springs Road", "Apartment 4B",
                                            "Fayetteville, AR 72701", "(479)555-0142", "(479)555-0199",
                                            "person0.household@example.org", "4/9/1971", "6/17/1995", "9/14/2003",
                                            "8/31/2003", "Registered Nurse", "Washington Regional",
                                            "Young Married Adults", "Foundations", "Prayer Meeting", "Brooks, Harold",
                                            "Dunn, Walter", "First Baptist Springdale", "NW-4", "Quilting, gardening",
                                            "Sings alto in the choir.", "Female", "Married", "Mail", "Page 1 of 1" };

        ReportData prospects = memberList(1);
        prospects.design = Design::ProspectList;
        prospects.sub.fields = kContactFields;
        prospects.sub.rows.push_back(row(kContactFields,
            { { "Prospect_ID", 1000 }, { "ID", 7 }, { "Contact_Date", "2025-11-30" }, { "Action", "Home visit" },
                { "Type", "Visit" }, { "Visitor1Name", "Brooks, Harold Q" }, { "Visitor2Name", "Dunn, Walter" },
                { "Rating", "Hot" }, { "Notes", "Asked about youth group" } }));
        QTest::newRow("prospect list") << prospects
                                       << QStringList { "Abernathy, Person0 Lee Mrs.", "Contacts", "Date", "Action",
                                              "Visitor 1", "Visitor 2", "Rating", "11/30/2025", "Home visit", "Hot",
                                              "Brooks, Harold Q", "Asked about youth group", "Page 1 of 1" };

        QTest::newRow("visitation sheet")
            << visitationSheet(2)
            << QStringList { "Prospect Visitation Sheet", "Mrs. Person7 Lee Hollingsworth", "ID 1007", "Prospect",
                   "Vacation Bible School", "Has two children in VBS.", "Young Married Adults", "3/22/2026",
                   "Home visit", "Family", "Contact history", "1/5/2025", "1/12/2025", "contact-1 went well",
                   "contact-2 went well", "Warm", "This visit", "Page 1 of 1" };
        QTest::newRow("member information update")
            << infoUpdate({ "Usher", "Nursery Worker" })
            << QStringList { "Member Information Update", "Mrs. Person2 Lee Castellanos-Whitfield", "Correction",
                   "What we have on file", "Home phone", "(479)555-0142", "Responsibilities", "Usher", "Nursery Worker",
                   "1/5/2020", "Family", "For the church office:", "Sings alto in the choir." };
    }
    void designText()
    {
        QFETCH(ReportData, data);
        QFETCH(QStringList, expected);
        const QString text = squeezed(textOf(data).all());
        for (const QString& e : expected)
            QVERIFY2(text.contains(e), qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(e, text)));
    }

    void prospectContactsFollowTheirProspectInGivenOrder()
    {
        ReportData d = memberList(3);
        d.design = Design::ProspectList;
        d.sub.fields = kContactFields;
        // Newest first, as the contacts arrive; prospect 1001 has none.
        const QList<QPair<int, QString>> contacts
            = { { 1002, "2026-02-01" }, { 1000, "2026-01-20" }, { 1002, "2025-12-24" }, { 1000, "2025-06-02" } };
        int id = 0;
        for (const auto& [prospect, date] : contacts)
            d.sub.rows.push_back(row(kContactFields,
                { { "Prospect_ID", prospect }, { "ID", ++id }, { "Contact_Date", date },
                    { "Notes", QStringLiteral("note-%1-%2").arg(prospect).arg(id) } }));
        const QString text = squeezed(textOf(d).all());
        const int p0 = text.indexOf("Person0"), p1 = text.indexOf("Person1"), p2 = text.indexOf("Person2");
        const int a = text.indexOf("note-1000-2"), b = text.indexOf("note-1000-4");
        const int c = text.indexOf("note-1002-1"), e = text.indexOf("note-1002-3");
        QVERIFY(p0 >= 0 && p1 > p0 && p2 > p1);
        QVERIFY2(p0 < a && a < b && b < p1, "prospect 1000's contacts, newest first, under it");
        QVERIFY2(p2 < c && c < e, "prospect 1002's contacts, newest first, under it");
        QVERIFY2(text.indexOf("No contacts recorded.", p1) > p1 && text.indexOf("No contacts recorded.", p1) < p2,
            "prospect 1001 says it has none");
    }

    void sheetsSayWhenNothingIsRecorded_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("absent");
        QTest::newRow("visitation sheet without contacts") << visitationSheet(0) << "No contacts recorded."
                                                           << "contact-";
        QTest::newRow("update form without responsibilities") << infoUpdate({}) << "Responsibilities None"
                                                              << "Usher";
        ReportData noFamily = visitationSheet(1);
        noFamily.familyText.clear();
        QTest::newRow("sheet without family") << noFamily << "Family No family members recorded."
                                              << "Hollingsworth Spouse";
        ReportData nobody = visitationSheet(1);
        nobody.main.rows.clear();
        QTest::newRow("no such prospect") << nobody << "No prospect was found"
                                          << "Contact history";
    }
    void sheetsSayWhenNothingIsRecorded()
    {
        QFETCH(ReportData, data);
        QFETCH(QString, expected);
        QFETCH(QString, absent);
        const QString text = squeezed(textOf(data).all()).replace('\n', ' ').replace(QRegularExpression(" +"), " ");
        QVERIFY2(text.contains(expected), qPrintable(text));
        QVERIFY2(!text.contains(absent), qPrintable(text));
    }

    void missingPeopleLeaveNoStrayComma()
    {
        // Names are put together as "Last, First"; a contact without a second
        // visitor, or a person without a care group, gives just ", ".
        ReportData d = visitationSheet(2);
        d.main.rows[1][d.main.column("Visitor2Name")] = ", ";
        d.main.rows[0][d.main.column("CGLeader")] = ", ";
        const PdfText text = textOf(d);
        QVERIFY(!text.find("contact-2").empty());
        QVERIFY(text.find(",").empty());
    }

    void visitationContactsOldestFirstAsGiven()
    {
        const QString text = squeezed(textOf(visitationSheet(5)).all());
        int last = -1;
        for (int c = 1; c <= 5; ++c) {
            const int at = text.indexOf(QStringLiteral("contact-%1 went").arg(c));
            QVERIFY2(at > last, qPrintable(QString::number(c)));
            last = at;
        }
    }

    void familyLinesKeepTheirColumns_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::addColumn<QStringList>("column2"); // words that start column 2 on successive lines
        QTest::addColumn<QStringList>("column3");
        QTest::newRow("visitation sheet")
            << visitationSheet(1) << QStringList { "Spouse", "Son" } << QStringList { "Female", "Male" };
        QTest::newRow("update form") << infoUpdate({ "Usher" }) << QStringList { "Husband", "Daughter" }
                                     << QStringList { "Male", "Female" };
    }
    void familyLinesKeepTheirColumns()
    {
        QFETCH(ReportData, data);
        QFETCH(QStringList, column2);
        QFETCH(QStringList, column3);
        const PdfText text = textOf(data);
        for (const QStringList& column : { column2, column3 }) {
            std::vector<double> lefts;
            double lastTop = -1;
            for (const QString& word : column) {
                // The family lines are the last place these words appear.
                const auto found = text.find(word);
                QVERIFY2(!found.empty(), qPrintable(word));
                lefts.push_back(found.back().box.left());
                QVERIFY2(found.back().box.top() > lastTop, "lines in the given order");
                lastTop = found.back().box.top();
            }
            QVERIFY2(std::abs(lefts[0] - lefts[1]) < 0.2,
                qPrintable(QStringLiteral("%1 vs %2").arg(lefts[0]).arg(lefts[1])));
        }
        // 26 fixed-width characters lie between the start of a line and its second column.
        const auto first = text.find("Spouse").empty() ? text.find("Harold") : text.find("Person7");
        QVERIFY(!first.empty());
        const double charWidth = (text.find(column2[0]).back().box.left() - first.back().box.left()) / 26.0;
        QVERIFY2(charWidth > 4.0 && charWidth < 6.0, qPrintable(QString::number(charWidth)));
    }

    void longNotesWrapAndStayOnThePage()
    {
        ReportData d = memberList(3);
        QStringList words;
        for (int i = 1; i <= 900; ++i)
            words.append(QStringLiteral("w%1").arg(i));
        d.main.rows[1][d.main.column("Notes")] = words.join(' ') + " " + QString(300, 'x');
        const PdfText text = textOf(d);
        QVERIFY(text.pages.size() >= 2);
        const QString all = squeezed(text.all());
        for (const char* w : { "w1", "w450", "w900" })
            QCOMPARE(int(text.find(w).size()), 1);
        for (const Word& w : text.words) {
            QVERIFY2(w.box.left() >= 35 && w.box.right() <= 612 - 35, qPrintable(w.text));
            QVERIFY2(w.box.top() >= 30 && w.box.bottom() <= 792 - 30, qPrintable(w.text));
        }
        QVERIFY(all.contains("Person2"));
    }

    void churchNameMayBeEmpty()
    {
        ReportData d = memberList(1);
        d.churchName.clear();
        d.printedOn.clear();
        const QString text = squeezed(textOf(d).all());
        QVERIFY(text.contains("Member List"));
        QVERIFY(text.contains("Page 1 of 1"));
        QVERIFY(!text.contains("Printed on"));
    }

    void writePdfToAnUnwritablePlaceThrows()
    {
        const QString path = dir.filePath("no-such-folder/list.pdf");
        try {
            Report(memberList(1)).writePdf(path);
            QFAIL("no error");
        } catch (const pw::Error& e) {
            QVERIFY2(e.text().contains("could not be written"), qPrintable(e.text()));
            QVERIFY2(e.text().contains(QDir::toNativeSeparators(path)), qPrintable(e.text()));
        }
        QVERIFY(!QFile::exists(path));
    }

    void failedWriteKeepsTheOldFile()
    {
        // A report that cannot start leaves an existing file as it was.
        const QString path = dir.filePath("kept.pdf");
        Report(memberList(1)).writePdf(path);
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(before.startsWith("%PDF"));
        QFile::setPermissions(path, QFile::ReadOwner);
        QFileInfo info(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        bool threw = false;
        try {
            Report(memberList(5)).writePdf(path);
        } catch (const pw::Error&) {
            threw = true;
        }
        QFile::setPermissions(dir.path(), info.permissions() | QFile::WriteOwner);
        if (!threw)
            QSKIP("this user may write anywhere (root); nothing to check");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void combinedPdfFollowsOneAnother()
    {
        // Sheets written into one file each start on a new page, in order;
        // a cancelled run leaves an earlier file as it was.
        const std::vector<ReportData> sheets = { infoUpdate({}), visitationSheet(2), infoUpdate({}) };
        int expectedPages = 0;
        for (const ReportData& d : sheets)
            expectedPages += pagesOf(d);
        const QString path = dir.filePath(QStringLiteral("combined.pdf"));
        const auto reportAt = [&](int i) { return std::make_shared<const Report>(sheets[std::size_t(i)]); };
        QVERIFY(writeCombinedPdf(3, reportAt, path));
        const PdfText text = extract(path);
        QCOMPARE(text.pages.size(), expectedPages);
        QVERIFY(text.pages.first().contains(QStringLiteral("Member Information Update")));
        QVERIFY(text.pages.at(pagesOf(sheets[0])).contains(QStringLiteral("Prospect Visitation Sheet")));

        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray old = before.readAll();
        before.close();
        QVERIFY(!writeCombinedPdf(3, reportAt, path, [](int i) { return i < 1; }));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), old);
    }

    void largeReportsRender()
    {
        // The largest everyday jobs come out complete: every person, every
        // label page. Their speed is measured by the benchmark program.
        const QString list = pdfOf(memberList(1000));
        QCOMPARE(pagesOf(labels(5000)), 167);
        const PdfText text = extract(list);
        QCOMPARE(countOf(squeezed(text.all()), "Page 1 of "), 1);
        QVERIFY(text.find("Person999").size() == 1);
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
