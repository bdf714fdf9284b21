#pragma once

#include "navigators/ProspectSearch.h"

#include <QList>
#include <QWidget>
#include <memory>

namespace Ui {
class frmProspectNavigator;
}

namespace pw {
class ResultModel;
enum class Choice;
}

namespace pw::navigators {

class HouseholdChoiceControls;

// The prospect navigator: the people found by outreach criteria (phase, the
// planned next contact, the contacts made) in one grid, the contacts of the
// current one in a second grid, and the prospect list, mailing labels and
// visitation sheets for the people listed.
class frmProspectNavigator : public QWidget {
    Q_OBJECT
public:
    explicit frmProspectNavigator(QWidget* parent = nullptr);
    ~frmProspectNavigator() override;

    // Refills every pick list (each ends without a choice), empties both
    // grids, the search and map boxes, sets the four dates to today and
    // unticks both ranges. The name box keeps its text.
    void LoadSearchValues();
    // Lists the people who meet every criterion; the contacts grid is emptied.
    void UpdateGrids();

    ProspectCriteria criteria() const;
    // The people listed, in the order the grid shows them.
    QList<qint64> listedIds() const;

    QSize sizeHint() const override;

private:
    std::unique_ptr<HouseholdChoiceControls> m_households;
    Ui::frmProspectNavigator* ui;
    ResultModel* m_prospects = nullptr;
    ResultModel* m_contacts = nullptr;

    void btnClear_clicked();
    void btnPrintPS_clicked();
    // The contacts of the prospect in the current row; nothing changes
    // without a current row.
    void vsfgMembers_currentRowChanged();
    void clearContacts();
    void clearProspects();
    // Refills the pick lists of criteria from the shared lists; with
    // Choice::Keep each keeps its choice where the entry is still there.
    void reloadPickLists(Choice choice);
};

} // namespace pw::navigators
