#include "reports/Reports.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "reports/FamilyText.h"
#include "reports/HouseholdLabels.h"
#include "reports/PageFrame.h"
#include "reports/Report.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Phone.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <memory>
#include <vector>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Reports)
    };
} // namespace

namespace {

    // How a column's stored value becomes the value a layout reads.
    enum class Kind {
        Id, // a key: a number, or Null
        Text, // as stored
        Phone, // stored digits in the phone form, "(615) 555-0142"
        Date, // ISO "YYYY-MM-DD", or Null
        Flag, // 0 or 1
    };

    struct Column {
        const char* field; // the name the layouts read it by
        QString expr; // what the query selects for it
        Kind kind;
    };

    // "Last, First": a missing part contributes nothing, so a person without a
    // leader or deacon shows the bare separator, as the sheets always have.
    QString lastFirst(const QString& table) { return sql::nameTerm(table, sql::NameParts::LastFirst); }

    QString lastFirstMiddle(const QString& table) { return sql::nameTerm(table, sql::NameParts::WithMiddle); }

    // A Member column read under its own name; how it is shown follows the
    // table's description of it.
    Column m(const char* field)
    {
        Kind kind = Kind::Id;
        if (const Members::Column* column = Members::column(QLatin1String(field))) {
            switch (column->kind) {
            case Members::Kind::Date:
            case Members::Kind::DateTime:
                kind = Kind::Date;
                break;
            case Members::Kind::YesNo:
                kind = Kind::Flag;
                break;
            case Members::Kind::Id:
                kind = Kind::Id;
                break;
            case Members::Kind::Text:
            case Members::Kind::OptionalText:
                kind = Kind::Text;
                break;
            }
        }
        return { field, QStringLiteral("Member.") + QLatin1String(field), kind };
    }

    // A stored telephone number, shown in the phone form.
    Column phone(const char* field)
    {
        Column c = m(field);
        c.kind = Kind::Phone;
        return c;
    }

    // The 27 columns of a person, from "ID" to "Member_Active_Status", that
    // the lists and both sheets show.
    std::vector<Column> personColumns()
    {
        return {
            m("ID"),
            m("Status"),
            m("First_Name"),
            m("Middle_Name"),
            m("Last_Name"),
            m("Title"),
            m("Address_1"),
            m("Address_2"),
            m("City"),
            m("State"),
            m("Zip"),
            phone("Phone"),
            phone("Cell"),
            phone("Work_Phone"),
            m("Email"),
            m("Place_Of_Work"),
            m("Occupation"),
            m("Date_Of_Birth"),
            m("Head_Of_Household"),
            m("Gender"),
            m("Marital_Status"),
            m("Anniversary_Date"),
            m("Hobbies"),
            m("Organizations"),
            m("Map_Section"),
            m("Notes"),
            m("Member_Active_Status"),
        };
    }

    // The 38 columns of the member list, the prospect list and the update sheet.
    std::vector<Column> memberColumns()
    {
        std::vector<Column> columns = personColumns();
        columns.push_back(m("Member_Since"));
        columns.push_back(m("Previous_Church"));
        columns.push_back(m("Came_Forward"));
        columns.push_back(m("Baptized"));
        columns.push_back({ "Sunday_School.Name", QStringLiteral("Sunday_School.Name"), Kind::Text });
        columns.push_back({ "Discipleship_Training.Name", QStringLiteral("Discipleship_Training.Name"), Kind::Text });
        columns.push_back({ "Wednesday_Night.Name", QStringLiteral("Wednesday_Night.Name"), Kind::Text });
        columns.push_back({ "CGLeader", lastFirst(QStringLiteral("CGLeaderTbl")), Kind::Text });
        columns.push_back({ "Deacon", lastFirst(QStringLiteral("DeaconTbl")), Kind::Text });
        columns.push_back(m("Receive_Newsletter_Via_Mail"));
        columns.push_back(m("Receive_Newsletter_Via_EMail"));
        return columns;
    }

    // The member's own classes, care group leader and deacon.
    const QString kMemberJoins = QStringLiteral(
        " FROM Member"
        " LEFT JOIN Care_Group ON Member.Care_Group_Assigned = Care_Group.ID"
        " LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID"
        " LEFT JOIN Sunday_School ON Member.Sunday_School_Class = Sunday_School.ID"
        " LEFT JOIN Discipleship_Training ON Member.Discipleship_Training_Class = Discipleship_Training.ID"
        " LEFT JOIN Wednesday_Night ON Member.Wednesday_Night_Class = Wednesday_Night.ID"
        " LEFT JOIN Member AS DeaconTbl ON Member.DeaconID = DeaconTbl.ID");

    QString byName(const QString& table)
    {
        return sql::orderText(table + QStringLiteral(".Last_Name")) + QStringLiteral(", ")
            + sql::orderText(table + QStringLiteral(".First_Name"));
    }

    QString selectList(const std::vector<Column>& columns)
    {
        QStringList parts;
        parts.reserve(static_cast<int>(columns.size()));
        for (const Column& c : columns)
            parts.append(c.expr);
        return QStringLiteral("SELECT ") + parts.join(QStringLiteral(", "));
    }

    QVariant convert(const QVariant& value, Kind kind)
    {
        switch (kind) {
        case Kind::Id:
            return value.isNull() ? QVariant() : QVariant(value.toLongLong());
        case Kind::Text:
            return value.isNull() ? QVariant() : QVariant(value.toString());
        case Kind::Phone:
            return formatPhone(value);
        case Kind::Date: {
            if (value.isNull())
                return {};
            const QDate d = sql::toDate(value);
            // A value that is no date is shown as stored rather than lost.
            return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(value.toString());
        }
        case Kind::Flag:
            return sql::toYesNo(value) ? 1 : 0;
        }
        return value;
    }

    // A run the user stopped while its rows were read.
    struct Stopped { };

    // How far reading has got, for the rows of a long list: about `expected`
    // rows are coming. Short lists show nothing.
    struct ReadProgress {
        const Progress* progress = nullptr;
        QString text;
        int expected = 0;

        bool shown() const { return progress && *progress && expected >= 1000; }
        void at(int done) const
        {
            if (shown() && done % 250 == 0 && !(*progress)(text, std::min(done, expected), expected))
                throw Stopped {};
        }
    };

    DataTable runTable(const std::vector<Column>& columns, const QString& sqlText, const QVariantList& params,
        const ReadProgress& reading = {})
    {
        DataTable table;
        for (const Column& c : columns)
            table.fields.append(QLatin1String(c.field));
        QSqlQuery query = db().exec(sqlText, params);
        const int n = static_cast<int>(columns.size());
        QVariantList row;
        int done = 0;
        while (query.next()) {
            reading.at(done++);
            row.clear();
            row.reserve(n);
            for (int i = 0; i < n; ++i)
                row.append(convert(query.value(i), columns[static_cast<std::size_t>(i)].kind));
            table.rows.push_back(row);
        }
        return table;
    }

    ReadProgress reading(const Progress& progress, Design design, const QList<qint64>& ids)
    {
        return { &progress, Tr::tr("Reading the %1...").arg(designTitle(design)), static_cast<int>(ids.size()) };
    }

    ReportData started(Design design)
    {
        ReportData data;
        data.design = design;
        data.churchName = sql::toText(
            db().scalar(QStringLiteral("SELECT Name FROM Church ORDER BY %1 LIMIT 1").arg(sql::rowKey())));
        data.printedOn = formats::dateText(clock().today());
        return data;
    }

    DataTable memberTable(const QList<qint64>& ids, const ReadProgress& progress = {})
    {
        const std::vector<Column> columns = memberColumns();
        const QString text = selectList(columns) + kMemberJoins + QStringLiteral(" WHERE ")
            + sql::inIdList(QStringLiteral("Member.ID")) + QStringLiteral(" ORDER BY ")
            + byName(QStringLiteral("Member")) + QStringLiteral(", Member.ID");
        return runTable(columns, text, { sql::idList(ids) }, progress);
    }

    // The family list of a sheet, from its first row; empty without rows.
    QString familyOf(const DataTable& table, const QString& idField)
    {
        if (table.rows.empty())
            return {};
        return familyText(
            sql::toId(table.value(0, idField)), sql::toYesNo(table.value(0, QStringLiteral("Head_Of_Household"))));
    }

    // Lays the report out (telling progress how far, for a long list) and
    // previews or prints it; false when the user stopped it or nothing was printed.
    bool deliver(ReportData data, bool preview, int copies, const Progress& progress = {})
    {
        auto report = std::make_shared<const Report>(std::move(data));
        if (preview && report->data().feed) {
            // The first page shows at once; the viewer lays out the rest.
            while (!report->paginateFor(50) && report->pagesSoFar() == 0) { }
            output().preview(report);
            return true;
        }
        if (!report->paginate(progress))
            return false;
        if (preview) {
            output().preview(report);
            return true;
        }
        return output().print(report, copies);
    }

} // namespace

ReportData newReportData(Design design) { return started(design); }

namespace {
    class FunctionLayout : public CustomLayout {
    public:
        FunctionLayout(QString title, std::function<detail::Document()> layOut)
            : m_title(std::move(title))
            , m_layOut(std::move(layOut))
        {
        }
        QString title() const override { return m_title; }
        detail::Document layOut(const ReportData&) const override { return m_layOut(); }

    private:
        QString m_title;
        std::function<detail::Document()> m_layOut;
    };
} // namespace

std::shared_ptr<CustomLayout> functionLayout(const QString& title, std::function<detail::Document()> layOut)
{
    return std::make_shared<FunctionLayout>(title, std::move(layOut));
}

ReportPtr customReport(const QString& title, std::function<detail::Document()> layOut)
{
    ReportData data = started(Design::Custom);
    data.custom = functionLayout(title, std::move(layOut));
    return std::make_shared<Report>(std::move(data));
}

QString formatPhone(const QVariant& stored) { return phoneText(sql::toText(stored)); }

namespace {

    ReportData memberListData(const QList<qint64>& ids, const Progress& progress)
    {
        ReportData data = started(Design::MemberList);
        data.main = memberTable(ids, reading(progress, Design::MemberList, ids));
        return data;
    }

    DataTable contactTable(const QList<qint64>& ids)
    {
        const std::vector<Column> contactColumns = {
            { "Prospect_ID", QStringLiteral("Prospect_Contact.Prospect_ID"), Kind::Id },
            { "ID", QStringLiteral("Prospect_Contact.ID"), Kind::Id },
            { "Contact_Date", QStringLiteral("Prospect_Contact.Contact_Date"), Kind::Date },
            { "Action", QStringLiteral("Prospect_Contact.Action"), Kind::Text },
            { "Type", QStringLiteral("Prospect_Contact.Type"), Kind::Text },
            { "Visitor1Name", lastFirstMiddle(QStringLiteral("Visitor1Tbl")), Kind::Text },
            { "Visitor2Name", lastFirstMiddle(QStringLiteral("Visitor2Tbl")), Kind::Text },
            { "Rating", QStringLiteral("Prospect_Contact.Rating"), Kind::Text },
            { "Notes", QStringLiteral("Prospect_Contact.Notes"), Kind::Text },
        };
        // Newest first; the identifier keeps contacts of one day in a fixed order.
        const QString text = selectList(contactColumns)
            + QStringLiteral(" FROM Prospect_Contact"
                             " LEFT JOIN Member AS Visitor1Tbl ON Prospect_Contact.Visitor1 = Visitor1Tbl.ID"
                             " LEFT JOIN Member AS Visitor2Tbl ON Prospect_Contact.Visitor2 = Visitor2Tbl.ID"
                             " WHERE ")
            + sql::inIdList(QStringLiteral("Prospect_Contact.Prospect_ID"))
            + QStringLiteral(" ORDER BY Prospect_Contact.Contact_Date DESC, Prospect_Contact.ID DESC");
        return runTable(contactColumns, text, { sql::idList(ids) });
    }

    ReportData prospectListData(const QList<qint64>& ids, const Progress& progress)
    {
        ReportData data = started(Design::ProspectList);
        data.main = memberTable(ids, reading(progress, Design::ProspectList, ids));
        data.sub = contactTable(ids);
        return data;
    }

    // A member or prospect list read as it is laid out: the people in name
    // order first (one quick query), then a slice of them at a time with
    // everything the list shows of them.
    class PeopleFeed : public ListFeed {
    public:
        PeopleFeed(std::vector<qint64> ids, bool contacts)
            : m_ids(std::move(ids))
            , m_contacts(contacts)
        {
        }

        bool readMore(ReportData& data) override
        {
            constexpr std::size_t kSlice = 500;
            if (m_next >= m_ids.size())
                return false;
            const QList<qint64> slice(
                m_ids.begin() + qsizetype(m_next), m_ids.begin() + qsizetype(std::min(m_ids.size(), m_next + kSlice)));
            m_next += std::size_t(slice.size());
            // In the order of the list, whatever order the slice came in; a
            // person removed meanwhile is left out.
            const DataTable read = memberTable(slice);
            QHash<qint64, std::size_t> rowOf;
            const int id = read.column(QStringLiteral("ID"));
            for (std::size_t r = 0; r < read.rows.size(); ++r)
                rowOf.insert(read.rows.cell(r, id).toLongLong(), r);
            for (const qint64 person : slice) {
                const auto found = rowOf.constFind(person);
                if (found != rowOf.constEnd())
                    data.main.rows.push_back(read.rows[*found]);
            }
            if (m_contacts)
                for (const QVariantList& contact : contactTable(slice).rows)
                    data.sub.rows.push_back(contact);
            return true;
        }

        int total() const override { return static_cast<int>(m_ids.size()); }

    private:
        std::vector<qint64> m_ids;
        std::size_t m_next = 0;
        bool m_contacts;
    };

    ReportData fedList(Design design, const QList<qint64>& ids, const Progress& progress)
    {
        ReportData data = started(design);
        const ReadProgress read = reading(progress, design, ids);
        const auto tell = [&read](int done) {
            if (read.shown() && !(*read.progress)(read.text, done, read.expected))
                throw Stopped {};
        };
        tell(0);
        std::vector<qint64> ordered = Lookups::idsByName(db(), ids);
        tell(read.expected);
        data.main.fields = memberTable({}).fields;
        if (design == Design::ProspectList)
            data.sub.fields = contactTable({}).fields;
        data.feed = std::make_shared<PeopleFeed>(std::move(ordered), design == Design::ProspectList);
        return data;
    }

    ReportData mailingLabelData(const QList<qint64>& found, const HouseholdChoice& choice, const Progress& progress)
    {
        ReportData data = started(Design::MailingLabels);
        std::vector<Column> columns = { m("First_Name"), m("Middle_Name"), m("Last_Name"), m("Title"), m("Address_1"),
            m("Address_2"), m("City"), m("State"), m("Zip") };
        QList<qint64> ids = found;
        QHash<qint64, QString> names; // a household's name, by its head
        if (choice.perHousehold) {
            ids.clear();
            for (const Addressee& a : householdsOf(found, choice.name)) {
                ids.append(a.id);
                if (!a.name.isEmpty())
                    names.insert(a.id, a.name);
            }
            columns.insert(columns.begin(), m("ID"));
        }
        const QString text = selectList(columns) + QStringLiteral(" FROM Member WHERE ")
            + sql::inIdList(QStringLiteral("Member.ID")) + QStringLiteral(" ORDER BY ")
            + byName(QStringLiteral("Member")) + QStringLiteral(", Member.ID");
        DataTable read = runTable(columns, text, { sql::idList(ids) }, reading(progress, Design::MailingLabels, ids));
        if (!choice.perHousehold) {
            data.main = std::move(read);
            return data;
        }
        // The label's first line: the household's name, or the person's own.
        data.main.fields = read.fields;
        data.main.fields.append(QStringLiteral("Addressee"));
        data.main.rows.reserve(read.rows.size());
        for (QVariantList row : read.rows) {
            row.append(names.value(row.first().toLongLong()));
            data.main.rows.push_back(row);
        }
        return data;
    }

} // namespace

ReportData memberListData(const QList<qint64>& ids) { return memberListData(ids, {}); }
ReportData prospectListData(const QList<qint64>& ids) { return prospectListData(ids, {}); }
ReportData mailingLabelData(const QList<qint64>& ids, const HouseholdChoice& choice)
{
    return mailingLabelData(ids, choice, {});
}

ReportData visitationSheetData(qint64 id)
{
    ReportData data = started(Design::VisitationSheet);
    // The sheet has no membership history; it shows the outreach columns instead.
    // The person's key and notes are read as "Member.ID" and "Member.Notes",
    // apart from the contact's.
    std::vector<Column> columns = personColumns();
    for (Column& c : columns)
        if (qstrcmp(c.field, "ID") == 0)
            c.field = "Member.ID";
        else if (qstrcmp(c.field, "Notes") == 0)
            c.field = "Member.Notes";
    const std::vector<Column> more = {
        m("Prospect_Source"),
        m("Prospect_Active_Status"),
        m("Prospect_Note"),
        { "Name", QStringLiteral("Sunday_School.Name"), Kind::Text },
        { "CGLeader", lastFirst(QStringLiteral("CGLeaderTbl")), Kind::Text },
        m("Prospect_Member_Of"),
        m("Prospect_Next_Contact_Date"),
        m("Prospect_Next_Contact_Action"),
        { "Prospect_Contact.ID", QStringLiteral("Prospect_Contact.ID"), Kind::Id },
        { "Contact_Date", QStringLiteral("Prospect_Contact.Contact_Date"), Kind::Date },
        { "Action", QStringLiteral("Prospect_Contact.Action"), Kind::Text },
        { "Type", QStringLiteral("Prospect_Contact.Type"), Kind::Text },
        { "Visitor1Name", lastFirst(QStringLiteral("Visitor1Tbl")), Kind::Text },
        { "Visitor2Name", lastFirst(QStringLiteral("Visitor2Tbl")), Kind::Text },
        { "Prospect_Contact.Notes", QStringLiteral("Prospect_Contact.Notes"), Kind::Text },
        { "Rating", QStringLiteral("Prospect_Contact.Rating"), Kind::Text },
    };
    columns.insert(columns.end(), more.begin(), more.end());
    // The prospect's assigned care group and class, not the member ones. One
    // row per contact, oldest first; without contacts one row all the same.
    const QString text = selectList(columns)
        + QStringLiteral(" FROM Member"
                         " LEFT JOIN Care_Group ON Member.Prospect_Care_Group_Assigned = Care_Group.ID"
                         " LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID"
                         " LEFT JOIN Sunday_School ON Member.Prospect_Sunday_School_Class_Assigned = Sunday_School.ID"
                         " LEFT JOIN Prospect_Contact ON Member.ID = Prospect_Contact.Prospect_ID"
                         " LEFT JOIN Member AS Visitor1Tbl ON Visitor1Tbl.ID = Prospect_Contact.Visitor1"
                         " LEFT JOIN Member AS Visitor2Tbl ON Visitor2Tbl.ID = Prospect_Contact.Visitor2"
                         " WHERE Member.ID = ?"
                         " ORDER BY Prospect_Contact.Contact_Date, Prospect_Contact.ID");
    data.main = runTable(columns, text, { id });
    data.familyText = familyOf(data.main, QStringLiteral("Member.ID"));
    return data;
}

ReportData memberInfoUpdateData(qint64 id)
{
    ReportData data = started(Design::MemberInfoUpdate);
    std::vector<Column> columns = memberColumns();
    columns.push_back({ "Responsibility", QStringLiteral("Member_Responsibility.Responsibility"), Kind::Text });
    columns.push_back({ "Start", QStringLiteral("Member_Responsibility.\"Start\""), Kind::Date });
    columns.push_back({ "End", QStringLiteral("Member_Responsibility.\"End\""), Kind::Date });
    // One row per responsibility, the latest ended first; a member without
    // any still gives one row.
    const QString text = selectList(columns) + kMemberJoins
        + QStringLiteral(" LEFT JOIN Member_Responsibility ON Member.ID = Member_Responsibility.Member_ID"
                         " WHERE Member.ID = ?"
                         " ORDER BY Member.ID, Member_Responsibility.\"End\" DESC, ")
        + sql::orderText(QStringLiteral("Member_Responsibility.Responsibility"));
    data.main = runTable(columns, text, { id });
    data.familyText = familyOf(data.main, QStringLiteral("ID"));
    return data;
}

bool PrintMemberList(const QList<qint64>& ids, bool preview, const Progress& progress)
{
    BusyCursor busy;
    try {
        return deliver(fedList(Design::MemberList, ids, progress), preview, 1, progress);
    } catch (const Stopped&) {
        return false;
    }
}

bool PrintProspectList(const QList<qint64>& ids, bool preview, const Progress& progress)
{
    BusyCursor busy;
    try {
        return deliver(fedList(Design::ProspectList, ids, progress), preview, 1, progress);
    } catch (const Stopped&) {
        return false;
    }
}

bool PrintMailingLabels(const QList<qint64>& ids, const Progress& progress)
{
    return PrintMailingLabels(ids, {}, progress);
}

bool PrintMailingLabels(const QList<qint64>& ids, const HouseholdChoice& choice, const Progress& progress)
{
    BusyCursor busy;
    try {
        return deliver(mailingLabelData(ids, choice, progress), true, 0, progress);
    } catch (const Stopped&) {
        return false;
    }
}

bool PrintVisitationSheet(qint64 id, bool preview)
{
    BusyCursor busy;
    ReportData data = visitationSheetData(id);
    if (data.main.rows.empty())
        return false;
    return deliver(std::move(data), preview, 0);
}

bool PrintMemberInfoUpdate(qint64 id, bool preview)
{
    BusyCursor busy;
    ReportData data = memberInfoUpdateData(id);
    if (data.main.rows.empty())
        return false;
    return deliver(std::move(data), preview, 1);
}

} // namespace pw::reports
