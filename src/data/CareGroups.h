#pragma once

// Care groups: known by their leader, they have no name of their own.

#include "data/Rows.h"

namespace pw::CareGroups {

// Group_Leader, Asst_Group_Leader, Sunday_School_Class, Notes, keyed by ID.
const rows::Table& table();

} // namespace pw::CareGroups
