#pragma once

// The responsibilities people hold (Member_Responsibility). A row has no key
// of its own: it is named by all four of its values.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pw {
class Database;
}

namespace pw::Responsibilities {

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
void add(Database& db, const ResponsibilityRow& row);

// Deletes every row equal to this one in all four values (the name compared
// without regard to letter case). With clearDeacon, every person whose
// assigned deacon is this member loses that assignment first, in the same
// change. Returns the number of responsibility rows removed.
int remove(Database& db, const ResponsibilityRow& row, bool clearDeacon);

// The person's responsibilities, ordered by name.
QVector<ResponsibilityLine> linesOf(Database& db, qint64 memberId);


} // namespace pw::Responsibilities
