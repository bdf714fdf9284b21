#include "cli/Jobs.h"

namespace pw::cli {

void Jobs::registerJob(JobEntry entry) { m_entries.append(std::move(entry)); }

const JobEntry* Jobs::find(const QString& option) const
{
    for (const JobEntry& entry : m_entries) {
        if (entry.option.name == option)
            return &entry;
    }
    return nullptr;
}

} // namespace pw::cli
