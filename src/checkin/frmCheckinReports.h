#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QPushButton;

namespace pw::checkin {

// Chooses one of the day's check-in reports and the day, and sends the
// report to the report viewer or the printer.
class frmCheckinReports : public QWidget {
    Q_OBJECT
public:
    explicit frmCheckinReports(QWidget* parent = nullptr);

private:
    void run(bool preview);

    QDateEdit* dtDay;
    QComboBox* cmbReport;
    QPushButton* btnPreview;
    QPushButton* btnPrint;
    QPushButton* btnExit;
};

} // namespace pw::checkin
