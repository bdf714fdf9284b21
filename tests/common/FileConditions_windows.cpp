#include "FileConditions.h"

namespace pw::test {

// Windows keeps rights in access lists, not in the permission bits the tests
// set, and has no limit on the size of a process's files: the conditions
// cannot be made, and the tests that need them skip.
struct WithoutOverride::Saved { };
WithoutOverride::WithoutOverride() = default;
WithoutOverride::~WithoutOverride() = default;

struct FileSizeLimit::Saved { };
FileSizeLimit::FileSizeLimit(qint64) { }
FileSizeLimit::~FileSizeLimit() = default;

} // namespace pw::test
