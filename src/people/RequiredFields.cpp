#include "people/RequiredFields.h"

#include "data/Members.h"

namespace pw::people {

QStringList missingRequiredFields(const MemberRecord& r)
{
    const std::pair<const QString*, const char*> fields[] = { { &r.status, "Member Status" },
        { &r.firstName, "First Name" }, { &r.lastName, "Last Name" }, { &r.gender, "Gender" },
        { &r.memberActiveStatus, "Church Status" }, { &r.prospectStatus, "Prospect Status" } };
    QStringList missing;
    for (const auto& [value, caption] : fields) {
        if (value->isEmpty())
            missing.append(QString::fromLatin1(caption));
    }
    return missing;
}

} // namespace pw::people
