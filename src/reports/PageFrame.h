#pragma once

// The pieces every report layout is built from. Layouts work in points
// (1/72 inch) from the top left corner of a US Letter sheet (or of the
// report's own sheet, ReportData::pageSize, such as a label). A layout first
// flows its rows onto pages (so the page count is known before anything is
// painted, for "Page N of M"), then the pages are painted one by one.
//
// Fonts are sized in pixels of that point space, so a 9 pixel font is 9 pt on
// every device: the painter is scaled from points to device pixels. Hinting is
// off so that text measured here has the width it gets on any printer.

#include "reports/ReportData.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;

namespace pw::reports::detail {

// The sheet and the band the running text may use.
inline constexpr double kPageWidth = 612.0; // 8.5 in
inline constexpr double kPageHeight = 792.0; // 11 in
inline constexpr double kMargin = 36.0; // 0.5 in on every side
inline constexpr double kContentLeft = kMargin;
inline constexpr double kContentWidth = kPageWidth - 2 * kMargin;
inline constexpr double kContentTop = 84.0; // below the page title
inline constexpr double kContentBottom = kPageHeight - 50.0; // above the footer

enum class StyleId {
    Church, // the church's name at the top of each page
    Title, // the report's title
    Footer,
    Name, // a person's name heading an entry
    Heading, // a section heading
    Caption, // column headers and field labels
    Body,
    BodyBold,
    Mono, // fixed-width text (the family lines)
};

struct Style {
    QFont font;
    QFontMetricsF metrics;
    double ascent;
    double lineHeight;
    QColor color;
};

const Style& style(StyleId id);
// A plain sans style of any size from 5 to 24 points, for text that picks its own size.
const Style& sansStyle(int sizePt);

// Text helpers ---------------------------------------------------------------

QString joinNonEmpty(const QStringList& parts, const QString& separator);
// A value as text: Null is empty, text is trimmed.
QString valueText(const QVariant& value);
// A person's name put together from parts ("Last, First"): only the comma
// of a missing person is left out, so such a value reads as empty.
QString personText(const QVariant& value);
// An ISO date (or QDate) in the program's date form; empty for Null; other text unchanged.
QString dateText(const QVariant& value);
// A 0/1 flag as "Yes"/"No"; empty for Null.
QString yesNoText(const QVariant& value);
// True where yesNoText says "Yes".
bool isYes(const QVariant& value);
// "Last, First Middle Title"
QString listName(const DataTable& t, std::size_t row);
// "Title First Middle Last"
QString fullName(const DataTable& t, std::size_t row);
// "City, State Zip" without stray commas or blanks when parts are missing.
QString cityLine(const DataTable& t, std::size_t row);

// The lines of text wrapped to width in the style's font. Line ends in the
// text start new lines; a word wider than the width is broken. An empty text
// gives no lines. At most maxLines lines; the last one then ends in "...".
QStringList wrap(const QString& text, const Style& s, double width, int maxLines = 0);
// The text cut to width, ending in an ellipsis when it had to be cut.
QString elide(const QString& text, const Style& s, double width);

// Painting helpers (painter in point space) -------------------------------------

// Draws one line of text with its top at y, cut to width, aligned left, right or centred.
void drawLine(QPainter& p, const Style& s, double x, double y, double width, const QString& text,
    Qt::Alignment align = Qt::AlignLeft);
void drawLines(QPainter& p, const Style& s, double x, double y, const QStringList& lines);
void drawRule(QPainter& p, double x1, double x2, double y, double widthPt = 0.5, const QColor& color = Qt::black);

// Flowing rows onto pages -------------------------------------------------------

using PaintFn = std::function<void(QPainter& p, double top)>;

// A horizontal slice of a page: it is never split.
struct Row {
    double height = 0;
    PaintFn paint; // may be empty for blank space
};

struct Placed {
    double top;
    PaintFn paint;
};

struct Document {
    std::vector<std::vector<Placed>> pages;
    bool chrome = true; // title and footer on every page (not on label sheets)
};

// Where a flow can pick up again to lay out one page by itself: the unit
// (a person of a list) being added when the page began, and the flow as it
// was when that unit started.
struct FlowMark {
    int unit = 0;
    int page = -1; // the page the unit started on; -1 before the first page
    double y = 0;
    bool atTop = true;
    bool started = false;
};

class Flow {
public:
    // What a flow keeps of the rows it places: every page (a sheet), none
    // (counting the pages of a long list and marking where each begins), or
    // one page laid out again from its mark.
    enum class Keep { AllPages, NoPages, OnePage };

    explicit Flow(double top = kContentTop, double bottom = kContentBottom);

    void setKeep(Keep keep, int page = 0);
    // A new unit starts: remembered as the mark of any page that begins
    // while it is added.
    void startUnit(int unit);
    // Goes on from a mark, as if every unit before it had been added.
    void resume(const FlowMark& mark);
    // With Keep::OnePage: that page is complete, a later one has begun.
    bool done() const { return m_keep == Keep::OnePage && m_page > m_keepPage; }
    // The mark of every page begun so far, in page order.
    const std::vector<FlowMark>& marks() const { return m_marks; }
    int pageCount() const { return m_page + 1; }
    // With Keep::OnePage: the rows placed on that page.
    std::vector<Placed> takePage() { return std::move(m_kept); }

    // Rows repeated at the top of every page, such as column headers.
    void setPageHeader(std::vector<Row> rows);
    // Rows placed after the page header when a page break falls inside a
    // run of rows (e.g. "Contacts (continued)"); empty to stop.
    void setContinuation(std::vector<Row> rows);

    // Rows kept together on one page when they fit on a page; otherwise
    // they start a new page and break where they must.
    void addBlock(const std::vector<Row>& rows);
    void addRow(const Row& row);
    // Blank space between blocks; dropped at the top of a page.
    void addSpace(double height);
    // Starts a new page (nothing happens on a page that is still empty).
    void pageBreak();

    double remaining() const;
    bool atPageTop() const { return m_atTop; }
    Document finish();

private:
    void newPage();
    void place(const Row& row);

    Document m_doc;
    Keep m_keep = Keep::AllPages;
    int m_keepPage = 0;
    int m_page = -1; // the page being filled
    FlowMark m_unitMark; // the flow as the current unit started
    std::vector<FlowMark> m_marks;
    std::vector<Placed> m_kept;
    double m_top;
    double m_bottom;
    double m_y;
    bool m_atTop = true;
    bool m_started = false;
    std::vector<Row> m_header;
    std::vector<Row> m_continuation;
};

// Rows made of common parts ------------------------------------------------------

struct Column {
    QString caption;
    double width;
};

// A table header: captions on a light band with a rule below.
Row tableHeader(const std::vector<Column>& columns, double x = kContentLeft);
// One table row; every cell wraps within its column (at most maxLines lines).
Row tableRow(const std::vector<Column>& columns, const QStringList& cells, double x = kContentLeft, int maxLines = 6);
// A section heading with a rule beneath.
Row headingRow(const QString& text, double x = kContentLeft, double width = kContentWidth);
// Plain text wrapped over the width, one Row per line so it may break across pages.
std::vector<Row> paragraphRows(const QString& text, StyleId id, double x = kContentLeft, double width = kContentWidth);
// A long text among labelled fields: the label in the label column, the text
// wrapped in the value column beside it, one Row per line. Nothing for an
// empty text.
std::vector<Row> fieldRows(const QString& label, const QString& text, double labelWidth, double x = kContentLeft,
    double width = kContentWidth);
Row spaceRow(double height);
// One line of text over the content's width, `pad` points above and below.
Row lineRow(const QString& text, StyleId id = StyleId::Body, int pad = 1);
// One line of cells in their columns, each cut to its column; the columns
// from alignRightFrom on are right aligned (amounts). The columns start at the
// content's left edge, or with Qt::AlignRight end at its right edge.
Row cellsRow(const std::vector<Column>& columns, const QStringList& cells, int alignRightFrom,
    StyleId id = StyleId::Body, Qt::Alignment place = Qt::AlignLeft);
// The first column at its own width, then one column per caption sharing
// the rest of the content's width evenly.
std::vector<Column> spreadColumns(const Column& first, const QStringList& captions);
// Bars of the values (negative ones as none), the highest height points
// tall, each labelled beneath, across the content's width.
Row barChartRow(const QStringList& labels, const std::vector<qint64>& values, int height);

// A labelled value in a column of fields.
struct Field {
    QString label;
    QString value;
    bool flush = false; // starts at the column's left edge instead of under the values
};

// Side by side columns of labelled fields, as one row as tall as its tallest
// column. Fields with empty values are left out when skipEmpty is set.
Row fieldColumns(const std::vector<std::vector<Field>>& columns, const std::vector<double>& widths,
    const std::vector<double>& labelWidths, bool skipEmpty, double x = kContentLeft);

// Painting a finished document ------------------------------------------------------

// The title band and footer of one page; a pageCount of 0 is not known yet.
void paintChrome(QPainter& p, const ReportData& data, int page, int pageCount);

} // namespace pw::reports::detail
