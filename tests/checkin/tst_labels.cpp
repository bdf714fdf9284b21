#include "TestSupport.h"
#include "checkin/CheckinReports.h"
#include "checkin/Labels.h"
#include "data/Sql.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace pw;
using namespace pw::checkin;

namespace {

// The report written to PDF: its text, and each page's size in points.
QString pdfText(const reports::ReportPtr& report, const QString& folder, QList<QSizeF>* pages = nullptr)
{
    const QString pdf = QDir(folder).filePath(QStringLiteral("labels.pdf"));
    report->writePdf(pdf);
    QFile file(pdf);
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
    if (pages && file.open(QIODevice::ReadOnly))
        for (const auto& m : box.globalMatch(QString::fromLatin1(file.readAll())))
            pages->append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

// A check-in of the Hale family under "BXT": "first/class/allergy".
CheckinRow child(const QString& row)
{
    CheckinRow r;
    r.firstName = row.section('/', 0, 0);
    r.lastName = QStringLiteral("Hale");
    r.className = row.section('/', 1, 1);
    r.allergy = row.section('/', 2, 2);
    r.code = QStringLiteral("BXT");
    r.day = QDate(2026, 3, 15);
    return r;
}

} // namespace

class TestLabels : public QObject {
    Q_OBJECT

private slots:
    void pagesHaveTheLabelsSize_data();
    void pagesHaveTheLabelsSize();
    void stationKeepsItsSize_data();
    void stationKeepsItsSize();
    void dayReportsListTheirChildren_data();
    void dayReportsListTheirChildren();
};

void TestLabels::pagesHaveTheLabelsSize_data()
{
    QTest::addColumn<int>("size");
    for (int i = 0; i < int(labelSizes().size()); ++i)
        QTest::newRow(qPrintable(labelSizes()[std::size_t(i)].name)) << i;
}

// A page per check-in and one for the stub, each of the label's size, with
// the name, class, allergy and code printed on it; the stub names a child
// checked in to two services once.
void TestLabels::pagesHaveTheLabelsSize()
{
    QFETCH(int, size);
    test::TestEnv env;
    const LabelSize label = labelSizes()[std::size_t(size)];
    const QSizeF points = label.millimetres * 72 / 25.4;
    const LabelRun run = labelRun({ child("Emma/Nursery/Peanuts"), child("Liam/Toddlers/"), child("Emma//") });
    QCOMPARE(run.labels[0].allergy + run.labels[1].allergy, QStringLiteral("Peanuts"));
    QCOMPARE(run.stub.names, (QStringList { "Emma", "Liam" }));
    QCOMPARE(run.stub.code + run.stub.day.toString(Qt::ISODate), QStringLiteral("BXT2026-03-15"));
    QList<QSizeF> pages;
    const QString text = pdfText(labelReport(run, label), env.folder(), &pages);
    QCOMPARE(pages.size(), 4);
    for (const QSizeF& page : pages)
        QVERIFY(qAbs(page.width() - points.width()) < 1 && qAbs(page.height() - points.height()) < 1);
    for (const char* shown : { "Emma", "Hale", "Nursery", "Allergy: Peanuts", "BXT", "Pick-up stub", "Emma, Liam" })
        QVERIFY2(text.contains(QLatin1String(shown)), qPrintable(QStringLiteral("%1 in: %2").arg(shown, text)));
}

void TestLabels::stationKeepsItsSize_data()
{
    QTest::addColumn<QString>("chosen"); // empty: none chosen
    QTest::addColumn<QString>("kept");
    QTest::newRow("none chosen") << QString() << QString("62 x 29 mm");
    QTest::newRow("a size of the list") << QString("4 x 2 in") << QString("4 x 2 in");
    QTest::newRow("a size no longer listed") << QString("A4") << QString("62 x 29 mm");
}

// The station's size, kept in the settings, prints the test page, which names it.
void TestLabels::stationKeepsItsSize()
{
    QFETCH(QString, chosen);
    QFETCH(QString, kept);
    test::TestEnv env;
    if (!chosen.isEmpty())
        setStationLabelSize(chosen);
    QCOMPARE(stationLabelSize().name, kept);
    QVERIFY(printTestLabels(false) && env.output.printed.size() == 1);
    const reports::ReportPtr page = env.output.lastPrinted();
    QCOMPARE(page->pageSize(), stationLabelSize().millimetres * 72 / 25.4);
    const QString text = pdfText(page, env.folder());
    QVERIFY2(text.contains("Sample") && text.contains("Allergy: Peanuts") && text.contains(kept), qPrintable(text));
}

void TestLabels::dayReportsListTheirChildren_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("lines"); // "!": not shown
    QTest::newRow("by class") << int(DayReport::ByClass)
                              << QStringList { "Checked in on 3/15/2026: 3 people", "Sunday School: Nursery (2)",
                                     "Hale, Emma BXT 9:35 AM 10:42 AM Station 1", "Hale, Liam BXT 9:35 AM Station 1",
                                     "Worship Service (1)", "Reed, Noah K7P 10:50 AM Station 2", "!Ava" };
    QTest::newRow("still in") << int(DayReport::StillIn)
                              << QStringList { "Not checked out on 3/15/2026: 2 people", "Sunday School: Nursery (1)",
                                     "Hale, Liam BXT 9:35 AM Station 1", "Reed, Noah K7P 10:50 AM Station 2", "!Emma" };
}

void TestLabels::dayReportsListTheirChildren()
{
    QFETCH(int, kind);
    QFETCH(QStringList, lines);
    test::TestEnv env;
    Database& db = env.db();
    const qint64 nursery
        = db.insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Nursery')") + sql::returningId());
    // Name, service, code, in, out, station.
    for (const QStringList& c :
        { QStringList { "Emma Hale", "SS", "BXT", "2026-03-15T09:35:10", "2026-03-15T10:42:00", "Station 1" },
            QStringList { "Liam Hale", "SS", "BXT", "2026-03-15T09:35:12", "", "Station 1" },
            QStringList { "Noah Reed", "WS", "K7P", "2026-03-15T10:50:00", "", "Station 2" },
            QStringList { "Ava Cole", "SS", "Q2R", "2026-03-08T09:31:00", "", "Station 1" } })
        db.exec(QStringLiteral("INSERT INTO Checkin (Member_ID, Service, Class_ID, Checkin_Date, Code, Checked_In_At, "
                               "Checked_Out_At, Station) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            { env.addMember(c[0].section(' ', 0, 0), c[0].section(' ', 1)), c[1], c[1] == "SS" ? nursery : 0,
                c[3].left(10), c[2], c[3], c[4].isEmpty() ? QVariant() : c[4], c[5] });
    const QString text = pdfText(dayReport(db, DayReport(kind), QDate(2026, 3, 15)), env.folder());
    for (const QString& line : lines)
        QVERIFY2(text.contains(line.mid(line.startsWith('!'))) != line.startsWith('!'),
            qPrintable(QStringLiteral("%1 in: %2").arg(line, text)));
}

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
