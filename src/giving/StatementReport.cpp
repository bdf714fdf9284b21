#include "giving/StatementReport.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "giving/Money.h"
#include "reports/PageFrame.h"
#include "reports/Reports.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSqlQuery>

namespace pw::giving {

using namespace reports::detail;

namespace {

    struct StatementReport {
        Q_DECLARE_TR_FUNCTIONS(StatementReport)
    };

    // A line of a small table of totals: the label and the amount right
    // aligned beneath the statement's amount column.
    Row totalRow(const QString& label, const QString& amount, StyleId id = StyleId::Body)
    {
        static const std::vector<Column> kColumns { { QString(), 300 }, { QString(), 110 } };
        return cellsRow(kColumns, { label, amount }, 1, id, Qt::AlignRight);
    }

    QString periodText(const Period& period)
    {
        return StatementReport::tr("Gifts received from %1 to %2")
            .arg(formats::dateText(period.from), formats::dateText(period.to));
    }

    Document layOut(const Statement& s, const ChurchHeading& church, const QLocale& locale)
    {
        const auto money = [&](qint64 cents) { return centsText(cents, locale); };
        Flow flow;

        // The church's address at the left, the giver's below it where a
        // window envelope shows it.
        std::vector<Row> head;
        for (const QString& line : church.address)
            head.push_back(lineRow(line));
        head.push_back(spaceRow(18));
        head.push_back(lineRow(s.names, StyleId::Name));
        if (s.address.isEmpty())
            head.push_back(lineRow(StatementReport::tr("(no address on file)"), StyleId::Caption));
        for (const QString& line : s.address)
            head.push_back(lineRow(line));
        head.push_back(spaceRow(12));
        head.push_back(lineRow(periodText(s.period), StyleId::BodyBold));
        flow.addBlock(head);
        flow.addSpace(8);

        const std::vector<Column> columns = { { StatementReport::tr("Date"), 80 }, { StatementReport::tr("Fund"), 200 },
            { StatementReport::tr("Method"), 80 }, { StatementReport::tr("Check No."), 80 },
            { StatementReport::tr("Amount"), 100 } };
        flow.addRow(headingRow(StatementReport::tr("Gifts")));
        const Row header = tableHeader(columns);
        flow.addRow(header);
        flow.setPageHeader({ header });
        for (const StatementLine& l : s.lines) {
            const bool goods = !l.goods.isEmpty();
            QString what = goods ? StatementReport::tr("Goods: ") + l.goods : l.fund;
            if (l.reversal)
                what += StatementReport::tr(" (returned)");
            flow.addRow(tableRow(columns,
                { formats::dateText(l.date), what, methodText(l.method), l.checkNumber,
                    goods ? QString() : money(l.cents) }));
        }
        if (s.lines.empty())
            flow.addRow(lineRow(StatementReport::tr("No gifts in this period.")));
        flow.setPageHeader({});

        flow.addSpace(10);
        std::vector<Row> totals { headingRow(StatementReport::tr("Totals")) };
        for (const FundTotal& f : s.funds)
            totals.push_back(
                totalRow(f.deductible ? f.fund : f.fund + StatementReport::tr(" (not deductible)"), money(f.cents)));
        totals.push_back(totalRow(StatementReport::tr("Total contributions"), money(s.total), StyleId::BodyBold));
        if (s.returned > 0)
            totals.push_back(
                totalRow(StatementReport::tr("Value of goods or services received in return"), money(s.returned)));
        totals.push_back(
            totalRow(StatementReport::tr("Deductible contributions"), money(s.deductible), StyleId::BodyBold));
        flow.addBlock(totals);

        if (!s.pledges.empty()) {
            flow.addSpace(10);
            const std::vector<Column> pledgeColumns = { { StatementReport::tr("Fund"), 160 },
                { StatementReport::tr("Pledge period"), 150 }, { StatementReport::tr("Pledged"), 90 },
                { StatementReport::tr("Given"), 70 }, { StatementReport::tr("Left"), 70 } };
            std::vector<Row> rows { headingRow(StatementReport::tr("Pledges")), tableHeader(pledgeColumns) };
            for (const PledgeProgress& p : s.pledges)
                rows.push_back(tableRow(pledgeColumns,
                    { p.fund, formats::dateText(p.start) + QStringLiteral(" - ") + formats::dateText(p.end),
                        money(p.pledged), money(p.given), money(p.left()) }));
            flow.addBlock(rows);
        }

        flow.addSpace(14);
        flow.addBlock(paragraphRows(church.text, StyleId::Body));
        return flow.finish();
    }

    QString csvField(const QString& text)
    {
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
            return text;
        return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    }

    QString idsText(const Unit& unit)
    {
        QStringList ids;
        for (qint64 id : unit.people)
            ids.append(QString::number(id));
        return ids.join(QLatin1Char(' '));
    }

} // namespace

ChurchHeading churchHeading(Database& db, const QDate& today)
{
    ChurchHeading church;
    db.forEach(QStringLiteral("SELECT Name, Address1, Address2, City, State, Zip FROM Church ORDER BY %1 LIMIT 1")
                   .arg(sql::rowKey()),
        {}, [&](const QSqlQuery& q) {
            church.name = sql::toText(q.value(0)).trimmed();
            Giver place;
            place.address1 = sql::toText(q.value(1));
            place.address2 = sql::toText(q.value(2));
            place.city = sql::toText(q.value(3));
            place.state = sql::toText(q.value(4));
            place.zip = sql::toText(q.value(5));
            church.address = addressLines(place);
        });
    church.text = statementText(db);
    church.printedOn = formats::dateText(today);
    return church;
}

reports::ReportPtr statementReport(const Statement& statement, const ChurchHeading& church, const QLocale& locale)
{
    reports::ReportData data;
    data.design = reports::Design::Custom;
    data.churchName = church.name;
    data.printedOn = church.printedOn;
    auto s = std::make_shared<Statement>(statement);
    data.custom = reports::functionLayout(
        StatementReport::tr("Contribution Statement"), [s, church, locale] { return layOut(*s, church, locale); });
    return std::make_shared<reports::Report>(std::move(data));
}

QString statementFileName(const Statement& statement, QSet<QString>& used)
{
    QString name = statement.names;
    if (!statement.givers.empty()) {
        const Giver& g = statement.givers.front();
        name = joinNonEmpty({ g.last.trimmed(), g.first.trimmed() }, QStringLiteral(", "));
    }
    if (name.isEmpty())
        name = QStringLiteral("Giver");
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (refused.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    if (used.contains(name.toLower()) && !statement.unit.people.empty())
        name += QLatin1Char(' ') + QString::number(statement.unit.people.front());
    used.insert(name.toLower());
    return name + QStringLiteral(".pdf");
}

StatementRunResult writeStatements(const StatementSource& source, const ChurchHeading& church, const StatementRun& run,
    const std::function<bool(int, int)>& progress)
{
    StatementRunResult result;
    const int count = source.count();
    QStringList csv { QStringLiteral("Names,Member IDs,Fund,Total,Deductible Total") };
    const auto take = [&](const Statement& s) {
        ++result.written;
        if (!s.hasAddress)
            result.withoutAddress.append(s.names);
        for (const FundTotal& f : s.funds)
            csv.append(QStringList {
                csvField(s.names), idsText(s.unit), csvField(f.fund), plainCents(f.cents), plainCents(s.deductible) }
                           .join(QLatin1Char(',')));
    };

    if (!run.combinedPdf.isEmpty()) {
        const bool done = reports::writeCombinedPdf(
            count,
            [&](int i) {
                const Statement s = source.statement(i);
                take(s);
                return statementReport(s, church, run.locale);
            },
            run.combinedPdf, [&](int i) { return !progress || progress(i, count); });
        if (!done) {
            result.cancelled = true;
            return result;
        }
        result.files.append(run.combinedPdf);
    } else {
        QSet<QString> used;
        for (int i = 0; i < count; ++i) {
            if (progress && !progress(i, count)) {
                result.cancelled = true;
                return result;
            }
            const Statement s = source.statement(i);
            const QString path = QDir(run.pdfFolder).filePath(statementFileName(s, used));
            statementReport(s, church, run.locale)->writePdf(path);
            result.files.append(path);
            take(s);
        }
    }

    if (!run.csvFile.isEmpty()) {
        QSaveFile file(run.csvFile);
        const QByteArray bytes = (csv.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw Error(StatementReport::tr("The CSV file \"%1\" could not be written: %2")
                            .arg(QDir::toNativeSeparators(run.csvFile), file.errorString()));
        result.files.append(run.csvFile);
    }
    return result;
}

} // namespace pw::giving
