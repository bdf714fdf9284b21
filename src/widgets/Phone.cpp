#include "widgets/Phone.h"

namespace pw {

void writePhoneText(QByteArrayView stored, PhoneBuffer& out)
{
    out.clear();
    QVarLengthArray<char, 24> digits;
    for (const char c : stored) {
        if (c >= '0' && c <= '9')
            digits.append(c);
    }
    const qsizetype n = digits.size();
    if (n == 0)
        return;
    // From the right: four digits after the hyphen, up to three before it,
    // and whatever is left inside the brackets.
    const qsizetype areaEnd = qMax<qsizetype>(0, n - 7);
    const qsizetype middleEnd = qMax<qsizetype>(0, n - 4);
    out.append('(');
    out.append(digits.constData(), areaEnd);
    out.append(')');
    out.append(' ');
    out.append(digits.constData() + areaEnd, middleEnd - areaEnd);
    out.append('-');
    out.append(digits.constData() + middleEnd, n - middleEnd);
}

QString phoneText(const QString& stored)
{
    PhoneBuffer text;
    writePhoneText(stored.toUtf8(), text);
    return QString::fromLatin1(text.constData(), text.size());
}

QString phoneBoxText(const QString& stored)
{
    if (stored.size() != 10)
        return stored;
    for (const QChar c : stored) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return stored;
    }
    return phoneText(stored);
}

} // namespace pw
