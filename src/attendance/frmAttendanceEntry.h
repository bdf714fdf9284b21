#pragma once

#include "attendance/Attendance.h"
#include "widgets/EditTracker.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pw::attendance {

// The roll call: a service, its class and a date; the people listed with a
// tick each, others added by name, a visitor added as a new prospect, and a
// headcount. Saving writes what this user changed, so two workstations
// recording one meeting lose nothing of each other's.
class frmAttendanceEntry : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmAttendanceEntry(QWidget* parent = nullptr);

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;
    bool save();

    // The meeting on screen.
    Meeting meeting() const;

private:
    void cmbService_changed();
    void meetingChosen();
    void reloadClasses();
    void loadMeeting();
    void btnAdd_clicked();
    void btnAddVisitor_clicked();
    void clearVisitor();
    void addTicked(qint64 id, const QString& name);
    QSet<qint64> ticked() const;
    QVariant headcount() const;
    void showRecorded();

    QComboBox* cmbService;
    QComboBox* cmbClass;
    QLabel* lblClass;
    QDateEdit* dtDate;
    QListWidget* lstPeople;
    QComboBox* cmbAddPerson;
    QPushButton* btnAdd;
    QLineEdit* txtVisitorFirst;
    QLineEdit* txtVisitorLast;
    QLineEdit* txtVisitorPhone;
    QPushButton* btnAddVisitor;
    QLineEdit* txtHeadcount;
    QLabel* lblRecorded;
    QPushButton* btnSave;
    QPushButton* btnExit;

    EditTracker* m_tracker = nullptr;
    Meeting m_shown; // the meeting the list shows
    Recorded m_loaded; // as stored when it was loaded or saved
    bool m_loading = false;
};

} // namespace pw::attendance
