#include "legacy/TableCopy.h"

#include "data/Database.h"
#include "data/Passwords.h"
#include "legacy/JetCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(TableCopy)
};
} // namespace

namespace pw::legacy {

namespace {

    QString linkKey(const QString& table, const QString& column) { return table + QLatin1Char('.') + column; }

    // The columns that required links point at; their values are collected
    // while their tables are copied.
    QSet<QString> collectedColumns()
    {
        QSet<QString> out;
        for (const TableDef& t : tableDefs())
            for (const LinkDef& l : t.requiredLinks)
                out.insert(linkKey(l.table, l.targetColumn));
        return out;
    }

    // The file name a Picture value names, also when the old program kept a path.
    QString pictureFileName(const QString& value)
    {
        const int cut = qMax(value.lastIndexOf(QLatin1Char('/')), value.lastIndexOf(QLatin1Char('\\')));
        return value.mid(cut + 1);
    }

} // namespace

QString notTheOlderProgram(const QString& file, const QString& why)
{
    return Tr::tr("The file \"%1\" is not a database of the older membership program: %2; nothing was "
                  "imported.")
        .arg(file, why);
}

TableCopy::TableCopy(
    const TableDef& def, ImportResult& result, QHash<QString, QSet<qint64>>& keys, const QString& pictureFolder)
    : m_def(def)
    , m_result(result)
    , m_keys(keys)
    , m_pictureFolder(pictureFolder)
{
}

qint64 TableCopy::run(Database& db, const QString& oldFile, const QByteArray& exported, std::optional<JetDates> exact)
{
    m_exact = std::move(exact);
    std::unique_ptr<JetCsv> csv;
    try {
        csv = std::make_unique<JetCsv>(exported);
    } catch (const ImportError& e) {
        throw ImportError(Tr::tr("The file \"%1\" is damaged: table %2 cannot be read (%3); nothing "
                                 "was imported.")
                              .arg(oldFile, m_def.name, e.text()));
    }
    if (csv->readAsWindows1252())
        m_result.readAsWindows1252 = true;
    mapColumns(oldFile, csv->header());

    if (m_def.replacesSeed)
        db.exec(QStringLiteral("DELETE FROM ") + sqlName(m_def.name));

    QStringList names;
    QStringList marks;
    for (int c : m_present) {
        names.append(sqlName(m_def.columns[c].name));
        marks.append(QStringLiteral("?"));
    }
    Statement insert(db,
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(sqlName(m_def.name), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));

    qint64 read = 0;
    QVariantList values;
    try {
        while (csv->next()) {
            if (storeRow(*csv, read++, values))
                insert.run(values);
        }
        if (m_exact && m_exact->rows.size() != read)
            throw ImportError(
                Tr::tr("mdbtools' library reads %1 rows, its export %2").arg(m_exact->rows.size()).arg(read));
    } catch (const ImportError& e) {
        throw ImportError(Tr::tr("The file \"%1\" is damaged: table %2 cannot be read (%3); nothing "
                                 "was imported.")
                              .arg(oldFile, m_def.name, e.text()));
    }
    return read;
}

void TableCopy::mapColumns(const QString& oldFile, const QStringList& header)
{
    QHash<QString, int> byName;
    for (int i = 0; i < static_cast<int>(m_def.columns.size()); ++i)
        byName.insert(matchName(m_def.columns[i].name), i);
    m_fieldOf.assign(m_def.columns.size(), -1);
    for (int f = 0; f < header.size(); ++f) {
        const int c = byName.value(matchName(header.at(f)), -1);
        if (c < 0 || m_fieldOf[c] >= 0) {
            m_result.extraColumns.append(m_def.name + QLatin1Char('.') + header.at(f).trimmed());
            continue;
        }
        m_fieldOf[c] = f;
    }
    m_present.clear();
    for (int c = 0; c < static_cast<int>(m_def.columns.size()); ++c) {
        const ColumnDef& column = m_def.columns[c];
        if (m_fieldOf[c] >= 0) {
            m_present.append(c);
            if (column.kind == Kind::Password)
                m_passwordAt = m_present.size() - 1;
            if (column.name == QLatin1String("Picture") && m_def.name == QLatin1String("Member"))
                m_pictureAt = m_present.size() - 1;
            if (m_def.key == column.name)
                m_keyAt = m_present.size() - 1;
            continue;
        }
        if (column.required)
            throw ImportError(
                notTheOlderProgram(oldFile, Tr::tr("its table %1 has no column %2").arg(m_def.name, column.name)));
        m_result.missingColumns.append(m_def.name + QLatin1Char('.') + column.name);
    }
    m_exactAt.fill(-1, m_present.size());
    for (int p = 0; m_exact && p < m_present.size(); ++p) {
        const ColumnDef& column = m_def.columns[m_present[p]];
        if (column.kind != Kind::Date && column.kind != Kind::DateTime)
            continue;
        for (int i = 0; i < m_exact->columns.size(); ++i)
            if (matchName(m_exact->columns.at(i)) == matchName(header.at(m_fieldOf[m_present[p]])))
                m_exactAt[p] = i;
    }
    for (const LinkDef& l : m_def.requiredLinks)
        m_required.append({ presentIndex(l.column), linkKey(l.table, l.targetColumn), l });
    const QSet<QString> collected = collectedColumns();
    for (int p = 0; p < m_present.size(); ++p) {
        const QString key = linkKey(m_def.name, m_def.columns[m_present[p]].name);
        if (collected.contains(key))
            m_collect.append({ p, key });
    }
}

int TableCopy::presentIndex(const QString& column) const
{
    for (int p = 0; p < m_present.size(); ++p)
        if (m_def.columns[m_present[p]].name == column)
            return p;
    return -1;
}

QString TableCopy::rowName(const JetCsv& csv) const
{
    QStringList parts;
    for (const QString& name : m_def.identifying) {
        for (int c = 0; c < static_cast<int>(m_def.columns.size()); ++c) {
            if (m_def.columns[c].name != name || m_fieldOf[c] < 0)
                continue;
            const int f = m_fieldOf[c];
            parts.append(name + QLatin1Char(' ') + (csv.isMissing(f) ? QStringLiteral("(none)") : csv.text(f)));
        }
    }
    return parts.join(QStringLiteral(", "));
}

void TableCopy::reject(const JetCsv& csv, const QString& what, bool leftOut)
{
    ++m_notStored;
    m_result.problems.append({ m_def.name, csv.line(), rowName(csv), what, false, leftOut });
}

Value TableCopy::exactDate(const JetCsv& csv, qint64 row, int p, Kind kind, const Value& printed) const
{
    const QString& column = m_def.columns[m_present[p]].name;
    const std::optional<double> raw
        = row < m_exact->rows.size() ? m_exact->rows.at(row).value(m_exactAt[p]) : std::nullopt;
    const bool missing = csv.isMissing(m_fieldOf[m_present[p]]);
    const Value exact = raw ? convertJetDate(kind, *raw) : Value {};
    if (row >= m_exact->rows.size() || missing != !raw
        || (printed.ok() && exact.ok() && printed.stored != exact.stored))
        throw ImportError(
            Tr::tr("line %1: its export and mdbtools' library read %2 differently").arg(csv.line()).arg(column));
    return raw ? exact : printed;
}

bool TableCopy::storeRow(const JetCsv& csv, qint64 row, QVariantList& values)
{
    values.clear();
    QStringList problems;
    QSet<int> unreadable;
    for (int p = 0; p < m_present.size(); ++p) {
        const ColumnDef& column = m_def.columns[m_present[p]];
        const int f = m_fieldOf[m_present[p]];
        Value v = convert(column.kind, csv.isMissing(f) ? QString() : csv.text(f), csv.isMissing(f));
        if (m_exactAt[p] >= 0)
            v = exactDate(csv, row, p, column.kind, v);
        if (column.trimmed && v.ok() && !v.isNull())
            v.stored = v.stored.toString().trimmed();
        if (!v.ok() || (column.required && v.isNull())) {
            problems.append(
                v.ok() ? Tr::tr("%1 has no value").arg(column.name) : column.name + QStringLiteral(": ") + v.problem);
            unreadable.insert(p);
        }
        values.append(v.stored);
    }
    QStringList missing; // links to rows the file does not have
    for (const Required& r : m_required) {
        if (unreadable.contains(r.present))
            continue;
        const QVariant& v = values.at(r.present);
        const auto known = m_keys.constFind(r.key);
        if (known == m_keys.constEnd() || !known->contains(v.toLongLong()))
            missing.append(Tr::tr("%1 %2 is not in %3").arg(r.link.column, v.toString(), r.link.table));
    }
    if (!problems.isEmpty() || (!missing.isEmpty() && m_def.everyRow)) {
        reject(csv, (problems + missing).join(QStringLiteral("; ")));
        return false;
    }
    if (!missing.isEmpty()) {
        reject(csv, missing.join(QStringLiteral("; ")), true);
        return false;
    }
    if (m_keyAt >= 0) {
        const QString key = values.at(m_keyAt).toString();
        if (m_seenKeys.contains(key)) {
            reject(csv, Tr::tr("a row with %1 %2 was stored already").arg(m_def.key, key));
            return false;
        }
        m_seenKeys.insert(key);
    }
    if (m_passwordAt >= 0)
        protectPassword(csv, values[m_passwordAt]);
    if (m_pictureAt >= 0)
        checkPicture(values.at(m_pictureAt));
    for (const auto& [p, key] : m_collect)
        m_keys[key].insert(values.at(p).toLongLong());
    return true;
}

void TableCopy::protectPassword(const JetCsv& csv, QVariant& value)
{
    const QString plain = value.toString();
    if (passwords::normalised(plain).isEmpty()) {
        // An empty stored value matches no typed password.
        value = QVariant(QStringLiteral(""));
        QString user;
        for (int c = 0; c < static_cast<int>(m_def.columns.size()); ++c)
            if (m_def.columns[c].name == QLatin1String("Username") && m_fieldOf[c] >= 0)
                user = csv.text(m_fieldOf[c]);
        m_result.emptyPasswords.append(user);
        return;
    }
    value = QVariant(passwords::hash(plain));
    ++m_result.passwordsConverted;
}

void TableCopy::checkPicture(const QVariant& value)
{
    const QString name = value.toString();
    if (value.isNull() || name.isEmpty())
        return;
    ++m_result.picturesNamed;
    if (!m_pictureFolder.isEmpty() && !QFileInfo::exists(QDir(m_pictureFolder).filePath(pictureFileName(name))))
        m_result.missingPictures.append(name);
}

} // namespace pw::legacy
