#pragma once

// Helpers for writing SQL that keeps its meaning on every engine we support.
// Everything specific to one engine (SQLite today) lives in Sql.cpp.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/Database.h"

class QSqlDatabase;

namespace pw::sql {

// "column = ?" comparing text without regard to letter case, in every alphabet.
QString textEquals(const QString& column);
// The same between two columns ("column = other"), for joins.
QString textEqualsColumn(const QString& column, const QString& other);
// A condition that holds for every row whose column (or indexed expression
// such as "lower(Email)"), trimmed, equals text without regard to letter
// case, and that an index on it can serve where the engine allows (on a
// file: one range of the index for each way of writing the first letters
// in upper and lower case, and the values that start with a blank). It may
// hold for a few other rows too: the caller compares what it reads. Appends
// the values to bind to params.
QString textEqualsTrimmedCandidates(const QString& column, const QString& text, QVariantList& params);
// True when column contains the bound text anywhere, ignoring letter case.
QString textContains(const QString& column);
// An ORDER BY term that sorts text without regard to letter case.
QString orderText(const QString& column);
// The order people are listed in everywhere: last, first and middle name,
// each without regard to letter case. With a table, the columns are that
// table's ("Member" gives "Member.Last_Name ...").
QString orderByName(const QString& table = QString());
// The engine's own key of a row in a table without a key column (rows of
// Family_Connection and Member_Responsibility), for deleting exactly the rows
// that were counted.
QString rowKey();
// Suffix that makes an INSERT return the new row's key.
QString returningId(const QString& keyColumn = QStringLiteral("ID"));
// Suffix that makes a SELECT take the write lock of the rows it reads until
// the transaction ends, waiting for another workstation's change of them to
// end first: what a save then reads is what it writes over.
QString lockingRows(const Database& db);
// The statement that takes the lock every other writer of a table waits for
// until the transaction ends (readers go on); empty where the transaction
// holds the whole file's write lock from its start.
QString lockingTable(const Database& db, const QString& table);

// The whole days from the ISO date in column to a date bound as its one
// value (0 on that day, 1 the day before), for sorting rows into weeks.
QString daysBefore(const QString& column);

// Values as they are bound. Text is never Null (an empty box is stored as
// empty text); a missing date or number is Null.
QVariant text(const QString& value);
QVariant date(const QDate& value);
QVariant dateTime(const QDateTime& value);
QVariant id(qint64 value); // 0 or less is Null
QVariant yesNo(bool value);

// Values as they are read back.
QString toText(const QVariant& value); // Null gives empty text
QDate toDate(const QVariant& value); // Null or unreadable gives an invalid date
QDateTime toDateTime(const QVariant& value);
qint64 toId(const QVariant& value); // Null gives 0
bool toYesNo(const QVariant& value);

// Case-insensitive text comparison and containment, the same rules the
// database applies, for code that compares outside SQL.
int compareText(const QString& a, const QString& b);
bool containsText(const QString& haystack, const QString& needle);
// A key that is the same for two texts exactly when textEquals() finds them
// equal, for columns that must be unique without regard to letter case.
QString equalityKey(const QString& text);
// A key that sorts texts as orderText() orders them in SQL when two keys are
// compared plainly (QString::compare). Long lists are sorted in the program
// with these instead of by the engine calling back for every comparison.
QString sortKey(const QString& text);
// Appends sortKey(text) to key, without a copy for plain ASCII text.
void appendSortKey(QString& key, const QString& text);

// A list of identifiers bound as ONE value, however long the list is: the
// condition "column IN (...)" over the list, with one "?" placeholder, and the
// value to bind there. Engines limit the number of placeholders in one
// statement (SQLite to 32766), so a list is never spread over many of them.
// An identifier that matches no row simply selects nothing.
QString inIdList(const QString& column);
QVariant idList(const QList<qint64>& ids);

// Pattern search with the user's wildcards: "*" stands for any run of
// characters (none included), "?" for any one character, and every other
// character, "%", "_" and the apostrophe included, for itself. Letter case is
// ignored in every alphabet. textMatches gives the condition with one "?"
// placeholder; bind the value made by wildcardPattern (the whole column must
// match) or containsPattern (the typed text anywhere in the column). A Null
// column matches nothing.
QString textMatches(const QString& column);
QVariant wildcardPattern(const QString& pattern);
QVariant containsPattern(const QString& typed);
// The same match outside SQL.
bool matchesWildcards(const QString& text, const QString& pattern);

// The month (1 to 12) of a date column as a whole number; Null for Null.
QString monthOf(const QString& column);

// Called once for every new connection: installs the functions and the
// collation that the helpers above refer to.
void installFunctions(const QSqlDatabase& db);

// The engine the helpers above write for: the engine of the database opened
// last. The few helpers whose text differs between engines follow it; the
// others write the same text for both, whose names each engine provides
// (SQLite through installFunctions, a server through its schema).
void setEngine(Database::Engine engine);
Database::Engine engine();

} // namespace pw::sql
