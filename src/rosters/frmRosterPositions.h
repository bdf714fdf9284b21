#pragma once

#include "rosters/Rosters.h"
#include "widgets/EditTracker.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace pw::rosters {

// The positions people serve in, edited as one grid: name, service, how many
// people each place needs, the responsibility a person must hold to serve in
// it (none: anyone may), and whether it is still used. Up and Down set the
// order the roster shows them in. Save writes the changed rows at once; a
// removed position that has turns on the rosters is kept as inactive, so
// past rosters keep its name.
class frmRosterPositions : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmRosterPositions(QWidget* parent = nullptr);

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;
    bool save();

private:
    void load();
    // The rows as on screen, each with its place as its order.
    std::vector<Position> onScreen() const;
    void showRows(const std::vector<Position>& rows, int current);
    void move(int by);
    void btnNew_clicked();
    void btnRemove_clicked();
    QVariant state() const;

    QTableWidget* grdPositions;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnNew;
    QPushButton* btnRemove;
    QPushButton* btnSave;
    QPushButton* btnExit;
    EditTracker* m_tracker = nullptr;
    std::vector<Position> m_loaded;
    std::vector<Position> m_removed; // stored positions taken off the grid
};

} // namespace pw::rosters
