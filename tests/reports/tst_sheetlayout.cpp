// The two one-person sheets, checked by where their pieces are painted:
// labels and values in columns, no label without a value, the correction
// lines of the update form level with their rows, the family captions over
// their columns, and later pages naming their person.

#include "PaintRecorder.h"
#include "ReportFields.h"
#include "widgets/FormHelpers.h"
#include "reports/Layouts.h"

#include <QFontMetricsF>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace pw;
using namespace pw::reports;
using namespace pw::test;

namespace {

using Values = QHash<QString, QVariant>;

constexpr double kEps = 0.01;
constexpr int kCaptionSize = 7; // labels and family captions
constexpr int kBodySize = 8; // values

QVariantList row(const QStringList& fields, const Values& values)
{
    QVariantList r;
    for (const QString& f : fields)
        r.append(values.value(f));
    return r;
}

QString familyLine(const QString& name, const QString& relationship, const QString& gender, const QString& born)
{
    return FixedWidth(name, 25) + " " + FixedWidth(relationship, 20) + " " + FixedWidth(gender, 10) + " "
        + FixedWidth(born, 12) + "\r\n";
}

const QString kFamily = familyLine("Ruth Ellington", "Wife", "Female", "04/09/1971")
    + familyLine("Sam Ellington", "Son", "Male", "02/11/2012");

Values namesOnly()
{
    return { { "Member.ID", 1042 }, { "ID", 1042 }, { "Status", "Prospect" }, { "First_Name", "Grady" },
        { "Last_Name", "Ellington" } };
}

Values everything()
{
    Values v = namesOnly();
    v.insert({ { "Middle_Name", "Lee" }, { "Title", "Mr." }, { "Address_1", "412 Magnolia Springs Road" },
        { "Address_2", "Apartment 4B" }, { "City", "Fayetteville" }, { "State", "AR" }, { "Zip", "72701" },
        { "Phone", "(479)555-0142" }, { "Cell", "(479)555-0199" }, { "Work_Phone", "(479)555-0100" },
        { "Email", "grady.ellington@example.org" }, { "Place_Of_Work", "Washington Regional" },
        { "Occupation", "Nurse" }, { "Date_Of_Birth", "1971-04-09" }, { "Head_Of_Household", 1 }, { "Gender", "Male" },
        { "Marital_Status", "Married" }, { "Anniversary_Date", "1995-06-17" }, { "Hobbies", "Quilting" },
        { "Organizations", "Rotary" }, { "Map_Section", "NW-4" }, { "Notes", "Sings bass." },
        { "Member.Notes", "Sings bass." }, { "Member_Active_Status", "Active" },
        { "Prospect_Source", "Vacation Bible School" }, { "Prospect_Active_Status", "Active" },
        { "Prospect_Note", "Two children in VBS." }, { "Name", "Young Married Adults" }, { "CGLeader", "Brooks, Hal" },
        { "Prospect_Member_Of", "None" }, { "Prospect_Next_Contact_Date", "2026-03-22" },
        { "Prospect_Next_Contact_Action", "Home visit" }, { "Member_Since", "2003-09-14" },
        { "Previous_Church", "First Baptist" }, { "Came_Forward", "2003-08-31" }, { "Baptized", "2003-09-07" },
        { "Sunday_School.Name", "Young Married Adults" }, { "Discipleship_Training.Name", "Foundations" },
        { "Wednesday_Night.Name", "Prayer Meeting" }, { "Deacon", "Dunn, Walter" },
        { "Receive_Newsletter_Via_Mail", 1 }, { "Receive_Newsletter_Via_EMail", 0 } });
    return v;
}

QString words(int count)
{
    QStringList w;
    for (int i = 1; i <= count; ++i)
        w << QStringLiteral("word%1").arg(i);
    return w.join(' ');
}

ReportData visitationSheet(const Values& v, int contacts = 1, const QString& family = kFamily)
{
    ReportData d;
    d.design = Design::VisitationSheet;
    d.main.fields = kSheetFields;
    if (contacts == 0)
        d.main.rows.push_back(row(kSheetFields, v));
    for (int c = 0; c < contacts; ++c) {
        Values withContact = v;
        withContact.insert({ { "Prospect_Contact.ID", 500 + c }, { "Contact_Date", "2025-01-05" },
            { "Action", "Phone call" }, { "Type", "Phone" }, { "Visitor1Name", "Brooks, Hal" }, { "Rating", "Warm" },
            { "Prospect_Contact.Notes", QStringLiteral("contact %1").arg(c + 1) } });
        d.main.rows.push_back(row(kSheetFields, withContact));
    }
    d.familyText = family;
    return d;
}

ReportData updateForm(const Values& v, int responsibilities = 1, const QString& family = kFamily)
{
    ReportData d;
    d.design = Design::MemberInfoUpdate;
    d.main.fields = kMemberFields + QStringList { "Responsibility", "Start", "End" };
    for (int r = 0; r < std::max(1, responsibilities); ++r) {
        Values held = v;
        if (responsibilities > 0)
            held.insert({ { "Responsibility", QStringLiteral("Duty %1").arg(r + 1) }, { "Start", "2020-01-05" } });
        d.main.rows.push_back(row(d.main.fields, held));
    }
    d.familyText = family;
    return d;
}

detail::Document layout(const ReportData& data)
{
    return data.design == Design::VisitationSheet ? detail::layoutVisitationSheet(data)
                                                  : detail::layoutMemberInfoUpdate(data);
}

// The lefts of the texts, each x once (within kEps), in ascending order.
std::vector<double> columnsOf(const std::vector<PaintedText>& texts)
{
    std::vector<double> xs;
    for (const PaintedText& t : texts)
        if (std::none_of(xs.begin(), xs.end(), [&](double x) { return std::abs(x - t.left()) < kEps; }))
            xs.push_back(t.left());
    std::sort(xs.begin(), xs.end());
    return xs;
}

QString where(const PaintedText& t)
{
    return QStringLiteral("\"%1\" at (%2, %3)").arg(t.text).arg(t.left()).arg(t.y());
}

bool horizontal(const QLineF& l) { return std::abs(l.y1() - l.y2()) < kEps && std::abs(l.dx()) > 1; }

} // namespace

Q_DECLARE_METATYPE(pw::reports::ReportData)

class TestSheetLayout : public QObject {
    Q_OBJECT

private slots:
    void visitationFieldsLineUp_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::newRow("everything known") << visitationSheet(everything());
        Values sparse = namesOnly();
        sparse.insert({ { "Phone", "(479)555-0142" }, { "Prospect_Source", "Fall festival" } });
        QTest::newRow("no address, few prospect fields") << visitationSheet(sparse);
        Values longTexts = everything();
        longTexts.insert({ { "Hobbies", words(60) }, { "Prospect_Note", words(40) }, { "Organizations", QVariant() },
            { "Email", "a.very.long.address.for.the.household.of.grady.ellington@example.org" } });
        QTest::newRow("long texts wrap in their column") << visitationSheet(longTexts);
        QTest::newRow("nothing but a name") << visitationSheet(namesOnly(), 0, QString());
    }
    void visitationFieldsLineUp()
    {
        QFETCH(ReportData, data);
        const PaintedPage page = paintedPage(layout(data), 0);
        const auto person = page.find("Person"), family = page.find("Family");
        QCOMPARE(int(person.size()), 1);
        QCOMPARE(int(family.size()), 1);
        // The fields and long texts lie between the two headings.
        std::vector<PaintedText> labels, values;
        for (const PaintedText& t : page.texts) {
            if (t.y() <= person[0].y() || t.y() >= family[0].y())
                continue;
            if (t.size() == kCaptionSize)
                labels.push_back(t);
            else if (t.size() == kBodySize && !t.bold())
                values.push_back(t);
        }
        QVERIFY(!values.empty());

        // One column of labels and one of values on each half of the page,
        // the values the same distance from their labels on both.
        const std::vector<double> labelColumns = columnsOf(labels), valueColumns = columnsOf(values);
        QVERIFY2(labelColumns.size() <= 2, qPrintable(QString::number(labelColumns.size())));
        QVERIFY2(valueColumns.size() <= 2, qPrintable(QString::number(valueColumns.size())));
        std::vector<double> offsets;
        for (const PaintedText& label : labels) {
            // Every label has its value on its own baseline, to its right.
            const auto value = std::find_if(values.begin(), values.end(),
                [&](const PaintedText& v) { return std::abs(v.y() - label.y()) < kEps && v.left() > label.left(); });
            QVERIFY2(value != values.end(), qPrintable("label without a value: " + where(label)));
            offsets.push_back(value->left() - label.left());
        }
        for (const double offset : offsets)
            QVERIFY2(std::abs(offset - offsets.front()) < kEps, qPrintable(QString::number(offset)));

        // Within a column nothing is painted over anything else.
        for (const std::vector<PaintedText>* texts : { &labels, &values }) {
            for (const double x : columnsOf(*texts)) {
                std::vector<double> ys;
                for (const PaintedText& t : *texts)
                    if (std::abs(t.left() - x) < kEps)
                        ys.push_back(t.y());
                std::sort(ys.begin(), ys.end());
                for (std::size_t i = 1; i < ys.size(); ++i)
                    QVERIFY2(ys[i] - ys[i - 1] >= 9.99,
                        qPrintable(QStringLiteral("x %1: %2 then %3").arg(x).arg(ys[i - 1]).arg(ys[i])));
            }
        }
    }

    void updateFormRowsKeepTheirPitch_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::addColumn<QStringList>("multiLine"); // items whose value takes more than one line
        QTest::newRow("values everywhere") << updateForm(everything()) << QStringList { "Address" };
        QTest::newRow("nothing on file") << updateForm(namesOnly()) << QStringList();
        Values wrapped = everything();
        wrapped.insert({ { "Hobbies", words(30) }, { "Organizations", words(12) }, { "Address_2", QVariant() } });
        QTest::newRow("long values") << updateForm(wrapped) << QStringList { "Hobbies", "Organizations" };
    }
    void updateFormRowsKeepTheirPitch()
    {
        QFETCH(ReportData, data);
        QFETCH(QStringList, multiLine);
        const PaintedPage page = paintedPage(layout(data), 0);
        const auto onFile = page.find("What we have on file"), correction = page.find("Correction");
        QCOMPARE(int(onFile.size()), 1);
        QCOMPARE(int(correction.size()), 1);
        const double headerY = correction[0].y();
        const double familyY = page.find("Family").at(0).y();

        // Correction lines start under the "Correction" caption; the rows'
        // own rules end before it.
        std::vector<double> correctionLines, rowRules;
        for (const QLineF& l : page.lines) {
            if (!horizontal(l) || l.y1() <= headerY || l.y1() >= familyY)
                continue;
            if (std::min(l.x1(), l.x2()) >= correction[0].left() - 4)
                correctionLines.push_back(l.y1());
            else if (std::max(l.x1(), l.x2()) < correction[0].left())
                rowRules.push_back(l.y1());
        }
        std::sort(correctionLines.begin(), correctionLines.end());
        std::sort(rowRules.begin(), rowRules.end());
        QVERIFY(correctionLines.size() >= 25);

        // One even pitch down the page.
        const double pitch = correctionLines[1] - correctionLines[0];
        QVERIFY2(pitch >= 15, qPrintable(QString::number(pitch)));
        for (std::size_t i = 1; i < correctionLines.size(); ++i)
            QVERIFY2(std::abs(correctionLines[i] - correctionLines[i - 1] - pitch) < kEps,
                qPrintable(QStringLiteral("line %1 at %2").arg(i).arg(correctionLines[i])));

        std::vector<PaintedText> items;
        for (const PaintedText& t : page.texts)
            if (t.bold() && t.size() == kBodySize && t.y() > headerY && t.y() < familyY && t.left() < onFile[0].left())
                items.push_back(t);
        std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.y() < b.y(); });
        QCOMPARE(int(items.size()), 25);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const PaintedText& item = items[i];
            // The rule under the item has a correction line level with it.
            const auto rule = std::find_if(rowRules.begin(), rowRules.end(), [&](double y) { return y > item.y(); });
            QVERIFY2(rule != rowRules.end(), qPrintable(where(item)));
            QVERIFY2(std::any_of(correctionLines.begin(), correctionLines.end(),
                         [&](double y) { return std::abs(y - *rule) < kEps; }),
                qPrintable("no correction line level with the rule under " + where(item)));
            // A value starts on its item's baseline.
            for (const PaintedText& t : page.texts)
                if (!t.bold() && t.size() == kBodySize && t.left() >= onFile[0].left() - 4
                    && t.left() < correction[0].left() && t.y() > item.y() - 5 && t.y() < *rule)
                    QVERIFY2(t.y() >= item.y() - kEps, qPrintable(where(t) + " above " + where(item)));
            // A row of one line or none is one writing line high.
            const double next = i + 1 < items.size() ? items[i + 1].y() : familyY;
            const auto lines = std::count_if(
                correctionLines.begin(), correctionLines.end(), [&](double y) { return y > item.y() && y < next; });
            if (multiLine.contains(item.text))
                QVERIFY2(lines >= 2, qPrintable(where(item)));
            else
                QVERIFY2(lines == 1, qPrintable(where(item) + QStringLiteral(": %1 lines").arg(lines)));
        }
    }

    void familyCaptionsStandOverTheirColumns_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::newRow("visitation sheet") << visitationSheet(everything());
        QTest::newRow("update form") << updateForm(everything());
        // Long enough to fill every column to its width.
        QTest::newRow("full columns") << updateForm(everything(), 1,
            familyLine("Bartholomew Featherstonehaugh", "Step-granddaughter-in-law", "Undisclosed", "12/31/1999"));
    }
    void familyCaptionsStandOverTheirColumns()
    {
        QFETCH(ReportData, data);
        const PaintedPage page = paintedPage(layout(data), 0);
        std::vector<PaintedText> lines;
        for (const PaintedText& t : page.texts)
            if (t.font.family().contains("Mono"))
                lines.push_back(t);
        QVERIFY(!lines.empty());
        const PaintedText& first = lines.front();
        const QFontMetricsF metrics(first.font);
        const QList<QPair<QString, int>> captions
            = { { "Name", 0 }, { "Relationship", 26 }, { "Gender", 47 }, { "Born", 58 } };
        for (const auto& [caption, column] : captions) {
            const auto found = page.find(caption);
            QVERIFY2(!found.empty(), qPrintable(caption));
            const PaintedText& c = found.back();
            QCOMPARE(c.size(), kCaptionSize);
            QVERIFY2(c.y() < first.y(), qPrintable(where(c)));
            const double columnX = first.left() + metrics.horizontalAdvance(QString(column, 'M'));
            QVERIFY2(std::abs(c.left() - columnX) < 0.05,
                qPrintable(QStringLiteral("%1 at %2, its column at %3").arg(caption).arg(c.left()).arg(columnX)));
        }
        for (const PaintedText& line : lines)
            QVERIFY2(std::abs(line.left() - first.left()) < kEps, qPrintable(where(line)));
    }

    void shortSectionsStayTogether_data()
    {
        QTest::addColumn<int>("design"); // a Design
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("contact history") << int(Design::VisitationSheet) << "Contact history"
                                         << QStringList { "contact 1", "contact 2", "contact 3" };
        QTest::newRow("responsibilities")
            << int(Design::MemberInfoUpdate) << "Responsibilities" << QStringList { "Duty 1", "Duty 2" };
    }
    void shortSectionsStayTogether()
    {
        // Households of every size move the sections down the page, so that
        // each of them meets the page's end somewhere.
        QFETCH(int, design);
        QFETCH(QString, heading);
        QFETCH(QStringList, rows);
        for (int people = 0; people <= 30; ++people) {
            QString family;
            QStringList names;
            for (int i = 0; i < people; ++i) {
                names << QStringLiteral("Child%1").arg(i);
                family += familyLine(names.last() + " Ellington", "Son", "Male", "02/11/2012");
            }
            const ReportData data = design == int(Design::VisitationSheet)
                ? visitationSheet(everything(), int(rows.size()), family)
                : updateForm(everything(), int(rows.size()), family);
            const detail::Document doc = layout(data);
            std::vector<PaintedPage> pages;
            for (std::size_t p = 0; p < doc.pages.size(); ++p)
                pages.push_back(paintedPage(doc, p));
            auto pageOf = [&](const QString& text) {
                for (std::size_t p = 0; p < pages.size(); ++p)
                    for (const PaintedText& t : pages[p].texts)
                        if (t.text == text || t.text.startsWith(text + ' '))
                            return int(p);
                return -1;
            };
            const QString context = QStringLiteral("%1 in the household").arg(people);
            const int headingPage = pageOf(heading);
            QVERIFY2(headingPage >= 0, qPrintable(context));
            for (const QString& r : rows)
                QVERIFY2(pageOf(r) == headingPage, qPrintable(r + ", " + context));
            if (people <= 7) {
                const int familyPage = pageOf("Family");
                for (const QString& name : names)
                    QVERIFY2(pageOf(name) == familyPage, qPrintable(name + ", " + context));
            }
        }
    }

    void laterPagesNameTheirPerson_data()
    {
        QTest::addColumn<ReportData>("data");
        QTest::newRow("visitation sheet with a long history") << visitationSheet(everything(), 40);
        QTest::newRow("update form with many responsibilities") << updateForm(everything(), 45);
    }
    void laterPagesNameTheirPerson()
    {
        QFETCH(ReportData, data);
        const detail::Document doc = layout(data);
        QVERIFY(doc.pages.size() >= 2);
        const QString name = QStringLiteral("Mr. Grady Lee Ellington");
        QVERIFY(!paintedPage(doc, 0).find(name).empty());
        for (std::size_t p = 1; p < doc.pages.size(); ++p) {
            const PaintedPage page = paintedPage(doc, p);
            const auto top = std::min_element(
                page.texts.begin(), page.texts.end(), [](const auto& a, const auto& b) { return a.y() < b.y(); });
            QVERIFY(top != page.texts.end());
            QCOMPARE(top->text, name + " (continued)");
        }
    }
};

QTEST_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
