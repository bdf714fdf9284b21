#pragma once

// Saving a contact from the contact screen: a new contact is added; an edited
// one keeps what another workstation changed in it meanwhile, and a field
// both changed is a conflict the user settles. The prospect's next step takes
// part in the same way, so a contact saved from an older screen never puts
// the prospect back to a stale phase without asking.

#include "data/Contacts.h"
#include "data/Members.h"

#include <QStringList>
#include <optional>

namespace pw::outreach {

// The prospect's next step as the screen read it and as the user left it.
// A step the user did not touch is mine == loaded: it is then not written.
struct StepEdit {
    qint64 prospectId = 0; // whose stored step loaded is; 0: none was read
    NextStep loaded;
    NextStep mine;
};

struct ContactSaveResult {
    qint64 id = 0; // the contact's identifier once saved
    // False only when conflicts were found and onConflict was Report:
    // nothing was written.
    bool saved = false;
    QStringList conflicts; // captions of the fields both changed ("Notes", "Next Phase")
    QStringList keptTheirs; // captions of the fields only the other workstation changed
};

// Saves mine with the prospect's next step in one change (Contacts::save).
// Each field, the three of the next step included, follows data/ThreeWay
// against the row as it is now: the contact's fields when mine edits a
// stored contact and loaded is that contact as the screen read it; the next
// step when step.prospectId is the prospect saved (otherwise the step counts
// as the user's own). The next step is written only when it differs from the
// stored one. Throws pw::Error when the contact or its prospect no longer
// exists.
ContactSaveResult saveContact(const std::optional<Contacts::Contact>& loaded, const Contacts::Contact& mine,
    const StepEdit& step, Members::OnConflict onConflict = Members::OnConflict::Report);

} // namespace pw::outreach
