#pragma once

// The statements behind the "Church Responsibilies" frame. A responsibility
// row has no key of its own: it is named by all four of its values.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pw {
class Database;
}

namespace pw::members {

// The responsibility that clears its holder as assigned deacon when removed.
inline const QString DeaconResponsibility = QStringLiteral("Deacon");

struct ResponsibilityRow {
    qint64 memberId = 0;
    QString name;
    QDate start;
    QDate end;
};

// One line of the person's grid. name and description are empty when the
// responsibility is no longer in the Responsibilities table.
struct ResponsibilityLine {
    QString name;
    QDate start;
    QDate end;
    QString description;
};

// Writes a new row; the same responsibility may be held several times.
void addResponsibility(Database& db, const ResponsibilityRow& row);

// Deletes every row equal to this one in all four values (the name compared
// without regard to letter case). With clearDeacon, every person whose
// assigned deacon is this member loses that assignment first, in the same
// change. Returns the number of responsibility rows removed.
int removeResponsibility(Database& db, const ResponsibilityRow& row, bool clearDeacon);

// The person's responsibilities, ordered by name.
QVector<ResponsibilityLine> responsibilityLines(Database& db, qint64 memberId);

// The responsibility names, in alphabetical order.
QStringList responsibilityNames(Database& db);

} // namespace pw::members
