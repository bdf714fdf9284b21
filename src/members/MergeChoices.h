#pragma once

// Which value of each field stays when two records of one person become one.

#include "data/Members.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace pw::members {

// The fields offered for choosing: every Member column but the four audit
// columns (the kept record keeps when and by whom it was added; the merge
// is its last edit).
QVector<const Members::Column*> mergeFields();

// The field's value as the merge window shows it; empty text when it has none.
QString shownValue(const Members::Column& field, const MemberRecord& record);

// Whether the removed record's value stays by default: the only one given,
// or, when both records give different values, the one of the record edited
// (or added) last.
bool removedValueByDefault(const Members::Column& field, const MemberRecord& kept, const MemberRecord& removed);

// The kept record with the fields named in fromRemoved taken from the
// removed one.
MemberRecord mergedRecord(const MemberRecord& kept, const MemberRecord& removed, const QSet<QString>& fromRemoved);

} // namespace pw::members
