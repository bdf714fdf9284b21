#pragma once

class QMenu;
class QWidget;

namespace pw {

// Window > Language: the languages the program speaks, the one in use ticked.
// Choosing another keeps it as this user's choice; the program speaks it
// from its next start (every window's texts are made in the language in use).
QMenu* makeLanguageMenu(QWidget* parent);

} // namespace pw
