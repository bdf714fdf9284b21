#pragma once

// What the administration screens share: checks when the focus leaves a box,
// and the view-only mark that follows whoever is logged in.

#include <QList>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace pw {
class EditTracker;
}

namespace pw::admin {

// Runs check when the focus leaves box for another control of the screen
// (other than those in except): not when another window takes the focus,
// such as a message box, and not on the way to a button that closes the
// screen without saving or checks for itself.
void whenLeaving(QWidget* screen, QWidget* box, std::function<void()> check, QList<QWidget*> except = {});

// What such a check does when it refuses the box's text: the message, once,
// with the focus left in the box and its text selected.
void refuseEntry(QLineEdit* box, const QString& text, const QString& title);

// The screen is view only for a user without the permission: checked now and
// whenever its window becomes the active one, so the Setup window that opens
// before anyone has logged in shows what the user who then logs in may do.
void followPermission(QWidget* screen, EditTracker* tracker, const QString& permission);

} // namespace pw::admin
