#include "app/Phone.h"

namespace pw {

QString phoneText(const QString& stored)
{
    if (stored.size() != 10)
        return stored;
    for (const QChar c : stored) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return stored;
    }
    return QStringLiteral("(%1) %2-%3").arg(stored.left(3), stored.mid(3, 3), stored.right(4));
}

} // namespace pw
