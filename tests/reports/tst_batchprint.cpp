#include "TestSupport.h"

#include "reports/BatchPrint.h"
#include "reports/ReportData.h"
#include "reports/Reports.h"

#include "app/Workspace.h"

#include <QFile>
#include <QMdiArea>
#include <QPrinter>
#include <QSignalSpy>
#include <QtTest>

using namespace pw;
using namespace pw::reports;

namespace {

// A printer that takes jobs until it refuses the one with a given number.
class RefusingOutput : public test::FakeReportOutput {
public:
    bool print(ReportPtr report, int copies) override
    {
        FakeReportOutput::print(std::move(report), copies);
        return static_cast<int>(printed.size()) != refuseJob;
    }
    int refuseJob = 0; // 1-based; 0: takes every job
};

// Records every progress call and asks to stop at one step.
struct ProgressLog {
    QStringList calls; // "text done/total"
    int stopAt = -1;

    BatchProgress callback()
    {
        return [this](const QString& text, int done, int total) {
            calls.append(QStringLiteral("%1 %2/%3").arg(text).arg(done).arg(total));
            return done != stopAt;
        };
    }
};

const QString kTitle = QStringLiteral("Member Information Update Report");

SheetBatch updateSheets(const QList<qint64>& ids)
{
    SheetBatch batch;
    batch.ids = ids;
    batch.sheetFor = [](qint64 id) -> ReportPtr {
        ReportData data = memberInfoUpdateData(id);
        return data.main.rows.empty() ? nullptr : std::make_shared<const Report>(std::move(data));
    };
    batch.copies = 1;
    batch.title = kTitle;
    batch.sheets = QStringLiteral("member information update sheets");
    batch.pdfName = QStringLiteral("Update Sheets.pdf");
    return batch;
}

QList<qint64> printedIds(const test::FakeReportOutput& out) { return out.printedIds(); }

} // namespace

class TestBatchPrint : public QObject {
    Q_OBJECT
private slots:
    void printsOneJobEach_data();
    void printsOneJobEach();
    void withoutPrinterOnePdf_data();
    void withoutPrinterOnePdf();
    void printerFails_data();
    void printerFails();
};

void TestBatchPrint::printsOneJobEach_data()
{
    QTest::addColumn<int>("people"); // people named in the run
    QTest::addColumn<int>("missingAt"); // position of an identifier that names nobody; -1: none
    QTest::addColumn<int>("refuseJob"); // 1-based job the printer refuses; 0: none
    QTest::addColumn<int>("stopAt"); // progress step answered with stop; -1: never
    QTest::addColumn<int>("jobs"); // jobs handed to the printer
    QTest::addColumn<int>("done");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<int>("progressCalls");
    QTest::addColumn<QString>("status"); // the status line afterwards; empty: none

    const QString stopped = QStringLiteral("Printing stopped after %1 of %2 sheets.");
    const QString printed = QStringLiteral("Printed %1 member information update sheets.");
    QTest::newRow("every sheet printed") << 3 << -1 << 0 << -1 << 3 << 3 << "" << 4 << printed.arg(3);
    QTest::newRow("nobody chosen") << 0 << -1 << 0 << -1 << 0 << 0 << "" << 0 << "";
    QTest::newRow("one sheet, no progress")
        << 1 << -1 << 0 << -1 << 1 << 1 << "" << 0 << "Printed 1 member information update sheet.";
    QTest::newRow("first job refused") << 3 << -1 << 1 << -1 << 1 << 0 << stopped.arg(0).arg(3) << 2 << "";
    QTest::newRow("second job refused") << 3 << -1 << 2 << -1 << 2 << 1 << stopped.arg(1).arg(3) << 3
                                        << "Printed 1 member information update sheet. Printing stopped after 1 of 3.";
    QTest::newRow("only sheet refused: no count") << 1 << -1 << 1 << -1 << 1 << 0 << "" << 0 << "";
    QTest::newRow("cancelled before the third") << 4 << -1 << 0 << 2 << 2 << 2 << stopped.arg(2).arg(4) << 4
                                                << printed.arg(2) + " Printing stopped after 2 of 4.";
    QTest::newRow("person removed meanwhile is skipped") << 3 << 1 << 0 << -1 << 2 << 2 << "" << 4 << printed.arg(2);
}

void TestBatchPrint::printsOneJobEach()
{
    QFETCH(int, people);
    QFETCH(int, missingAt);
    QFETCH(int, refuseJob);
    QFETCH(int, stopAt);
    QFETCH(int, jobs);
    QFETCH(int, done);
    QFETCH(QString, message);
    QFETCH(int, progressCalls);
    QFETCH(QString, status);
    test::TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    setWorkspace(&ws);
    QSignalSpy statusLine(&ws, &Workspace::statusChanged);
    RefusingOutput out;
    out.refuseJob = refuseJob;
    ctx().reportOutput = &out;
    QList<qint64> ids;
    for (int i = 0; i < people; ++i)
        ids.append(i == missingAt ? 4242 : env.addMember(QStringLiteral("P%1").arg(i), QStringLiteral("Person")));
    ProgressLog progress;
    progress.stopAt = stopAt;

    const BatchResult result = printSheets(updateSheets(ids), nullptr, progress.callback());

    QCOMPARE(int(out.printed.size()), jobs);
    QList<qint64> expected = ids;
    expected.removeAll(4242);
    QCOMPARE(printedIds(out), expected.mid(0, jobs));
    for (const auto& p : out.printed)
        QCOMPARE(p.copies, 1);
    QCOMPARE(out.previewed.size(), std::size_t(0));
    QCOMPARE(result.done, done);
    QCOMPARE(result.stopped, refuseJob > 0 || stopAt >= 0);
    QVERIFY(!result.savedAsPdf);
    QCOMPARE(env.messages.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(env.messages.last().text, message);
        QCOMPARE(env.messages.last().title, kTitle);
        QVERIFY(!env.messages.last().question);
    }
    QCOMPARE(progress.calls.size(), progressCalls);
    if (progressCalls > 0) {
        QCOMPARE(
            progress.calls.first(), QStringLiteral("Printing member information update sheets... 0/%1").arg(people));
        QCOMPARE(
            progress.calls.last(), QStringLiteral("Printing member information update sheets... %1/%1").arg(people));
    }
    QVERIFY(env.files.asked.isEmpty());
    QCOMPARE(statusLine.size(), status.isEmpty() ? 0 : 1);
    if (!status.isEmpty())
        QCOMPARE(statusLine.first().first().toString(), status);
}

// Without a printer the run asks once and can write every sheet into one
// PDF file, whole or not at all.
void TestBatchPrint::withoutPrinterOnePdf_data()
{
    QTest::addColumn<bool>("agree");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<int>("saved"); // sheets saved, of three people; -1: no file
    QTest::addColumn<QString>("message"); // after the question; empty: none
    QTest::newRow("declined") << false << false << -1 << -1 << "";
    QTest::newRow("no file chosen") << true << false << -1 << -1 << "";
    QTest::newRow("saved") << true << true << -1 << 3 << "";
    QTest::newRow("stopped while saving") << true << true << 1 << -1 << "Saving was stopped; no file was written.";
    QTest::newRow("one removed meanwhile is not counted") << true << true << -1 << 2 << "";
    QTest::newRow("all removed meanwhile") << true << true << -1 << 0
                                           << "No file was written: the people chosen are "
                                              "no longer in the database, perhaps removed "
                                              "at another workstation.";
}

void TestBatchPrint::withoutPrinterOnePdf()
{
    QFETCH(bool, agree);
    QFETCH(bool, chooseFile);
    QFETCH(int, stopAt);
    QFETCH(int, saved);
    QFETCH(QString, message);
    const bool written = saved > 0;
    test::TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    setWorkspace(&ws);
    QSignalSpy statusLine(&ws, &Workspace::statusChanged);
    env.output.printerInstalled = false;
    env.messages.answers = { agree ? Answer::Yes : Answer::No };
    const QString chosen = env.dir.filePath(QStringLiteral("sheets"));
    env.files.answers = { chooseFile ? chosen : QString() };
    const QList<qint64> ids = { env.addMember(QStringLiteral("Abe"), QStringLiteral("Able")),
        env.addMember(QStringLiteral("Bea"), QStringLiteral("Bold")),
        env.addMember(QStringLiteral("Cy"), QStringLiteral("Cole")) };
    for (int i = saved >= 0 ? saved : 3; i < 3; ++i)
        env.db().exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { ids.at(i) });
    ProgressLog progress;
    progress.stopAt = stopAt;

    const BatchResult result = printSheets(updateSheets(ids), nullptr, progress.callback());

    QCOMPARE(env.output.count(), 0);
    QCOMPARE(env.messages.count(), message.isEmpty() ? 1 : 2);
    const auto question = env.messages.entries.first();
    QVERIFY(question.question);
    QCOMPARE(question.title, kTitle);
    QCOMPARE(question.text,
        QStringLiteral("No printer is installed on this computer, so the member information update sheets cannot be "
                       "printed.\n\nWould you like to save them as one PDF file instead?"));
    if (!message.isEmpty()) {
        QCOMPARE(env.messages.last().text, message);
        QCOMPARE(env.messages.last().title, kTitle);
    }
    QCOMPARE(env.files.asked.size(), agree ? 1 : 0);
    if (agree) {
        QCOMPARE(env.files.asked.first().kind, FileRequest::Kind::Pdf);
        QVERIFY(env.files.asked.first().path.endsWith(QStringLiteral("/Update Sheets.pdf")));
    }
    QCOMPARE(QFile::exists(chosen + QStringLiteral(".pdf")), written);
    QCOMPARE(result.savedAsPdf, written);
    QCOMPARE(result.done, qMax(saved, 0));
    if (chooseFile)
        QVERIFY(progress.calls.first().startsWith(QStringLiteral("Saving member information update sheets... 0/3")));
    // Only a file written is reported as saved.
    QCOMPARE(statusLine.size(), written ? 1 : 0);
    if (written)
        QCOMPARE(statusLine.first().first().toString(),
            QStringLiteral("Saved %1 member information update sheets to %2.pdf.")
                .arg(saved)
                .arg(QDir::toNativeSeparators(chosen)));
}

// The program's own output, on a printer that fails every job (a PDF file in a folder that is gone).
void TestBatchPrint::printerFails_data()
{
    QTest::addColumn<int>("people");
    QTest::addColumn<QString>("ending"); // of the one message
    QTest::newRow("a run says how far it got") << 2 << "\n\nPrinting stopped after 0 of 2 sheets.";
    QTest::newRow("one sheet: the error alone") << 1 << "could not be started on the printer or file.";
}

void TestBatchPrint::printerFails()
{
    QFETCH(int, people);
    QFETCH(QString, ending);
    test::TestEnv env;
    ctx().reportOutput = nullptr;
    ctx().printerLookup = [&env] {
        auto printer = std::make_shared<QPrinter>();
        printer->setOutputFileName(env.folder() + QStringLiteral("/gone/sheet.pdf"));
        return printer;
    };
    QList<qint64> ids;
    for (int i = 0; i < people; ++i)
        ids.append(env.addMember(QStringLiteral("P%1").arg(i), QStringLiteral("Person")));
    QCOMPARE(printSheets(updateSheets(ids), nullptr, {}).done, 0);
    QCOMPARE(env.messages.count(), 1);
    QVERIFY2(env.messages.last().text.endsWith(ending), qPrintable(env.messages.last().text));
}

QTEST_MAIN(TestBatchPrint)
#include "tst_batchprint.moc"
