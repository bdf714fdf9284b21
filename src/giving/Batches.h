#pragma once

// Batches (deposits) and the gifts entered into them, as the gift entry
// screen reads and saves them: a batch's gifts are saved at once in one
// transaction, a closed batch refuses every change, and two counters saving
// into one open batch keep both sides' gifts.

#include "data/ThreeWay.h"
#include "giving/Statements.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace pw {
class Database;
}

namespace pw::giving {

struct Batch {
    qint64 id = 0; // 0: not saved yet
    QDate date;
    QString description;
    qint64 controlCents = 0; // the total the counters wrote on the slip
    int controlCount = 0; // and the number of gifts
    QString enteredBy;
    bool closed = false;
    QString closedBy;
    QDateTime closedOn;
    QString editedOn; // moves with every saved change
};

// A gift as the entry screen holds it: the giver (0 for the loose
// offering), how it was given and its split over the funds.
struct EntryGift {
    qint64 id = 0; // 0: entered on screen, not saved yet
    qint64 giverId = 0;
    QString method;
    QString checkNumber;
    QString note;
    std::vector<GiftLine> lines; // none for a gift of goods
    QString goods; // a gift of goods: what was given (it has no value)
    qint64 returnedCents = 0; // goods or services the giver received for it (a dinner ticket)
    qint64 reversesId = 0; // a returned gift's reversal: the gift it takes back

    qint64 cents() const;
    bool operator==(const EntryGift& other) const;
    bool operator!=(const EntryGift& other) const { return !(*this == other); }
};

// The funds in their order; only the active ones unless all is set.
std::vector<Fund> funds(Database& db, bool all = false);

// The batches a list offers: the open ones (newest first), then the closed
// ones of the last `closedDays` days before today.
std::vector<Batch> listedBatches(Database& db, const QDate& today, int closedDays = 120);
// The batch as stored; nothing when there is no such batch.
std::optional<Batch> batch(Database& db, qint64 id);
// The batch's gifts in the order they were entered.
std::vector<EntryGift> batchGifts(Database& db, qint64 batchId);

// The active person who holds this envelope number; 0 when nobody does.
qint64 personByEnvelope(Database& db, qint64 envelope);
// The envelope number of the person; 0 when none.
qint64 envelopeOf(Database& db, qint64 memberId);
// Whether the person's statement is their own ("Alone") rather than joint
// with the household.
bool givesAlone(Database& db, qint64 memberId);
// Stores the person's envelope number (0: none) and statement unit. An
// envelope number another active person holds is refused: nothing is
// written and that person's identifier comes back; 0 when stored.
qint64 saveGiver(Database& db, qint64 memberId, qint64 envelope, bool alone);

// A pledge stored, or taken away (one entered by mistake).
qint64 addPledge(Database& db, const Pledge& pledge);
void removePledge(Database& db, qint64 pledgeId);

// How the entry row names a giver as it is chosen: "Hale, Helen Ann",
// with the city and the envelope number after it when there are any.
QString giverText(Database& db, qint64 memberId);

// What one save of the entry screen writes: the batch's own fields and the
// gifts added, changed (each with the version loaded, to see another
// workstation's change) and removed since the batch was loaded.
struct BatchChanges {
    Batch batch; // id 0: a new batch, inserted first
    std::vector<EntryGift> added;
    std::vector<std::pair<EntryGift, EntryGift>> changed; // loaded, mine
    std::vector<qint64> removed;
};

struct BatchSaveOutcome {
    qint64 batchId = 0;
    // The batch was closed meanwhile (by whom): nothing was written.
    QString closedBy;
    // Gifts another workstation changed or removed since they were loaded,
    // and changed here too: nothing was written (OnConflict::Report).
    int conflicts = 0;
};

// Writes the changes in one transaction, reading the batch under the
// writing lock. A gift changed on both sides is written as onConflict says;
// a gift removed elsewhere and changed here is entered again when "mine"
// wins. Gifts take the batch's date.
BatchSaveOutcome saveBatch(Database& db, const BatchChanges& changes, threeway::OnConflict onConflict,
    const QString& user, const QDateTime& now);

// Records a returned check or a refund: a gift that takes the stored gift
// back, with the same giver, method and check number and every line
// negated, in the newest open batch (a new one dated today when none is
// open). Statements count it on the returned gift's date, so the two net to
// nothing. Throws pw::Error for a gift that is a reversal itself or was
// returned already. Returns the batch the reversal went into.
qint64 returnGift(Database& db, qint64 giftId, const QDate& today, const QString& user, const QDateTime& now);

// Closes the batch; false (and nothing written) when it was closed already.
bool closeBatch(Database& db, qint64 batchId, const QString& user, const QDateTime& now);
// Reopens a closed batch, recording who, when and why; false when it was
// not closed.
bool reopenBatch(Database& db, qint64 batchId, const QString& reason, const QString& user, const QDateTime& now);

} // namespace pw::giving
