#pragma once

namespace pw {
class Workspace;
}

namespace pw::admin {

// Registers the screens of this folder with the workspace under their window
// names, each with the permission its menu command asks for:
// frmSSClassEntry, frmDTClassEntry, frmWedClassEntry, frmCGClassEntry,
// frmResponsibilityEntry, frmUserEntry and frmChurchInfo.
void registerScreens(Workspace& workspace);

} // namespace pw::admin
