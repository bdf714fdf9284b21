#include "reports/Viewer.h"

#include "app/Workspace.h"
#include "reports/BatchPrint.h"
#include "reports/PagePreview.h"
#include "reports/ProgressDialog.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace pw::reports {

namespace {
    const QString kOffsetX = QStringLiteral("MailingLabels/OffsetXmm");
    const QString kOffsetY = QStringLiteral("MailingLabels/OffsetYmm");
    constexpr double kMaxOffsetMm = 10.0;

    // The platform's icon of that name; where the platform has none (no icon
    // theme), the picture Qt's own print preview shows for the command.
    QIcon toolIcon(const QString& themeName, const QString& previewImage)
    {
        QIcon fallback;
        for (const int size : { 24, 32 })
            fallback.addFile(QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-%2.png")
                                 .arg(previewImage)
                                 .arg(size),
                QSize(size, size));
        return QIcon::fromTheme(themeName, fallback);
    }

    bool runPrintDialog(QPrinter& printer, QWidget* parent)
    {
        if (const PrintDialog& replaced = ctx().printDialog)
            return replaced(printer, parent);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(Viewer::tr("Print"));
        return dialog.exec() == QDialog::Accepted;
    }
}

LabelOptions savedLabelCalibration()
{
    const auto s = storedSettings();
    LabelOptions o;
    o.offsetXmm = std::clamp(s->value(kOffsetX, 0.0).toDouble(), -kMaxOffsetMm, kMaxOffsetMm);
    o.offsetYmm = std::clamp(s->value(kOffsetY, 0.0).toDouble(), -kMaxOffsetMm, kMaxOffsetMm);
    return o;
}

void saveLabelCalibration(double offsetXmm, double offsetYmm)
{
    const auto s = storedSettings();
    s->setValue(kOffsetX, offsetXmm);
    s->setValue(kOffsetY, offsetYmm);
    s->sync();
}

Viewer::Viewer(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Viewer"));
    setWindowTitle(tr("Report Viewer"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("tlbViewer"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    layout->addWidget(m_toolBar);

    m_preview = new PagePreview(this);
    m_preview->setObjectName(QStringLiteral("CRViewer"));
    layout->addWidget(m_preview, 1);

    // Each command shows the platform's icon for it and says what it does in
    // its tooltip (with its key); Print and Save as PDF also keep their words.
    auto action
        = [this](const char* name, const QIcon& icon, const QString& text, const QKeySequence& key, auto handler) {
              auto* a = m_toolBar->addAction(icon, text);
              a->setObjectName(QString::fromLatin1(name));
              a->setToolTip(text);
              if (!key.isEmpty()) {
                  // Its key works wherever the focus is in the viewer, not
                  // only on the toolbar.
                  addAction(a);
                  a->setShortcut(key);
                  a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
                  a->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
              }
              connect(a, &QAction::triggered, this, [handler] { guarded(handler); });
              return a;
          };
    auto withWords = [this](QAction* a) {
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(a)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    };

    withWords(action("actPrint", toolIcon(QStringLiteral("document-print"), QStringLiteral("printer")), tr("Print..."),
        QKeySequence::Print, [this] { actPrint_triggered(); }));
    withWords(action("actSaveAsPdf", style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Save as PDF..."),
        QKeySequence::Save, [this] { actSaveAsPdf_triggered(); }));
    m_toolBar->addSeparator();
    action("actFirstPage", style()->standardIcon(QStyle::SP_MediaSkipBackward), tr("First page"),
        QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { actFirstPage_triggered(); });
    action("actPreviousPage", style()->standardIcon(QStyle::SP_ArrowLeft), tr("Previous page"),
        QKeySequence(Qt::Key_PageUp), [this] { actPreviousPage_triggered(); })
        ->setToolTip(tr("Previous page (Page Up)"));
    m_lblPage = new QLabel(this);
    m_lblPage->setObjectName(QStringLiteral("lblPage"));
    m_lblPage->setMinimumWidth(70);
    m_lblPage->setAlignment(Qt::AlignCenter);
    m_toolBar->addWidget(m_lblPage);
    action("actNextPage", style()->standardIcon(QStyle::SP_ArrowRight), tr("Next page"), QKeySequence(Qt::Key_PageDown),
        [this] { actNextPage_triggered(); })
        ->setToolTip(tr("Next page (Page Down)"));
    action("actLastPage", style()->standardIcon(QStyle::SP_MediaSkipForward), tr("Last page"),
        QKeySequence(Qt::CTRL | Qt::Key_End), [this] { actLastPage_triggered(); });
    m_toolBar->addSeparator();
    action("actZoomIn", toolIcon(QStringLiteral("zoom-in"), QStringLiteral("zoom-in")), tr("Zoom In"),
        QKeySequence::ZoomIn, [this] { m_preview->zoomIn(1.25); });
    action("actZoomOut", toolIcon(QStringLiteral("zoom-out"), QStringLiteral("zoom-out")), tr("Zoom Out"),
        QKeySequence::ZoomOut, [this] { m_preview->zoomOut(1.25); });
    action("actFitWidth", toolIcon(QStringLiteral("zoom-fit-width"), QStringLiteral("zoom-fit-width")), tr("Fit Width"),
        QKeySequence(), [this] { m_preview->fitToWidth(); });
    action("actFitPage", toolIcon(QStringLiteral("zoom-fit-best"), QStringLiteral("zoom-fit-page")), tr("Fit Page"),
        QKeySequence(), [this] { m_preview->fitInView(); });
    m_toolBar->addSeparator();
    m_lblLayout = new QLabel(this);
    m_lblLayout->setObjectName(QStringLiteral("lblLayout"));
    m_lblLayout->setContentsMargins(6, 0, 6, 0);
    m_layoutShown = m_toolBar->addWidget(m_lblLayout);
    m_actStopLayout = action("actStopLayout", style()->standardIcon(QStyle::SP_BrowserStop), tr("Stop"), QKeySequence(),
        [this] { actStopLayout_triggered(); });
    m_actStopLayout->setToolTip(tr("Stop laying out the rest of the list"));
    withWords(m_actStopLayout);
    m_layoutTimer = new QTimer(this);
    m_layoutTimer->setSingleShot(true);
    connect(m_layoutTimer, &QTimer::timeout, this, [this] { guarded([this] { layOutStep(); }); });
    showLayoutProgress(false);

    // Mailing label controls, on a second bar of their own so that they never
    // disappear into the overflow menu of a narrow window.
    m_labelBar = new QToolBar(this);
    m_labelBar->setObjectName(QStringLiteral("tlbLabels"));
    layout->insertWidget(1, m_labelBar);
    auto addLabelled = [this](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        label->setContentsMargins(6, 0, 3, 0);
        m_labelBar->addWidget(label);
        m_labelBar->addWidget(box);
    };
    m_spnStartLabel = new QSpinBox(this);
    m_spnStartLabel->setObjectName(QStringLiteral("spnStartLabel"));
    m_spnStartLabel->setRange(1, kLabelsPerPage);
    m_spnStartLabel->setKeyboardTracking(false);
    m_spnStartLabel->setToolTip(tr("The first unused label on the sheet: 1 is top left, 3 top right, "
                                   "4 the left label of the second row."));
    addLabelled(tr("Start at &label"), m_spnStartLabel);
    auto makeOffset = [this](const char* name, const QString& tip) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(-kMaxOffsetMm, kMaxOffsetMm);
        box->setSingleStep(0.5);
        box->setDecimals(1);
        box->setKeyboardTracking(false);
        box->setToolTip(tip);
        return box;
    };
    m_spnAdjustX = makeOffset("spnAdjustX", tr("Moves every label right (positive) or left (negative)."));
    m_spnAdjustY = makeOffset("spnAdjustY", tr("Moves every label down (positive) or up (negative)."));
    addLabelled(tr("Adjust &X (mm)"), m_spnAdjustX);
    addLabelled(tr("Adjust &Y (mm)"), m_spnAdjustY);
    // How many labels the run takes, before it is printed.
    m_lblLabelCount = new QLabel(this);
    m_lblLabelCount->setObjectName(QStringLiteral("lblLabelCount"));
    m_lblLabelCount->setContentsMargins(12, 0, 6, 0);
    m_labelBar->addWidget(m_lblLabelCount);
    m_labelBar->setVisible(false);

    connect(m_spnStartLabel, qOverload<int>(&QSpinBox::valueChanged), this,
        [this] { guarded([this] { relayOutLabels(); }); });
    for (QDoubleSpinBox* box : { m_spnAdjustX, m_spnAdjustY })
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this] {
            guarded([this] {
                if (m_loading)
                    return;
                saveLabelCalibration(m_spnAdjustX->value(), m_spnAdjustY->value());
                relayOutLabels();
            });
        });

    connect(m_preview, &PagePreview::previewChanged, this, [this] { updatePageIndicator(); });
    updatePageIndicator();
}

Viewer::~Viewer() = default;

QSize Viewer::sizeHint() const { return QSize(900, 720); }

int Viewer::pageCount() const { return m_shown ? m_preview->pageCount() : 0; }

int Viewer::currentPage() const { return m_shown ? m_preview->currentPage() : 0; }

void Viewer::showReport(ReportPtr report)
{
    m_layoutTimer->stop();
    m_original = std::move(report);
    m_shown = m_original;
    const bool labels = m_original && m_original->data().design == Design::MailingLabels;
    m_labelBar->setVisible(labels);
    if (labels) {
        const LabelOptions saved = savedLabelCalibration();
        m_loading = true;
        m_spnStartLabel->setValue(std::clamp(m_original->data().labels.startPosition, 1, kLabelsPerPage));
        m_spnAdjustX->setValue(saved.offsetXmm);
        m_spnAdjustY->setValue(saved.offsetYmm);
        m_loading = false;
        const auto count = static_cast<qsizetype>(m_original->data().main.rows.size());
        m_lblLabelCount->setText(count == 1 ? tr("1 label") : tr("%1 labels").arg(QLocale().toString(count)));
        m_preview->setReport(nullptr); // a new sheet starts at its first page
        relayOutLabels();
        return;
    }
    m_preview->setReport(m_shown);
    updatePageIndicator();
    showLayoutProgress(m_shown && m_shown->data().feed && !m_shown->isPaginated());
}

void Viewer::layOutStep()
{
    if (!m_shown)
        return;
    // A slice of the work, then the window's own events; the preview
    // changes only when pages were added.
    const int pages = m_shown->pagesSoFar();
    const bool done = m_shown->paginateFor(100);
    if (done || m_shown->pagesSoFar() != pages)
        m_preview->reportGrew();
    showLayoutProgress(!done);
}

void Viewer::showLayoutProgress(bool running)
{
    const bool partial = m_shown && m_shown->data().feed && !m_shown->isPaginated();
    if (partial) {
        const auto [done, total] = m_shown->peopleLaidOut();
        const QLocale locale;
        m_lblLayout->setText(
            tr("%1 %2 of %3 people")
                .arg(running ? tr("Laying out:") : tr("Stopped:"), locale.toString(done), locale.toString(total)));
    }
    // A toolbar shows and hides its widgets through their actions.
    m_layoutShown->setVisible(partial);
    m_actStopLayout->setVisible(partial && running);
    if (partial && running)
        m_layoutTimer->start(0);
    else
        m_layoutTimer->stop();
    updatePageIndicator();
}

void Viewer::actStopLayout_triggered() { showLayoutProgress(false); }

bool Viewer::laidOutWhole()
{
    if (m_shown->isPaginated() || !m_shown->data().feed)
        return true;
    m_layoutTimer->stop();
    const bool done = m_shown->paginate(progressDialog(this));
    m_preview->reportGrew();
    showLayoutProgress(false);
    return done;
}

void Viewer::relayOutLabels()
{
    if (m_loading || !m_original || m_original->data().design != Design::MailingLabels)
        return;
    ReportData data = m_original->data();
    data.labels.startPosition = m_spnStartLabel->value();
    data.labels.offsetXmm = m_spnAdjustX->value();
    data.labels.offsetYmm = m_spnAdjustY->value();
    m_shown = std::make_shared<const Report>(std::move(data));
    if (m_preview->pageCount() == 0)
        m_preview->setReport(m_shown); // the first layout of these labels
    else
        m_preview->replaceReport(m_shown);
    updatePageIndicator();
}

void Viewer::updatePageIndicator()
{
    const int count = pageCount();
    // Pages still being laid out: the count so far.
    const bool more = m_shown && m_shown->data().feed && !m_shown->isPaginated();
    m_lblPage->setText(count > 0
            ? QStringLiteral("%1 / %2%3").arg(currentPage()).arg(count).arg(more ? QStringLiteral("...") : QString())
            : QString());
}

void Viewer::goToPage(int page)
{
    if (m_preview->pageCount() > 0)
        m_preview->setCurrentPage(std::clamp(page, 1, m_preview->pageCount()));
    updatePageIndicator();
}

void Viewer::actFirstPage_triggered() { goToPage(1); }

void Viewer::actPreviousPage_triggered() { goToPage(m_preview->currentPage() - 1); }

void Viewer::actNextPage_triggered() { goToPage(m_preview->currentPage() + 1); }

void Viewer::actLastPage_triggered() { goToPage(m_preview->pageCount()); }

void Viewer::actPrint_triggered()
{
    if (!m_shown || !laidOutWhole())
        return;
    QPrinter printer(QPrinter::HighResolution);
    m_shown->preparePage(printer);
    if (!runPrintDialog(printer, this))
        return;
    // The paper chosen in the dialog stays; the layouts place themselves from
    // the sheet's corner and fit Letter and A4 alike.
    printer.setFullPage(true);
    printReport(*m_shown, printer);
    showStatus(printedStatus(m_shown->title()));
}

void Viewer::actSaveAsPdf_triggered()
{
    if (!m_shown || !laidOutWhole())
        return;
    const QString path = saveReportAsPdf(*m_shown, this);
    if (!path.isEmpty())
        showStatus(savedPdfStatus(m_shown->title(), path));
}

} // namespace pw::reports
