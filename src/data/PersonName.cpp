#include "data/PersonName.h"

#include <QStringList>

namespace pw {

void appendPersonName(QString& out, const QString& last, const QString& first, const QString& middle)
{
    out.append(last).append(QLatin1String(", ")).append(first).append(QLatin1Char(' ')).append(middle);
}

void appendPersonName(
    QString& out, const QString& last, const QString& first, const QString& middle, const QString& title)
{
    appendPersonName(out, last, first, middle);
    out.append(QLatin1Char(' ')).append(title);
}

QString personName(const QString& last, const QString& first, const QString& middle)
{
    QString out;
    out.reserve(last.size() + first.size() + middle.size() + 3);
    appendPersonName(out, last, first, middle);
    return out;
}

QString personNameWithTitle(const QString& last, const QString& first, const QString& middle, const QString& title)
{
    QString out;
    out.reserve(last.size() + first.size() + middle.size() + title.size() + 4);
    appendPersonName(out, last, first, middle, title);
    return out;
}

QString leaderName(const QString& last, const QString& first) { return last + QStringLiteral(", ") + first; }

QString displayName(const QString& last, const QString& first, const QString& middle, const QString& title)
{
    QStringList rest;
    for (const QString& part : { first, middle, title }) {
        if (!part.trimmed().isEmpty())
            rest.append(part.trimmed());
    }
    const QString given = rest.join(QLatin1Char(' '));
    const QString family = last.trimmed();
    if (family.isEmpty() || given.isEmpty())
        return family + given;
    return family + QStringLiteral(", ") + given;
}

namespace sql {

    QString nameTerm(const QString& table, NameParts parts)
    {
        QString term = QStringLiteral("COALESCE(%1.Last_Name, '') || ', ' || COALESCE(%1.First_Name, '')");
        if (parts != NameParts::LastFirst)
            term += QStringLiteral(" || ' ' || COALESCE(%1.Middle_Name, '')");
        if (parts == NameParts::WithTitle)
            term += QStringLiteral(" || ' ' || COALESCE(%1.Title, '')");
        return term.arg(table);
    }

} // namespace sql

} // namespace pw
