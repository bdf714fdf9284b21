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

// How many of the lines a grid shows are the row's: same name (without
// regard to letter case), start and end.
int countShown(const QVector<ResponsibilityLine>& shown, const ResponsibilityRow& row);

struct Removal {
    int removed = 0; // responsibility rows deleted
    bool stale = false; // the rows changed at another workstation since the grid was filled
};

// remove() for the grid's "Remove", which must delete only rows the grid
// showed: shownCount is the number of lines equal to the row that the grid
// shows (countShown()). At most that many equal rows are deleted, so a row
// another workstation added meanwhile stays (stale is then set). When the
// grid showed such rows but none is left, nothing at all is changed (stale).
// When it showed none, nothing is deleted and, with clearDeacon, the deacon
// assignments are cleared as remove() does.
Removal removeShown(Database& db, const ResponsibilityRow& row, bool clearDeacon, int shownCount);

} // namespace pw::Responsibilities
