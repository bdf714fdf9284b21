#pragma once

// The "Church Responsibilies" frame of the member screen: the grid of the
// person's responsibilities and the controls that add and remove them,
// including the deacon rule.

#include <QGroupBox>

class QLineEdit;

namespace Ui {
class ResponsibilityPanel;
}

namespace pw::members {

class ResponsibilityPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ResponsibilityPanel(QWidget* parent = nullptr);
    ~ResponsibilityPanel() override;

    // The screen's txtMemberID; read, never written.
    void bind(QLineEdit* memberId);

    // Refills cmbResp; it ends without selection.
    void reloadLists();
    // cmbResp without selection, dtRespStart and dtRespEnd to today, the grid
    // emptied (header only).
    void clear();
    // LoadResponsibilities: refills the grid for the person in the ID box.
    void loadResponsibilities();

    Ui::ResponsibilityPanel* ui;

signals:
    // Emitted after a responsibility was added or removed and the grid was
    // reloaded. The screen then reloads its lists and tells the workspace
    // that members changed (the deacon list and the navigators depend on it).
    void responsibilitiesChanged();
};

} // namespace pw::members
