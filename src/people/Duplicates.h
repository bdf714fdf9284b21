#pragma once

// When two records stand for one person. A new person is a duplicate of
// someone already in the church when
//   - first name, last name and birth date are the same; or
//   - the e-mail address is the same; or
//   - a ten-digit phone (home or cell) is the same and so is the last name;
//   - or, when the new person gives nothing of these to compare (no birth
//     date, e-mail or ten-digit phone), first and last name are the same: a
//     row of a spreadsheet with a name alone is found again on a second import.
// Text is compared trimmed and without regard to letter case, in every
// alphabet. A family often shares one e-mail address and one home phone, so
// the e-mail and phone rules do not join two people who are plainly not the
// same: both birth dates known and different, or both first names known and
// plainly two names: for the e-mail, names with different initials; for the
// phone, names more than a typo apart (a child given the family phone:
// "Henry" and "Hannah"). A typo in the first name ("Margret" for "Margaret",
// swapped letters) or a name cut short ("Marg") still matches either way.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace pw {

class Database;
struct MemberRecord;

namespace people {

    // Why two records were matched; several may hold at once.
    enum DuplicateReason {
        SameNameAndBirthDate = 1,
        SameEmail = 2,
        SamePhoneAndLastName = 4,
        SameNameOnly = 8, // the new person gives nothing else to compare
    };

    // What the rule compares of one person, already folded: trimmed, letter
    // case folded, phones as ten digits (others left out).
    struct PersonKeys {
        qint64 id = 0;
        QString firstName;
        QString lastName;
        QString email;
        QDate dateOfBirth;
        QStringList phones;

        static PersonKeys of(const MemberRecord& person);
        static PersonKeys of(qint64 id, const QString& firstName, const QString& lastName, const QString& email,
            const QDate& dateOfBirth, const QStringList& phones);
    };

    // The reasons (DuplicateReason bits) for which a, the new person, and b
    // are one person; 0 when they are not.
    int duplicateReasons(const PersonKeys& a, const PersonKeys& b);

    // The reasons as the user reads them: "same name and birth date", ...
    QString describeReasons(int reasons);

    struct DuplicateMatch {
        qint64 id = 0; // the person already in the church
        int reasons = 0;
    };

    // The people already in the church that person matches, by identifier;
    // the person's own row (its id) is left out. A few indexed look-ups, fast
    // on a large church: for the check when a new person is saved.
    QList<DuplicateMatch> findDuplicates(Database& db, const MemberRecord& person);

    // The keys of every person loaded once, for matching many new people (an
    // import) without a query each.
    class DuplicateIndex {
    public:
        DuplicateIndex() = default;
        explicit DuplicateIndex(Database& db);

        // Adds one person (an existing row, or one just written by an import
        // so that later rows can match it).
        void add(const PersonKeys& person);
        QList<DuplicateMatch> match(const MemberRecord& person) const;
        QList<DuplicateMatch> match(const PersonKeys& person) const;
        int size() const { return m_people.size(); }
        // Everyone added, in the order added.
        const QList<PersonKeys>& people() const { return m_people; }

    private:
        QList<PersonKeys> m_people;
        QMultiHash<QString, int> m_byNameAndBirth; // "first\nlast\ndate"
        QMultiHash<QString, int> m_byEmail;
        QMultiHash<QString, int> m_byName; // "first\nlast"
        QMultiHash<QString, int> m_byPhone;
    };

    // Trimmed and folded as the rule compares text.
    QString foldedKey(const QString& text);
    // The ten digits of a phone written in any form ("(555) 123-4567",
    // "555.123.4567", "+1 555 123 4567"), by the rule of the phone boxes
    // (data/PhoneRule); empty when it is no whole number.
    QString tenDigits(const QString& phone);

} // namespace people

} // namespace pw
