#include "members/PersonDelete.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Members.h"
#include "data/PersonLinks.h"
#include "data/PersonName.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"

#include <QCoreApplication>

namespace pw::members {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(PersonDelete)
    };

    QString title() { return Tr::tr("Delete Person"); }
} // namespace

bool deletePerson(qint64 id)
{
    if (!requireAdmin(Tr::tr("delete a person")))
        return false;
    const std::optional<MemberRecord> person = Members::load(db(), id);
    if (!person) {
        messages().show(Tr::tr("The person with ID %1 no longer exists.").arg(id), QStringLiteral("Pewlark"));
        return false;
    }
    const QString name = displayName(person->lastName, person->firstName);
    const QVector<PersonLinks::Use> uses = PersonLinks::uses(db(), id);
    const QString refused = PersonLinks::refusal(name, uses);
    if (!refused.isEmpty()) {
        messages().show(refused, title(), Icon::Warning);
        return false;
    }
    const QString along = PersonLinks::listed(uses, PersonLinks::OnDelete::Remove);
    const QString question = Tr::tr("Delete %1 (ID %2)?%3\n\nThis cannot be undone.")
                                 .arg(name)
                                 .arg(id)
                                 .arg(along.isEmpty() ? QString() : Tr::tr(" With the person go %1.").arg(along));
    if (messages().ask(question, title(), Icon::Warning) != Answer::Yes)
        return false;
    {
        BusyCursor busy;
        PersonLinks::remove(db(), id, name);
    }
    if (Workspace* w = workspace())
        emit w->membersChanged();
    showStatus(Tr::tr("Deleted %1.").arg(name));
    return true;
}

} // namespace pw::members
