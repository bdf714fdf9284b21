#include "outreach/ContactSave.h"

#include "app/Context.h"
#include "data/Database.h"
#include "data/Rows.h"
#include "data/Sql.h"
#include "data/ThreeWay.h"

#include <functional>

namespace pw::outreach {

namespace {

    // One field of a contact: its caption on the contact screen and how to
    // reach it.
    struct Field {
        QString caption;
        std::function<QVariant(const Contacts::Contact&)> get;
        std::function<void(Contacts::Contact&, const Contacts::Contact&)> copy; // from the second to the first
    };

    template <class T> Field field(const char* caption, T Contacts::Contact::*member)
    {
        return Field { QString::fromLatin1(caption),
            [member](const Contacts::Contact& c) { return QVariant::fromValue(c.*member); },
            [member](Contacts::Contact& to, const Contacts::Contact& from) { to.*member = from.*member; } };
    }

    const std::vector<Field>& fields()
    {
        static const std::vector<Field> all
            = { field("Prospect", &Contacts::Contact::prospectId), field("Date", &Contacts::Contact::date),
                  field("Action", &Contacts::Contact::action), field("Type", &Contacts::Contact::type),
                  field("Visitor 1", &Contacts::Contact::visitor1), field("Visitor 2", &Contacts::Contact::visitor2),
                  field("Rating", &Contacts::Contact::rating), field("Notes", &Contacts::Contact::notes) };
        return all;
    }

    const Field& fieldNamed(const QString& caption)
    {
        for (const Field& f : fields())
            if (f.caption == caption)
                return f;
        return fields().front();
    }

    QStringList captions()
    {
        QStringList out;
        for (const Field& f : fields())
            out.append(f.caption);
        return out;
    }

    // The next step's three fields by their captions on the contact screen.
    const QStringList kStepFields
        = { QStringLiteral("Next Phase"), QStringLiteral("Next Contact Date"), QStringLiteral("Next Contact Action") };

    QVariant stepValue(const NextStep& step, const QString& caption)
    {
        if (caption == kStepFields.at(0))
            return step.phase;
        if (caption == kStepFields.at(1))
            return sql::date(step.date);
        return step.action;
    }

    void copyStepValue(NextStep& to, const NextStep& from, const QString& caption)
    {
        if (caption == kStepFields.at(0))
            to.phase = from.phase;
        else if (caption == kStepFields.at(1))
            to.date = from.date;
        else
            to.action = from.action;
    }

    QString goneText(qint64 id)
    {
        return QStringLiteral("This contact (ID %1) has been deleted since it was opened, perhaps on another "
                              "workstation, so it could not be saved. Nothing was changed.")
            .arg(id);
    }

    void addConflicts(QStringList& to, const threeway::Merge& merged)
    {
        for (const threeway::Conflict& c : merged.conflicts)
            to.append(c.column);
    }

} // namespace

ContactSaveResult saveContact(const std::optional<Contacts::Contact>& loaded, const Contacts::Contact& mine,
    const StepEdit& step, Members::OnConflict onConflict)
{
    Database& database = db();
    Transaction tx(database);
    ContactSaveResult result;
    Contacts::Contact toWrite = mine;

    threeway::Merge contact;
    if (mine.id > 0 && loaded && loaded->id == mine.id) {
        // On a server the rows are locked before they are read, so a change
        // another workstation commits while this save waits is merged, not
        // written over.
        rows::lockRow(database, QStringLiteral("Prospect_Contact"), QStringLiteral("ID"), mine.id,
            [&] { return QStringLiteral("the contact of %1").arg(loaded->date.toString(Qt::ISODate)); });
        const std::optional<Contacts::Contact> stored = Contacts::load(database, mine.id);
        if (!stored)
            throw Error(goneText(mine.id));
        contact = threeway::merge(
            captions(),
            [&](const QString& caption) {
                const Field& f = fieldNamed(caption);
                return threeway::Versions { f.get(*loaded), f.get(mine), f.get(*stored) };
            },
            onConflict);
        for (const QString& caption : contact.keptTheirs)
            fieldNamed(caption).copy(toWrite, *stored);
    }

    // The step of the prospect the contact ends up with, as stored now. A
    // prospect gone meanwhile is refused by Contacts::save.
    if (toWrite.prospectId > 0)
        Members::lock(database, toWrite.prospectId);
    const NextStep theirs = Contacts::nextStep(database, toWrite.prospectId).value_or(NextStep {});
    const NextStep before = step.prospectId == toWrite.prospectId ? step.loaded.normalized() : theirs;
    const NextStep wanted = step.mine.normalized();
    const threeway::Merge next = threeway::merge(
        kStepFields,
        [&](const QString& caption) {
            return threeway::Versions { stepValue(before, caption), stepValue(wanted, caption),
                stepValue(theirs, caption) };
        },
        onConflict);
    NextStep written = wanted;
    for (const QString& caption : next.keptTheirs)
        copyStepValue(written, theirs, caption);

    addConflicts(result.conflicts, contact);
    addConflicts(result.conflicts, next);
    if (contact.refused || next.refused)
        return result; // rolled back: nothing written
    result.keptTheirs = contact.keptTheirs + next.keptTheirs;

    written = written.normalized();
    result.id = Contacts::save(database, toWrite, written != theirs ? std::optional<NextStep>(written) : std::nullopt);
    tx.commit();
    result.saved = true;
    return result;
}

QString contactConflictQuestion(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& f : fields)
        quoted.append(QStringLiteral("\"%1\"").arg(f));
    return QStringLiteral("While you were editing this contact, another user changed the same field%1 at another "
                          "workstation: %2.\n\nKeep their values, keep yours, or cancel the save?")
        .arg(fields.size() == 1 ? QString() : QStringLiteral("s"), quoted.join(QStringLiteral(", ")));
}

} // namespace pw::outreach
