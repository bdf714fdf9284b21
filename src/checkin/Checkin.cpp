#include "checkin/Checkin.h"

#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Rows.h"
#include "data/Services.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace pw::checkin {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Checkin)
    };

    const QString kAlphabet = QStringLiteral("BCDFGHJKLMNPQRSTVWXZ23456789");

    // Random tries before the codes left are listed and one of them chosen:
    // only a day with most codes given out needs the list.
    constexpr int kRandomTries = 64;

    QString isoDate(const QDate& d) { return d.toString(Qt::ISODate); }

    const services::Service& serviceOf(const QString& code)
    {
        const services::Service* s = services::byCode(code);
        if (!s)
            throw Error(QCoreApplication::translate("Checkin", "There is no service with the code \"%1\".").arg(code));
        return *s;
    }

    int serviceOrder(const QString& code)
    {
        const std::vector<services::Service>& all = services::all();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (code == QLatin1String(all[i].code))
                return int(i);
        return int(all.size());
    }

    bool isSpouse(const QString& relationship)
    {
        const QString r = relationship.trimmed();
        for (const char* spouse : { "Wife", "Husband", "Spouse" })
            if (r.compare(QLatin1String(spouse), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    // The household each person belongs to, by its head: someone who lists
    // relatives heads their own; someone listed by others belongs to the one
    // marked head of household among them (else the lowest identifier);
    // anyone else stands alone.
    QHash<qint64, qint64> headsOf(Database& db, const QList<qint64>& people)
    {
        QSet<qint64> listing;
        db.scan(QStringLiteral("SELECT DISTINCT Member_ID FROM Family_Connection WHERE ")
                + sql::inIdList(QStringLiteral("Member_ID")),
            { sql::idList(people) }, [&](const RowView& row) { listing.insert(row.integer(0)); });
        struct Lister {
            qint64 id = 0;
            bool marked = false;
        };
        QHash<qint64, Lister> listedBy;
        db.scan(QStringLiteral("SELECT f.Relative_Member_ID, f.Member_ID, h.Head_Of_Household FROM Family_Connection "
                               "AS f JOIN Member AS h ON h.ID = f.Member_ID WHERE ")
                + sql::inIdList(QStringLiteral("f.Relative_Member_ID")),
            { sql::idList(people) }, [&](const RowView& row) {
                const Lister l { row.integer(1), row.integer(2) != 0 };
                const auto known = listedBy.constFind(row.integer(0));
                if (known == listedBy.constEnd() || (l.marked && !known->marked)
                    || (l.marked == known->marked && l.id < known->id))
                    listedBy.insert(row.integer(0), l);
            });
        QHash<qint64, qint64> heads;
        for (qint64 p : people)
            heads.insert(p, listing.contains(p) || !listedBy.contains(p) ? p : listedBy.value(p).id);
        return heads;
    }

    // The families of these heads, named by the head and the spouse the head lists.
    std::vector<Family> familiesOf(Database& db, const QList<qint64>& heads)
    {
        QHash<qint64, QString> spouseFirst, spouseLast;
        db.scan(QStringLiteral("SELECT f.Member_ID, f.Relationship, m.First_Name, m.Last_Name FROM Family_Connection "
                               "AS f JOIN Member AS m ON m.ID = f.Relative_Member_ID WHERE ")
                + sql::inIdList(QStringLiteral("f.Member_ID"))
                + QStringLiteral(" ORDER BY f.Member_ID, f.Relative_Member_ID"),
            { sql::idList(heads) }, [&](const RowView& row) {
                if (!spouseFirst.contains(row.integer(0)) && isSpouse(row.text(1))) {
                    spouseFirst.insert(row.integer(0), row.text(2).trimmed());
                    spouseLast.insert(row.integer(0), row.text(3).trimmed());
                }
            });
        std::vector<std::pair<QString, Family>> keyed;
        db.scan(QStringLiteral("SELECT ID, First_Name, Last_Name, Address_1, City FROM Member WHERE ")
                + sql::inIdList(QStringLiteral("ID")),
            { sql::idList(heads) }, [&](const RowView& row) {
                Family f;
                f.headId = row.integer(0);
                const QString last = row.text(2).trimmed();
                f.name = leaderName(last, row.text(1).trimmed());
                const QString first = spouseFirst.value(f.headId), other = spouseLast.value(f.headId);
                if (!first.isEmpty())
                    f.name += QStringLiteral(" & ") + first
                        + (other.isEmpty() || other.compare(last, Qt::CaseInsensitive) == 0 ? QString()
                                                                                            : QLatin1Char(' ') + other);
                QStringList address;
                for (int column : { 3, 4 })
                    if (!row.text(column).trimmed().isEmpty())
                        address.append(row.text(column).trimmed());
                f.address = address.join(QStringLiteral(", "));
                keyed.push_back({ sql::sortKey(f.name), f });
            });
        std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second.headId < b.second.headId;
        });
        std::vector<Family> out;
        for (auto& k : keyed)
            out.push_back(std::move(k.second));
        return out;
    }

    // The join of each service's class table (its code bound as a value) and
    // the class name term over them.
    QString classJoins(const QString& checkin, QVariantList& params, QString& nameTerm)
    {
        QString joins;
        QStringList names;
        int n = 0;
        for (const services::Service& s : services::all()) {
            if (!s.hasClasses())
                continue;
            const QString alias = QStringLiteral("cls%1").arg(++n);
            joins += QStringLiteral(" LEFT JOIN %1 AS %2 ON %3.Service = ? AND %2.ID = %3.Class_ID")
                         .arg(s.classTableName(), alias, checkin);
            params.append(s.codeText());
            names.append(alias + QStringLiteral(".Name"));
        }
        nameTerm = QStringLiteral("COALESCE(%1)").arg(names.join(QStringLiteral(", ")));
        return joins;
    }

    std::vector<CheckinRow> checkinRows(Database& db, const QString& condition, const QVariantList& values)
    {
        QVariantList params;
        QString className;
        const QString joins = classJoins(QStringLiteral("c"), params, className);
        params += values;
        std::vector<CheckinRow> out;
        db.forEach(QStringLiteral("SELECT c.ID, c.Member_ID, m.First_Name, m.Last_Name, c.Service, c.Class_ID, %1, "
                                  "c.Checkin_Date, c.Code, c.Checked_In_At, c.Station, c.Checked_Out_At, "
                                  "c.Checked_Out_By, k.Allergy_Note, k.Authorised_Pickup FROM Checkin AS c LEFT JOIN "
                                  "Member AS m ON m.ID = c.Member_ID LEFT JOIN Child_Care AS k ON k.Member_ID = "
                                  "c.Member_ID%2 WHERE %3")
                       .arg(className, joins, condition),
            params, [&](const QSqlQuery& q) {
                CheckinRow r;
                r.id = sql::toId(q.value(0));
                r.memberId = sql::toId(q.value(1));
                r.firstName = sql::toText(q.value(2));
                r.lastName = sql::toText(q.value(3));
                r.service = sql::toText(q.value(4));
                r.classId = sql::toId(q.value(5));
                r.className = sql::toText(q.value(6));
                r.day = sql::toDate(q.value(7));
                r.code = sql::toText(q.value(8));
                r.checkedInAt = sql::toDateTime(q.value(9));
                r.station = sql::toText(q.value(10));
                r.checkedOutAt = sql::toDateTime(q.value(11));
                r.checkedOutBy = sql::toText(q.value(12));
                r.allergy = sql::toText(q.value(13));
                r.authorisedPickup = sql::toText(q.value(14));
                out.push_back(std::move(r));
            });
        const auto key = [](const CheckinRow& r) {
            return std::make_tuple(serviceOrder(r.service), sql::sortKey(r.className), sql::sortKey(r.lastName),
                sql::sortKey(r.firstName), r.id);
        };
        std::sort(out.begin(), out.end(), [&](const CheckinRow& a, const CheckinRow& b) { return key(a) < key(b); });
        return out;
    }

} // namespace

QString codeAlphabet() { return kAlphabet; }

bool avoided(const QString& code)
{
    static const QSet<QString> groups = { QStringLiteral("KKK"), QStringLiteral("FCK"), QStringLiteral("SHT"),
        QStringLiteral("DMN"), QStringLiteral("PNS"), QStringLiteral("XXX"), QStringLiteral("WTF"),
        QStringLiteral("STD"), QStringLiteral("DRG"), QStringLiteral("KLL"), QStringLiteral("GNS"),
        QStringLiteral("MRD"), QStringLiteral("PTS"), QStringLiteral("CCK"), QStringLiteral("BCH") };
    return groups.contains(code.trimmed().toUpper());
}

QString newCode(const QSet<QString>& used, const std::function<quint32(quint32)>& random)
{
    QSet<QString> taken;
    for (const QString& u : used)
        taken.insert(u.trimmed().toUpper());
    const auto pick = [&](qsizetype n) { return qsizetype(random(quint32(n)) % quint32(n)); };
    const auto free = [&](const QString& code) { return !avoided(code) && !taken.contains(code); };
    for (int attempt = 0; attempt < kRandomTries; ++attempt) {
        QString code;
        for (int i = 0; i < kCodeLength; ++i)
            code += kAlphabet.at(pick(kAlphabet.size()));
        if (free(code))
            return code;
    }
    QStringList left;
    const qsizetype n = kAlphabet.size();
    for (qsizetype i = 0; i < n * n * n; ++i) {
        const QString code = QString(kAlphabet.at(i / (n * n))) + kAlphabet.at(i / n % n) + kAlphabet.at(i % n);
        if (free(code))
            left.append(code);
    }
    if (left.isEmpty())
        throw Error(Tr::tr("Every security code has been given out today, so no other family can be checked "
                           "in until tomorrow."));
    return left.at(pick(left.size()));
}

std::vector<Family> findFamilies(Database& db, const QString& search, int limit)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    QString typed = search.trimmed();
    QList<qint64> found;
    if (fourDigits.match(typed).hasMatch()) {
        // The same expression as the indexes Member_Phone_End and Member_Cell_End.
        found = db.ids(QStringLiteral("SELECT ID FROM Member WHERE substr(Phone, length(Phone) - 3, 4) = ? UNION "
                                      "SELECT ID FROM Member WHERE substr(Cell, length(Cell) - 3, 4) = ?"),
            { typed, typed });
    } else {
        // The start of the last name; a wildcard typed is left out.
        typed.remove(QLatin1Char('*')).remove(QLatin1Char('?'));
        if (typed.size() < 2)
            return {};
        found = db.ids(QStringLiteral("SELECT ID FROM Member WHERE ") + sql::textMatches(QStringLiteral("Last_Name")),
            { sql::wildcardPattern(typed + QLatin1Char('*')) });
    }
    if (found.isEmpty())
        return {};
    const QHash<qint64, qint64> heads = headsOf(db, found);
    QSet<qint64> distinct;
    for (qint64 head : heads)
        distinct.insert(head);
    std::vector<Family> families = familiesOf(db, QList<qint64>(distinct.begin(), distinct.end()));
    if (limit >= 0 && families.size() > std::size_t(limit))
        families.resize(std::size_t(limit));
    return families;
}

std::vector<Person> household(Database& db, qint64 headId, const QString& serviceCode, const QDate& day)
{
    const services::Service& service = serviceOf(serviceCode);
    const qint64 head = headsOf(db, { headId }).value(headId, headId);
    const QString classColumns = service.hasClasses() ? QStringLiteral("m.%1, cls.Name").arg(service.classColumnName())
                                                      : QStringLiteral("0, NULL");
    const QString classJoin = service.hasClasses() ? QStringLiteral(" LEFT JOIN %1 AS cls ON cls.ID = m.%2")
                                                         .arg(service.classTableName(), service.classColumnName())
                                                   : QString();
    std::vector<Person> out;
    db.forEach(QStringLiteral("SELECT m.ID, m.First_Name, m.Last_Name, m.Date_Of_Birth, %1, k.Allergy_Note, (SELECT "
                              "MAX(i.Code) FROM Checkin AS i WHERE i.Member_ID = m.ID AND i.Service = ? AND "
                              "i.Checkin_Date = ? AND i.Checked_Out_At IS NULL) FROM Member AS m%2 LEFT JOIN "
                              "Child_Care AS k ON k.Member_ID = m.ID WHERE m.ID = ? OR m.ID IN (SELECT "
                              "Relative_Member_ID FROM Family_Connection WHERE Member_ID = ?)")
                   .arg(classColumns, classJoin),
        { service.codeText(), isoDate(day), head, head }, [&](const QSqlQuery& q) {
            Person p;
            p.id = sql::toId(q.value(0));
            p.firstName = sql::toText(q.value(1));
            p.lastName = sql::toText(q.value(2));
            p.dateOfBirth = sql::toDate(q.value(3));
            p.child = p.dateOfBirth.isValid() && p.dateOfBirth.addYears(18) > day;
            p.classId = sql::toId(q.value(4));
            p.className = sql::toText(q.value(5));
            p.allergy = sql::toText(q.value(6));
            p.code = sql::toText(q.value(7));
            out.push_back(std::move(p));
        });
    // Children, then adults; each youngest first, those without a birth date
    // last (an invalid date's day number is the smallest there is: not negated).
    const auto key = [](const Person& p) {
        const bool born = p.dateOfBirth.isValid();
        return std::make_tuple(
            !p.child, !born, born ? -p.dateOfBirth.toJulianDay() : 0, sql::sortKey(p.firstName), p.id);
    };
    std::sort(out.begin(), out.end(), [&](const Person& a, const Person& b) { return key(a) < key(b); });
    return out;
}

CheckinResult checkIn(Database& db, const CheckinRequest& request, const std::function<quint32(quint32)>& random)
{
    const services::Service& service = serviceOf(request.serviceCode);
    CheckinResult result;
    if (request.people.empty())
        return result;
    const QString day = isoDate(request.day);
    QList<qint64> ids;
    for (const auto& p : request.people)
        ids.append(p.first);

    Transaction tx(db);
    // Before anything is read: another station's check-in waits here until
    // this one has committed, and then finds its code in use.
    rows::lockTable(db, QStringLiteral("Checkin"), Tr::tr("the check-ins"));
    QHash<qint64, QString> holding; // person -> the code of their latest check-in still in, any service
    QSet<qint64> inService;
    db.scan(QStringLiteral("SELECT Member_ID, Service, Code FROM Checkin WHERE Checkin_Date = ? AND Checked_Out_At IS "
                           "NULL AND ")
            + sql::inIdList(QStringLiteral("Member_ID")) + QStringLiteral(" ORDER BY ID"),
        { day, sql::idList(ids) }, [&](const RowView& row) {
            holding.insert(row.integer(0), row.text(2));
            if (row.text(1) == request.serviceCode)
                inService.insert(row.integer(0));
        });
    for (qint64 id : ids)
        if (holding.contains(id)) {
            result.code = holding.value(id);
            break;
        }
    if (result.code.isEmpty()) {
        const QStringList used = db.texts(QStringLiteral("SELECT Code FROM Checkin WHERE Checkin_Date = ?"), { day });
        result.code = newCode(QSet<QString>(used.begin(), used.end()), random);
    }

    Statement add(db,
        QStringLiteral("INSERT INTO Checkin (Member_ID, Service, Class_ID, Checkin_Date, Code, Checked_In_At, "
                       "Checked_In_By, Station) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    // The roll call may have ticked the person already.
    Statement attend(db,
        QStringLiteral("INSERT INTO Attendance (Member_ID, Service, Class_ID, Meeting_Date, Recorded_By, Recorded_At) "
                       "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (Service, Class_ID, Meeting_Date, Member_ID) DO "
                       "NOTHING"));
    const QVariant now = sql::dateTime(request.now);
    QSet<qint64> done;
    for (const auto& [person, classId] : request.people) {
        if (done.contains(person))
            continue;
        done.insert(person);
        if (inService.contains(person)) {
            result.already.push_back(person);
            continue;
        }
        // A service without classes meets as class 0, as its roll call reads it.
        const qint64 inClass = service.hasClasses() ? std::max<qint64>(classId, 0) : 0;
        add.run({ person, request.serviceCode, inClass, day, result.code, now, sql::text(request.user),
            sql::text(request.station) });
        attend.run({ person, request.serviceCode, inClass, day, sql::text(request.user), now });
        result.checkedIn.push_back(person);
    }
    tx.commit();
    return result;
}

std::vector<CheckinRow> byCode(Database& db, const QDate& day, const QString& code)
{
    return checkinRows(
        db, QStringLiteral("c.Checkin_Date = ? AND c.Code = ?"), { isoDate(day), code.trimmed().toUpper() });
}

int checkOut(Database& db, const QList<qint64>& checkinIds, const QString& user, const QDateTime& now)
{
    if (checkinIds.isEmpty())
        return 0;
    return db.execChange(QStringLiteral("UPDATE Checkin SET Checked_Out_At = ?, Checked_Out_By = ? WHERE ")
            + sql::inIdList(QStringLiteral("ID")) + QStringLiteral(" AND Checked_Out_At IS NULL"),
        { sql::dateTime(now), sql::text(user), sql::idList(checkinIds) });
}

std::vector<CheckinRow> dayCheckins(Database& db, const QDate& day, bool stillIn, qint64 classId)
{
    QString condition = QStringLiteral("c.Checkin_Date = ?");
    QVariantList values { isoDate(day) };
    if (stillIn)
        condition += QStringLiteral(" AND c.Checked_Out_At IS NULL");
    if (classId >= 0) {
        condition += QStringLiteral(" AND c.Class_ID = ?");
        values.append(classId);
    }
    return checkinRows(db, condition, values);
}

Care careOf(Database& db, qint64 memberId)
{
    Care care;
    db.forEach(QStringLiteral("SELECT Allergy_Note, Authorised_Pickup FROM Child_Care WHERE Member_ID = ?"),
        { memberId }, [&](const QSqlQuery& q) {
            care.allergy = sql::toText(q.value(0));
            care.authorisedPickup = sql::toText(q.value(1));
        });
    return care;
}

void saveCare(Database& db, qint64 memberId, const Care& care)
{
    db.exec(QStringLiteral("INSERT INTO Child_Care (Member_ID, Allergy_Note, Authorised_Pickup) VALUES (?, ?, ?) ON "
                           "CONFLICT (Member_ID) DO UPDATE SET Allergy_Note = excluded.Allergy_Note, "
                           "Authorised_Pickup = excluded.Authorised_Pickup"),
        { memberId, sql::text(care.allergy.trimmed()), sql::text(care.authorisedPickup.trimmed()) });
}

} // namespace pw::checkin
