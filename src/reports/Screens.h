#pragma once

namespace pw {
class Workspace;
}

namespace pw::reports {

// Registers the screens of this folder with the workspace under their window
// names, each with its permission test: the two report launchers.
void registerScreens(Workspace& workspace);

} // namespace pw::reports
