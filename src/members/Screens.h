#pragma once

namespace pw {
class Workspace;
}

namespace pw::members {

// Registers the screens of this folder with the workspace under their window
// names, each with its permission test: frmMemberEntry, frmMergePeople.
void registerScreens(Workspace& workspace);

} // namespace pw::members
