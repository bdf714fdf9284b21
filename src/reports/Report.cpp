#include "reports/Report.h"

#include "data/Database.h"
#include "reports/Layouts.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace pw::reports {

Report::Report(ReportData data)
    : m_data(std::move(data))
{
}

QString Report::title() const { return designTitle(m_data.design); }

void Report::preparePage(QPagedPaintDevice& device) const
{
    // Every design is laid out on a whole Letter sheet from its corner; the
    // layouts keep their own margins (label sheets need the corner).
    QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        printer->setFullPage(true);
        printer->setDocName(title());
    }
    device.setPageLayout(layout);
}

namespace {
    detail::Document layoutOf(const ReportData& data)
    {
        switch (data.design) {
        case Design::MemberList:
            return detail::layoutMemberList(data);
        case Design::ProspectList:
            return detail::layoutProspectList(data);
        case Design::MailingLabels:
            return detail::layoutMailingLabels(data);
        case Design::VisitationSheet:
            return detail::layoutVisitationSheet(data);
        case Design::MemberInfoUpdate:
            return detail::layoutMemberInfoUpdate(data);
        }
        return {};
    }
}

int Report::render(QPagedPaintDevice& device) const
{
    const detail::Document doc = layoutOf(m_data);
    QPainter p;
    if (!p.begin(&device))
        throw Error(QStringLiteral("The report \"%1\" could not be started on the printer or file.").arg(title()));

    // Paint in points from the sheet's corner, whatever the device's resolution
    // and whether or not it keeps margins of its own.
    const QRectF paintRect = device.pageLayout().paintRect(QPageLayout::Point);
    p.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    p.translate(-paintRect.left(), -paintRect.top());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const int pageCount = static_cast<int>(doc.pages.size());
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0 && !device.newPage()) {
            p.end();
            throw Error(QStringLiteral("The report \"%1\" could not start page %2 on the printer or file.")
                            .arg(title())
                            .arg(i + 1));
        }
        // Nothing may be painted beyond the sheet, even with labels nudged off it.
        p.setClipRect(QRectF(0, 0, detail::kPageWidth, detail::kPageHeight));
        if (doc.chrome)
            detail::paintChrome(p, m_data, i + 1, pageCount);
        for (const detail::Placed& placed : doc.pages[static_cast<std::size_t>(i)])
            placed.paint(p, placed.top);
    }
    if (!p.end())
        throw Error(QStringLiteral("The report \"%1\" could not be finished on the printer or file.").arg(title()));
    return pageCount;
}

void Report::writePdf(const QString& path) const
{
    // Written through a temporary file that replaces the target only when
    // complete, so a failure never leaves half a PDF behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("The PDF file \"%1\" could not be written: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(title());
        writer.setCreator(QStringLiteral("Pewlark"));
        writer.setResolution(1200);
        preparePage(writer);
        render(writer);
    }
    if (!file.commit())
        throw Error(QStringLiteral("The PDF file \"%1\" could not be written: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace pw::reports
