#include "demo/DemoGenerator.h"

#include "data/Database.h"
#include "data/NewDatabaseFile.h"
#include "demo/DemoAttendance.h"
#include "demo/DemoCheckins.h"
#include "demo/DemoChurch.h"
#include "demo/DemoDuplicates.h"
#include "demo/DemoGiving.h"
#include "demo/DemoRosters.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DemoGenerator)
};
} // namespace

namespace pw::demo {

namespace detail {

    Church::Church(Database& db, const DemoOptions& options)
        : db(db)
        , rnd(options.seed)
        , today(options.today.isValid() ? options.today : QDate::currentDate())
        , options(options)
        , lastNames(data::lastNames())
        , maleFirst(data::maleFirstNames())
        , femaleFirst(data::femaleFirstNames())
        , maleMiddle(data::maleMiddleNames())
        , femaleMiddle(data::femaleMiddleNames())
        , streets(data::streetNames())
        , suffixes(data::streetSuffixes())
        , domains(data::emailDomains())
        , member(db)
        , family(db,
              QStringLiteral(
                  "INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES (?, ?, ?)"))
        , responsibility(db,
              QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                             "VALUES (?, ?, ?, ?)"))
        , contact(db,
              QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, Visitor1, "
                             "Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"))
    {
        yearEnd = QDate(today.month() >= 10 ? today.year() + 1 : today.year(), 9, 30);
        rollStart = today.addYears(-15);
    }

} // namespace detail

namespace {

    using namespace detail;

    // Writes the whole church in the order its parts depend on each other,
    // drawing from one random stream, so that a seed always gives the same
    // rows.
    DemoSummary writeChurch(Church& ch)
    {
        readPhases(ch);
        const std::vector<PlanHousehold> plan = planHouseholds(ch.rnd, ch.today, ch.options.people);

        insertChurchLists(ch, plan);

        int memberHouseholds = 0;
        int prospectHouseholds = 0;
        qint64 done = 0;
        std::vector<qint64> firstHousehold;
        for (const PlanHousehold& h : plan) {
            std::vector<qint64> ids;
            if (h.prospect)
                ids = writeProspectHousehold(ch, h, prospectHouseholds++);
            else
                ids = writeMemberHousehold(ch, h, memberHouseholds++);
            if (memberHouseholds == 1 && !h.prospect)
                firstHousehold = ids;
            done += qint64(ids.size());
            ch.summary.households += 1;
            if (ch.options.progress && (done / 1000 != (done - qint64(ids.size())) / 1000 || done == ch.options.people))
                ch.options.progress(done, ch.options.people);
        }
        // The first deacon's family could not name a deacon before any was written.
        if (ch.deacons.size() > 1) {
            for (qint64 id : firstHousehold)
                ch.db.exec(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID = ?"), { ch.deacons.back(), id });
        }

        giveOutOffices(ch);
        insertAccounts(ch);
        ch.summary.people = done;
        return ch.summary;
    }

} // namespace

DemoSummary generate(const QString& path, const DemoOptions& options)
{
    if (options.people < kMinPeople || options.people > kMaxPeople)
        throw DbError(Tr::tr("A demonstration church has between %1 and %2 people, not %3.")
                          .arg(kMinPeople)
                          .arg(kMaxPeople)
                          .arg(options.people));
    // The church is built in a temporary file beside path with the engine's
    // journal on, and renamed to path only when it is complete: a failure, a
    // kill or a power cut leaves no file at path, only a leftover that the
    // next run removes.
    NewDatabaseFile file(path);
    Database& db = file.database();
    // A bigger page cache keeps the name indexes in memory while a large
    // church is written; it lasts only as long as this connection.
    db.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    DemoSummary summary;
    {
        Transaction tx(db);
        // The people go in without the secondary indexes of their tables,
        // which are made again from the rows at the end: building an index
        // from sorted rows is much cheaper than keeping nine of them up to
        // date through a million inserts in random name order.
        const QStringList indexes = db.texts(
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name IN "
                           "('Member', 'Family_Connection', 'Member_Responsibility', 'Prospect_Contact')"));
        const QStringList names = db.texts(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name IN "
                           "('Member', 'Family_Connection', 'Member_Responsibility', 'Prospect_Contact')"));
        for (const QString& name : names)
            db.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name));
        Church church(db, options);
        summary = writeChurch(church);
        const QDate today = options.today.isValid() ? options.today : QDate::currentDate();
        writeAttendance(db, today, options.seed, summary.adminUsername);
        writeCheckins(db, today, options.seed);
        writeGiving(db, today, options.seed, summary.adminUsername);
        writeRosters(db, today, options.seed, summary.adminUsername);
        for (const QString& index : indexes)
            db.exec(index);
        addDuplicates(db, options.people);
        tx.commit();
    }
    file.commit();
    return summary;
}

} // namespace pw::demo
