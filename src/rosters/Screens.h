#pragma once

namespace pw {
class Workspace;
}

namespace pw::rosters {

// The roster and its positions, under their window names.
void registerScreens(Workspace& workspace);

} // namespace pw::rosters
