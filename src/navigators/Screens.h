#pragma once

namespace pw {
class Workspace;
}

namespace pw::navigators {

// Registers the screens of this folder with the workspace under their window
// names, each with its permission test: frmMemberNavigator, frmProspectNavigator,
// frmStartPage.
void registerScreens(Workspace& workspace);

} // namespace pw::navigators
