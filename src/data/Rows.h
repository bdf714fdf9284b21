#pragma once

// One row of a small table (a class, a care group, a responsibility, an
// account, the church), described once by its columns, read into and written
// from a map of column name to value. Saving an edited row follows the rule
// the member screen's save follows: only what this user changed since the
// row was loaded is written, and a column that another workstation changed
// meanwhile to something else is a conflict the user decides.

#include "data/ThreeWay.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>
#include <functional>
#include <optional>
#include <vector>

namespace pw {

class Database;

namespace rows {

    // How a column is stored.
    enum class Kind {
        Text, // never Null: an empty box is stored as empty text
        Id, // a link to another row: Null when 0
        Number, // a number, Null when not given
    };

    struct Column {
        QString name;
        Kind kind = Kind::Text;
    };

    // Column name to value, as bound: Text never Null, Id Null for 0.
    using Values = QVariantMap;

    struct Table {
        QString name; // as written in SQL ("\"User\"" where quoting is needed)
        QString key; // the key column ("ID"), or "rowid" for a table without one
        QVector<Column> columns; // the columns the program reads and writes, key excluded
        // How messages name one row ("the class \"Adults\""), from the row as
        // the screen loaded it; "row KEY of NAME" when not given.
        std::function<QString(Database&, const Values& loaded)> record = {};
    };

    // Takes the write lock of one row for the rest of the caller's
    // transaction, before the row is read to be merged and written: on a
    // server, a change another workstation commits while this one waits is
    // then read, not written over. (A file's transaction holds the whole
    // file's lock from its start, so there it does nothing.) When the other
    // workstation holds the row longer than the lock wait, throws DbError of
    // kind Locked whose message names the record (record() gives "the person
    // \"Hale, Henry\"", read before the wait) and keeps the engine's report as
    // its detail.
    void lockRow(Database& db, const QString& table, const QString& keyColumn, const QVariant& key,
        const std::function<QString()>& record);

    // For a job that reads rows to decide what it writes (an import's
    // duplicate check, a merge, a code that must not be in use yet): takes,
    // at the start of the caller's transaction and before anything is read,
    // the lock that every other writer of the table waits for until that
    // transaction ends; readers go on. A second workstation or process
    // running the same job at the same time therefore reads only after this
    // one has committed, and finds what it wrote. (A file's transaction
    // holds the whole file's write lock from its start.) When the wait for
    // the lock gives up, throws DbError of kind Locked saying that another
    // program or workstation is changing what ("the people").
    void lockTable(Database& db, const QString& table, const QString& what);

    // The value as it is stored for that kind of column.
    QVariant stored(Kind kind, const QVariant& value);
    // Every column of the table with its stored value from values (missing
    // ones as empty text or Null).
    Values normalised(const Table& table, const Values& values);

    // What a screen saves: a column whose control still shows what it showed
    // when the row was loaded (shown) keeps the value as it was stored
    // (stored), so a value the screen could not show exactly is never
    // rewritten; a column the user changed takes the control's value (now).
    Values edited(const Values& stored, const Values& shown, const Values& now);

    // The row with this key, or nothing when there is none.
    std::optional<Values> load(Database& db, const Table& table, const QVariant& key);

    // Adds a row with every column and returns its key.
    qint64 insert(Database& db, const Table& table, const Values& values);

    using OnConflict = threeway::OnConflict;
    using Conflict = threeway::Conflict;

    using Outcome = threeway::Outcome<Values>;

    // Saves mine over the row with this key, as it was loaded (loaded), column
    // by column: only mine changed, or both changed alike: written; neither:
    // left as it is; only theirs changed: left; both changed differently: a
    // conflict, handled as onConflict says. The row is locked (lockRow), read
    // again and written in one transaction (joining the caller's when there
    // is one). Columns missing from mine are not written.
    Outcome saveEdited(
        Database& db, const Table& table, const QVariant& key, const Values& loaded, const Values& mine, OnConflict);

} // namespace rows
} // namespace pw
