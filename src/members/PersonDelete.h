#pragma once

#include <QString>

namespace pw::members {

// Deletes the person after a question that says what goes with them, or
// says why they cannot be deleted (still a visitor, deacon, leader, teacher
// or account holder). One transaction; the open screens are told. True when
// the person was deleted.
bool deletePerson(qint64 id);

} // namespace pw::members
