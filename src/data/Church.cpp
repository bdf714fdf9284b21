#include "data/Church.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Church)
};
} // namespace

namespace pw::Church {

double leadingNumber(const QString& text)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text.at(i).isSpace())
        ++i;
    QString number;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number.append(c);
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            number.append(c);
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

bool delayAccepted(const QString& text) { return leadingNumber(text) >= kMinimumDelay; }

const rows::Table& table()
{
    using rows::Kind;
    static const rows::Table church { QStringLiteral("Church"), QStringLiteral("rowid"),
        { { QStringLiteral("Name"), Kind::Text }, { QStringLiteral("Address1"), Kind::Text },
            { QStringLiteral("Address2"), Kind::Text }, { QStringLiteral("City"), Kind::Text },
            { QStringLiteral("State"), Kind::Text }, { QStringLiteral("Zip"), Kind::Text },
            { QStringLiteral("Phone"), Kind::Text }, { QStringLiteral("Fax"), Kind::Text },
            { QStringLiteral("Email"), Kind::Text }, { QStringLiteral("Website"), Kind::Text },
            { QStringLiteral("KeyPressDelay"), Kind::Number } },
        [](Database&, const rows::Values&) { return Tr::tr("the church information"); } };
    return church;
}

std::optional<Row> first(Database& db)
{
    const QVariant key = db.scalar(QStringLiteral("SELECT rowid FROM Church ORDER BY rowid LIMIT 1"));
    if (!key.isValid())
        return std::nullopt;
    std::optional<rows::Values> values = rows::load(db, table(), key);
    if (!values)
        return std::nullopt;
    return Row { key.toLongLong(), *values };
}

SaveResult save(Database& db, const rows::Values& mine, const std::optional<Row>& loaded, rows::OnConflict onConflict)
{
    SaveResult result;
    Transaction tx(db);
    const std::optional<Row> now = first(db);
    if (!now) {
        rows::insert(db, table(), mine);
        tx.commit();
        result.result = SaveResult::Result::Added;
        return result;
    }
    // A screen that showed an empty table (another workstation added the
    // row meanwhile) showed every value empty.
    const rows::Values before
        = loaded && loaded->key == now->key ? loaded->values : rows::normalised(table(), rows::Values());
    const rows::Outcome outcome = rows::saveEdited(db, table(), now->key, before, mine, onConflict);
    if (outcome.result == rows::Outcome::Result::Conflicts) {
        result.result = SaveResult::Result::Conflicts;
        result.conflicts = outcome.conflicts;
        return result;
    }
    tx.commit();
    return result;
}

} // namespace pw::Church
