#pragma once

// The Member table, described once: every column with its kind and the field
// of MemberRecord it is read into and written from. Loading, saving, the demo
// generator, the importer and the report data sets all work from this one
// description, so a column is added in one place.

#include "data/ThreeWay.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QSqlQuery;

namespace pw {

class Database;
class Statement;

// One Member row. Text columns are never Null in a row written here (empty
// text instead); dates and links are Null when invalid or 0.
struct MemberRecord {
    qint64 id = 0; // 0: not yet saved

    // Contact
    QString status;
    QString firstName;
    QString middleName;
    QString lastName;
    QString title;
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString zip;
    QString phone; // digits only
    QString cell;
    QString workPhone;
    QString email;
    QString picture; // file name inside the picture folder, e.g. "12.jpg"

    // Demographic
    QString placeOfWork;
    QString occupation;
    QDate dateOfBirth; // invalid: Null
    QString gender;
    QString maritalStatus;
    QDate anniversaryDate;
    bool headOfHousehold = false;
    QString mapSection;
    QString hobbies;
    QString organizations;
    QString notes;

    // Church
    QString memberActiveStatus;
    QDate memberSince;
    QString previousChurch;
    QDate cameForward;
    QDate baptized;
    QDate letterOut;
    QDate deceasedDate;
    bool newsletterMail = false;
    bool newsletterEmail = false;
    QString sundaySchoolAttendance;
    QString worshipAttendance;
    QString discipleshipAttendance;
    QString sundayEveningAttendance;
    QString wednesdayAttendance;
    qint64 sundaySchoolClass = 0; // 0: Null
    qint64 careGroup = 0;
    qint64 discipleshipClass = 0;
    qint64 wednesdayClass = 0;
    qint64 deacon = 0;

    // Prospect
    QString prospectStatus;
    QString prospectSource;
    qint64 prospectSundaySchoolClass = 0;
    qint64 prospectCareGroup = 0;
    QString prospectMemberOf;
    QString prospectNote;
    QString prospectPhase;
    QDate prospectNextContactDate;
    QString prospectNextContactAction;

    // Audit
    QDateTime dateAdded;
    QString addedBy;
    QDateTime dateEdited;
    QString editedBy;
};

namespace Members {

    // How a column is stored.
    enum class Kind {
        Text, // never Null when written
        OptionalText, // Null when empty: a picture, an outreach step not set
        Date, // ISO date, Null when invalid
        DateTime, // ISO date-time, Null when invalid
        Id, // a link to another row, Null when 0
        YesNo, // 0 or 1
    };

    struct Column {
        const char* name; // the column's name in the table
        Kind kind;
        std::variant<QString MemberRecord::*, QDate MemberRecord::*, QDateTime MemberRecord::*, qint64 MemberRecord::*,
            bool MemberRecord::*>
            field;

        QString columnName() const { return QString::fromLatin1(name); }
        // The field's value as it is bound.
        QVariant valueOf(const MemberRecord& record) const;
        // Sets the field from a stored value.
        void read(MemberRecord& record, const QVariant& stored) const;
    };

    // Every column but the key ID, in the order of the table.
    const std::vector<Column>& columns();
    // The column of that name (exact letter case), or nullptr.
    const Column* column(const QString& name);

    // The columns the member screen writes on every save: everything but the
    // picture, the outreach next step (phase, next contact date, action) and
    // the four audit columns, which have rules of their own.
    const QStringList& screenColumns();
    // The outreach next step, written together or not at all.
    const QStringList& nextStepColumns();

    // "ID, Status, First_Name, ..." with an optional table prefix.
    QString selectList(const QString& table = QString());

    // Reads a row selected with selectList(): ID first, then columns() in order.
    MemberRecord fromQuery(const QSqlQuery& query, int firstIndex = 0);

    // The row with this identifier, or nothing when there is none.
    std::optional<MemberRecord> load(Database& db, qint64 id);

    // Inserts the named columns of the record (every column when none are
    // named; its id is ignored) and returns the new key. Columns left out
    // take the table's defaults (Null).
    qint64 insert(Database& db, const MemberRecord& record, const QStringList& columnNames = QStringList());

    // Writes the named columns of the record into its row. Returns the number
    // of rows changed: 0 when the row is gone.
    int update(Database& db, const MemberRecord& record, const QStringList& columnNames);

    // The names of the columns whose values differ between two records.
    QStringList differences(const MemberRecord& a, const MemberRecord& b, const QStringList& among = QStringList());

    // Two workstations may edit one person at the same time: a save merges
    // three versions of each column by the rules of data/ThreeWay.h.
    using OnConflict = threeway::OnConflict;
    using Conflict = threeway::Conflict;

    // Its written columns include the stamps; stored tells who edited the row
    // last, and when.
    using SaveOutcome = threeway::Outcome<MemberRecord>;

    // Takes the write lock of the person's row for the rest of the caller's
    // transaction, before the row is read to be merged and written
    // (rows::lockRow): a change another workstation commits meanwhile is read,
    // not written over. Gives up, naming the person, after the lock wait.
    void lock(Database& db, qint64 id);

    // Saves edited (its id names the row) over the row that was loaded as
    // loaded, by the rule above, among the named columns; the stamp columns
    // (Date_Edited, Edited_By) are written with every save. One transaction
    // locks the row (lock()), re-reads and writes it, so nothing can slip in
    // between; only the columns this user changed are written.
    SaveOutcome saveEdited(Database& db, const MemberRecord& loaded, const MemberRecord& edited,
        const QStringList& columnNames, const QStringList& stampColumns, OnConflict onConflict);

    // A visitor as a new prospect (Status "Prospect"), not yet stored, with every
    // field a person needs: the Church Status the church gives new people
    // ("Active" when it has chosen none), Prospect Status "Active", Gender
    // "Unknown"; and the outreach's first phase with the next contact date and
    // action that a contact on the day of the visit proposes.
    MemberRecord visitorRecord(Database& db, const QString& firstName, const QString& lastName,
        const QString& phoneDigits, const QDate& visited, const QString& user, const QDateTime& now);

    // An insert of every column prepared once, for writing many people.
    class Inserter {
    public:
        explicit Inserter(Database& db);
        ~Inserter();
        qint64 insert(const MemberRecord& record);

    private:
        std::unique_ptr<Statement> m_statement;
    };

} // namespace Members

} // namespace pw
