#pragma once

#include "people/PossibleDuplicates.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace pw {
class ResultModel;
}

namespace pw::members {

// Members > Merge People... > Possible Duplicates...: the pairs of people the
// duplicate rule finds over the whole church, with why. A pair opens in the
// merge window with both people chosen; "Not the Same Person" keeps it from
// being offered again. For "Admin" accounts, as merging is.
class frmPossibleDuplicates : public QWidget {
    Q_OBJECT
public:
    explicit frmPossibleDuplicates(QWidget* parent = nullptr);

    QSize sizeHint() const override { return { 760, 480 }; }

private:
    void btnMerge_clicked();
    void btnNotSame_clicked();
    // Finds the pairs afresh over the whole church.
    void refresh();
    // After a merge or delete elsewhere: the pairs of people who are gone
    // leave the list; the rest stay until the next refresh.
    void dropPairsOfMissingPeople();
    void showPairs();
    // The pair on the grid's current row; nullptr when none is chosen.
    const people::PossibleDuplicate* currentPair() const;

    QTableView* vsfgPairs;
    ResultModel* m_model;
    QLabel* lblCount;
    QPushButton* btnMerge;
    QPushButton* btnNotSame;
    QList<people::PossibleDuplicate> m_pairs;
};

} // namespace pw::members
