#include "rosters/frmRosters.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Services.h"
#include "rosters/Fill.h"
#include "rosters/RosterOutput.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/GridExport.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pw::rosters {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(frmRosters)
    };

    // How far back a turn counts as "served lately" beside a candidate's name.
    constexpr int kRecentDays = 28;
    const QColor kConflictColour(255, 205, 205);

    QString emptyPlacesText(int missing)
    {
        return missing == 1 ? Tr::tr("(1 place empty)") : Tr::tr("(%1 places empty)").arg(missing);
    }

    OnConflict rosterConflict(threeway::OnConflict how)
    {
        switch (how) {
        case threeway::OnConflict::KeepTheirs:
            return OnConflict::KeepTheirs;
        case threeway::OnConflict::KeepMine:
            return OnConflict::KeepMine;
        case threeway::OnConflict::Report:
            break;
        }
        return OnConflict::Report;
    }

} // namespace

frmRosters::frmRosters(QWidget* parent)
    : QWidget(parent)
    , cmbService(named(new QComboBox, "cmbService"))
    , cmbPeriod(named(new QComboBox, "cmbPeriod"))
    , dtMonth(named(new QDateEdit, "dtMonth"))
    , btnFill(named(new QPushButton(tr("&Fill")), "btnFill"))
    , btnSave(named(new QPushButton(tr("&Save")), "btnSave"))
    , btnPrint(named(new QPushButton(tr("&Print...")), "btnPrint"))
    , btnEmail(named(new QPushButton(tr("E-&mail These People...")), "btnEmail"))
    , btnExport(named(new QPushButton(tr("Export to &CSV...")), "btnExport"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
    , lblInfo(named(new QLabel, "lblInfo"))
    , grdRoster(named(new QTableWidget, "grdRoster"))
    , lblPlace(named(new QLabel, "lblPlace"))
    , lstAssigned(named(new QListWidget, "lstAssigned"))
    , btnRemove(named(new QPushButton(tr("&Remove")), "btnRemove"))
    , btnConfirm(named(new QPushButton(tr("C&onfirm")), "btnConfirm"))
    , cmbPerson(named(new QComboBox, "cmbPerson"))
    , btnAdd(named(new QPushButton(tr("&Add")), "btnAdd"))
{
    setObjectName(QStringLiteral("frmRosters"));
    setWindowTitle(tr("Rosters"));

    cmbPeriod->addItems({ tr("Month"), tr("Quarter") });
    dtMonth->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    dtMonth->setCalendarPopup(true);
    {
        const QDate today = clock().today();
        dtMonth->setDate(QDate(today.year(), today.month(), 1));
    }
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Service")));
    top->addWidget(cmbService);
    top->addWidget(new QLabel(tr("Period")));
    top->addWidget(cmbPeriod);
    top->addWidget(new QLabel(tr("Starting")));
    top->addWidget(dtMonth);
    top->addStretch(1);
    top->addWidget(btnFill);

    grdRoster->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRoster->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRoster->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRoster->setWordWrap(true);
    grdRoster->setTabKeyNavigation(false);
    grdRoster->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdRoster->horizontalHeader()->setMinimumSectionSize(140);
    grdRoster->setMinimumSize(560, 300);

    auto* panel = new QGroupBox(tr("Place"));
    panel->setObjectName(QStringLiteral("grpPlace"));
    auto* side = new QVBoxLayout(panel);
    lblPlace->setWordWrap(true);
    side->addWidget(lblPlace);
    side->addWidget(lstAssigned, 1);
    auto* turnButtons = new QHBoxLayout;
    turnButtons->addWidget(btnRemove);
    turnButtons->addWidget(btnConfirm);
    side->addLayout(turnButtons);
    // Enter in the person list adds the person; the roster is saved apart.
    auto* adder = new QWidget;
    auto* adding = new QVBoxLayout(adder);
    adding->setContentsMargins(0, 0, 0, 0);
    adding->addWidget(new QLabel(tr("Add person")));
    adding->addWidget(cmbPerson);
    adding->addWidget(btnAdd, 0, Qt::AlignRight);
    setEnterButton(adder, btnAdd);
    side->addWidget(adder);
    panel->setMinimumWidth(260);
    lstAssigned->setUniformItemSizes(true);
    limitPopupRows(cmbPerson);
    attachTypeAhead({ cmbService, cmbPeriod, cmbPerson });

    auto* middle = new QHBoxLayout;
    middle->addWidget(grdRoster, 1);
    middle->addWidget(panel);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnEmail);
    buttons->addWidget(btnExport);
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblInfo);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    setCancelButton(this, btnExit);
    const QList<QWidget*> order { cmbService, cmbPeriod, dtMonth, btnFill, grdRoster, lstAssigned, btnRemove,
        btnConfirm, cmbPerson, btnAdd, btnPrint, btnEmail, btnExport, btnSave, btnExit };
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    m_tracker = new EditTracker(this, tr("Rosters"));
    m_tracker->addState([this] { return state(); });
    m_tracker->setRecordName([this] {
        const services::Service* s = services::byCode(m_service);
        return tr("the %1 roster %2").arg(s ? s->nameText() : m_service, periodText());
    });
    m_tracker->setSave([this] { return save(); });

    if (Workspace* w = workspace()) {
        // Positions saved on their screen: the services and, when nothing
        // here is unsaved, the grid follow.
        connect(w, &Workspace::lookupsChanged, this, [this] {
            guarded([this] {
                fillServices();
                if (!m_tracker->isDirty())
                    load();
            });
        });
    }
    connect(cmbService, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { periodChosen(); }); });
    connect(cmbPeriod, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { periodChosen(); }); });
    connect(dtMonth, &QDateEdit::dateChanged, this, [this] { guarded([this] { periodChosen(); }); });
    connect(grdRoster, &QTableWidget::currentCellChanged, this, [this] { guarded([this] { showPanel(); }); });
    connect(lstAssigned, &QListWidget::currentRowChanged, this, [this] { updateButtons(); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { guarded([this] { btnAdd_clicked(); }); });
    connect(btnRemove, &QPushButton::clicked, this, [this] { guarded([this] { btnRemove_clicked(); }); });
    connect(btnConfirm, &QPushButton::clicked, this, [this] { guarded([this] { btnConfirm_clicked(); }); });
    connect(btnFill, &QPushButton::clicked, this, [this] { guarded([this] { btnFill_clicked(); }); });
    connect(btnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { guarded([this] { btnPrint_clicked(); }); });
    connect(btnEmail, &QPushButton::clicked, this, [this] { guarded([this] { btnEmail_clicked(); }); });
    connect(btnExport, &QPushButton::clicked, this, [this] { guarded([this] { btnExport_clicked(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });

    admin::followPermission(this, m_tracker, perm::MemberEntry);
    guarded([this] {
        fillServices();
        load();
    });
}

void frmRosters::fillServices()
{
    // The services that have positions; every service while none has.
    QSet<QString> served;
    for (const Position& p : positions(db()))
        served.insert(p.service);
    const QString shown = cmbService->currentData().toString();
    const QSignalBlocker quiet(cmbService);
    cmbService->clear();
    for (const services::Service& s : services::all())
        if (served.isEmpty() || served.contains(s.codeText()))
            cmbService->addItem(s.nameText(), s.codeText());
    const int at = cmbService->findData(shown.isEmpty() ? m_service : shown);
    cmbService->setCurrentIndex(at >= 0 ? at : 0);
}

QDate frmRosters::periodStart() const
{
    const QDate month = dtMonth->date();
    return QDate(month.year(), month.month(), 1);
}

QDate frmRosters::periodEnd() const
{
    return periodStart().addMonths(cmbPeriod->currentIndex() == 1 ? 3 : 1).addDays(-1);
}

QString frmRosters::periodText() const
{
    return tr("from %1 to %2").arg(formats::dateText(m_from), formats::dateText(m_to));
}

void frmRosters::periodChosen()
{
    if (cmbService->currentData().toString() == m_service && periodStart() == m_from && periodEnd() == m_to)
        return;
    if (m_tracker->confirmLeave() == Leave::Stay) {
        // Back to the roster still on screen.
        const QSignalBlocker quietService(cmbService);
        const QSignalBlocker quietPeriod(cmbPeriod);
        const QSignalBlocker quietMonth(dtMonth);
        cmbService->setCurrentIndex(cmbService->findData(m_service));
        cmbPeriod->setCurrentIndex(m_from.addMonths(1).addDays(-1) == m_to ? 0 : 1);
        dtMonth->setDate(m_from);
        return;
    }
    load();
}

void frmRosters::load()
{
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    m_service = cmbService->currentData().toString();
    m_from = periodStart();
    m_to = periodEnd();
    m_positions.clear();
    for (Position& p : positions(db()))
        if (p.service == m_service)
            m_positions.push_back(std::move(p));
    m_days = servingDays(m_service, m_from, m_to);
    m_turns.clear();
    m_removed.clear();
    m_names.clear();
    m_unavailable.clear();
    m_known.clear();
    // Only the turns of the period (and the weeks before it) and the people
    // in them are read, however many people the church has.
    QList<qint64> people;
    for (const Assignment& a : assignments(db(), m_from.addDays(-kRecentDays), m_to)) {
        m_turns.push_back({ a, a });
        people.append(a.memberId);
    }
    ensureKnown(people);
    m_mayEdit = HasPermission(perm::MemberEntry);
    lblInfo->setText(m_positions.empty() ? tr("This service has no positions yet.") : QString());
    lblInfo->setVisible(m_positions.empty());
    showGrid();
    m_tracker->markClean();
}

void frmRosters::ensureKnown(const QList<qint64>& people)
{
    QList<qint64> unknown;
    for (qint64 id : people)
        if (!m_known.contains(id)) {
            m_known.insert(id);
            unknown.append(id);
        }
    if (unknown.isEmpty())
        return;
    const QHash<qint64, QString> found = names(db(), unknown);
    for (auto it = found.begin(); it != found.end(); ++it)
        m_names.insert(it.key(), it.value());
    const QHash<qint64, std::vector<Unavailability>> away = unavailability(db(), unknown, m_from, m_to);
    for (auto it = away.begin(); it != away.end(); ++it)
        m_unavailable.insert(it.key(), it.value());
}

bool frmRosters::unavailable(qint64 person, const QDate& day) const
{
    const auto it = m_unavailable.constFind(person);
    return it != m_unavailable.constEnd() && unavailableOn(*it, day);
}

QString frmRosters::turnText(const Assignment& a) const
{
    QString text = m_names.value(a.memberId, tr("(person %1)").arg(a.memberId));
    if (a.confirmed)
        text.prepend(QStringLiteral("\u2713 "));
    if (unavailable(a.memberId, a.date))
        text += tr(" (unavailable)");
    return text;
}

const Position* frmRosters::positionAt(int column) const
{
    return column >= 0 && column < int(m_positions.size()) ? &m_positions[std::size_t(column)] : nullptr;
}

QString frmRosters::positionName(qint64 id) const
{
    for (const Position& p : m_positions)
        if (p.id == id)
            return p.name;
    return QString();
}

int frmRosters::turnAt(qint64 positionId, const QDate& day, qint64 person) const
{
    for (std::size_t i = 0; i < m_turns.size(); ++i) {
        const Assignment& a = m_turns[i].now;
        if (a.positionId == positionId && a.date == day && a.memberId == person)
            return int(i);
    }
    return -1;
}

void frmRosters::showGrid()
{
    const int row = grdRoster->currentRow();
    const int column = grdRoster->currentColumn();
    {
        const QSignalBlocker quiet(grdRoster);
        grdRoster->clear();
        grdRoster->setRowCount(int(m_days.size()));
        grdRoster->setColumnCount(int(m_positions.size()));
        QStringList captions;
        for (const Position& p : m_positions)
            captions.append(p.name);
        grdRoster->setHorizontalHeaderLabels(captions);
        QStringList days;
        for (const QDate& d : m_days)
            days.append(formats::dateText(d));
        grdRoster->setVerticalHeaderLabels(days);
        for (int r = 0; r < grdRoster->rowCount(); ++r)
            for (int c = 0; c < grdRoster->columnCount(); ++c)
                showCell(r, c);
        grdRoster->resizeRowsToContents();
        if (row >= 0 && row < grdRoster->rowCount() && column >= 0 && column < grdRoster->columnCount())
            grdRoster->setCurrentCell(row, column);
    }
    showPanel();
}

void frmRosters::showCell(int row, int column)
{
    const Position* p = positionAt(column);
    if (!p || row < 0 || row >= m_days.size())
        return;
    const QDate day = m_days.at(row);
    QStringList lines;
    bool conflict = false;
    int serving = 0;
    for (const Turn& t : m_turns) {
        if (t.now.positionId != p->id || t.now.date != day)
            continue;
        lines.append(turnText(t.now));
        conflict = conflict || unavailable(t.now.memberId, day);
        ++serving;
    }
    if (serving < p->needed)
        lines.append(emptyPlacesText(p->needed - serving));
    QTableWidgetItem* item = grdRoster->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
        grdRoster->setItem(row, column, item);
    }
    item->setText(lines.join(QLatin1Char('\n')));
    item->setBackground(conflict ? QBrush(kConflictColour) : QBrush());
    item->setForeground(conflict ? QBrush(Qt::black) : QBrush());
    item->setToolTip(conflict ? tr("Someone here cannot serve that day.") : QString());
}

void frmRosters::showPanel()
{
    const Position* p = positionAt(grdRoster->currentColumn());
    const int row = grdRoster->currentRow();
    lstAssigned->clear();
    if (!p || row < 0 || row >= m_days.size()) {
        lblPlace->setText(tr("Choose a place in the roster."));
        fillPickList(cmbPerson, {});
        updateButtons();
        return;
    }
    const QDate day = m_days.at(row);
    lblPlace->setText(tr("%1 on %2: %3 needed").arg(p->name, formats::dateText(day)).arg(p->needed)
        + (p->responsibility.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(p->responsibility)));
    for (const Turn& t : m_turns)
        if (t.now.positionId == p->id && t.now.date == day) {
            auto* item = new QListWidgetItem(turnText(t.now), lstAssigned);
            item->setData(Qt::UserRole, t.now.memberId);
        }
    fillPersonList(*p, day);
    updateButtons();
}

void frmRosters::fillPersonList(const Position& position, const QDate& day)
{
    const QList<qint64> offered = candidates(db(), { position }, day).value(position.id);
    const QHash<qint64, QString> offeredNames = names(db(), offered);
    const QHash<qint64, std::vector<Unavailability>> away = unavailability(db(), offered, day, day);
    QVector<PickItem> items;
    for (qint64 person : offered) {
        QString text = offeredNames.value(person);
        if (unavailableOn(away.value(person), day))
            text += tr(" (unavailable)");
        bool serving = false;
        QDate last;
        for (const Turn& t : m_turns) {
            if (t.now.memberId != person)
                continue;
            if (t.now.date == day)
                serving = true;
            else if (t.now.date < day && t.now.date >= day.addDays(-kRecentDays)
                && (!last.isValid() || t.now.date > last))
                last = t.now.date;
        }
        if (serving)
            text += tr(" (serving that day)");
        if (last.isValid())
            text += tr(" (served %1)").arg(formats::dateText(last));
        items.append({ text, person });
    }
    // A position anyone may fill offers everybody after those who asked to
    // serve in it, from the list every screen shares.
    if (position.responsibility.trimmed().isEmpty())
        fillPeopleList(cmbPerson, NameForm::WithoutTitle, People::Everyone, Choice::Clear, items);
    else
        fillPickList(cmbPerson, items, Choice::Clear);
}

bool frmRosters::mayEdit()
{
    if (!requireSavePermission(*m_tracker, perm::MemberEntry)) {
        m_mayEdit = false;
        updateButtons();
        return false;
    }
    return true;
}

void frmRosters::updateButtons()
{
    const bool place = positionAt(grdRoster->currentColumn()) && grdRoster->currentRow() >= 0;
    const bool person = lstAssigned->currentRow() >= 0;
    btnAdd->setEnabled(m_mayEdit && place);
    btnRemove->setEnabled(m_mayEdit && person);
    btnConfirm->setEnabled(m_mayEdit && person);
    btnFill->setEnabled(m_mayEdit && !m_positions.empty());
    btnSave->setEnabled(m_mayEdit);
    if (person) {
        const Position* p = positionAt(grdRoster->currentColumn());
        const int at = p ? turnAt(p->id, m_days.value(grdRoster->currentRow()),
                           lstAssigned->currentItem()->data(Qt::UserRole).toLongLong())
                         : -1;
        const bool confirmed = at >= 0 && m_turns[std::size_t(at)].now.confirmed;
        btnConfirm->setText(confirmed ? tr("Un&confirm") : tr("C&onfirm"));
    }
}

void frmRosters::addTurn(qint64 positionId, const QDate& day, qint64 person)
{
    ensureKnown({ person });
    // A turn taken off on screen and added again is the stored one, kept.
    const auto removed = std::find_if(m_removed.begin(), m_removed.end(),
        [&](const Assignment& a) { return a.positionId == positionId && a.date == day && a.memberId == person; });
    if (removed != m_removed.end()) {
        m_turns.push_back({ *removed, *removed });
        m_removed.erase(removed);
        return;
    }
    Assignment a;
    a.positionId = positionId;
    a.date = day;
    a.memberId = person;
    m_turns.push_back({ a, Assignment {} });
}

void frmRosters::btnAdd_clicked()
{
    if (!mayEdit())
        return;
    const int row = grdRoster->currentRow();
    const int column = grdRoster->currentColumn();
    const Position* p = positionAt(column);
    if (!p || row < 0 || row >= m_days.size()) {
        messages().show(tr("Choose a place in the roster first."), tr("Invalid Selection"));
        return;
    }
    const qint64 person = selectedId(cmbPerson);
    if (person <= 0) {
        messages().show(tr("Choose the person to add."), tr("Invalid Selection"));
        cmbPerson->setFocus();
        return;
    }
    if (turnAt(p->id, m_days.at(row), person) >= 0)
        return;
    addTurn(p->id, m_days.at(row), person);
    showCell(row, column);
    grdRoster->resizeRowToContents(row);
    showPanel();
    m_tracker->stateChanged();
}

void frmRosters::btnRemove_clicked()
{
    if (!mayEdit())
        return;
    const Position* p = positionAt(grdRoster->currentColumn());
    const int row = grdRoster->currentRow();
    QListWidgetItem* chosen = lstAssigned->currentItem();
    const int at = p && chosen ? turnAt(p->id, m_days.value(row), chosen->data(Qt::UserRole).toLongLong()) : -1;
    if (at < 0) {
        messages().show(tr("Choose the person to take off."), tr("Invalid Selection"));
        return;
    }
    if (m_turns[std::size_t(at)].loaded.id > 0)
        m_removed.push_back(m_turns[std::size_t(at)].loaded);
    m_turns.erase(m_turns.begin() + at);
    showCell(row, grdRoster->currentColumn());
    grdRoster->resizeRowToContents(row);
    showPanel();
    m_tracker->stateChanged();
}

void frmRosters::btnConfirm_clicked()
{
    if (!mayEdit())
        return;
    const Position* p = positionAt(grdRoster->currentColumn());
    const int row = grdRoster->currentRow();
    const int listed = lstAssigned->currentRow();
    QListWidgetItem* chosen = lstAssigned->currentItem();
    const int at = p && chosen ? turnAt(p->id, m_days.value(row), chosen->data(Qt::UserRole).toLongLong()) : -1;
    if (at < 0) {
        messages().show(tr("Choose the person to confirm."), tr("Invalid Selection"));
        return;
    }
    bool& confirmed = m_turns[std::size_t(at)].now.confirmed;
    confirmed = !confirmed;
    showCell(row, grdRoster->currentColumn());
    showPanel();
    lstAssigned->setCurrentRow(listed);
    m_tracker->stateChanged();
}

// A quarter's proposal runs to hundreds of lines: the question lists the
// first ones, and the grid shows them all before anything is saved.
constexpr int kProposalLinesShown = 40;

void frmRosters::btnFill_clicked()
{
    if (!mayEdit())
        return;
    if (m_positions.empty()) {
        messages().show(tr("This service has no positions to fill."), tr("Fill"));
        return;
    }
    FillProposal proposal;
    {
        BusyCursor busy;
        FillInput input = fillInput(db(), m_positions, m_from, m_to);
        // The period as on screen, unsaved changes included, stands for the
        // stored turns of the period.
        input.stored.erase(std::remove_if(input.stored.begin(), input.stored.end(),
                               [&](const Assignment& a) { return a.date >= m_from && a.date <= m_to; }),
            input.stored.end());
        for (const Turn& t : m_turns)
            if (t.now.date >= m_from && t.now.date <= m_to)
                input.stored.push_back(t.now);
        proposal = fill(input);
        QList<qint64> people;
        for (const Assignment& a : proposal.proposed)
            people.append(a.memberId);
        ensureKnown(people);
    }

    // One line per proposed turn and per place left empty, by date and the
    // positions' order.
    struct Line {
        QDate date;
        int order;
        QString text;
    };
    std::vector<Line> lines;
    const auto orderOf = [&](qint64 positionId) {
        for (std::size_t i = 0; i < m_positions.size(); ++i)
            if (m_positions[i].id == positionId)
                return int(i);
        return int(m_positions.size());
    };
    for (const Assignment& a : proposal.proposed)
        lines.push_back({ a.date, orderOf(a.positionId),
            QStringLiteral("%1  %2  %3")
                .arg(formats::dateText(a.date), positionName(a.positionId), m_names.value(a.memberId)) });
    QStringList emptyLines;
    for (const Unfilled& u : proposal.unfilled) {
        const QString text = tr("%1  %2: %3 left empty: not enough people can serve")
                                 .arg(formats::dateText(u.date), positionName(u.positionId),
                                     u.missing == 1 ? tr("1 place") : tr("%1 places").arg(u.missing));
        lines.push_back({ u.date, orderOf(u.positionId), text });
        emptyLines.append(text);
    }
    std::stable_sort(lines.begin(), lines.end(),
        [](const Line& a, const Line& b) { return a.date != b.date ? a.date < b.date : a.order < b.order; });
    QStringList texts;
    for (const Line& l : lines)
        texts.append(l.text);

    if (proposal.proposed.empty()) {
        messages().show(emptyLines.isEmpty()
                ? tr("Every place of the roster %1 is filled already.").arg(periodText())
                : tr("Nobody can be proposed for the empty places:\n\n") + emptyLines.join(QLatin1Char('\n')),
            tr("Fill"));
        return;
    }
    const int count = int(proposal.proposed.size());
    const QString question
        = (count == 1 ? tr("Add this turn to the roster?") : tr("Add these %1 turns to the roster?").arg(count))
        + QStringLiteral("\n\n") + texts.mid(0, kProposalLinesShown).join(QLatin1Char('\n'))
        + (texts.size() > kProposalLinesShown ? tr("\n... and %1 more; the roster shows every one before you save.")
                                                    .arg(texts.size() - kProposalLinesShown)
                                              : QString());
    if (messages().ask(question, tr("Fill")) != Answer::Yes)
        return;
    for (const Assignment& a : proposal.proposed)
        addTurn(a.positionId, a.date, a.memberId);
    showGrid();
    m_tracker->stateChanged();
    showStatus(count == 1 ? tr("Added 1 proposed turn; Save keeps it.")
                          : tr("Added %1 proposed turns; Save keeps them.").arg(count));
}

QVariant frmRosters::state() const
{
    QStringList turns;
    for (const Turn& t : m_turns)
        turns.append(QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(t.loaded.id)
                         .arg(t.now.positionId)
                         .arg(t.now.date.toJulianDay())
                         .arg(t.now.memberId)
                         .arg(t.now.confirmed ? 1 : 0));
    for (const Assignment& a : m_removed)
        turns.append(QStringLiteral("removed %1").arg(a.id));
    turns.sort();
    return turns;
}

void frmRosters::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmRosters::save()
{
    if (!mayEdit())
        return false;
    RosterChanges changes;
    for (const Turn& t : m_turns) {
        if (t.loaded.id == 0)
            changes.added.push_back(t.now);
        else if (t.now.confirmed != t.loaded.confirmed || t.now.note != t.loaded.note)
            changes.changed.push_back({ t.loaded, t.now });
    }
    changes.removed = m_removed;
    const bool saved = saveAskingOnConflict([&](threeway::OnConflict how) {
        const SaveOutcome outcome = saveChanges(db(), changes, rosterConflict(how), ctx().user.username, clock().now());
        if (!outcome.conflicts.isEmpty())
            return conflictQuestion(tr("roster"), outcome.conflicts);
        return QString();
    });
    if (!saved)
        return false;
    const services::Service* s = services::byCode(m_service);
    const QString status = tr("Saved the %1 roster %2.").arg(s ? s->nameText() : m_service, periodText());
    load();
    showStatus(status);
    return true;
}

bool frmRosters::storedFirst()
{
    if (!m_tracker->isDirty())
        return true;
    messages().show(tr("Save the roster first: the printed roster, the e-mails and the CSV file show the "
                       "roster as stored."),
        tr("Rosters"));
    return false;
}

void frmRosters::btnPrint_clicked()
{
    if (storedFirst())
        printRoster(m_from, m_to, true);
}

void frmRosters::btnEmail_clicked()
{
    if (storedFirst())
        emailRoster(m_from, m_to);
}

void frmRosters::btnExport_clicked()
{
    if (!storedFirst())
        return;
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.caption = tr("Export to CSV");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    request.path
        = QDir(folder).filePath(QStringLiteral("Roster %1.csv").arg(m_from.toString(QStringLiteral("yyyy-MM"))));
    request.filters = { tr("CSV Files (*.csv)") };
    QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QByteArray bytes;
    {
        BusyCursor busy;
        bytes = csvBytes(rosterRows(db(), m_from, m_to));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        messages().show(
            tr("The file \"%1\" could not be written: %2").arg(QDir::toNativeSeparators(path), file.errorString()),
            tr("Export to CSV"), Icon::Warning);
        return;
    }
    showStatus(tr("Exported the roster to %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace pw::rosters
