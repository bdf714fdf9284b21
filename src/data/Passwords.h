#pragma once

#include <QString>

namespace pw::passwords {

// Passwords are stored as salted argon2id hashes. Letter case is folded
// before hashing, so a password matches in any mix of upper and lower case,
// as users of this program have always been able to type it.
QString hash(const QString& password);

// True when the typed password matches the stored hash. An empty or
// unrecognised stored value matches nothing.
bool verify(const QString& stored, const QString& typed);

} // namespace pw::passwords
