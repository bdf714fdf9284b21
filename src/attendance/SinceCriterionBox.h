#pragma once

#include "attendance/Attendance.h"

#include <QWidget>

class QComboBox;
class QDateEdit;

namespace pw::attendance {

// The navigator's attendance criterion: "Attended since" or "Not attended
// since", a date, and a service or any.
class SinceCriterionBox : public QWidget {
    Q_OBJECT
public:
    explicit SinceCriterionBox(QWidget* parent = nullptr);
    SinceCriterion criterion() const;
    // No criterion, the date today.
    void clear();

private:
    QComboBox* cmbAttended;
    QDateEdit* dtAttendedSince;
    QComboBox* cmbAttendedService;
};

} // namespace pw::attendance
