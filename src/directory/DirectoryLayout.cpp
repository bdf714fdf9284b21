// The directory booklet's pages. Every entry takes one fixed slot of a grid
// (2 or 4 to a page), so where each entry falls is arithmetic and a booklet
// of tens of thousands of households is laid out at once; text and pictures
// are measured and read only when a page is painted.

#include "directory/Directory.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "reports/PageFrame.h"
#include "reports/Reports.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QSqlQuery>
#include <algorithm>
#include <memory>

namespace pw::directory {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(DirectoryLayout)
    };

    using reports::detail::drawLine;
    using reports::detail::drawRule;
    using reports::detail::sansStyle;
    using reports::detail::Style;

    constexpr double kMargin = 36;
    constexpr double kFooter = 24; // the page number's band
    constexpr double kGap = 14; // between slots
    constexpr double kLetterBand = 24; // a letter heading's place at the top of every slot
    constexpr double kIndexLine = 11.5;

    Style bold(int size)
    {
        QFont f = sansStyle(size).font;
        f.setBold(true);
        const QFontMetricsF m(f);
        return Style { f, m, m.ascent(), std::ceil(size * 2.5) / 2.0, Qt::black };
    }

    QString letterOf(const QString& sortName)
    {
        const QString key = sortName.trimmed();
        return !key.isEmpty() && key.at(0).isLetter() ? QString(key.at(0).toUpper()) : QStringLiteral("#");
    }

    QString initialsOf(const QString& sortName)
    {
        const int comma = sortName.indexOf(QLatin1Char(','));
        const QString last = sortName.left(comma < 0 ? sortName.size() : comma).trimmed();
        const QString first = comma < 0 ? QString() : sortName.mid(comma + 1).trimmed();
        return (first.left(1) + last.left(1)).toUpper();
    }

    // A picture scaled to fit the box, read at no more detail than printing
    // needs; false when the file cannot be read.
    bool paintPicture(QPainter& p, const QString& file, const QRectF& box)
    {
        QImageReader reader(file);
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty())
            return false;
        const QSizeF fit = QSizeF(size).scaled(box.size(), Qt::KeepAspectRatio);
        const QSize wanted = (fit * 3).toSize(); // about 216 dots per inch
        if (wanted.width() < size.width())
            reader.setScaledSize(wanted);
        const QImage image = reader.read();
        if (image.isNull())
            return false;
        p.drawImage(QRectF(box.center() - QPointF(fit.width() / 2, fit.height() / 2), fit), image);
        return true;
    }

    void paintPlaceholder(QPainter& p, const QRectF& box, const QString& initials)
    {
        p.save();
        p.setPen(QPen(QColor(150, 150, 150), 0.8));
        p.drawRect(box);
        const Style& s = sansStyle(24);
        drawLine(p, s, box.left(), box.center().y() - s.lineHeight / 2, box.width(), initials, Qt::AlignHCenter);
        p.restore();
    }

    struct Church {
        QString name, address, phone;
    };

    struct Book {
        std::vector<Entry> entries;
        std::vector<std::pair<QString, int>> index; // name, page
        Church church;
        QString day;
        QSizeF sheet;
        int perPage = 2;
        int columns = 1;
        int entryPages = 0;
        int indexRows = 0; // lines per index column
        int indexPages = 0;

        double top() const { return kMargin; }
        double bottom() const { return sheet.height() - kMargin - kFooter; }
        double width() const { return sheet.width() - 2 * kMargin; }
        int pageCount() const { return 1 + entryPages + indexPages; }

        void paint(QPainter& p, int page) const
        {
            if (page == 0) {
                paintCover(p);
                return;
            }
            if (page <= entryPages)
                for (int slot = 0; slot < perPage; ++slot) {
                    const std::size_t i = std::size_t(page - 1) * std::size_t(perPage) + std::size_t(slot);
                    if (i < entries.size())
                        paintEntry(p, i, slotRect(slot));
                }
            else
                paintIndex(p, page - 1 - entryPages);
            const Style& footer = sansStyle(8);
            const double y = sheet.height() - kMargin - footer.lineHeight;
            drawRule(p, kMargin, kMargin + width(), y - 4, 0.4, QColor(140, 140, 140));
            drawLine(p, footer, kMargin, y, width(), Tr::tr("Page %1").arg(page + 1), Qt::AlignHCenter);
        }

        QRectF slotRect(int slot) const
        {
            const int rows = perPage / columns;
            const double w = (width() - (columns - 1) * kGap) / columns;
            const double h = (bottom() - top() - (rows - 1) * kGap) / rows;
            return { kMargin + (slot % columns) * (w + kGap), top() + (slot / columns) * (h + kGap), w, h };
        }

        void paintCover(QPainter& p) const
        {
            double y = sheet.height() * 0.3;
            const Style name = bold(24);
            for (const QString& line : reports::detail::wrap(church.name, name, width(), 3)) {
                drawLine(p, name, kMargin, y, width(), line, Qt::AlignHCenter);
                y += name.lineHeight;
            }
            y += 8;
            const Style& plain = sansStyle(11);
            for (const QString& line : (church.address + QLatin1Char('\n') + church.phone).split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty()) {
                    drawLine(p, plain, kMargin, y, width(), line, Qt::AlignHCenter);
                    y += plain.lineHeight;
                }
            y += 48;
            const Style title = bold(20);
            drawLine(p, title, kMargin, y, width(), Tr::tr("Church Directory"), Qt::AlignHCenter);
            drawLine(p, sansStyle(12), kMargin, y + title.lineHeight + 10, width(), day, Qt::AlignHCenter);
        }

        void paintEntry(QPainter& p, std::size_t i, const QRectF& slot) const
        {
            const Entry& e = entries[i];
            const QString letter = letterOf(e.sortName);
            if (i == 0 || letterOf(entries[i - 1].sortName) != letter) {
                const Style heading = bold(15);
                drawLine(p, heading, slot.left(), slot.top(), slot.width(), letter);
                drawRule(p, slot.left(), slot.right(), slot.top() + heading.lineHeight, 0.6);
            }
            const double bodyTop = slot.top() + kLetterBand;
            // Wide slots put the picture beside the text, narrow ones above it.
            const bool beside = columns == 1;
            const double picW = beside ? slot.width() * 0.4 : slot.width();
            const double picH = std::min(picW * 0.75, (slot.bottom() - bodyTop) * 0.5);
            const QRectF box(slot.left(), bodyTop, picW, picH);
            const int count = int(e.pictureFiles.size());
            for (int k = 0; k < std::max(count, 1); ++k) {
                const QRectF part(box.left() + k * box.width() / std::max(count, 1), box.top(),
                    box.width() / std::max(count, 1), box.height());
                if (k >= count || !paintPicture(p, e.pictureFiles.at(k), part.adjusted(2, 2, -2, -2)))
                    paintPlaceholder(p, part.adjusted(2, 2, -2, -2), initialsOf(e.sortName));
            }
            const double x = beside ? box.right() + 12 : slot.left();
            double y = beside ? bodyTop : box.bottom() + 8;
            const double w = slot.right() - x;
            const auto put = [&](const Style& s, const QString& text) {
                for (const QString& line : reports::detail::wrap(text, s, w, 2)) {
                    if (y + s.lineHeight > slot.bottom())
                        return;
                    drawLine(p, s, x, y, w, line);
                    y += s.lineHeight;
                }
            };
            put(bold(12), e.title);
            const Style& body = sansStyle(9);
            put(body, e.children.join(QStringLiteral(", ")));
            y += 3;
            put(body, e.address);
            if (!e.homePhone.isEmpty())
                put(body, Tr::tr("Home: ") + e.homePhone);
            for (const QStringList* lines : { &e.cells, &e.emails, &e.birthdays })
                for (const QString& line : *lines)
                    put(body, line);
        }

        void paintIndex(QPainter& p, int indexPage) const
        {
            const Style heading = bold(15);
            drawLine(p, heading, kMargin, top(), width(), Tr::tr("Index"));
            drawRule(p, kMargin, kMargin + width(), top() + heading.lineHeight, 0.6);
            const Style& s = sansStyle(9);
            const double columnWidth = (width() - kGap) / 2;
            const std::size_t first = std::size_t(indexPage) * std::size_t(2 * indexRows);
            for (int k = 0; k < 2 * indexRows && first + std::size_t(k) < index.size(); ++k) {
                const auto& [name, number] = index[first + std::size_t(k)];
                const double x = kMargin + (k / indexRows) * (columnWidth + kGap);
                const double y = top() + kLetterBand + (k % indexRows) * kIndexLine;
                drawLine(p, s, x, y, columnWidth - 30, name);
                drawLine(p, s, x + columnWidth - 30, y, 30, QString::number(number), Qt::AlignRight);
            }
        }
    };

    Church churchOf(Database& db)
    {
        Church c;
        db.forEach(QStringLiteral("SELECT Name, Address1, Address2, City, State, Zip, Phone FROM Church ORDER BY %1 "
                                  "LIMIT 1")
                       .arg(sql::rowKey()),
            {}, [&](const QSqlQuery& q) {
                const auto at = [&](int i) { return sql::toText(q.value(i)).trimmed(); };
                using reports::detail::joinNonEmpty;
                c.name = at(0);
                c.address
                    = joinNonEmpty({ at(1), at(2),
                                       joinNonEmpty({ at(3), joinNonEmpty({ at(4), at(5) }, QStringLiteral(" ")) },
                                           QStringLiteral(", ")) },
                        QStringLiteral("\n"));
                c.phone = reports::formatPhone(at(6));
            });
        return c;
    }

} // namespace

reports::ReportPtr directoryReport(Database& db, const Choice& choice, const QString& pictureFolder, const QDate& day)
{
    auto book = std::make_shared<Book>();
    book->entries = entries(db, choice, pictureFolder);
    book->church = churchOf(db);
    book->day = QLocale().toString(day, QStringLiteral("MMMM d, yyyy"));
    book->sheet = choice.a4 ? QSizeF(595, 842) : QSizeF(612, 792);
    book->perPage = choice.perPage == 4 ? 4 : 2;
    book->columns = book->perPage == 4 ? 2 : 1;
    const int perPage = book->perPage;
    book->entryPages = (int(book->entries.size()) + perPage - 1) / perPage;

    // Every listed person's name with the page of their household's entry.
    std::vector<std::pair<QString, std::pair<QString, int>>> names;
    for (std::size_t i = 0; i < book->entries.size(); ++i)
        for (const QString& name : book->entries[i].names)
            names.push_back({ sql::sortKey(name), { name, 2 + int(i) / perPage } });
    std::sort(names.begin(), names.end());
    book->index.reserve(names.size());
    for (auto& n : names)
        book->index.push_back(std::move(n.second));
    book->indexRows = std::max(1, int((book->bottom() - book->top() - kLetterBand) / kIndexLine));
    book->indexPages = (int(book->index.size()) + 2 * book->indexRows - 1) / (2 * book->indexRows);

    reports::ReportData data;
    data.design = reports::Design::Custom;
    data.churchName = book->church.name;
    data.printedOn = book->day;
    if (choice.a4)
        data.pageSize = book->sheet;
    data.custom = reports::functionLayout(QCoreApplication::translate("DirectoryLayout", "Church Directory"), [book] {
        reports::detail::Document doc;
        doc.chrome = false;
        doc.pages.resize(std::size_t(book->pageCount()));
        for (int page = 0; page < book->pageCount(); ++page)
            doc.pages[std::size_t(page)].push_back({ 0, [book, page](QPainter& p, double) { book->paint(p, page); } });
        return doc;
    });
    return std::make_shared<const reports::Report>(std::move(data));
}

} // namespace pw::directory
