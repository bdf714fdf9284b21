#include "data/Phases.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Phases)
};
} // namespace

namespace pw::Phases {

namespace {

    double numberOf(const QString& text)
    {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        return ok ? value : 0.0;
    }

    // A whole number of 0 or more written with digits only; nothing otherwise.
    std::optional<qint64> wholeNumber(const QString& text)
    {
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        const QString t = text.trimmed();
        if (!digits.match(t).hasMatch())
            return std::nullopt;
        bool ok = false;
        const qint64 value = t.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return value;
    }

    bool sameName(const QString& a, const QString& b) { return sql::compareText(a, b) == 0; }

    Problem problem(const QString& text, const char* title, int row, Field field)
    {
        return Problem { text, Tr::tr(title), row, field };
    }

    const char* const kRequired = QT_TRANSLATE_NOOP("Phases", "Required Fields");
    const char* const kInvalidEntry = QT_TRANSLATE_NOOP("Phases", "Invalid Entry");
    const char* const kInvalidSelection = QT_TRANSLATE_NOOP("Phases", "Invalid Selection");

} // namespace

double PhaseRow::orderValue() const { return numberOf(order); }

double PhaseRow::weeksValue() const { return numberOf(timePeriod); }

std::vector<PhaseRow> load(Database& db)
{
    std::vector<PhaseRow> rows;
    db.forEach(
        QStringLiteral("SELECT PhaseOrder, Phase, Action, TimePeriod, %1 FROM Outreach_Phase").arg(sql::rowKey()), {},
        [&rows](const QSqlQuery& q) {
            PhaseRow r;
            r.order = sql::toText(q.value(0));
            r.name = sql::toText(q.value(1));
            r.action = sql::toText(q.value(2));
            r.timePeriod = sql::toText(q.value(3));
            r.loadedName = r.name;
            r.key = sql::toId(q.value(4));
            rows.push_back(std::move(r));
        });
    // Sorted here rather than by the engine so that a Null order counts as 0
    // and ties always fall the same way, whatever order the engine reads in.
    std::stable_sort(rows.begin(), rows.end(), [](const PhaseRow& a, const PhaseRow& b) {
        const double oa = a.orderValue();
        const double ob = b.orderValue();
        if (oa != ob)
            return oa < ob;
        const int byName = sql::compareText(a.name, b.name);
        if (byName != 0)
            return byName < 0;
        if (a.name != b.name)
            return a.name < b.name;
        if (a.action != b.action)
            return a.action < b.action;
        return a.weeksValue() < b.weeksValue();
    });
    return rows;
}

QStringList names(Database& db)
{
    QStringList out;
    for (const PhaseRow& r : load(db))
        out.append(r.name);
    return out;
}

int prospectCount(Database& db, const QString& phase)
{
    if (phase.isEmpty())
        return 0;
    return db
        .scalar(
            QStringLiteral("SELECT COUNT(*) FROM Member WHERE ") + sql::textEquals(QStringLiteral("Prospect_Phase")),
            { phase })
        .toInt();
}

std::optional<Problem> checkRow(
    const std::vector<PhaseRow>& table, int index, const PhaseRow& row, const QStringList& actions)
{
    const QString name = row.name.trimmed();
    if (name.isEmpty())
        return problem(Tr::tr("Name is Required."), kRequired, index, Field::Name);

    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        if (i != index && sameName(table[i].name.trimmed(), name))
            return problem(Tr::tr("There is already a phase named \"%1\". Each phase needs a name of its own, "
                                  "whatever the letter case.")
                               .arg(table[i].name.trimmed()),
                kInvalidEntry, index, Field::Name);
    }

    const std::optional<qint64> order = wholeNumber(row.order);
    if (!order)
        return problem(Tr::tr("Order must be a whole number of 0 or more."), kInvalidEntry, index, Field::Order);
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        if (i != index && wholeNumber(table[i].order) == order)
            return problem(Tr::tr("The phase \"%1\" already has the order %2. Each phase needs an order of its "
                                  "own.")
                               .arg(table[i].name.trimmed())
                               .arg(*order),
                kInvalidEntry, index, Field::Order);
    }

    if (row.action.isEmpty())
        return problem(Tr::tr("Action is Required."), kRequired, index, Field::Action);
    if (!actions.contains(row.action))
        return problem(
            Tr::tr("\"%1\" is not one of the contact actions. Choose an Action from the list.").arg(row.action),
            kInvalidSelection, index, Field::Action);

    const std::optional<qint64> weeks = wholeNumber(row.timePeriod);
    if (!weeks || *weeks > MaxWeeks)
        return problem(Tr::tr("Time Period must be a whole number of weeks from 0 to %1.").arg(MaxWeeks), kInvalidEntry,
            index, Field::TimePeriod);

    return std::nullopt;
}

std::optional<Problem> check(const std::vector<PhaseRow>& table, const QStringList& actions)
{
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        if (std::optional<Problem> p = checkRow(table, i, table[i], actions))
            return p;
    }
    return std::nullopt;
}

int save(Database& db, const std::vector<PhaseRow>& rows)
{
    Transaction tx(db);
    const QStringList actions = db.texts(QStringLiteral("SELECT Action FROM Prospect_Action"));
    if (const std::optional<Problem> p = check(rows, actions))
        throw Error(p->text);

    // Each row's name as stored now: another workstation may have renamed it
    // (and moved its people) since this table was read.
    QHash<qint64, QString> storedNames;
    for (const PhaseRow& r : load(db))
        storedNames.insert(r.key, r.name);
    std::vector<QString> from(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        from[i] = storedNames.value(rows[i].key, rows[i].loadedName);

    // The people of each renamed phase, found before anything is written, so
    // that two phases trading names do not end up merged. Rows read under
    // names equal but for letter case form one group: people match such a
    // phase without regard to case. A group moves only when none of its rows
    // kept the stored name; then it follows its first row.
    struct Move {
        QList<qint64> people;
        QString to;
    };
    std::vector<Move> moves;
    std::vector<bool> handled(rows.size(), false);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (handled[i] || from[i].isEmpty())
            continue;
        bool kept = false;
        for (size_t j = i; j < rows.size(); ++j) {
            if (!from[j].isEmpty() && sameName(from[j], from[i])) {
                handled[j] = true;
                kept = kept || rows[j].name == from[j];
            }
        }
        if (kept)
            continue;
        Move m;
        m.to = rows[i].name;
        m.people
            = db.ids(QStringLiteral("SELECT ID FROM Member WHERE ") + sql::textEquals(QStringLiteral("Prospect_Phase")),
                { from[i] });
        if (!m.people.isEmpty())
            moves.push_back(std::move(m));
    }

    // Each phase stays in its stored row; a row gone meanwhile is added again.
    QSet<qint64> keep;
    for (const PhaseRow& r : rows)
        if (storedNames.contains(r.key))
            keep.insert(r.key);
    for (auto it = storedNames.cbegin(); it != storedNames.cend(); ++it)
        if (!keep.contains(it.key()))
            db.exec(QStringLiteral("DELETE FROM Outreach_Phase WHERE %1 = ?").arg(sql::rowKey()), { it.key() });
    Statement update(db,
        QStringLiteral("UPDATE Outreach_Phase SET PhaseOrder = ?, Phase = ?, Action = ?, TimePeriod = ? WHERE %1 = ?")
            .arg(sql::rowKey()));
    Statement insert(
        db, QStringLiteral("INSERT INTO Outreach_Phase (PhaseOrder, Phase, Action, TimePeriod) VALUES (?, ?, ?, ?)"));
    for (const PhaseRow& r : rows) {
        const QVariantList values = { r.order.trimmed().toLongLong(), sql::text(r.name), sql::text(r.action),
            r.timePeriod.trimmed().toLongLong() };
        if (keep.contains(r.key))
            update.run(values + QVariantList { r.key });
        else
            insert.run(values);
    }

    int renamed = 0;
    for (const Move& m : moves)
        renamed += db.execChange(
            QStringLiteral("UPDATE Member SET Prospect_Phase = ? WHERE ") + sql::inIdList(QStringLiteral("ID")),
            { m.to, sql::idList(m.people) });

    tx.commit();
    return renamed;
}

} // namespace pw::Phases
