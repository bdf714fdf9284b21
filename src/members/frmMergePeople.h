#pragma once

#include "data/Members.h"

#include <QSet>
#include <QWidget>
#include <optional>

namespace Ui {
class frmMergePeople;
}

namespace pw::members {

// Members > Merge People...: two records of one person become one. The user
// chooses the record to keep and the one to merge in and remove, sees their
// fields side by side and clicks, per field, the value that stays; "Merge"
// then moves everything that pointed at the removed record to the kept one
// in one transaction and records the merge.
class frmMergePeople : public QWidget {
    Q_OBJECT
public:
    explicit frmMergePeople(QWidget* parent = nullptr);
    ~frmMergePeople() override;

    // Chooses the two people, as the lists would.
    void choose(qint64 keptId, qint64 removedId);
    // Room for both records' values side by side.
    QSize sizeHint() const override { return { 820, 620 }; }

private:
    Ui::frmMergePeople* ui;

    void btnSwap_clicked();
    void btnMerge_clicked();
    void vsfgFields_clicked(int row, int column);
    void reloadLists();
    // Reads the two chosen people afresh and shows their fields with the default choices.
    void loadPair();
    void showChoice(int row);

    std::optional<MemberRecord> m_kept;
    std::optional<MemberRecord> m_removed;
    QSet<QString> m_fromRemoved; // the columns whose removed value stays
};

} // namespace pw::members
