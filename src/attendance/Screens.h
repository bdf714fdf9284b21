#pragma once

namespace pw {
class Workspace;
}

namespace pw::attendance {

// The roll call and the attendance reports, under their window names.
void registerScreens(Workspace& workspace);

} // namespace pw::attendance
