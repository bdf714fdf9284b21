#include "reports/Report.h"

// Skeleton so that the library links while the layouts are written.
namespace pw::reports {

Report::Report(ReportData data)
    : m_data(std::move(data))
{
}

QString Report::title() const { return designTitle(m_data.design); }

void Report::preparePage(QPagedPaintDevice&) const { }

int Report::render(QPagedPaintDevice&) const { return 0; }

void Report::writePdf(const QString&) const { }

QRectF labelRect(int, const LabelOptions&) { return {}; }

} // namespace pw::reports
