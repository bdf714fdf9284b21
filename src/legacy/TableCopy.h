#pragma once

// The copy of one table of the older program's file into the new database:
// its export read row by row, each value converted and checked, links to
// tables copied before it looked up, passwords hashed and pictures looked
// for. What the copy learns (problems, missing and extra columns, the
// keys later tables point at) goes into the import's result.

#include "legacy/Importer.h"
#include "legacy/LegacyTables.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariantList>
#include <QVector>
#include <optional>
#include <utility>
#include <vector>

namespace pw {
class Database;
}

namespace pw::legacy {

class JetCsv;

// The message of an import refused because the file is not the older
// program's database.
QString notTheOlderProgram(const QString& file, const QString& why);

// Copies one table; everything the copy learns goes into result and keys.
class TableCopy {
public:
    TableCopy(
        const TableDef& def, ImportResult& result, QHash<QString, QSet<qint64>>& keys, const QString& pictureFolder);

    // Reads the export, stores every row it can and returns the number of
    // rows read. exact holds the table's dates as the file holds them,
    // where they could be read so.
    qint64 run(Database& db, const QString& oldFile, const QByteArray& exported, std::optional<JetDates> exact);

    qint64 notStored() const { return m_notStored; }

private:
    void mapColumns(const QString& oldFile, const QStringList& header);
    int presentIndex(const QString& column) const;
    QString rowName(const JetCsv& csv) const;
    void reject(const JetCsv& csv, const QString& what, bool leftOut = false);
    // The date as the file holds it, where the library read it. Where the
    // export printed a date it could, both must agree: rows that came in
    // another order would otherwise take each other's dates.
    Value exactDate(const JetCsv& csv, qint64 row, int p, Kind kind, const Value& printed) const;
    // Fills values for the row; false (and the row listed with every
    // problem it has) when it cannot be stored.
    bool storeRow(const JetCsv& csv, qint64 row, QVariantList& values);
    void protectPassword(const JetCsv& csv, QVariant& value);
    void checkPicture(const QVariant& value);

    struct Required {
        int present;
        QString key;
        LinkDef link;
    };

    const TableDef& m_def;
    ImportResult& m_result;
    QHash<QString, QSet<qint64>>& m_keys;
    QString m_pictureFolder;
    std::vector<int> m_fieldOf; // column of the table -> field of the export, or -1
    QList<int> m_present; // columns of the table the export has, in table order
    std::optional<JetDates> m_exact;
    QVector<int> m_exactAt; // per present column: its column in m_exact, or -1
    QList<Required> m_required;
    QList<std::pair<int, QString>> m_collect;
    int m_passwordAt = -1;
    int m_pictureAt = -1;
    int m_keyAt = -1;
    QSet<QString> m_seenKeys;
    qint64 m_notStored = 0;
};

} // namespace pw::legacy
