// Lists of any length: rows kept packed, pages laid out again one at a time
// exactly as one pass over the whole list lays them out, and a long run that
// tells how far it got and can be stopped.

#include "FedReport.h"
#include "PaintRecorder.h"
#include "ReportFields.h"
#include "TestSupport.h"

#include "data/Sql.h"
#include "reports/PageFrame.h"
#include "reports/Report.h"
#include "reports/Reports.h"

#include <QDateTime>
#include <QtTest>
#include <optional>

using namespace pw;
using namespace pw::reports;

namespace {

QVariantList personRow(int i, const QString& notes = {})
{
    QVariantList row;
    for (const QString& field : test::kMemberFields) {
        if (field == QLatin1String("ID"))
            row.append(qlonglong(i + 1));
        else if (field == QLatin1String("First_Name"))
            row.append(QStringLiteral("Person%1").arg(i + 1));
        else if (field == QLatin1String("Last_Name"))
            row.append(QStringLiteral("Yates"));
        else if (field == QLatin1String("Address_1"))
            row.append(QStringLiteral("%1 Elm Street").arg(100 + i));
        else if (field == QLatin1String("Notes"))
            row.append(notes);
        else if (field == QLatin1String("Hobbies"))
            row.append(i % 3 ? QString() : QStringLiteral("Fishing, reading and the church garden"));
        else
            row.append(QVariant());
    }
    return row;
}

// `people` entries; every `longEvery`-th has notes longer than a page, and in
// a prospect list every other one has `contacts` contacts.
ReportData list(Design design, int people, int longEvery = 0, int contacts = 0)
{
    ReportData d;
    d.design = design;
    d.churchName = QStringLiteral("Grace Fellowship Church");
    d.printedOn = QStringLiteral("03/15/2026");
    d.main.fields = test::kMemberFields;
    d.sub.fields = test::kContactFields;
    const QString longNotes = QStringList(160, QStringLiteral("Visited the family and prayed with them.")).join(' ');
    for (int i = 0; i < people; ++i) {
        d.main.rows.push_back(personRow(i, longEvery > 0 && i % longEvery == longEvery - 1 ? longNotes : QString()));
        for (int c = 0; design == Design::ProspectList && i % 2 == 0 && c < contacts; ++c)
            d.sub.rows.push_back(
                { qlonglong(i + 1), qlonglong(1000 * i + c), QStringLiteral("2026-02-%1").arg(10 + c % 18),
                    QStringLiteral("Home Visit"), QStringLiteral("Visit"), QStringLiteral("Avery, James"), QVariant(),
                    QStringLiteral("Interested"), QStringLiteral("Contact %1 of person %2").arg(c + 1).arg(i + 1) });
    }
    return d;
}

// The body of each page (title and footer left out), as one pass over the
// whole list lays it out and keeps every page.
std::vector<test::PaintedPage> onePass(const ReportData& data)
{
    const detail::UnitLayout layout
        = data.design == Design::MemberList ? detail::memberListUnits(data) : detail::prospectListUnits(data);
    detail::Flow flow;
    layout.start(flow);
    for (int unit = 0; unit < layout.units; ++unit) {
        flow.startUnit(unit);
        layout.add(flow, unit);
    }
    const detail::Document doc = flow.finish();
    std::vector<test::PaintedPage> pages;
    for (std::size_t i = 0; i < doc.pages.size(); ++i)
        pages.push_back(test::paintedPage(doc, i));
    return pages;
}

// The body of one page as the report paints it when it is shown.
test::PaintedPage shownPage(const Report& report, int page)
{
    test::RecordingDevice device;
    {
        QPainter p(&device);
        report.paintPage(p, page);
    }
    test::PaintedPage body;
    for (const test::PaintedText& t : device.page().texts) {
        if (t.y() > detail::kContentTop - 8 && t.y() < detail::kPageHeight - detail::kMargin - 12)
            body.texts.push_back(t);
    }
    return body;
}

// Rows beyond `bytes` go to the temporary file while it lives.
struct KeptBytes {
    explicit KeptBytes(qsizetype bytes)
        : saved(TableRows::setKeptBytes(bytes))
    {
    }
    ~KeptBytes() { TableRows::setKeptBytes(saved); }
    qsizetype saved;
};

QStringList describe(const test::PaintedPage& page)
{
    QStringList out;
    for (const test::PaintedText& t : page.texts)
        out.append(QStringLiteral("%1@%2,%3").arg(t.text).arg(t.left(), 0, 'f', 1).arg(t.y(), 0, 'f', 1));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(pw::reports::ReportData)

class TestLongReports : public QObject {
    Q_OBJECT
private slots:
    void packedRowsKeepEveryValue_data();
    void packedRowsKeepEveryValue();
    void replacingACellKeepsTheRest();
    void pagesLaidOutAgainMatchOnePass_data();
    void pagesLaidOutAgainMatchOnePass();
    void longLayoutTellsProgressAndStops();
    void printedListsCanBeStopped_data();
    void printedListsCanBeStopped();
    void listsReadAsLaidOutHoldTheRowsOfOneQuery_data();
    void listsReadAsLaidOutHoldTheRowsOfOneQuery();
};

void TestLongReports::packedRowsKeepEveryValue_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("Null") << QVariant();
    QTest::newRow("null text") << QVariant(QString());
    QTest::newRow("empty text") << QVariant(QStringLiteral(""));
    QTest::newRow("plain text") << QVariant(QStringLiteral("12 Elm Street"));
    QTest::newRow("text beyond ASCII") << QVariant(QStringLiteral("José Ñúñez, Σίσυφος, 東京"));
    QTest::newRow("long text") << QVariant(QString(100000, QLatin1Char('x')));
    QTest::newRow("whole number") << QVariant(-5);
    QTest::newRow("identifier") << QVariant(qlonglong(1) << 40);
    QTest::newRow("yes") << QVariant(true);
    QTest::newRow("fraction") << QVariant(2.5);
    QTest::newRow("date") << QVariant(QDate(2026, 3, 15));
    QTest::newRow("date and time") << QVariant(QDateTime(QDate(2026, 3, 15), QTime(10, 30), Qt::UTC));
}

void TestLongReports::packedRowsKeepEveryValue()
{
    QFETCH(QVariant, value);
    TableRows rows;
    rows.push_back({ 1, value, QStringLiteral("after") });
    rows.push_back({ value });
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows.cell(0, 1), value);
    QCOMPARE(rows.cell(0, 1).typeId(), value.typeId());
    QCOMPARE(rows.cell(0, 1).isValid(), value.isValid());
    if (value.typeId() == QMetaType::QString)
        QCOMPARE(rows.cell(0, 1).toString().isNull(), value.toString().isNull());
    QCOMPARE(rows.cell(0, 2), QVariant(QStringLiteral("after")));
    QCOMPARE(std::as_const(rows)[1], QVariantList { value });
    QCOMPARE(rows.cell(1, 5), QVariant()); // beyond the row
    QVariantList seen;
    for (const QVariantList& row : rows)
        seen.append(row.value(0));
    QCOMPARE(seen, (QVariantList { 1, value }));

    // The same values read back from the temporary file, in any order.
    const KeptBytes kept(64);
    TableRows many;
    for (int i = 0; i < 50; ++i)
        many.push_back({ i, value, QStringLiteral("after") });
    for (int i = 49; i >= 0; i -= 3) {
        QCOMPARE(many.cell(std::size_t(i), 0), QVariant(i));
        QCOMPARE(many.cell(std::size_t(i), 1), value);
        QCOMPARE(many.cell(std::size_t(i), 2), QVariant(QStringLiteral("after")));
    }
}

void TestLongReports::replacingACellKeepsTheRest()
{
    TableRows rows;
    for (int i = 0; i < 3; ++i)
        rows.push_back({ i, QStringLiteral("name %1").arg(i), QVariant() });
    rows[1][2] = QStringLiteral("Café");
    rows[1][4] = 7; // past the row's end: the row grows
    const TableRows& read = rows;
    QCOMPARE(read[0], (QVariantList { 0, QStringLiteral("name 0"), QVariant() }));
    QCOMPARE(read[1], (QVariantList { 1, QStringLiteral("name 1"), QStringLiteral("Café"), QVariant(), 7 }));
    QCOMPARE(read[2], (QVariantList { 2, QStringLiteral("name 2"), QVariant() }));
}

void TestLongReports::pagesLaidOutAgainMatchOnePass_data()
{
    QTest::addColumn<ReportData>("data");
    QTest::addColumn<int>("keptBytes"); // 0: as the program keeps them
    QTest::addColumn<bool>("fed"); // read a few people at a time while laid out a person at a time
    QTest::newRow("empty member list") << list(Design::MemberList, 0) << 0 << false;
    QTest::newRow("member list") << list(Design::MemberList, 60) << 0 << false;
    QTest::newRow("member list with entries longer than a page") << list(Design::MemberList, 40, 7) << 0 << false;
    QTest::newRow("empty prospect list") << list(Design::ProspectList, 0) << 0 << false;
    QTest::newRow("prospect list with contacts running onto the next page")
        << list(Design::ProspectList, 30, 0, 45) << 0 << false;
    QTest::newRow("prospect list with long notes and contacts") << list(Design::ProspectList, 25, 5, 12) << 0 << false;
    QTest::newRow("empty member list read as laid out") << list(Design::MemberList, 0) << 0 << true;
    QTest::newRow("member list read as laid out") << list(Design::MemberList, 40, 7) << 0 << true;
    QTest::newRow("prospect list read as laid out") << list(Design::ProspectList, 30, 5, 45) << 0 << true;
    const int small = 16 * 1024;
    const KeptBytes kept(small);
    QTest::newRow("member list mostly in the file") << list(Design::MemberList, 400, 7) << small << false;
    QTest::newRow("prospect list mostly in the file") << list(Design::ProspectList, 300, 5, 12) << small << true;
}

void TestLongReports::pagesLaidOutAgainMatchOnePass()
{
    QFETCH(ReportData, data);
    QFETCH(int, keptBytes);
    QFETCH(bool, fed);
    std::optional<KeptBytes> kept;
    if (keptBytes > 0)
        kept.emplace(keptBytes);
    const std::vector<test::PaintedPage> expected = onePass(data);
    const Report report(fed ? test::fedData(data) : data);
    if (fed) {
        // A page shown before the rest is laid out is the page of one pass.
        int steps = 0;
        bool firstShown = false;
        while (!report.paginateFor(0)) {
            QVERIFY(report.pagesSoFar() <= int(expected.size()));
            if (!firstShown && report.pagesSoFar() > 0) {
                QCOMPARE(describe(shownPage(report, 0)), describe(expected[0]));
                firstShown = true;
            }
            ++steps;
        }
        QVERIFY(steps >= int(report.data().main.rows.size()) / 2);
    }
    QVERIFY(report.paginate());
    QCOMPARE(report.pageCount(), int(expected.size()));
    // Last page first: no page depends on the ones painted before it.
    for (int page = report.pageCount() - 1; page >= 0; --page) {
        const QStringList shown = describe(shownPage(report, page));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown, describe(expected[std::size_t(page)]));
    }
    // What memory holds of the rows stays within the budget, however many
    // pages were painted.
    if (keptBytes > 0) {
        QVERIFY(report.data().main.rows.byteSize() <= keptBytes);
        QVERIFY(report.data().sub.rows.byteSize() <= keptBytes);
    }
}

void TestLongReports::longLayoutTellsProgressAndStops()
{
    struct Call {
        QString text;
        int done;
        int total;
    };
    QList<Call> calls;
    int stopAt = 600;
    const Progress progress = [&](const QString& text, int done, int total) {
        calls.append({ text, done, total });
        return done < stopAt;
    };
    const Report report(list(Design::MemberList, 1200));
    QVERIFY(!report.paginate(progress));
    QVERIFY(!calls.isEmpty());
    QCOMPARE(calls.last().done, 750); // the first report at or past 600, every 250 people
    for (int i = 0; i < calls.size(); ++i) {
        QCOMPARE(calls[i].text, QStringLiteral("Laying out the Member List..."));
        QCOMPARE(calls[i].total, 1200);
        QCOMPARE(calls[i].done, 250 * i);
    }
    // Laid out again to its end.
    calls.clear();
    stopAt = 1201;
    QVERIFY(report.paginate(progress));
    QCOMPARE(calls.last().done, 1200);
    QCOMPARE(report.pageCount(), Report(list(Design::MemberList, 1200)).pageCount());

    // A short list is done before a dialog could be read: no progress.
    calls.clear();
    const Report shortList(list(Design::MemberList, 50));
    QVERIFY(shortList.paginate(progress));
    QVERIFY(calls.isEmpty());
}

void TestLongReports::printedListsCanBeStopped_data()
{
    QTest::addColumn<int>("design");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("stopAt"); // the text the user stopped at; empty: never
    QTest::addColumn<QStringList>("texts"); // what the progress said, in turn
    const QStringList member = { "Reading the Member List...", "Laying out the Member List..." };
    const QStringList prospect = { "Reading the Prospect List...", "Laying out the Prospect List..." };
    // A previewed list is laid out by the viewer, which shows the first page at once.
    QTest::newRow("member list previewed") << int(Design::MemberList) << true << QString() << member.mid(0, 1);
    QTest::newRow("member list stopped while read") << int(Design::MemberList) << true << member[0] << member.mid(0, 1);
    QTest::newRow("member list printed") << int(Design::MemberList) << false << QString() << member;
    QTest::newRow("member list printed, stopped while laid out")
        << int(Design::MemberList) << false << member[1] << member;
    QTest::newRow("prospect list previewed") << int(Design::ProspectList) << true << QString() << prospect.mid(0, 1);
    QTest::newRow("prospect list printed, stopped while laid out")
        << int(Design::ProspectList) << false << prospect[1] << prospect;
    QTest::newRow("labels") << int(Design::MailingLabels) << true << QString()
                            << QStringList { "Reading the Mailing Labels..." };
    QTest::newRow("labels stopped while read")
        << int(Design::MailingLabels) << true << QStringLiteral("Reading the Mailing Labels...")
        << QStringList { "Reading the Mailing Labels..." };
}

void TestLongReports::printedListsCanBeStopped()
{
    QFETCH(int, design);
    QFETCH(bool, preview);
    QFETCH(QString, stopAt);
    QFETCH(QStringList, texts);
    test::TestEnv env;
    QList<qint64> ids;
    {
        Transaction transaction(env.db());
        for (int i = 0; i < 1100; ++i)
            ids.append(env.db().insert(
                QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name) VALUES ('Member', ?, 'Yates')")
                    + sql::returningId(),
                { QStringLiteral("Person%1").arg(i) }));
        transaction.commit();
    }
    QStringList said;
    const Progress progress = [&](const QString& text, int done, int total) {
        if (said.isEmpty() || said.last() != text)
            said.append(text);
        return !(text == stopAt && done < total);
    };
    bool shown = false;
    if (design == int(Design::MemberList))
        shown = PrintMemberList(ids, preview, progress);
    else if (design == int(Design::ProspectList))
        shown = PrintProspectList(ids, preview, progress);
    else
        shown = PrintMailingLabels(ids, progress);
    QCOMPARE(said, texts);
    QCOMPARE(shown, stopAt.isEmpty());
    QCOMPARE(env.output.count(), stopAt.isEmpty() ? 1 : 0);
    if (shown) {
        const ReportPtr report = preview ? env.output.lastPreview() : env.output.lastPrinted();
        QVERIFY(report->pageCount() > 1);
        QCOMPARE(int(report->data().main.rows.size()), 1100);
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestLongReports::listsReadAsLaidOutHoldTheRowsOfOneQuery_data()
{
    QTest::addColumn<int>("design");
    QTest::newRow("member list") << int(Design::MemberList);
    QTest::newRow("prospect list") << int(Design::ProspectList);
}

void TestLongReports::listsReadAsLaidOutHoldTheRowsOfOneQuery()
{
    QFETCH(int, design);
    test::TestEnv env;
    // More people than one slice, named alike in letter case and accents, some
    // with contacts, and asked for in no order and some twice.
    const QStringList last = { "Yates", "yates", QString::fromUtf8("Émile"), "Emile", "Eve" };
    const QStringList first = { "Ann", "ann", QString::fromUtf8("Zoë"), "Al" };
    QList<qint64> ids;
    {
        Transaction transaction(env.db());
        for (int i = 0; i < 1300; ++i) {
            const qint64 id = env.db().insert(
                QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name) VALUES ('Prospect', ?, ?)")
                    + sql::returningId(),
                { first[i % first.size()], last[(i / 3) % last.size()] });
            ids.prepend(id);
            if (i % 3 == 0)
                ids.append(id);
            for (int c = 0; c < i % 4; ++c)
                env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action) "
                                             "VALUES (?, ?, 'Call')"),
                    { id, QStringLiteral("2026-01-%1").arg(10 + (i + c) % 15) });
        }
        transaction.commit();
    }
    design == int(Design::MemberList) ? PrintMemberList(ids, true) : PrintProspectList(ids, true);
    const ReportPtr report = env.output.lastPreview();
    QVERIFY(report->pageCount() > 0);
    const ReportData whole = design == int(Design::MemberList) ? memberListData(ids) : prospectListData(ids);
    QCOMPARE(report->data().main.rows.size(), std::size_t(1300));
    for (std::size_t r = 0; r < whole.main.rows.size(); ++r)
        QCOMPARE(std::as_const(report->data().main.rows)[r], std::as_const(whole.main.rows)[r]);
    // Each prospect's contacts in the same order.
    const auto byProspect = [](const DataTable& sub) {
        QMap<qint64, QList<QVariantList>> out;
        for (const QVariantList& row : sub.rows)
            out[row.value(0).toLongLong()].append(row);
        return out;
    };
    QCOMPARE(byProspect(report->data().sub), byProspect(whole.sub));
}

QTEST_MAIN(TestLongReports)
#include "tst_longreports.moc"
