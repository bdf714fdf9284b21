#include "app/Startup.h"
#include "app/Workspace.h"

// Screens built so far register here under their window names; the main
// window's menu opens them by name.
static void registerScreens(pw::Workspace& workspace) { Q_UNUSED(workspace); }

int main(int argc, char** argv) { return pw::runPewlark(argc, argv, registerScreens); }
