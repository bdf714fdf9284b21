#pragma once

namespace pw {
class Workspace;
}

namespace pw::outreach {

// Registers the screens of this folder with the workspace under their window
// names, each with its permission test: frmProspectContactEntry and
// frmOutreachPhaseEntry.
void registerScreens(Workspace& workspace);

} // namespace pw::outreach
