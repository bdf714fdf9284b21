#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pw::attendance {

// Chooses one of the attendance reports and what it covers, and sends it to
// the report viewer or the printer.
class frmAttendanceReports : public QWidget {
    Q_OBJECT
public:
    explicit frmAttendanceReports(QWidget* parent = nullptr);

    enum class Kind { RollSheet, Summary, NotSeen };

private:
    void cmbReport_changed();
    void cmbService_changed();
    void run(bool preview);

    QComboBox* cmbReport;
    QComboBox* cmbService;
    QComboBox* cmbClass;
    QDateEdit* dtDate;
    QRadioButton* optMonth;
    QRadioButton* optQuarter;
    QSpinBox* spnAtLeast;
    QSpinBox* spnOfWeeks;
    QPushButton* btnPreview;
    QPushButton* btnPrint;
    QPushButton* btnExit;
    QLabel* lblDate;
};

} // namespace pw::attendance
