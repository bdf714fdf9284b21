#pragma once

// The fields every person needs: the member screen saves no one (and no
// change to anyone) while one of them is empty.

#include <QStringList>

namespace pw {

struct MemberRecord;

namespace people {

    // The captions of the fields the person lacks, in the order Member
    // Status, First Name, Last Name, Gender, Church Status, Prospect Status;
    // empty when none is missing. The captions are in English; they are
    // shown through QCoreApplication::translate("RequiredFields", caption).
    QStringList missingRequiredFields(const MemberRecord& person);

} // namespace people

} // namespace pw
