#include "giving/frmGiftEntry.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "giving/GivingReports.h"
#include "giving/Money.h"
#include "reports/ReportOutput.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw::giving {

namespace {

    // The giver list's first entry: cash nobody put in an envelope.
    constexpr qint64 kLooseOffering = -1;

    QString batchText(const Batch& b)
    {
        QString text = formats::dateText(b.date);
        if (!b.description.trimmed().isEmpty())
            text += QStringLiteral(" ") + b.description.trimmed();
        if (b.closed)
            text += QCoreApplication::translate("pw::giving::frmGiftEntry", " (closed)");
        return text;
    }
} // namespace

frmGiftEntry::frmGiftEntry(QWidget* parent)
    : QWidget(parent)
    , cmbBatch(named(new QComboBox, "cmbBatch"))
    , btnNewBatch(named(new QPushButton(tr("&New Batch")), "btnNewBatch"))
    , dtBatchDate(named(new DateBox, "dtBatchDate"))
    , txtBatchDescription(named(new QLineEdit, "txtBatchDescription"))
    , txtControlTotal(named(new QLineEdit, "txtControlTotal"))
    , txtControlCount(named(new QLineEdit, "txtControlCount"))
    , lblBatchState(named(new QLabel, "lblBatchState"))
    , btnCloseBatch(named(new QPushButton(tr("&Close Batch")), "btnCloseBatch"))
    , txtReopenReason(named(new QLineEdit, "txtReopenReason"))
    , btnReopenBatch(named(new QPushButton(tr("&Reopen Batch")), "btnReopenBatch"))
    , grpGift(named(new QGroupBox(tr("Gift")), "grpGift"))
    , txtEnvelope(named(new QLineEdit, "txtEnvelope"))
    , cmbGiver(named(new QComboBox, "cmbGiver"))
    , lblGiver(named(new QLabel, "lblGiver"))
    , txtAmount(named(new QLineEdit, "txtAmount"))
    , cmbFund(named(new QComboBox, "cmbFund"))
    , btnSplit(named(new QPushButton(tr("S&plit")), "btnSplit"))
    , lstSplit(named(new QListWidget, "lstSplit"))
    , cmbMethod(named(new QComboBox, "cmbMethod"))
    , txtCheckNumber(named(new QLineEdit, "txtCheckNumber"))
    , txtNote(named(new QLineEdit, "txtNote"))
    , txtGoods(named(new QLineEdit, "txtGoods"))
    , txtReturned(named(new QLineEdit, "txtReturned"))
    , btnEnterGift(named(new QPushButton(tr("&Enter Gift")), "btnEnterGift"))
    , grdGifts(named(new QTableWidget, "grdGifts"))
    , btnEditGift(named(new QPushButton(tr("E&dit Gift")), "btnEditGift"))
    , btnRemoveGift(named(new QPushButton(tr("Re&move Gift")), "btnRemoveGift"))
    , btnReturnGift(named(new QPushButton(tr("Re&turn Gift...")), "btnReturnGift"))
    , btnDepositReport(named(new QPushButton(tr("Deposit Rep&ort")), "btnDepositReport"))
    , lblTotals(named(new QLabel, "lblTotals"))
    , lblVariance(named(new QLabel, "lblVariance"))
    , btnSave(named(new QPushButton(tr("&Save")), "btnSave"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmGiftEntry"));
    setWindowTitle(tr("Gift Entry"));

    auto* batchBox = new QGroupBox(tr("Batch"));
    auto* batchGrid = new QGridLayout(batchBox);
    batchGrid->addWidget(new QLabel(tr("Batch")), 0, 0);
    batchGrid->addWidget(cmbBatch, 0, 1, 1, 3);
    batchGrid->addWidget(btnNewBatch, 0, 4);
    batchGrid->addWidget(new QLabel(tr("Date")), 1, 0);
    batchGrid->addWidget(dtBatchDate, 1, 1);
    batchGrid->addWidget(new QLabel(tr("Description")), 1, 2);
    batchGrid->addWidget(txtBatchDescription, 1, 3, 1, 2);
    batchGrid->addWidget(new QLabel(tr("Control Total")), 2, 0);
    batchGrid->addWidget(txtControlTotal, 2, 1);
    batchGrid->addWidget(new QLabel(tr("Control Count")), 2, 2);
    batchGrid->addWidget(txtControlCount, 2, 3);
    batchGrid->addWidget(lblBatchState, 3, 0, 1, 2);
    batchGrid->addWidget(btnCloseBatch, 3, 2);
    batchGrid->addWidget(txtReopenReason, 3, 3);
    batchGrid->addWidget(btnReopenBatch, 3, 4);
    batchGrid->setColumnStretch(3, 1);
    dtBatchDate->setCalendarPopup(true);
    dtBatchDate->setDisplayFormat(formats::dateFormat());
    txtBatchDescription->setMaxLength(100);
    txtControlCount->setValidator(new QIntValidator(0, 1000000, txtControlCount));
    txtReopenReason->setPlaceholderText(tr("Reason for reopening"));
    txtReopenReason->setMaxLength(200);

    auto* giftGrid = new QGridLayout(grpGift);
    giftGrid->addWidget(new QLabel(tr("Envelope")), 0, 0);
    giftGrid->addWidget(txtEnvelope, 0, 1);
    giftGrid->addWidget(new QLabel(tr("Giver")), 0, 2);
    giftGrid->addWidget(cmbGiver, 0, 3, 1, 3);
    giftGrid->addWidget(lblGiver, 1, 3, 1, 3);
    giftGrid->addWidget(new QLabel(tr("Amount")), 2, 0);
    giftGrid->addWidget(txtAmount, 2, 1);
    giftGrid->addWidget(new QLabel(tr("Fund")), 2, 2);
    giftGrid->addWidget(cmbFund, 2, 3);
    giftGrid->addWidget(btnSplit, 2, 4);
    giftGrid->addWidget(lstSplit, 3, 3, 1, 2);
    giftGrid->addWidget(new QLabel(tr("Method")), 4, 0);
    giftGrid->addWidget(cmbMethod, 4, 1);
    giftGrid->addWidget(new QLabel(tr("Check No.")), 4, 2);
    giftGrid->addWidget(txtCheckNumber, 4, 3);
    giftGrid->addWidget(new QLabel(tr("Received in Return")), 4, 4);
    giftGrid->addWidget(txtReturned, 4, 5);
    giftGrid->addWidget(new QLabel(tr("Goods")), 5, 0);
    giftGrid->addWidget(txtGoods, 5, 1, 1, 3);
    giftGrid->addWidget(new QLabel(tr("Note")), 6, 0);
    giftGrid->addWidget(txtNote, 6, 1, 1, 3);
    giftGrid->addWidget(btnEnterGift, 6, 4, 1, 2);
    giftGrid->setColumnStretch(3, 1);
    txtEnvelope->setValidator(new QIntValidator(1, 999999999, txtEnvelope));
    txtEnvelope->setMaximumWidth(110);
    txtAmount->setMaximumWidth(130);
    txtCheckNumber->setMaxLength(20);
    txtNote->setMaxLength(200);
    txtGoods->setMaxLength(200);
    txtGoods->setPlaceholderText(tr("A gift of goods: what was given (no amount)"));
    txtReturned->setMaximumWidth(110);
    txtReturned->setToolTip(tr("What the giver received for the gift (a dinner ticket): the statement "
                               "counts only the part above it as deductible."));
    lstSplit->setMaximumHeight(70);
    lstSplit->setFocusPolicy(Qt::NoFocus);
    for (const QString& method : methods())
        cmbMethod->addItem(methodText(method), method);
    limitPopupRows(cmbGiver);
    attachTypeAhead({ cmbGiver, cmbFund, cmbMethod, cmbBatch });

    grdGifts->setColumnCount(6);
    grdGifts->setHorizontalHeaderLabels(
        { tr("Giver"), tr("Amount"), tr("Fund"), tr("Method"), tr("Check No."), tr("Note") });
    grdGifts->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdGifts->setSelectionMode(QAbstractItemView::SingleSelection);
    grdGifts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdGifts->verticalHeader()->hide();
    // One line per gift, so a batch of hundreds stays easy to scan.
    grdGifts->setWordWrap(false);
    grdGifts->verticalHeader()->setDefaultSectionSize(grdGifts->fontMetrics().height() + 6);
    grdGifts->horizontalHeader()->setStretchLastSection(true);
    grdGifts->setColumnWidth(0, 300);
    grdGifts->setColumnWidth(2, 180);
    grdGifts->setMinimumSize(640, 220);
    grdGifts->setTabKeyNavigation(false);

    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(btnEditGift);
    rowButtons->addWidget(btnRemoveGift);
    rowButtons->addWidget(btnReturnGift);
    rowButtons->addSpacing(16);
    rowButtons->addWidget(lblTotals, 1);
    rowButtons->addWidget(lblVariance);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDepositReport);
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(batchBox);
    layout->addWidget(grpGift);
    layout->addWidget(grdGifts, 1);
    layout->addLayout(rowButtons);
    layout->addLayout(buttons);

    selectAllOnFocus(
        { txtEnvelope, txtAmount, txtCheckNumber, txtNote, txtGoods, txtReturned, txtControlTotal, txtControlCount });
    // Enter in the gift's boxes puts the gift in the batch; Enter elsewhere saves.
    setDefaultButton(this, btnSave);
    setEnterButton(grpGift, btnEnterGift);
    setCancelButton(this, btnExit);
    // Enter in the envelope box finds the giver and goes on to the amount.
    txtEnvelope->installEventFilter(this);
    auto* ditto = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    ditto->setContext(Qt::WidgetWithChildrenShortcut);
    connect(ditto, &QShortcut::activated, this, [this] { dittoAmount(); });
    setFocusProxy(txtEnvelope);
    const QList<QWidget*> order { txtEnvelope, cmbGiver, txtAmount, cmbFund, btnSplit, cmbMethod, txtCheckNumber,
        txtReturned, txtGoods, txtNote, btnEnterGift, grdGifts, btnEditGift, btnRemoveGift, btnReturnGift,
        btnDepositReport, btnSave, btnExit };
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    m_tracker = new EditTracker(this, tr("Gift Entry"));
    m_tracker->watch(dtBatchDate);
    m_tracker->watch(txtBatchDescription);
    m_tracker->watch(txtControlTotal);
    m_tracker->watch(txtControlCount);
    m_tracker->addState([this] {
        // The gifts as they stand against what was loaded.
        QStringList state;
        for (const Row& r : m_rows) {
            QString line = QStringLiteral("%1|%2|%3|%4|%5")
                               .arg(r.loaded.id)
                               .arg(r.gift.giverId)
                               .arg(r.gift.method, r.gift.checkNumber, r.gift.note);
            for (const GiftLine& l : r.gift.lines)
                line += QStringLiteral("|%1:%2").arg(l.fundId).arg(l.cents);
            state.append(line);
        }
        return state.join(QLatin1Char('\n')) + QStringLiteral("\nremoved %1").arg(m_removed.size());
    });
    m_tracker->setRecordName([this] { return tr("the batch of %1").arg(formats::dateText(dtBatchDate->date())); });
    m_tracker->setSave([this] { return save(); });

    {
        BusyCursor busy;
        fillPeopleList(cmbGiver, NameForm::WithoutTitle, People::Everyone, Choice::Clear,
            { PickItem { tr("Loose offering"), kLooseOffering } });
        m_funds = funds(db());
        for (const Fund& f : m_funds)
            addItemWithId(cmbFund, f.name, f.id);
        cmbFund->setCurrentIndex(m_funds.empty() ? -1 : 0);
    }
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::membersChanged, this, [this] {
            m_giverTexts.clear();
            guarded([this] {
                fillPeopleList(cmbGiver, NameForm::WithoutTitle, People::Everyone, Choice::Keep,
                    { PickItem { tr("Loose offering"), kLooseOffering } });
            });
        });
        // A fund added or made inactive: the list follows, keeping its choice.
        connect(w, &Workspace::lookupsChanged, this, [this] {
            guarded([this] {
                m_funds = funds(db());
                QVector<PickItem> items;
                for (const Fund& f : m_funds)
                    items.append({ f.name, f.id });
                fillPickList(cmbFund, items, Choice::Keep);
            });
        });
    }

    connect(
        cmbBatch, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { cmbBatch_activated(); }); });
    connect(btnNewBatch, &QPushButton::clicked, this, [this] { guarded([this] { btnNewBatch_clicked(); }); });
    connect(cmbGiver, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { giverChosen(); }); });
    connect(txtEnvelope, &QLineEdit::editingFinished, this, [this] {
        if (txtEnvelope->isModified())
            guarded([this] { envelopeEntered(); });
    });
    connect(btnSplit, &QPushButton::clicked, this, [this] { guarded([this] { btnSplit_clicked(); }); });
    connect(btnEnterGift, &QPushButton::clicked, this, [this] { guarded([this] { btnEnterGift_clicked(); }); });
    connect(btnEditGift, &QPushButton::clicked, this, [this] { guarded([this] { btnEditGift_clicked(); }); });
    connect(grdGifts, &QTableWidget::cellDoubleClicked, this, [this] { guarded([this] { btnEditGift_clicked(); }); });
    connect(btnRemoveGift, &QPushButton::clicked, this, [this] { guarded([this] { btnRemoveGift_clicked(); }); });
    connect(btnReturnGift, &QPushButton::clicked, this, [this] { guarded([this] { btnReturnGift_clicked(); }); });
    connect(btnDepositReport, &QPushButton::clicked, this, [this] { guarded([this] { btnDepositReport_clicked(); }); });
    connect(btnCloseBatch, &QPushButton::clicked, this, [this] { guarded([this] { btnCloseBatch_clicked(); }); });
    connect(btnReopenBatch, &QPushButton::clicked, this, [this] { guarded([this] { btnReopenBatch_clicked(); }); });
    connect(txtControlTotal, &QLineEdit::textChanged, this, [this] { showTotals(); });
    connect(txtControlCount, &QLineEdit::textChanged, this, [this] { showTotals(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });

    admin::followPermission(this, m_tracker, perm::GivingEntry);
    guarded([this] {
        // The newest open batch, or a new one when none is open.
        const std::vector<Batch> listed = listedBatches(db(), clock().today());
        if (!listed.empty() && !listed.front().closed) {
            fillBatches(listed.front().id);
            loadBatch(listed.front());
        } else {
            btnNewBatch_clicked();
        }
    });
}

void frmGiftEntry::fillBatches(qint64 chosen)
{
    QVector<PickItem> items;
    for (const Batch& b : listedBatches(db(), clock().today()))
        items.append({ batchText(b), b.id });
    const QSignalBlocker quiet(cmbBatch);
    fillPickList(cmbBatch, items);
    if (!selectById(cmbBatch, chosen))
        cmbBatch->setCurrentIndex(-1);
}

void frmGiftEntry::cmbBatch_activated()
{
    const qint64 id = selectedId(cmbBatch);
    if (id == m_batch.id)
        return;
    if (m_tracker->confirmLeave() == Leave::Stay) {
        if (!selectById(cmbBatch, m_batch.id))
            cmbBatch->setCurrentIndex(-1);
        return;
    }
    const std::optional<Batch> chosen = batch(db(), id);
    if (!chosen) {
        fillBatches(m_batch.id);
        return;
    }
    loadBatch(*chosen);
}

void frmGiftEntry::btnNewBatch_clicked()
{
    if (m_tracker->confirmLeave() == Leave::Stay)
        return;
    Batch fresh;
    fresh.date = clock().today();
    fresh.enteredBy = ctx().user.username;
    {
        const QSignalBlocker quiet(cmbBatch);
        cmbBatch->setCurrentIndex(-1);
    }
    loadBatch(fresh);
    dtBatchDate->setFocus();
}

void frmGiftEntry::loadBatch(const Batch& b)
{
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    m_batch = b;
    m_rows.clear();
    m_removed.clear();
    if (b.id > 0)
        for (const EntryGift& g : batchGifts(db(), b.id))
            m_rows.push_back({ g, g });
    dtBatchDate->setDate(b.date);
    txtBatchDescription->setText(b.description);
    txtControlTotal->setText(b.controlCents != 0 ? plainCents(b.controlCents) : QString());
    txtControlCount->setText(b.controlCount != 0 ? QString::number(b.controlCount) : QString());
    clearEntry();
    showGifts();
    showBatchState();
    m_tracker->markClean();
}

void frmGiftEntry::showBatchState()
{
    const bool closed = m_batch.closed;
    if (closed)
        lblBatchState->setText(
            tr("Closed by %1 on %2").arg(m_batch.closedBy, formats::dateText(m_batch.closedOn.date())));
    else
        lblBatchState->setText(m_batch.id > 0 ? tr("Open") : tr("New batch, not saved yet"));
    for (QWidget* w : std::initializer_list<QWidget*> { dtBatchDate, txtBatchDescription, txtControlTotal,
             txtControlCount, grpGift, btnEditGift, btnRemoveGift, btnCloseBatch, btnSave })
        w->setEnabled(!closed);
    txtReopenReason->setEnabled(closed);
    btnReopenBatch->setEnabled(closed);
    btnReturnGift->setEnabled(closed);
}

Batch frmGiftEntry::batchOnScreen() const
{
    Batch b = m_batch;
    b.date = dtBatchDate->date();
    b.description = txtBatchDescription->text().trimmed();
    b.controlCents = parseCents(txtControlTotal->text()).value_or(0);
    b.controlCount = txtControlCount->text().trimmed().toInt();
    return b;
}

std::vector<EntryGift> frmGiftEntry::gifts() const
{
    std::vector<EntryGift> out;
    for (const Row& r : m_rows)
        out.push_back(r.gift);
    return out;
}

QString frmGiftEntry::fundName(qint64 id) const
{
    for (const Fund& f : m_funds)
        if (f.id == id)
            return f.name;
    // A fund made inactive after the gift was entered is still named.
    return db().scalar(QStringLiteral("SELECT Name FROM Fund WHERE ID = ?"), { id }).toString();
}

bool frmGiftEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtEnvelope && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] {
                if (envelopeEntered())
                    txtAmount->setFocus();
            });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmGiftEntry::envelopeEntered()
{
    txtEnvelope->setModified(false);
    const QString typed = txtEnvelope->text().trimmed();
    if (typed.isEmpty())
        return true;
    const qint64 giver = personByEnvelope(db(), typed.toLongLong());
    if (giver <= 0) {
        messages().show(tr("No active person has envelope number %1.").arg(typed), tr("Gift Entry"), Icon::Warning);
        txtEnvelope->setFocus();
        txtEnvelope->selectAll();
        return false;
    }
    selectById(cmbGiver, giver);
    lblGiver->setText(giverText(db(), giver));
    return true;
}

void frmGiftEntry::giverChosen()
{
    const qint64 giver = selectedId(cmbGiver);
    if (giver == kLooseOffering || giver <= 0) {
        txtEnvelope->clear();
        lblGiver->clear();
        return;
    }
    const qint64 envelope = envelopeOf(db(), giver);
    txtEnvelope->setText(envelope > 0 ? QString::number(envelope) : QString());
    txtEnvelope->setModified(false);
    lblGiver->setText(giverText(db(), giver));
}

frmGiftEntry::LineRead frmGiftEntry::readLine(GiftLine& line, bool required)
{
    const QString typed = txtAmount->text().trimmed();
    if (typed.isEmpty() && !required)
        return LineRead::Empty;
    const std::optional<qint64> cents = parseCents(typed);
    if (!cents || *cents <= 0) {
        messages().show(typed.isEmpty() ? tr("Type the amount of the gift.")
                                        : tr("\"%1\" is not an amount of money more than zero.").arg(typed),
            tr("Gift Entry"), Icon::Warning);
        txtAmount->setFocus();
        txtAmount->selectAll();
        return LineRead::Refused;
    }
    if (selectedId(cmbFund) <= 0) {
        messages().show(m_funds.empty() ? tr("There are no funds yet. An Admin adds them under Giving > Funds.")
                                        : tr("Choose the fund of the gift."),
            tr("Gift Entry"), Icon::Warning);
        cmbFund->setFocus();
        return LineRead::Refused;
    }
    line = { selectedId(cmbFund), *cents };
    return LineRead::Read;
}

void frmGiftEntry::btnSplit_clicked()
{
    GiftLine line;
    if (readLine(line, true) != LineRead::Read)
        return;
    m_split.push_back(line);
    lstSplit->addItem(QStringLiteral("%1  %2").arg(fundName(line.fundId), centsText(line.cents)));
    txtAmount->clear();
    txtAmount->setFocus();
}

void frmGiftEntry::btnEnterGift_clicked()
{
    if (m_batch.closed)
        return;
    if (!HasPermission(perm::GivingEntry)) {
        showRefusal(refusal::Save);
        return;
    }
    if (txtEnvelope->isModified() && !envelopeEntered())
        return;
    const qint64 giver = selectedId(cmbGiver);
    if (giver == 0) {
        messages().show(tr("Type the envelope number or choose the giver (or \"Loose offering\")."), tr("Gift Entry"),
            Icon::Warning);
        txtEnvelope->setFocus();
        return;
    }
    EntryGift gift;
    gift.giverId = giver == kLooseOffering ? 0 : giver;
    gift.goods = txtGoods->text().trimmed();
    if (!gift.goods.isEmpty()) {
        // A gift of goods is listed by what was given; a tax office values it, not the church.
        if (!m_split.empty() || !txtAmount->text().trimmed().isEmpty()) {
            messages().show(
                tr("A gift of goods has no amount. Clear the amount, or the goods."), tr("Gift Entry"), Icon::Warning);
            txtAmount->setFocus();
            return;
        }
    } else {
        gift.lines = m_split;
        GiftLine line;
        const LineRead read = readLine(line, m_split.empty());
        if (read == LineRead::Refused)
            return;
        if (read == LineRead::Read)
            gift.lines.push_back(line);
    }
    const QString returned = txtReturned->text().trimmed();
    if (!returned.isEmpty()) {
        const std::optional<qint64> cents = parseCents(returned);
        if (!cents || *cents < 0 || *cents > gift.cents()) {
            messages().show(tr("What the giver received in return (\"%1\") must be an amount no more than "
                               "the gift.")
                                .arg(returned),
                tr("Gift Entry"), Icon::Warning);
            txtReturned->setFocus();
            txtReturned->selectAll();
            return;
        }
        gift.returnedCents = *cents;
    }
    gift.method = cmbMethod->currentData().toString();
    gift.checkNumber = txtCheckNumber->text().trimmed();
    gift.note = txtNote->text().trimmed();
    if (m_editing >= 0 && m_editing < int(m_rows.size())) {
        gift.id = m_rows[std::size_t(m_editing)].gift.id;
        gift.reversesId = m_rows[std::size_t(m_editing)].gift.reversesId;
        m_rows[std::size_t(m_editing)].gift = gift;
    } else {
        m_rows.push_back({ gift, EntryGift {} });
    }
    m_lastCents = gift.lines.size() == 1 ? gift.cents() : m_lastCents;
    const int row = m_editing >= 0 ? m_editing : int(m_rows.size()) - 1;
    clearEntry();
    showGifts();
    grdGifts->selectRow(row);
    m_tracker->stateChanged();
    txtEnvelope->setFocus();
}

void frmGiftEntry::clearEntry()
{
    m_editing = -1;
    m_split.clear();
    lstSplit->clear();
    txtEnvelope->clear();
    cmbGiver->setCurrentIndex(-1);
    lblGiver->clear();
    txtAmount->clear();
    txtCheckNumber->clear();
    txtNote->clear();
    txtGoods->clear();
    txtReturned->clear();
    btnEnterGift->setText(tr("&Enter Gift"));
    // The fund and method stay as they were: the next gift is most often alike.
    if (cmbFund->currentIndex() < 0 && cmbFund->count() > 0)
        cmbFund->setCurrentIndex(0);
}

void frmGiftEntry::dittoAmount()
{
    if (m_lastCents <= 0 || !grpGift->isEnabled())
        return;
    txtAmount->setText(plainCents(m_lastCents));
    txtAmount->setFocus();
    txtAmount->selectAll();
}

void frmGiftEntry::btnEditGift_clicked()
{
    const int row = grdGifts->currentRow();
    if (row < 0 || row >= int(m_rows.size()) || m_batch.closed) {
        messages().show(tr("Choose the gift to edit."), tr("Invalid Selection"));
        return;
    }
    const EntryGift& g = m_rows[std::size_t(row)].gift;
    if (g.reversesId > 0) {
        messages().show(tr("This gift takes back a returned one and cannot be edited. Remove it to undo "
                           "the return."),
            tr("Gift Entry"));
        return;
    }
    clearEntry();
    m_editing = row;
    if (g.giverId > 0) {
        selectById(cmbGiver, g.giverId);
        giverChosen();
    } else {
        selectById(cmbGiver, kLooseOffering);
    }
    // Every line but the last waits in the split; the last is in the boxes.
    for (std::size_t i = 0; i + 1 < g.lines.size(); ++i) {
        m_split.push_back(g.lines[i]);
        lstSplit->addItem(QStringLiteral("%1  %2").arg(fundName(g.lines[i].fundId), centsText(g.lines[i].cents)));
    }
    if (!g.lines.empty()) {
        txtAmount->setText(plainCents(g.lines.back().cents));
        selectById(cmbFund, g.lines.back().fundId);
    }
    cmbMethod->setCurrentIndex(cmbMethod->findData(g.method));
    txtCheckNumber->setText(g.checkNumber);
    txtNote->setText(g.note);
    txtGoods->setText(g.goods);
    txtReturned->setText(g.returnedCents > 0 ? plainCents(g.returnedCents) : QString());
    btnEnterGift->setText(tr("&Replace Gift"));
    txtAmount->setFocus();
}

void frmGiftEntry::btnRemoveGift_clicked()
{
    const int row = grdGifts->currentRow();
    if (row < 0 || row >= int(m_rows.size()) || m_batch.closed) {
        messages().show(tr("Choose the gift to remove."), tr("Invalid Selection"));
        return;
    }
    if (m_rows[std::size_t(row)].loaded.id > 0)
        m_removed.push_back(m_rows[std::size_t(row)].loaded.id);
    m_rows.erase(m_rows.begin() + row);
    if (m_editing == row)
        clearEntry();
    else if (m_editing > row)
        --m_editing;
    showGifts();
    m_tracker->stateChanged();
}

void frmGiftEntry::btnReturnGift_clicked()
{
    if (!requireSavePermission(*m_tracker, perm::GivingEntry))
        return;
    const int row = grdGifts->currentRow();
    if (row < 0 || row >= int(m_rows.size())) {
        messages().show(tr("Choose the gift to return."), tr("Invalid Selection"));
        return;
    }
    if (!m_batch.closed) {
        messages().show(tr("Only a gift of a closed batch is returned this way. In an open batch, edit or "
                           "remove the gift."),
            tr("Gift Entry"));
        return;
    }
    const EntryGift& g = m_rows[std::size_t(row)].gift;
    const QString from = g.giverId > 0 ? giverText(db(), g.giverId) : tr("the loose offering");
    const QString question = tr("Record the gift of %1 from %2 as returned (a returned check or a "
                                "refund)? A gift taking it back goes into the newest open batch.")
                                 .arg(centsText(g.cents()), from);
    if (messages().ask(question, tr("Return Gift")) != Answer::Yes)
        return;
    {
        BusyCursor busy;
        const qint64 into = returnGift(db(), g.id, clock().today(), ctx().user.username, clock().now());
        fillBatches(m_batch.id);
        const std::optional<Batch> target = batch(db(), into);
        showStatus(tr("Recorded the return of the gift of %1 in the batch of %2.")
                       .arg(centsText(g.cents()), target ? formats::dateText(target->date) : QString()));
    }
}

void frmGiftEntry::btnDepositReport_clicked()
{
    if (m_batch.id == 0 || m_tracker->isDirty()) {
        messages().show(tr("Save the batch first: the deposit report shows the batch as stored."), tr("Gift Entry"));
        return;
    }
    reports::ReportPtr report;
    {
        BusyCursor busy;
        report = depositReport(db(), m_batch.id);
    }
    reports::output().preview(report);
}

void frmGiftEntry::showGifts()
{
    grdGifts->setRowCount(int(m_rows.size()));
    // The givers' texts are kept between calls: a batch of hundreds is shown
    // again after every gift.
    QHash<qint64, QString>& names = m_giverTexts;
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const EntryGift& g = m_rows[std::size_t(i)].gift;
        QString giver = tr("Loose offering");
        if (g.giverId > 0) {
            if (!names.contains(g.giverId))
                names.insert(g.giverId, giverText(db(), g.giverId));
            giver = names.value(g.giverId);
        }
        QStringList fundNames;
        for (const GiftLine& l : g.lines)
            fundNames.append(g.lines.size() > 1 ? QStringLiteral("%1 %2").arg(fundName(l.fundId), centsText(l.cents))
                                                : fundName(l.fundId));
        if (!g.goods.isEmpty())
            fundNames = QStringList { tr("Goods: ") + g.goods };
        QString note = g.note;
        if (g.returnedCents > 0)
            note = tr("%1 received in return").arg(centsText(g.returnedCents))
                + (note.isEmpty() ? QString() : QStringLiteral("; ") + note);
        const QStringList cells { giver, g.goods.isEmpty() ? centsText(g.cents()) : QString(),
            fundNames.join(QStringLiteral("; ")), methodText(g.method), g.checkNumber, note };
        // A reversal is not edited; it shows in grey.
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (g.reversesId > 0)
                item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            grdGifts->setItem(i, c, item);
        }
    }
    showTotals();
}

void frmGiftEntry::showTotals()
{
    qint64 total = 0;
    for (const Row& r : m_rows)
        total += r.gift.cents();
    const int count = int(m_rows.size());
    const Batch b = batchOnScreen();
    lblTotals->setText(tr("%1 in %2 gift(s); control %3 in %4")
                           .arg(centsText(total))
                           .arg(count)
                           .arg(centsText(b.controlCents))
                           .arg(b.controlCount));
    const qint64 varianceCents = b.controlCents - total;
    const int varianceCount = b.controlCount - count;
    lblVariance->setText(tr("Variance %1, %2 gift(s)").arg(centsText(varianceCents)).arg(varianceCount));
    lblVariance->setStyleSheet(
        varianceCents != 0 || varianceCount != 0 ? QStringLiteral("color: #c00000;") : QString());
}

void frmGiftEntry::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmGiftEntry::save()
{
    if (!requireSavePermission(*m_tracker, perm::GivingEntry))
        return false;
    if (m_batch.closed) {
        messages().show(tr("This batch is closed. An Admin may reopen it."), tr("Gift Entry"), Icon::Warning);
        return false;
    }
    if (!txtControlTotal->text().trimmed().isEmpty() && !parseCents(txtControlTotal->text())) {
        messages().show(tr("\"%1\" is not an amount of money.").arg(txtControlTotal->text().trimmed()),
            tr("Gift Entry"), Icon::Warning);
        txtControlTotal->setFocus();
        return false;
    }
    BatchChanges changes;
    changes.batch = batchOnScreen();
    for (const Row& r : m_rows) {
        if (r.loaded.id == 0)
            changes.added.push_back(r.gift);
        else if (r.gift != r.loaded)
            changes.changed.push_back({ r.loaded, r.gift });
    }
    changes.removed = m_removed;
    BatchSaveOutcome outcome;
    const bool saved = saveAskingOnConflict([&](threeway::OnConflict how) {
        outcome = saveBatch(db(), changes, how, ctx().user.username, clock().now());
        if (outcome.conflicts > 0)
            return conflictQuestion(
                tr("batch"), { tr("%1 gift(s) changed or removed at another workstation").arg(outcome.conflicts) });
        return QString();
    });
    if (!saved)
        return false;
    if (!outcome.closedBy.isEmpty()) {
        messages().show(tr("%1 closed this batch at another workstation. Nothing was saved.").arg(outcome.closedBy),
            tr("Gift Entry"), Icon::Warning);
        return false;
    }
    const std::optional<Batch> stored = batch(db(), outcome.batchId);
    fillBatches(outcome.batchId);
    if (stored)
        loadBatch(*stored);
    showStatus(tr("Saved the batch of %1.").arg(formats::dateText(m_batch.date)));
    return true;
}

void frmGiftEntry::btnCloseBatch_clicked()
{
    if (!requireSavePermission(*m_tracker, perm::GivingEntry))
        return;
    if ((m_tracker->isDirty() || m_batch.id == 0) && !save())
        return;
    qint64 total = 0;
    for (const Row& r : m_rows)
        total += r.gift.cents();
    if (total != m_batch.controlCents || int(m_rows.size()) != m_batch.controlCount) {
        const QString question = tr("The batch's gifts come to %1 in %2 gift(s), but its control total is "
                                    "%3 in %4 gift(s). Close it anyway?")
                                     .arg(centsText(total))
                                     .arg(m_rows.size())
                                     .arg(centsText(m_batch.controlCents))
                                     .arg(m_batch.controlCount);
        if (messages().ask(question, tr("Close Batch")) != Answer::Yes)
            return;
    }
    if (!closeBatch(db(), m_batch.id, ctx().user.username, clock().now()))
        messages().show(tr("This batch was closed already."), tr("Gift Entry"));
    else
        showStatus(tr("Closed the batch of %1.").arg(formats::dateText(m_batch.date)));
    fillBatches(m_batch.id);
    if (const std::optional<Batch> stored = batch(db(), m_batch.id))
        loadBatch(*stored);
}

void frmGiftEntry::btnReopenBatch_clicked()
{
    if (!requireAdmin(tr("reopen a closed batch")))
        return;
    const QString reason = txtReopenReason->text().trimmed();
    if (reason.isEmpty()) {
        messages().show(tr("Type why the batch is reopened."), tr("Gift Entry"));
        txtReopenReason->setFocus();
        return;
    }
    if (!reopenBatch(db(), m_batch.id, reason, ctx().user.username, clock().now()))
        messages().show(tr("This batch is open already."), tr("Gift Entry"));
    else
        showStatus(tr("Reopened the batch of %1.").arg(formats::dateText(m_batch.date)));
    txtReopenReason->clear();
    fillBatches(m_batch.id);
    if (const std::optional<Batch> stored = batch(db(), m_batch.id))
        loadBatch(*stored);
}

} // namespace pw::giving
