#include "outreach/ContactSave.h"

#include "data/Database.h"
#include "data/Rows.h"
#include "data/Sql.h"
#include "data/ThreeWay.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"

#include <QCoreApplication>

namespace pw::outreach {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ContactSave)
    };

    // The fields of a contact and of the next step, by their captions on the
    // contact screen (in English; caption() gives them as shown).
    const std::vector<threeway::Field<Contacts::Contact>>& contactFields()
    {
        using C = Contacts::Contact;
        static const std::vector<threeway::Field<C>> all
            = { threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Prospect")), &C::prospectId),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Date")), &C::date),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Action")), &C::action),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Type")), &C::type),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Visitor 1")), &C::visitor1),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Visitor 2")), &C::visitor2),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Rating")), &C::rating),
                  threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Notes")), &C::notes) };
        return all;
    }

    const std::vector<threeway::Field<NextStep>>& stepFields()
    {
        static const std::vector<threeway::Field<NextStep>> all = {
            threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Next Phase")), &NextStep::phase),
            { QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Next Contact Date")),
                [](const NextStep& step) { return sql::date(step.date); },
                [](NextStep& to, const NextStep& from) { to.date = from.date; } },
            threeway::field(QStringLiteral(QT_TRANSLATE_NOOP("ContactSave", "Next Contact Action")), &NextStep::action)
        };
        return all;
    }

    QString caption(const QString& field)
    {
        return QCoreApplication::translate("ContactSave", field.toUtf8().constData());
    }

    QString goneText(qint64 id)
    {
        return Tr::tr("This contact (ID %1) has been deleted since it was opened, perhaps on another "
                      "workstation, so it could not be saved. Nothing was changed.")
            .arg(id);
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
            [&] { return Tr::tr("the contact of %1").arg(loaded->date.toString(Qt::ISODate)); });
        const std::optional<Contacts::Contact> stored = Contacts::load(database, mine.id);
        if (!stored)
            throw Error(goneText(mine.id));
        contact = threeway::mergeRecord(contactFields(), *loaded, toWrite, *stored, onConflict);
    }

    // The step of the prospect the contact ends up with, as stored now. A
    // prospect gone meanwhile is refused by Contacts::save.
    if (toWrite.prospectId > 0)
        Members::lock(database, toWrite.prospectId);
    const NextStep theirs = Contacts::nextStep(database, toWrite.prospectId).value_or(NextStep {});
    const NextStep before = step.prospectId == toWrite.prospectId ? step.loaded.normalized() : theirs;
    NextStep written = step.mine.normalized();
    const threeway::Merge next = threeway::mergeRecord(stepFields(), before, written, theirs, onConflict);

    result.conflicts = conflictFields(contact.conflicts, caption) + conflictFields(next.conflicts, caption);
    if (contact.refused || next.refused)
        return result; // rolled back: nothing written
    result.keptTheirs = contact.keptTheirs + next.keptTheirs;

    written = written.normalized();
    result.id = Contacts::save(database, toWrite, written != theirs ? std::optional<NextStep>(written) : std::nullopt);
    tx.commit();
    result.saved = true;
    return result;
}

} // namespace pw::outreach
