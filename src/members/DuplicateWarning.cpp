#include "members/DuplicateWarning.h"

#include "people/DuplicateQuestion.h"
#include "widgets/Context.h"
#include "widgets/Messages.h"

namespace pw::members {

DuplicateAnswer askAboutDuplicates(const MemberRecord& person)
{
    const std::optional<people::DuplicateQuestion> question = people::duplicateQuestion(db(), person);
    if (!question)
        return {};
    const int answer = messages().choose(question->text, QStringLiteral("Pewlark"),
        { QStringLiteral("Save Anyway"), QStringLiteral("Open That Person"), QStringLiteral("Cancel") }, 2, 2);
    return { answer == 0  ? DuplicateAnswer::SaveAnyway
            : answer == 1 ? DuplicateAnswer::OpenThatPerson
                          : DuplicateAnswer::Cancel,
        question->existingId };
}

} // namespace pw::members
