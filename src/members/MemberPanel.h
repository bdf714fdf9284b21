#pragma once

// A part of the member screen that shows something of the person on screen:
// a tab, a frame or a box of its own. The screen keeps its panels in one
// list and runs each of its steps over all of them, in the order they were
// added, so a new tab is one class implementing this and one addPanel() line
// in the screen's constructor (see frmMemberEntry).

#include "data/Members.h"

#include <QtGlobal>

namespace pw::members {

class MemberPanel {
public:
    virtual ~MemberPanel() = default;

    // Refills the panel's pick lists; each keeps its choice when it still can.
    virtual void reloadLists() { }
    // Shows no person: the screen was cleared for a new entry or a load.
    virtual void clear() = 0;
    // The person's row as the screen shows it: after it was read, and again
    // as stored after each save (a new person then has an identifier).
    virtual void showRecord(const MemberRecord& record) { Q_UNUSED(record); }
    // The person was loaded: the panel reads rows of its own (family,
    // responsibilities, contacts). Not called after a save.
    virtual void loadPerson(qint64 id) { Q_UNUSED(id); }
};

} // namespace pw::members
