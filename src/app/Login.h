#pragma once

#include "app/Context.h"

#include <optional>

namespace pw::login {

// Looks up an active account whose user name matches in any letter case and
// whose password matches. The user name is trimmed, the password compared by
// the password rule (data/Passwords); both are only ever bound as values, so
// quotes in them are just characters.
std::optional<CurrentUser> authenticate(const QString& username, const QString& password);

} // namespace pw::login
