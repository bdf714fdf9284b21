#pragma once

#include "navigators/MemberSearch.h"

#include <QList>

namespace pw::attendance {
class SinceCriterionBox;
}
#include <QWidget>
#include <memory>

namespace Ui {
class frmMemberNavigator;
}

namespace pw {
class ResultModel;
enum class Choice;
}

namespace pw::navigators {

class HouseholdChoiceControls;

// The member navigator: sixteen criteria over every person, "Find" listing
// the people who meet all of them, a double-click opening one on the member
// screen, and the member list and mailing labels for the people listed.
class frmMemberNavigator : public QWidget {
    Q_OBJECT
public:
    explicit frmMemberNavigator(QWidget* parent = nullptr);
    ~frmMemberNavigator() override;

    // Refills every pick list (each ends without a choice), empties the grid
    // and sets both dates to today. The text boxes and the "Member Since"
    // box keep what they hold. Runs when a person or a responsibility is
    // saved elsewhere, so the lists show the new names.
    void LoadSearchValues();
    // Lists the people who meet every criterion.
    void UpdateGrids();

    // The criteria as the controls show them.
    MemberCriteria criteria() const;
    // The people listed, in the order the grid shows them.
    QList<qint64> listedIds() const;

    QSize sizeHint() const override;

private:
    std::unique_ptr<HouseholdChoiceControls> m_households;
    Ui::frmMemberNavigator* ui;
    ResultModel* m_members = nullptr;
    attendance::SinceCriterionBox* m_attended = nullptr;

    void btnClear_clicked();
    void showFound(bool searched);
    // Refills the pick lists of criteria from the shared lists; with
    // Choice::Keep each keeps its choice where the entry is still there.
    void reloadPickLists(Choice choice);
};

} // namespace pw::navigators
