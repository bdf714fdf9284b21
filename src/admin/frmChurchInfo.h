#pragma once

#include "data/Church.h"
#include "widgets/EditTracker.h"

#include <QWidget>
#include <optional>

namespace Ui {
class frmChurchInfo;
}

namespace pw::admin {

// The church's own details and the type-ahead delay (the "Setup" window):
// the first row of the Church table, added when the table is empty. It opens
// by itself at start-up on a database without church details.
class frmChurchInfo : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmChurchInfo(QWidget* parent = nullptr);
    ~frmChurchInfo() override;

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;

    // Stores the row with every check and message, and puts the new delay
    // to use at once; true when stored.
    bool save();

private:
    Ui::frmChurchInfo* ui;

    void load();
    rows::Values valuesFromScreen() const;
    void txtKeyPressDelay_LostFocus();
    void btnSave_clicked();

    EditTracker* m_tracker = nullptr;
    std::optional<Church::Row> m_loaded; // the row as stored when loaded; nothing for an empty table
    rows::Values m_shown; // what the controls showed after loading
    QString m_shownStatementText; // the statement wording as loaded
};

} // namespace pw::admin
