#include "reports/Report.h"

#include "data/Database.h"
#include "reports/Layouts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Report)
    };
} // namespace

Report::Report(ReportData data)
    : m_data(std::move(data))
{
}

QString Report::title() const { return reportTitle(m_data); }

QSizeF Report::pageSize() const
{
    return m_data.pageSize.isEmpty() ? QSizeF(detail::kPageWidth, detail::kPageHeight) : m_data.pageSize;
}

void Report::preparePage(QPagedPaintDevice& device) const
{
    // Every design is laid out on a whole sheet from its corner (Letter
    // unless the report has a sheet of its own); the layouts keep their own
    // margins (label sheets need the corner). A page size is portrait to Qt
    // and to printer drivers, so a wide label is a portrait size turned.
    const QSizeF size = pageSize();
    const bool wide = size.width() > size.height();
    const QPageSize page = m_data.pageSize.isEmpty()
        ? QPageSize(QPageSize::Letter)
        : QPageSize(wide ? size.transposed() : size, QPageSize::Point, QString(), QPageSize::ExactMatch);
    QPageLayout layout(
        page, wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
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
        // Laid out further: as far as progress lets it, or for about ms
        // milliseconds when ms is not negative. True once complete.
        virtual bool layOut(const Progress&, int) { return true; }
        virtual bool complete() const { return true; }
        // The pages known so far; all of them once complete.
        virtual int pageCount() const = 0;
        virtual std::vector<Placed> page(int index) const = 0;
        virtual std::pair<int, int> unitsLaidOut() const { return { 0, 0 }; }
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

    // A list, laid out once to mark where each page begins, in one go or a
    // step at a time; a page is laid out again from its mark when painted.
    // has(unit) says whether the list has that unit, reading more of a fed
    // list when it must.
    class ListPages : public detail::PageSource {
    public:
        ListPages(detail::UnitLayout layout, QString text, std::function<bool(int)> has, std::function<int()> total)
            : m_layout(std::move(layout))
            , m_text(std::move(text))
            , m_has(std::move(has))
            , m_total(std::move(total))
        {
        }

        bool layOut(const Progress& progress, int ms) override
        {
            // Short lists are done before a dialog could be read.
            constexpr int kShownFrom = 1000;
            constexpr int kStep = 250;
            const int total = m_total();
            const bool shown = progress && total >= kShownFrom;
            if (m_done)
                return true;
            QElapsedTimer clock;
            clock.start();
            if (!m_begun) {
                m_flow.setKeep(detail::Flow::Keep::NoPages);
                m_has(0); // a fed list's first people, so that the start knows whether there are any
                m_layout.start(m_flow);
                m_begun = true;
            }
            for (;;) {
                if (shown && m_next % kStep == 0 && !progress(m_text, m_next, total))
                    return false;
                if (!m_has(m_next))
                    break;
                m_flow.startUnit(m_next);
                m_layout.add(m_flow, m_next);
                ++m_next;
                if (ms >= 0 && clock.elapsed() >= ms)
                    return false;
            }
            m_flow.finish();
            m_done = true;
            return !shown || progress(m_text, total, total);
        }

        bool complete() const override { return m_done; }

        int pageCount() const override
        {
            // Until the end the last page begun may still grow.
            const int begun = static_cast<int>(m_flow.marks().size());
            return m_done ? begun : std::max(0, begun - 1);
        }

        std::vector<Placed> page(int index) const override
        {
            const detail::FlowMark& mark = m_flow.marks().at(static_cast<std::size_t>(index));
            detail::Flow flow;
            flow.setKeep(detail::Flow::Keep::OnePage, index);
            flow.resume(mark);
            m_layout.start(flow);
            for (int unit = mark.unit; !flow.done() && m_has(unit); ++unit) {
                flow.startUnit(unit);
                m_layout.add(flow, unit);
            }
            flow.finish();
            return flow.takePage();
        }

        std::pair<int, int> unitsLaidOut() const override { return { m_next, std::max(m_next, m_total()) }; }

    private:
        detail::UnitLayout m_layout;
        QString m_text;
        std::function<bool(int)> m_has;
        std::function<int()> m_total;
        detail::Flow m_flow; // counting pages and marking where each begins
        int m_next = 0; // the next unit to lay out
        bool m_begun = false;
        bool m_done = false;
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

detail::PageSource* Report::pages() const
{
    if (m_pages)
        return m_pages.get();
    switch (m_data.design) {
    case Design::MemberList:
    case Design::ProspectList: {
        ReportData& data = m_data;
        const auto has = [&data](int unit) {
            while (std::size_t(unit) >= data.main.rows.size() && data.feed && data.feed->readMore(data)) { }
            return std::size_t(unit) < data.main.rows.size();
        };
        const auto total = [&data] { return data.feed ? data.feed->total() : int(data.main.rows.size()); };
        m_pages = std::make_shared<ListPages>(
            data.design == Design::MemberList ? detail::memberListUnits(data) : detail::prospectListUnits(data),
            Tr::tr("Laying out the %1...").arg(title()), has, total);
        break;
    }
    case Design::MailingLabels:
        m_pages = std::make_shared<LabelPages>(m_data);
        break;
    case Design::VisitationSheet:
        m_pages = std::make_shared<KeptPages>(detail::layoutVisitationSheet(m_data));
        break;
    case Design::MemberInfoUpdate:
        m_pages = std::make_shared<KeptPages>(detail::layoutMemberInfoUpdate(m_data));
        break;
    case Design::Custom:
        m_pages = std::make_shared<KeptPages>(m_data.custom ? m_data.custom->layOut(m_data) : detail::Document {});
        break;
    }
    return m_pages.get();
}

bool Report::paginate(const Progress& progress) const { return pages()->layOut(progress, -1); }

bool Report::paginateFor(int ms) const { return pages()->layOut({}, std::max(ms, 0)); }

bool Report::isPaginated() const { return m_pages && m_pages->complete(); }

int Report::pagesSoFar() const { return m_pages ? m_pages->pageCount() : 0; }

std::pair<int, int> Report::peopleLaidOut() const { return pages()->unitsLaidOut(); }

int Report::pageCount() const
{
    paginate();
    return m_pages->pageCount();
}

void Report::paintPage(QPainter& p, int page) const
{
    // A fed list shows what is laid out so far; any other report is laid out first.
    if (!m_data.feed)
        paginate();
    detail::PageSource* source = pages();
    if (page < 0 || page >= source->pageCount())
        return;
    p.save();
    // Nothing may be painted beyond the sheet, even with labels nudged off it.
    p.setClipRect(QRectF(QPointF(0, 0), pageSize()), Qt::IntersectClip);
    if (source->chrome)
        detail::paintChrome(p, m_data, page + 1, source->complete() ? source->pageCount() : 0);
    for (const Placed& placed : source->page(page))
        placed.paint(p, placed.top);
    p.restore();
}

int Report::render(QPagedPaintDevice& device) const
{
    QPainter p;
    if (!p.begin(&device))
        throw Error(Tr::tr("The report \"%1\" could not be started on the printer or file.").arg(title()));
    const int pageCount = renderWith(p, device, false);
    if (!p.end())
        throw Error(Tr::tr("The report \"%1\" could not be finished on the printer or file.").arg(title()));
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
            throw Error(
                Tr::tr("The report \"%1\" could not start page %2 on the printer or file.").arg(title()).arg(i + 1));
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
        throw Error(Tr::tr("The PDF file \"%1\" could not be written: %2")
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
        throw Error(Tr::tr("The PDF file \"%1\" could not be written: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace pw::reports

namespace pw::reports {

bool writeCombinedPdf(int count, const std::function<ReportPtr(int)>& reportAt, const QString& path,
    const std::function<bool(int)>& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(Tr::tr("The PDF file \"%1\" could not be written: %2")
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
                    throw Error(
                        Tr::tr("The PDF file \"%1\" could not be started.").arg(QDir::toNativeSeparators(path)));
                started = true;
            }
            anyPage = report->renderWith(painter, writer, anyPage) > 0 || anyPage;
        }
        if (started && !painter.end())
            throw Error(Tr::tr("The PDF file \"%1\" could not be finished.").arg(QDir::toNativeSeparators(path)));
        if (!started) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit())
        throw Error(Tr::tr("The PDF file \"%1\" could not be written: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return true;
}

} // namespace pw::reports
