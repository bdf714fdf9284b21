#include "data/ThreeWay.h"

namespace pw::threeway {

bool sameValue(const QVariant& a, const QVariant& b) { return a.isNull() == b.isNull() && a == b; }

Merge merge(const QStringList& columns, const std::function<Versions(const QString&)>& versions, OnConflict onConflict,
    const Same& same)
{
    Merge result;
    QStringList conflicting;
    for (const QString& name : columns) {
        const Versions v = versions(name);
        const bool mineChanged = !same(v.loaded, v.mine);
        const bool theirsChanged = !same(v.loaded, v.theirs);
        if (theirsChanged && !mineChanged) {
            result.keptTheirs.append(name);
        } else if (theirsChanged && !same(v.mine, v.theirs)) {
            result.conflicts.push_back({ name, v.loaded, v.mine, v.theirs });
            conflicting.append(name);
        } else if (mineChanged) {
            result.written.append(name);
        }
    }
    if (conflicting.isEmpty())
        return result;
    switch (onConflict) {
    case OnConflict::Report:
        result.refused = true;
        result.written.clear();
        break;
    case OnConflict::KeepTheirs:
        result.keptTheirs += conflicting;
        break;
    case OnConflict::KeepMine:
        result.written += conflicting;
        break;
    }
    return result;
}

} // namespace pw::threeway
