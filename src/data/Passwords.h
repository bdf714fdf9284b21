#pragma once

#include <QString>

namespace pw::passwords {

// The text a password stands for: surrounding blanks removed and letter case
// folded, so a password matches in any mix of upper and lower case and with
// stray blanks around it, as users of this program have always typed it. The
// login, new accounts and imported accounts all go through this one rule.
QString normalised(const QString& password);

// Passwords are stored as salted argon2id hashes of their normalised text.
QString hash(const QString& password);

// True when the typed password matches the stored hash. An empty or
// unrecognised stored value matches nothing.
bool verify(const QString& stored, const QString& typed);

} // namespace pw::passwords
