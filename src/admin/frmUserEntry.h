#pragma once

#include "data/Users.h"
#include "widgets/EditTracker.h"

#include <QWidget>
#include <optional>

class QListWidget;

namespace Ui {
class frmUserEntry;
}

namespace pw::admin {

// The user entry screen: the login account of one member (user name,
// password, type, inactive) and, for a "User", the permissions granted.
// The name list offers the members whose status is "Member" and everyone who
// has an account already, whatever their status now.
class frmUserEntry : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmUserEntry(QWidget* parent = nullptr);
    ~frmUserEntry() override;

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;

    // Stores the account with every check and message; true when stored.
    bool save();

private:
    Ui::frmUserEntry* ui;

    void reloadNames();
    // "Username Exists": the box emptied, the focus in it.
    void refuseTakenName();
    void cmbName_changed();
    void loadAccount(qint64 memberId);
    void clearAccount();
    void cmbType_changed();
    void txtUsername_LostFocus();
    void btnSave_clicked();
    void move(QListWidget* from, QListWidget* to, bool all);
    Users::AccountEdit accountFromScreen() const;

    EditTracker* m_tracker = nullptr;
    qint64 m_memberId = 0; // the member whose account is shown
    std::optional<Users::AccountEdit> m_loaded; // the account as shown; nothing when the member has none
    bool m_quiet = false;
};

} // namespace pw::admin
