#include "data/PhoneRule.h"

namespace pw::phones {

namespace {

    bool isSeparator(QChar c)
    {
        return c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('/')
            || c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('[') || c == QLatin1Char(']');
    }

} // namespace

Reading read(const QString& text)
{
    Reading reading;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            reading.digits.append(c);
        else if (c == QLatin1Char('+') && reading.digits.isEmpty())
            continue;
        else if (!isSeparator(c))
            reading.result = Reading::Result::NotANumber;
    }
    // North American area codes never start with 1: a leading 1 of a number
    // one digit too long is the country code.
    if (reading.digits.size() == kDigits + 1 && reading.digits.startsWith(QLatin1Char('1')))
        reading.digits.remove(0, 1);
    if (reading.result == Reading::Result::Digits && reading.digits.size() > kDigits)
        reading.result = Reading::Result::TooManyDigits;
    return reading;
}

QString tenDigits(const QString& text)
{
    const Reading reading = read(text);
    return reading.result == Reading::Result::Digits && reading.digits.size() == kDigits ? reading.digits : QString();
}

} // namespace pw::phones
