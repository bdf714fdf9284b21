#pragma once

// Values of a spreadsheet's cells read as a person's fields: dates in the
// usual written forms, yes/no words, the program's fixed lists and the
// relationship words of a family column.

#include <QDate>
#include <QString>

namespace pw::people {

// A date written as "1950-03-05", "3/5/1950", "3/5/50" (month first, unless
// the first number cannot be a month), "05.03.1950" (day first), "March 5,
// 1950", "5 March 1950", "5-Mar-1950" or "19500305"; a time after it is left
// out. A two-digit year is the latest such year not after today. Invalid when
// the text is none of these or not a day of the calendar.
QDate readDate(const QString& text, const QDate& today);

// "yes", "y", "true", "x", "1" and the like, or "no", "n", "false", "0", "".
// False with *ok false for other text.
bool readYesNo(const QString& text, bool* ok);

// The program's own spelling of a gender ("M", "man" -> "Male") or marital
// status ("married" -> "Married"); empty when the text is none of them.
QString readGender(const QString& text);
QString readMaritalStatus(const QString& text);

// A relationship cell: whether it names the head of the household ("Head",
// "Self"), and otherwise the relationship to the head, "Spouse" and "Child"
// made "Wife"/"Husband" and "Son"/"Daughter" when the gender is known.
struct RelationshipCell {
    bool head = false;
    QString relationship;
};
RelationshipCell readRelationship(const QString& text, const QString& gender);

} // namespace pw::people
