#pragma once

// The one home of the forms in which the program shows a person's name,
// both as C++ text and as the SQL term that builds the same text in a query.

#include <QString>

namespace pw {

// A person as pick lists and grids show them: last name, ", ", first name,
// " ", middle name, exactly so joined (an empty middle name leaves the
// trailing blank, which keeps every list text of one shape).
QString personName(const QString& last, const QString& first, const QString& middle);
// The same appended to out, for lists that build many texts without a
// string each; with a title, personNameWithTitle.
void appendPersonName(QString& out, const QString& last, const QString& first, const QString& middle);
void appendPersonName(
    QString& out, const QString& last, const QString& first, const QString& middle, const QString& title);
// The same followed by " " and the title, as the member screen and the report
// launchers show people.
QString personNameWithTitle(const QString& last, const QString& first, const QString& middle, const QString& title);
// "Last, First", as leaders and deacons are shown; a missing part adds nothing.
QString leaderName(const QString& last, const QString& first);

// A person as a message, a question, the status line or a printed list names
// them: "Last, First Middle Title" with each part trimmed and missing parts
// left out together with their separator ("Hale", "Helen", "Hale, Helen Mrs.").
QString displayName(const QString& last, const QString& first, const QString& middle = {}, const QString& title = {});

namespace sql {

    // Which parts a name term joins after "Last, First".
    enum class NameParts { LastFirst, WithMiddle, WithTitle };

    // The SQL term that builds leaderName / personName / personNameWithTitle
    // of the Member row under this table name or alias; a Null part counts as
    // empty, so a missing person (an outer join) gives the bare separators.
    QString nameTerm(const QString& table, NameParts parts);

} // namespace sql

} // namespace pw
