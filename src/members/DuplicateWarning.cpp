#include "members/DuplicateWarning.h"

#include "people/DuplicateQuestion.h"
#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QCoreApplication>

namespace pw::members {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(DuplicateWarning)
    };
} // namespace

DuplicateAnswer askAboutDuplicates(const MemberRecord& person)
{
    const std::optional<people::DuplicateQuestion> question = people::duplicateQuestion(db(), person);
    if (!question)
        return {};
    const int answer = messages().choose(question->text, QStringLiteral("Pewlark"),
        { Tr::tr("Save Anyway"), Tr::tr("Open That Person"), Tr::tr("Cancel") }, 2, 2);
    return { answer == 0  ? DuplicateAnswer::SaveAnyway
            : answer == 1 ? DuplicateAnswer::OpenThatPerson
                          : DuplicateAnswer::Cancel,
        question->existingId };
}

} // namespace pw::members
