// On Windows each test program's main (QTEST_MAIN) is linked as __real_main
// and this one runs around it (the linker's --wrap=main, set in
// tests/CMakeLists.txt): once the test's objects are gone the process ends
// the way the program's own does, without the libraries' unloading, which
// can wait forever for a lock held by a thread the system stopped at exit.

#include "data/Platform.h"

extern "C" int __real_main(int argc, char** argv, char** environment);

extern "C" int __wrap_main(int argc, char** argv, char** environment)
{
    return pw::platform::endProcess(__real_main(argc, argv, environment));
}
