#pragma once

#include <QImage>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace Ui {
class frmMemberEntry;
}

namespace pw {
struct MemberRecord;
}

namespace pw::members {

class ProspectContactsPanel;

// The member entry screen: one person's Member row on six tabs, with the
// family and responsibility frames and the picture. Whether a save adds or
// changes a row depends only on whether the ID box holds an identifier.
class frmMemberEntry : public QWidget {
    Q_OBJECT
public:
    explicit frmMemberEntry(QWidget* parent = nullptr);
    ~frmMemberEntry() override;

    // Shows the person with this identifier, read afresh. A person added
    // after the lists were filled is found by reloading them; for one that
    // does not exist a message says so and the screen stays as it was.
    void LoadMember(qint64 memberId);
    // Refills every pick list; each ends without selection.
    void ReloadListValues();

    // Reads the person chosen in cmbMember into the screen.
    void LoadSelectedMember();
    void ClearMemberScreen();
    // Checks the required fields and writes the row (and a newly loaded
    // picture); true when written.
    bool SaveMember();

private:
    Ui::frmMemberEntry* ui;

    void btnNew_clicked();
    void btnSaveNew_clicked();
    void btnSaveClose_clicked();
    void btnLoadPic_clicked();
    void cmbMember_changed(int index);
    void cmbChurchStatus_changed();
    void chkNewEmail_toggled(bool checked);

    void EnableChurchFields();
    void DisableChurchFields();
    void setChurchFieldsEnabled(bool enabled);
    void showRecord(const MemberRecord& record);
    MemberRecord recordFromScreen() const;
    void showPicture(const QImage& image);
    void startNewEntry();

    ProspectContactsPanel* m_contacts = nullptr; // "Contacts Made"
    QImage m_picture; // the picture shown, scaled; written at save when a file type is set
};

} // namespace pw::members
