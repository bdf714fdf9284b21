#pragma once

// The question asked before a new person is added who matches someone
// already in the church (by the duplicate rule): the screens that add
// people ask it with their own buttons.

#include <QString>
#include <optional>

namespace pw {

class Database;
struct MemberRecord;

namespace people {

    struct DuplicateQuestion {
        // "There is already Hale, Margaret (born 3/4/1950, phone (555)
        // 123-4567)." and, when more match, how many others do.
        QString text;
        qint64 existingId = 0; // the first person found
    };

    // The question about person, or nothing when nobody matches.
    std::optional<DuplicateQuestion> duplicateQuestion(Database& db, const MemberRecord& person);

} // namespace people

} // namespace pw
