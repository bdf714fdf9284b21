// The "Report Viewer" window and the production output: one viewer, paging,
// label calibration, saving as PDF, printing and the no-printer fallback.

#include "FedReport.h"
#include "ReportFields.h"
#include "TestSupport.h"
#include "app/Workspace.h"
#include "reports/PagePreview.h"
#include "reports/ReportOutput.h"
#include "reports/Viewer.h"
#include "widgets/Context.h"
#include "widgets/Guard.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace pw;
using namespace pw::reports;
using namespace pw::test;

namespace {

ReportPtr labelReport(int count)
{
    ReportData d;
    d.design = Design::MailingLabels;
    d.main.fields = kLabelFields;
    for (int i = 0; i < count; ++i)
        d.main.rows.push_back(
            { QStringLiteral("Label%1").arg(i + 1), "", "Yates", "", "12 Elm Street", "", "Ada", "OK", "74820" });
    return std::make_shared<const Report>(d);
}

// A list of `people` entries (about four to a page).
ReportPtr listReport(int people, Design design = Design::MemberList)
{
    ReportData d;
    d.design = design;
    d.churchName = "Grace Fellowship Church";
    d.printedOn = "03/15/2026";
    d.main.fields = QStringList { "ID", "First_Name", "Last_Name", "Address_1", "City", "State", "Zip", "Notes",
        "Hobbies", "Organizations", "Email", "Phone", "Cell", "Occupation", "Place_Of_Work" };
    for (int i = 0; i < people; ++i)
        d.main.rows.push_back({ i + 1, QStringLiteral("Person%1").arg(i + 1), "Yates", "12 Elm Street", "Ada", "OK",
            "74820", "Teaches the third grade class.", "Reading", "Lions Club", "p@example.org", "(580)555-0100",
            "(580)555-0101", "Teacher", "Ada Public Schools" });
    return std::make_shared<const Report>(d);
}

ReportPtr sheetReport()
{
    ReportData d;
    d.design = Design::VisitationSheet;
    d.main.fields = QStringList { "Member.ID", "First_Name", "Last_Name" };
    d.main.rows.push_back({ 7, "Ruth", "O'Neal" });
    return std::make_shared<const Report>(d);
}

// The pages of a PDF Qt wrote: each page object holds a "/Type /Page" line
// (read from the file itself, so it runs on every system); -1 without a file.
int pagesIn(const QString& pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    int pages = 0;
    while (!file.atEnd())
        pages += file.readLine().trimmed() == "/Type /Page";
    return pages;
}

// The left edge, in points, of the first occurrence of a word in a PDF.
double leftOf(const QString& pdf, const QString& word)
{
    QProcess p;
    p.start("pdftotext", { "-bbox", pdf, "-" });
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\"[^>]*>%1</word>").arg(word))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

// The pages the report has, rendered without a file.
int pagesOf(const Report& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    report.preparePage(writer);
    return report.render(writer);
}

QList<Viewer*> topLevelViewers()
{
    QList<Viewer*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<Viewer*>(w); v && v->isVisible())
            found.append(v);
    return found;
}

} // namespace

Q_DECLARE_METATYPE(pw::reports::ReportPtr)

class TestViewer : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestEnv> env;
    std::unique_ptr<QTemporaryDir> dir;
    // What the file chooser was offered, in turn.
    QStringList suggested() const
    {
        QStringList paths;
        for (const FileRequest& r : env->files.asked)
            paths.append(r.path);
        return paths;
    }

    QString path(const QString& name) const { return dir->filePath(name); }

    std::unique_ptr<Viewer> shownViewer(ReportPtr report)
    {
        auto v = std::make_unique<Viewer>();
        v->show();
        v->showReport(std::move(report));
        return v;
    }

private slots:
    void init()
    {
        env = std::make_unique<test::TestEnv>();
        dir = std::make_unique<QTemporaryDir>();
        ctx().reportOutput = nullptr; // the production output, without a printer
    }
    void cleanup()
    {
        for (Viewer* v : topLevelViewers())
            v->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setWorkspace(nullptr);
        env.reset();
        dir.reset();
    }

    void oneTopLevelViewerShowsTheLatestReport()
    {
        output().preview(listReport(2));
        output().preview(listReport(9, Design::ProspectList));
        const QList<Viewer*> viewers = topLevelViewers();
        QCOMPARE(viewers.size(), 1);
        Viewer* v = viewers.first();
        QCOMPARE(v->objectName(), QString("Viewer"));
        QCOMPARE(v->windowTitle(), QString("Report Viewer"));
        QCOMPARE(v->report()->title(), QString("Prospect List"));
        QVERIFY(v->pageCount() >= 2);
        QCOMPARE(test::control<QLabel>(v, "lblPage")->text(), QStringLiteral("1 / %1").arg(v->pageCount()));
        // The preview fills the window.
        QCOMPARE(v->layout()->contentsMargins(), QMargins());
        QVERIFY(v->findChild<PagePreview*>());
    }

    void longListShownWhileLaidOut()
    {
        const ReportData whole = listReport(60)->data();
        const int pages = Report(whole).pageCount();
        auto report = std::make_shared<const Report>(fedData(whole));
        while (report->pagesSoFar() == 0)
            report->paginateFor(0);
        auto v = shownViewer(report);
        // Shown from its first page; stopped before the viewer went on.
        QVERIFY(!report->isPaginated());
        auto* progress = test::control<QLabel>(v.get(), "lblLayout");
        QVERIFY2(progress->text().startsWith(QStringLiteral("Laying out: ")), qPrintable(progress->text()));
        test::control<QAction>(v.get(), "actStopLayout")->trigger();
        const int shown = v->pageCount();
        QVERIFY(shown >= 1 && shown < pages);
        QCOMPARE(test::control<QLabel>(v.get(), "lblPage")->text(), QStringLiteral("1 / %1...").arg(shown));
        QTest::qWait(20);
        QCOMPARE(v->pageCount(), shown);
        QVERIFY2(progress->text().startsWith(QStringLiteral("Stopped: ")), qPrintable(progress->text()));

        // Saved as PDF: laid out whole first.
        env->files.answers.append(path("list.pdf"));
        test::control<QAction>(v.get(), "actSaveAsPdf")->trigger();
        QCOMPARE(pagesIn(path("list.pdf")), pages);
        QCOMPARE(v->pageCount(), pages);
        QVERIFY(!progress->isVisible());

        // Not stopped, the viewer lays out the rest by itself.
        auto again = std::make_shared<const Report>(fedData(whole));
        again->paginateFor(0);
        v->showReport(again);
        QTRY_VERIFY(again->isPaginated());
        QCOMPARE(v->pageCount(), pages);
        QCOMPARE(test::control<QLabel>(v.get(), "lblPage")->text(), QStringLiteral("1 / %1").arg(pages));
    }

    void oneViewerInTheWorkspace()
    {
        QMdiArea area;
        area.resize(1000, 800);
        area.show();
        Workspace ws(&area);
        setWorkspace(&ws);
        output().preview(listReport(1));
        output().preview(labelReport(40));
        QCOMPARE(area.subWindowList().size(), 1);
        auto* v = qobject_cast<Viewer*>(area.subWindowList().first()->widget());
        QVERIFY(v);
        QCOMPARE(area.subWindowList().first()->windowTitle(), QString("Report Viewer"));
        QCOMPARE(v->report()->title(), QString("Mailing Labels"));
        QCOMPARE(v->pageCount(), 2);
        QVERIFY(topLevelViewers().isEmpty());
    }

    void pageButtons_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("page");
        QTest::newRow("next") << QStringList { "actNextPage" } << 2;
        QTest::newRow("last") << QStringList { "actLastPage" } << 3;
        QTest::newRow("next past the end stays") << QStringList { "actLastPage", "actNextPage" } << 3;
        QTest::newRow("previous") << QStringList { "actLastPage", "actPreviousPage" } << 2;
        QTest::newRow("first") << QStringList { "actLastPage", "actFirstPage" } << 1;
        QTest::newRow("previous at the start stays") << QStringList { "actPreviousPage" } << 1;
    }
    void pageButtons()
    {
        QFETCH(QStringList, actions);
        QFETCH(int, page);
        auto v = shownViewer(labelReport(75)); // three sheets
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        QCOMPARE(v->pageCount(), 3);
        for (const QString& a : actions) {
            test::control<QAction>(v.get(), a)->trigger();
            QCoreApplication::processEvents();
        }
        QCOMPARE(v->currentPage(), page);
        QCOMPARE(test::control<QLabel>(v.get(), "lblPage")->text(), QStringLiteral("%1 / 3").arg(page));
    }

    void toolbarButtons_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("words"); // shown beside the icon; empty: the icon alone
        const auto key = [](QKeySequence::StandardKey k) { return QKeySequence(k).toString(QKeySequence::NativeText); };
        QTest::newRow("print") << "actPrint"
                               << "Print... (" + key(QKeySequence::Print) + ")"
                               << "Print";
        QTest::newRow("save") << "actSaveAsPdf"
                              << "Save as PDF... (" + key(QKeySequence::Save) + ")"
                              << "Save as PDF";
        QTest::newRow("first") << "actFirstPage"
                               << "First page (Ctrl+Home)"
                               << "";
        QTest::newRow("previous") << "actPreviousPage"
                                  << "Previous page (Page Up)"
                                  << "";
        QTest::newRow("next") << "actNextPage"
                              << "Next page (Page Down)"
                              << "";
        QTest::newRow("last") << "actLastPage"
                              << "Last page (Ctrl+End)"
                              << "";
        QTest::newRow("zoom in") << "actZoomIn"
                                 << "Zoom In (" + key(QKeySequence::ZoomIn) + ")"
                                 << "";
        QTest::newRow("zoom out") << "actZoomOut"
                                  << "Zoom Out (" + key(QKeySequence::ZoomOut) + ")"
                                  << "";
        QTest::newRow("fit width") << "actFitWidth"
                                   << "Fit Width"
                                   << "";
        QTest::newRow("fit page") << "actFitPage"
                                  << "Fit Page"
                                  << "";
    }
    void toolbarButtons()
    {
        // The platform's icons, what each button does in its tooltip, and the
        // words of Print and Save as PDF as before.
        QFETCH(QString, action);
        QFETCH(QString, toolTip);
        QFETCH(QString, words);
        auto v = shownViewer(listReport(1));
        auto* a = v->findChild<QAction*>(action);
        QVERIFY(a);
        auto* button = qobject_cast<QToolButton*>(v->findChild<QToolBar*>("tlbViewer")->widgetForAction(a));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        const QImage icon = a->icon().pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
        bool drawn = false;
        for (int y = 0; y < icon.height() && !drawn; ++y)
            for (int x = 0; x < icon.width() && !drawn; ++x)
                drawn = qAlpha(icon.pixel(x, y)) > 0;
        QVERIFY2(drawn, qPrintable(action + " has no icon"));
        if (words.isEmpty()) {
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        } else {
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
            QCOMPARE(button->text(), words);
        }
    }

    void labelControlsRelayOut_data()
    {
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("pages");
        QTest::newRow("fits one sheet") << 29 << 2 << 1;
        QTest::newRow("start pushes onto a second sheet") << 29 << 3 << 2;
        QTest::newRow("last label then a new sheet") << 2 << 30 << 2;
    }
    void labelControlsRelayOut()
    {
        QFETCH(int, labels);
        QFETCH(int, start);
        QFETCH(int, pages);
        auto v = shownViewer(labelReport(labels));
        auto* startBox = test::control<QSpinBox>(v.get(), "spnStartLabel");
        QVERIFY(startBox && startBox->isVisible());
        QCOMPARE(startBox->minimum(), 1);
        QCOMPARE(startBox->maximum(), 30);
        QCOMPARE(v->pageCount(), 1);
        startBox->setValue(start);
        QCOMPARE(v->report()->data().labels.startPosition, start);
        QCOMPARE(v->pageCount(), pages);
    }

    void calibrationIsRememberedAndUsed()
    {
        {
            auto v = shownViewer(labelReport(3));
            v->resize(1280, 800); // wide enough for the whole label bar in any font
            auto* x = test::control<QDoubleSpinBox>(v.get(), "spnAdjustX");
            auto* y = test::control<QDoubleSpinBox>(v.get(), "spnAdjustY");
            QVERIFY(x->isVisible() && y->isVisible());
            QCOMPARE(x->minimum(), -10.0);
            QCOMPARE(x->maximum(), 10.0);
            QCOMPARE(x->singleStep(), 0.5);
            x->setValue(3.5);
            y->setValue(-1.5);
            QCOMPARE(v->report()->data().labels.offsetXmm, 3.5);
            QCOMPARE(v->report()->data().labels.offsetYmm, -1.5);
        }
        QCOMPARE(QSettings(ctx().settingsFile, QSettings::IniFormat).value("MailingLabels/OffsetXmm").toDouble(), 3.5);
        auto again = shownViewer(labelReport(3));
        QCOMPARE(test::control<QDoubleSpinBox>(again.get(), "spnAdjustX")->value(), 3.5);
        QCOMPARE(again->report()->data().labels.offsetYmm, -1.5);
        // A list keeps its own layout and hides the label controls.
        again->showReport(listReport(1));
        QVERIFY(!test::control<QSpinBox>(again.get(), "spnStartLabel")->isVisible());
        QCOMPARE(again->report()->title(), QString("Member List"));
    }

    void saveAsPdf_data()
    {
        QTest::addColumn<QString>("answer"); // file name the user picks; empty = cancel
        QTest::addColumn<QString>("written"); // file expected; empty = none
        QTest::addColumn<bool>("error");
        QTest::newRow("adds the extension") << "list"
                                            << "list.pdf" << false;
        QTest::newRow("keeps the extension") << "list.PDF"
                                             << "list.PDF" << false;
        QTest::newRow("cancelled") << ""
                                   << "" << false;
        QTest::newRow("unwritable folder") << "missing/list.pdf"
                                           << "" << true;
    }
    void saveAsPdf()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(bool, error);
        QMdiArea area;
        Workspace ws(&area);
        setWorkspace(&ws);
        QSignalSpy statusLine(&ws, &Workspace::statusChanged);
        auto v = shownViewer(listReport(6));
        if (!answer.isEmpty())
            env->files.answers.append(path(answer));
        test::control<QAction>(v.get(), "actSaveAsPdf")->trigger();
        QCOMPARE(suggested().size(), 1);
        QVERIFY2(suggested().first().endsWith("/Member List.pdf"), qPrintable(suggested().first()));
        if (!written.isEmpty())
            QCOMPARE(pagesIn(path(written)), v->pageCount());
        QCOMPARE(QDir(dir->path()).entryList({ "*.pdf", "*.PDF" }, QDir::Files).size(), written.isEmpty() ? 0 : 1);
        QCOMPARE(env->messages.count(), error ? 1 : 0);
        if (error) {
            QCOMPARE(env->messages.last().title, QString("Pewlark"));
            QVERIFY2(env->messages.last().text.contains("could not be written"), qPrintable(env->messages.last().text));
        }
        // The status line names the file only when one was written.
        QCOMPARE(statusLine.size(), written.isEmpty() ? 0 : 1);
        if (!written.isEmpty())
            QCOMPARE(statusLine.first().first().toString(),
                "Saved Member List to " + QDir::toNativeSeparators(path(written)) + ".");
    }

    void suggestedNames_data()
    {
        QTest::addColumn<ReportPtr>("report");
        QTest::addColumn<QString>("name");
        QTest::newRow("list") << listReport(1) << "Member List.pdf";
        QTest::newRow("labels") << labelReport(1) << "Mailing Labels.pdf";
        QTest::newRow("sheet names the person") << sheetReport() << "Prospect Visitation Sheet - Ruth O'Neal.pdf";
    }
    void suggestedNames()
    {
        QFETCH(ReportPtr, report);
        QFETCH(QString, name);
        QCOMPARE(suggestedPdfName(*report), name);
    }

    void printFromTheViewer_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("byKey"); // Ctrl+P instead of the button
        QTest::newRow("printed") << true << false;
        QTest::newRow("dialog cancelled") << false << false;
        QTest::newRow("Ctrl+P") << true << true;
    }
    void printFromTheViewer()
    {
        QFETCH(bool, accept);
        QFETCH(bool, byKey);
        QMdiArea area;
        Workspace ws(&area);
        setWorkspace(&ws);
        QSignalSpy statusLine(&ws, &Workspace::statusChanged);
        const QString out = path("printed.pdf");
        bool dialogShown = false;
        ctx().printDialog = [&](QPrinter& printer, QWidget*) {
            dialogShown = true;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return accept;
        };
        auto v = shownViewer(listReport(9));
        if (byKey) {
            v->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(v.get()));
            v->previewWidget()->setFocus();
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_P));
        } else {
            test::control<QAction>(v.get(), "actPrint")->trigger();
        }
        QVERIFY(dialogShown);
        QCOMPARE(QFile::exists(out), accept);
        if (accept)
            QCOMPARE(pagesIn(out), v->pageCount());
        QCOMPARE(env->messages.count(), 0);
        QCOMPARE(statusLine.size(), accept ? 1 : 0);
        if (accept)
            QCOMPARE(statusLine.first().first().toString(), QStringLiteral("Printed Member List."));
    }

    void noPrinter_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("result");
        QTest::newRow("no: nothing happens") << false << "unused.pdf" << false;
        QTest::newRow("yes: saved as PDF") << true << "fallback" << true;
        QTest::newRow("yes, then cancelled") << true << "" << false;
    }
    void noPrinter()
    {
        QFETCH(bool, yes);
        QFETCH(QString, chosen);
        QFETCH(bool, result);
        env->messages.answers = { yes ? Answer::Yes : Answer::No };
        if (!chosen.isEmpty())
            env->files.answers.append(path(chosen));
        const ReportPtr report = listReport(12);
        QVERIFY(pagesOf(*report) > 1);
        QCOMPARE(output().print(report, 1), result);
        QCOMPARE(env->messages.count(), 1);
        QVERIFY(env->messages.last().question);
        QCOMPARE(env->messages.last().title, QString("Print"));
        QVERIFY(env->messages.last().text.startsWith("No printer is installed on this computer"));
        QCOMPARE(suggested().size(), yes ? 1 : 0);
        QCOMPARE(QDir(dir->path()).entryList({ "*.pdf" }, QDir::Files).size(), result ? 1 : 0);
        if (result)
            QCOMPARE(pagesIn(path("fallback.pdf")), pagesOf(*report));
    }

    void printOnTheDefaultPrinter_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("expected");
        QTest::newRow("one copy") << 1 << 1;
        QTest::newRow("three copies") << 3 << 3;
        QTest::newRow("printer's own default") << 0 << 1;
    }
    void printOnTheDefaultPrinter()
    {
        QFETCH(int, copies);
        QFETCH(int, expected);
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path("job.pdf"));
        ctx().printerLookup = [printer] { return printer; };
        const ReportPtr report = listReport(12);
        QVERIFY(output().print(report, copies));
        QCOMPARE(printer->copyCount(), expected);
        QVERIFY(pagesOf(*report) > 1);
        QCOMPARE(pagesIn(path("job.pdf")), pagesOf(*report));
        QCOMPARE(env->messages.count(), 0);
    }

    void printedLabelsUseTheCalibration()
    {
        saveLabelCalibration(5.0, 0.0);
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path("labels.pdf"));
        ctx().printerLookup = [printer] { return printer; };
        QVERIFY(output().print(labelReport(2), 1));
        const double expected = labelRect(0, LabelOptions { 1, 5.0, 0.0 }).left() + 10;
        QVERIFY2(std::abs(leftOf(path("labels.pdf"), "Label1") - expected) < 1.0,
            qPrintable(QString::number(leftOf(path("labels.pdf"), "Label1"))));
    }

    void aPrinterThatFailsIsAnError()
    {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path("missing/job.pdf"));
        ctx().printerLookup = [printer] { return printer; };
        bool printed = true;
        QVERIFY(!guarded([&] { printed = output().print(listReport(2), 1); }));
        QVERIFY(printed); // never assigned: the job did not report success
        QCOMPARE(env->messages.count(), 1);
        QVERIFY2(env->messages.last().text.contains("could not be printed"), qPrintable(env->messages.last().text));
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
