#pragma once

namespace pw {
class Workspace;
}

namespace pw::checkin {

// The check-in station, the class check-out and the check-in reports, under
// their window names.
void registerScreens(Workspace& workspace);

} // namespace pw::checkin
