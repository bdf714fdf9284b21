#include "legacy/LegacyValues.h"

#include <QDate>
#include <QTime>

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(LegacyValues)
};
} // namespace

namespace pw::legacy {

namespace {

    Value wrong(const QString& text, const QString& expected)
    {
        return { QVariant(), Tr::tr("\"%1\" is not %2").arg(text, expected) };
    }

    // Reads digits from s at pos; returns -1 when there are none.
    int digits(const QString& s, int& pos, int maxCount, int* count = nullptr)
    {
        int value = 0;
        int n = 0;
        while (pos < s.size() && n < maxCount && s.at(pos).isDigit() && s.at(pos).unicode() < 0x80) {
            value = value * 10 + (s.at(pos).unicode() - '0');
            ++pos;
            ++n;
        }
        if (count)
            *count = n;
        return n == 0 ? -1 : value;
    }

    bool expect(const QString& s, int& pos, QChar c)
    {
        if (pos < s.size() && s.at(pos) == c) {
            ++pos;
            return true;
        }
        return false;
    }

    // "YYYY-MM-DD", "M/D/YYYY", each optionally followed by " HH:MM[:SS]" or
    // "THH:MM[:SS]". Years must have four digits: with two, the century is a guess.
    bool parseDateTime(const QString& s, QDate& date, QTime& time, QString& why)
    {
        int pos = 0;
        int y = 0;
        int m = 0;
        int d = 0;
        int count = 0;
        const int first = digits(s, pos, 4, &count);
        if (first < 0)
            return false;
        if (count == 4 && expect(s, pos, QLatin1Char('-'))) {
            y = first;
            m = digits(s, pos, 2);
            if (m < 0 || !expect(s, pos, QLatin1Char('-')))
                return false;
            d = digits(s, pos, 2);
        } else if (count <= 2 && expect(s, pos, QLatin1Char('/'))) {
            m = first;
            d = digits(s, pos, 2);
            if (d < 0 || !expect(s, pos, QLatin1Char('/')))
                return false;
            y = digits(s, pos, 4, &count);
            if (y >= 0 && count != 4) {
                why = Tr::tr("its year has only %1 digits").arg(count);
                return false;
            }
        } else {
            return false;
        }
        date = QDate(y, m, d);
        if (y < 0 || d < 0 || !date.isValid())
            return false;

        time = QTime(0, 0);
        if (pos == s.size())
            return true;
        if (!expect(s, pos, QLatin1Char(' ')) && !expect(s, pos, QLatin1Char('T')))
            return false;
        const int h = digits(s, pos, 2);
        if (h < 0 || !expect(s, pos, QLatin1Char(':')))
            return false;
        const int mi = digits(s, pos, 2);
        int sec = 0;
        if (mi < 0)
            return false;
        if (expect(s, pos, QLatin1Char(':'))) {
            sec = digits(s, pos, 2);
            if (sec < 0)
                return false;
        }
        time = QTime(h, mi, sec);
        return pos == s.size() && time.isValid();
    }

    Value integer(const QString& text, bool zeroIsNull)
    {
        const QString t = text.trimmed();
        bool ok = false;
        qint64 v = t.toLongLong(&ok);
        if (!ok) {
            // A whole number that a number column wrote with decimals ("12.0").
            const double d = t.toDouble(&ok);
            if (!ok || d != static_cast<double>(static_cast<qint64>(d)))
                return wrong(text, Tr::tr("a whole number"));
            v = static_cast<qint64>(d);
        }
        if (zeroIsNull && v == 0)
            return {};
        return { QVariant(v), {} };
    }

    // The form mdb-export prints every date in, "YYYY-MM-DD HH:MM:SS" (or
    // the date alone), stored without reading it into a QDate and writing
    // it back: the import's most frequent conversion (a church's attendance
    // holds millions). Nothing when the text is not exactly that form, or
    // names no day or time of the calendar; the general reading decides then.
    std::optional<Value> printedDate(Kind kind, const QString& s)
    {
        if (s.size() != 10 && s.size() != 19)
            return std::nullopt;
        int n[6] = {};
        const char* const shape = "dddd-dd-dd dd:dd:dd";
        int field = 0;
        for (int i = 0; i < s.size(); ++i) {
            const char16_t c = s.at(i).unicode();
            if (shape[i] != 'd') {
                if (c != char16_t(shape[i]))
                    return std::nullopt;
                ++field;
            } else if (c >= '0' && c <= '9') {
                n[field] = n[field] * 10 + (c - '0');
            } else {
                return std::nullopt;
            }
        }
        if (!QDate::isValid(n[0], n[1], n[2]) || !QTime::isValid(n[3], n[4], n[5]))
            return std::nullopt;
        if (kind == Kind::Date)
            return Value { QVariant(s.left(10)), {} };
        if (s.size() == 10)
            return Value { QVariant(s + QStringLiteral("T00:00:00")), {} };
        QString stored = s;
        stored[10] = QLatin1Char('T');
        return Value { QVariant(stored), {} };
    }

    Value dateValue(Kind kind, const QDate& date, const QTime& time)
    {
        // A date column holds a calendar day; a time the old screens stored
        // with it is not part of the value.
        if (kind == Kind::Date)
            return { QVariant(date.toString(Qt::ISODate)), {} };
        return { QVariant(date.toString(Qt::ISODate) + QLatin1Char('T') + time.toString(QStringLiteral("HH:mm:ss"))),
            {} };
    }

} // namespace

Value convertJetDate(Kind kind, double days)
{
    // 100-01-01 is day -657434 (its noon -657434.5), 9999-12-31 day 2958465.
    constexpr double kDayBeforeFirst = -657435.0;
    constexpr double kDayAfterLast = 2958466.0;
    if (!(days > kDayBeforeFirst && days < kDayAfterLast))
        return { QVariant(), Tr::tr("%1 days from 1899-12-30 is no date Jet can hold").arg(days, 0, 'g', 17) };
    const double whole = std::trunc(days);
    qint64 seconds = std::llround(std::fabs(days - whole) * 86400.0);
    QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    if (seconds >= 86400) { // a fraction that rounds up to midnight
        date = date.addDays(1);
        seconds = 0;
    }
    return dateValue(kind, date, QTime(0, 0).addSecs(int(seconds)));
}

Value convert(Kind kind, const QString& text, bool missing)
{
    if (missing) {
        switch (kind) {
        case Kind::Text:
        case Kind::Password:
            return { QVariant(QStringLiteral("")), {} };
        case Kind::YesNo:
            return { QVariant(0), {} };
        default:
            return {};
        }
    }

    switch (kind) {
    case Kind::Text:
    case Kind::OptionalText:
    case Kind::Password:
        return { QVariant(text), {} };
    case Kind::Integer:
        return integer(text, false);
    case Kind::Link:
        return integer(text, true);
    case Kind::Number: {
        bool ok = false;
        const double d = text.trimmed().toDouble(&ok);
        if (!ok)
            return wrong(text, Tr::tr("a number"));
        return { QVariant(d), {} };
    }
    case Kind::YesNo: {
        const QString t = text.trimmed().toLower();
        if (t == QLatin1String("1") || t == QLatin1String("-1") || t == QLatin1String("true")
            || t == QLatin1String("yes") || t == QLatin1String("on"))
            return { QVariant(1), {} };
        if (t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("no")
            || t == QLatin1String("off"))
            return { QVariant(0), {} };
        return wrong(text, Tr::tr("yes or no"));
    }
    case Kind::Date:
    case Kind::DateTime: {
        if (std::optional<Value> printed = printedDate(kind, text))
            return *printed;
        QDate date;
        QTime time;
        QString why;
        if (!parseDateTime(text.trimmed(), date, time, why)) {
            Value v = wrong(text, Tr::tr("a date"));
            if (!why.isEmpty())
                v.problem += QStringLiteral(": ") + why;
            return v;
        }
        return dateValue(kind, date, time);
    }
    }
    return {};
}

} // namespace pw::legacy
