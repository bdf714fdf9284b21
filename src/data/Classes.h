#pragma once

// The three kinds of classes (Sunday_School, Discipleship_Training,
// Wednesday_Night), one table each with the same columns.

#include "data/Lookups.h"
#include "data/Rows.h"

namespace pw::Classes {

// Name, Description, Teacher, Asst_Teacher, Location, Notes, keyed by ID.
const rows::Table& table(Lookups::ClassKind kind);

} // namespace pw::Classes
