#pragma once

// The pages of a report one below the other, as the Report Viewer shows them.
// Only the pages in view are painted, each when it comes into view, and only
// those few are kept: a list of 18,000 pages opens as fast as one of two and
// needs no more memory.

#include "reports/Report.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QVector>

namespace pw::reports {

class PagePreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PagePreview(QWidget* parent = nullptr);

    // Shows the report from its first page; nullptr shows nothing.
    void setReport(ReportPtr report);
    // Shows another layout of the same report (labels moved on the sheet),
    // staying on the page shown as far as there is one.
    void replaceReport(ReportPtr report);

    // The pages laid out so far: all of them, but while a fed list is laid
    // out a step at a time (Report::paginateFor), those done.
    int pageCount() const;
    // The report shown was laid out further: more pages, or the last ones.
    void reportGrew();
    // The page that takes most of the view, counted from 1; 0 without pages.
    int currentPage() const { return m_current; }
    // Scrolls to the top of the page (1 to pageCount()).
    void setCurrentPage(int page);

    void zoomIn(double factor = 1.25);
    void zoomOut(double factor = 1.25);
    void fitToWidth();
    void fitInView();
    // Pixels per point of the page.
    double zoom() const { return m_zoom; }

signals:
    // The current page or the page count changed.
    void previewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Fit { Width, Page, None };

    QSizeF sheetSize() const; // the report's sheet in points
    QSize pageSize() const; // one page in pixels
    int pageTop(int index) const; // in the scrolled content, from 0
    void applyFit();
    void setZoom(double zoom, Fit fit);
    void updateScrollBars();
    void updateCurrent();
    const QImage& pageImage(int index);

    ReportPtr m_report;
    double m_zoom = 1.0;
    Fit m_fit = Fit::Page; // a whole page in view, until the user zooms
    int m_current = 0;
    // The pages painted last, so scrolling does not paint them again.
    struct Painted {
        int index;
        QImage image;
    };
    QVector<Painted> m_painted;
};

} // namespace pw::reports
