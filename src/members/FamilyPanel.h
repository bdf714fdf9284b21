#pragma once

// The "Family Members" frame of the member screen: the household grid and the
// controls that add, change and remove connections. It works on the person
// whose identifier is in the screen's ID box and reads the screen's head of
// household box at the moment of each load, add and remove.

#include "data/Households.h"
#include "members/MemberPanel.h"

#include <QGroupBox>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace pw {
class ResultModel;
}

namespace Ui {
class FamilyPanel;
}

namespace pw::members {

class FamilyPanel : public QGroupBox, public MemberPanel {
    Q_OBJECT
public:
    explicit FamilyPanel(QWidget* parent = nullptr);
    ~FamilyPanel() override;

    // The screen's txtMemberID and chkHOH; read, never written.
    void bind(QLineEdit* memberId, QCheckBox* headOfHousehold);

    // Refills cmbMemberAdd (people who are not heads of household, with their
    // identifiers) and cmbRelationship; both end without selection.
    void reloadLists() override;
    // No selection in the two lists; the grid emptied (header only).
    void clear() override;
    // LoadFamilyMembers: refills the grid for the person in the ID box.
    void loadFamilyMembers();
    void loadPerson(qint64) override { loadFamilyMembers(); }

    // A new person on screen is to join this head's household: the frame
    // says so, and "Relationship" names the relationship the first save
    // links the person with. An empty name ends that.
    void showJoiningHousehold(const QString& headName);
    // The relationship chosen in "Relationship"; empty when none is.
    QString chosenRelationship() const;
    QWidget* relationshipBox() const;

signals:
    // A data row was double-clicked: the screen loads that person.
    void openMemberRequested(qint64 memberId);
    // "New Family Member" in the frame: the screen starts one.
    void newFamilyMemberRequested();

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
    // The relationships the grid shows for this relative of the head on
    // screen; nullopt when the grid does not show that head's relatives.
    std::optional<QStringList> shownRelationships(qint64 id, qint64 relativeId) const;
    // After a change that another workstation's changes overtook: the grid
    // is read again and the user is told.
    void showChangedElsewhere();

    pw::ResultModel* m_model = nullptr;
    QLineEdit* m_memberId = nullptr;
    QCheckBox* m_headOfHousehold = nullptr;
    // The rows the grid shows, whose person and in which view.
    std::vector<FamilyRow> m_shown;
    qint64 m_shownFor = 0;
    bool m_shownAsHead = false;
};

} // namespace pw::members
