#include "giving/Batches.h"

#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

namespace pw::giving {

namespace {
    struct Batches {
        Q_DECLARE_TR_FUNCTIONS(Batches)
    };

} // namespace

qint64 EntryGift::cents() const
{
    qint64 sum = 0;
    for (const GiftLine& line : lines)
        sum += line.cents;
    return sum;
}

bool EntryGift::operator==(const EntryGift& other) const
{
    if (giverId != other.giverId || method != other.method || checkNumber != other.checkNumber || note != other.note
        || lines.size() != other.lines.size())
        return false;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].fundId != other.lines[i].fundId || lines[i].cents != other.lines[i].cents)
            return false;
    return true;
}

std::vector<Fund> funds(Database& db, bool all)
{
    std::vector<Fund> out;
    db.forEach(QStringLiteral("SELECT ID, Name, Tax_Deductible, Fund_Order FROM Fund %1 ORDER BY Fund_Order, ID")
                   .arg(all ? QString() : QStringLiteral("WHERE Active = 1")),
        {}, [&](const QSqlQuery& q) {
            out.push_back(
                { q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt() != 0, q.value(3).toInt() });
        });
    return out;
}

namespace {

    const char* const kBatchColumns = "ID, Batch_Date, Description, Control_Cents, Control_Count, Entered_By, Closed, "
                                      "Closed_By, Closed_On, Edited_On";

    Batch batchFrom(const QSqlQuery& q)
    {
        Batch b;
        b.id = q.value(0).toLongLong();
        b.date = sql::toDate(q.value(1));
        b.description = sql::toText(q.value(2));
        b.controlCents = q.value(3).toLongLong();
        b.controlCount = q.value(4).toInt();
        b.enteredBy = sql::toText(q.value(5));
        b.closed = q.value(6).toInt() != 0;
        b.closedBy = sql::toText(q.value(7));
        b.closedOn = sql::toDateTime(q.value(8));
        b.editedOn = sql::toText(q.value(9));
        return b;
    }

    // The gifts of a batch, or of the gifts named, with their lines.
    std::vector<EntryGift> readGifts(Database& db, const QString& where, const QVariantList& params)
    {
        std::vector<EntryGift> out;
        QHash<qint64, std::size_t> at;
        db.forEach(
            QStringLiteral("SELECT ID, Member_ID, Method, Check_Number, Note, Reverses_Gift_ID, Goods_Description, "
                           "Value_Returned_Cents FROM Gift WHERE %1 ORDER BY ID")
                .arg(where),
            params, [&](const QSqlQuery& q) {
                EntryGift g;
                g.id = q.value(0).toLongLong();
                g.giverId = sql::toId(q.value(1));
                g.method = q.value(2).toString();
                g.checkNumber = sql::toText(q.value(3));
                g.note = sql::toText(q.value(4));
                g.reversesId = sql::toId(q.value(5));
                g.goods = sql::toText(q.value(6));
                g.returnedCents = q.value(7).toLongLong();
                at.insert(g.id, out.size());
                out.push_back(g);
            });
        if (out.empty())
            return out;
        db.forEach(QStringLiteral("SELECT Gift_ID, Fund_ID, Amount_Cents FROM Gift_Line WHERE Gift_ID IN (SELECT ID "
                                  "FROM Gift WHERE %1) ORDER BY ID")
                       .arg(where),
            params, [&](const QSqlQuery& q) {
                const auto found = at.constFind(q.value(0).toLongLong());
                if (found != at.constEnd())
                    out[*found].lines.push_back({ q.value(1).toLongLong(), q.value(2).toLongLong() });
            });
        return out;
    }

    qint64 insertGift(Database& db, qint64 batchId, const QDate& date, const EntryGift& g, const QString& user,
        const QVariant& stamp, qint64 id = 0)
    {
        const QVariantList values { batchId, sql::id(g.giverId), sql::date(date), g.method, sql::text(g.checkNumber),
            sql::text(g.note), sql::id(g.reversesId), g.goods.isEmpty() ? QVariant() : QVariant(g.goods),
            g.returnedCents, user, stamp };
        // A gift removed elsewhere and kept here comes back under its own
        // identifier, so nothing that names it loses it.
        qint64 giftId = id;
        if (id > 0)
            db.exec(QStringLiteral("INSERT INTO Gift (ID, Batch_ID, Member_ID, Gift_Date, Method, Check_Number, Note, "
                                   "Reverses_Gift_ID, Goods_Description, Value_Returned_Cents, Entered_By, Entered_On) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                QVariantList { id } + values);
        else
            giftId = db.insert(QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method, Check_Number, "
                                              "Note, Reverses_Gift_ID, Goods_Description, Value_Returned_Cents, "
                                              "Entered_By, Entered_On) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                    + sql::returningId(),
                values);
        pw::Statement line(
            db, QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"));
        for (const GiftLine& l : g.lines)
            line.run({ giftId, l.fundId, l.cents });
        return giftId;
    }

} // namespace

std::vector<Batch> listedBatches(Database& db, const QDate& today, int closedDays)
{
    std::vector<Batch> out;
    db.forEach(QStringLiteral("SELECT %1 FROM Gift_Batch WHERE Closed = 0 OR Batch_Date >= ? ORDER BY Closed, "
                              "Batch_Date DESC, ID DESC")
                   .arg(QLatin1String(kBatchColumns)),
        { sql::date(today.addDays(-closedDays)) }, [&](const QSqlQuery& q) { out.push_back(batchFrom(q)); });
    return out;
}

std::optional<Batch> batch(Database& db, qint64 id)
{
    std::optional<Batch> out;
    db.forEach(QStringLiteral("SELECT %1 FROM Gift_Batch WHERE ID = ?").arg(QLatin1String(kBatchColumns)), { id },
        [&](const QSqlQuery& q) { out = batchFrom(q); });
    return out;
}

std::vector<EntryGift> batchGifts(Database& db, qint64 batchId)
{
    return readGifts(db, QStringLiteral("Batch_ID = ?"), { batchId });
}

qint64 personByEnvelope(Database& db, qint64 envelope)
{
    return sql::toId(db.scalar(QStringLiteral("SELECT MIN(g.Member_ID) FROM Giver AS g JOIN Member AS m ON m.ID = "
                                              "g.Member_ID WHERE g.Envelope = ? AND m.Deceased_Date IS NULL"),
        { envelope }));
}

qint64 envelopeOf(Database& db, qint64 memberId)
{
    return db.scalar(QStringLiteral("SELECT Envelope FROM Giver WHERE Member_ID = ?"), { memberId }).toLongLong();
}

bool givesAlone(Database& db, qint64 memberId)
{
    return db.exists(QStringLiteral("SELECT 1 FROM Giver WHERE Member_ID = ? AND ") + sql::textEquals("Statement_Unit"),
        { memberId, kUnitAlone });
}

qint64 saveGiver(Database& db, qint64 memberId, qint64 envelope, bool alone)
{
    Transaction tx(db);
    if (envelope > 0) {
        // Read under the writing lock, so two workstations cannot both give
        // the same number away.
        const QString lock = sql::lockingTable(db, QStringLiteral("Giver"));
        if (!lock.isEmpty())
            db.exec(lock);
        const qint64 holder = personByEnvelope(db, envelope);
        if (holder > 0 && holder != memberId)
            return holder;
    }
    const QVariantList values { envelope > 0 ? QVariant(envelope) : QVariant(), alone ? kUnitAlone : kUnitHousehold,
        memberId };
    if (db.execChange(QStringLiteral("UPDATE Giver SET Envelope = ?, Statement_Unit = ? WHERE Member_ID = ?"), values)
        == 0)
        db.exec(QStringLiteral("INSERT INTO Giver (Envelope, Statement_Unit, Member_ID) VALUES (?, ?, ?)"), values);
    tx.commit();
    return 0;
}

qint64 addPledge(Database& db, const Pledge& pledge)
{
    return db.insert(QStringLiteral("INSERT INTO Pledge (Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents) "
                                    "VALUES (?, ?, ?, ?, ?)")
            + sql::returningId(),
        { pledge.giverId, pledge.fundId, sql::date(pledge.start), sql::date(pledge.end), pledge.cents });
}

void removePledge(Database& db, qint64 pledgeId)
{
    db.exec(QStringLiteral("DELETE FROM Pledge WHERE ID = ?"), { pledgeId });
}

QString giverText(Database& db, qint64 memberId)
{
    QString out;
    db.forEach(QStringLiteral("SELECT m.Last_Name, m.First_Name, m.Middle_Name, m.City, g.Envelope FROM Member AS m "
                              "LEFT JOIN Giver AS g ON g.Member_ID = m.ID WHERE m.ID = ?"),
        { memberId }, [&](const QSqlQuery& q) {
            QStringList parts { personName(q.value(0).toString(), q.value(1).toString(), q.value(2).toString()) };
            if (!q.value(3).toString().trimmed().isEmpty())
                parts.append(q.value(3).toString().trimmed());
            if (!q.value(4).isNull())
                parts.append(Batches::tr("envelope %1").arg(q.value(4).toLongLong()));
            out = parts.join(QStringLiteral(", "));
        });
    return out;
}

BatchSaveOutcome saveBatch(Database& db, const BatchChanges& changes, threeway::OnConflict onConflict,
    const QString& user, const QDateTime& now)
{
    BatchSaveOutcome outcome;
    const QVariant stamp = sql::dateTime(now);
    const Batch& b = changes.batch;
    Transaction tx(db);
    qint64 id = b.id;
    if (id > 0) {
        std::optional<Batch> stored;
        db.forEach(QStringLiteral("SELECT %1 FROM Gift_Batch WHERE ID = ?").arg(QLatin1String(kBatchColumns))
                + sql::lockingRows(db),
            { id }, [&](const QSqlQuery& q) { stored = batchFrom(q); });
        if (!stored)
            throw Error(Batches::tr("This batch was deleted at another workstation."));
        if (stored->closed) {
            outcome.closedBy = stored->closedBy.isEmpty() ? Batches::tr("another user") : stored->closedBy;
            return outcome;
        }
        // Gifts changed here that another workstation changed or removed
        // since they were loaded.
        QList<qint64> changedIds;
        for (const auto& [loaded, mine] : changes.changed)
            changedIds.append(loaded.id);
        QHash<qint64, EntryGift> theirs;
        if (!changedIds.isEmpty())
            for (const EntryGift& g : readGifts(db, sql::inIdList(QStringLiteral("ID")), { sql::idList(changedIds) }))
                theirs.insert(g.id, g);
        std::vector<std::pair<EntryGift, bool>> toWrite; // mine, and whether it is gone from the database
        for (const auto& [loaded, mine] : changes.changed) {
            const auto stored = theirs.constFind(loaded.id);
            const bool gone = stored == theirs.constEnd();
            if (gone || *stored != loaded) {
                if (onConflict == threeway::OnConflict::Report) {
                    ++outcome.conflicts;
                    continue;
                }
                if (onConflict == threeway::OnConflict::KeepTheirs)
                    continue;
            }
            toWrite.push_back({ mine, gone });
        }
        if (outcome.conflicts > 0)
            return outcome;
        db.exec(QStringLiteral("UPDATE Gift_Batch SET Batch_Date = ?, Description = ?, Control_Cents = ?, "
                               "Control_Count = ?, Edited_On = ? WHERE ID = ?"),
            { sql::date(b.date), sql::text(b.description), b.controlCents, b.controlCount, stamp, id });
        for (const auto& [mine, gone] : toWrite) {
            if (!gone) {
                db.exec(QStringLiteral("DELETE FROM Gift_Line WHERE Gift_ID = ?"), { mine.id });
                db.exec(QStringLiteral("UPDATE Gift SET Member_ID = ?, Method = ?, Check_Number = ?, Note = ?, "
                                       "Goods_Description = ?, Value_Returned_Cents = ? WHERE ID = ?"),
                    { sql::id(mine.giverId), mine.method, sql::text(mine.checkNumber), sql::text(mine.note),
                        mine.goods.isEmpty() ? QVariant() : QVariant(mine.goods), mine.returnedCents, mine.id });
                pw::Statement line(
                    db, QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"));
                for (const GiftLine& l : mine.lines)
                    line.run({ mine.id, l.fundId, l.cents });
            } else {
                insertGift(db, id, b.date, mine, user, stamp, mine.id);
            }
        }
        for (qint64 removed : changes.removed) {
            db.exec(QStringLiteral("DELETE FROM Gift_Line WHERE Gift_ID = ?"), { removed });
            db.exec(QStringLiteral("DELETE FROM Gift WHERE ID = ? AND Batch_ID = ?"), { removed, id });
        }
        // Gifts keep the batch's date when it moves.
        db.exec(QStringLiteral("UPDATE Gift SET Gift_Date = ? WHERE Batch_ID = ? AND Gift_Date <> ?"),
            { sql::date(b.date), id, sql::date(b.date) });
    } else {
        id = db.insert(QStringLiteral("INSERT INTO Gift_Batch (Batch_Date, Description, Control_Cents, Control_Count, "
                                      "Entered_By, Edited_On) VALUES (?, ?, ?, ?, ?, ?)")
                + sql::returningId(),
            { sql::date(b.date), sql::text(b.description), b.controlCents, b.controlCount, user, stamp });
    }
    for (const EntryGift& g : changes.added)
        insertGift(db, id, b.date, g, user, stamp);
    tx.commit();
    outcome.batchId = id;
    return outcome;
}

qint64 returnGift(Database& db, qint64 giftId, const QDate& today, const QString& user, const QDateTime& now)
{
    Transaction tx(db);
    const std::vector<EntryGift> found = readGifts(db, QStringLiteral("ID = ?"), { giftId });
    if (found.empty())
        throw Error(Batches::tr("This gift was removed at another workstation."));
    EntryGift back = found.front();
    if (back.reversesId > 0)
        throw Error(Batches::tr("This gift takes back another one; it cannot be returned itself."));
    if (back.lines.empty())
        throw Error(Batches::tr("A gift of goods has no amount to take back. An Admin may reopen its batch and "
                                "remove it."));
    if (db.exists(QStringLiteral("SELECT 1 FROM Gift WHERE Reverses_Gift_ID = ?"), { giftId }))
        throw Error(Batches::tr("This gift was returned already."));
    const QVariant stamp = sql::dateTime(now);
    qint64 batchId = 0;
    QDate date = today;
    db.forEach(QStringLiteral("SELECT ID, Batch_Date FROM Gift_Batch WHERE Closed = 0 ORDER BY Batch_Date DESC, ID "
                              "DESC LIMIT 1"),
        {}, [&](const QSqlQuery& q) {
            batchId = q.value(0).toLongLong();
            date = sql::toDate(q.value(1));
        });
    if (batchId == 0)
        batchId = db.insert(QStringLiteral("INSERT INTO Gift_Batch (Batch_Date, Description, Entered_By, Edited_On) "
                                           "VALUES (?, ?, ?, ?)")
                + sql::returningId(),
            { sql::date(today), QStringLiteral("Returned gifts"), user, stamp });
    else
        db.exec(QStringLiteral("UPDATE Gift_Batch SET Edited_On = ? WHERE ID = ?"), { stamp, batchId });
    for (GiftLine& line : back.lines)
        line.cents = -line.cents;
    back.note = QStringLiteral("Returned");
    back.returnedCents = 0;
    back.reversesId = giftId;
    insertGift(db, batchId, date, back, user, stamp);
    tx.commit();
    return batchId;
}

bool closeBatch(Database& db, qint64 batchId, const QString& user, const QDateTime& now)
{
    return db.execChange(QStringLiteral("UPDATE Gift_Batch SET Closed = 1, Closed_By = ?, Closed_On = ?, Edited_On = "
                                        "? WHERE ID = ? AND Closed = 0"),
               { user, sql::dateTime(now), sql::dateTime(now), batchId })
        > 0;
}

bool reopenBatch(Database& db, qint64 batchId, const QString& reason, const QString& user, const QDateTime& now)
{
    Transaction tx(db);
    if (db.execChange(QStringLiteral("UPDATE Gift_Batch SET Closed = 0, Closed_By = NULL, Closed_On = NULL, "
                                     "Edited_On = ? WHERE ID = ? AND Closed = 1"),
            { sql::dateTime(now), batchId })
        == 0)
        return false;
    db.exec(QStringLiteral("INSERT INTO Gift_Batch_Reopening (Batch_ID, Reopened_By, Reopened_On, Reason) VALUES (?, "
                           "?, ?, ?)"),
        { batchId, user, sql::dateTime(now), reason });
    tx.commit();
    return true;
}

} // namespace pw::giving
