#pragma once

#include "widgets/EditTracker.h"
#include "data/Phases.h"
#include "outreach/ValueLists.h"

#include <QWidget>
#include <vector>

namespace Ui {
class frmOutreachPhaseEntry;
}

namespace pw {
class ResultModel;
}

namespace pw::outreach {

// The church's outreach phases, edited as one table: choosing a phase in the
// grid puts it in the four boxes, "Update" applies the boxes to that phase
// (or adds a phase when none is chosen, after "New"), "Remove" takes the
// chosen phase away, and nothing is stored until "Save And Close" writes the
// whole table in one change. A renamed phase keeps its prospects.
class frmOutreachPhaseEntry : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmOutreachPhaseEntry(QWidget* parent = nullptr);
    ~frmOutreachPhaseEntry() override;

    // Reads the table afresh; the boxes empty, no phase chosen.
    void loadPhases();

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;

private:
    Ui::frmOutreachPhaseEntry* ui;
    EditTracker* m_tracker = nullptr;
    ResultModel* m_model = nullptr;
    ValueLists m_values;
    std::vector<Phases::PhaseRow> m_rows; // the table as edited
    std::vector<Phases::PhaseRow> m_stored; // the table as read
    int m_current = -1; // the chosen phase in m_rows; -1: none (the next Update adds)
    bool m_filling = false;

    bool btnUpdate_clicked();
    void btnNew_clicked();
    void btnRemove_clicked();
    bool save();
    void vsfgPhase_currentRowChanged(int row);

    // The boxes as a phase; loadedName and key those of the chosen phase.
    Phases::PhaseRow rowFromBoxes() const;
    void showInBoxes(const Phases::PhaseRow& row);
    // True when the boxes hold something "Update" has not applied yet.
    bool boxesChanged() const;
    void showTable(int current);
    void focusField(Phases::Field field);
    // Writes the table unless another workstation changed the stored table
    // since it was read (then false, and nothing written); with force, always.
    bool writeTable(bool force, int& renamed);
};

} // namespace pw::outreach
