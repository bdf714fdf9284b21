#pragma once

#include <QWidget>
#include <vector>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace pw::attendance {

// What the member screen's "Attendance Info" tab shows of one person: the
// dates attended marked on the tab's calendar, the last 12 attendances,
// "Last attended: ..." with the weeks of the last 13, and per service the
// level those weeks suggest, with a button that puts it in that service's
// level list (stored only when the person is saved).
class AttendancePanel : public QWidget {
    Q_OBJECT
public:
    // levelLists: the five attendance level lists, in the order of services::all().
    AttendancePanel(QCalendarWidget* calendar, std::vector<QComboBox*> levelLists, QWidget* parent = nullptr);

    // Shows the person's attendance; 0 clears the panel.
    void showPerson(qint64 id);

private:
    QString suggestion(std::size_t service) const;

    QCalendarWidget* m_calendar;
    std::vector<QComboBox*> m_levelLists;
    QLabel* lblLastAttended;
    QTreeWidget* lstLastAttendances;
    std::vector<QLabel*> m_suggestions;
    std::vector<QPushButton*> m_useButtons;
};

} // namespace pw::attendance
