#include "Bench.h"

#include "widgets/Context.h"
#include "widgets/GridExport.h"
#include "widgets/ResultGrid.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "navigators/MemberSearch.h"
#include "navigators/ProspectSearch.h"

#include <QDir>
#include <QRegularExpression>
#include <QTableView>
#include <stdexcept>

namespace pw::bench {

namespace {

    using navigators::GridColumn;
    using navigators::SearchStatement;

    QString rawSql(const SearchStatement& statement) { return rawSearchSql(statement); }

} // namespace

// The stock SQLite library's own case-blind collation and LIKE stand in for
// ours; a server runs the statement as it is, its values written in.
QString rawSearchSql(const SearchStatement& statement)
{
    QString sql = statement.sql;
    const bool server = sql::engine() == Database::Engine::PostgreSQL;
    if (!server) {
        sql.replace(QStringLiteral("COLLATE pw_nocase"), QStringLiteral("COLLATE NOCASE"));
        sql.replace(QRegularExpression(QStringLiteral("pw_match\\(([^,]+), \\?\\)")), QStringLiteral("\\1 LIKE ?"));
    }
    QString out;
    int value = 0;
    for (int i = 0; i < sql.size(); ++i) {
        if (sql.at(i) != QLatin1Char('?')) {
            out += sql.at(i);
            continue;
        }
        const QVariant v = statement.values.at(value++);
        if (v.typeId() == QMetaType::QString) {
            QString text = v.toString();
            if (!server && out.endsWith(QLatin1String("LIKE ")))
                text.replace(QLatin1Char('*'), QLatin1Char('%')).replace(QLatin1Char('?'), QLatin1Char('_'));
            out += QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
        } else {
            out += v.toString();
        }
    }
    return out;
}

namespace {

    // The search into a result grid as a screen shows it: rows read, cells
    // made, columns sized.
    int fill(
        QTableView& view, ResultModel& model, const std::vector<GridColumn>& columns, const SearchStatement& statement)
    {
        navigators::runSearch(model, columns, statement);
        fitColumns(&view);
        return model.rowCount();
    }

    void findRow(BenchContext& context, const QString& op, const std::vector<GridColumn>& columns,
        const SearchStatement& statement)
    {
        ResultModel model;
        QTableView view;
        setupResultGrid(&view, &model);
        int rows = 0;
        const double ms = medianMs(context.runs, [&] { rows = fill(view, model, columns, statement); });
        qint64 rawRows = 0;
        const double raw = rawQueryMs(context.church(), rawSql(statement), context.runs, &rawRows);
        if (rawRows != rows)
            throw std::runtime_error(
                QStringLiteral("%1 found %2 rows but plain SQLite %3").arg(op).arg(rows).arg(rawRows).toStdString());
        context.add({ op, QStringLiteral("%1 rows").arg(rows), ms, raw });
    }

} // namespace

void addNavigatorRows(BenchContext& context)
{
    Session session(context, Session::Login::None);
    Database* db = &session.db();
    {
        findRow(context, QStringLiteral("member navigator: Find, no criteria"), navigators::memberGridColumns(),
            navigators::memberSearch({}));
        navigators::MemberCriteria name;
        name.name = QStringLiteral("son");
        findRow(context, QStringLiteral("member navigator: Find, name \"son\""), navigators::memberGridColumns(),
            navigators::memberSearch(name));
        navigators::MemberCriteria month;
        month.monthIndex = 2;
        findRow(context, QStringLiteral("member navigator: Find, DOB/Anniv March"), navigators::memberGridColumns(),
            navigators::memberSearch(month));

        const QDate lastContact = db->scalar(QStringLiteral("SELECT MAX(Contact_Date) FROM Prospect_Contact")).toDate();
        navigators::ProspectCriteria previous;
        previous.previousContact = true;
        previous.previousContactFirst = lastContact.addYears(-1);
        previous.previousContactLast = lastContact;
        findRow(context, QStringLiteral("prospect navigator: Find, previous contact in a year"),
            navigators::prospectGridColumns(), navigators::prospectSearch(previous));

        // A change of the current prospect row: that prospect's contacts.
        const qint64 prospect = db->scalar(QStringLiteral("SELECT Prospect_ID FROM Prospect_Contact GROUP BY "
                                                          "Prospect_ID ORDER BY COUNT(*) DESC LIMIT 1"))
                                    .toLongLong();
        {
            ResultModel model;
            QTableView view;
            setupResultGrid(&view, &model);
            const SearchStatement contacts = navigators::contactsOf(prospect);
            int rows = 0;
            const double ms
                = medianMs(context.runs, [&] { rows = fill(view, model, navigators::contactGridColumns(), contacts); });
            context.add({ QStringLiteral("prospect navigator: contacts of the current row"),
                QStringLiteral("%1 contacts").arg(rows), ms,
                rawQueryMs(context.church(), rawSql(contacts), context.runs) });
        }

        // The whole church in the grid, sorted by a column and written out.
        ResultModel model;
        QTableView view;
        setupResultGrid(&view, &model);
        const int rows = fill(view, model, navigators::memberGridColumns(), navigators::memberSearch({}));
        const QString people = QStringLiteral("%1 rows").arg(rows);
        int column = 0;
        const double sort = medianMs(context.runs, [&] {
            // Name, then address: each run sorts a column it is not sorted by.
            model.sort(column++ % 2 ? 7 : 1, Qt::AscendingOrder);
        });
        context.add({ QStringLiteral("result grid: sort by a text column"), people, sort, -1 });
        const QString path = QDir(context.workDir).filePath(QStringLiteral("members.csv"));
        const double csv = medianMs(context.runs, [&] { writeCsv(&view, path); });
        context.add({ QStringLiteral("result grid: export to CSV"), people, csv, -1 });
    }
}

} // namespace pw::bench
