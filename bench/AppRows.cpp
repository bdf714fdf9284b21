#include "Bench.h"

namespace pw::bench {

// Rows for the application shell belong here: "start-up to login window"
// and "login", measured against context.databasePath. Add each with
// context.add({ op, size, medianMs(context.runs, ...) }).
void addAppRows(BenchContext& context) { Q_UNUSED(context) }

} // namespace pw::bench
