#pragma once

namespace pw {
class Workspace;
}

namespace pw::giving {

// Gift entry, the funds and the contribution statements, under their window names.
void registerScreens(Workspace& workspace);

} // namespace pw::giving
