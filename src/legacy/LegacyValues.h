#pragma once

// How one value of the older program's file becomes a stored value.

#include <QString>
#include <QVariant>

namespace pw::legacy {

enum class Kind {
    Text, // missing: empty text, as the older program's screens wrote it
    OptionalText, // missing: Null (a picture, an outreach step not set)
    Integer, // whole number; missing: Null
    Link, // identifier of another row; missing or 0: Null
    Number, // any number; missing: Null
    Date, // ISO date without a time; missing: Null
    DateTime, // ISO date and time; missing: Null
    YesNo, // 0 or 1 (Jet's -1/0, True/False); missing: 0
    Password, // plain text in the old file; missing: empty. Hashed by the importer.
};

struct Value {
    QVariant stored; // invalid QVariant: Null
    QString problem; // why the value cannot be stored; empty when it can

    bool ok() const { return problem.isEmpty(); }
    bool isNull() const { return !stored.isValid() || stored.isNull(); }
};

// The stored value for a field's text. missing: the field had no value at all
// (not even empty quotes).
Value convert(Kind kind, const QString& text, bool missing);

// The stored value (Kind::Date or Kind::DateTime) for a date as Jet holds
// it: days since 1899-12-30, the time of day as the fraction, which counts
// forward from midnight also for days before 1899-12-30 (-1.25 is 1899-12-29
// 06:00). Jet holds 100-01-01 to 9999-12-31.
Value convertJetDate(Kind kind, double days);

} // namespace pw::legacy
