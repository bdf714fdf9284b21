#pragma once

#include "rosters/Rosters.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace pw::rosters {

// What the member screen's "Serving" tab shows of one person: the turns they
// are down for from today on (confirmed or not), the times they cannot serve,
// and how often they would serve in each active position. Every change is
// written at once, like the family frame's rows: a turn confirmed or taken
// off, a time away added or removed, a preference chosen. Changes need
// "Member Entry/Edit"; without it the tab only shows.
class RosterPanel : public QWidget {
    Q_OBJECT
public:
    explicit RosterPanel(QWidget* parent = nullptr);

    // Shows the person's turns, times away and preferences; 0 clears the
    // panel and leaves it disabled.
    void showPerson(qint64 id);

private:
    void showTurns();
    void showAway();
    void showPreferences();
    void btnConfirmTurn_clicked();
    void btnRemoveTurn_clicked();
    void btnAddAway_clicked();
    void btnRemoveAway_clicked();
    void preferenceChosen(qint64 positionId, QComboBox* box);
    // The turn of the chosen line, or nullptr after saying to choose one.
    const Assignment* chosenTurn();
    void saveTurn(const RosterChanges& changes, const QString& status);

    QTreeWidget* grdServing;
    QPushButton* btnConfirmTurn;
    QPushButton* btnRemoveTurn;
    QTreeWidget* grdAway;
    QDateEdit* dtAwayFrom;
    QCheckBox* chkAwayTo;
    QDateEdit* dtAwayTo;
    QComboBox* cmbRepeats;
    QLineEdit* txtAwayNote;
    QPushButton* btnAddAway;
    QPushButton* btnRemoveAway;
    QTreeWidget* grdPreferences;
    qint64 m_person = 0;
    QString m_name; // "Hale, Helen"
    bool m_mayChange = false;
    std::vector<Assignment> m_turns; // as grdServing lists them
    QHash<qint64, Position> m_positions; // every position, the inactive ones too
};

} // namespace pw::rosters
