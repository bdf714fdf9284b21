#include "giving/GiftImport.h"

#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/OpenChurch.h"
#include "data/Sql.h"
#include "giving/Batches.h"
#include "giving/Money.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>
#include <QTextStream>

namespace pw::giving {

namespace {

    struct GiftImport {
        Q_DECLARE_TR_FUNCTIONS(GiftImport)
    };

    const QStringList& fields()
    {
        static const QStringList all { QStringLiteral("date"), QStringLiteral("name"), QStringLiteral("firstName"),
            QStringLiteral("lastName"), QStringLiteral("email"), QStringLiteral("envelope"), QStringLiteral("address"),
            QStringLiteral("fund"), QStringLiteral("amount"), QStringLiteral("method"), QStringLiteral("reference") };
        return all;
    }

    // A header in lower case without blanks, dashes or underscores.
    QString squeezed(const QString& header)
    {
        QString out;
        for (QChar c : header.toLower())
            if (c.isLetterOrNumber())
                out += c;
        return out;
    }

    QString fieldFor(const QString& header)
    {
        static const QHash<QString, QString> spellings {
            { "date", "date" },
            { "giftdate", "date" },
            { "donationdate", "date" },
            { "transactiondate", "date" },
            { "datereceived", "date" },
            { "name", "name" },
            { "donor", "name" },
            { "donorname", "name" },
            { "fullname", "name" },
            { "givername", "name" },
            { "firstname", "firstName" },
            { "givenname", "firstName" },
            { "lastname", "lastName" },
            { "surname", "lastName" },
            { "familyname", "lastName" },
            { "email", "email" },
            { "emailaddress", "email" },
            { "donoremail", "email" },
            { "envelope", "envelope" },
            { "envelopenumber", "envelope" },
            { "envelopeno", "envelope" },
            { "address", "address" },
            { "address1", "address" },
            { "streetaddress", "address" },
            { "fund", "fund" },
            { "designation", "fund" },
            { "category", "fund" },
            { "fundname", "fund" },
            { "amount", "amount" },
            { "giftamount", "amount" },
            { "donationamount", "amount" },
            { "total", "amount" },
            { "method", "method" },
            { "paymentmethod", "method" },
            { "paymenttype", "method" },
            { "reference", "reference" },
            { "transactionid", "reference" },
            { "referencenumber", "reference" },
            { "confirmation", "reference" },
            { "checknumber", "reference" },
            { "id", "reference" },
        };
        return spellings.value(squeezed(header));
    }

    QDate readDate(const QString& text)
    {
        const QString t = text.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char('T'), 0, 0);
        for (const char* format : { "yyyy-MM-dd", "M/d/yyyy", "MM/dd/yyyy", "yyyy/MM/dd", "d.M.yyyy" }) {
            const QDate d = QDate::fromString(t, QString::fromLatin1(format));
            if (d.isValid())
                return d;
        }
        return {};
    }

    QString readMethod(const QString& text)
    {
        const QString t = text.trimmed().toLower();
        for (const QString& m : methods())
            if (t == m.toLower())
                return m;
        if (t.contains(QLatin1String("card")) || t == QLatin1String("visa") || t == QLatin1String("mastercard"))
            return QStringLiteral("Card");
        if (t.contains(QLatin1String("check")) || t.contains(QLatin1String("cheque")))
            return QStringLiteral("Check");
        if (t.contains(QLatin1String("cash")))
            return QStringLiteral("Cash");
        // An online service's bank transfers, wallets and the like.
        return QStringLiteral("Online");
    }

    QString joinNames(const QString& first, const QString& last)
    {
        return first.isEmpty() ? last : first + QLatin1Char(' ') + last;
    }

    // The active people who match the text in the column: none, one or
    // several (the caller says which).
    QList<qint64> activeWhere(Database& db, const QString& condition, const QVariantList& params)
    {
        return db.ids(QStringLiteral("SELECT ID FROM Member WHERE Deceased_Date IS NULL AND ") + condition
                + QStringLiteral(" ORDER BY ID LIMIT 3"),
            params);
    }

    QString matchGiver(
        Database& db, const QStringList& cells, const GiftMapping& mapping, const QStringList& header, qint64& giver)
    {
        auto cell = [&](const QString& field) {
            const int at = int(header.indexOf(mapping.columnFor(field)));
            return at >= 0 && at < cells.size() ? cells.at(at).trimmed() : QString();
        };
        const QString envelope = cell(QStringLiteral("envelope"));
        if (!envelope.isEmpty()) {
            bool number = false;
            const qint64 n = envelope.toLongLong(&number);
            giver = number ? personByEnvelope(db, n) : 0;
            return giver > 0 ? QString() : GiftImport::tr("no active person has envelope number %1").arg(envelope);
        }
        const QString email = cell(QStringLiteral("email"));
        if (!email.isEmpty()) {
            const QList<qint64> found = activeWhere(db, sql::textEquals(QStringLiteral("TRIM(Email)")), { email });
            if (found.size() == 1) {
                giver = found.front();
                return {};
            }
            if (found.size() > 1)
                return GiftImport::tr("several people have the e-mail address %1").arg(email);
        }
        QString first = cell(QStringLiteral("firstName"));
        QString last = cell(QStringLiteral("lastName"));
        const QString name = cell(QStringLiteral("name"));
        if (last.isEmpty() && !name.isEmpty()) {
            // "Hale, Helen" or "Helen Hale".
            if (name.contains(QLatin1Char(','))) {
                last = name.section(QLatin1Char(','), 0, 0).trimmed();
                first = name.section(QLatin1Char(','), 1).trimmed();
            } else {
                last = name.section(QLatin1Char(' '), -1).trimmed();
                first = name.section(QLatin1Char(' '), 0, -2).trimmed();
            }
        }
        if (last.isEmpty())
            return email.isEmpty() ? GiftImport::tr("no giver is named")
                                   : GiftImport::tr("nobody has the e-mail address %1").arg(email);
        QString condition = sql::textEquals(QStringLiteral("TRIM(Last_Name)"));
        QVariantList params { last };
        if (!first.isEmpty()) {
            condition += QStringLiteral(" AND ") + sql::textEquals(QStringLiteral("TRIM(First_Name)"));
            params.append(first);
        }
        const QString address = cell(QStringLiteral("address"));
        if (!address.isEmpty()) {
            condition += QStringLiteral(" AND ") + sql::textEquals(QStringLiteral("TRIM(Address_1)"));
            params.append(address);
        }
        const QList<qint64> found = activeWhere(db, condition, params);
        const QString who = joinNames(first, last);
        if (found.size() == 1) {
            giver = found.front();
            return {};
        }
        if (!found.isEmpty())
            return GiftImport::tr("several people are named %1").arg(who);
        return address.isEmpty() ? GiftImport::tr("nobody is named %1").arg(who)
                                 : GiftImport::tr("nobody is named %1 at %2").arg(who, address);
    }

} // namespace

GiftMapping GiftMapping::guess(const QStringList& header)
{
    GiftMapping m;
    QStringList taken;
    for (const QString& h : header) {
        const QString field = fieldFor(h);
        if (!field.isEmpty() && !taken.contains(field)) {
            m.columns.insert(h, field);
            taken.append(field);
        }
    }
    return m;
}

GiftMapping GiftMapping::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(GiftImport::tr("The mapping \"%1\" could not be read: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject())
        throw Error(GiftImport::tr("The mapping \"%1\" is not a JSON object of column names and fields.")
                        .arg(QDir::toNativeSeparators(path)));
    GiftMapping m;
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString field = it.value().toString();
        if (!fields().contains(field))
            throw Error(GiftImport::tr("The mapping \"%1\" names the field \"%2\", which is none of: %3.")
                            .arg(QDir::toNativeSeparators(path), field, fields().join(QStringLiteral(", "))));
        m.columns.insert(it.key(), field);
    }
    return m;
}

QString GiftMapping::columnFor(const QString& field) const { return columns.key(field); }

int GiftImportPlan::toImport() const
{
    return int(std::count_if(
        rows.begin(), rows.end(), [](const GiftImportRow& r) { return r.problem.isEmpty() && !r.already; }));
}

qint64 GiftImportPlan::importedCents() const
{
    qint64 sum = 0;
    for (const GiftImportRow& r : rows)
        if (r.problem.isEmpty() && !r.already)
            sum += r.cents;
    return sum;
}

GiftImportPlan planGiftImport(Database& db, const people::CsvTable& table, const GiftMapping& mapping, bool createFunds)
{
    GiftImportPlan plan;
    plan.file = table.file;
    for (const QString& needed : { QStringLiteral("date"), QStringLiteral("amount") })
        if (mapping.columnFor(needed).isEmpty())
            throw Error(GiftImport::tr("No column of \"%1\" is taken for the gift's %2; name the columns with "
                                       "--mapping FILE.json.")
                            .arg(QDir::toNativeSeparators(table.file), needed));
    QHash<QString, qint64> fundIds;
    for (const Fund& f : funds(db, true))
        fundIds.insert(sql::equalityKey(f.name), f.id);
    // How many gifts alike are stored, and how many of the file's rows so
    // far are alike: a row is new only beyond the ones stored.
    QHash<QString, int> stored, seen;
    QSet<qint64> takenBack; // gifts the file's refunds take back
    auto cell = [&](const people::CsvRow& row, const QString& field) {
        const int at = int(table.header.indexOf(mapping.columnFor(field)));
        return at >= 0 && at < row.cells.size() ? row.cells.at(at).trimmed() : QString();
    };
    for (const people::CsvRow& row : table.rows) {
        GiftImportRow r;
        r.line = row.line;
        r.date = readDate(cell(row, QStringLiteral("date")));
        const std::optional<qint64> cents = parseCents(cell(row, QStringLiteral("amount")));
        r.cents = cents.value_or(0);
        r.method = readMethod(cell(row, QStringLiteral("method")));
        r.reference = cell(row, QStringLiteral("reference"));
        r.fund = cell(row, QStringLiteral("fund"));
        if (cents) {
            plan.fileCents += r.cents;
            ++plan.fileCount;
        }
        if (!r.date.isValid())
            r.problem = GiftImport::tr("\"%1\" is not a date").arg(cell(row, QStringLiteral("date")));
        else if (!cents || *cents == 0)
            r.problem = GiftImport::tr("\"%1\" is not an amount").arg(cell(row, QStringLiteral("amount")));
        else if (r.fund.isEmpty())
            r.problem = GiftImport::tr("no fund is named");
        if (r.problem.isEmpty()) {
            const QString key = sql::equalityKey(r.fund);
            r.fundId = fundIds.value(key, -1);
            if (r.fundId < 0) {
                if (createFunds) {
                    r.fundId = 0;
                    if (!plan.newFunds.contains(r.fund, Qt::CaseInsensitive))
                        plan.newFunds.append(r.fund);
                } else {
                    r.problem
                        = GiftImport::tr("the church has no fund named \"%1\" (--create-funds adds it)").arg(r.fund);
                }
            }
        }
        if (r.problem.isEmpty())
            r.problem = matchGiver(db, row.cells, mapping, table.header, r.giverId);
        if (r.problem.isEmpty() && r.cents < 0) {
            // A refund takes back the giver's stored gift of that reference
            // (or, without one, of that amount) on or before its date: the
            // latest one not taken back yet, nor by an earlier row of the
            // file. Imported again, the refund is found stored and adds
            // nothing.
            const QString sameGift = r.reference.isEmpty()
                ? QStringLiteral("(SELECT SUM(l.Amount_Cents) FROM Gift_Line AS l WHERE l.Gift_ID = g.ID) = ?")
                : QStringLiteral("COALESCE(g.Check_Number, '') = ?");
            const QVariant same = r.reference.isEmpty() ? QVariant(-r.cents) : QVariant(r.reference);
            qint64 original = 0;
            for (qint64 id : db.ids(QStringLiteral("SELECT g.ID FROM Gift AS g WHERE g.Member_ID = ? AND g.Gift_Date "
                                                   "<= ? AND g.Reverses_Gift_ID IS NULL AND ")
                         + sameGift
                         + QStringLiteral(" ORDER BY (SELECT COUNT(*) FROM Gift AS b WHERE b.Reverses_Gift_ID = "
                                          "g.ID), g.Gift_Date DESC, g.ID DESC"),
                     { r.giverId, sql::date(r.date), same })) {
                if (!takenBack.contains(id)) {
                    original = id;
                    break;
                }
            }
            // Refunds alike already stored (giver, date, reference, amount)
            // are this file's, imported before.
            const QString key = QStringLiteral("refund|%1|%2|%3|%4")
                                    .arg(r.giverId)
                                    .arg(r.date.toString(Qt::ISODate))
                                    .arg(r.cents)
                                    .arg(r.reference);
            if (!stored.contains(key))
                stored.insert(key,
                    db.scalar(QStringLiteral("SELECT COUNT(*) FROM Gift AS g WHERE g.Member_ID = ? AND g.Gift_Date = ? "
                                             "AND COALESCE(g.Check_Number, '') = ? AND g.Reverses_Gift_ID IS NOT NULL "
                                             "AND (SELECT SUM(l.Amount_Cents) FROM Gift_Line AS l WHERE l.Gift_ID = "
                                             "g.ID) = ?"),
                          { r.giverId, sql::date(r.date), sql::text(r.reference), r.cents })
                        .toInt());
            r.already = ++seen[key] <= stored.value(key);
            if (!r.already && original == 0) {
                r.problem
                    = GiftImport::tr("a refund of %1, and the giver has no gift %2 on or before %3 to take back")
                          .arg(centsText(-r.cents),
                              r.reference.isEmpty() ? GiftImport::tr("of that amount")
                                                    : GiftImport::tr("with the reference \"%1\"").arg(r.reference),
                              formats::dateText(r.date));
            } else if (!r.already) {
                r.reverses = original;
                takenBack.insert(original);
            }
            plan.rows.push_back(r);
            continue;
        }
        if (r.problem.isEmpty()) {
            const QString key = QStringLiteral("%1|%2|%3|%4")
                                    .arg(r.giverId)
                                    .arg(r.date.toString(Qt::ISODate))
                                    .arg(r.cents)
                                    .arg(r.reference);
            if (!stored.contains(key))
                stored.insert(key,
                    db.scalar(
                          QStringLiteral("SELECT COUNT(*) FROM Gift AS g WHERE g.Member_ID = ? AND g.Gift_Date = ? AND "
                                         "COALESCE(g.Check_Number, '') = ? AND g.Reverses_Gift_ID IS NULL AND (SELECT "
                                         "SUM(l.Amount_Cents) FROM Gift_Line AS l WHERE l.Gift_ID = g.ID) = ?"),
                          { r.giverId, sql::date(r.date), sql::text(r.reference), r.cents })
                        .toInt());
            r.already = ++seen[key] <= stored.value(key);
        }
        plan.rows.push_back(r);
    }
    return plan;
}

GiftImportResult runGiftImport(Database& db, const people::CsvTable& table, const GiftMapping& mapping,
    bool createFunds, const QString& user, const QDateTime& now, GiftImportPlan* planned)
{
    GiftImportResult result;
    Transaction tx(db);
    // Read under the writing lock: two imports of one file at once cannot
    // both find its gifts missing.
    const QString lock = sql::lockingTable(db, QStringLiteral("Gift"));
    if (!lock.isEmpty())
        db.exec(lock);
    GiftImportPlan plan = planGiftImport(db, table, mapping, createFunds);
    if (plan.toImport() > 0) {
        const QVariant stamp = sql::dateTime(now);
        QHash<QString, qint64> created;
        int order = db.scalar(QStringLiteral("SELECT COALESCE(MAX(Fund_Order), 0) FROM Fund")).toInt();
        for (const QString& name : std::as_const(plan.newFunds))
            created.insert(sql::equalityKey(name),
                db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES (?, ?)") + sql::returningId(),
                    { name, ++order }));
        result.batchDate = now.date();
        result.batchId = db.insert(QStringLiteral("INSERT INTO Gift_Batch (Batch_Date, Description, Control_Cents, "
                                                  "Control_Count, Entered_By, Edited_On) VALUES (?, ?, ?, ?, ?, ?)")
                + sql::returningId(),
            { sql::date(result.batchDate), QStringLiteral("Imported from %1").arg(QFileInfo(table.file).fileName()),
                plan.fileCents, plan.fileCount, user, stamp });
        pw::Statement gift(db,
            QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method, Check_Number, Note, "
                           "Entered_By, Entered_On, Reverses_Gift_ID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                + sql::returningId());
        pw::Statement line(
            db, QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"));
        for (GiftImportRow& r : plan.rows) {
            if (!r.problem.isEmpty() || r.already)
                continue;
            if (r.fundId == 0)
                r.fundId = created.value(sql::equalityKey(r.fund));
            const qint64 id
                = gift.insert({ result.batchId, r.giverId, sql::date(r.date), r.method, sql::text(r.reference),
                    (r.reverses > 0 ? QStringLiteral("Imported refund, line %1") : QStringLiteral("Imported, line %1"))
                        .arg(r.line),
                    user, stamp, r.reverses > 0 ? QVariant(r.reverses) : QVariant() });
            line.run({ id, r.fundId, r.cents });
        }
    }
    tx.commit();
    if (planned)
        *planned = plan;
    return result;
}

QString backUpBeforeGiftImport(Database& db, const Clock& clock, const QString& pictureFolder)
{
    if (db.engine() != Database::Engine::SQLite)
        return {};
    return backup::backUpDated(db, QStringLiteral("before-import"), clock, pictureFolder).path;
}

QString giftImportReport(const GiftImportPlan& plan, const GiftImportResult* result, const QString& backupPath)
{
    QString text;
    QTextStream out(&text);
    const int count = plan.toImport();
    const int already
        = int(std::count_if(plan.rows.begin(), plan.rows.end(), [](const GiftImportRow& r) { return r.already; }));
    const QString file = QDir::toNativeSeparators(plan.file);
    if (!result)
        out << GiftImport::tr("%1 would import %2 gift(s), %3, of the %4 row(s) with an amount (%5).")
                   .arg(file)
                   .arg(count)
                   .arg(centsText(plan.importedCents()))
                   .arg(plan.fileCount)
                   .arg(centsText(plan.fileCents))
            << Qt::endl;
    else if (result->batchId > 0)
        out << GiftImport::tr(
            "Imported %1 gift(s), %2, from %3 into the batch of %4 (its control total: the file's %5 in %6 row(s)).")
                   .arg(count)
                   .arg(centsText(plan.importedCents()), file, formats::dateText(result->batchDate),
                       centsText(plan.fileCents))
                   .arg(plan.fileCount)
            << Qt::endl;
    else
        out << GiftImport::tr("Nothing was imported from %1.").arg(file) << Qt::endl;
    if (!backupPath.isEmpty())
        out << GiftImport::tr("The backup made before it is \"%1\".").arg(QDir::toNativeSeparators(backupPath))
            << Qt::endl;
    if (!plan.newFunds.isEmpty())
        out << GiftImport::tr("New funds: %1").arg(plan.newFunds.join(QStringLiteral(", "))) << Qt::endl;
    if (already > 0)
        out << GiftImport::tr("Imported before, left out: %1 row(s).").arg(already) << Qt::endl;
    bool first = true;
    for (const GiftImportRow& r : plan.rows) {
        if (r.problem.isEmpty())
            continue;
        if (first)
            out << GiftImport::tr("Left out (line: why):") << Qt::endl;
        first = false;
        out << QStringLiteral("  %1: %2").arg(r.line).arg(r.problem) << Qt::endl;
    }
    return text;
}

int runImportGifts(const GiftImportCommand& command, const Clock& clock, QTextStream& out, QTextStream& err)
{
    try {
        const people::CsvTable table = people::readCsvFile(command.file);
        const GiftMapping mapping
            = command.mapping.isEmpty() ? GiftMapping::guess(table.header) : GiftMapping::load(command.mapping);
        if (command.dryRun) {
            const backup::ReadOnlyChurch church = backup::openToRead(command.database);
            out << giftImportReport(planGiftImport(*church.db, table, mapping, command.createFunds), nullptr);
            out.flush();
            return 0;
        }
        auto db = health::openForWork(command.database, clock);
        // A backup only when there is something to write.
        const QString backupPath = planGiftImport(*db, table, mapping, command.createFunds).toImport() > 0
            ? backUpBeforeGiftImport(*db, clock, command.pictureFolder)
            : QString();
        GiftImportPlan plan;
        const GiftImportResult result
            = runGiftImport(*db, table, mapping, command.createFunds, command.userName, clock.now(), &plan);
        out << giftImportReport(plan, &result, backupPath);
        out.flush();
        return 0;
    } catch (const std::exception& e) {
        err << "pewlark: " << QString::fromStdString(e.what()) << Qt::endl;
        return 1;
    }
}

} // namespace pw::giving
