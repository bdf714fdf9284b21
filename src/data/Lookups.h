#pragma once

// The list queries several screens share: people, deacons, classes, care
// groups and the lookup tables. Each returns rows with their text and, for
// rows of another table, their identifier, in the order the lists show them.

#include "data/PersonName.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

namespace pw {

class Database;

// One entry of a pick list that stands for a row of another table: the text
// shown and the row's identifier (0 for a plain text entry).
struct PickItem {
    QString text;
    qint64 id = 0;
};

// A person as the person pick lists need them; the list text is made from
// the name parts by the form the list uses.
struct PersonName {
    qint64 id = 0;
    QString last, first, middle, title, status;
    bool headOfHousehold = false;
};

// The name forms (personName, personNameWithTitle, leaderName) are in data/PersonName.h.

namespace Lookups {

    // Every person, ordered by last, first and middle name, then identifier.
    QVector<PersonName> people(Database& db);

    // Those of ids that name a person, ordered by last name and first name
    // (as orderText() orders them) and identifier, each once.
    std::vector<qint64> idsByName(Database& db, const QList<qint64>& ids);

    // The three kinds of classes, each in its own table.
    enum class ClassKind { SundaySchool, DiscipleshipTraining, WednesdayNight };
    QString classTable(ClassKind kind);
    // Classes by name, with their identifiers.
    QVector<PickItem> classes(Database& db, ClassKind kind);

    // Members holding the "Deacon" responsibility (in any letter case),
    // "Last, First", with the member identifier; one entry per responsibility
    // row. A row whose member is gone is left out.
    QVector<PickItem> deacons(Database& db);
    // Care groups shown by their leader, "Last, First", with the group
    // identifier; a group without a leader shows ", ".
    QVector<PickItem> careGroups(Database& db);

    // The one-column lookup tables, alphabetically.
    QStringList memberStatuses(Database& db);
    QStringList churchStatuses(Database& db);
    QStringList prospectStatuses(Database& db);
    QStringList titles(Database& db);
    QStringList states(Database& db);
    QStringList attendanceLevels(Database& db);
    QStringList relationships(Database& db);
    QStringList prospectActions(Database& db);
    QStringList contactRatings(Database& db);
    QStringList responsibilityNames(Database& db);
    QStringList userTypes(Database& db);
    // Outreach phase names in their phase order.
    QStringList outreachPhases(Database& db);

    // Fixed lists.
    QStringList genders();
    QStringList maritalStatuses();

} // namespace Lookups
} // namespace pw
