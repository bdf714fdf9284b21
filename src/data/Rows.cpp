#include "data/Rows.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Rows)
};
} // namespace

namespace pw::rows {

namespace {

    bool sameValue(const QVariant& a, const QVariant& b)
    {
        if (a.isNull() || b.isNull())
            return a.isNull() == b.isNull();
        // A number read back as text or as a double is the same number.
        bool okA = false, okB = false;
        const double da = a.toDouble(&okA);
        const double db = b.toDouble(&okB);
        if (okA && okB && a.typeId() != QMetaType::QString && b.typeId() != QMetaType::QString)
            return da == db;
        return a.toString() == b.toString();
    }

    QString columnList(const Table& table)
    {
        QStringList names;
        for (const Column& c : table.columns)
            names.append(c.name);
        return names.join(QStringLiteral(", "));
    }

    const Column* columnOf(const Table& table, const QString& name)
    {
        for (const Column& c : table.columns)
            if (c.name == name)
                return &c;
        return nullptr;
    }

} // namespace

QVariant stored(Kind kind, const QVariant& value)
{
    switch (kind) {
    case Kind::Text:
        return sql::text(value.isNull() ? QString() : value.toString());
    case Kind::Id:
        return sql::id(value.toLongLong());
    case Kind::Number:
        if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty()))
            return QVariant();
        return QVariant(value.toDouble());
    }
    return value;
}

Values normalised(const Table& table, const Values& values)
{
    Values out;
    for (const Column& c : table.columns)
        out.insert(c.name, stored(c.kind, values.value(c.name)));
    return out;
}

Values edited(const Values& stored, const Values& shown, const Values& now)
{
    Values out;
    for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
        const bool untouched = shown.contains(it.key()) && sameValue(shown.value(it.key()), it.value());
        out.insert(it.key(), untouched && stored.contains(it.key()) ? stored.value(it.key()) : it.value());
    }
    return out;
}

std::optional<Values> load(Database& db, const Table& table, const QVariant& key)
{
    QSqlQuery q = db.exec(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(columnList(table), table.name, table.key), { key });
    if (!q.next())
        return std::nullopt;
    Values values;
    for (int i = 0; i < table.columns.size(); ++i)
        values.insert(table.columns.at(i).name, stored(table.columns.at(i).kind, q.value(i)));
    return values;
}

qint64 insert(Database& db, const Table& table, const Values& values)
{
    QStringList marks;
    QVariantList bound;
    for (const Column& c : table.columns) {
        marks.append(QStringLiteral("?"));
        bound.append(stored(c.kind, values.value(c.name)));
    }
    return db.insert(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(table.name, columnList(table), marks.join(QStringLiteral(", ")))
            + sql::returningId(table.key),
        bound);
}

namespace {

    // Runs a statement that takes a lock; a wait for it that gives up says
    // message, with the engine's report as its detail.
    void takeLock(Database& db, const QString& sql, const QVariantList& params, const QString& message)
    {
        try {
            db.exec(sql, params);
        } catch (const DbError& e) {
            if (e.kind() != DbError::Kind::Locked)
                throw;
            throw DbError(DbError::Kind::Locked, message, e.detail());
        }
    }

} // namespace

void lockRow(Database& db, const QString& table, const QString& keyColumn, const QVariant& key,
    const std::function<QString()>& record)
{
    const QString locking = sql::lockingRows(db);
    if (locking.isEmpty())
        return;
    // Named first: once the wait has failed, the transaction reads nothing more.
    const QString name = record();
    takeLock(db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(table, keyColumn) + locking, { key },
        Tr::tr("%1 is in use: another program or workstation is changing it. Wait a moment, then try again.")
            .arg(name.isEmpty() ? name : name.at(0).toUpper() + name.mid(1)));
}

void lockTable(Database& db, const QString& table, const QString& what)
{
    if (!db.inTransaction())
        throw DbError(Tr::tr("The lock of the table %1 was asked for outside a transaction.").arg(table));
    const QString statement = sql::lockingTable(db, table);
    if (!statement.isEmpty())
        takeLock(db, statement, {},
            Tr::tr("Another program or workstation is changing %1 (an import or a merge, for example). Wait "
                   "until it has finished, then try again.")
                .arg(what));
}

Outcome saveEdited(Database& db, const Table& table, const QVariant& key, const Values& loaded, const Values& mine,
    OnConflict onConflict)
{
    Outcome outcome;
    Transaction tx(db);
    lockRow(db, table.name, table.key, key, [&] {
        return table.record ? table.record(db, loaded) : Tr::tr("row %1 of %2").arg(key.toString(), table.name);
    });
    const std::optional<Values> now = load(db, table, key);
    if (!now) {
        outcome.result = Outcome::Result::Gone;
        return outcome;
    }
    outcome.stored = *now;

    QStringList columns;
    for (const Column& c : table.columns)
        if (mine.contains(c.name))
            columns.append(c.name);
    const bool merged = outcome.take(threeway::merge(
        columns,
        [&](const QString& name) {
            const Kind kind = columnOf(table, name)->kind;
            return threeway::Versions { stored(kind, loaded.value(name)), stored(kind, mine.value(name)),
                now->value(name) };
        },
        onConflict, sameValue));
    if (!merged)
        return outcome;
    if (!outcome.written.isEmpty()) {
        QStringList sets;
        QVariantList bound;
        for (const QString& name : outcome.written) {
            sets.append(name + QStringLiteral(" = ?"));
            bound.append(stored(columnOf(table, name)->kind, mine.value(name)));
        }
        bound.append(key);
        db.exec(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(table.name, sets.join(QStringLiteral(", ")), table.key),
            bound);
    }
    tx.commit();
    return outcome;
}

} // namespace rows
