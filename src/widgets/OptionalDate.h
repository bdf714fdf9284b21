#pragma once

// How a date that may be empty looks: a tick box beside a date box. While the
// tick box is clear the date box keeps its date (ticking the box shows it
// again) but draws nothing, so nobody reads a greyed date as data.

#include <QString>

class QCheckBox;
class QDateEdit;

namespace pw {

// The tooltip of every such tick box; its caption stays as the screen has it.
inline const char* const kSetThisDateTip = QT_TRANSLATE_NOOP("OptionalDate", "Set this date");

// Draws the date box empty whenever the tick box is clear, now and after
// every change of the tick box (by the user or in code), and gives the tick
// box its tooltip. Enabling either box is left to the screen.
void showDateOnlyWhenSet(QCheckBox* check, QDateEdit* picker);

} // namespace pw
