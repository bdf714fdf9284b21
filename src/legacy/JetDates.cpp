// mdbtools' library first: its glib headers must not meet Qt's keywords.
// glib goes before it, as it includes glib inside extern "C", where glib's
// C++ parts do not compile. A libmdb built without glib (the Windows one)
// brings its own small stand-in instead.
#if !__has_include(<mdbfakeglib.h>)
#include <glib.h>
#endif
#include <mdbtools.h>

#include "legacy/JetTools.h"

#include <QFile>
#include <QScopeGuard>

namespace pw::legacy {

// The rows come in the order mdb-export writes them: both walk the table's
// data pages with mdb_fetch_row. A fetched row leaves each column's place in
// the page buffer behind, where an 8-byte date is read as the file holds it.
std::optional<JetDates> ProcessRunner::dates(const QString& file, const QString& table)
{
    MdbHandle* mdb = mdb_open(QFile::encodeName(file).constData(), MDB_NOFLAGS);
    if (!mdb)
        return std::nullopt;
    const auto closeFile = qScopeGuard([mdb] { mdb_close(mdb); });
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        return std::nullopt;
    QByteArray name = table.toUtf8();
    MdbTableDef* definition = mdb_read_table_by_name(mdb, name.data(), MDB_TABLE);
    if (!definition)
        return std::nullopt;
    const auto freeTable = qScopeGuard([definition] { mdb_free_tabledef(definition); });
    if (!mdb_read_columns(definition))
        return std::nullopt;
    mdb_rewind_table(definition);

    JetDates dates;
    QVector<MdbColumn*> columns;
    for (unsigned i = 0; i < definition->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(definition->columns, i));
        if (column->col_type != MDB_DATETIME)
            continue;
        columns.append(column);
        dates.columns.append(QString::fromUtf8(column->name));
    }
    while (mdb_fetch_row(definition)) {
        QVector<std::optional<double>> row;
        row.reserve(columns.size());
        for (const MdbColumn* column : std::as_const(columns)) {
            if (column->cur_value_len < 8)
                row.append(std::nullopt);
            else
                row.append(mdb_get_double(mdb->pg_buf, column->cur_value_start));
        }
        dates.rows.append(row);
    }
    return dates;
}

} // namespace pw::legacy
