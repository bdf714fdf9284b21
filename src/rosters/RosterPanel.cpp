#include "rosters/RosterPanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Services.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pw::rosters {

namespace {

    QTreeWidget* list(const char* name, const QStringList& headers, QWidget* parent)
    {
        auto* tree = named(new QTreeWidget(parent), name);
        tree->setRootIsDecorated(false);
        tree->setUniformRowHeights(true);
        tree->setHeaderLabels(headers);
        tree->header()->setStretchLastSection(true);
        return tree;
    }

    QString serviceName(const QString& code)
    {
        const services::Service* s = services::byCode(code);
        return s ? s->nameText() : code;
    }

    QGroupBox* group(const QString& title, QLayout* content, QWidget* parent)
    {
        auto* box = new QGroupBox(title, parent);
        box->setLayout(content);
        return box;
    }

} // namespace

RosterPanel::RosterPanel(QWidget* parent)
    : QWidget(parent)
    , grdServing(list("grdServing", { tr("Date"), tr("Service"), tr("Position"), tr("Confirmed"), tr("Note") }, this))
    , btnConfirmTurn(named(new QPushButton(tr("&Confirm"), this), "btnConfirmTurn"))
    , btnRemoveTurn(named(new QPushButton(tr("&Take Off"), this), "btnRemoveTurn"))
    , grdAway(list("grdAway", { tr("When"), tr("Note") }, this))
    , dtAwayFrom(named(new DateBox(this), "dtAwayFrom"))
    , chkAwayTo(named(new QCheckBox(tr("to", "time away from one date to another"), this), "chkAwayTo"))
    , dtAwayTo(named(new DateBox(this), "dtAwayTo"))
    , cmbRepeats(named(new QComboBox(this), "cmbRepeats"))
    , txtAwayNote(named(new QLineEdit(this), "txtAwayNote"))
    , btnAddAway(named(new QPushButton(tr("Add"), this), "btnAddAway"))
    , btnRemoveAway(named(new QPushButton(tr("Remove"), this), "btnRemoveAway"))
    , grdPreferences(list("grdPreferences", { tr("Position"), tr("Service"), tr("Would serve") }, this))
{
    setObjectName(QStringLiteral("RosterPanel"));
    cmbRepeats->addItem(tr("Once"), repeatsCode(Repeats::Once));
    cmbRepeats->addItem(tr("Every month on this week and day"), repeatsCode(Repeats::Monthly));
    cmbRepeats->addItem(tr("Every other week"), repeatsCode(Repeats::Fortnightly));
    bindOptionalDate(chkAwayTo, dtAwayTo);
    txtAwayNote->setPlaceholderText(tr("Note"));
    grdServing->setColumnWidth(0, 100);
    grdServing->setColumnWidth(1, 160);
    grdAway->setColumnWidth(0, 260);
    grdPreferences->setColumnWidth(0, 110);
    grdPreferences->setColumnWidth(1, 140);

    auto* turnButtons = new QVBoxLayout;
    turnButtons->addWidget(btnConfirmTurn);
    turnButtons->addWidget(btnRemoveTurn);
    turnButtons->addStretch(1);
    auto* turns = new QHBoxLayout;
    turns->addWidget(grdServing, 1);
    turns->addLayout(turnButtons);

    auto* awayInputs = new QHBoxLayout;
    awayInputs->addWidget(dtAwayFrom);
    awayInputs->addWidget(chkAwayTo);
    awayInputs->addWidget(dtAwayTo);
    awayInputs->addWidget(cmbRepeats);
    auto* awayNote = new QHBoxLayout;
    awayNote->addWidget(txtAwayNote, 1);
    awayNote->addWidget(btnAddAway);
    awayNote->addWidget(btnRemoveAway);
    // Enter in a box of the time away adds it: the member screen around the
    // tab has no default button to take it.
    auto* awayBoxes = new QWidget(this);
    auto* awayBoxesLayout = new QVBoxLayout(awayBoxes);
    awayBoxesLayout->setContentsMargins(0, 0, 0, 0);
    awayBoxesLayout->addLayout(awayInputs);
    awayBoxesLayout->addLayout(awayNote);
    setEnterButton(awayBoxes, btnAddAway);
    auto* away = new QVBoxLayout;
    away->addWidget(grdAway, 1);
    away->addWidget(awayBoxes);

    auto* preferences = new QVBoxLayout;
    preferences->addWidget(grdPreferences);

    auto* grid = new QGridLayout(this);
    grid->addWidget(group(tr("Coming Turns"), turns, this), 0, 0, 1, 2);
    grid->addWidget(group(tr("Cannot Serve"), away, this), 1, 0);
    grid->addWidget(group(tr("Would Serve"), preferences, this), 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    // The button undoes the confirmation of a turn already confirmed.
    connect(grdServing, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const bool confirmed = item && !item->text(3).isEmpty();
        btnConfirmTurn->setText(confirmed ? tr("Un&confirm") : tr("&Confirm"));
    });
    connect(btnConfirmTurn, &QPushButton::clicked, this, [this] { guarded([this] { btnConfirmTurn_clicked(); }); });
    connect(btnRemoveTurn, &QPushButton::clicked, this, [this] { guarded([this] { btnRemoveTurn_clicked(); }); });
    connect(btnAddAway, &QPushButton::clicked, this, [this] { guarded([this] { btnAddAway_clicked(); }); });
    connect(btnRemoveAway, &QPushButton::clicked, this, [this] { guarded([this] { btnRemoveAway_clicked(); }); });
    showPerson(0);
}

void RosterPanel::showPerson(qint64 id)
{
    m_person = id;
    m_mayChange = id > 0 && HasPermission(perm::MemberEntry);
    m_name = id > 0 ? names(db(), { id }).value(id) : QString();
    m_positions.clear();
    if (id > 0)
        for (const Position& p : positions(db(), false))
            m_positions.insert(p.id, p);
    const QDate today = clock().today();
    dtAwayFrom->setDate(today);
    setOptionalDate(chkAwayTo, dtAwayTo, QDate());
    dtAwayTo->setDate(today);
    cmbRepeats->setCurrentIndex(0);
    txtAwayNote->clear();
    for (QWidget* w : std::initializer_list<QWidget*> {
             btnConfirmTurn, btnRemoveTurn, dtAwayFrom, chkAwayTo, cmbRepeats, txtAwayNote, btnAddAway, btnRemoveAway })
        w->setEnabled(m_mayChange);
    dtAwayTo->setEnabled(false);
    for (QTreeWidget* tree : { grdServing, grdAway, grdPreferences })
        tree->setEnabled(id > 0);
    showTurns();
    showAway();
    showPreferences();
}

void RosterPanel::showTurns()
{
    grdServing->clear();
    m_turns = m_person > 0 ? assignmentsOf(db(), m_person, clock().today()) : std::vector<Assignment>();
    for (const Assignment& a : m_turns) {
        const Position p = m_positions.value(a.positionId);
        new QTreeWidgetItem(grdServing,
            { formats::dateText(a.date), serviceName(p.service), p.name, a.confirmed ? tr("Yes") : QString(), a.note });
    }
}

void RosterPanel::showAway()
{
    grdAway->clear();
    if (m_person <= 0)
        return;
    for (const Unavailability& u : unavailabilityOf(db(), m_person)) {
        auto* item = new QTreeWidgetItem(grdAway, { u.whenText(), u.note });
        item->setData(0, Qt::UserRole, u.id);
    }
}

void RosterPanel::showPreferences()
{
    grdPreferences->clear();
    if (m_person <= 0)
        return;
    const QHash<qint64, Frequency> chosen = preferencesOf(db(), m_person);
    for (const Position& p : positions(db(), true)) {
        auto* item = new QTreeWidgetItem(grdPreferences, { p.name, serviceName(p.service) });
        auto* box = new QComboBox;
        box->addItem(QString());
        for (Frequency f : { Frequency::Weekly, Frequency::Fortnightly, Frequency::Monthly })
            box->addItem(frequencyText(f), frequencyCode(f));
        if (chosen.contains(p.id))
            box->setCurrentIndex(box->findData(frequencyCode(chosen.value(p.id))));
        box->setEnabled(m_mayChange);
        grdPreferences->setItemWidget(item, 2, box);
        connect(box, qOverload<int>(&QComboBox::activated), this,
            [this, id = p.id, box] { guarded([this, id, box] { preferenceChosen(id, box); }); });
    }
}

const Assignment* RosterPanel::chosenTurn()
{
    const int row = grdServing->indexOfTopLevelItem(grdServing->currentItem());
    if (row < 0 || row >= int(m_turns.size())) {
        messages().show(tr("Choose the turn first."), tr("Invalid Selection"));
        return nullptr;
    }
    return &m_turns[std::size_t(row)];
}

void RosterPanel::saveTurn(const RosterChanges& changes, const QString& status)
{
    saveChanges(db(), changes, OnConflict::KeepMine, ctx().user.username, clock().now());
    // The same line stays chosen, so a turn confirmed by mistake is undone with one more click.
    const int row = grdServing->indexOfTopLevelItem(grdServing->currentItem());
    showTurns();
    if (QTreeWidgetItem* again = grdServing->topLevelItem(row))
        grdServing->setCurrentItem(again);
    showStatus(status);
}

void RosterPanel::btnConfirmTurn_clicked()
{
    const Assignment* turn = chosenTurn();
    if (!turn || !requirePermission(perm::MemberEntry, refusal::Save))
        return;
    Assignment mine = *turn;
    mine.confirmed = !turn->confirmed;
    RosterChanges changes;
    changes.changed.push_back({ *turn, mine });
    const QString what = tr("%1 on %2").arg(m_positions.value(turn->positionId).name, formats::dateText(turn->date));
    saveTurn(changes,
        mine.confirmed ? tr("Confirmed %1 for %2.").arg(m_name, what)
                       : tr("%1 for %2 is no longer confirmed.").arg(m_name, what));
}

void RosterPanel::btnRemoveTurn_clicked()
{
    const Assignment* turn = chosenTurn();
    if (!turn || !requirePermission(perm::MemberEntry, refusal::Remove))
        return;
    const QString position = m_positions.value(turn->positionId).name;
    const QString day = formats::dateText(turn->date);
    if (messages().ask(tr("Take %1 off the roster for %2 on %3?").arg(m_name, position, day), tr("Serving"))
        != Answer::Yes)
        return;
    RosterChanges changes;
    changes.removed.push_back(*turn);
    saveTurn(changes, tr("Took %1 off the roster for %2 on %3.").arg(m_name, position, day));
}

void RosterPanel::btnAddAway_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Save))
        return;
    Unavailability u;
    u.memberId = m_person;
    u.from = dtAwayFrom->date();
    u.to = optionalDate(chkAwayTo, dtAwayTo);
    u.repeats = repeatsFromCode(cmbRepeats->currentData().toString());
    u.note = txtAwayNote->text().trimmed();
    if (u.to.isValid() && u.to < u.from) {
        messages().show(tr("The time away ends on %1, before it starts on %2.")
                            .arg(formats::dateText(u.to), formats::dateText(u.from)),
            tr("Serving"), Icon::Warning);
        dtAwayTo->setFocus();
        return;
    }
    addUnavailability(db(), u);
    txtAwayNote->clear();
    showAway();
    showStatus(tr("%1 cannot serve %2.").arg(m_name, u.whenText()));
}

void RosterPanel::btnRemoveAway_clicked()
{
    QTreeWidgetItem* item = grdAway->currentItem();
    if (!item) {
        messages().show(tr("Choose the time away to remove."), tr("Invalid Selection"));
        return;
    }
    if (!requirePermission(perm::MemberEntry, refusal::Remove))
        return;
    removeUnavailability(db(), item->data(0, Qt::UserRole).toLongLong());
    const QString when = item->text(0);
    showAway();
    showStatus(tr("Removed %1 from the times %2 cannot serve.").arg(when, m_name));
}

void RosterPanel::preferenceChosen(qint64 positionId, QComboBox* box)
{
    if (!requirePermission(perm::MemberEntry, refusal::Save)) {
        const QHash<qint64, Frequency> stored = preferencesOf(db(), m_person);
        box->setCurrentIndex(stored.contains(positionId) ? box->findData(frequencyCode(stored.value(positionId))) : 0);
        return;
    }
    const QString code = box->currentData().toString();
    setPreference(db(), m_person, positionId, code.isEmpty() ? std::nullopt : std::optional(frequencyFromCode(code)));
    showStatus(code.isEmpty()
            ? tr("Cleared how often %1 would serve as %2.").arg(m_name, m_positions.value(positionId).name)
            : tr("%1 would serve as %2: %3.").arg(m_name, m_positions.value(positionId).name, box->currentText()));
}

} // namespace pw::rosters
