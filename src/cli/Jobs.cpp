#include "cli/Jobs.h"

#include "app/Config.h"
#include "widgets/Guard.h"

#include <cstdio>

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

bool churchFromConfig(const JobInput& input, QString* database, QString* pictureFolder)
{
    try {
        const ConfigValues values = config::load(input.configPath);
        *database = values.databasePath;
        *pictureFolder = values.pictureFolder;
        return true;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pewlark: %s\n", qPrintable(errorText(e)));
        return false;
    }
}

} // namespace pw::cli
