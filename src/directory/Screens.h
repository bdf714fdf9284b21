#pragma once

namespace pw {
class Workspace;
}

namespace pw::directory {

// The church directory window, under its window name.
void registerScreens(Workspace& workspace);

} // namespace pw::directory
