#include "reports/PageFrame.h"

#include "data/PersonName.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace pw::reports::detail {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(PageFrame)
    };
} // namespace

namespace {

    QFont makeFont(const QString& family, int sizePt, bool bold)
    {
        QFont f(family);
        f.setPixelSize(sizePt);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setKerning(false); // widths then add up the same in measuring and painting
        // No ligatures either: "fi" stays two letters, so the PDF's text can be
        // searched and copied as typed.
        f.setStyleStrategy(QFont::PreferNoShaping);
        if (family.contains(QLatin1String("Mono")))
            f.setStyleHint(QFont::Monospace);
        return f;
    }

    Style makeStyle(const QFont& font, const QColor& color, double leading = 1.25)
    {
        QFontMetricsF m(font);
        return Style { font, m, m.ascent(), std::ceil(font.pixelSize() * leading * 2.0) / 2.0, color };
    }

    const QString kSans = QStringLiteral("DejaVu Sans");
    const QString kMono = QStringLiteral("DejaVu Sans Mono");
    const QColor kGrey(85, 85, 85);

} // namespace

const Style& sansStyle(int sizePt)
{
    static const std::vector<Style> styles = [] {
        std::vector<Style> v;
        for (int size = 5; size <= 24; ++size)
            v.push_back(makeStyle(makeFont(kSans, size, false), Qt::black));
        return v;
    }();
    return styles[static_cast<std::size_t>(std::clamp(sizePt, 5, 24) - 5)];
}

const Style& style(StyleId id)
{
    static const std::array<Style, 9> styles = {
        makeStyle(makeFont(kSans, 13, true), Qt::black), // Church
        makeStyle(makeFont(kSans, 11, true), Qt::black), // Title
        makeStyle(makeFont(kSans, 7, false), kGrey), // Footer
        makeStyle(makeFont(kSans, 10, true), Qt::black), // Name
        makeStyle(makeFont(kSans, 9, true), Qt::black), // Heading
        makeStyle(makeFont(kSans, 7, false), kGrey), // Caption
        makeStyle(makeFont(kSans, 8, false), Qt::black), // Body
        makeStyle(makeFont(kSans, 8, true), Qt::black), // BodyBold
        makeStyle(makeFont(kMono, 9, false), Qt::black, 1.25), // Mono
    };
    return styles[static_cast<std::size_t>(id)];
}

// Text helpers -------------------------------------------------------------------

QString joinNonEmpty(const QStringList& parts, const QString& separator)
{
    QStringList kept;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty())
            kept.append(p.trimmed());
    return kept.join(separator);
}

QString valueText(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    return value.toString().trimmed();
}

QString personText(const QVariant& value)
{
    const QString text = valueText(value);
    for (const QChar c : text)
        if (c != QLatin1Char(',') && !c.isSpace())
            return text;
    return {};
}

QString dateText(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    QDate d;
    if (value.typeId() == QMetaType::QDate)
        d = value.toDate();
    else if (value.typeId() == QMetaType::QDateTime)
        d = value.toDateTime().date();
    else {
        const QString s = value.toString().trimmed();
        d = QDate::fromString(s.left(10), Qt::ISODate);
        if (!d.isValid())
            return s;
    }
    return formats::dateText(d);
}

namespace {

    // The flag's value; none for Null or an empty text.
    std::optional<bool> flagOf(const QVariant& value)
    {
        if (value.isNull() || !value.isValid())
            return std::nullopt;
        if (value.typeId() == QMetaType::QString) {
            const QString s = value.toString().trimmed().toLower();
            if (s.isEmpty())
                return std::nullopt;
            return !(s == QLatin1String("0") || s == QLatin1String("false") || s == QLatin1String("no"));
        }
        return value.toBool();
    }

} // namespace

QString yesNoText(const QVariant& value)
{
    const std::optional<bool> flag = flagOf(value);
    if (!flag)
        return {};
    return *flag ? Tr::tr("Yes") : Tr::tr("No");
}

bool isYes(const QVariant& value) { return flagOf(value).value_or(false); }

QString listName(const DataTable& t, std::size_t row)
{
    return displayName(valueText(t.value(row, QStringLiteral("Last_Name"))),
        valueText(t.value(row, QStringLiteral("First_Name"))), valueText(t.value(row, QStringLiteral("Middle_Name"))),
        valueText(t.value(row, QStringLiteral("Title"))));
}

QString fullName(const DataTable& t, std::size_t row)
{
    return joinNonEmpty(
        { valueText(t.value(row, QStringLiteral("Title"))), valueText(t.value(row, QStringLiteral("First_Name"))),
            valueText(t.value(row, QStringLiteral("Middle_Name"))),
            valueText(t.value(row, QStringLiteral("Last_Name"))) },
        QStringLiteral(" "));
}

QString cityLine(const DataTable& t, std::size_t row)
{
    const QString stateZip = joinNonEmpty(
        { valueText(t.value(row, QStringLiteral("State"))), valueText(t.value(row, QStringLiteral("Zip"))) },
        QStringLiteral(" "));
    return joinNonEmpty({ valueText(t.value(row, QStringLiteral("City"))), stateZip }, QStringLiteral(", "));
}

QString elide(const QString& text, const Style& s, double width)
{
    if (s.metrics.horizontalAdvance(text) <= width)
        return text;
    return s.metrics.elidedText(text, Qt::ElideRight, width);
}

namespace {
    // Breaks one word that is wider than the width into pieces that fit.
    void breakWord(const QString& word, const Style& s, double width, QStringList& out, QString& current)
    {
        QString piece;
        for (const QChar c : word) {
            if (!piece.isEmpty() && s.metrics.horizontalAdvance(piece + c) > width) {
                out.append(piece);
                piece.clear();
            }
            piece += c;
        }
        current = piece;
    }
}

namespace {
    // The advance of each of the first 256 characters on its own, per style.
    const std::array<double, 256>& latinAdvances(const Style& s)
    {
        static QHash<const Style*, std::array<double, 256>> tables;
        auto it = tables.find(&s);
        if (it == tables.end()) {
            std::array<double, 256> advances {};
            for (int c = 0; c < 256; ++c)
                advances[static_cast<std::size_t>(c)] = s.metrics.horizontalAdvance(QChar(c));
            it = tables.insert(&s, advances);
        }
        return *it;
    }

    // A line of Latin text whose characters' own advances add up to well
    // within the width fits without measuring it as a whole: kerning only
    // ever takes a little off or adds a little. A long list is laid out
    // mostly from such short values, so this spares measuring most of them.
    bool surelyFits(const QString& line, const Style& s, double width)
    {
        const std::array<double, 256>& advances = latinAdvances(s);
        double sum = 0;
        for (const QChar c : line) {
            if (c.unicode() > 0xff)
                return false;
            sum += advances[c.unicode()];
        }
        return sum <= width * 0.95;
    }
}

QStringList wrap(const QString& text, const Style& s, double width, int maxLines)
{
    QStringList out;
    if (text.trimmed().isEmpty())
        return out;
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\t'))) {
        // One paragraph: its words on one line when that surely fits.
        const QString line = text.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (surelyFits(line, s, width))
            return { line };
    }
    static const QRegularExpression lineEnds(QStringLiteral("\r\n|\r|\n"));
    const double space = s.metrics.horizontalAdvance(QLatin1Char(' '));
    const QStringList paragraphs = QString(text).replace(QLatin1Char('\t'), QLatin1Char(' ')).split(lineEnds);
    for (const QString& para : paragraphs) {
        const QStringList words = para.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            out.append(QString());
            continue;
        }
        QString current;
        double currentWidth = 0;
        for (const QString& word : words) {
            const double w = s.metrics.horizontalAdvance(word);
            if (!current.isEmpty() && currentWidth + space + w <= width) {
                current += QLatin1Char(' ') + word;
                currentWidth += space + w;
                continue;
            }
            // The word starts a new line; one wider than the line is broken.
            if (!current.isEmpty())
                out.append(current);
            if (w > width) {
                breakWord(word, s, width, out, current);
                currentWidth = s.metrics.horizontalAdvance(current);
            } else {
                current = word;
                currentWidth = w;
            }
        }
        out.append(current);
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    if (maxLines > 0 && out.size() > maxLines) {
        out = out.mid(0, maxLines);
        out.last() = s.metrics.elidedText(out.last() + QStringLiteral(" \u2026\u2026"), Qt::ElideRight, width);
    }
    return out;
}

// Painting helpers --------------------------------------------------------------------

void drawLine(QPainter& p, const Style& s, double x, double y, double width, const QString& text, Qt::Alignment align)
{
    if (text.isEmpty())
        return;
    const QString shown = elide(text, s, width);
    double left = x;
    if (align & (Qt::AlignRight | Qt::AlignHCenter)) {
        const double w = s.metrics.horizontalAdvance(shown);
        left = (align & Qt::AlignRight) ? x + width - w : x + (width - w) / 2.0;
    }
    p.setFont(s.font);
    p.setPen(s.color);
    p.drawText(QPointF(left, y + s.ascent), shown);
}

void drawLines(QPainter& p, const Style& s, double x, double y, const QStringList& lines)
{
    p.setFont(s.font);
    p.setPen(s.color);
    for (const QString& line : lines) {
        if (!line.isEmpty())
            p.drawText(QPointF(x, y + s.ascent), line);
        y += s.lineHeight;
    }
}

void drawRule(QPainter& p, double x1, double x2, double y, double widthPt, const QColor& color)
{
    p.setPen(QPen(color, widthPt));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

// Flow ------------------------------------------------------------------------------------

Flow::Flow(double top, double bottom)
    : m_top(top)
    , m_bottom(bottom)
    , m_y(top)
{
}

void Flow::setPageHeader(std::vector<Row> rows) { m_header = std::move(rows); }

void Flow::setContinuation(std::vector<Row> rows) { m_continuation = std::move(rows); }

double Flow::remaining() const { return m_started ? m_bottom - m_y : m_bottom - m_top; }

void Flow::setKeep(Keep keep, int page)
{
    m_keep = keep;
    m_keepPage = page;
}

void Flow::startUnit(int unit) { m_unitMark = { unit, m_page, m_y, m_atTop, m_started }; }

void Flow::resume(const FlowMark& mark)
{
    m_page = mark.page;
    m_y = mark.started ? mark.y : m_top;
    m_atTop = mark.atTop;
    m_started = mark.started;
    m_unitMark = mark;
}

void Flow::newPage()
{
    ++m_page;
    if (m_keep == Keep::AllPages)
        m_doc.pages.emplace_back();
    if (m_keep != Keep::OnePage)
        m_marks.push_back(m_unitMark);
    m_started = true;
    m_y = m_top;
    for (const Row& r : m_header)
        place(r);
    m_atTop = true;
}

void Flow::place(const Row& row)
{
    if (row.paint) {
        if (m_keep == Keep::AllPages)
            m_doc.pages.back().push_back({ m_y, row.paint });
        else if (m_keep == Keep::OnePage && m_page == m_keepPage)
            m_kept.push_back({ m_y, row.paint });
    }
    m_y += row.height;
}

void Flow::addRow(const Row& row)
{
    if (!m_started)
        newPage();
    if (m_y + row.height > m_bottom + 0.01 && !m_atTop) {
        newPage();
        for (const Row& r : m_continuation)
            place(r);
    }
    place(row);
    m_atTop = false;
}

void Flow::addBlock(const std::vector<Row>& rows)
{
    if (!m_started)
        newPage();
    double total = 0;
    for (const Row& r : rows)
        total += r.height;
    double headerHeight = 0;
    for (const Row& r : m_header)
        headerHeight += r.height;
    const double capacity = m_bottom - m_top - headerHeight;
    if (!m_atTop && m_y + total > m_bottom + 0.01 && total <= capacity)
        newPage();
    for (const Row& r : rows)
        addRow(r);
}

void Flow::addSpace(double height)
{
    if (!m_started || m_atTop)
        return;
    if (m_y + height > m_bottom) {
        m_y = m_bottom; // the next row starts a new page
        return;
    }
    m_y += height;
}

void Flow::pageBreak()
{
    if (m_started && !m_atTop)
        newPage();
}

Document Flow::finish()
{
    if (!m_started)
        newPage();
    return std::move(m_doc);
}

// Common rows -----------------------------------------------------------------------------

namespace {
    constexpr double kCellPad = 3.0;
    const QColor kBand(232, 232, 232);
}

Row tableHeader(const std::vector<Column>& columns, double x)
{
    const Style& s = style(StyleId::Caption);
    const double h = s.lineHeight + 2 * kCellPad;
    double total = 0;
    for (const Column& c : columns)
        total += c.width;
    return Row { h, [columns, x, total, h](QPainter& p, double top) {
                    const Style& s = style(StyleId::Caption);
                    p.fillRect(QRectF(x, top, total, h - 1), kBand);
                    double cx = x;
                    for (const Column& c : columns) {
                        drawLine(p, style(StyleId::BodyBold), cx + kCellPad, top + kCellPad - 0.5,
                            c.width - 2 * kCellPad, c.caption);
                        cx += c.width;
                    }
                    (void)s;
                } };
}

Row tableRow(const std::vector<Column>& columns, const QStringList& cells, double x, int maxLines)
{
    const Style& s = style(StyleId::Body);
    std::vector<QStringList> wrapped;
    wrapped.reserve(columns.size());
    int lines = 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        wrapped.push_back(wrap(cells.value(static_cast<int>(i)), s, columns[i].width - 2 * kCellPad, maxLines));
        lines = std::max(lines, static_cast<int>(wrapped.back().size()));
    }
    double total = 0;
    for (const Column& c : columns)
        total += c.width;
    const double h = lines * s.lineHeight + 2 * kCellPad;
    return Row { h, [columns, wrapped, x, total, h](QPainter& p, double top) {
                    const Style& s = style(StyleId::Body);
                    double cx = x;
                    for (std::size_t i = 0; i < columns.size(); ++i) {
                        drawLines(p, s, cx + kCellPad, top + kCellPad, wrapped[i]);
                        cx += columns[i].width;
                    }
                    drawRule(p, x, x + total, top + h - 0.5, 0.3, QColor(170, 170, 170));
                } };
}

Row lineRow(const QString& text, StyleId id, int pad)
{
    return Row { style(id).lineHeight + 2 * pad,
        [=](QPainter& p, double top) { drawLine(p, style(id), kContentLeft, top + pad, kContentWidth, text); } };
}

Row cellsRow(
    const std::vector<Column>& columns, const QStringList& cells, int alignRightFrom, StyleId id, Qt::Alignment place)
{
    double total = 0;
    for (const Column& c : columns)
        total += c.width;
    const double left = place.testFlag(Qt::AlignRight) ? kContentLeft + kContentWidth - total : kContentLeft;
    // Cells in a table's columns keep the table's padding; a row of totals
    // beside nothing else sits flush.
    const double pad = place.testFlag(Qt::AlignRight) ? 0 : 2;
    return Row { style(id).lineHeight + 3, [=](QPainter& p, double top) {
                    double x = left;
                    for (int c = 0; c < int(columns.size()) && c < cells.size(); ++c) {
                        const double width = columns[std::size_t(c)].width;
                        drawLine(p, style(id), x + pad, top + 1, width - 2 * pad, cells.at(c),
                            c >= alignRightFrom ? Qt::AlignRight : Qt::AlignLeft);
                        x += width;
                    }
                } };
}

std::vector<Column> spreadColumns(const Column& first, const QStringList& captions)
{
    std::vector<Column> out { first };
    const double width = (kContentWidth - first.width) / std::max<double>(1, captions.size());
    for (const QString& caption : captions)
        out.push_back({ caption, width });
    return out;
}

Row barChartRow(const QStringList& labels, const std::vector<qint64>& values, int height)
{
    const qint64 highest = values.empty() ? 1 : std::max<qint64>(1, *std::max_element(values.begin(), values.end()));
    return Row { double(height) + 20, [=](QPainter& p, double top) {
                    const double slot = kContentWidth / std::max<double>(1, values.size());
                    p.save();
                    for (std::size_t i = 0; i < values.size(); ++i) {
                        const double h = double(height) * double(std::max<qint64>(0, values[i])) / double(highest);
                        p.fillRect(QRectF(kContentLeft + i * slot + slot * 0.2, top + height - h, slot * 0.6, h),
                            QColor(70, 110, 160));
                        drawLine(p, style(StyleId::Caption), kContentLeft + i * slot, top + height + 4, slot,
                            labels.value(int(i)), Qt::AlignHCenter);
                    }
                    drawRule(p, kContentLeft, kContentLeft + kContentWidth, top + height);
                    p.restore();
                } };
}

Row headingRow(const QString& text, double x, double width)
{
    const Style& s = style(StyleId::Heading);
    const double h = s.lineHeight + 6;
    return Row { h, [text, x, width](QPainter& p, double top) {
                    const Style& s = style(StyleId::Heading);
                    drawLine(p, s, x, top + 2, width, text);
                    drawRule(p, x, x + width, top + 2 + s.lineHeight + 1, 0.6);
                } };
}

std::vector<Row> paragraphRows(const QString& text, StyleId id, double x, double width)
{
    const Style& s = style(id);
    std::vector<Row> rows;
    for (const QString& line : wrap(text, s, width))
        rows.push_back(Row {
            s.lineHeight, [line, id, x](QPainter& p, double top) { drawLines(p, style(id), x, top, { line }); } });
    return rows;
}

std::vector<Row> fieldRows(const QString& label, const QString& text, double labelWidth, double x, double width)
{
    std::vector<Row> rows;
    const Style& body = style(StyleId::Body);
    const QStringList lines = wrap(text, body, width - labelWidth - 4);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        const QString shownLabel = i == 0 ? label : QString();
        rows.push_back(Row { body.lineHeight, [line, shownLabel, labelWidth, x](QPainter& p, double top) {
                                const Style& body = style(StyleId::Body);
                                if (!shownLabel.isEmpty()) {
                                    const Style& cap = style(StyleId::Caption);
                                    p.setFont(cap.font);
                                    p.setPen(cap.color);
                                    // On the value's baseline, as in fieldColumns.
                                    p.drawText(QPointF(x, top + body.ascent), elide(shownLabel, cap, labelWidth - 3));
                                }
                                drawLines(p, body, x + labelWidth, top, { line });
                            } });
    }
    return rows;
}

Row spaceRow(double height) { return Row { height, {} }; }

Row fieldColumns(const std::vector<std::vector<Field>>& columns, const std::vector<double>& widths,
    const std::vector<double>& labelWidths, bool skipEmpty, double x)
{
    struct Line {
        double dx;
        double dy;
        QString label;
        double labelWidth;
        double valueX;
        QStringList value;
    };
    const Style& body = style(StyleId::Body);
    std::vector<Line> lines;
    double height = 0;
    double cx = x;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        double cy = 0;
        const double w = widths[c];
        const double labelWidth = labelWidths[c];
        for (const Field& f : columns[c]) {
            if (skipEmpty && f.value.trimmed().isEmpty())
                continue;
            const double valueX = f.flush ? 0 : labelWidth;
            QStringList value = wrap(f.value, body, w - valueX - 4, 4);
            if (value.isEmpty())
                value.append(QString());
            lines.push_back({ cx - x, cy, f.label, labelWidth, valueX, value });
            cy += value.size() * body.lineHeight;
        }
        height = std::max(height, cy);
        cx += w;
    }
    return Row { height, [lines, x](QPainter& p, double top) {
                    const Style& cap = style(StyleId::Caption);
                    const Style& body = style(StyleId::Body);
                    for (const Line& l : lines) {
                        if (!l.label.isEmpty()) {
                            p.setFont(cap.font);
                            p.setPen(cap.color);
                            p.drawText(
                                QPointF(x + l.dx, top + l.dy + body.ascent), elide(l.label, cap, l.labelWidth - 3));
                        }
                        drawLines(p, body, x + l.dx + l.valueX, top + l.dy, l.value);
                    }
                } };
}

// Chrome -----------------------------------------------------------------------------------

void paintChrome(QPainter& p, const ReportData& data, int page, int pageCount)
{
    const Style& church = style(StyleId::Church);
    const Style& title = style(StyleId::Title);
    const Style& footer = style(StyleId::Footer);
    const QString reportTitle = pw::reports::reportTitle(data);
    double y = kMargin;
    if (!data.churchName.trimmed().isEmpty()) {
        drawLine(p, church, kContentLeft, y, kContentWidth, data.churchName.trimmed(), Qt::AlignHCenter);
        y += church.lineHeight + 1;
        drawLine(p, title, kContentLeft, y, kContentWidth, reportTitle, Qt::AlignHCenter);
    } else {
        drawLine(p, church, kContentLeft, y + 4, kContentWidth, reportTitle, Qt::AlignHCenter);
    }
    drawRule(p, kContentLeft, kContentLeft + kContentWidth, kContentTop - 8, 0.8);

    const double fy = kPageHeight - kMargin - footer.lineHeight;
    drawRule(p, kContentLeft, kContentLeft + kContentWidth, fy - 3, 0.5, QColor(120, 120, 120));
    if (!data.printedOn.trimmed().isEmpty())
        drawLine(p, footer, kContentLeft, fy, kContentWidth / 2, Tr::tr("Printed on %1").arg(data.printedOn.trimmed()));
    drawLine(p, footer, kContentLeft + kContentWidth / 2, fy, kContentWidth / 2,
        pageCount > 0 ? Tr::tr("Page %1 of %2").arg(page).arg(pageCount) : Tr::tr("Page %1").arg(page), Qt::AlignRight);
}

} // namespace pw::reports::detail
