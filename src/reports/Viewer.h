#pragma once

// The "Report Viewer" window: one preview of the last report asked for, with
// paging, zoom, printing through the print dialog and saving as PDF. For
// mailing labels it also chooses the first label on the sheet and nudges the
// labels to match the printer; that calibration is remembered between runs.

#include "reports/Report.h"

#include <QPrinter>
#include <QWidget>
#include <memory>

class QAction;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTimer;
class QToolBar;

namespace pw::reports {

class PagePreview;

// Label calibration remembered between runs (offsets only; the start
// position is chosen per sheet).
LabelOptions savedLabelCalibration();
void saveLabelCalibration(double offsetXmm, double offsetYmm);

class Viewer : public QWidget {
    Q_OBJECT
public:
    explicit Viewer(QWidget* parent = nullptr);
    ~Viewer() override;

    // Shows the report, replacing the one shown. A mailing label report is
    // shown with the remembered calibration and its own start position.
    void showReport(ReportPtr report);

    // The report as shown (for labels: with the start position and
    // calibration of the toolbar applied).
    ReportPtr report() const { return m_shown; }
    int pageCount() const;
    int currentPage() const;
    PagePreview* previewWidget() const { return m_preview; }

    QSize sizeHint() const override;

    // Toolbar commands, also reachable by their shortcuts.
    void actFirstPage_triggered();
    void actPreviousPage_triggered();
    void actNextPage_triggered();
    void actLastPage_triggered();
    void actPrint_triggered();
    void actSaveAsPdf_triggered();
    // Stops laying out a long list; printing it lays out the rest.
    void actStopLayout_triggered();

private:
    void relayOutLabels();
    // A long list is shown from its first page and laid out a step at a time
    // while the window stays usable; the toolbar tells how far it got.
    void layOutStep();
    void showLayoutProgress(bool running);
    // The whole report laid out before it is printed or saved; false when
    // the user stopped it.
    bool laidOutWhole();
    void updatePageIndicator();
    void goToPage(int page);

    ReportPtr m_original;
    ReportPtr m_shown;
    QToolBar* m_toolBar = nullptr;
    PagePreview* m_preview = nullptr;
    QLabel* m_lblPage = nullptr;
    QLabel* m_lblLayout = nullptr;
    QAction* m_layoutShown = nullptr;
    QAction* m_actStopLayout = nullptr;
    QTimer* m_layoutTimer = nullptr;
    QSpinBox* m_spnStartLabel = nullptr;
    QDoubleSpinBox* m_spnAdjustX = nullptr;
    QDoubleSpinBox* m_spnAdjustY = nullptr;
    QLabel* m_lblLabelCount = nullptr;
    QToolBar* m_labelBar = nullptr; // the label controls, shown only for labels
    bool m_loading = false;
};

} // namespace pw::reports
