// The two one-person sheets: the visitation sheet a visitor takes to a
// prospect, and the information update form a member checks and corrects.
// Both take the person from the first row; the other rows carry the
// contacts (visitation sheet) or responsibilities (update form).

#include "reports/Layouts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

namespace pw::reports::detail {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(LayoutSheets)
    };
} // namespace

namespace {

    QString text(const DataTable& t, const char* name) { return valueText(t.value(0, QString::fromLatin1(name))); }
    QString date(const DataTable& t, const char* name) { return dateText(t.value(0, QString::fromLatin1(name))); }

    bool allEmpty(const DataTable& t, std::size_t row, const QStringList& fields)
    {
        for (const QString& f : fields)
            if (!valueText(t.value(row, f)).isEmpty())
                return false;
        return true;
    }

    // The person's name large, with a short note at the right.
    Row nameRow(const QString& name, const QString& note)
    {
        const Style& s = style(StyleId::Church);
        return Row { s.lineHeight + 6, [name, note](QPainter& p, double top) {
                        const Style& body = style(StyleId::Body);
                        const double noteWidth = std::min(body.metrics.horizontalAdvance(note) + 2, 220.0);
                        drawLine(p, style(StyleId::Church), kContentLeft, top, kContentWidth - noteWidth - 10,
                            name.isEmpty() ? Tr::tr("(no name)") : name);
                        drawLine(p, body, kContentLeft + kContentWidth - noteWidth, top + 4, noteWidth, note,
                            Qt::AlignRight);
                    } };
    }

    // Where the family text's columns start, in characters: it is built of
    // name, relationship, gender and birth date cut or padded to 25, 20, 10
    // and 12 characters, one blank apart (see familyText()).
    constexpr int kFamilyColumnStarts[] = { 0, 26, 47, 58 };
    constexpr double kFamilyIndent = 4;

    // Captions over the family columns, each where its column starts.
    Row familyCaptionRow()
    {
        const Style& cap = style(StyleId::Caption);
        return Row { cap.lineHeight + 1, [](QPainter& p, double top) {
                        const Style& cap = style(StyleId::Caption);
                        const double charWidth = style(StyleId::Mono).metrics.horizontalAdvance(QLatin1Char('M'));
                        const QStringList captions
                            = { Tr::tr("Name"), Tr::tr("Relationship"), Tr::tr("Gender"), Tr::tr("Born") };
                        for (int i = 0; i < captions.size(); ++i)
                            drawLine(p, cap, kContentLeft + kFamilyIndent + kFamilyColumnStarts[i] * charWidth, top,
                                120, captions[i]);
                    } };
    }

    // The family lines in fixed-width type, so their columns stay aligned.
    std::vector<Row> familyRows(const QString& familyText)
    {
        std::vector<Row> rows;
        static const QRegularExpression lineEnds(QStringLiteral("\r\n|\n|\r"));
        QStringList lines = familyText.split(lineEnds);
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        const Style& mono = style(StyleId::Mono);
        if (lines.isEmpty()) {
            rows.push_back(Row { style(StyleId::Body).lineHeight + 2, [](QPainter& p, double top) {
                                    drawLine(p, style(StyleId::Body), kContentLeft, top + 1, kContentWidth,
                                        Tr::tr("No family members recorded."));
                                } });
            return rows;
        }
        rows.push_back(familyCaptionRow());
        for (const QString& line : lines) {
            const QString shown = line.trimmed().isEmpty()
                ? QString()
                : QString(line).remove(QRegularExpression(QStringLiteral("\\s+$")));
            rows.push_back(Row { mono.lineHeight, [shown](QPainter& p, double top) {
                                    drawLine(p, style(StyleId::Mono), kContentLeft + kFamilyIndent, top,
                                        kContentWidth - kFamilyIndent, shown);
                                } });
        }
        return rows;
    }

    // At the top of every further page of a sheet: whose sheet it is, so a
    // page that comes loose from a pile of sheets still finds its person.
    Row continuedRow(const QString& name)
    {
        const Style& s = style(StyleId::Name);
        return Row { s.lineHeight + 6, [name](QPainter& p, double top) {
                        drawLine(p, style(StyleId::Name), kContentLeft, top, kContentWidth,
                            Tr::tr("%1 (continued)").arg(name.isEmpty() ? Tr::tr("(no name)") : name));
                    } };
    }

    Row messageRow(const QString& message)
    {
        const Style& s = style(StyleId::Body);
        return Row { s.lineHeight + 4, [message](QPainter& p, double top) {
                        drawLine(p, style(StyleId::Body), kContentLeft, top + 2, kContentWidth, message);
                    } };
    }

    // A caption followed by a line to write on, across the given width.
    void drawWriteIn(QPainter& p, double x, double width, double baseline, const QString& caption)
    {
        const Style& s = style(StyleId::Body);
        double lineStart = x;
        if (!caption.isEmpty()) {
            p.setFont(s.font);
            p.setPen(s.color);
            p.drawText(QPointF(x, baseline), caption);
            lineStart = x + s.metrics.horizontalAdvance(caption) + 4;
        }
        drawRule(p, lineStart, x + width, baseline + 1.5, 0.4, QColor(110, 110, 110));
    }

    constexpr double kWriteLine = 22.0;
    // The label column of the visitation sheet's fields and long texts.
    constexpr double kSheetLabelWidth = 72.0;

    // Room for the visitor's own notes about the visit: as many ruled lines
    // as the page has room for (two to twelve), so the sheet stays one page
    // when it can and uses the page when there is room.
    std::vector<Row> visitRecordRows(double room)
    {
        const double fixed = style(StyleId::Heading).lineHeight + 6 + 4 * kWriteLine;
        // Too little room: the block moves to a fresh page and takes all six.
        const int freeLines
            = room < fixed + 2 * kWriteLine ? 6 : std::clamp(static_cast<int>((room - fixed) / kWriteLine), 2, 12);
        std::vector<Row> rows;
        rows.push_back(headingRow(Tr::tr("This visit")));
        rows.push_back(Row { kWriteLine, [](QPainter& p, double top) {
                                const double baseline = top + kWriteLine - 5;
                                drawWriteIn(p, kContentLeft, 160, baseline, Tr::tr("Date of visit:"));
                                drawWriteIn(
                                    p, kContentLeft + 175, kContentWidth - 175, baseline, Tr::tr("Visited by:"));
                            } });
        rows.push_back(Row { kWriteLine, [](QPainter& p, double top) {
                                const double baseline = top + kWriteLine - 5;
                                drawWriteIn(p, kContentLeft, 160, baseline, Tr::tr("Type of contact:"));
                                drawWriteIn(p, kContentLeft + 175, 160, baseline, Tr::tr("Rating:"));
                                drawWriteIn(
                                    p, kContentLeft + 350, kContentWidth - 350, baseline, Tr::tr("Next contact:"));
                            } });
        rows.push_back(Row { kWriteLine, [](QPainter& p, double top) {
                                drawWriteIn(p, kContentLeft, kContentWidth, top + kWriteLine - 5,
                                    Tr::tr("What happened, prayer needs, questions:"));
                            } });
        for (int i = 0; i < freeLines; ++i)
            rows.push_back(Row { kWriteLine, [](QPainter& p, double top) {
                                    drawWriteIn(p, kContentLeft, kContentWidth, top + kWriteLine - 5, QString());
                                } });
        rows.push_back(Row { kWriteLine, [](QPainter& p, double top) {
                                drawWriteIn(p, kContentLeft, kContentWidth, top + kWriteLine - 5, Tr::tr("Next step:"));
                            } });
        return rows;
    }

    void addRows(Flow& flow, const std::vector<Row>& rows)
    {
        for (const Row& r : rows)
            flow.addRow(r);
    }

    // A section of rows under its heading. A short one stays on one page,
    // so a table never leaves a lone row behind; a long one starts with its
    // heading and two rows together and goes on under `continued` on the
    // pages after.
    void addSection(
        Flow& flow, const std::vector<Row>& head, const std::vector<Row>& rows, const std::vector<Row>& continued)
    {
        constexpr std::size_t kKeptTogether = 8;
        const std::size_t together = rows.size() <= kKeptTogether ? rows.size() : 2;
        std::vector<Row> block = head;
        block.insert(block.end(), rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(together));
        flow.setContinuation(continued);
        flow.addBlock(block);
        for (std::size_t i = together; i < rows.size(); ++i)
            flow.addRow(rows[i]);
        flow.setContinuation({});
    }

    void addFamily(Flow& flow, const QString& familyText)
    {
        addSection(flow, { headingRow(Tr::tr("Family")) }, familyRows(familyText),
            { headingRow(Tr::tr("Family (continued)")), familyCaptionRow() });
    }

} // namespace

Document layoutVisitationSheet(const ReportData& data)
{
    Flow flow;
    const DataTable& t = data.main;
    if (t.rows.empty()) {
        flow.addRow(messageRow(Tr::tr("No prospect was found for this sheet.")));
        return flow.finish();
    }

    const QString id = text(t, "Member.ID");
    flow.addRow(nameRow(fullName(t, 0),
        joinNonEmpty(
            { id.isEmpty() ? QString() : Tr::tr("ID %1").arg(id), text(t, "Status") }, QStringLiteral("  \u00b7  "))));
    flow.setPageHeader({ continuedRow(fullName(t, 0)) });
    flow.addRow(spaceRow(4));

    // Only what is known is listed, so no label stands without its value.
    std::vector<Field> person;
    for (const QString& line : { text(t, "Address_1"), text(t, "Address_2"), cityLine(t, 0) })
        if (!line.isEmpty())
            person.push_back({ person.empty() ? Tr::tr("Address") : QString(), line });
    for (const Field& f : std::vector<Field> {
             { Tr::tr("Home phone"), text(t, "Phone") },
             { Tr::tr("Cell phone"), text(t, "Cell") },
             { Tr::tr("Work phone"), text(t, "Work_Phone") },
             { Tr::tr("E-mail"), text(t, "Email") },
             { Tr::tr("Born"), date(t, "Date_Of_Birth") },
             { Tr::tr("Gender"), text(t, "Gender") },
             { Tr::tr("Marital status"), text(t, "Marital_Status") },
             { Tr::tr("Anniversary"), date(t, "Anniversary_Date") },
             { Tr::tr("Head of house"), yesNoText(t.value(0, QStringLiteral("Head_Of_Household"))) },
             { Tr::tr("Occupation"), text(t, "Occupation") },
             { Tr::tr("Place of work"), text(t, "Place_Of_Work") },
             { Tr::tr("Map section"), text(t, "Map_Section") },
         })
        person.push_back(f);
    std::vector<Field> prospect = {
        { Tr::tr("Source"), text(t, "Prospect_Source") },
        { Tr::tr("Prospect status"), text(t, "Prospect_Active_Status") },
        { Tr::tr("Member status"), text(t, "Member_Active_Status") },
        { Tr::tr("Member of"), text(t, "Prospect_Member_Of") },
        { Tr::tr("Sunday School"), text(t, "Name") },
        { Tr::tr("Care group"), personText(t.value(0, QStringLiteral("CGLeader"))) },
        { Tr::tr("Next contact"), date(t, "Prospect_Next_Contact_Date") },
        { Tr::tr("Next action"), text(t, "Prospect_Next_Contact_Action") },
    };
    const double half = kContentWidth / 2;
    flow.addRow(Row { style(StyleId::Heading).lineHeight + 6, [half](QPainter& p, double top) {
                         const Style& s = style(StyleId::Heading);
                         drawLine(p, s, kContentLeft, top + 2, half - 10, Tr::tr("Person"));
                         drawLine(p, s, kContentLeft + half, top + 2, half, Tr::tr("Prospect"));
                         drawRule(p, kContentLeft, kContentLeft + half - 10, top + 3 + s.lineHeight, 0.6);
                         drawRule(p, kContentLeft + half, kContentLeft + kContentWidth, top + 3 + s.lineHeight, 0.6);
                     } });
    for (std::vector<Field>* column : { &person, &prospect }) {
        bool any = false;
        for (const Field& f : *column)
            any = any || !f.value.trimmed().isEmpty();
        if (!any)
            *column = { { QString(), Tr::tr("Nothing recorded."), true } };
    }
    flow.addRow(fieldColumns({ person, prospect }, { half, half }, { kSheetLabelWidth, kSheetLabelWidth }, true));
    // The long texts across the page, their labels in the same column as the
    // fields above and their text in the same column as the values.
    std::vector<Row> longTexts;
    for (const auto& [label, field] : { std::pair { QT_TRANSLATE_NOOP("LayoutSheets", "Hobbies"), "Hobbies" },
             std::pair { QT_TRANSLATE_NOOP("LayoutSheets", "Organizations"), "Organizations" },
             std::pair { QT_TRANSLATE_NOOP("LayoutSheets", "Notes"), "Member.Notes" },
             std::pair { QT_TRANSLATE_NOOP("LayoutSheets", "Prospect note"), "Prospect_Note" } }) {
        for (Row& row : fieldRows(Tr::tr(label), text(t, field), kSheetLabelWidth))
            longTexts.push_back(std::move(row));
    }
    if (!longTexts.empty()) {
        flow.addRow(spaceRow(4));
        addRows(flow, longTexts);
    }

    flow.addSpace(8);
    addFamily(flow, data.familyText);

    flow.addSpace(8);
    // Wide enough for a whole name and a rating such as "Very Interested" on one line.
    const std::vector<Column> columns = { { Tr::tr("Date"), 54 }, { Tr::tr("Action"), 66 }, { Tr::tr("Type"), 40 },
        { Tr::tr("Visitor 1"), 94 }, { Tr::tr("Visitor 2"), 94 }, { Tr::tr("Rating"), 72 }, { Tr::tr("Notes"), 120 } };
    std::vector<Row> contacts;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        // A prospect without contacts still has one row, whose contact
        // columns are empty (the visitor names hold just their ", ").
        if (t.value(r, QStringLiteral("Prospect_Contact.ID")).toString().isEmpty())
            continue;
        contacts.push_back(tableRow(columns,
            { dateText(t.value(r, QStringLiteral("Contact_Date"))), valueText(t.value(r, QStringLiteral("Action"))),
                valueText(t.value(r, QStringLiteral("Type"))), personText(t.value(r, QStringLiteral("Visitor1Name"))),
                personText(t.value(r, QStringLiteral("Visitor2Name"))), valueText(t.value(r, QStringLiteral("Rating"))),
                valueText(t.value(r, QStringLiteral("Prospect_Contact.Notes"))) },
            kContentLeft, 12));
    }
    if (contacts.empty()) {
        flow.addBlock({ headingRow(Tr::tr("Contact history")), messageRow(Tr::tr("No contacts recorded.")) });
    } else {
        addSection(flow, { headingRow(Tr::tr("Contact history")), tableHeader(columns) }, contacts,
            { headingRow(Tr::tr("Contact history (continued)")), tableHeader(columns) });
    }

    flow.addSpace(12);
    flow.addBlock(visitRecordRows(flow.remaining()));
    return flow.finish();
}

namespace {
    constexpr double kItemWidth = 120;
    constexpr double kValueWidth = 215;
    // Every row of the update form is a whole number of writing lines this
    // far apart, whether the office has a value or not, so the correction
    // lines keep one even pitch down the page.
    constexpr double kWritingLine = 16;

    // How the member gets the newsletter, in one item: "By mail", "By e-mail",
    // both, or "Not sent".
    QString newsletterWays(const DataTable& t)
    {
        QStringList ways;
        if (isYes(t.value(0, QStringLiteral("Receive_Newsletter_Via_Mail"))))
            ways.append(Tr::tr("By mail"));
        if (isYes(t.value(0, QStringLiteral("Receive_Newsletter_Via_EMail"))))
            ways.append(ways.isEmpty() ? Tr::tr("By e-mail") : Tr::tr("by e-mail"));
        return ways.isEmpty() ? Tr::tr("Not sent") : ways.join(Tr::tr(" and "));
    }

    // One line of the update form: the item, what the office has, and a
    // ruled space for the member's correction. Each correction line lies
    // level with the rule under the item, or, for a value of several lines,
    // one writing line apart down to it.
    Row formRow(const QString& item, const QString& value)
    {
        const Style& body = style(StyleId::Body);
        const QStringList lines = wrap(value, body, kValueWidth - 8, 4);
        const int textLines = std::max<int>(1, static_cast<int>(lines.size()));
        const int writingLines
            = std::max(1, static_cast<int>(std::ceil((textLines * body.lineHeight + 6) / kWritingLine - 0.01)));
        const double h = writingLines * kWritingLine;
        return Row { h, [item, lines, h, writingLines](QPainter& p, double top) {
                        const Style& body = style(StyleId::Body);
                        drawLine(p, style(StyleId::BodyBold), kContentLeft + 3, top + 3.5, kItemWidth - 6, item);
                        drawLines(p, body, kContentLeft + kItemWidth, top + 3.5, lines);
                        const double correctionLeft = kContentLeft + kItemWidth + kValueWidth;
                        drawRule(p, kContentLeft, correctionLeft - 6, top + h - 0.5, 0.3, QColor(185, 185, 185));
                        for (int i = 1; i <= writingLines; ++i)
                            drawRule(p, correctionLeft, kContentLeft + kContentWidth, top + i * kWritingLine - 0.5, 0.5,
                                QColor(90, 90, 90));
                    } };
    }
}

Document layoutMemberInfoUpdate(const ReportData& data)
{
    Flow flow;
    const DataTable& t = data.main;
    if (t.rows.empty()) {
        flow.addRow(messageRow(Tr::tr("No member was found for this form.")));
        return flow.finish();
    }
    flow.addRow(nameRow(fullName(t, 0), text(t, "ID").isEmpty() ? QString() : Tr::tr("ID %1").arg(text(t, "ID"))));
    flow.setPageHeader({ continuedRow(fullName(t, 0)) });
    addRows(flow,
        paragraphRows(Tr::tr("Please check the information the church office has for you. Write any "
                             "correction in the space beside the item and return this form to the church "
                             "office. Thank you!"),
            StyleId::Body));
    // What the office files the sheet by, in one small line.
    const QString officeLine = joinNonEmpty(
        { text(t, "Status"), text(t, "Member_Active_Status"),
            Tr::tr("Head of household: %1").arg(yesNoText(t.value(0, QStringLiteral("Head_Of_Household")))),
            text(t, "Map_Section").isEmpty() ? QString() : Tr::tr("Map section %1").arg(text(t, "Map_Section")) },
        QStringLiteral("  \u00b7  "));
    addRows(flow, paragraphRows(Tr::tr("For the church office: %1").arg(officeLine), StyleId::Caption));
    flow.addRow(spaceRow(6));
    const std::vector<Column> header
        = { { Tr::tr("Item"), kItemWidth }, { Tr::tr("What we have on file"), kValueWidth },
              { Tr::tr("Correction"), kContentWidth - kItemWidth - kValueWidth } };
    flow.addRow(tableHeader(header));
    flow.setContinuation({ tableHeader(header) });
    const std::vector<std::pair<QString, QString>> items = {
        { Tr::tr("Name"), fullName(t, 0) },
        // Both lines of the street address in one item, a line each.
        { Tr::tr("Address"), joinNonEmpty({ text(t, "Address_1"), text(t, "Address_2") }, QStringLiteral("\n")) },
        { Tr::tr("City, State Zip"), cityLine(t, 0) },
        { Tr::tr("Home phone"), text(t, "Phone") },
        { Tr::tr("Cell phone"), text(t, "Cell") },
        { Tr::tr("Work phone"), text(t, "Work_Phone") },
        { Tr::tr("E-mail"), text(t, "Email") },
        { Tr::tr("Date of birth"), date(t, "Date_Of_Birth") },
        { Tr::tr("Gender"), text(t, "Gender") },
        { Tr::tr("Marital status"), text(t, "Marital_Status") },
        { Tr::tr("Anniversary"), date(t, "Anniversary_Date") },
        { Tr::tr("Occupation"), text(t, "Occupation") },
        { Tr::tr("Place of work"), text(t, "Place_Of_Work") },
        { Tr::tr("Hobbies"), text(t, "Hobbies") },
        { Tr::tr("Organizations"), text(t, "Organizations") },
        { Tr::tr("Member since"), date(t, "Member_Since") },
        { Tr::tr("Previous church"), text(t, "Previous_Church") },
        { Tr::tr("Came forward"), date(t, "Came_Forward") },
        { Tr::tr("Baptized"), date(t, "Baptized") },
        { Tr::tr("Sunday School class"), text(t, "Sunday_School.Name") },
        { Tr::tr("Discipleship Training"), text(t, "Discipleship_Training.Name") },
        { Tr::tr("Wednesday night class"), text(t, "Wednesday_Night.Name") },
        { Tr::tr("Care group leader"), personText(t.value(0, QStringLiteral("CGLeader"))) },
        { Tr::tr("Deacon"), personText(t.value(0, QStringLiteral("Deacon"))) },
        { Tr::tr("Newsletter"), newsletterWays(t) },
    };
    for (const auto& [item, value] : items)
        flow.addRow(formRow(item, value));
    flow.setContinuation({});

    flow.addSpace(8);
    addFamily(flow, data.familyText);

    flow.addSpace(8);
    const std::vector<Column> columns
        = { { Tr::tr("Responsibility"), 300 }, { Tr::tr("Start"), 120 }, { Tr::tr("End"), 120 } };
    std::vector<Row> held;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        if (allEmpty(t, r, { QStringLiteral("Responsibility"), QStringLiteral("Start"), QStringLiteral("End") }))
            continue; // the one row of a member without responsibilities
        held.push_back(tableRow(columns,
            { valueText(t.value(r, QStringLiteral("Responsibility"))), dateText(t.value(r, QStringLiteral("Start"))),
                dateText(t.value(r, QStringLiteral("End"))) }));
    }
    if (held.empty()) {
        flow.addBlock({ headingRow(Tr::tr("Responsibilities")), messageRow(Tr::tr("None")) });
    } else {
        addSection(flow, { headingRow(Tr::tr("Responsibilities")), tableHeader(columns) }, held,
            { headingRow(Tr::tr("Responsibilities (continued)")), tableHeader(columns) });
    }

    // The office's own notes close the sheet when there are any, their text
    // in the column of what the office has on file.
    std::vector<Row> notes
        = fieldRows(Tr::tr("Notes"), text(t, "Notes"), kItemWidth - 3, kContentLeft + 3, kContentWidth - 3);
    if (!notes.empty()) {
        flow.addSpace(8);
        addSection(flow, {}, notes, {});
    }
    return flow.finish();
}

} // namespace pw::reports::detail
