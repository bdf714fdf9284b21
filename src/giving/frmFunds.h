#pragma once

#include "widgets/EditTracker.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace pw::giving {

// The funds gifts go to, edited as one grid: name, description, whether the
// fund is still offered for new gifts and whether gifts to it are tax
// deductible, and the order the lists show them in. "Add Fund" adds a row;
// Save writes every changed row at once. Funds are never removed, as gifts
// name them; one no longer used is made inactive.
class frmFunds : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmFunds(QWidget* parent = nullptr);

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;
    bool save();

private:
    void load();
    void addRow(qint64 id, const QString& name, const QString& description, bool active, bool deductible, int order);
    QVariant state() const;

    QTableWidget* grdFunds;
    QPushButton* btnAddFund;
    QPushButton* btnSave;
    QPushButton* btnExit;
    EditTracker* m_tracker = nullptr;
};

} // namespace pw::giving
