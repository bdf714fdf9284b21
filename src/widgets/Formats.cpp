#include "widgets/Formats.h"

#include <QRegularExpression>
#include <QStringList>

namespace pw::formats {

QLocale dateLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

QString dateFormat()
{
    QString format = dateLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString dateText(const QDate& day) { return day.isValid() ? dateLocale().toString(day, dateFormat()) : QString(); }

namespace {

    // The order of day ('d'), month ('M') and year ('y') in the date form.
    QString partOrder()
    {
        QString order;
        for (const QChar c : dateFormat()) {
            const char part = c == QLatin1Char('d') ? 'd'
                : c == QLatin1Char('M')             ? 'M'
                : c == QLatin1Char('y')             ? 'y'
                                                    : 0;
            if (part && !order.contains(QLatin1Char(part)))
                order.append(QLatin1Char(part));
        }
        return order.size() == 3 ? order : QStringLiteral("Mdy");
    }

    int fullYear(int typed, int digits, int thisYear, TwoDigitYears years)
    {
        if (digits == 4)
            return typed;
        int year = thisYear - thisYear % 100 + typed;
        if (years == TwoDigitYears::Past)
            return year > thisYear ? year - 100 : year;
        if (year - thisYear > 50)
            year -= 100;
        else if (thisYear - year > 50)
            year += 100;
        return year;
    }

} // namespace

QDate parseTypedDate(const QString& typed, const QDate& today, TwoDigitYears years)
{
    const QString order = partOrder();
    const QString text = typed.trimmed();
    QStringList parts;
    bool digitsOnly = !text.isEmpty();
    for (const QChar c : text) {
        if (!c.isDigit() && !QStringLiteral("/-. ").contains(c))
            return {};
        digitsOnly = digitsOnly && c.isDigit();
    }
    if (digitsOnly) {
        // Two digits for the day and the month, the rest for the year.
        if (text.size() != 6 && text.size() != 8)
            return {};
        const int yearDigits = static_cast<int>(text.size()) - 4;
        int at = 0;
        for (const QChar part : order) {
            const int n = part == QLatin1Char('y') ? yearDigits : 2;
            parts.append(text.mid(at, n));
            at += n;
        }
    } else {
        parts = text.split(QRegularExpression(QStringLiteral("[/\\-. ]+")), Qt::SkipEmptyParts);
    }
    if (parts.size() != 3)
        return {};
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts.at(i);
        const int value = part.toInt();
        switch (order.at(i).toLatin1()) {
        case 'd':
            if (part.size() > 2)
                return {};
            day = value;
            break;
        case 'M':
            if (part.size() > 2)
                return {};
            month = value;
            break;
        default:
            if (part.size() != 2 && part.size() != 4)
                return {};
            year = fullYear(value, static_cast<int>(part.size()), today.year(), years);
        }
    }
    return QDate::isValid(year, month, day) ? QDate(year, month, day) : QDate();
}

} // namespace pw::formats
