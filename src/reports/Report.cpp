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
    QPainter p;
    if (!p.begin(&device))
        throw Error(QStringLiteral("The report \"%1\" could not be started on the printer or file.").arg(title()));
    const int pageCount = renderWith(p, device, false);
    if (!p.end())
        throw Error(QStringLiteral("The report \"%1\" could not be finished on the printer or file.").arg(title()));
    return pageCount;
}

int Report::renderWith(QPainter& p, QPagedPaintDevice& device, bool newPageFirst) const
{
    const detail::Document doc = layoutOf(m_data);
    p.save();
    // Paint in points from the sheet's corner, whatever the device's resolution
    // and whether or not it keeps margins of its own.
    const QRectF paintRect = device.pageLayout().paintRect(QPageLayout::Point);
    p.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    p.translate(-paintRect.left(), -paintRect.top());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const int pageCount = static_cast<int>(doc.pages.size());
    for (int i = 0; i < pageCount; ++i) {
        if ((i > 0 || newPageFirst) && !device.newPage()) {
            p.restore();
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
    p.restore();
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

namespace pw::reports {

bool writeCombinedPdf(int count, const std::function<ReportPtr(int)>& reportAt, const QString& path,
    const std::function<bool(int)>& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("The PDF file \"%1\" could not be written: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Pewlark"));
        writer.setResolution(1200);
        QPainter painter;
        bool started = false;
        bool anyPage = false;
        for (int i = 0; i < count; ++i) {
            if (progress && !progress(i)) {
                if (started)
                    painter.end();
                file.cancelWriting();
                return false;
            }
            const ReportPtr report = reportAt(i);
            if (!report)
                continue;
            if (!started) {
                // Every design shares the same sheet, so the first report's
                // page set-up serves the whole file.
                writer.setTitle(report->title());
                report->preparePage(writer);
                if (!painter.begin(&writer))
                    throw Error(QStringLiteral("The PDF file \"%1\" could not be started.")
                                    .arg(QDir::toNativeSeparators(path)));
                started = true;
            }
            anyPage = report->renderWith(painter, writer, anyPage) > 0 || anyPage;
        }
        if (started && !painter.end())
            throw Error(
                QStringLiteral("The PDF file \"%1\" could not be finished.").arg(QDir::toNativeSeparators(path)));
        if (!started) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit())
        throw Error(QStringLiteral("The PDF file \"%1\" could not be written: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return true;
}

} // namespace pw::reports
