#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace pw::giving {

// What the member screen's "Giving" tab shows of one person: the gifts of a
// year (this year first, earlier years on choice) with their fund, amount,
// method and check number, the totals per fund and in all, and the pledges
// running in that year against what was given to them. The person's own
// giving only: a joint statement adds the household's. Above them the
// person's envelope number and statement unit (with the household, or
// alone), stored at once by "Save Envelope" for a user who holds "Giving
// Entry/Edit", like the family frame's rows; so are the pledges added and
// removed under the pledge list. Shown only to a user who holds
// "Giving View".
class GivingPanel : public QWidget {
    Q_OBJECT
public:
    explicit GivingPanel(QWidget* parent = nullptr);

    // Shows the person's giving; 0 clears the panel.
    void showPerson(qint64 id);

private:
    void showYear();
    void btnSaveEnvelope_clicked();
    void btnAddPledge_clicked();
    void btnRemovePledge_clicked();

    QLineEdit* txtEnvelope;
    QComboBox* cmbStatementUnit;
    QPushButton* btnSaveEnvelope;
    QComboBox* cmbGivingYear;
    QTreeWidget* lstGifts;
    QTreeWidget* lstFundTotals;
    QTreeWidget* lstPledges;
    QComboBox* cmbPledgeFund;
    QDateEdit* dtPledgeStart;
    QDateEdit* dtPledgeEnd;
    QLineEdit* txtPledgeAmount;
    QPushButton* btnAddPledge;
    QPushButton* btnRemovePledge;
    QLabel* lblGivingTotal;
    qint64 m_person = 0;
};

} // namespace pw::giving
