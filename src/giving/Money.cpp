#include "giving/Money.h"

namespace pw::giving {

namespace {

    // A trillion dollars in cents: more than any church's figure, and far
    // below where a sum of many of them could overflow.
    constexpr qint64 kLargest = 100'000'000'000'000LL;

} // namespace

std::optional<qint64> parseCents(const QString& typed)
{
    QString text = typed.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (text.startsWith(QLatin1Char('-'))) {
        if (negative)
            return std::nullopt;
        negative = true;
        text = text.mid(1).trimmed();
    }
    if (text.startsWith(QLatin1Char('$')))
        text = text.mid(1).trimmed();
    if (text.isEmpty())
        return std::nullopt;

    qint64 whole = 0;
    qint64 cents = 0;
    int decimals = -1; // -1 before the point
    int digits = 0;
    int sinceComma = -1; // digits since the last comma; -1 before any comma
    for (const QChar c : std::as_const(text)) {
        if (c == QLatin1Char(',')) {
            // Thousands are grouped by three, before the point only.
            if (decimals >= 0 || digits == 0 || (sinceComma >= 0 && sinceComma != 3))
                return std::nullopt;
            sinceComma = 0;
            continue;
        }
        if (c == QLatin1Char('.')) {
            if (decimals >= 0 || (sinceComma >= 0 && sinceComma != 3))
                return std::nullopt;
            decimals = 0;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int d = c.digitValue();
        if (decimals >= 0) {
            if (++decimals > 2)
                return std::nullopt;
            cents = cents * 10 + d;
        } else {
            whole = whole * 10 + d;
            ++digits;
            if (sinceComma >= 0)
                ++sinceComma;
            if (whole > kLargest / 100)
                return std::nullopt;
        }
    }
    if (decimals < 0 && sinceComma >= 0 && sinceComma != 3)
        return std::nullopt;
    if (digits == 0 && decimals <= 0)
        return std::nullopt;
    if (decimals == 1)
        cents *= 10;
    const qint64 total = whole * 100 + cents;
    return negative ? -total : total;
}

QString plainCents(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString centsText(qint64 cents, const QLocale& locale)
{
    // The locale's own form of a number with two decimals, built from the
    // integer parts, so no amount is ever rounded.
    const qint64 magnitude = cents < 0 ? -cents : cents;
    const QString number = locale.toString(magnitude / 100) + locale.decimalPoint()
        + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    // The locale places its symbol and sign around a sample amount; the
    // digits of the sample are replaced by ours.
    const QString sample = locale.toCurrencyString(cents < 0 ? -1.0 : 1.0, QString(), 2);
    const QString sampleNumber = locale.toString(1.0, 'f', 2);
    const qsizetype at = sample.indexOf(sampleNumber);
    if (at < 0)
        return (cents < 0 ? locale.negativeSign() : QString()) + locale.currencySymbol() + number;
    return sample.left(at) + number + sample.mid(at + sampleNumber.size());
}

} // namespace pw::giving
