#pragma once

#include "checkin/Checkin.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pw::checkin {

// The teacher's screen at the classroom door: the children of one class still
// checked in, each with the code on their label and who may pick them up,
// and the check-out of the children under the code a parent shows.
class frmClassCheckout : public QWidget {
    Q_OBJECT
public:
    explicit frmClassCheckout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString serviceCode() const;
    void cmbService_changed();
    void load();
    void btnCheckOut_clicked();

    QComboBox* cmbService;
    QDateEdit* dtDay;
    QComboBox* cmbClass;
    QPushButton* btnRefresh;
    QListWidget* lstChildren;
    QLineEdit* txtCode;
    QPushButton* btnCheckOut;
    QLabel* lblOutcome;
    QLabel* lblStill;

    std::vector<CheckinRow> m_in; // the children listed
};

} // namespace pw::checkin
