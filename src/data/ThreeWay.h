#pragma once

// Saving a row that another workstation may have changed since it was
// loaded: each column is compared in three versions, as loaded, as the user
// left it (mine) and as the row is now (theirs).
//
// - only mine changed, or both to the same value: written;
// - only theirs changed, or neither: left as it is (a value this user did
//   not change is never written, so nothing read earlier can undo another
//   workstation's change);
// - both changed to different values: a conflict, settled by OnConflict.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace pw::threeway {

enum class OnConflict {
    Report, // nothing is written; the conflicts are returned so the user can choose
    KeepTheirs, // conflicting columns keep the other workstation's values
    KeepMine, // conflicting columns get this user's values
};

struct Conflict {
    QString column;
    QVariant loaded; // values as they are bound (Null, text, number)
    QVariant mine;
    QVariant theirs;
};

struct Versions {
    QVariant loaded;
    QVariant mine;
    QVariant theirs;
};

struct Merge {
    bool refused = false; // OnConflict::Report found conflicts: write nothing
    QStringList written; // columns to write (empty when refused)
    QStringList keptTheirs; // columns left with the other workstation's change
    std::vector<Conflict> conflicts; // every conflict found, whatever was chosen
};

// Null differs from every value, empty text included.
bool sameValue(const QVariant& a, const QVariant& b);

// Sorts the columns by the rules above; versions gives a column's three
// values, same tells whether two values are equal (sameValue unless given).
using Same = std::function<bool(const QVariant&, const QVariant&)>;
Merge merge(const QStringList& columns, const std::function<Versions(const QString& column)>& versions,
    OnConflict onConflict, const Same& same = sameValue);

} // namespace pw::threeway
