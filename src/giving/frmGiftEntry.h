#pragma once

#include "giving/Batches.h"
#include "widgets/EditTracker.h"

#include <QHash>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace pw::giving {

// Gift entry, made for a counting team at a keyboard: a batch (deposit) is
// chosen or started, then each gift is typed in one row (envelope number or
// the giver's name, amount, fund, method, check number) and Enter puts it in
// the batch and starts the next. Ctrl+D repeats the last amount; "Split"
// gives one gift several funds. The batch's running total and count stand
// against the counted control total and count, the difference in red until
// it is zero. Nothing is stored until Save, which writes the batch's changes
// at once; a closed batch is shown but not changed: a returned check of it is
// recorded with "Return Gift", which enters a gift taking it back.
class frmGiftEntry : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmGiftEntry(QWidget* parent = nullptr);

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;
    bool save();

    // The gifts the batch holds on screen, saved or not.
    std::vector<EntryGift> gifts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        EntryGift gift;
        EntryGift loaded; // as stored; id 0 for a gift entered on screen
    };

    void fillBatches(qint64 chosen);
    void cmbBatch_activated();
    void btnNewBatch_clicked();
    void loadBatch(const Batch& batch);
    void btnEnterGift_clicked();
    void btnSplit_clicked();
    void btnEditGift_clicked();
    void btnRemoveGift_clicked();
    void btnReturnGift_clicked();
    void btnDepositReport_clicked();
    void btnCloseBatch_clicked();
    void btnReopenBatch_clicked();
    void dittoAmount();
    bool envelopeEntered();
    void giverChosen();
    // The amount and fund in the entry row as a line; Empty when no amount
    // is typed and none is required, Refused (after a message) when what is
    // typed cannot be a line.
    enum class LineRead { Read, Empty, Refused };
    LineRead readLine(GiftLine& line, bool required);
    void clearEntry();
    void showGifts();
    void showTotals();
    void showBatchState();
    Batch batchOnScreen() const;
    QString fundName(qint64 id) const;

    QComboBox* cmbBatch;
    QPushButton* btnNewBatch;
    QDateEdit* dtBatchDate;
    QLineEdit* txtBatchDescription;
    QLineEdit* txtControlTotal;
    QLineEdit* txtControlCount;
    QLabel* lblBatchState;
    QPushButton* btnCloseBatch;
    QLineEdit* txtReopenReason;
    QPushButton* btnReopenBatch;
    QGroupBox* grpGift;
    QLineEdit* txtEnvelope;
    QComboBox* cmbGiver;
    QLabel* lblGiver;
    QLineEdit* txtAmount;
    QComboBox* cmbFund;
    QPushButton* btnSplit;
    QListWidget* lstSplit;
    QComboBox* cmbMethod;
    QLineEdit* txtCheckNumber;
    QLineEdit* txtNote;
    QLineEdit* txtGoods;
    QLineEdit* txtReturned;
    QPushButton* btnEnterGift;
    QTableWidget* grdGifts;
    QPushButton* btnEditGift;
    QPushButton* btnRemoveGift;
    QPushButton* btnReturnGift;
    QPushButton* btnDepositReport;
    QLabel* lblTotals;
    QLabel* lblVariance;
    QPushButton* btnSave;
    QPushButton* btnExit;

    EditTracker* m_tracker = nullptr;
    Batch m_batch; // as loaded (id 0: a new batch)
    std::vector<Row> m_rows;
    std::vector<qint64> m_removed;
    std::vector<GiftLine> m_split; // lines put aside for the gift being typed
    std::vector<Fund> m_funds;
    int m_editing = -1; // the row the entry row replaces; -1 adds a gift
    qint64 m_lastCents = 0;
    QHash<qint64, QString> m_giverTexts; // giverText() of each giver shown
};

} // namespace pw::giving
