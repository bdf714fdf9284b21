#pragma once

// The pick lists of the member screen, read from the database (or fixed),
// in the order the screen shows them. Lists that stand for rows of another
// table carry each row's identifier.

#include "app/PickList.h"

#include <QStringList>
#include <QVector>

namespace pw::members::lists {

QStringList memberStatuses();
QStringList titles();
QStringList states();
QStringList churchStatuses();
QStringList attendanceLevels();
QVector<PickItem> sundaySchoolClasses();
QVector<PickItem> discipleshipClasses();
QVector<PickItem> wednesdayClasses();
// Members holding the "Deacon" responsibility, "Last, First", with the member
// identifier; one entry per responsibility row.
QVector<PickItem> deacons();
// Care groups shown by their leader, "Last, First", with the group identifier.
QVector<PickItem> careGroups();
QStringList prospectStatuses();
// Outreach phases in their phase order.
QStringList outreachPhases();
QStringList contactActions();
// Fixed lists.
QStringList genders();
QStringList maritalStatuses();

} // namespace pw::members::lists
