#pragma once

// The one form in which the program shows a date, wherever it shows one:
// date boxes, result grids, reports and exported files. It is the desktop
// locale's short date with the year written in full (a birth year of 1925
// and one of 2025 must not look alike); under the POSIX ("C") locale, which
// has no date customs of its own, it is US English: 3/14/1961.
//
// Typed dates are read in the same order of day, month and year.

#include <QDate>
#include <QLocale>
#include <QString>

namespace pw::formats {

// The locale dates are written in (US English in place of the C locale).
QLocale dateLocale();
// Its short date format with a four-digit year, e.g. "M/d/yyyy".
QString dateFormat();
// A day in that form; empty for an invalid date.
QString dateText(const QDate& day);

// What a two-digit year typed into a date box stands for.
enum class TwoDigitYears {
    Nearest, // the year of that ending nearest to today's ("61" in 2026 is 2061)
    Past, // the latest year of that ending not after today's: for birth dates ("61" in 2026 is 1961)
};

// A date as a secretary types it, in the order of dateFormat(): the parts
// separated by "/", "-", "." or blanks ("3/14/1961", "3-14-61"), or digits
// alone, two for the day and the month and two or four for the year
// ("03141961", "031461"). Two-digit years follow the rule, counted from today.
// An invalid date for anything else or a day that does not exist.
QDate parseTypedDate(const QString& typed, const QDate& today, TwoDigitYears years);

} // namespace pw::formats
