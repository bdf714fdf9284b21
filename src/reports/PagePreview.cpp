#include "reports/PagePreview.h"

#include "reports/PageFrame.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace pw::reports {

namespace {
    constexpr int kGap = 12; // around and between the pages, in pixels
    constexpr int kKeptPages = 6;
    constexpr double kMinZoom = 0.1;
    constexpr double kMaxZoom = 8.0;
}

PagePreview::PagePreview(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

void PagePreview::setReport(ReportPtr report)
{
    m_report = std::move(report);
    m_painted.clear();
    applyFit();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateCurrent();
    viewport()->update();
    emit previewChanged();
}

void PagePreview::replaceReport(ReportPtr report)
{
    const int page = m_current;
    m_report = std::move(report);
    m_painted.clear();
    updateScrollBars();
    if (pageCount() > 0)
        setCurrentPage(std::clamp(page, 1, pageCount()));
    updateCurrent();
    viewport()->update();
    emit previewChanged();
}

int PagePreview::pageCount() const
{
    if (!m_report)
        return 0;
    return m_report->data().feed && !m_report->isPaginated() ? m_report->pagesSoFar() : m_report->pageCount();
}

void PagePreview::reportGrew()
{
    // Once the count is known, the pages shown get it in their footers.
    if (m_report && m_report->isPaginated())
        m_painted.clear();
    updateScrollBars();
    updateCurrent();
    viewport()->update();
    emit previewChanged();
}

QSizeF PagePreview::sheetSize() const
{
    return m_report ? m_report->pageSize() : QSizeF(detail::kPageWidth, detail::kPageHeight);
}

QSize PagePreview::pageSize() const
{
    const QSizeF sheet = sheetSize();
    return QSize(qRound(sheet.width() * m_zoom), qRound(sheet.height() * m_zoom));
}

int PagePreview::pageTop(int index) const { return kGap + index * (pageSize().height() + kGap); }

void PagePreview::setCurrentPage(int page)
{
    if (pageCount() == 0)
        return;
    page = std::clamp(page, 1, pageCount());
    verticalScrollBar()->setValue(pageTop(page - 1) - kGap);
    // The last pages may not reach the top of the view; the page asked for
    // is the one meant all the same.
    if (m_current != page) {
        m_current = page;
        emit previewChanged();
    }
}

void PagePreview::zoomIn(double factor) { setZoom(m_zoom * factor, Fit::None); }

void PagePreview::zoomOut(double factor) { setZoom(m_zoom / factor, Fit::None); }

void PagePreview::fitToWidth()
{
    m_fit = Fit::Width;
    applyFit();
}

void PagePreview::fitInView()
{
    m_fit = Fit::Page;
    applyFit();
}

void PagePreview::applyFit()
{
    const QSize room = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    const QSizeF sheet = sheetSize();
    double zoom = m_zoom;
    if (m_fit == Fit::Width)
        zoom = room.width() / sheet.width();
    else if (m_fit == Fit::Page)
        zoom = std::min(room.width() / sheet.width(), room.height() / sheet.height());
    setZoom(zoom, m_fit);
}

void PagePreview::setZoom(double zoom, Fit fit)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    m_fit = fit;
    // Keep the page in view where it was.
    const int page = m_current;
    const bool changed = std::abs(zoom - m_zoom) > 1e-9;
    m_zoom = zoom;
    if (changed)
        m_painted.clear();
    updateScrollBars();
    if (changed && page > 0)
        setCurrentPage(page);
    viewport()->update();
}

void PagePreview::updateScrollBars()
{
    const QSize page = pageSize();
    const int count = pageCount();
    const int height = count == 0 ? 0 : kGap + count * (page.height() + kGap);
    const int width = page.width() + 2 * kGap;
    const QSize view = viewport()->size();
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setRange(0, std::max(0, height - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setRange(0, std::max(0, width - view.width()));
}

void PagePreview::updateCurrent()
{
    const int count = pageCount();
    int current = 0;
    if (count > 0) {
        // The page that shows the most of itself.
        const int top = verticalScrollBar()->value();
        const int bottom = top + viewport()->height();
        const int step = pageSize().height() + kGap;
        const int first = std::clamp((top - kGap) / std::max(1, step), 0, count - 1);
        int best = -1;
        for (int i = first; i < count && pageTop(i) < bottom; ++i) {
            const int shown = std::min(bottom, pageTop(i) + pageSize().height()) - std::max(top, pageTop(i));
            if (shown > best) {
                best = shown;
                current = i + 1;
            }
        }
        if (current == 0)
            current = first + 1;
    }
    if (current != m_current) {
        m_current = current;
        emit previewChanged();
    }
}

const QImage& PagePreview::pageImage(int index)
{
    for (const Painted& p : m_painted)
        if (p.index == index)
            return p.image;
    const qreal ratio = devicePixelRatioF();
    QImage image(pageSize() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.scale(m_zoom, m_zoom);
        m_report->paintPage(p, index);
    }
    if (m_painted.size() >= kKeptPages)
        m_painted.removeFirst();
    m_painted.append({ index, std::move(image) });
    return m_painted.last().image;
}

void PagePreview::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const int count = pageCount();
    if (count == 0)
        return;
    const QSize page = pageSize();
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    const int x = std::max(kGap, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
    const int step = page.height() + kGap;
    for (int i = std::clamp((top - kGap) / std::max(1, step), 0, count - 1); i < count && pageTop(i) < bottom; ++i) {
        const QRect rect(QPoint(x, pageTop(i) - top), page);
        p.fillRect(rect.translated(3, 3), QColor(0, 0, 0, 60)); // a shadow, as paper on a desk
        p.drawImage(rect.topLeft(), pageImage(i));
        p.setPen(QColor(120, 120, 120));
        p.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void PagePreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fit != Fit::None)
        applyFit();
    else
        updateScrollBars();
    updateCurrent();
}

void PagePreview::scrollContentsBy(int, int)
{
    viewport()->update();
    updateCurrent();
}

void PagePreview::wheelEvent(QWheelEvent* event)
{
    // Ctrl and the wheel zoom, as in other programs that show pages.
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps > 0)
            zoomIn(std::pow(1.1, steps));
        else if (steps < 0)
            zoomOut(std::pow(1.1, -steps));
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

} // namespace pw::reports
