#pragma once

// What the navigators' result grids are made of: each column's caption, the
// select term that feeds it and the rule that turns the value into its cell.
// The search statements select exactly these terms, so one query fills a grid.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace pw {
class ResultModel;
}

namespace pw::navigators {

// A statement with its values, bound in order to its "?" placeholders.
struct SearchStatement {
    QString sql;
    QVariantList values;
};

enum class Cell {
    Text, // the value as it is; Null shows as an empty cell
    Phone, // stored digits in the phone form, "(615) 555-0142"
    Date, // a stored day in the date form
};

struct GridColumn {
    QString caption; // in English, translated where shown (context "SearchGrid")
    QString term; // the select-list term
    Cell cell = Cell::Text;
};

QStringList captions(const std::vector<GridColumn>& columns);
// "term, term, ..." for the select list.
QString selectList(const std::vector<GridColumn>& columns);

// Pieces joined with their separators, each Null piece counting as empty:
// "Smith" ", " "John" " " Null gives "Smith, John ".
QString joinedTerm(const QStringList& pieces);

// The select term of the grids' address: "Address 1, Address 2, City, State
// Zip" with the parts that are empty or blank left out together with their
// separators ("12 Oak Street, Franklin, TN 37064").
QString addressTerm(const QString& table);

// A stored phone in the program's one phone form (widgets/Phone.h).
QString phoneCell(const QString& stored);
// A stored day in the program's one date form (widgets/Formats.h); a stored time
// of day other than midnight is added in short form. Empty for Null or
// unreadable values.
QString dateCell(const QString& stored);

// Runs the statement, which selects the columns' terms, and fills the model
// with its rows in query order. Date cells sort by their stored value.
void runSearch(ResultModel& model, const std::vector<GridColumn>& columns, const SearchStatement& statement);

// Builds "WHERE a AND b ..." from the active criteria, in the order they are
// added; an empty text when none is active.
class Conditions {
public:
    void add(const QString& condition, const QVariantList& values = {});
    // A date range on a column, both days included. The end is compared as
    // "before the next day", so a stored time of day on the last day still counts.
    void addDateRange(const QString& column, const QDate& first, const QDate& last);
    bool isEmpty() const { return m_parts.isEmpty(); }
    QString sql() const; // " WHERE ..." or empty
    const QVariantList& values() const { return m_values; }

    // The pieces of a date range condition, for sub-selects that hold one.
    static QString dateRange(const QString& column);
    static QVariantList dateRangeValues(const QDate& first, const QDate& last);

private:
    QStringList m_parts;
    QVariantList m_values;
};

// What both navigators share.
// The columns of a navigator's grid of people: "ID", "Name" (as "Last, First
// Middle Title"), "Status", then the navigator's own, then "Phone", "Cell",
// "Work", "Email", "Address" (addressTerm),
// "DOB", "Anniv", "Member Status" and "Prospect Status".
std::vector<GridColumn> personGridColumns(const std::vector<GridColumn>& own = {});
// The typed text anywhere in first, last or middle name.
void addNameCondition(Conditions& where, const QString& typed);
// The typed text anywhere in hobbies, organizations, place of work, notes or prospect note.
void addTextSearchCondition(Conditions& where, const QString& typed);
// Where the person lives: the whole city and the whole state, and a zip code
// that begins with the typed one, each with the user's wildcards and without
// regard to letter case. An empty text is no condition.
void addPlaceConditions(Conditions& where, const QString& city, const QString& state, const QString& zip);
// Born or married in the month (1 to 12).
void addMonthCondition(Conditions& where, int month);
// Each chosen status (an empty text is none): "Status", the church's and
// the prospect's.
void addStatusConditions(
    Conditions& where, const QString& status, const QString& churchStatus, const QString& prospectStatus);
// The columns' terms from Member under the conditions, by last, first and
// middle name (and identifier, so that namesakes keep one order).
SearchStatement searchStatement(const std::vector<GridColumn>& columns, const Conditions& where);

} // namespace pw::navigators
