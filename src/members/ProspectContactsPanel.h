#pragma once

// The contacts of the member screen's "Contacts Made" frame: the grid of the
// person's outreach contacts, newest first, the "New Contact" button, and
// what happens on the member screen when the contact screen has saved a
// contact of the person it shows. It binds controls of the member screen's
// form and works on the person whose identifier is in its ID box.

#include "members/MemberPanel.h"

#include <QObject>
#include <functional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pw {
class ResultModel;
}

namespace pw::outreach {
class ValueLists;
}

namespace pw::members {

class ProspectContactsPanel : public QObject, public MemberPanel {
    Q_OBJECT
public:
    // The controls of the member screen this panel works with.
    struct Controls {
        QTableView* grid = nullptr; // vsfgProspectContacts
        QPushButton* newContact = nullptr; // btnNewContact
        QLineEdit* memberId = nullptr; // txtMemberID: read, never written
        QComboBox* nextPhase = nullptr; // cmbNextPhase
        QDateEdit* nextContactDate = nullptr; // dtNextContactDate
        QComboBox* nextContactAction = nullptr; // cmbNextContactAction
        // The screen's lists, which read a value shown as not in the list.
        const outreach::ValueLists* values = nullptr;
    };

    // screen: the member screen; loadMember shows a person on it afresh
    // (its LoadMember).
    ProspectContactsPanel(QWidget* screen, const Controls& controls, std::function<void(qint64)> loadMember);

    // The grid emptied (header only).
    void clear() override;
    // LoadProspectContacts: refills the grid for the person in the ID box.
    void loadProspectContacts();
    void loadPerson(qint64) override { loadProspectContacts(); }

    // After the contact screen saved a contact of this prospect. When the
    // member screen shows that person, it shows the new contact and next
    // step: a screen that tracks unsaved changes asks about them first and
    // is then reloaded whole (when the user stays, only the grid is
    // refreshed); otherwise the grid and the three next-step fields are
    // refreshed and everything typed elsewhere on the screen stays.
    void contactSaved(qint64 prospectId);

private:
    void btnNewContact_clicked();
    void openRow(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    qint64 memberId() const;
    void showNextStep();

    QWidget* m_screen;
    Controls m_ui;
    std::function<void(qint64)> m_loadMember;
    ResultModel* m_model;
};

} // namespace pw::members
