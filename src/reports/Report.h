#pragma once

// A laid-out report. One layout function per design paints it onto any paged
// device, so the preview, the printer and PDF files all show the same pages.

#include "reports/ReportData.h"

#include <QPagedPaintDevice>
#include <QRectF>
#include <functional>
#include <memory>
#include <utility>

class QPainter;
class QPrinter;

namespace pw::reports {

namespace detail {
    class PageSource;
}

// How far a long run has got: what is being done, how much of it is done and
// how much there is. Answers false when the user asked to stop.
using Progress = std::function<bool(const QString& text, int done, int total)>;

class Report {
public:
    explicit Report(ReportData data);
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    const ReportData& data() const { return m_data; }
    QString title() const; // designTitle of the design
    // The sheet in points: the data's own page size, else US Letter.
    QSizeF pageSize() const;

    // Sets the page size, orientation and margins the design wants on a
    // printer or PDF writer before anything is painted.
    void preparePage(QPagedPaintDevice& device) const;

    // Finds where the pages break, once. A list keeps only where each page
    // begins, not the pages themselves: a page is laid out again when it is
    // painted, so a list of a million people needs little memory. A long
    // list tells progress how far it got; false when progress stopped it
    // (the next call goes on from there).
    bool paginate(const Progress& progress = {}) const;
    int pageCount() const;

    // A list whose people are read as it is laid out (a feed) is previewed
    // while it is laid out: this goes on laying it out for about ms
    // milliseconds and answers true once every page break is known.
    bool paginateFor(int ms) const;
    bool isPaginated() const;
    // The pages laid out so far, without laying out more.
    int pagesSoFar() const;
    // How many people of a list are laid out so far, and how many there are.
    std::pair<int, int> peopleLaidOut() const;

    // Paints one page (0 is the first), title and footer included, with the
    // painter in points from the sheet's top left corner. A list that is
    // still being laid out paints the pages laid out so far, numbered
    // without the page count.
    void paintPage(QPainter& painter, int page) const;

    // Paints every page onto the device (a QPrinter, a QPdfWriter) and
    // returns how many pages were painted. Calls device.newPage() between
    // pages. The device's page layout must already be prepared.
    int render(QPagedPaintDevice& device) const;

    // Paints every page with a painter already begun on the device. With
    // newPageFirst the first page starts on a fresh sheet, so several reports
    // can follow one another in one file or job.
    int renderWith(QPainter& painter, QPagedPaintDevice& device, bool newPageFirst) const;

    // Writes the report to a PDF file. Throws pw::Error when the file cannot
    // be written.
    void writePdf(const QString& path) const;

private:
    detail::PageSource* pages() const; // made at the first need

    mutable ReportData m_data; // a feed adds rows to it as the list is laid out
    mutable std::shared_ptr<detail::PageSource> m_pages;
};

using ReportPtr = std::shared_ptr<const Report>;

// Writes count reports one after another into one PDF file, each from a new
// page. reportAt(i) makes the i-th report only when it is painted, so a long
// run holds one report at a time. progress(i), when given, is called before
// each report; when it returns false the run is cancelled, the file is not
// written and the result is false. Throws pw::Error when the file cannot be
// written; an existing file is replaced only by a complete one.
bool writeCombinedPdf(int count, const std::function<ReportPtr(int)>& reportAt, const QString& path,
    const std::function<bool(int)>& progress = {});

// Geometry of Avery 5160 mailing labels (3 across, 10 down on US Letter), in
// points (1/72 inch) from the sheet's top left corner, calibration applied.
// index counts 0..29 across then down.
QRectF labelRect(int index, const LabelOptions& options);
inline constexpr int kLabelsPerPage = 30;

} // namespace pw::reports
