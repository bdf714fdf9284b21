#include "people/ImportValues.h"

#include <QRegularExpression>
#include <QStringList>

namespace pw::people {

namespace {

    int monthNumber(const QString& word)
    {
        static const QStringList names = { "january", "february", "march", "april", "may", "june", "july", "august",
            "september", "october", "november", "december" };
        const QString w = word.toLower().remove(QLatin1Char('.'));
        if (w.size() < 3)
            return 0;
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).startsWith(w) || (w == QLatin1String("sept") && i == 8))
                return i + 1;
        }
        return 0;
    }

    // A year as written; two digits are first taken in today's century.
    int fullYear(const QString& digits, const QDate& today)
    {
        const int year = digits.toInt();
        return digits.size() == 2 ? today.year() / 100 * 100 + year : year;
    }

    // A date of a two-digit year that lies after today is of the century before.
    QDate notAfter(const QDate& date, const QString& yearDigits, const QDate& today)
    {
        return yearDigits.size() == 2 && date.isValid() && date > today ? date.addYears(-100) : date;
    }

    QString folded(const QString& text) { return text.trimmed().toCaseFolded(); }

} // namespace

QDate readDate(const QString& text, const QDate& today)
{
    QString t = text.trimmed();
    // A time after the date ("1950-03-05 00:00:00", "3/5/1950 12:00 AM").
    static const QRegularExpression time(QStringLiteral("[ T]\\d{1,2}:\\d{2}(:\\d{2}(\\.\\d+)?)?( ?[AaPp][Mm])?Z?$"));
    t.remove(time);
    t = t.trimmed();
    if (t.isEmpty())
        return {};

    static const QRegularExpression numeric(QStringLiteral("^(\\d{1,4})([-/.])(\\d{1,2})\\2(\\d{1,4})$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    static const QRegularExpression monthFirst(
        QStringLiteral("^([A-Za-z]{3,}\\.?) (\\d{1,2})(?:st|nd|rd|th)?,? (\\d{2}|\\d{4})$"));
    static const QRegularExpression dayFirst(
        QStringLiteral("^(\\d{1,2})(?:st|nd|rd|th)?[ -]([A-Za-z]{3,}\\.?),?[ -](\\d{2}|\\d{4})$"));

    QRegularExpressionMatch m = numeric.match(t);
    if (m.hasMatch()) {
        const QString a = m.captured(1);
        const QString separator = m.captured(2);
        const int b = m.captured(3).toInt();
        if (a.size() == 4) // 1950-03-05, 1950/3/5
            return m.captured(4).size() <= 2 ? QDate(a.toInt(), b, m.captured(4).toInt()) : QDate();
        if (a.size() > 2 || (m.captured(4).size() != 2 && m.captured(4).size() != 4))
            return {};
        const int year = fullYear(m.captured(4), today);
        if (separator == QLatin1String(".") || a.toInt() > 12) // 05.03.1950, 25/12/1950
            return notAfter(QDate(year, b, a.toInt()), m.captured(4), today);
        return notAfter(QDate(year, a.toInt(), b), m.captured(4), today);
    }
    m = compact.match(t);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    m = monthFirst.match(t);
    if (m.hasMatch() && monthNumber(m.captured(1)))
        return notAfter(QDate(fullYear(m.captured(3), today), monthNumber(m.captured(1)), m.captured(2).toInt()),
            m.captured(3), today);
    m = dayFirst.match(t);
    if (m.hasMatch() && monthNumber(m.captured(2)))
        return notAfter(QDate(fullYear(m.captured(3), today), monthNumber(m.captured(2)), m.captured(1).toInt()),
            m.captured(3), today);
    return {};
}

bool readYesNo(const QString& text, bool* ok)
{
    static const QStringList yes = { "yes", "y", "true", "t", "x", "1", "on", "ja", "oui", "si", "sí", "✓", "✔" };
    static const QStringList no = { "", "no", "n", "false", "f", "0", "off", "-", "nein", "non" };
    const QString t = folded(text);
    *ok = true;
    if (yes.contains(t))
        return true;
    *ok = no.contains(t);
    return false;
}

QString readGender(const QString& text)
{
    const QString t = folded(text);
    if (QStringList { "m", "male", "man", "boy", "masculine" }.contains(t))
        return QStringLiteral("Male");
    if (QStringList { "f", "female", "woman", "girl", "feminine", "w" }.contains(t))
        return QStringLiteral("Female");
    if (QStringList { "u", "unknown" }.contains(t))
        return QStringLiteral("Unknown");
    return {};
}

QString readMaritalStatus(const QString& text)
{
    const QString t = folded(text);
    if (QStringList { "s", "single", "unmarried" }.contains(t))
        return QStringLiteral("Single");
    if (QStringList { "m", "married" }.contains(t))
        return QStringLiteral("Married");
    if (QStringList { "d", "divorced" }.contains(t))
        return QStringLiteral("Divorced");
    if (QStringList { "w", "widowed", "widow", "widower" }.contains(t))
        return QStringLiteral("Widowed");
    return {};
}

RelationshipCell readRelationship(const QString& text, const QString& gender)
{
    const QString t = folded(text);
    RelationshipCell cell;
    if (QStringList { "head", "head of household", "head of house", "householder", "self", "primary", "hoh" }.contains(
            t)) {
        cell.head = true;
        return cell;
    }
    const bool male = gender == QLatin1String("Male");
    const bool female = gender == QLatin1String("Female");
    if (QStringList { "spouse", "partner" }.contains(t) && (male || female))
        cell.relationship = male ? QStringLiteral("Husband") : QStringLiteral("Wife");
    else if (QStringList { "child", "kid", "dependent", "dependant" }.contains(t) && (male || female))
        cell.relationship = male ? QStringLiteral("Son") : QStringLiteral("Daughter");
    else
        cell.relationship = text.trimmed();
    return cell;
}

} // namespace pw::people
