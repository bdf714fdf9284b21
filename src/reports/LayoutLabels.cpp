// Mailing labels on Avery 5160 sheets: 30 labels of 2 5/8 x 1 inch, three
// across and ten down, on US Letter.

#include "reports/Layouts.h"
#include "reports/Report.h"

#include <QCoreApplication>
#include <QPainter>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(LayoutLabels)
    };
} // namespace

namespace {
    constexpr double kPointsPerInch = 72.0;
    constexpr double kPointsPerMm = 72.0 / 25.4;
    constexpr double kFirstLeft = 0.1875 * kPointsPerInch; // left sheet margin
    constexpr double kFirstTop = 0.5 * kPointsPerInch; // top sheet margin
    constexpr double kPitchX = 2.75 * kPointsPerInch; // label width plus the gap between columns
    constexpr double kPitchY = 1.0 * kPointsPerInch; // rows touch
    constexpr double kLabelWidth = 2.625 * kPointsPerInch;
    constexpr double kLabelHeight = 1.0 * kPointsPerInch;
    constexpr int kColumns = 3;
}

QRectF labelRect(int index, const LabelOptions& options)
{
    const int i = ((index % kLabelsPerPage) + kLabelsPerPage) % kLabelsPerPage;
    const double x = kFirstLeft + (i % kColumns) * kPitchX + options.offsetXmm * kPointsPerMm;
    const double y = kFirstTop + (i / kColumns) * kPitchY + options.offsetYmm * kPointsPerMm;
    return QRectF(x, y, kLabelWidth, kLabelHeight);
}

namespace detail {

    namespace {
        constexpr double kInsetLeft = 10.0; // keeps text clear of the die-cut edge
        constexpr double kInsetRight = 6.0;
        constexpr double kInsetVertical = 5.0;

        // The address lines of one label, without empty lines.
        QStringList addressLines(const DataTable& t, std::size_t row)
        {
            QStringList lines;
            const QString household = valueText(t.value(row, QStringLiteral("Addressee")));
            for (const QString& line : { household.isEmpty() ? fullName(t, row) : household,
                     valueText(t.value(row, QStringLiteral("Address_1"))),
                     valueText(t.value(row, QStringLiteral("Address_2"))), cityLine(t, row) })
                if (!line.isEmpty())
                    lines.append(line);
            return lines;
        }

        // The largest size from 10 pt down to 8 pt at which every line fits
        // the label; text still too wide at 8 pt is cut.
        int fittingSize(const QStringList& lines, double width, double height)
        {
            for (int size = 10; size > 8; --size) {
                const Style& s = sansStyle(size);
                bool fits = lines.size() * s.lineHeight <= height;
                for (const QString& line : lines)
                    fits = fits && s.metrics.horizontalAdvance(line) <= width;
                if (fits)
                    return size;
            }
            return 8;
        }
    } // namespace

    int mailingLabelPages(const ReportData& data)
    {
        const int start = std::clamp(data.labels.startPosition, 1, kLabelsPerPage) - 1;
        const int count = static_cast<int>(data.main.rows.size());
        return count == 0 ? 1 : (start + count + kLabelsPerPage - 1) / kLabelsPerPage;
    }

    std::vector<Placed> mailingLabelPage(const ReportData& data, int page)
    {
        std::vector<Placed> placed;
        const DataTable& t = data.main;
        const int start = std::clamp(data.labels.startPosition, 1, kLabelsPerPage) - 1;
        const double textWidth = kLabelWidth - kInsetLeft - kInsetRight;
        const double textHeight = kLabelHeight - 2 * kInsetVertical;
        if (t.rows.empty()) {
            if (page == 0) {
                const QRectF rect = labelRect(start, data.labels);
                placed.push_back({ rect.top(), [rect, textWidth](QPainter& p, double top) {
                                      drawLine(p, style(StyleId::Body), rect.left() + kInsetLeft, top + kInsetVertical,
                                          textWidth, Tr::tr("No addresses to print."));
                                  } });
            }
            return placed;
        }
        // The labels whose slot lies on this sheet; the first sheet begins
        // at the start position.
        const int firstSlot = std::max(page * kLabelsPerPage, start);
        const int endSlot = std::min((page + 1) * kLabelsPerPage, start + static_cast<int>(t.rows.size()));
        for (int slot = firstSlot; slot < endSlot; ++slot) {
            const auto r = static_cast<std::size_t>(slot - start);
            const QRectF rect = labelRect(slot % kLabelsPerPage, data.labels);
            QStringList lines = addressLines(t, r);
            const int size = fittingSize(lines, textWidth, textHeight);
            const Style& s = sansStyle(size);
            const int maxLines = static_cast<int>(textHeight / s.lineHeight);
            if (lines.size() > maxLines)
                lines = lines.mid(0, maxLines);
            for (QString& line : lines)
                line = elide(line, s, textWidth);
            const double blockTop = rect.top() + (kLabelHeight - lines.size() * s.lineHeight) / 2.0;
            const double left = rect.left() + kInsetLeft;
            placed.push_back({ blockTop,
                [lines, size, left](QPainter& p, double top) { drawLines(p, sansStyle(size), left, top, lines); } });
        }
        return placed;
    }

} // namespace detail
} // namespace pw::reports
