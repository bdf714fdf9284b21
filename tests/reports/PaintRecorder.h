#pragma once

// A paint device that keeps what a layout paints instead of drawing it: each
// piece of text with its baseline and font, and each line. The layouts paint
// in points, so the positions are the points on the sheet.

#include "reports/Layouts.h"

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <memory>
#include <vector>

namespace pw::test {

struct PaintedText {
    QString text;
    QPointF baseline; // left end of the baseline
    QFont font;
    double width = 0;

    double left() const { return baseline.x(); }
    double y() const { return baseline.y(); }
    int size() const { return font.pixelSize(); }
    bool bold() const { return font.bold(); }
};

struct PaintedPage {
    std::vector<PaintedText> texts;
    std::vector<QLineF> lines;

    // The pieces of text that are exactly this text.
    std::vector<PaintedText> find(const QString& text) const
    {
        std::vector<PaintedText> out;
        for (const PaintedText& t : texts)
            if (t.text == text)
                out.push_back(t);
        return out;
    }
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        page.texts.push_back({ item.text(), m_transform.map(p), item.font(), item.width() });
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            page.lines.push_back(m_transform.map(lines[i]));
    }
    void drawRects(const QRectF*, int) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    Type type() const override { return QPaintEngine::User; }

    PaintedPage page;

private:
    QTransform m_transform;
};

// A Letter sheet at 72 dots per inch, so a dot is a point.
class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    PaintedPage& page() { return m_engine.page; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 612;
        case PdmHeight:
            return 792;
        case PdmWidthMM:
            return 216;
        case PdmHeightMM:
            return 279;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 72; // every dots-per-inch metric
        }
    }

private:
    mutable RecordingEngine m_engine;
};

// What the page of a laid-out document paints, without the title and footer.
inline PaintedPage paintedPage(const reports::detail::Document& doc, std::size_t page)
{
    RecordingDevice device;
    {
        QPainter p(&device);
        for (const reports::detail::Placed& placed : doc.pages.at(page))
            placed.paint(p, placed.top);
    }
    return device.page();
}

} // namespace pw::test
