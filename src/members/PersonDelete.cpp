#include "members/PersonDelete.h"

#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/PersonName.h"
#include "data/Members.h"
#include "data/PersonLinks.h"

namespace pw::members {

namespace {
    const QString kTitle = QStringLiteral("Delete Person");
}

bool deletePerson(qint64 id)
{
    if (!requireAdmin(QStringLiteral("delete a person")))
        return false;
    const std::optional<MemberRecord> person = Members::load(db(), id);
    if (!person) {
        messages().show(QStringLiteral("The person with ID %1 no longer exists.").arg(id), QStringLiteral("Pewlark"));
        return false;
    }
    const QString name = displayName(person->lastName, person->firstName);
    const QVector<PersonLinks::Use> uses = PersonLinks::uses(db(), id);
    const QString refused = PersonLinks::refusal(name, uses);
    if (!refused.isEmpty()) {
        messages().show(refused, kTitle, Icon::Warning);
        return false;
    }
    const QString along = PersonLinks::listed(uses, PersonLinks::OnDelete::Remove);
    const QString question
        = QStringLiteral("Delete %1 (ID %2)?%3\n\nThis cannot be undone.")
              .arg(name)
              .arg(id)
              .arg(along.isEmpty() ? QString() : QStringLiteral(" With the person go %1.").arg(along));
    if (messages().ask(question, kTitle, Icon::Warning) != Answer::Yes)
        return false;
    {
        BusyCursor busy;
        PersonLinks::remove(db(), id, name);
    }
    if (Workspace* w = workspace())
        emit w->membersChanged();
    showStatus(QStringLiteral("Deleted %1.").arg(name));
    return true;
}

} // namespace pw::members
