#include "outreach/ContactSave.h"

#include "app/Context.h"
#include "data/Database.h"

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

    QString goneText(qint64 id)
    {
        return QStringLiteral("This contact (ID %1) has been deleted since it was opened, perhaps on another "
                              "workstation, so it could not be saved. Nothing was changed.")
            .arg(id);
    }

} // namespace

ContactSaveResult saveContact(const std::optional<Contacts::Contact>& loaded, const Contacts::Contact& mine,
    const NextStep& step, Members::OnConflict onConflict)
{
    Database& database = db();
    Transaction tx(database);
    ContactSaveResult result;
    Contacts::Contact toWrite = mine;

    if (mine.id > 0 && loaded && loaded->id == mine.id) {
        const std::optional<Contacts::Contact> stored = Contacts::load(database, mine.id);
        if (!stored)
            throw Error(goneText(mine.id));
        QStringList conflicting;
        std::vector<const Field*> conflictFields;
        for (const Field& f : fields()) {
            const QVariant before = f.get(*loaded);
            const bool mineChanged = f.get(mine) != before;
            const bool theirsChanged = f.get(*stored) != before;
            if (theirsChanged && !mineChanged) {
                f.copy(toWrite, *stored);
                result.keptTheirs.append(f.caption);
            } else if (theirsChanged && f.get(mine) != f.get(*stored)) {
                conflicting.append(f.caption);
                conflictFields.push_back(&f);
            }
        }
        result.conflicts = conflicting;
        if (!conflicting.isEmpty()) {
            if (onConflict == Members::OnConflict::Report)
                return result; // rolled back: nothing written
            if (onConflict == Members::OnConflict::KeepTheirs) {
                for (const Field* f : conflictFields)
                    f->copy(toWrite, *stored);
                result.keptTheirs += conflicting;
            }
        }
    }

    result.id = Contacts::save(database, toWrite, step);
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
