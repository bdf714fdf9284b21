#include "giving/GivingPanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Sql.h"
#include "giving/Batches.h"
#include "giving/Money.h"
#include "giving/StatementData.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>

namespace pw::giving {

namespace {
    QTreeWidget* list(const char* name, const QStringList& headers, QWidget* parent)
    {
        auto* tree = new QTreeWidget(parent);
        tree->setObjectName(QString::fromLatin1(name));
        tree->setRootIsDecorated(false);
        tree->setUniformRowHeights(true);
        tree->setHeaderLabels(headers);
        tree->header()->setStretchLastSection(true);
        return tree;
    }

    void addRow(QTreeWidget* tree, const QStringList& cells, const QList<int>& rightAligned)
    {
        auto* item = new QTreeWidgetItem(tree, cells);
        for (int column : rightAligned)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
} // namespace

GivingPanel::GivingPanel(QWidget* parent)
    : QWidget(parent)
    , txtEnvelope(new QLineEdit(this))
    , cmbStatementUnit(new QComboBox(this))
    , btnSaveEnvelope(new QPushButton(tr("Save En&velope"), this))
    , cmbGivingYear(new QComboBox(this))
    , lstGifts(list("lstGifts", { tr("Date"), tr("Fund"), tr("Amount"), tr("Method"), tr("Check No.") }, this))
    , lstFundTotals(list("lstFundTotals", { tr("Fund"), tr("Total") }, this))
    , lstPledges(list("lstPledges", { tr("Fund"), tr("From"), tr("To"), tr("Pledged"), tr("Given"), tr("Left") }, this))
    , cmbPledgeFund(named(new QComboBox(this), "cmbPledgeFund"))
    , dtPledgeStart(named(new DateBox(this), "dtPledgeStart"))
    , dtPledgeEnd(named(new DateBox(this), "dtPledgeEnd"))
    , txtPledgeAmount(named(new QLineEdit(this), "txtPledgeAmount"))
    , btnAddPledge(named(new QPushButton(tr("Add &Pledge"), this), "btnAddPledge"))
    , btnRemovePledge(named(new QPushButton(tr("Remove Pl&edge"), this), "btnRemovePledge"))
    , lblGivingTotal(new QLabel(this))
{
    setObjectName(QStringLiteral("GivingPanel"));
    cmbGivingYear->setObjectName(QStringLiteral("cmbGivingYear"));
    lblGivingTotal->setObjectName(QStringLiteral("lblGivingTotal"));
    txtEnvelope->setObjectName(QStringLiteral("txtEnvelope"));
    cmbStatementUnit->setObjectName(QStringLiteral("cmbStatementUnit"));
    btnSaveEnvelope->setObjectName(QStringLiteral("btnSaveEnvelope"));
    txtEnvelope->setValidator(new QIntValidator(1, 999999999, txtEnvelope));
    txtEnvelope->setMaximumWidth(110);
    cmbStatementUnit->addItem(tr("With the household"), kUnitHousehold);
    cmbStatementUnit->addItem(tr("Alone"), kUnitAlone);
    auto* giver = new QHBoxLayout;
    giver->addWidget(new QLabel(tr("Envelope"), this));
    giver->addWidget(txtEnvelope);
    giver->addWidget(new QLabel(tr("Statement"), this));
    giver->addWidget(cmbStatementUnit);
    giver->addWidget(btnSaveEnvelope);
    giver->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addLayout(giver, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Year"), this), 1, 0);
    grid->addWidget(cmbGivingYear, 1, 1);
    grid->addWidget(lblGivingTotal, 1, 2);
    grid->addWidget(lstGifts, 2, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Totals per fund"), this), 3, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Pledges"), this), 3, 2);
    grid->addWidget(lstFundTotals, 4, 0, 2, 2);
    grid->addWidget(lstPledges, 4, 2);
    auto* pledge = new QHBoxLayout;
    pledge->addWidget(cmbPledgeFund, 1);
    pledge->addWidget(dtPledgeStart);
    pledge->addWidget(new QLabel(tr("to"), this));
    pledge->addWidget(dtPledgeEnd);
    pledge->addWidget(txtPledgeAmount);
    pledge->addWidget(btnAddPledge);
    pledge->addWidget(btnRemovePledge);
    grid->addLayout(pledge, 5, 2);
    for (QDateEdit* box : { dtPledgeStart, dtPledgeEnd }) {
        box->setCalendarPopup(true);
        box->setDisplayFormat(formats::dateFormat());
    }
    txtPledgeAmount->setPlaceholderText(tr("Amount"));
    txtPledgeAmount->setMaximumWidth(100);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 2);
    grid->setRowStretch(4, 1);
    lstGifts->setColumnWidth(0, 100);
    lstGifts->setColumnWidth(1, 180);
    lstFundTotals->setColumnWidth(0, 160);
    attachTypeAhead(cmbGivingYear);
    connect(cmbGivingYear, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { showYear(); }); });
    connect(btnSaveEnvelope, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveEnvelope_clicked(); }); });
    connect(btnAddPledge, &QPushButton::clicked, this, [this] { guarded([this] { btnAddPledge_clicked(); }); });
    // Enter in a box of the tab does what its row's button does; the member
    // screen around it has no default button to take it.
    connect(txtEnvelope, &QLineEdit::returnPressed, btnSaveEnvelope, &QPushButton::click);
    connect(txtPledgeAmount, &QLineEdit::returnPressed, btnAddPledge, &QPushButton::click);
    connect(btnRemovePledge, &QPushButton::clicked, this, [this] { guarded([this] { btnRemovePledge_clicked(); }); });
}

void GivingPanel::btnAddPledge_clicked()
{
    if (m_person <= 0) {
        messages().show(tr("Save the person first."), tr("Giving"));
        return;
    }
    if (!requirePermission(perm::GivingEntry, refusal::Save))
        return;
    Pledge p;
    p.giverId = m_person;
    p.fundId = selectedId(cmbPledgeFund);
    p.start = dtPledgeStart->date();
    p.end = dtPledgeEnd->date();
    const std::optional<qint64> cents = parseCents(txtPledgeAmount->text());
    QString problem;
    QWidget* at = nullptr;
    if (p.fundId <= 0) {
        problem = tr("Choose the fund of the pledge.");
        at = cmbPledgeFund;
    } else if (p.end < p.start) {
        problem = tr("The pledge ends (%1) before it starts (%2).")
                      .arg(formats::dateText(p.end), formats::dateText(p.start));
        at = dtPledgeEnd;
    } else if (!cents || *cents <= 0) {
        problem = tr("Type the amount pledged.");
        at = txtPledgeAmount;
    }
    if (!problem.isEmpty()) {
        messages().show(problem, tr("Giving"), Icon::Warning);
        at->setFocus();
        return;
    }
    p.cents = *cents;
    addPledge(db(), p);
    txtPledgeAmount->clear();
    showYear();
    showStatus(tr("Added a pledge of %1.").arg(centsText(p.cents)));
}

void GivingPanel::btnRemovePledge_clicked()
{
    QTreeWidgetItem* item = lstPledges->currentItem();
    if (!item) {
        messages().show(tr("Choose the pledge to remove."), tr("Invalid Selection"));
        return;
    }
    if (!requirePermission(perm::GivingEntry, refusal::Remove))
        return;
    if (messages().ask(tr("Remove the pledge of %1 to %2?").arg(item->text(3), item->text(0)), tr("Giving"))
        != Answer::Yes)
        return;
    removePledge(db(), item->data(0, Qt::UserRole).toLongLong());
    showYear();
    showStatus(tr("Removed the pledge."));
}

void GivingPanel::btnSaveEnvelope_clicked()
{
    if (m_person <= 0) {
        messages().show(tr("Save the person first."), tr("Giving"));
        return;
    }
    if (!requirePermission(perm::GivingEntry, refusal::Save))
        return;
    const qint64 envelope = txtEnvelope->text().trimmed().toLongLong();
    const qint64 holder = saveGiver(db(), m_person, envelope, cmbStatementUnit->currentData() == kUnitAlone);
    if (holder > 0) {
        QString name;
        db().forEach(QStringLiteral("SELECT Last_Name, First_Name, Middle_Name FROM Member WHERE ID = ?"), { holder },
            [&](const QSqlQuery& q) {
                name = personName(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
            });
        messages().show(
            tr("Envelope number %1 already belongs to %2.").arg(envelope).arg(name), tr("Giving"), Icon::Warning);
        txtEnvelope->setFocus();
        txtEnvelope->selectAll();
        return;
    }
    showStatus(envelope > 0 ? tr("Saved envelope number %1.").arg(envelope) : tr("Saved the giving settings."));
}

void GivingPanel::showPerson(qint64 id)
{
    m_person = HasPermission(perm::GivingView) ? id : 0;
    const QSignalBlocker quiet(cmbGivingYear);
    cmbGivingYear->clear();
    const int thisYear = clock().today().year();
    int first = thisYear;
    if (m_person > 0) {
        const QDate earliest = sql::toDate(
            db().scalar(QStringLiteral("SELECT MIN(Gift_Date) FROM Gift WHERE Member_ID = ?"), { m_person }));
        if (earliest.isValid())
            first = std::min(first, earliest.year());
    }
    for (int year = thisYear; year >= first; --year)
        cmbGivingYear->addItem(QString::number(year), year);
    const qint64 envelope = m_person > 0 ? envelopeOf(db(), m_person) : 0;
    txtEnvelope->setText(envelope > 0 ? QString::number(envelope) : QString());
    cmbStatementUnit->setCurrentIndex(m_person > 0 && givesAlone(db(), m_person) ? 1 : 0);
    {
        const QSignalBlocker quietFunds(cmbPledgeFund);
        cmbPledgeFund->clear();
        if (m_person > 0)
            for (const Fund& f : funds(db()))
                addItemWithId(cmbPledgeFund, f.name, f.id);
    }
    const QDate today = clock().today();
    dtPledgeStart->setDate(QDate(today.year(), 1, 1));
    dtPledgeEnd->setDate(QDate(today.year(), 12, 31));
    for (QWidget* w : std::initializer_list<QWidget*> { txtEnvelope, cmbStatementUnit, btnSaveEnvelope, cmbPledgeFund,
             dtPledgeStart, dtPledgeEnd, txtPledgeAmount, btnAddPledge, btnRemovePledge })
        w->setEnabled(m_person > 0);
    showYear();
}

void GivingPanel::showYear()
{
    lstGifts->clear();
    lstFundTotals->clear();
    lstPledges->clear();
    lblGivingTotal->clear();
    if (m_person <= 0)
        return;
    const int year = cmbGivingYear->currentData().toInt();
    const Period period { QDate(year, 1, 1), QDate(year, 12, 31) };
    const Statement s = readStatement(db(), Unit { { m_person } }, period, readFunds(db()));
    const QList<int> amount { 2 };
    for (const StatementLine& line : s.lines)
        addRow(lstGifts,
            { formats::dateText(line.date), line.goods.isEmpty() ? line.fund : line.goods,
                line.goods.isEmpty() ? centsText(line.cents) : QString(), methodText(line.method), line.checkNumber },
            amount);
    for (const FundTotal& f : s.funds)
        addRow(lstFundTotals, { f.fund, centsText(f.cents) }, { 1 });
    for (const PledgeProgress& p : s.pledges) {
        addRow(lstPledges,
            { p.fund, formats::dateText(p.start), formats::dateText(p.end), centsText(p.pledged), centsText(p.given),
                centsText(p.left()) },
            { 3, 4, 5 });
        lstPledges->topLevelItem(lstPledges->topLevelItemCount() - 1)->setData(0, Qt::UserRole, p.pledgeId);
    }
    lblGivingTotal->setText(tr("Given in %1: %2").arg(year).arg(centsText(s.total)));
}

} // namespace pw::giving
