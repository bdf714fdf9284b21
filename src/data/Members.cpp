#include "data/Members.h"

#include "data/ChurchSettings.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/NextOutreachPhase.h"
#include "data/Phases.h"
#include "data/Rows.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Members)
};
} // namespace

namespace pw::Members {

namespace {

    using R = MemberRecord;

    Column text(const char* name, QString R::*field) { return { name, Kind::Text, field }; }
    Column optionalText(const char* name, QString R::*field) { return { name, Kind::OptionalText, field }; }
    Column date(const char* name, QDate R::*field) { return { name, Kind::Date, field }; }
    Column dateTime(const char* name, QDateTime R::*field) { return { name, Kind::DateTime, field }; }
    Column link(const char* name, qint64 R::*field) { return { name, Kind::Id, field }; }
    Column yesNo(const char* name, bool R::*field) { return { name, Kind::YesNo, field }; }

    template <class... F> struct Visitor : F... {
        using F::operator()...;
    };
    template <class... F> Visitor(F...) -> Visitor<F...>;

    QString joinedNames(const QString& prefix)
    {
        QStringList names;
        for (const Column& c : columns())
            names.append(prefix + c.columnName());
        return names.join(QStringLiteral(", "));
    }

    QString insertSql()
    {
        QStringList marks;
        for (std::size_t i = 0; i < columns().size(); ++i)
            marks.append(QStringLiteral("?"));
        return QStringLiteral("INSERT INTO Member (") + joinedNames(QString()) + QStringLiteral(") VALUES (")
            + marks.join(QStringLiteral(", ")) + QStringLiteral(")") + sql::returningId();
    }

    QVariantList allValues(const MemberRecord& record)
    {
        QVariantList values;
        values.reserve(static_cast<int>(columns().size()));
        for (const Column& c : columns())
            values.append(c.valueOf(record));
        return values;
    }

} // namespace

QVariant Column::valueOf(const MemberRecord& r) const
{
    return std::visit(Visitor {
                          [&](QString R::*f) {
                              return kind == Kind::OptionalText && (r.*f).isEmpty() ? QVariant() : sql::text(r.*f);
                          },
                          [&](QDate R::*f) { return sql::date(r.*f); },
                          [&](QDateTime R::*f) { return sql::dateTime(r.*f); },
                          [&](qint64 R::*f) { return sql::id(r.*f); },
                          [&](bool R::*f) { return sql::yesNo(r.*f); },
                      },
        field);
}

void Column::read(MemberRecord& r, const QVariant& v) const
{
    std::visit(Visitor {
                   [&](QString R::*f) { r.*f = sql::toText(v); },
                   [&](QDate R::*f) { r.*f = sql::toDate(v); },
                   [&](QDateTime R::*f) { r.*f = sql::toDateTime(v); },
                   [&](qint64 R::*f) { r.*f = sql::toId(v); },
                   [&](bool R::*f) { r.*f = sql::toYesNo(v); },
               },
        field);
}

const std::vector<Column>& columns()
{
    static const std::vector<Column> all = {
        text("Status", &R::status),
        text("First_Name", &R::firstName),
        text("Middle_Name", &R::middleName),
        text("Last_Name", &R::lastName),
        text("Title", &R::title),
        text("Address_1", &R::address1),
        text("Address_2", &R::address2),
        text("City", &R::city),
        text("State", &R::state),
        text("Zip", &R::zip),
        text("Phone", &R::phone),
        text("Cell", &R::cell),
        text("Work_Phone", &R::workPhone),
        text("Email", &R::email),
        optionalText("Picture", &R::picture),
        text("Place_Of_Work", &R::placeOfWork),
        text("Occupation", &R::occupation),
        date("Date_Of_Birth", &R::dateOfBirth),
        date("Anniversary_Date", &R::anniversaryDate),
        text("Gender", &R::gender),
        text("Marital_Status", &R::maritalStatus),
        yesNo("Head_Of_Household", &R::headOfHousehold),
        text("Map_Section", &R::mapSection),
        text("Hobbies", &R::hobbies),
        text("Organizations", &R::organizations),
        text("Notes", &R::notes),
        text("Member_Active_Status", &R::memberActiveStatus),
        date("Member_Since", &R::memberSince),
        date("Came_Forward", &R::cameForward),
        date("Baptized", &R::baptized),
        date("Letter_Out", &R::letterOut),
        date("Deceased_Date", &R::deceasedDate),
        text("Previous_Church", &R::previousChurch),
        yesNo("Receive_Newsletter_Via_Mail", &R::newsletterMail),
        yesNo("Receive_Newsletter_Via_EMail", &R::newsletterEmail),
        text("Sunday_School_Attendance_Level", &R::sundaySchoolAttendance),
        text("Worship_Service_Attendance_Level", &R::worshipAttendance),
        text("Discipleship_Training_Attendance_Level", &R::discipleshipAttendance),
        text("Sunday_Evening_Service_Attendance_Level", &R::sundayEveningAttendance),
        text("Wednesday_Night_Attendance_Level", &R::wednesdayAttendance),
        link("Sunday_School_Class", &R::sundaySchoolClass),
        link("Discipleship_Training_Class", &R::discipleshipClass),
        link("Wednesday_Night_Class", &R::wednesdayClass),
        link("Care_Group_Assigned", &R::careGroup),
        link("DeaconID", &R::deacon),
        text("Prospect_Active_Status", &R::prospectStatus),
        text("Prospect_Source", &R::prospectSource),
        text("Prospect_Member_Of", &R::prospectMemberOf),
        text("Prospect_Note", &R::prospectNote),
        link("Prospect_Sunday_School_Class_Assigned", &R::prospectSundaySchoolClass),
        link("Prospect_Care_Group_Assigned", &R::prospectCareGroup),
        optionalText("Prospect_Phase", &R::prospectPhase),
        date("Prospect_Next_Contact_Date", &R::prospectNextContactDate),
        optionalText("Prospect_Next_Contact_Action", &R::prospectNextContactAction),
        dateTime("Date_Added", &R::dateAdded),
        text("Added_By", &R::addedBy),
        dateTime("Date_Edited", &R::dateEdited),
        text("Edited_By", &R::editedBy),
    };
    return all;
}

const Column* column(const QString& name)
{
    static const QHash<QString, const Column*> byName = [] {
        QHash<QString, const Column*> h;
        for (const Column& c : columns())
            h.insert(c.columnName(), &c);
        return h;
    }();
    return byName.value(name, nullptr);
}

const QStringList& nextStepColumns()
{
    static const QStringList names = { QStringLiteral("Prospect_Phase"), QStringLiteral("Prospect_Next_Contact_Date"),
        QStringLiteral("Prospect_Next_Contact_Action") };
    return names;
}

const QStringList& screenColumns()
{
    static const QStringList names = [] {
        const QStringList excluded = QStringList { QStringLiteral("Picture"), QStringLiteral("Date_Added"),
            QStringLiteral("Added_By"), QStringLiteral("Date_Edited"), QStringLiteral("Edited_By") }
            + nextStepColumns();
        QStringList out;
        for (const Column& c : columns())
            if (!excluded.contains(c.columnName()))
                out.append(c.columnName());
        return out;
    }();
    return names;
}

QString selectList(const QString& table)
{
    const QString prefix = table.isEmpty() ? QString() : table + QLatin1Char('.');
    return prefix + QStringLiteral("ID, ") + joinedNames(prefix);
}

MemberRecord fromQuery(const QSqlQuery& query, int firstIndex)
{
    MemberRecord r;
    r.id = sql::toId(query.value(firstIndex));
    int i = firstIndex + 1;
    for (const Column& c : columns())
        c.read(r, query.value(i++));
    return r;
}

std::optional<MemberRecord> load(Database& db, qint64 id)
{
    QSqlQuery q
        = db.exec(QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM Member WHERE ID = ?"), { id });
    if (!q.next())
        return std::nullopt;
    return fromQuery(q);
}

qint64 insert(Database& db, const MemberRecord& record, const QStringList& columnNames)
{
    if (columnNames.isEmpty())
        return db.insert(insertSql(), allValues(record));
    QStringList marks;
    QVariantList values;
    for (const QString& name : columnNames) {
        const Column* c = column(name);
        if (!c)
            throw DbError(Tr::tr("The Member table has no column \"%1\".").arg(name));
        marks.append(QStringLiteral("?"));
        values.append(c->valueOf(record));
    }
    return db.insert(QStringLiteral("INSERT INTO Member (") + columnNames.join(QStringLiteral(", "))
            + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) + QStringLiteral(")")
            + sql::returningId(),
        values);
}

int update(Database& db, const MemberRecord& record, const QStringList& columnNames)
{
    if (columnNames.isEmpty())
        return db.exists(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), { record.id }) ? 1 : 0;
    QStringList sets;
    QVariantList values;
    for (const QString& name : columnNames) {
        const Column* c = column(name);
        if (!c)
            throw DbError(Tr::tr("The Member table has no column \"%1\".").arg(name));
        sets.append(name + QStringLiteral(" = ?"));
        values.append(c->valueOf(record));
    }
    values.append(record.id);
    return db.execChange(
        QStringLiteral("UPDATE Member SET ") + sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ID = ?"),
        values);
}

QStringList differences(const MemberRecord& a, const MemberRecord& b, const QStringList& among)
{
    QStringList out;
    for (const Column& c : columns()) {
        if (!among.isEmpty() && !among.contains(c.columnName()))
            continue;
        const QVariant va = c.valueOf(a);
        const QVariant vb = c.valueOf(b);
        if (va.isNull() != vb.isNull() || va != vb)
            out.append(c.columnName());
    }
    return out;
}

void lock(Database& db, qint64 id)
{
    rows::lockRow(db, QStringLiteral("Member"), QStringLiteral("ID"), id, [&] {
        QSqlQuery q = db.exec(QStringLiteral("SELECT Last_Name, First_Name FROM Member WHERE ID = ?"), { id });
        if (!q.next() || (sql::toText(q.value(0)).isEmpty() && sql::toText(q.value(1)).isEmpty()))
            return Tr::tr("the person with the number %1").arg(id);
        return Tr::tr("the person \"%1\"").arg(leaderName(sql::toText(q.value(0)), sql::toText(q.value(1))));
    });
}

SaveOutcome saveEdited(Database& db, const MemberRecord& loaded, const MemberRecord& edited,
    const QStringList& columnNames, const QStringList& stampColumns, OnConflict onConflict)
{
    SaveOutcome outcome;
    Transaction tx(db);
    lock(db, edited.id);
    const std::optional<MemberRecord> stored = load(db, edited.id);
    if (!stored) {
        outcome.result = SaveOutcome::Result::Gone;
        return outcome;
    }
    outcome.stored = *stored;

    for (const QString& name : columnNames)
        if (!column(name))
            throw DbError(Tr::tr("The Member table has no column \"%1\".").arg(name));
    const bool merged = outcome.take(threeway::merge(
        columnNames,
        [&](const QString& name) {
            const Column* c = column(name);
            return threeway::Versions { c->valueOf(loaded), c->valueOf(edited), c->valueOf(*stored) };
        },
        onConflict));
    if (!merged)
        return outcome;
    outcome.written += stampColumns;
    if (update(db, edited, outcome.written) != 1) {
        outcome.result = SaveOutcome::Result::Gone;
        outcome.written.clear();
        return outcome;
    }
    tx.commit();
    return outcome;
}

Inserter::Inserter(Database& db)
    : m_statement(std::make_unique<Statement>(db, insertSql()))
{
}

Inserter::~Inserter() = default;

qint64 Inserter::insert(const MemberRecord& record) { return m_statement->insert(allValues(record)); }

MemberRecord visitorRecord(Database& db, const QString& firstName, const QString& lastName, const QString& phoneDigits,
    const QDate& visited, const QString& user, const QDateTime& now)
{
    MemberRecord r;
    r.status = QStringLiteral("Prospect");
    r.firstName = firstName.trimmed();
    r.lastName = lastName.trimmed();
    r.phone = phoneDigits;
    r.gender = QStringLiteral("Unknown");
    r.prospectStatus = QStringLiteral("Active");
    r.memberActiveStatus = ChurchSettings::value(db, ChurchSettings::kNewPersonChurchStatus).trimmed();
    if (r.memberActiveStatus.isEmpty())
        r.memberActiveStatus = QStringLiteral("Active");
    // The visit counts as the first contact with a prospect who has no phase yet.
    const NextStep step = outreach::proposeNextStep(Phases::load(db), QString(), visited, QString());
    r.prospectPhase = step.phase;
    r.prospectNextContactDate = step.date;
    r.prospectNextContactAction = step.action;
    r.dateAdded = now;
    r.addedBy = user;
    return r;
}

} // namespace pw::Members
