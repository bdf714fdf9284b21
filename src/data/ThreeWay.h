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

// What a save of one row by these rules did; Row is how the caller holds a
// row.
template <class Row> struct Outcome {
    enum class Result {
        Saved,
        Conflicts, // OnConflict::Report found conflicts: nothing was written
        Gone, // the row no longer exists: nothing was written
    };
    Result result = Result::Saved;
    QStringList written; // columns written
    QStringList keptTheirs; // columns left with the other workstation's change
    std::vector<Conflict> conflicts; // every conflict found, whatever was chosen
    Row stored; // the row as the save found it

    // Takes the merge's columns and conflicts; false, with Result::Conflicts,
    // when the merge refused the save.
    bool take(Merge merged)
    {
        written = std::move(merged.written);
        keptTheirs = std::move(merged.keptTheirs);
        conflicts = std::move(merged.conflicts);
        if (merged.refused)
            result = Result::Conflicts;
        return !merged.refused;
    }
};

// One field of a record of type T, under the name its conflicts carry: its
// value to compare, and how to copy it from one record to another.
template <class T> struct Field {
    QString name;
    std::function<QVariant(const T&)> value;
    std::function<void(T& to, const T& from)> copy;
};

// The field that is this member of T, compared as QVariant::fromValue holds it.
template <class T, class V> Field<T> field(const QString& name, V T::*member)
{
    return Field<T> { name, [member](const T& record) { return QVariant::fromValue(record.*member); },
        [member](T& to, const T& from) { to.*member = from.*member; } };
}

// Merges three versions of a record field by field, by the rules above, and
// makes mine the record to write: each field left with the other
// workstation's value is copied from theirs.
template <class T>
Merge mergeRecord(const std::vector<Field<T>>& fields, const T& loaded, T& mine, const T& theirs, OnConflict onConflict)
{
    QStringList names;
    for (const Field<T>& f : fields)
        names.append(f.name);
    const auto named = [&](const QString& name) -> const Field<T>& { return fields.at(names.indexOf(name)); };
    Merge merged = merge(
        names,
        [&](const QString& name) {
            const Field<T>& f = named(name);
            return Versions { f.value(loaded), f.value(mine), f.value(theirs) };
        },
        onConflict);
    for (const QString& name : merged.keptTheirs)
        named(name).copy(mine, theirs);
    return merged;
}

} // namespace pw::threeway
