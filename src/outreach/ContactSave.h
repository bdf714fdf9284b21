#pragma once

// Saving a contact from the contact screen: a new contact is added; an edited
// one keeps what another workstation changed in it meanwhile, and a field
// both changed is a conflict the user settles.

#include "data/Contacts.h"
#include "data/Members.h"

#include <QStringList>
#include <optional>

namespace pw::outreach {

struct ContactSaveResult {
    qint64 id = 0; // the contact's identifier once saved
    // False only when conflicts were found and onConflict was Report:
    // nothing was written.
    bool saved = false;
    QStringList conflicts; // captions of the fields both changed ("Notes", "Visitor 2")
    QStringList keptTheirs; // captions of the fields only the other workstation changed
};

// Saves mine with the prospect's next step in one change (Contacts::save).
// When mine edits a stored contact and loaded is the contact as the screen
// read it, the row is read again in the same change and each field follows
// the rule of Members::saveEdited: only mine changed, written; only theirs
// changed, kept; both changed differently, a conflict handled as onConflict
// says. Throws pw::Error when the contact or its prospect no longer exists.
ContactSaveResult saveContact(const std::optional<Contacts::Contact>& loaded, const Contacts::Contact& mine,
    const NextStep& step, Members::OnConflict onConflict = Members::OnConflict::Report);

// The question asked when a save found conflicts, naming the fields.
QString contactConflictQuestion(const QStringList& fields);

} // namespace pw::outreach
