#include "app/RecentPeople.h"

#include "widgets/Context.h"
#include "app/Workspace.h"

#include <QSettings>
#include <QStringList>

namespace pw::recentPeople {

namespace {

    QString keyOfUser()
    {
        const CurrentUser& user = ctx().user;
        return user.username.isEmpty() ? QString() : QStringLiteral("RecentPeople/User%1").arg(user.id);
    }

} // namespace

void opened(qint64 memberId)
{
    const QString key = keyOfUser();
    if (key.isEmpty() || memberId <= 0)
        return;
    QList<qint64> ids = list();
    ids.removeAll(memberId);
    ids.prepend(memberId);
    QStringList kept;
    for (qint64 id : ids.mid(0, kKept))
        kept.append(QString::number(id));
    storedSettings()->setValue(key, kept);
    if (Workspace* w = workspace())
        emit w->personOpened(memberId);
}

QList<qint64> list()
{
    const QString key = keyOfUser();
    if (key.isEmpty())
        return {};
    QList<qint64> ids;
    for (const QString& text : storedSettings()->value(key).toStringList()) {
        const qint64 id = text.toLongLong();
        if (id > 0 && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

} // namespace pw::recentPeople
