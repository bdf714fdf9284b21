#include "people/Duplicates.h"

#include <algorithm>
#include <vector>

#include "data/Database.h"
#include "data/Members.h"
#include "data/PhoneRule.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>

namespace pw::people {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Duplicates)
    };
} // namespace

namespace {

    QString nameAndBirthKey(const PersonKeys& p)
    {
        if (p.firstName.isEmpty() || p.lastName.isEmpty() || !p.dateOfBirth.isValid())
            return {};
        return p.firstName + QLatin1Char('\n') + p.lastName + QLatin1Char('\n') + p.dateOfBirth.toString(Qt::ISODate);
    }

    // "first\nlast", when the person gives nothing else to compare.
    QString nameOnlyKey(const PersonKeys& p)
    {
        if (p.firstName.isEmpty() || p.lastName.isEmpty() || p.dateOfBirth.isValid() || !p.email.isEmpty()
            || !p.phones.isEmpty())
            return {};
        return p.firstName + QLatin1Char('\n') + p.lastName;
    }

    // Edits (a letter added, dropped, changed, or two neighbours swapped)
    // that turn one text into the other.
    int editsBetween(const QString& a, const QString& b)
    {
        const int n = static_cast<int>(a.size());
        const int m = static_cast<int>(b.size());
        std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
        for (int i = 0; i <= n; ++i)
            d[i][0] = i;
        for (int j = 0; j <= m; ++j)
            d[0][j] = j;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= m; ++j) {
                const int change = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
                d[i][j] = std::min({ d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change });
                if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                    d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
        return d[n][m];
    }

    // The same first name typed differently ("Margret", "Mraia"), or one
    // cut short ("Marg"); not two people of one family ("Henry", "Hannah").
    bool sameFirstName(const QString& a, const QString& b)
    {
        const int shorter = static_cast<int>(std::min(a.size(), b.size()));
        if (shorter >= 3 && (a.startsWith(b) || b.startsWith(a)))
            return true;
        const int edits = editsBetween(a, b);
        return edits <= 1 || (edits <= 2 && shorter >= 6);
    }

    // Two people the e-mail and phone rules must not join: both birth dates
    // known and different, or both first names known and plainly two names.
    // A shared e-mail address is rarer in a family than a home phone, so it
    // joins first names with the same initial ("Maggie", "Margaret"); a phone
    // (which a new family member takes from the head) only one name typed
    // differently.
    enum class Names { SameInitial, Typo };
    bool plainlyDifferent(const PersonKeys& a, const PersonKeys& b, Names names)
    {
        if (a.dateOfBirth.isValid() && b.dateOfBirth.isValid() && a.dateOfBirth != b.dateOfBirth)
            return true;
        if (a.firstName.isEmpty() || b.firstName.isEmpty())
            return false;
        return names == Names::SameInitial ? a.firstName.at(0) != b.firstName.at(0)
                                           : !sameFirstName(a.firstName, b.firstName);
    }

    const char* const kKeyColumns = "ID, First_Name, Last_Name, Email, Date_Of_Birth, Phone, Cell";

    PersonKeys keysOfRow(const RowView& row)
    {
        return PersonKeys::of(row.integer(0), row.text(1), row.text(2), row.text(3),
            QDate::fromString(row.text(4), Qt::ISODate), { row.text(5), row.text(6) });
    }

    void addMatch(QList<DuplicateMatch>& out, qint64 id, int reasons)
    {
        if (reasons == 0)
            return;
        for (DuplicateMatch& m : out) {
            if (m.id == id) {
                m.reasons |= reasons;
                return;
            }
        }
        out.append({ id, reasons });
    }

    void sortById(QList<DuplicateMatch>& matches)
    {
        std::sort(matches.begin(), matches.end(),
            [](const DuplicateMatch& a, const DuplicateMatch& b) { return a.id < b.id; });
    }

} // namespace

QString foldedKey(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QChar c : trimmed) {
        if (c.unicode() >= 0x80)
            return sql::equalityKey(trimmed);
    }
    return trimmed.toLower();
}

QString tenDigits(const QString& phone) { return phones::tenDigits(phone); }

PersonKeys PersonKeys::of(qint64 id, const QString& firstName, const QString& lastName, const QString& email,
    const QDate& dateOfBirth, const QStringList& phones)
{
    PersonKeys keys;
    keys.id = id;
    keys.firstName = foldedKey(firstName);
    keys.lastName = foldedKey(lastName);
    keys.email = foldedKey(email);
    keys.dateOfBirth = dateOfBirth;
    for (const QString& phone : phones) {
        const QString digits = tenDigits(phone);
        if (!digits.isEmpty() && !keys.phones.contains(digits))
            keys.phones.append(digits);
    }
    return keys;
}

PersonKeys PersonKeys::of(const MemberRecord& person)
{
    return of(
        person.id, person.firstName, person.lastName, person.email, person.dateOfBirth, { person.phone, person.cell });
}

int duplicateReasons(const PersonKeys& a, const PersonKeys& b)
{
    int reasons = 0;
    const QString nameKey = nameAndBirthKey(a);
    if (!nameKey.isEmpty() && nameKey == nameAndBirthKey(b))
        reasons |= SameNameAndBirthDate;
    if (!nameOnlyKey(a).isEmpty() && a.firstName == b.firstName && a.lastName == b.lastName)
        reasons |= SameNameOnly;
    if (!a.email.isEmpty() && a.email == b.email && !plainlyDifferent(a, b, Names::SameInitial))
        reasons |= SameEmail;
    if (!a.lastName.isEmpty() && a.lastName == b.lastName && !plainlyDifferent(a, b, Names::Typo)) {
        for (const QString& phone : a.phones) {
            if (b.phones.contains(phone))
                reasons |= SamePhoneAndLastName;
        }
    }
    return reasons;
}

QString describeReasons(int reasons)
{
    QStringList parts;
    if (reasons & SameNameAndBirthDate)
        parts.append(Tr::tr("same name and birth date"));
    if (reasons & SameEmail)
        parts.append(Tr::tr("same e-mail"));
    if (reasons & SamePhoneAndLastName)
        parts.append(Tr::tr("same phone and last name"));
    if (reasons & SameNameOnly)
        parts.append(Tr::tr("same name, nothing else to compare"));
    return parts.join(QStringLiteral(", "));
}

QList<DuplicateMatch> findDuplicates(Database& db, const MemberRecord& person)
{
    const PersonKeys keys = PersonKeys::of(person);
    // Each rule looks up its candidates through an index (birth date, the
    // folded e-mail, the phone columns); the rule then decides in full.
    QStringList conditions;
    QVariantList params;
    if (!nameAndBirthKey(keys).isEmpty()) {
        conditions.append(QStringLiteral("Date_Of_Birth = ?"));
        params.append(sql::date(keys.dateOfBirth));
    }
    if (!keys.email.isEmpty()) {
        // Through the index of the lowered e-mail, also where it was stored
        // with a blank before or after it.
        conditions.append(sql::textEqualsTrimmedCandidates(QStringLiteral("lower(Email)"), person.email, params));
    }
    if (!keys.lastName.isEmpty() && !keys.phones.isEmpty()) {
        const QString marks = QStringList(keys.phones.size(), QStringLiteral("?")).join(QStringLiteral(", "));
        conditions.append(QStringLiteral("Phone IN (%1) OR Cell IN (%1)").arg(marks));
        for (int i = 0; i < 2; ++i) {
            for (const QString& phone : keys.phones)
                params.append(phone);
        }
    }
    if (!nameOnlyKey(keys).isEmpty()) {
        // The name index holds names as typed, in any letter case.
        conditions.append(sql::textEqualsTrimmedCandidates(QStringLiteral("Last_Name"), person.lastName, params));
    }
    QList<DuplicateMatch> matches;
    if (conditions.isEmpty())
        return matches;
    QStringList selects;
    for (const QString& condition : conditions)
        selects.append(QStringLiteral("SELECT %1 FROM Member WHERE %2").arg(QLatin1String(kKeyColumns), condition));
    db.scan(selects.join(QStringLiteral(" UNION ")), params, [&](const RowView& row) {
        const PersonKeys existing = keysOfRow(row);
        if (existing.id != person.id)
            addMatch(matches, existing.id, duplicateReasons(keys, existing));
    });
    sortById(matches);
    return matches;
}

DuplicateIndex::DuplicateIndex(Database& db)
{
    const qsizetype people = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toLongLong();
    m_people.reserve(people);
    for (QMultiHash<QString, int>* hash : { &m_byNameAndBirth, &m_byEmail, &m_byName, &m_byPhone })
        hash->reserve(people);
    db.scan(QStringLiteral("SELECT %1 FROM Member").arg(QLatin1String(kKeyColumns)), {},
        [&](const RowView& row) { add(keysOfRow(row)); });
}

void DuplicateIndex::add(const PersonKeys& person)
{
    const int at = m_people.size();
    m_people.append(person);
    const QString nameKey = nameAndBirthKey(person);
    if (!nameKey.isEmpty())
        m_byNameAndBirth.insert(nameKey, at);
    if (!person.email.isEmpty())
        m_byEmail.insert(person.email, at);
    if (!person.firstName.isEmpty() && !person.lastName.isEmpty())
        m_byName.insert(person.firstName + QLatin1Char('\n') + person.lastName, at);
    if (!person.lastName.isEmpty()) {
        for (const QString& phone : person.phones)
            m_byPhone.insert(phone, at);
    }
}

QList<DuplicateMatch> DuplicateIndex::match(const MemberRecord& person) const { return match(PersonKeys::of(person)); }

QList<DuplicateMatch> DuplicateIndex::match(const PersonKeys& person) const
{
    // Matching everyone in a church (Possible Duplicates) runs this once per
    // person: the candidates stay on the stack, each key looked up once.
    QVarLengthArray<int, 32> candidates;
    const auto collect = [&](const QMultiHash<QString, int>& hash, const QString& key) {
        if (key.isEmpty())
            return;
        const auto [from, to] = hash.equal_range(key);
        for (auto it = from; it != to; ++it)
            candidates.append(it.value());
    };
    collect(m_byNameAndBirth, nameAndBirthKey(person));
    collect(m_byEmail, person.email);
    collect(m_byName, nameOnlyKey(person));
    if (!person.lastName.isEmpty()) {
        for (const QString& phone : person.phones)
            collect(m_byPhone, phone);
    }
    std::sort(candidates.begin(), candidates.end());
    QList<DuplicateMatch> matches;
    for (auto it = candidates.cbegin(); it != candidates.cend(); ++it) {
        if (it != candidates.cbegin() && *it == *(it - 1))
            continue;
        const PersonKeys& existing = m_people.at(*it);
        if (person.id == 0 || existing.id != person.id)
            addMatch(matches, existing.id, duplicateReasons(person, existing));
    }
    sortById(matches);
    return matches;
}

} // namespace pw::people
