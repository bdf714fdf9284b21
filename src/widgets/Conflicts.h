#pragma once

// Two workstations may edit the same record at once. A save that finds
// another workstation's change to a value this user changed too writes
// nothing and reports it; the user then decides, through the one question
// below, whose values stay, and the save runs again with that answer.

#include "data/ThreeWay.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace pw {

// "While you were editing this <what>, <who> changed the same field(s) at
// another workstation: "A", "B".\n\nKeep their values, keep yours, or cancel
// the save?" naming the fields as given. Who is the user named by (or
// "another user") followed by " on <date and time>" when on is valid.
QString conflictQuestion(
    const QString& what, const QStringList& fields, const QString& by = QString(), const QDateTime& on = QDateTime());

// The columns of the conflicts, each named by caption(column) (the column
// itself when caption is empty), in the order found.
QStringList conflictFields(const std::vector<threeway::Conflict>& conflicts,
    const std::function<QString(const QString& column)>& caption = {});

// Asks the question under "Pewlark" with "Keep theirs", "Keep mine" and
// "Cancel" (the default, and what Escape gives); nothing when the user
// cancelled.
std::optional<threeway::OnConflict> askAboutConflicts(const QString& question);

// Runs a save that may meet another workstation's changes: save(how) first
// with OnConflict::Report, under the busy pointer. It returns the question to
// ask when it found conflicts (and wrote nothing), an empty text when it is
// done. The question is then asked, and the save runs again with the answer.
// False when the user cancelled: nothing was written. What else the save
// found (its result) the caller keeps in save's captures.
bool saveAskingOnConflict(const std::function<QString(threeway::OnConflict how)>& save);

} // namespace pw
