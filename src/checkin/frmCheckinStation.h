#pragma once

#include "checkin/Checkin.h"
#include "data/Lookups.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>
#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QShortcut;
class QTabWidget;

namespace pw::checkin {

// What the check-in screens share.

// The service a station opens on: the first of the services that meets on
// that weekday, else Sunday School.
QString serviceMeetingOn(const QDate& day);
// Fills a service list with the five services (name, code as data) and
// chooses the one meeting on day.
void fillServices(QComboBox* combo, const QDate& day);
// The classes of the service, by name; none for a service without classes.
QVector<PickItem> classesOfService(const QString& serviceCode);
// "today", or "on 3/15/2026" for another day.
QString dayWords(const QDate& day);
// The big type, buttons and rows of a screen used standing up, by touch.
void makeTouchFriendly(QWidget* screen);
// A list whose rows are large enough to tap.
void makeTouchList(QListWidget* list);

// The station in the hall where parents check their children in to their
// classes and pick them up again. A family is found by the last four digits
// of a phone or the start of the last name; its children are ticked, checked
// in under one code, and their name labels and the parent's stub printed.
// The second page checks the children of a code out.
class frmCheckinStation : public QWidget {
    Q_OBJECT
public:
    explicit frmCheckinStation(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString serviceCode() const;
    QDate day() const;
    bool mayCheck() const;
    void updateButtons();
    void meetingChanged();
    void btnSearch_clicked();
    void familyChosen();
    // Shows the family of headId; alsoTick are ticked and shown even when
    // listed as adults (new children whose birth date is not known).
    void showHousehold(qint64 headId, const QSet<qint64>& alsoTick = {});
    void chkAdults_toggled();
    void btnCheckIn_clicked();
    void btnReprint_clicked();
    void btnAddVisitor_clicked();
    // Prints the labels of these people under code, for the service and day
    // on screen; false when no printer took them.
    bool printFor(const QString& code, const QList<qint64>& people);
    void showCode(const QString& code, const QString& outcome);
    void btnFullScreen_toggled(bool on);
    QString firstName(qint64 id) const;
    QString pronoun(qint64 id) const;

    void txtCode_entered();
    void btnCheckOut_clicked();
    // The Labels page: this computer's label size, the labels shown in the
    // viewer (to save them as PDF) instead of printed, and a test page.
    QWidget* labelsPage();

    QComboBox* cmbService;
    QDateEdit* dtDay;
    QPushButton* btnFullScreen;
    QTabWidget* tabPages;
    QLineEdit* txtSearch;
    QPushButton* btnSearch;
    QLabel* lblFound;
    QListWidget* lstFamilies;
    QListWidget* lstPeople;
    QCheckBox* chkAdults;
    QPushButton* btnCheckIn;
    QPushButton* btnReprint;
    QPushButton* btnAddVisitor;
    QLabel* lblCode;
    QLabel* lblResult;
    QLineEdit* txtCode;
    QPushButton* btnFindCode;
    QListWidget* lstPickup;
    QPushButton* btnCheckOut;
    QLabel* lblOutcome;
    QComboBox* cmbLabelSize;
    QCheckBox* chkShowLabels;
    QPushButton* btnTestLabels;
    QShortcut* m_escape;

    qint64 m_headId = 0;
    std::vector<Person> m_people;
    std::vector<CheckinRow> m_pickup;
    Qt::WindowStates m_windowState;
    Qt::WindowStates m_frameState;
};

} // namespace pw::checkin
