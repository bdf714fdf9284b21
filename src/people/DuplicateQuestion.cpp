#include "people/DuplicateQuestion.h"

#include "data/Members.h"
#include "data/PersonName.h"
#include "people/Duplicates.h"

#include <QCoreApplication>

namespace pw::people {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(DuplicateQuestion)
    };
} // namespace

namespace {

    // "(555) 123-4567" for ten digits, anything else as stored.
    QString shownPhone(const QString& digits)
    {
        if (digits.size() != 10)
            return digits;
        return QStringLiteral("(%1) %2-%3").arg(digits.left(3), digits.mid(3, 3), digits.mid(6));
    }

    // "Hale, Margaret (born 3/4/1950, phone (555) 123-4567)"
    QString described(const MemberRecord& r)
    {
        QStringList known;
        if (r.dateOfBirth.isValid())
            known.append(Tr::tr("born %1").arg(r.dateOfBirth.toString(QStringLiteral("M/d/yyyy"))));
        const QString phone = r.phone.isEmpty() ? r.cell : r.phone;
        if (!phone.isEmpty())
            known.append(Tr::tr("phone %1").arg(shownPhone(phone)));
        const QString name = displayName(r.lastName, r.firstName);
        return known.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, known.join(QStringLiteral(", ")));
    }

} // namespace

std::optional<DuplicateQuestion> duplicateQuestion(Database& db, const MemberRecord& person)
{
    const QList<DuplicateMatch> found = findDuplicates(db, person);
    if (found.isEmpty())
        return std::nullopt;
    const std::optional<MemberRecord> there = Members::load(db, found.first().id);
    if (!there)
        return std::nullopt;
    QString text = Tr::tr("There is already %1.").arg(described(*there));
    if (found.size() > 1)
        text += Tr::tr(" %1 other people match as well.").arg(found.size() - 1);
    return DuplicateQuestion { text, there->id };
}

} // namespace pw::people
