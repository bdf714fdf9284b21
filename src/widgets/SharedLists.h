#pragma once

#include "data/Lookups.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>
#include <memory>

namespace pw {

// The lists several screens show, read once and kept until a change makes
// them stale: every person (the expensive one, 100,000 rows in a large
// church), deacons, classes, care groups and the lookup tables. Screens fill
// their pick lists from here, so opening a screen does not read every person
// again. The workspace owns one and marks it stale when members or lookups
// change.
class SharedLists : public QObject {
    Q_OBJECT
public:
    enum class List {
        MemberStatuses,
        ChurchStatuses,
        ProspectStatuses,
        Titles,
        States,
        AttendanceLevels,
        Relationships,
        ProspectActions,
        ContactRatings,
        ResponsibilityNames,
        UserTypes,
        OutreachPhases,
        SundaySchoolClasses,
        DiscipleshipClasses,
        WednesdayClasses,
        Deacons,
        CareGroups,
    };

    explicit SharedLists(QObject* parent = nullptr);

    // Every person in name order. The list itself never changes: a refresh
    // makes a new one, so a list handed out earlier stays valid.
    std::shared_ptr<const QVector<PersonName>> people();
    // One of the other lists, as entries (the text lists without identifiers).
    QVector<PickItem> items(List which);
    QStringList texts(List which);

    // A person was saved or a responsibility changed: everything is stale
    // (names appear in the leader and deacon lists too).
    void membersChanged();
    // A class, care group, responsibility, phase or lookup value was saved.
    void lookupsChanged();

private:
    // Forgets everything when another workstation changed the database.
    void checkOthers();

    std::shared_ptr<const QVector<PersonName>> m_people;
    qint64 m_othersMark = -1;
    QHash<int, QVector<PickItem>> m_items;
};

// Reads a list straight from the database, as SharedLists does when it is
// stale.
QVector<PickItem> readList(SharedLists::List which);

// The shared lists of the running program's workspace; nullptr when there
// is no workspace (then lists are read afresh every time).
SharedLists* sharedLists();

// The entries of a list, from the shared lists when there are any.
QVector<PickItem> listItems(SharedLists::List which);
QStringList listTexts(SharedLists::List which);

} // namespace pw
