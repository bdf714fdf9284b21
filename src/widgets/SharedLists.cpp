#include "widgets/SharedLists.h"

#include "widgets/Context.h"
#include "data/Database.h"

namespace pw {

namespace {

    QVector<PickItem> asItems(const QStringList& texts)
    {
        QVector<PickItem> items;
        items.reserve(texts.size());
        for (const QString& t : texts)
            items.append({ t, 0 });
        return items;
    }

    QStringList asTexts(const QVector<PickItem>& items)
    {
        QStringList texts;
        texts.reserve(items.size());
        for (const PickItem& item : items)
            texts.append(item.text);
        return texts;
    }

} // namespace

QVector<PickItem> readList(SharedLists::List which)
{
    using L = SharedLists::List;
    Database& d = db();
    switch (which) {
    case L::MemberStatuses:
        return asItems(Lookups::memberStatuses(d));
    case L::ChurchStatuses:
        return asItems(Lookups::churchStatuses(d));
    case L::ProspectStatuses:
        return asItems(Lookups::prospectStatuses(d));
    case L::Titles:
        return asItems(Lookups::titles(d));
    case L::States:
        return asItems(Lookups::states(d));
    case L::AttendanceLevels:
        return asItems(Lookups::attendanceLevels(d));
    case L::Relationships:
        return asItems(Lookups::relationships(d));
    case L::ProspectActions:
        return asItems(Lookups::prospectActions(d));
    case L::ContactRatings:
        return asItems(Lookups::contactRatings(d));
    case L::ResponsibilityNames:
        return asItems(Lookups::responsibilityNames(d));
    case L::UserTypes:
        return asItems(Lookups::userTypes(d));
    case L::OutreachPhases:
        return asItems(Lookups::outreachPhases(d));
    case L::SundaySchoolClasses:
        return Lookups::classes(d, Lookups::ClassKind::SundaySchool);
    case L::DiscipleshipClasses:
        return Lookups::classes(d, Lookups::ClassKind::DiscipleshipTraining);
    case L::WednesdayClasses:
        return Lookups::classes(d, Lookups::ClassKind::WednesdayNight);
    case L::Deacons:
        return Lookups::deacons(d);
    case L::CareGroups:
        return Lookups::careGroups(d);
    }
    return {};
}

SharedLists::SharedLists(QObject* parent)
    : QObject(parent)
{
}

void SharedLists::checkOthers()
{
    const qint64 mark = db().othersChangeMark();
    if (mark != m_othersMark) {
        membersChanged();
        m_othersMark = mark;
    }
}

std::shared_ptr<const QVector<PersonName>> SharedLists::people()
{
    checkOthers();
    if (!m_people)
        m_people = std::make_shared<const QVector<PersonName>>(Lookups::people(db()));
    return m_people;
}

QVector<PickItem> SharedLists::items(List which)
{
    checkOthers();
    const int key = static_cast<int>(which);
    auto it = m_items.constFind(key);
    if (it == m_items.constEnd())
        it = m_items.insert(key, readList(which));
    return *it;
}

QStringList SharedLists::texts(List which) { return asTexts(items(which)); }

void SharedLists::membersChanged()
{
    m_people.reset();
    m_items.clear();
}

void SharedLists::lookupsChanged() { m_items.clear(); }

SharedLists* sharedLists() { return ctx().lists; }

QVector<PickItem> listItems(SharedLists::List which)
{
    if (SharedLists* lists = sharedLists())
        return lists->items(which);
    return readList(which);
}

QStringList listTexts(SharedLists::List which) { return asTexts(listItems(which)); }

} // namespace pw
