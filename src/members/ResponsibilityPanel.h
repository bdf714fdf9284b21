#pragma once

// The "Church Responsibilies" frame of the member screen: the grid of the
// person's responsibilities and the controls that add and remove them,
// including the deacon rule.

#include "data/Responsibilities.h"
#include "members/MemberPanel.h"

#include <QDate>
#include <QGroupBox>
#include <QVector>

class QLineEdit;

namespace pw {
class ResultModel;
}

namespace Ui {
class ResponsibilityPanel;
}

namespace pw::members {

class ResponsibilityPanel : public QGroupBox, public MemberPanel {
    Q_OBJECT
public:
    explicit ResponsibilityPanel(QWidget* parent = nullptr);
    ~ResponsibilityPanel() override;

    // The screen's txtMemberID; read, never written.
    void bind(QLineEdit* memberId);

    // Refills cmbResp; it ends without selection.
    void reloadLists() override;
    // cmbResp without selection, dtRespStart and dtRespEnd to today, the grid
    // emptied (header only).
    void clear() override;
    // LoadResponsibilities: refills the grid for the person in the ID box.
    void loadResponsibilities();
    void loadPerson(qint64) override { loadResponsibilities(); }

signals:
    // Emitted after a responsibility was added or removed and the grid was
    // reloaded. The screen then reloads its lists and tells the workspace
    // that members changed (the deacon list and the navigators depend on it).
    void responsibilitiesChanged();

private:
    Ui::ResponsibilityPanel* ui;

    void btnAddResp_clicked();
    void btnRemoveResp_clicked();
    void vsfgChurchResponsibilites_currentChanged(int row);
    // The steps that end both Add and Remove.
    void afterChange();
    // The identifier in the ID box; 0 when it holds none.
    qint64 memberId() const;
    // The responsibility the three controls name.
    QString chosenName() const;

    pw::ResultModel* m_model = nullptr;
    QLineEdit* m_memberId = nullptr;
    // The grid's rows as read (dates for choosing a row, all of them for
    // removing only rows the grid showed), and whose they are.
    QVector<Responsibilities::ResponsibilityLine> m_lines;
    qint64 m_linesFor = 0;
};

} // namespace pw::members
