#include "checkin/Labels.h"

#include "data/Clock.h"
#include "reports/PageFrame.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"
#include "widgets/Context.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QSettings>
#include <algorithm>

namespace pw::checkin {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Labels)
    };

    using reports::detail::Document;
    using reports::detail::Placed;

    const QString kSizeKey = QStringLiteral("CheckinStation/LabelSize");
    constexpr double kPointsPerMm = 72.0 / 25.4;
    constexpr int kSmallest = 6; // pixels (points) of the smallest text printed

    // Fonts as the report layouts make them: sized in points of the page,
    // unhinted, without kerning or ligatures, so that a width measured here
    // is the width printed and the PDF's text reads as typed.
    QFont labelFont(int px, bool bold)
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(std::max(px, 1));
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setKerning(false);
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }

    // The largest size from most down to kSmallest at which text fits width.
    int fittedSize(const QString& text, int most, double width, bool bold)
    {
        for (int px = most; px > kSmallest; --px)
            if (QFontMetricsF(labelFont(px, bold)).horizontalAdvance(text) <= width)
                return px;
        return kSmallest;
    }

    // One line of text in the box, cut with an ellipsis when it still does not fit.
    void drawText(QPainter& p, const QString& text, int px, bool bold, const QRectF& box,
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
    {
        const QFont font = labelFont(px, bold);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(
            box, int(align) | Qt::TextSingleLine, QFontMetricsF(font).elidedText(text, Qt::ElideRight, box.width()));
    }

    // The geometry every label shares: the margin kept clear of the label's
    // edge, and the size of the small lines.
    struct Frame {
        double width, height, margin, inner;
        int small;
        double line;
        explicit Frame(const QSizeF& points)
            : width(points.width())
            , height(points.height())
            , margin(std::max(4.0, points.height() * 0.07))
            , inner(points.height() - 2 * margin)
            , small(std::max(kSmallest, int(inner * 0.12)))
            , line(small * 1.2)
        {
        }
    };

    void paintNameLabel(QPainter& p, const Frame& f, const NameLabel& label)
    {
        // The code large in a box at the right, the person's lines to its left.
        const double codeWidth = std::min(f.width * 0.3, f.inner * 1.2);
        const QRectF box(f.width - f.margin - codeWidth, f.margin, codeWidth, f.inner);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
        const int codeSize = fittedSize(label.code, int(f.inner * 0.45), codeWidth - 6, true);
        drawText(p, label.code, codeSize, true, box.adjusted(3, 0, -3, 0), Qt::AlignCenter);

        const double left = f.margin;
        const double width = box.left() - 2 * f.margin;
        QStringList lines { label.lastName, label.className };
        const bool allergy = !label.allergy.trimmed().isEmpty();
        const int below = int(lines.size()) + (allergy ? 1 : 0) + 1; // and the date
        const int nameMost = std::min(int(f.inner * 0.34), int((f.inner - below * f.line) / 1.15));
        const int nameSize = fittedSize(label.firstName, nameMost, width, true);
        double y = f.margin;
        drawText(p, label.firstName, nameSize, true, QRectF(left, y, width, nameSize * 1.2));
        y += nameSize * 1.15;
        for (const QString& text : lines) {
            drawText(p, text, f.small, false, QRectF(left, y, width, f.line));
            y += f.line;
        }
        if (allergy)
            drawText(
                p, Tr::tr("Allergy: %1").arg(label.allergy.trimmed()), f.small, true, QRectF(left, y, width, f.line));
        drawText(
            p, formats::dateText(label.day), f.small, false, QRectF(left, f.height - f.margin - f.line, width, f.line));
    }

    void paintStub(QPainter& p, const Frame& f, const Stub& stub, const QString& note)
    {
        const double left = f.margin;
        const double width = f.width - 2 * f.margin;
        const QString heading = Tr::tr("Pick-up stub");
        drawText(p, heading, f.small, true, QRectF(left, f.margin, width, f.line));
        if (!note.isEmpty()) {
            const double used = QFontMetricsF(labelFont(f.small, true)).horizontalAdvance(heading) + f.small;
            drawText(p, note, f.small, false, QRectF(left + used, f.margin, width - used, f.line), Qt::AlignRight);
        }
        // The code as large as the room between the heading and the two lines below allows.
        const double top = f.margin + f.line;
        const double bottom = f.height - f.margin - 2 * f.line;
        const int codeSize = fittedSize(stub.code, int(std::min(f.inner * 0.5, (bottom - top) / 1.2)), width, true);
        drawText(p, stub.code, codeSize, true, QRectF(left, top, width, bottom - top), Qt::AlignCenter);
        const QString names = stub.names.join(QStringLiteral(", "));
        drawText(p, names, fittedSize(names, f.small, width, false), false, QRectF(left, bottom, width, f.line));
        drawText(p, formats::dateText(stub.day), f.small, false, QRectF(left, bottom + f.line, width, f.line));
    }

    // The run on pages of the label's size: a page per name label, then the
    // stub. note, when given, is printed on the stub beside its heading.
    reports::ReportPtr runReport(const QString& title, const LabelRun& run, const LabelSize& size, const QString& note)
    {
        const QSizeF points = size.millimetres * kPointsPerMm;
        reports::ReportData data;
        data.design = reports::Design::Custom;
        data.pageSize = points;
        data.custom = reports::functionLayout(title, [run, points, note] {
            const Frame frame(points);
            Document doc;
            doc.chrome = false;
            for (const NameLabel& label : run.labels)
                doc.pages.push_back(
                    { Placed { 0, [frame, label](QPainter& p, double) { paintNameLabel(p, frame, label); } } });
            doc.pages.push_back({ Placed {
                0, [frame, stub = run.stub, note](QPainter& p, double) { paintStub(p, frame, stub, note); } } });
            return doc;
        });
        return std::make_shared<const reports::Report>(std::move(data));
    }

    bool hand(const reports::ReportPtr& report, bool preview)
    {
        if (!preview)
            return reports::output().print(report, 1);
        reports::output().preview(report);
        return true;
    }

} // namespace

const std::vector<LabelSize>& labelSizes()
{
    static const std::vector<LabelSize> sizes = {
        { QStringLiteral("62 x 29 mm"), QSizeF(62, 29) },
        { QStringLiteral("2-1/4 x 1-1/4 in"), QSizeF(57.15, 31.75) },
        { QStringLiteral("4 x 2 in"), QSizeF(101.6, 50.8) },
        { QStringLiteral("89 x 36 mm"), QSizeF(89, 36) },
        { QStringLiteral("54 x 25 mm"), QSizeF(54, 25) },
    };
    return sizes;
}

LabelSize stationLabelSize()
{
    const QString name = storedSettings()->value(kSizeKey).toString();
    for (const LabelSize& size : labelSizes())
        if (size.name == name)
            return size;
    return labelSizes().front();
}

void setStationLabelSize(const QString& name) { storedSettings()->setValue(kSizeKey, name); }

LabelRun labelRun(const std::vector<CheckinRow>& rows)
{
    LabelRun run;
    for (const CheckinRow& row : rows) {
        run.labels.push_back({ row.firstName, row.lastName, row.className, row.allergy, row.code, row.day });
        // A child checked in to two services has two labels but one name on the stub.
        if (!run.stub.names.contains(row.firstName))
            run.stub.names.append(row.firstName);
    }
    if (!rows.empty()) {
        run.stub.code = rows.front().code;
        run.stub.day = rows.front().day;
    }
    return run;
}

std::shared_ptr<const reports::Report> labelReport(const LabelRun& run, const LabelSize& size)
{
    return runReport(Tr::tr("Name Labels"), run, size, QString());
}

bool printLabels(const LabelRun& run, bool preview)
{
    if (run.labels.empty())
        return false;
    return hand(labelReport(run, stationLabelSize()), preview);
}

bool printTestLabels(bool preview)
{
    const LabelSize size = stationLabelSize();
    const QDate today = clock().today();
    LabelRun run;
    //: A made-up child on the test label.
    run.labels.push_back(
        { Tr::tr("Sample"), Tr::tr("Child"), Tr::tr("Nursery"), Tr::tr("Peanuts"), QStringLiteral("XYZ"), today });
    run.stub = { QStringLiteral("XYZ"), { Tr::tr("Sample") }, today };
    return hand(runReport(Tr::tr("Test Labels"), run, size, Tr::tr("Test: %1").arg(size.name)), preview);
}

} // namespace pw::checkin
