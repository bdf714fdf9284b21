// On Windows each test program's main (QTEST_MAIN) is linked as __real_main
// and this one runs around it (the linker's --wrap=main, set in
// tests/CMakeLists.txt): the process is prepared and ended the way the
// program's own is (data/Platform.h).

#include "data/Platform.h"

extern "C" int __real_main(int argc, char** argv, char** environment);

extern "C" int __wrap_main(int argc, char** argv, char** environment)
{
    pw::platform::prepareProcess();
    return pw::platform::endProcess(__real_main(argc, argv, environment));
}
