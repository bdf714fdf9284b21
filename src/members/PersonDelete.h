#pragma once

#include <QString>

namespace pw::members {

// Merging and deleting people are for accounts of type "Admin" only: true
// for one, otherwise the refusal ("Only an account of type "Admin" may
// <what>.") under "Invalid Permission".
bool requireAdmin(const QString& what);

// Deletes the person after a question that says what goes with them, or
// says why they cannot be deleted (still a visitor, deacon, leader, teacher
// or account holder). One transaction; the open screens are told. True when
// the person was deleted.
bool deletePerson(qint64 id);

} // namespace pw::members
