#pragma once

#include "app/Welcome.h"

namespace pw::cli {

// What the welcome window of a first start is handed from the floors above
// the program's own: moving in from the older program's file (the legacy
// import, with its progress lines and report) and making the demo church
// (2,000 people).
welcome::Jobs welcomeJobs();

} // namespace pw::cli
