#pragma once

// The pairs of people already in the church that the duplicate rule joins
// (people/Duplicates), for an administrator to merge or to mark as two
// people. A pair marked as not the same person (Member_Not_Duplicate, kept
// in either order) is not offered again.

#include <QDateTime>
#include <QList>
#include <QString>

namespace pw {

class Database;

namespace people {

    struct PossibleDuplicate {
        qint64 first = 0; // the lower identifier: the record entered first
        qint64 second = 0;
        int reasons = 0; // DuplicateReason bits, the rule taken either way round
        QString firstName; // "Hale, Margaret (ID 12)"
        QString secondName;
    };

    // Every such pair over the whole church, each once, ordered by the first
    // person's name (as lists order people), then by identifiers. Reads
    // every person once and matches them in memory.
    QList<PossibleDuplicate> findPossibleDuplicates(Database& db);

    // Records that the two are not one person, by whom and when (stored as
    // UTC). Marking a pair twice keeps one row.
    void markNotDuplicate(Database& db, qint64 a, qint64 b, const QString& by, const QDateTime& when);

} // namespace people

} // namespace pw
