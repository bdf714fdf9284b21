#pragma once

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pw {
class Database;
}

namespace pw::checkin {

// A family visiting for the first time, as the station takes it down: one
// parent and up to four children.
struct VisitorFamily {
    struct Child {
        QString firstName;
        QDate dateOfBirth; // invalid: not given
        QString gender; // "Female", "Male" or "Unknown"
        qint64 classId = 0; // in the service of the visit; 0: none
    };
    QString firstName, lastName;
    QString phone; // digits
    std::vector<Child> children;
};

// The people written for it.
struct NewFamily {
    qint64 headId = 0;
    QString name; // "Hale, Henry"
    QString lastName;
    std::vector<qint64> children;
};

// Adds the family in one transaction: each person a new prospect (as the roll
// call adds a visitor), the parent head of the household with the phone, the
// outreach's first step and the children listed under the parent as son or
// daughter, each child in the class chosen for the service.
NewFamily addVisitorFamily(Database& db, const VisitorFamily& family, const QString& serviceCode, const QDate& visited,
    const QString& user, const QDateTime& now);

// The few big boxes a visiting family is taken down in at the station.
class VisitorFamilyDialog : public QDialog {
    Q_OBJECT
public:
    VisitorFamilyDialog(const QString& serviceCode, const QDate& visited, QWidget* parent = nullptr);

    // After Accepted: what was written.
    const NewFamily& added() const { return m_added; }

private:
    void btnAdd_clicked();
    // The family as typed; false, after saying what is missing, when it cannot be added.
    bool read(VisitorFamily& family);

    static constexpr int kChildren = 4;
    QString m_serviceCode;
    QDate m_visited;
    QLineEdit* txtParentFirst;
    QLineEdit* txtParentLast;
    QLineEdit* txtPhone;
    std::array<QLineEdit*, kChildren> txtChild;
    std::array<QLineEdit*, kChildren> txtBorn;
    std::array<QComboBox*, kChildren> cmbGender;
    std::array<QComboBox*, kChildren> cmbClass;
    QPushButton* btnAdd;
    QPushButton* btnCancel;
    NewFamily m_added;
};

} // namespace pw::checkin
