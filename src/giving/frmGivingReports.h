#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

namespace pw::giving {

// The treasurer's reports in one window: choose the report, then what it is
// about (a batch, a year or a period), and preview or print it.
class frmGivingReports : public QWidget {
    Q_OBJECT
public:
    explicit frmGivingReports(QWidget* parent = nullptr);

private:
    void reportChosen();
    void run(bool print);

    QComboBox* cmbReport;
    QComboBox* cmbBatch;
    QSpinBox* spnYear;
    QDateEdit* dtFrom;
    QDateEdit* dtTo;
    QPushButton* btnPreview;
    QPushButton* btnPrint;
    QPushButton* btnExit;
    QList<QWidget*> m_batchRow, m_yearRow, m_periodRow;
};

} // namespace pw::giving
