#pragma once

// The body every window that makes reports shares: its choices on top, room
// below them, and its buttons along the bottom right. The first button is
// pressed by Enter (Preview), the last by Escape (Exit).

#include <QList>

class QLayout;
class QPushButton;
class QWidget;

namespace pw::reports {

void layOutReportWindow(QWidget* window, QLayout* choices, const QList<QPushButton*>& buttons);

} // namespace pw::reports
