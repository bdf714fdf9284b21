#include "widgets/Context.h"

#include "data/Database.h"

#include <QSettings>

namespace pw {

Context& ctx()
{
    static Context context;
    return context;
}

Database& db()
{
    if (!ctx().database)
        throw DbError(QStringLiteral("The database is not open."));
    return *ctx().database;
}

Messages& messages()
{
    Q_ASSERT(ctx().messages);
    return *ctx().messages;
}

Clock& clock()
{
    Q_ASSERT(ctx().clock);
    return *ctx().clock;
}

std::unique_ptr<QSettings> storedSettings()
{
    if (!ctx().settingsFile.isEmpty())
        return std::make_unique<QSettings>(ctx().settingsFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Pewlark"), QStringLiteral("Pewlark"));
}

} // namespace pw
