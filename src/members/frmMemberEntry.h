#pragma once

#include "widgets/EditTracker.h"
#include "data/Members.h"

#include <QWidget>
#include <optional>
#include <vector>

class QPushButton;

namespace Ui {
class frmMemberEntry;
}

namespace pw::members {

class MemberFields;
class MemberPanel;
class PicturePanel;
class ProspectContactsPanel;

// The member entry screen: one person's Member row on six tabs, with the
// family and responsibility frames and the picture. Whether a save adds or
// changes a row depends only on whether the ID box holds an identifier.
//
// The window is the wiring of its panels (MemberPanel: the fields, the
// picture, family, responsibilities, contacts, attendance) and the save
// path; each panel holds the rules of its part.
//
// Nothing typed is lost without a question: choosing another person, "New",
// "Exit", closing the window, opening a relative from the family grid and
// LoadMember ask "Save changes to <name>?" first (see EditTracker). A save
// writes only what the user changed since the person was loaded, so another
// workstation's changes made meanwhile stay; when both changed the same
// field, the user chooses whose value stays.
class frmMemberEntry : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmMemberEntry(QWidget* parent = nullptr);
    ~frmMemberEntry() override;

    // Shows the person with this identifier, read afresh, after asking about
    // unsaved changes. A person added after the lists were filled is found by
    // reloading them; for one that does not exist a message says so and the
    // screen stays as it was. False when the person is not shown (gone, or
    // the user chose to stay with the unsaved changes).
    bool LoadMember(qint64 memberId);
    // Refills every pick list; each keeps its choice when it still can.
    void ReloadListValues();

    // Reads the person chosen in cmbMember into the screen.
    void LoadSelectedMember();
    void ClearMemberScreen();
    // Checks the required fields and writes the row (and a newly loaded
    // picture); true when written. The screen then shows the row as stored.
    bool SaveMember();

    EditTracker* editTracker() override { return m_tracker; }
    // Ctrl+S: the permission test and SaveMember, keeping the person on screen.
    void saveKeepingRecord() override;

private:
    // Emits the workspace's membersChanged without reloading this screen's lists in answer.
    void announceMembersChanged();
    Ui::frmMemberEntry* ui;

    // Puts a panel in the list every step of the screen runs over (lists
    // reloaded, screen cleared, record shown, person loaded), after those
    // added before it.
    void addPanel(MemberPanel* panel);

    void btnNew_clicked();
    // Starts a new person of the household shown: the head's last name,
    // address and home phone filled in; the first save links the person to
    // the head with the relationship chosen in the family frame.
    void btnNewFamilyMember_clicked();
    // The head of household whose household the person on screen belongs
    // to: the person when a head, else the one head who lists the person;
    // 0 after saying why there is none.
    qint64 householdHead();
    // The new person of that household, without asking about the screen.
    void startFamilyMember(qint64 headId);
    void btnSaveNew_clicked();
    void btnSaveClose_clicked();
    void btnDelete_clicked();
    void cmbMember_changed(int index);

    // Every panel shows the row, which becomes the one the next save compares with.
    void showRecord(const MemberRecord& record);
    void startNewEntry();

    // The permission test at save time (it also renews "View only"), then SaveMember.
    bool saveWithChecks();
    // True when the screen's content may be replaced: nothing unsaved, or
    // the user saved or discarded it.
    bool mayLeaveRecord();
    // Puts cmbMember back on the person shown, without loading anything.
    void showListedPerson();
    QString recordName() const;

    EditTracker* m_tracker = nullptr;
    QPushButton* m_delete = nullptr; // "Delete", placed beside "Exit"
    MemberFields* m_fields = nullptr; // the person's own boxes, lists, ticks and dates
    PicturePanel* m_picture = nullptr; // the picture box
    ProspectContactsPanel* m_contacts = nullptr; // "Contacts Made"
    std::vector<MemberPanel*> m_panels; // in the order each step runs over them
    std::optional<MemberRecord> m_loaded; // the person as read, to save only what changed since
    bool m_announcing = false; // while this screen tells the workspace of its own change
    qint64 m_listedId = 0; // the person cmbMember shows for the screen's record; 0: none
    qint64 m_joinsHead = 0; // a new family member: the head its first save links it to; 0: none
};

} // namespace pw::members
