#include "reports/ReportOutput.h"

// Skeleton so that the library links while the real outputs are written.
namespace pw::reports {

namespace {
    class NoOutput : public ReportOutput {
    public:
        void preview(ReportPtr) override { }
        bool print(ReportPtr, int) override { return false; }
    };
    ReportOutput* g_output = nullptr;
}

ReportOutput& output()
{
    static NoOutput fallback;
    return g_output ? *g_output : fallback;
}

void setOutput(ReportOutput* o) { g_output = o; }

} // namespace pw::reports
