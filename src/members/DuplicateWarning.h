#pragma once

#include "data/Members.h"

namespace pw::members {

// What the user answered about a new person who matches someone already in
// the church.
struct DuplicateAnswer {
    enum Choice { SaveAnyway, OpenThatPerson, Cancel };
    Choice choice = SaveAnyway; // SaveAnyway also when nobody matches
    qint64 existingId = 0; // the person to open
};

// Before a new person is saved: when they match someone already there (by
// the duplicate rule), asks "There is already Hale, Margaret (born
// 3/4/1950, phone (555) 123-4567)." with Save Anyway, Open That Person and
// Cancel.
DuplicateAnswer askAboutDuplicates(const MemberRecord& person);

} // namespace pw::members
