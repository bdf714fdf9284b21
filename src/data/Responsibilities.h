#pragma once

// The responsibilities people hold (Member_Responsibility). A row has no key
// of its own: it is named by all four of its values. And the church's list of
// responsibilities they are chosen from (Responsibilities), keyed by name.

#include "data/Rows.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <vector>

namespace pw {
class Database;
}

namespace pw::Responsibilities {

// The responsibility that clears its holder as assigned deacon when removed.
inline const QString DeaconResponsibility = QStringLiteral("Deacon");

// True for the name "Deacon" in any letter case: names are compared without
// regard to case everywhere, so "deacon" is the same responsibility.
bool isDeacon(const QString& name);

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
// without regard to letter case). When that removes the member's last
// "Deacon" row, every person whose assigned deacon he was loses that
// assignment, in the same change. Returns the number of rows removed.
int remove(Database& db, const ResponsibilityRow& row);

// How many rows of this responsibility (any letter case, any dates) the
// member holds.
int heldCount(Database& db, qint64 memberId, const QString& name);

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
// grid showed none, or none of those it showed is left, nothing at all is
// changed. The deacon assignments follow remove()'s rule.
Removal removeShown(Database& db, const ResponsibilityRow& row, int shownCount);

// One entry of the church's list of responsibilities.
struct Responsibility {
    QString name;
    QString description;
};

// The responsibility of that name in any letter case (the one spelled exactly
// so first, should the list hold two spellings), or nothing.
std::optional<Responsibility> find(Database& db, const QString& name);

struct ListSave {
    enum class Result {
        Added, // no responsibility had the name: a new one was added
        Saved, // the responsibility of that name was changed
        Conflicts, // another workstation changed the same values: nothing was written
    };
    Result result = Result::Saved;
    std::vector<rows::Conflict> conflicts;
    QString previousName; // the name as it was stored before the save
    int renamedRows = 0; // responsibilities held by people that follow a new spelling
};

// Saves the name as typed and its description, in one transaction. A name
// that no responsibility has, in any letter case, is added; otherwise that
// responsibility is changed and takes the typed spelling. When the spelling
// changes (letter case only), the rows of the people holding it follow, so
// they keep showing it. loaded is the responsibility as the screen showed it
// (nothing when it showed none): a value another workstation changed
// meanwhile is kept unless this user changed it too, which is a conflict
// handled as onConflict says.
ListSave save(Database& db, const Responsibility& typed, const std::optional<Responsibility>& loaded,
    rows::OnConflict onConflict);

} // namespace pw::Responsibilities
