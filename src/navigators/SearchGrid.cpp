#include "navigators/SearchGrid.h"

#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Sql.h"
#include "widgets/Context.h"
#include "widgets/Formats.h"
#include "widgets/Phone.h"
#include "widgets/ResultGrid.h"

#include <QCoreApplication>
#include <QLocale>

namespace pw::navigators {

namespace {

    class DateCells {
    public:
        DateCells()
            : m_locale(formats::dateLocale())
            , m_dateFormat(formats::dateFormat())
            , m_timeFormat(m_locale.timeFormat(QLocale::ShortFormat))
        {
            m_fast = m_locale.zeroDigit() == QLatin1String("0") && parseFormat();
        }

        QString cell(const QString& stored) const
        {
            if (stored.isEmpty())
                return {};
            const QDateTime when = sql::toDateTime(stored);
            if (!when.isValid())
                return {};
            QString text = m_locale.toString(when.date(), m_dateFormat);
            if (when.time() != QTime(0, 0))
                text += QLatin1Char(' ') + m_locale.toString(when.time(), m_timeFormat);
            return text;
        }

        // Adds the cell of a stored value to the rows. A plain stored day is
        // written straight from the parsed format, as 100,000 rows must not
        // pay the general formatting for every cell.
        void add(ResultRows& rows, QByteArrayView stored)
        {
            int year = 0, month = 0, day = 0;
            if (!m_fast || !plainDay(stored, year, month, day) || !QDate::isValid(year, month, day)) {
                rows.addCell(cell(QString::fromUtf8(stored)));
                return;
            }
            m_text.clear();
            for (const Part& part : m_parts) {
                switch (part.kind) {
                case Part::Literal:
                    m_text.append(part.literal);
                    break;
                case Part::Day:
                    appendNumber(day, part.width);
                    break;
                case Part::Month:
                    appendNumber(month, part.width);
                    break;
                case Part::MonthName:
                    m_text.append(m_monthNames[part.width == 3 ? 0 : 1][month - 1]);
                    break;
                case Part::Year:
                    appendNumber(year, 4);
                    break;
                }
            }
            rows.addCell(m_text);
        }

    private:
        struct Part {
            enum Kind { Literal, Day, Month, MonthName, Year } kind;
            int width = 0; // digits, or 3 and 4 for short and long month names
            QChar literal;
        };

        // Day and month numbers, month names and four-digit years between
        // separators. False for anything else (weekday names, quoted text),
        // which is left to QLocale.
        bool parseFormat()
        {
            const QString& format = m_dateFormat;
            for (qsizetype i = 0; i < format.size();) {
                const QChar c = format.at(i);
                qsizetype run = 1;
                while (i + run < format.size() && format.at(i + run) == c)
                    ++run;
                if (c == QLatin1Char('d') && run <= 2)
                    m_parts.push_back({ Part::Day, int(run), {} });
                else if (c == QLatin1Char('M') && run <= 2)
                    m_parts.push_back({ Part::Month, int(run), {} });
                else if (c == QLatin1Char('M') && run <= 4)
                    m_parts.push_back({ Part::MonthName, int(run), {} });
                else if (c == QLatin1Char('y') && run == 4)
                    m_parts.push_back({ Part::Year, 4, {} });
                else if (!c.isLetter() && c != QLatin1Char('\''))
                    for (qsizetype k = 0; k < run; ++k)
                        m_parts.push_back({ Part::Literal, 0, c });
                else
                    return false;
                i += run;
            }
            for (int m = 1; m <= 12; ++m) {
                m_monthNames[0][m - 1] = m_locale.toString(QDate(2000, m, 1), QStringLiteral("MMM"));
                m_monthNames[1][m - 1] = m_locale.toString(QDate(2000, m, 1), QStringLiteral("MMMM"));
            }
            return true;
        }

        static bool plainDay(QByteArrayView s, int& year, int& month, int& day)
        {
            if (s.size() != 10 || s[4] != '-' || s[7] != '-')
                return false;
            const auto number = [&](int from, int count, int& out) {
                out = 0;
                for (int i = from; i < from + count; ++i) {
                    if (s[i] < '0' || s[i] > '9')
                        return false;
                    out = out * 10 + (s[i] - '0');
                }
                return true;
            };
            return number(0, 4, year) && number(5, 2, month) && number(8, 2, day);
        }

        void appendNumber(int value, int width)
        {
            char digits[8];
            int n = 0;
            do {
                digits[n++] = char('0' + value % 10);
                value /= 10;
            } while (value > 0 && n < 8);
            while (n < width)
                digits[n++] = '0';
            while (n > 0)
                m_text.append(QLatin1Char(digits[--n]));
        }

        QLocale m_locale;
        QString m_dateFormat;
        QString m_timeFormat;
        std::vector<Part> m_parts;
        QString m_monthNames[2][12];
        QString m_text; // the cell being written
        bool m_fast = false;
    };

} // namespace

QStringList captions(const std::vector<GridColumn>& columns)
{
    QStringList out;
    // Captions are kept in English and shown in the user's language.
    for (const GridColumn& column : columns)
        out.append(QCoreApplication::translate("SearchGrid", column.caption.toUtf8().constData()));
    return out;
}

QString selectList(const std::vector<GridColumn>& columns)
{
    QStringList terms;
    for (const GridColumn& column : columns)
        terms.append(column.term);
    return terms.join(QStringLiteral(", "));
}

QString joinedTerm(const QStringList& pieces)
{
    // Pieces alternate between columns and separators; separators are
    // literals, columns may be Null.
    QStringList parts;
    for (int i = 0; i < pieces.size(); ++i)
        parts.append(i % 2 == 0 ? QStringLiteral("COALESCE(%1, '')").arg(pieces.at(i))
                                : QLatin1Char('\'') + pieces.at(i) + QLatin1Char('\''));
    return parts.join(QStringLiteral(" || "));
}

QString addressTerm(const QString& table)
{
    const auto column = [&](const char* name) { return table + QLatin1Char('.') + QLatin1String(name); };
    // Each non-empty part is written after its own ", "; the first two
    // characters of the whole are then dropped. SUBSTR and TRIM read the
    // same on both engines.
    const auto part = [](const QString& value) {
        return QStringLiteral("CASE WHEN TRIM(%1) <> '' THEN ', ' || TRIM(%1) ELSE '' END").arg(value);
    };
    const QString stateZip
        = QStringLiteral("COALESCE(%1, '') || ' ' || COALESCE(%2, '')").arg(column("State"), column("Zip"));
    return QStringLiteral("SUBSTR(%1 || %2 || %3 || %4, 3)")
        .arg(part(QStringLiteral("COALESCE(%1, '')").arg(column("Address_1"))),
            part(QStringLiteral("COALESCE(%1, '')").arg(column("Address_2"))),
            part(QStringLiteral("COALESCE(%1, '')").arg(column("City"))), part(stateZip));
}

QString phoneCell(const QString& stored) { return phoneText(stored); }

QString dateCell(const QString& stored) { return DateCells().cell(stored); }

void runSearch(ResultModel& model, const std::vector<GridColumn>& columns, const SearchStatement& statement)
{
    const int shown = static_cast<int>(columns.size());
    // Emptied first, so that a failed search leaves an empty grid rather
    // than a stale one; the old rows' room is filled again.
    ResultRows rows = model.takeRows();
    model.setColumns(captions(columns));
    // Each date column keeps its stored value after the shown cells, as the
    // key it sorts by.
    QVector<int> dateColumns;
    for (int c = 0; c < shown; ++c) {
        if (columns[c].cell == Cell::Date) {
            model.setSortKey(c, shown + static_cast<int>(dateColumns.size()));
            dateColumns.append(c);
        }
    }

    DateCells dates;
    PhoneBuffer phone;
    db().scan(statement.sql, statement.values, [&](const RowView& row) {
        for (int c = 0; c < shown; ++c) {
            switch (columns[c].cell) {
            case Cell::Text:
                rows.addUtf8Cell(row.utf8(c));
                break;
            case Cell::Phone:
                writePhoneText(row.utf8(c), phone);
                rows.addLatin1Cell(QLatin1StringView(phone.constData(), phone.size()));
                break;
            case Cell::Date:
                dates.add(rows, row.utf8(c));
                break;
            }
        }
        for (int c : dateColumns)
            rows.addUtf8Cell(row.utf8(c));
        rows.endRow();
    });
    model.setRows(std::move(rows));
}

void Conditions::add(const QString& condition, const QVariantList& values)
{
    m_parts.append(condition);
    m_values.append(values);
}

void Conditions::addDateRange(const QString& column, const QDate& first, const QDate& last)
{
    add(dateRange(column), dateRangeValues(first, last));
}

QString Conditions::sql() const
{
    return m_parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_parts.join(QStringLiteral(" AND "));
}

QString Conditions::dateRange(const QString& column) { return QStringLiteral("%1 >= ? AND %1 < ?").arg(column); }

QVariantList Conditions::dateRangeValues(const QDate& first, const QDate& last)
{
    return { sql::date(first), sql::date(last.addDays(1)) };
}

std::vector<GridColumn> personGridColumns(const std::vector<GridColumn>& own)
{
    std::vector<GridColumn> columns = {
        { QT_TRANSLATE_NOOP("SearchGrid", "ID"), QStringLiteral("Member.ID") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Name"), sql::nameTerm(QStringLiteral("Member"), sql::NameParts::WithTitle) },
        { QT_TRANSLATE_NOOP("SearchGrid", "Status"), QStringLiteral("Member.Status") },
    };
    columns.insert(columns.end(), own.begin(), own.end());
    const std::vector<GridColumn> contact = {
        { QT_TRANSLATE_NOOP("SearchGrid", "Phone"), QStringLiteral("Member.Phone"), Cell::Phone },
        { QT_TRANSLATE_NOOP("SearchGrid", "Cell"), QStringLiteral("Member.Cell"), Cell::Phone },
        { QT_TRANSLATE_NOOP("SearchGrid", "Work"), QStringLiteral("Member.Work_Phone"), Cell::Phone },
        { QT_TRANSLATE_NOOP("SearchGrid", "Email"), QStringLiteral("Member.Email") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Address"), addressTerm(QStringLiteral("Member")) },
        { QT_TRANSLATE_NOOP("SearchGrid", "DOB"), QStringLiteral("Member.Date_Of_Birth"), Cell::Date },
        { QT_TRANSLATE_NOOP("SearchGrid", "Anniv"), QStringLiteral("Member.Anniversary_Date"), Cell::Date },
        { QT_TRANSLATE_NOOP("SearchGrid", "Member Status"), QStringLiteral("Member.Member_Active_Status") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Prospect Status"), QStringLiteral("Member.Prospect_Active_Status") },
    };
    columns.insert(columns.end(), contact.begin(), contact.end());
    return columns;
}

namespace {

    void addAnyOf(Conditions& where, const QStringList& columns, const QVariant& value)
    {
        QStringList tests;
        QVariantList values;
        for (const QString& column : columns) {
            tests.append(sql::textMatches(column));
            values.append(value);
        }
        where.add(QLatin1Char('(') + tests.join(QStringLiteral(" OR ")) + QLatin1Char(')'), values);
    }

} // namespace

void addNameCondition(Conditions& where, const QString& typed)
{
    addAnyOf(where,
        { QStringLiteral("Member.First_Name"), QStringLiteral("Member.Last_Name"),
            QStringLiteral("Member.Middle_Name") },
        sql::containsPattern(typed));
}

void addTextSearchCondition(Conditions& where, const QString& typed)
{
    addAnyOf(where,
        { QStringLiteral("Member.Hobbies"), QStringLiteral("Member.Organizations"),
            QStringLiteral("Member.Place_Of_Work"), QStringLiteral("Member.Notes"),
            QStringLiteral("Member.Prospect_Note") },
        sql::containsPattern(typed));
}

void addPlaceConditions(Conditions& where, const QString& city, const QString& state, const QString& zip)
{
    if (!city.isEmpty())
        where.add(sql::textMatches(QStringLiteral("Member.City")), { sql::wildcardPattern(city) });
    if (!state.isEmpty())
        where.add(sql::textMatches(QStringLiteral("Member.State")), { sql::wildcardPattern(state) });
    if (!zip.isEmpty())
        where.add(sql::textMatches(QStringLiteral("Member.Zip")), { sql::wildcardPattern(zip + QLatin1Char('*')) });
}

void addMonthCondition(Conditions& where, int month)
{
    where.add(QStringLiteral("(%1 = ? OR %2 = ?)")
                  .arg(sql::monthOf(QStringLiteral("Member.Date_Of_Birth")),
                      sql::monthOf(QStringLiteral("Member.Anniversary_Date"))),
        { month, month });
}

void addStatusConditions(
    Conditions& where, const QString& status, const QString& churchStatus, const QString& prospectStatus)
{
    if (!status.isEmpty())
        where.add(sql::textEquals(QStringLiteral("Member.Status")), { status });
    if (!churchStatus.isEmpty())
        where.add(sql::textEquals(QStringLiteral("Member.Member_Active_Status")), { churchStatus });
    if (!prospectStatus.isEmpty())
        where.add(sql::textEquals(QStringLiteral("Member.Prospect_Active_Status")), { prospectStatus });
}

SearchStatement searchStatement(const std::vector<GridColumn>& columns, const Conditions& where)
{
    return { QStringLiteral("SELECT ") + selectList(columns) + QStringLiteral(" FROM Member") + where.sql()
            + QStringLiteral(" ORDER BY ") + sql::orderByName(QStringLiteral("Member")) + QStringLiteral(", Member.ID"),
        where.values() };
}

} // namespace pw::navigators
