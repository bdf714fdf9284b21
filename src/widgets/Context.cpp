#include "widgets/Context.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QSettings>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Context)
    };
} // namespace

Context& ctx()
{
    static Context context;
    return context;
}

Database& db()
{
    if (!ctx().database)
        throw DbError(Tr::tr("The database is not open."));
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
