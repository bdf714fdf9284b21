#include "app/Context.h"

#include "data/Database.h"

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

} // namespace pw
