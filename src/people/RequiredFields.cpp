#include "people/RequiredFields.h"

#include "data/Members.h"

#include <QtGlobal>

namespace pw::people {

QStringList missingRequiredFields(const MemberRecord& r)
{
    const std::pair<const QString*, const char*> fields[]
        = { { &r.status, QT_TRANSLATE_NOOP("RequiredFields", "Member Status") },
              { &r.firstName, QT_TRANSLATE_NOOP("RequiredFields", "First Name") },
              { &r.lastName, QT_TRANSLATE_NOOP("RequiredFields", "Last Name") },
              { &r.gender, QT_TRANSLATE_NOOP("RequiredFields", "Gender") },
              { &r.memberActiveStatus, QT_TRANSLATE_NOOP("RequiredFields", "Church Status") },
              { &r.prospectStatus, QT_TRANSLATE_NOOP("RequiredFields", "Prospect Status") } };
    QStringList missing;
    for (const auto& [value, caption] : fields) {
        if (value->isEmpty())
            missing.append(QString::fromLatin1(caption));
    }
    return missing;
}

} // namespace pw::people
