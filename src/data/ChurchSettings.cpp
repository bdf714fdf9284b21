#include "data/ChurchSettings.h"

#include "data/Database.h"
#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ChurchSettings)
};
} // namespace

namespace pw::ChurchSettings {

QString value(Database& db, const QString& name, const QString& fallback)
{
    const QVariant stored = db.scalar(QStringLiteral("SELECT Value FROM Church_Setting WHERE Name = ?"), { name });
    return stored.isNull() ? fallback : stored.toString();
}

void setValue(Database& db, const QString& name, const QString& value)
{
    db.exec(QStringLiteral("INSERT INTO Church_Setting (Name, Value) VALUES (?, ?) ON CONFLICT (Name) DO UPDATE SET "
                           "Value = excluded.Value"),
        { name, value });
}

QString defaultStatementText()
{
    return Tr::tr("No goods or services were provided in return for these contributions other than "
                  "intangible religious benefits, except as shown above.");
}

} // namespace pw::ChurchSettings
