#pragma once

// What the two report launcher screens share: the list of people to choose
// from, the checks made before a report starts, and the people the member
// information update report prints for a choice.

#include "app/PickList.h"

#include <QList>
#include <QString>
#include <QVector>

class QComboBox;
class QPushButton;
class QWidget;

namespace pw::reports {

// The two group entries at the top of the update report's list. They are
// recognised by their text.
inline const QString kAllHeadsOfHousehold = QStringLiteral("***All Head of Household***");
inline const QString kAllMembersAndChildren = QStringLiteral("***All Members & Child of Members***");

// Gives the screen its keys (Enter starts, Escape closes), type-ahead in the
// list, and fills the list in one go, with the group entries first when asked.
void setupLauncher(QWidget* form, QComboBox* list, QPushButton* ok, QPushButton* cancel, bool withGroups);

// The checks "Ok" makes before anything runs: the permission (refusal under
// "Invalid Permission"), then a choice in the list ("Invalid Selection").
bool launcherMayRun(const QString& permission, const QComboBox* list);

// The people the update report prints for the chosen entry, in printing
// order: a group by last, first and middle name, or the one chosen person.
QList<qint64> updateReportMembers(const QString& choiceText, qint64 chosenId);

} // namespace pw::reports
