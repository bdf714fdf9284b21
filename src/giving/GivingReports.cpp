#include "giving/GivingReports.h"

#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Sql.h"
#include "giving/Batches.h"
#include "giving/Money.h"
#include "giving/StatementData.h"
#include "reports/PageFrame.h"
#include "reports/Reports.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSqlQuery>

namespace pw::giving {

using namespace reports::detail;

namespace {

    struct GivingReports {
        Q_DECLARE_TR_FUNCTIONS(GivingReports)
    };

    QString nameOf(const QSqlQuery& q, int first)
    {
        return personName(q.value(first).toString(), q.value(first + 1).toString(), q.value(first + 2).toString());
    }

    // A gift's date as statements count it: a reversal on its gift's date.
    const char* const kCountedDate = "COALESCE(o.Gift_Date, g.Gift_Date)";

} // namespace

reports::ReportPtr depositReport(Database& db, qint64 batchId, const QLocale& locale)
{
    const std::optional<Batch> b = batch(db, batchId);
    if (!b)
        throw Error(GivingReports::tr("This batch was deleted at another workstation."));
    struct Check {
        QString giver, number;
        qint64 cents;
    };
    std::vector<Check> checks;
    QMap<QString, qint64> byMethod;
    std::vector<std::pair<QString, qint64>> byFund;
    qint64 total = 0;
    int count = 0;
    db.forEach(QStringLiteral("SELECT g.Method, g.Check_Number, m.Last_Name, m.First_Name, m.Middle_Name, (SELECT "
                              "COALESCE(SUM(l.Amount_Cents), 0) FROM Gift_Line AS l WHERE l.Gift_ID = g.ID) FROM Gift "
                              "AS g LEFT JOIN Member AS m ON m.ID = g.Member_ID WHERE g.Batch_ID = ? ORDER BY "
                              "g.Check_Number, g.ID"),
        { batchId }, [&](const QSqlQuery& q) {
            const qint64 cents = q.value(5).toLongLong();
            const QString method = q.value(0).toString();
            ++count;
            total += cents;
            byMethod[method] += cents;
            if (method == QLatin1String("Check"))
                checks.push_back({ q.value(2).isNull() ? GivingReports::tr("Loose offering") : nameOf(q, 2),
                    q.value(1).toString(), cents });
        });
    db.forEach(QStringLiteral("SELECT f.Name, SUM(l.Amount_Cents) FROM Gift_Line AS l JOIN Gift AS g ON g.ID = "
                              "l.Gift_ID JOIN Fund AS f ON f.ID = l.Fund_ID WHERE g.Batch_ID = ? GROUP BY f.ID, "
                              "f.Name, f.Fund_Order ORDER BY f.Fund_Order, f.ID"),
        { batchId }, [&](const QSqlQuery& q) {
            byFund.push_back({ q.value(0).toString(), q.value(1).toLongLong() });
        });

    const Batch shown = *b;
    return reports::customReport(GivingReports::tr("Deposit Report"), [=] {
        const auto money = [&](qint64 cents) { return centsText(cents, locale); };
        Flow flow;
        QString heading = GivingReports::tr("Batch of %1").arg(formats::dateText(shown.date));
        if (!shown.description.isEmpty())
            heading += QStringLiteral(": ") + shown.description;
        flow.addRow(lineRow(heading, StyleId::Name));
        flow.addRow(lineRow(shown.closed
                ? GivingReports::tr("Closed by %1 on %2").arg(shown.closedBy, formats::dateText(shown.closedOn.date()))
                : GivingReports::tr("Open: not closed yet"),
            StyleId::Caption));
        flow.addSpace(8);
        const std::vector<Column> checkColumns { { GivingReports::tr("Giver"), 300 },
            { GivingReports::tr("Check No."), 120 }, { GivingReports::tr("Amount"), 120 } };
        flow.addRow(headingRow(GivingReports::tr("Checks")));
        const Row header = tableHeader(checkColumns);
        flow.addRow(header);
        flow.setPageHeader({ header });
        for (const Check& c : checks)
            flow.addRow(cellsRow(checkColumns, { c.giver, c.number, money(c.cents) }, 2));
        if (checks.empty())
            flow.addRow(lineRow(GivingReports::tr("No checks in this batch.")));
        flow.setPageHeader({});
        flow.addSpace(10);
        const std::vector<Column> totalColumns { { QStringLiteral(""), 420 }, { QStringLiteral(""), 120 } };
        std::vector<Row> methods { headingRow(GivingReports::tr("By method")) };
        for (auto it = byMethod.cbegin(); it != byMethod.cend(); ++it)
            methods.push_back(cellsRow(totalColumns, { methodText(it.key()), money(it.value()) }, 1));
        flow.addBlock(methods);
        flow.addSpace(10);
        std::vector<Row> funds { headingRow(GivingReports::tr("By fund")) };
        for (const auto& [fund, cents] : byFund)
            funds.push_back(cellsRow(totalColumns, { fund, money(cents) }, 1));
        flow.addBlock(funds);
        flow.addSpace(10);
        flow.addBlock({ cellsRow(totalColumns, { GivingReports::tr("Total of %1 gift(s)").arg(count), money(total) }, 1,
                            StyleId::BodyBold),
            cellsRow(totalColumns,
                { GivingReports::tr("Control total of %1 gift(s)").arg(shown.controlCount), money(shown.controlCents) },
                1),
            cellsRow(totalColumns, { GivingReports::tr("Variance"), money(shown.controlCents - total) }, 1,
                StyleId::BodyBold) });
        return flow.finish();
    });
}

QHash<qint64, std::vector<qint64>> monthTotals(Database& db, int year)
{
    QHash<qint64, std::vector<qint64>> out;
    db.forEach(QStringLiteral("SELECT l.Fund_ID, %1, SUM(l.Amount_Cents) FROM Gift_Line AS l JOIN Gift AS g ON g.ID = "
                              "l.Gift_ID LEFT JOIN Gift AS o ON o.ID = g.Reverses_Gift_ID WHERE %2 BETWEEN ? AND ? "
                              "GROUP BY l.Fund_ID, %1")
                   .arg(sql::monthOf(QLatin1String(kCountedDate)), QLatin1String(kCountedDate)),
        { sql::date(QDate(year, 1, 1)), sql::date(QDate(year, 12, 31)) }, [&](const QSqlQuery& q) {
            std::vector<qint64>& months = out[q.value(0).toLongLong()];
            months.resize(12);
            const int month = q.value(1).toInt();
            if (month >= 1 && month <= 12)
                months[std::size_t(month - 1)] += q.value(2).toLongLong();
        });
    return out;
}

reports::ReportPtr fundMonthReport(Database& db, int year, const QLocale& locale)
{
    const QHash<qint64, std::vector<qint64>> totals = monthTotals(db, year);
    // The funds given to, in their order; beyond five the rest share a column.
    std::vector<std::pair<QString, std::vector<qint64>>> columns;
    std::vector<qint64> others(12), all(12);
    for (const Fund& f : funds(db, true)) {
        const auto found = totals.constFind(f.id);
        if (found == totals.constEnd())
            continue;
        if (columns.size() < 5) {
            columns.push_back({ f.name, *found });
        } else {
            for (int m = 0; m < 12; ++m)
                others[std::size_t(m)] += (*found)[std::size_t(m)];
        }
    }
    if (std::any_of(others.begin(), others.end(), [](qint64 c) { return c != 0; }))
        columns.push_back({ GivingReports::tr("Other funds"), others });
    for (const auto& column : columns)
        for (int m = 0; m < 12; ++m)
            all[std::size_t(m)] += column.second[std::size_t(m)];

    return reports::customReport(GivingReports::tr("Giving by Fund and Month"), [=] {
        const auto money = [&](qint64 cents) { return centsText(cents, locale); };
        Flow flow;
        flow.addRow(lineRow(GivingReports::tr("Gifts of %1, returned gifts netted").arg(year), StyleId::Name));
        flow.addSpace(6);
        QStringList captions;
        for (const auto& column : columns)
            captions.append(column.first);
        captions.append(GivingReports::tr("Total"));
        const std::vector<Column> table = spreadColumns({ GivingReports::tr("Month"), 70 }, captions);
        flow.addRow(tableHeader(table));
        std::vector<qint64> sums(columns.size() + 1);
        for (int m = 0; m < 12; ++m) {
            QStringList cells { locale.standaloneMonthName(m + 1, QLocale::ShortFormat) };
            for (std::size_t c = 0; c < columns.size(); ++c) {
                cells.append(money(columns[c].second[std::size_t(m)]));
                sums[c] += columns[c].second[std::size_t(m)];
            }
            cells.append(money(all[std::size_t(m)]));
            sums.back() += all[std::size_t(m)];
            flow.addRow(cellsRow(table, cells, 1));
        }
        QStringList total { GivingReports::tr("Year") };
        for (qint64 s : sums)
            total.append(money(s));
        flow.addRow(cellsRow(table, total, 1, StyleId::BodyBold));

        // The months' totals as bars.
        flow.addSpace(18);
        QStringList months;
        for (int m = 0; m < 12; ++m)
            months.append(locale.standaloneMonthName(m + 1, QLocale::ShortFormat));
        flow.addRow(headingRow(GivingReports::tr("Total per month")));
        flow.addRow(barChartRow(months, all, 180));
        return flow.finish();
    });
}

reports::ReportPtr pledgeReport(Database& db, const Period& period, const QLocale& locale)
{
    struct Line {
        QString giver, fund, span;
        qint64 pledged, given;
    };
    std::vector<Line> lines;
    db.forEach(QStringLiteral("SELECT m.Last_Name, m.First_Name, m.Middle_Name, f.Name, p.Start_Date, p.End_Date, "
                              "p.Amount_Cents, (SELECT COALESCE(SUM(l.Amount_Cents), 0) FROM Gift_Line AS l JOIN Gift "
                              "AS g ON g.ID = l.Gift_ID LEFT JOIN Gift AS o ON o.ID = g.Reverses_Gift_ID WHERE "
                              "g.Member_ID = p.Member_ID AND l.Fund_ID = p.Fund_ID AND %1 >= p.Start_Date AND %1 <= "
                              "p.End_Date AND %1 <= ?) FROM Pledge AS p JOIN Member AS m ON m.ID = p.Member_ID JOIN "
                              "Fund AS f ON f.ID = p.Fund_ID WHERE p.Start_Date <= ? AND p.End_Date >= ? ORDER BY ")
                   .arg(QLatin1String(kCountedDate))
            + sql::orderByName(QStringLiteral("m")) + QStringLiteral(", f.Fund_Order, p.Start_Date"),
        { sql::date(period.to), sql::date(period.to), sql::date(period.from) }, [&](const QSqlQuery& q) {
            lines.push_back({ nameOf(q, 0), q.value(3).toString(),
                formats::dateText(sql::toDate(q.value(4))) + QStringLiteral(" - ")
                    + formats::dateText(sql::toDate(q.value(5))),
                q.value(6).toLongLong(), q.value(7).toLongLong() });
        });
    return reports::customReport(GivingReports::tr("Pledges and Giving"), [=] {
        const auto money = [&](qint64 cents) { return centsText(cents, locale); };
        Flow flow;
        flow.addRow(lineRow(GivingReports::tr("Pledges running from %1 to %2, given up to %2")
                                .arg(formats::dateText(period.from), formats::dateText(period.to)),
            StyleId::Name));
        flow.addSpace(6);
        const std::vector<Column> columns { { GivingReports::tr("Giver"), 140 }, { GivingReports::tr("Fund"), 90 },
            { GivingReports::tr("Pledge period"), 130 }, { GivingReports::tr("Pledged"), 60 },
            { GivingReports::tr("Given"), 60 }, { GivingReports::tr("Left"), 60 } };
        const Row header = tableHeader(columns);
        flow.addRow(header);
        flow.setPageHeader({ header });
        qint64 pledged = 0, given = 0, left = 0;
        for (const Line& l : lines) {
            const qint64 rest = std::max<qint64>(0, l.pledged - l.given);
            flow.addRow(
                cellsRow(columns, { l.giver, l.fund, l.span, money(l.pledged), money(l.given), money(rest) }, 3));
            pledged += l.pledged;
            given += l.given;
            left += rest;
        }
        if (lines.empty())
            flow.addRow(lineRow(GivingReports::tr("No pledges run in this period.")));
        flow.addRow(cellsRow(columns,
            { GivingReports::tr("%1 pledge(s)").arg(lines.size()), QString(), QString(), money(pledged), money(given),
                money(left) },
            3, StyleId::BodyBold));
        return flow.finish();
    });
}

reports::ReportPtr giversReport(Database& db, const Period& period, const QLocale& locale)
{
    struct Line {
        QString giver, envelope;
        int gifts;
        qint64 cents;
    };
    std::vector<Line> lines;
    db.forEach(QStringLiteral("SELECT m.Last_Name, m.First_Name, m.Middle_Name, e.Envelope, COUNT(DISTINCT g.ID), "
                              "SUM(l.Amount_Cents) FROM Gift AS g JOIN Gift_Line AS l ON l.Gift_ID = g.ID LEFT JOIN "
                              "Gift AS o ON o.ID = g.Reverses_Gift_ID JOIN Member AS m ON m.ID = g.Member_ID LEFT JOIN "
                              "Giver AS e ON e.Member_ID = m.ID WHERE %1 BETWEEN ? AND ? GROUP BY m.ID, m.Last_Name, "
                              "m.First_Name, m.Middle_Name, e.Envelope ORDER BY ")
                   .arg(QLatin1String(kCountedDate))
            + sql::orderByName(QStringLiteral("m")),
        { sql::date(period.from), sql::date(period.to) }, [&](const QSqlQuery& q) {
            lines.push_back({ nameOf(q, 0), q.value(3).isNull() ? QString() : q.value(3).toString(), q.value(4).toInt(),
                q.value(5).toLongLong() });
        });
    return reports::customReport(GivingReports::tr("Givers and Totals"), [=] {
        const auto money = [&](qint64 cents) { return centsText(cents, locale); };
        Flow flow;
        flow.addRow(lineRow(GivingReports::tr("Gifts from %1 to %2, returned gifts netted")
                                .arg(formats::dateText(period.from), formats::dateText(period.to)),
            StyleId::Name));
        flow.addSpace(6);
        const std::vector<Column> columns { { GivingReports::tr("Giver"), 270 }, { GivingReports::tr("Envelope"), 80 },
            { GivingReports::tr("Gifts"), 70 }, { GivingReports::tr("Total"), 120 } };
        const Row header = tableHeader(columns);
        flow.addRow(header);
        flow.setPageHeader({ header });
        qint64 total = 0;
        for (const Line& l : lines) {
            flow.addRow(cellsRow(columns, { l.giver, l.envelope, QString::number(l.gifts), money(l.cents) }, 2));
            total += l.cents;
        }
        flow.addRow(cellsRow(columns,
            { GivingReports::tr("%1 giver(s)").arg(lines.size()), QString(), QString(), money(total) }, 2,
            StyleId::BodyBold));
        return flow.finish();
    });
}

} // namespace pw::giving
