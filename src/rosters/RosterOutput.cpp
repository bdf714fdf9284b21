#include "rosters/RosterOutput.h"

#include "app/Workspace.h"
#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Services.h"
#include "data/Sql.h"
#include "reports/BatchPrint.h"
#include "reports/PageFrame.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"
#include "widgets/Context.h"
#include "widgets/Desktop.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QSqlQuery>
#include <algorithm>

namespace pw::rosters {

using namespace reports::detail;

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(RosterOutput)
    };

    QString emailTitle() { return Tr::tr("E-mail These People"); }
    const QString kEmptyPlace = QString(QChar(0x2014));
    // Names listed in a message at most; the rest are counted.
    constexpr int kNamesListed = 25;

    QString periodText(const QDate& from, const QDate& to)
    {
        return Tr::tr("%1 to %2").arg(formats::dateText(from), formats::dateText(to));
    }

    QString serviceName(const QString& code)
    {
        const services::Service* s = services::byCode(code);
        return s ? s->nameText() : code;
    }

    // The turns of the period by date and the positions' order (the order
    // they were made after that); turns of positions not listed are left out.
    std::vector<Assignment> turnsInOrder(
        Database& db, const QDate& from, const QDate& to, const std::vector<Position>& listed)
    {
        QHash<qint64, int> rank;
        for (const Position& p : listed)
            rank.insert(p.id, int(rank.size()));
        std::vector<Assignment> turns = assignments(db, from, to);
        turns.erase(std::remove_if(
                        turns.begin(), turns.end(), [&](const Assignment& a) { return !rank.contains(a.positionId); }),
            turns.end());
        std::stable_sort(turns.begin(), turns.end(), [&](const Assignment& a, const Assignment& b) {
            return a.date != b.date ? a.date < b.date : rank.value(a.positionId) < rank.value(b.positionId);
        });
        return turns;
    }

    QList<qint64> peopleOf(const std::vector<Assignment>& turns)
    {
        QList<qint64> ids;
        for (const Assignment& a : turns)
            if (!ids.contains(a.memberId))
                ids.append(a.memberId);
        return ids;
    }

    // One service's part of the printed roster.
    struct Section {
        QString heading;
        std::vector<Position> positions;
        QList<QDate> dates;
        QHash<qint64, QMap<QDate, QStringList>> names; // position -> date -> who serves
    };

    constexpr double kPad = 3.0;
    constexpr double kDateWidth = 62.0;
    constexpr int kLargestSize = 9;
    constexpr int kSmallestSize = 6;

    // How a section's positions go across: how many share a page and in which
    // font size. All on one page when they fit at the smallest size, each name
    // on one line if they can, else broken between its words; the largest
    // size that does it. Only when not even each word fits are the positions
    // split over more pages.
    struct Fit {
        int perPage = 1;
        int size = kSmallestSize;
    };

    Fit fitColumns(const Section& section)
    {
        QStringList whole, words; // captions always break between words
        for (const Position& p : section.positions) {
            words += p.name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const QStringList& names : section.names.value(p.id)) {
                whole += names;
                for (const QString& name : names)
                    words += name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            }
        }
        whole += words;
        // The widest text of each kind at each size, largest size first.
        std::vector<std::pair<int, double>> wholeWidths, wordWidths;
        for (int size = kLargestSize; size >= kSmallestSize; --size) {
            const QFontMetricsF& m = sansStyle(size).metrics;
            const auto widest = [&](const QStringList& texts) {
                double w = 0;
                for (const QString& t : texts)
                    w = std::max(w, m.horizontalAdvance(t));
                return w;
            };
            wholeWidths.push_back({ size, widest(whole) });
            wordWidths.push_back({ size, widest(words) });
        }
        for (int perPage = int(section.positions.size()); perPage >= 1; --perPage) {
            const double width = (kContentWidth - kDateWidth) / perPage - 2 * kPad;
            for (const auto* widths : { &wholeWidths, &wordWidths })
                for (const auto& [size, widest] : *widths)
                    if (widest <= width)
                        return { perPage, size };
        }
        return {};
    }

    // The positions in groups of at most perPage, the groups as even as may be.
    std::vector<std::vector<Position>> groupsOf(const std::vector<Position>& positions, int perPage)
    {
        const int count = int(positions.size());
        const int groups = (count + perPage - 1) / perPage;
        std::vector<std::vector<Position>> out(static_cast<std::size_t>(groups));
        for (int i = 0; i < count; ++i)
            out[std::size_t(i * groups / count)].push_back(positions[std::size_t(i)]);
        return out;
    }

    // A row of cells, each a list of lines, with the date column first.
    Row gridRow(const std::vector<QStringList>& cells, double columnWidth, int size, bool header)
    {
        const Style& s = sansStyle(size);
        int lines = 1;
        for (const QStringList& c : cells)
            lines = std::max(lines, int(c.size()));
        const double h = lines * s.lineHeight + 2 * kPad;
        return Row { h, [=](QPainter& p, double top) {
                        const Style& s = sansStyle(size);
                        const double right = kContentLeft + kDateWidth + columnWidth * double(cells.size() - 1);
                        if (header)
                            p.fillRect(QRectF(kContentLeft, top, right - kContentLeft, h), QColor(232, 232, 232));
                        double x = kContentLeft;
                        for (std::size_t i = 0; i < cells.size(); ++i) {
                            drawLines(p, s, x + kPad, top + kPad, cells[i]);
                            x += i == 0 ? kDateWidth : columnWidth;
                            p.setPen(QPen(QColor(170, 170, 170), 0.3));
                            p.drawLine(QPointF(x, top), QPointF(x, top + h));
                        }
                        drawRule(p, kContentLeft, right, top + h - 0.5, 0.3, QColor(170, 170, 170));
                    } };
    }

    void layOutSection(Flow& flow, const Section& section)
    {
        const Fit fit = fitColumns(section);
        const Style& s = sansStyle(fit.size);
        for (const std::vector<Position>& group : groupsOf(section.positions, fit.perPage)) {
            const double width = (kContentWidth - kDateWidth) / double(group.size());
            std::vector<QStringList> captions { { Tr::tr("Date") } };
            for (const Position& p : group)
                captions.push_back(wrap(p.name, s, width - 2 * kPad));
            flow.setPageHeader({ headingRow(section.heading), gridRow(captions, width, fit.size, true) });
            flow.pageBreak();
            for (const QDate& day : section.dates) {
                std::vector<QStringList> cells { { formats::dateText(day) } };
                for (const Position& p : group) {
                    QStringList lines;
                    const QStringList names = section.names.value(p.id).value(day);
                    for (const QString& name : names)
                        lines += wrap(name, s, width - 2 * kPad);
                    for (int empty = int(names.size()); empty < p.needed; ++empty)
                        lines.append(kEmptyPlace);
                    cells.push_back(lines);
                }
                flow.addRow(gridRow(cells, width, fit.size, false));
            }
        }
    }

    std::vector<Section> rosterSections(Database& db, const QDate& from, const QDate& to)
    {
        const std::vector<Position> active = positions(db, true);
        const std::vector<Assignment> turns = turnsInOrder(db, from, to, active);
        const QHash<qint64, QString> who = names(db, peopleOf(turns));
        std::vector<Section> out;
        for (const services::Service& service : services::all()) {
            Section section;
            section.heading = QStringLiteral("%1, %2").arg(service.nameText(), periodText(from, to));
            std::copy_if(active.begin(), active.end(), std::back_inserter(section.positions),
                [&](const Position& p) { return p.service == service.codeText(); });
            if (section.positions.empty())
                continue;
            section.dates = servingDays(service.codeText(), from, to);
            for (const Assignment& a : turns) {
                const auto p = std::find_if(section.positions.begin(), section.positions.end(),
                    [&](const Position& p) { return p.id == a.positionId; });
                if (p == section.positions.end())
                    continue;
                section.names[a.positionId][a.date].append(who.value(a.memberId));
                if (!section.dates.contains(a.date))
                    section.dates.append(a.date);
            }
            std::sort(section.dates.begin(), section.dates.end());
            if (!section.dates.isEmpty())
                out.push_back(std::move(section));
        }
        return out;
    }

    // "2 of the 5 people serving have no e-mail address and are left out: ..."
    QString withoutText(const QStringList& without, int people)
    {
        QStringList listed = without.mid(0, kNamesListed);
        if (without.size() > kNamesListed)
            listed.append(Tr::tr("and %1 more").arg(QLocale().toString(without.size() - kNamesListed)));
        return Tr::tr("%1 of the %2 serving have no e-mail address and %3 left out:\n\n%4")
            .arg(QLocale().toString(without.size()),
                people == 1 ? Tr::tr("1 person") : Tr::tr("%1 people").arg(QLocale().toString(people)),
                without.size() == 1 ? Tr::tr("is", "one person left out") : Tr::tr("are", "people left out"),
                listed.join(QLatin1Char('\n')));
    }

    QByteArray encoded(const QString& text) { return QUrl::toPercentEncoding(text); }

    // The mailto: link with the body's first `lines` turn lines, and "..."
    // when some were left out.
    QByteArray mailLink(const QStringList& addresses, const QString& subject, const QString& greeting,
        const QStringList& turnLines, int lines)
    {
        QStringList body { greeting, QString(), Tr::tr("You are on the roster:") };
        body += turnLines.mid(0, lines);
        if (lines < turnLines.size())
            body.append(QStringLiteral("..."));
        QByteArrayList to;
        for (const QString& a : addresses)
            to.append(QUrl::toPercentEncoding(a, "@"));
        return "mailto:" + to.join(',') + "?subject=" + encoded(subject)
            + "&body=" + encoded(body.join(QStringLiteral("\r\n")));
    }

} // namespace

bool printRoster(const QDate& from, const QDate& to, bool preview)
{
    reports::ReportPtr report;
    {
        BusyCursor busy;
        auto sections = std::make_shared<const std::vector<Section>>(rosterSections(db(), from, to));
        if (!sections->empty()) {
            report = reports::customReport(Tr::tr("Roster"), [sections] {
                Flow flow;
                for (const Section& section : *sections)
                    layOutSection(flow, section);
                return flow.finish();
            });
            report->paginate();
        }
    }
    if (!report) {
        messages().show(
            Tr::tr("No service with roster positions meets from %1.").arg(periodText(from, to)), Tr::tr("Roster"));
        return false;
    }
    if (preview) {
        reports::output().preview(report);
        return true;
    }
    if (!reports::output().print(report, 1))
        return false;
    showStatus(reports::printedStatus(report->title()));
    return true;
}

GridText rosterRows(Database& db, const QDate& from, const QDate& to)
{
    const std::vector<Position> all = positions(db, false);
    QHash<qint64, const Position*> byId;
    for (const Position& p : all)
        byId.insert(p.id, &p);
    const std::vector<Assignment> turns = turnsInOrder(db, from, to, all);
    const QHash<qint64, QString> who = names(db, peopleOf(turns));
    GridText grid;
    grid.header = QStringList { Tr::tr("Date"), Tr::tr("Service"), Tr::tr("Position"), Tr::tr("Person"),
        Tr::tr("Confirmed"), Tr::tr("Note") };
    for (const Assignment& a : turns) {
        const Position* p = byId.value(a.positionId);
        grid.rows.append({ formats::dateText(a.date), serviceName(p->service), p->name, who.value(a.memberId),
            a.confirmed ? Tr::tr("Yes") : QString(), a.note });
    }
    return grid;
}

QList<RosterMail> rosterMails(Database& db, const QDate& from, const QDate& to, int maxLength)
{
    const std::vector<Position> active = positions(db, true);
    QHash<qint64, const Position*> byId;
    for (const Position& p : active)
        byId.insert(p.id, &p);
    const std::vector<Assignment> turns = turnsInOrder(db, from, to, active);
    QHash<qint64, QStringList> linesOf;
    for (const Assignment& a : turns) {
        const Position* p = byId.value(a.positionId);
        linesOf[a.memberId].append(
            QStringLiteral("%1 %2: %3 (%4)%5")
                .arg(formats::dateLocale().dayName(a.date.dayOfWeek()), formats::dateText(a.date), p->name,
                    serviceName(p->service), a.confirmed ? Tr::tr(" (confirmed)") : QString()));
    }
    const QString subject = Tr::tr("Serving from %1").arg(periodText(from, to));
    QList<RosterMail> out;
    if (turns.empty())
        return out;
    db.forEach(QStringLiteral("SELECT ID, Last_Name, First_Name, Email FROM Member WHERE ")
            + sql::inIdList(QStringLiteral("ID")) + QStringLiteral(" ORDER BY ") + sql::orderByName()
            + QStringLiteral(", ID"),
        { sql::idList(peopleOf(turns)) }, [&](const QSqlQuery& q) {
            RosterMail mail;
            mail.memberId = q.value(0).toLongLong();
            const QString last = sql::toText(q.value(1)), first = sql::toText(q.value(2));
            mail.name = leaderName(last, first);
            const QStringList addresses = addressesIn(sql::toText(q.value(3)));
            if (!addresses.isEmpty()) {
                const QString greeting
                    = (first.trimmed().isEmpty() ? displayName(last, first) : first.trimmed()) + QLatin1Char(',');
                const QStringList& lines = linesOf.value(mail.memberId);
                int kept = int(lines.size());
                QByteArray link = mailLink(addresses, subject, greeting, lines, kept);
                while (link.size() > maxLength && kept > 0)
                    link = mailLink(addresses, subject, greeting, lines, --kept);
                mail.link = QUrl::fromEncoded(link, QUrl::StrictMode);
            }
            out.append(mail);
        });
    return out;
}

void emailRoster(const QDate& from, const QDate& to)
{
    QList<RosterMail> mails;
    {
        BusyCursor busy;
        mails = rosterMails(db(), from, to, kMaxLinkLength);
    }
    if (mails.isEmpty()) {
        messages().show(Tr::tr("Nobody is on the roster from %1.").arg(periodText(from, to)), emailTitle());
        return;
    }
    QStringList without;
    QList<QUrl> links;
    for (const RosterMail& mail : mails)
        mail.link.isEmpty() ? without.append(mail.name) : links.append(mail.link);
    if (!without.isEmpty())
        messages().show(withoutText(without, int(mails.size())), emailTitle());
    if (links.isEmpty())
        return;
    if (links.size() > 1
        && messages().ask(
               Tr::tr("Open %1 messages, one for each person serving?").arg(QLocale().toString(links.size())),
               emailTitle())
            != Answer::Yes)
        return;
    for (const QUrl& link : links) {
        if (!desktop().openUrl(link)) {
            messages().show(
                Tr::tr("No mail program on this computer opened the message."), emailTitle(), Icon::Warning);
            return;
        }
    }
    showStatus(links.size() == 1 ? Tr::tr("E-mail to 1 person serving opened in the mail program.")
                                 : Tr::tr("E-mail to %1 people serving opened in the mail program (%1 messages).")
                                       .arg(QLocale().toString(links.size())));
}

} // namespace pw::rosters
