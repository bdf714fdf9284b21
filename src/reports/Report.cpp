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

namespace detail {

    // The pages of a report, made when they are painted.
    class PageSource {
    public:
        virtual ~PageSource() = default;
        virtual int pageCount() const = 0;
        virtual std::vector<Placed> page(int index) const = 0;
        bool chrome = true;
    };

} // namespace detail

namespace {

    using detail::Placed;

    // A sheet: a few pages, laid out once and kept.
    class KeptPages : public detail::PageSource {
    public:
        explicit KeptPages(detail::Document doc)
            : m_doc(std::move(doc))
        {
            chrome = m_doc.chrome;
        }
        int pageCount() const override { return static_cast<int>(m_doc.pages.size()); }
        std::vector<Placed> page(int index) const override { return m_doc.pages.at(static_cast<std::size_t>(index)); }

    private:
        detail::Document m_doc;
    };

    // A list: laid out once to mark where each page begins; a page is laid
    // out again from its mark when painted.
    class ListPages : public detail::PageSource {
    public:
        explicit ListPages(detail::UnitLayout layout)
            : m_layout(std::move(layout))
        {
        }

        // False when progress stopped it.
        bool paginate(const QString& text, const Progress& progress)
        {
            // Short lists are done before a dialog could be read.
            constexpr int kShownFrom = 1000;
            constexpr int kStep = 250;
            const int total = m_layout.units;
            const bool shown = progress && total >= kShownFrom;
            detail::Flow flow;
            flow.setKeep(detail::Flow::Keep::NoPages);
            m_layout.start(flow);
            for (int unit = 0; unit < total; ++unit) {
                if (shown && unit % kStep == 0 && !progress(text, unit, total))
                    return false;
                flow.startUnit(unit);
                m_layout.add(flow, unit);
            }
            flow.finish();
            if (shown && !progress(text, total, total))
                return false;
            m_marks = flow.marks();
            return true;
        }

        int pageCount() const override { return static_cast<int>(m_marks.size()); }

        std::vector<Placed> page(int index) const override
        {
            const detail::FlowMark& mark = m_marks.at(static_cast<std::size_t>(index));
            detail::Flow flow;
            flow.setKeep(detail::Flow::Keep::OnePage, index);
            flow.resume(mark);
            m_layout.start(flow);
            for (int unit = mark.unit; unit < m_layout.units && !flow.done(); ++unit) {
                flow.startUnit(unit);
                m_layout.add(flow, unit);
            }
            flow.finish();
            return flow.takePage();
        }

    private:
        detail::UnitLayout m_layout;
        std::vector<detail::FlowMark> m_marks;
    };

    class LabelPages : public detail::PageSource {
    public:
        explicit LabelPages(const ReportData& data)
            : m_data(data)
        {
            chrome = false;
        }
        int pageCount() const override { return detail::mailingLabelPages(m_data); }
        std::vector<Placed> page(int index) const override { return detail::mailingLabelPage(m_data, index); }

    private:
        const ReportData& m_data;
    };

} // namespace

Report::~Report() = default;

bool Report::paginate(const Progress& progress) const
{
    if (m_pages)
        return true;
    switch (m_data.design) {
    case Design::MemberList:
    case Design::ProspectList: {
        auto pages = std::make_shared<ListPages>(
            m_data.design == Design::MemberList ? detail::memberListUnits(m_data) : detail::prospectListUnits(m_data));
        if (!pages->paginate(QStringLiteral("Laying out the %1...").arg(title()), progress))
            return false;
        m_pages = std::move(pages);
        return true;
    }
    case Design::MailingLabels:
        m_pages = std::make_shared<LabelPages>(m_data);
        return true;
    case Design::VisitationSheet:
        m_pages = std::make_shared<KeptPages>(detail::layoutVisitationSheet(m_data));
        return true;
    case Design::MemberInfoUpdate:
        m_pages = std::make_shared<KeptPages>(detail::layoutMemberInfoUpdate(m_data));
        return true;
    }
    return false;
}

int Report::pageCount() const
{
    paginate();
    return m_pages ? m_pages->pageCount() : 0;
}

void Report::paintPage(QPainter& p, int page) const
{
    paginate();
    if (!m_pages || page < 0 || page >= m_pages->pageCount())
        return;
    p.save();
    // Nothing may be painted beyond the sheet, even with labels nudged off it.
    p.setClipRect(QRectF(0, 0, detail::kPageWidth, detail::kPageHeight), Qt::IntersectClip);
    if (m_pages->chrome)
        detail::paintChrome(p, m_data, page + 1, m_pages->pageCount());
    for (const Placed& placed : m_pages->page(page))
        placed.paint(p, placed.top);
    p.restore();
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
    const int count = pageCount();
    p.save();
    // Paint in points from the sheet's corner, whatever the device's resolution
    // and whether or not it keeps margins of its own.
    const QRectF paintRect = device.pageLayout().paintRect(QPageLayout::Point);
    p.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    p.translate(-paintRect.left(), -paintRect.top());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    for (int i = 0; i < count; ++i) {
        if ((i > 0 || newPageFirst) && !device.newPage()) {
            p.restore();
            throw Error(QStringLiteral("The report \"%1\" could not start page %2 on the printer or file.")
                            .arg(title())
                            .arg(i + 1));
        }
        paintPage(p, i);
    }
    p.restore();
    return count;
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
