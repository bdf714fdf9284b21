#pragma once

// The "Family Members" frame of the member screen: the household grid and the
// controls that add, change and remove connections. It works on the person
// whose identifier is in the screen's ID box and reads the screen's head of
// household box at the moment of each load, add and remove.

#include <QGroupBox>

class QCheckBox;
class QLineEdit;

namespace pw {
class ResultModel;
}

namespace Ui {
class FamilyPanel;
}

namespace pw::members {

class FamilyPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FamilyPanel(QWidget* parent = nullptr);
    ~FamilyPanel() override;

    // The screen's txtMemberID and chkHOH; read, never written.
    void bind(QLineEdit* memberId, QCheckBox* headOfHousehold);

    // Refills cmbMemberAdd (people who are not heads of household, with their
    // identifiers) and cmbRelationship; both end without selection.
    void reloadLists();
    // No selection in the two lists; the grid emptied (header only).
    void clear();
    // LoadFamilyMembers: refills the grid for the person in the ID box.
    void loadFamilyMembers();

signals:
    // A data row was double-clicked: the screen loads that person.
    void openMemberRequested(qint64 memberId);

private:
    Ui::FamilyPanel* ui;

    void btnAddFamMember_clicked();
    void btnRemoveFamMember_clicked();
    void vsfgFamilyMembers_currentRowChanged(int row);
    void openRow(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The identifier in the ID box; 0 when it holds none.
    qint64 memberId() const;
    bool isHead() const;

    pw::ResultModel* m_model = nullptr;
    QLineEdit* m_memberId = nullptr;
    QCheckBox* m_headOfHousehold = nullptr;
};

} // namespace pw::members
