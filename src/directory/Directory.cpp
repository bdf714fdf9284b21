#include "directory/Directory.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "reports/PageFrame.h"
#include "reports/Reports.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <algorithm>

namespace pw::directory {

namespace {

    // Stored as they are; translated where they are shown.
    const char* const kListingTexts[] = { QT_TRANSLATE_NOOP("Directory", "List"),
        QT_TRANSLATE_NOOP("Directory", "List without contact details"), QT_TRANSLATE_NOOP("Directory", "Leave out") };

    Listing listingFrom(const QString& stored)
    {
        for (int i = 0; i < 3; ++i)
            if (sql::compareText(stored.trimmed(), QLatin1String(kListingTexts[i])) == 0)
                return static_cast<Listing>(i);
        return Listing::Listed;
    }

    // Writes one column of a person's directory row, making the row when
    // the person has none yet.
    void setColumn(Database& db, qint64 memberId, const QString& column, const QVariant& value)
    {
        Transaction tx(db);
        const bool exists
            = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Directory_Listing WHERE Member_ID = ?"), { memberId })
                  .toInt()
            > 0;
        if (!exists)
            db.exec(QStringLiteral("INSERT INTO Directory_Listing (Member_ID) VALUES (?)"), { memberId });
        db.exec(
            QStringLiteral("UPDATE Directory_Listing SET %1 = ? WHERE Member_ID = ?").arg(column), { value, memberId });
        tx.commit();
    }

    enum class Role { Head, Spouse, Child, Alone };

    bool isSpouse(const QString& relationship)
    {
        for (const char* r : { "Wife", "Husband", "Spouse" })
            if (sql::compareText(relationship.trimmed(), QLatin1String(r)) == 0)
                return true;
        return false;
    }

    bool isChild(const QString& relationship)
    {
        for (const char* r : { "Son", "Daughter", "Child", "Stepson", "Stepdaughter", "Stepchild" })
            if (sql::compareText(relationship.trimmed(), QLatin1String(r)) == 0)
                return true;
        return false;
    }

    struct Person {
        qint64 id = 0;
        QString first, last, address1, address2, city, state, zip, phone, cell, email, picture, birth;
        QString familyPicture;
        bool head = false;
        Listing listing = Listing::Listed;
        Role role = Role::Alone;
    };

    QString lastFirst(const Person& p)
    {
        return reports::detail::joinNonEmpty({ p.last.trimmed(), p.first.trimmed() }, QStringLiteral(", "));
    }

    QString firstOrFull(const Person& p) { return p.first.trimmed().isEmpty() ? p.last.trimmed() : p.first.trimmed(); }

    QString titleOf(const Person& lead, const Person* spouse)
    {
        const QString leadName = QStringLiteral("%1 %2").arg(lead.first.trimmed(), lead.last.trimmed()).trimmed();
        if (!spouse || spouse->first.trimmed().isEmpty() || lead.first.trimmed().isEmpty())
            return leadName;
        const QString spouseLast = spouse->last.trimmed();
        if (spouseLast.isEmpty() || sql::compareText(spouseLast, lead.last.trimmed()) == 0)
            return QStringLiteral("%1 & %2 %3").arg(lead.first.trimmed(), spouse->first.trimmed(), lead.last.trimmed());
        return QStringLiteral("%1 & %2 %3").arg(leadName, spouse->first.trimmed(), spouseLast);
    }

    QString birthdayText(const QString& stored)
    {
        const QDate d = QDate::fromString(stored.left(10), Qt::ISODate);
        return d.isValid() ? QStringLiteral("%1 %2").arg(QLocale().monthName(d.month())).arg(d.day()) : QString();
    }

    // One household's people, head first, then the spouse, then the
    // children by age.
    Entry entryOf(qint64 headId, std::vector<const Person*> people, const Choice& choice, const QString& folder)
    {
        std::stable_sort(people.begin(), people.end(), [](const Person* a, const Person* b) {
            if (a->role != b->role)
                return a->role < b->role;
            if (a->birth != b->birth)
                return !a->birth.isEmpty() && (b->birth.isEmpty() || a->birth < b->birth);
            return a->id < b->id;
        });
        const Person& lead = *people.front();
        const Person* spouse
            = lead.role == Role::Head && people.size() > 1 && people[1]->role == Role::Spouse ? people[1] : nullptr;
        Entry e;
        e.headId = headId;
        e.sortName = lastFirst(lead);
        e.title = titleOf(lead, spouse);
        if (lead.listing == Listing::Listed) {
            const QString cityLine = reports::detail::joinNonEmpty(
                { lead.city.trimmed(),
                    reports::detail::joinNonEmpty({ lead.state.trimmed(), lead.zip.trimmed() }, QStringLiteral(" ")) },
                QStringLiteral(", "));
            e.address = reports::detail::joinNonEmpty(
                { lead.address1.trimmed(), lead.address2.trimmed(), cityLine }, QStringLiteral("\n"));
            e.homePhone = reports::formatPhone(lead.phone);
        }
        for (const Person* p : people) {
            e.names.append(lastFirst(*p));
            if (p != &lead && p != spouse)
                e.children.append(firstOrFull(*p));
            if (p->listing != Listing::Listed)
                continue;
            const QString who = firstOrFull(*p) + QStringLiteral(": ");
            if (!p->cell.trimmed().isEmpty())
                e.cells.append(who + reports::formatPhone(p->cell));
            if (!p->email.trimmed().isEmpty())
                e.emails.append(who + p->email.trimmed());
            const QString birthday = choice.birthdays ? birthdayText(p->birth) : QString();
            if (!birthday.isEmpty())
                e.birthdays.append(who + birthday);
        }
        // The family picture belongs to the head: shown only with the head.
        if (lead.role == Role::Head && !lead.familyPicture.trimmed().isEmpty())
            e.pictureFiles.append(folder + lead.familyPicture.trimmed());
        else
            for (const Person* p : { &lead, spouse })
                if (p && p->listing == Listing::Listed && !p->picture.trimmed().isEmpty())
                    e.pictureFiles.append(folder + p->picture.trimmed());
        return e;
    }

} // namespace

QString listingText(Listing l) { return QString::fromLatin1(kListingTexts[static_cast<int>(l)]); }

Listing listingOf(Database& db, qint64 memberId)
{
    return listingFrom(sql::toText(
        db.scalar(QStringLiteral("SELECT Listing FROM Directory_Listing WHERE Member_ID = ?"), { memberId })));
}

void setListing(Database& db, qint64 memberId, Listing l)
{
    setColumn(db, memberId, QStringLiteral("Listing"), listingText(l));
}

QString familyPictureOf(Database& db, qint64 headId)
{
    return sql::toText(
        db.scalar(QStringLiteral("SELECT Family_Picture FROM Directory_Listing WHERE Member_ID = ?"), { headId }));
}

void setFamilyPicture(Database& db, qint64 headId, const QString& fileName)
{
    setColumn(db, headId, QStringLiteral("Family_Picture"),
        fileName.trimmed().isEmpty() ? QVariant() : sql::text(fileName.trimmed()));
}

std::vector<Entry> entries(Database& db, const Choice& choice, const QString& pictureFolder)
{
    // Everyone who may be listed, read at once; the choice is applied here
    // rather than in SQL so that a church of any size takes one pass.
    QSet<QString> statuses;
    for (const QString& s : choice.churchStatuses)
        statuses.insert(sql::equalityKey(s.trimmed()));
    QString text = QStringLiteral(
        "SELECT m.ID, m.First_Name, m.Last_Name, m.Address_1, m.Address_2, m.City, m.State, m.Zip, m.Phone, m.Cell, "
        "m.Email, m.Picture, m.Date_Of_Birth, m.Head_Of_Household, m.Member_Active_Status, d.Listing, "
        "d.Family_Picture FROM Member AS m LEFT JOIN Directory_Listing AS d ON d.Member_ID = m.ID "
        "WHERE (m.Deceased_Date IS NULL OR m.Deceased_Date = '')");
    QVariantList params;
    if (!choice.people.isEmpty()) {
        text += QStringLiteral(" AND ") + sql::inIdList(QStringLiteral("m.ID"));
        params.append(sql::idList(choice.people));
    }
    std::vector<Person> people;
    db.scan(text, params, [&](const RowView& r) {
        if (choice.people.isEmpty() && !statuses.isEmpty()
            && !statuses.contains(sql::equalityKey(r.text(14).trimmed())))
            return;
        const Listing listing = listingFrom(r.text(15));
        if (listing == Listing::LeftOut)
            return;
        people.push_back({ r.integer(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5), r.text(6), r.text(7),
            r.text(8), r.text(9), r.text(10), r.text(11), r.text(12), r.text(16), sql::toYesNo(r.text(13)), listing,
            Role::Alone });
    });
    QHash<qint64, std::size_t> at;
    for (std::size_t i = 0; i < people.size(); ++i) {
        at.insert(people[i].id, i);
        if (people[i].head)
            people[i].role = Role::Head;
    }

    // The household each other person belongs to: the head listing them as
    // spouse or child (the lowest identifier when several heads do, as the
    // household labels decide); one spouse per head.
    QHash<qint64, qint64> headOf;
    db.scan(QStringLiteral("SELECT f.Member_ID, f.Relative_Member_ID, f.Relationship FROM Family_Connection AS f "
                           "JOIN Member AS h ON h.ID = f.Member_ID WHERE h.Head_Of_Household = ? "
                           "ORDER BY f.Member_ID, f.Relative_Member_ID"),
        { sql::yesNo(true) }, [&](const RowView& r) {
            const auto found = at.constFind(r.integer(1));
            if (found == at.constEnd())
                return;
            Person& p = people[*found];
            const bool spouse = isSpouse(r.text(2));
            if (p.head || (!spouse && !isChild(r.text(2))) || headOf.contains(p.id))
                return;
            headOf.insert(p.id, r.integer(0));
            p.role = spouse ? Role::Spouse : Role::Child;
        });
    QHash<qint64, std::vector<const Person*>> households;
    for (const Person& p : people) {
        const qint64 head = p.head ? p.id : headOf.value(p.id, 0);
        std::vector<const Person*>& h = households[head ? head : -p.id];
        if (p.role == Role::Spouse
            && std::any_of(h.begin(), h.end(), [](const Person* o) { return o->role == Role::Spouse; }))
            households[-p.id].push_back(&p); // a second spouse stands alone
        else
            h.push_back(&p);
    }

    std::vector<std::pair<QString, Entry>> sorted;
    sorted.reserve(static_cast<std::size_t>(households.size()));
    for (auto h = households.begin(); h != households.end(); ++h) {
        const qint64 headId = h.key() > 0 ? h.key() : -h.key();
        Entry e = entryOf(headId, std::move(h.value()), choice, pictureFolder);
        QString key = sql::sortKey(e.sortName);
        sorted.emplace_back(std::move(key), std::move(e));
    }
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        const int c = QString::compare(a.first, b.first);
        return c != 0 ? c < 0 : a.second.headId < b.second.headId;
    });
    std::vector<Entry> out;
    out.reserve(sorted.size());
    for (auto& s : sorted)
        out.push_back(std::move(s.second));
    return out;
}

} // namespace pw::directory
