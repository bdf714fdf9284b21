#pragma once

// What the administration screens share: the question asked when another
// workstation changed the same values, and the view-only mark that follows
// whoever is logged in.

#include "data/Rows.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace pw {
class EditTracker;
}

namespace pw::admin {

// "While you were editing this <what>, another user changed the same
// field(s) at another workstation: "A", "B". ..." with the fields named by
// caption(column).
QString conflictQuestion(const QString& what, const std::vector<rows::Conflict>& conflicts,
    const std::function<QString(const QString& column)>& caption);

// Asks the question with "Keep theirs", "Keep mine" and "Cancel"; nothing
// when the user cancelled.
std::optional<rows::OnConflict> askAboutConflicts(const QString& question);

// Runs check when the focus leaves box for another control of the screen
// (other than those in except): not when another window takes the focus,
// such as a message box, and not on the way to a button that closes the
// screen without saving.
void whenLeaving(QWidget* screen, QWidget* box, std::function<void()> check, QList<QWidget*> except = {});

// The screen is view only for a user without the permission: checked now and
// whenever its window becomes the active one, so a window left open across
// Log Off shows what the next user may do.
void followPermission(QWidget* screen, EditTracker* tracker, const QString& permission);

} // namespace pw::admin
