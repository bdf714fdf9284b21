// The member list and the prospect list: a directory entry per person, the
// prospect list followed by each prospect's contacts, newest first.

#include "reports/Layouts.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <memory>

namespace pw::reports::detail {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(LayoutLists)
    };
} // namespace

namespace {

    // The contact column is wider: e-mail addresses and street lines are long.
    const std::vector<double> kColumnWidths = { 214.0, 163.0, 163.0 };
    const std::vector<double> kLabelWidths = { 34.0, 58.0, 58.0 };
    constexpr double kGapBetweenPeople = 7.0;
    constexpr double kLongTextLabelWidth = 58.0;

    QString field(const DataTable& t, std::size_t row, const char* name)
    {
        return valueText(t.value(row, QString::fromLatin1(name)));
    }
    QString date(const DataTable& t, std::size_t row, const char* name)
    {
        return dateText(t.value(row, QString::fromLatin1(name)));
    }

    QString newsletterText(const DataTable& t, std::size_t row)
    {
        QStringList ways;
        if (isYes(t.value(row, QStringLiteral("Receive_Newsletter_Via_Mail"))))
            ways.append(Tr::tr("Mail"));
        if (isYes(t.value(row, QStringLiteral("Receive_Newsletter_Via_EMail"))))
            ways.append(Tr::tr("E-mail"));
        return ways.isEmpty() ? Tr::tr("None") : ways.join(QStringLiteral(", "));
    }

    // Column captions repeated at the top of every page of a list.
    Row listColumnHeader()
    {
        const Style& s = style(StyleId::BodyBold);
        const double h = s.lineHeight + 6;
        return Row { h + 4,
            [h](QPainter& p, double top) {
                p.fillRect(QRectF(kContentLeft, top, kContentWidth, h), QColor(232, 232, 232));
                const QStringList captions = { Tr::tr("Name and contact"), Tr::tr("Personal"), Tr::tr("Church") };
                double x = kContentLeft;
                for (int i = 0; i < captions.size(); ++i) {
                    drawLine(p, style(StyleId::BodyBold), x + 3, top + 3, kColumnWidths[i] - 6, captions[i]);
                    x += kColumnWidths[i];
                }
            } };
    }

    Row noRowsRow(const QString& text)
    {
        return Row { 20, [text](QPainter& p, double top) {
                        drawLine(p, style(StyleId::Body), kContentLeft, top + 4, kContentWidth, text);
                    } };
    }

    std::vector<Column> contactColumns()
    {
        // Wide enough for a whole name and a rating such as "Very Interested" on one line.
        const std::vector<Column> columns
            = { { Tr::tr("Date"), 54 }, { Tr::tr("Action"), 66 }, { Tr::tr("Type"), 40 }, { Tr::tr("Rating"), 72 },
                  { Tr::tr("Visitor 1"), 94 }, { Tr::tr("Visitor 2"), 94 }, { Tr::tr("Notes"), 120 } };
        return columns;
    }

    Row captionRow(const QString& text)
    {
        const Style& s = style(StyleId::BodyBold);
        return Row { s.lineHeight + 3, [text](QPainter& p, double top) {
                        drawLine(p, style(StyleId::BodyBold), kContentLeft, top + 1, kContentWidth, text);
                    } };
    }

    Row separatorRow()
    {
        return Row { 1.0, [](QPainter& p, double top) {
                        drawRule(p, kContentLeft, kContentLeft + kContentWidth, top + 0.5, 0.4, QColor(150, 150, 150));
                    } };
    }

} // namespace

std::vector<Row> personBlock(const DataTable& t, std::size_t r)
{
    std::vector<Row> rows;
    const QString name = listName(t, r);
    const QString status
        = joinNonEmpty({ field(t, r, "ID").isEmpty() ? QString() : Tr::tr("ID %1").arg(field(t, r, "ID")),
                           field(t, r, "Status"), field(t, r, "Member_Active_Status") },
            QStringLiteral("  \u00b7  "));
    const Style& nameStyle = style(StyleId::Name);
    rows.push_back(Row { nameStyle.lineHeight + 2, [name, status](QPainter& p, double top) {
                            const Style& body = style(StyleId::Body);
                            const double statusWidth = std::min(body.metrics.horizontalAdvance(status) + 2, 200.0);
                            drawLine(p, style(StyleId::Name), kContentLeft, top + 1, kContentWidth - statusWidth - 8,
                                name.isEmpty() ? Tr::tr("(no name)") : name);
                            drawLine(p, body, kContentLeft + kContentWidth - statusWidth, top + 2.5, statusWidth,
                                status, Qt::AlignRight);
                        } });

    const std::vector<std::vector<Field>> columns = {
        {
            { QString(), field(t, r, "Address_1"), true },
            { QString(), field(t, r, "Address_2"), true },
            { QString(), cityLine(t, r), true },
            { Tr::tr("Home"), field(t, r, "Phone") },
            { Tr::tr("Cell"), field(t, r, "Cell") },
            { Tr::tr("Work"), field(t, r, "Work_Phone") },
            { Tr::tr("E-mail"), field(t, r, "Email") },
        },
        {
            { Tr::tr("Born"), date(t, r, "Date_Of_Birth") },
            { Tr::tr("Gender"), field(t, r, "Gender") },
            { Tr::tr("Marital status"), field(t, r, "Marital_Status") },
            { Tr::tr("Anniversary"), date(t, r, "Anniversary_Date") },
            { Tr::tr("Head of house"), yesNoText(t.value(r, QStringLiteral("Head_Of_Household"))) },
            { Tr::tr("Occupation"), field(t, r, "Occupation") },
            { Tr::tr("Place of work"), field(t, r, "Place_Of_Work") },
            { Tr::tr("Map section"), field(t, r, "Map_Section") },
        },
        {
            { Tr::tr("Member since"), date(t, r, "Member_Since") },
            { Tr::tr("Prev. church"), field(t, r, "Previous_Church") },
            { Tr::tr("Came forward"), date(t, r, "Came_Forward") },
            { Tr::tr("Baptized"), date(t, r, "Baptized") },
            { Tr::tr("Sunday School"), field(t, r, "Sunday_School.Name") },
            { Tr::tr("Discipleship"), field(t, r, "Discipleship_Training.Name") },
            { Tr::tr("Wednesday"), field(t, r, "Wednesday_Night.Name") },
            { Tr::tr("Care group"), personText(t.value(r, QStringLiteral("CGLeader"))) },
            { Tr::tr("Deacon"), personText(t.value(r, QStringLiteral("Deacon"))) },
            { Tr::tr("Newsletter"), newsletterText(t, r) },
        },
    };
    rows.push_back(fieldColumns(columns, kColumnWidths, kLabelWidths, true));
    std::vector<Row> longTexts;
    for (const auto& [label, name] : { std::pair { QT_TRANSLATE_NOOP("LayoutLists", "Hobbies"), "Hobbies" },
             std::pair { QT_TRANSLATE_NOOP("LayoutLists", "Organizations"), "Organizations" },
             std::pair { QT_TRANSLATE_NOOP("LayoutLists", "Notes"), "Notes" } }) {
        // The labels in one column and the texts in one column beside them.
        for (Row& row : fieldRows(Tr::tr(label), field(t, r, name), kLongTextLabelWidth))
            longTexts.push_back(std::move(row));
    }
    if (!longTexts.empty()) {
        rows.push_back(spaceRow(2));
        rows.insert(rows.end(), longTexts.begin(), longTexts.end());
    }
    return rows;
}

UnitLayout memberListUnits(const ReportData& data)
{
    const DataTable& t = data.main;
    UnitLayout layout;
    layout.units = static_cast<int>(t.rows.size());
    layout.start = [&t](Flow& flow) {
        flow.setPageHeader({ listColumnHeader() });
        if (t.rows.empty())
            flow.addRow(noRowsRow(Tr::tr("No people to list.")));
    };
    layout.add = [&t](Flow& flow, int unit) {
        std::vector<Row> block = personBlock(t, static_cast<std::size_t>(unit));
        block.push_back(spaceRow(3));
        block.push_back(separatorRow());
        flow.addBlock(block);
        flow.addSpace(kGapBetweenPeople);
    };
    return layout;
}

UnitLayout prospectListUnits(const ReportData& data)
{
    const DataTable& t = data.main;
    const DataTable& sub = data.sub;

    // Each prospect's contacts, in the sub table's own order: the sub rows
    // grouped by prospect, 8 bytes a contact and a prospect. A fed list's
    // contacts come with their prospects, so the groups are made as the
    // prospects arrive.
    struct Contacts {
        std::vector<std::size_t> rows;
        std::vector<std::size_t> starts { 0 }; // unit u's rows are rows[starts[u]] to rows[starts[u + 1]]
        std::size_t subRead = 0;

        void cover(const DataTable& t, const DataTable& sub)
        {
            if (starts.size() > t.rows.size())
                return;
            QHash<qint64, std::vector<std::size_t>> arrived;
            const int prospect = sub.column(QStringLiteral("Prospect_ID"));
            for (; subRead < sub.rows.size(); ++subRead) {
                const QVariant id = prospect < 0 ? QVariant() : sub.rows.cell(subRead, prospect);
                if (!id.isNull())
                    arrived[id.toLongLong()].push_back(subRead);
            }
            for (std::size_t unit = starts.size() - 1; unit < t.rows.size(); ++unit) {
                const QVariant id = t.value(unit, QStringLiteral("ID"));
                const auto found = id.isNull() ? arrived.constEnd() : arrived.constFind(id.toLongLong());
                if (found != arrived.constEnd())
                    rows.insert(rows.end(), found->begin(), found->end());
                starts.push_back(rows.size());
            }
        }
    };
    auto contacts = std::make_shared<Contacts>();

    UnitLayout layout;
    layout.units = static_cast<int>(t.rows.size());
    layout.start = [&t](Flow& flow) {
        flow.setPageHeader({ listColumnHeader() });
        if (t.rows.empty())
            flow.addRow(noRowsRow(Tr::tr("No prospects to list.")));
    };
    layout.add = [&t, &sub, contacts](Flow& flow, int unit) {
        const auto r = static_cast<std::size_t>(unit);
        const auto columns = contactColumns();
        std::vector<Row> block = personBlock(t, r);
        block.push_back(spaceRow(3));
        contacts->cover(t, sub);
        const auto from = contacts->rows.cbegin() + qsizetype(contacts->starts[r]);
        const auto to = contacts->rows.cbegin() + qsizetype(contacts->starts[r + 1]);
        std::vector<Row> rest;
        if (from == to) {
            block.push_back(captionRow(Tr::tr("No contacts recorded.")));
        } else {
            block.push_back(captionRow(Tr::tr("Contacts")));
            block.push_back(tableHeader(columns));
            bool first = true;
            for (auto contact = from; contact != to; ++contact) {
                const std::size_t i = *contact;
                Row row = tableRow(columns,
                    { dateText(sub.value(i, QStringLiteral("Contact_Date"))),
                        valueText(sub.value(i, QStringLiteral("Action"))),
                        valueText(sub.value(i, QStringLiteral("Type"))),
                        valueText(sub.value(i, QStringLiteral("Rating"))),
                        personText(sub.value(i, QStringLiteral("Visitor1Name"))),
                        personText(sub.value(i, QStringLiteral("Visitor2Name"))),
                        valueText(sub.value(i, QStringLiteral("Notes"))) },
                    kContentLeft, 12);
                (first ? block : rest).push_back(std::move(row));
                first = false;
            }
        }
        flow.addBlock(block);
        flow.setContinuation(
            { captionRow(Tr::tr("Contacts of %1 (continued)").arg(listName(t, r))), tableHeader(columns) });
        for (const Row& row : rest)
            flow.addRow(row);
        flow.setContinuation({});
        flow.addSpace(3);
        flow.addRow(separatorRow());
        flow.addSpace(kGapBetweenPeople);
    };
    return layout;
}

} // namespace pw::reports::detail
