#pragma once

// What the two navigator screens share: reading their pick lists, date
// ranges ticked by the user's own date changes, result grids with their
// status lines, opening a person on the member screen, and handing the
// people found to the reports.

#include "navigators/SearchGrid.h"
#include "reports/HouseholdLabels.h"
#include "reports/ReportData.h"

#include <QList>
#include <QSize>
#include <QString>
#include <initializer_list>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDate;
class QDateEdit;
class QLabel;
class QTableView;
class QWidget;

namespace pw {
class ResultModel;
}

namespace pw::navigators {

// Pick lists that may hold thousands of entries (care groups, deacons,
// classes): their width comes from the layout and their popup rows are all
// alike, so nothing measures every entry when the screen opens.
void keepQuick(QWidget* screen);

// The chosen entry's text; empty when nothing is chosen.
QString chosenText(const QComboBox* combo);
// A "True"/"False" list: the value chosen, or none.
std::optional<bool> chosenYesNo(const QComboBox* combo);
// The entries "True" and "False", nothing chosen.
void fillYesNo(QComboBox* combo);
// "January" to "December" in calendar order, nothing chosen.
void fillMonths(QComboBox* combo);

// A change the user makes to any of the dates ticks the box. Dates set by
// the screen itself go through setDatesQuietly and tick nothing.
void tickOnUserChange(QCheckBox* box, std::initializer_list<QDateEdit*> dates);
void setDatesQuietly(std::initializer_list<QDateEdit*> dates, const QDate& day);

// A result grid of the navigators: the shared read-only model, rows
// selectable for copying, Copy and "Export to CSV..." on its right-click menu
// and keys, sorting by a header click, compact rows, and with opensPeople
// Enter or a double-click on a row opening that person. exportName is the
// file name offered for the export.
ResultModel* setupNavigatorGrid(QTableView* view, const QString& exportName, bool opensPeople);

// Empties the grid to its header.
void emptyGrid(QTableView* view, ResultModel& model, const std::vector<GridColumn>& columns);

// The status line under the contacts grid: "1 contact", "12 contacts".
QString contactsFoundText(int count);

// The status bar after a list or labels were shown: "Member List: 250 people."
void reportShown(reports::Design design, int people);

// The size a navigator opens at: as wide as its criteria need, and nine
// tenths of the main window high as far as the work area allows, so the
// grids get the room.
QSize screenSize(const QWidget* screen, QSize hint);

// Shows the person on the member screen, opening it when it is not open and
// bringing it to the front. The member screen asks about its own unsaved
// changes first.
void openPerson(qint64 memberId);

// The identifiers of the grid's rows in the order shown.
QList<qint64> idsInGridOrder(const ResultModel& model);

// A print button's rule: the permission first (the refusal "You do not have
// permission to view this report." otherwise), then nothing at all for an
// empty grid; true when the people of the grid are to be printed.
bool mayPrint(const ResultModel& model, const QString& permission);

// "One per household" and how a household is addressed, for the label run
// and Print List: a tick box chkOnePerHousehold and a list cmbHouseholdName
// ("The Hale Family", "Henry & Helen Hale") placed in the row at index, next
// after `before` in the tab order.
class HouseholdChoiceControls {
public:
    HouseholdChoiceControls(QBoxLayout* row, int index, QWidget* before);
    reports::HouseholdChoice choice() const;
    // The people a list or label run goes to under the choice: those found,
    // or one per household (reports/HouseholdLabels.h).
    QList<qint64> peopleToList(const QList<qint64>& found) const;

private:
    QCheckBox* m_perHousehold;
    QComboBox* m_name;
};

// After a search filled the grid: its columns fitted to their content, and
// a window that opened narrower than its grid widened (the first search).
void fitAfterSearch(QWidget* screen, QTableView* grid);

// The navigators' Print List (design MemberList or ProspectList) and Print
// Mailing Labels: the report's permission, nothing for an empty grid, the
// people found (or one per household) with a progress dialog over the
// screen, and the status bar saying how many were shown.
void printList(
    QWidget* screen, const ResultModel& found, const HouseholdChoiceControls& households, reports::Design design);
void printLabels(QWidget* screen, const ResultModel& found, const HouseholdChoiceControls& households);

// One visitation sheet per person, straight to the printer, in the order
// given, with a progress dialog over the screen that can stop the run.
void printVisitationSheets(QWidget* screen, const QList<qint64>& ids);

} // namespace pw::navigators
