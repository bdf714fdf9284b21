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

// Runs check when the user moves the focus from box to another control of
// the screen (other than those in except) by Tab, a click or an access key:
// not when another window takes the focus, such as a message box, nor when
// the focus comes back as it closes, and not on the way to a button that
// closes the screen without saving or checks for itself.
void whenLeaving(QWidget* screen, QWidget* box, std::function<void()> check, QList<QWidget*> except = {});

// What such a check does when it refuses the box's text: the message, once,
// with the focus left in the box and its text selected after it closes.
void refuseEntry(QLineEdit* box, const QString& text, const QString& title);

// A password typed twice, in first and again: true when both give the same
// password as the login reads it (data/Passwords). Otherwise says so, empties
// both boxes and puts the focus in first.
bool samePasswordTwice(QLineEdit* first, QLineEdit* again);

// The screen is view only for a user without the permission: checked now and
// whenever its window becomes the active one, so the Setup window that opens
// before anyone has logged in shows what the user who then logs in may do.
void followPermission(QWidget* screen, EditTracker* tracker, const QString& permission);

} // namespace pw::admin
