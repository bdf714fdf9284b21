#pragma once

// The progress of a long report run as a window-modal dialog over the screen
// that started it, with a "Cancel" button that stops the run.

#include "reports/BatchPrint.h"

class QWidget;

namespace pw::reports {

// A progress callback showing a dialog titled like the screen; a new text
// starts a new dialog. The dialog goes when the last copy of the callback does.
BatchProgress progressDialog(QWidget* screen);

} // namespace pw::reports
