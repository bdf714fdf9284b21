#include "rosters/frmRosterPositions.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "data/Services.h"
#include "data/Sql.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/SharedLists.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw::rosters {

namespace {
    enum Column { Name, Service, Needed, Responsibility, Active, ColumnCount };

    bool sameRow(const Position& a, const Position& b)
    {
        return a.name == b.name && a.service == b.service && a.needed == b.needed
            && a.responsibility == b.responsibility && a.order == b.order && a.active == b.active;
    }

    // The combo's entries with the stored value as data; a value no entry
    // has (a responsibility renamed since) is shown as it is and kept.
    QComboBox* choiceBox(const QList<QPair<QString, QString>>& entries, const QString& value)
    {
        auto* box = new QComboBox;
        for (const auto& [text, data] : entries)
            box->addItem(text, data);
        int at = box->findData(value);
        if (at < 0) {
            box->addItem(value, value);
            at = box->count() - 1;
        }
        box->setCurrentIndex(at);
        attachTypeAhead(box);
        return box;
    }
} // namespace

frmRosterPositions::frmRosterPositions(QWidget* parent)
    : QWidget(parent)
    , grdPositions(named(new QTableWidget, "grdPositions"))
    , btnUp(named(new QPushButton(tr("&Up")), "btnUp"))
    , btnDown(named(new QPushButton(tr("&Down")), "btnDown"))
    , btnNew(named(new QPushButton(tr("&New")), "btnNew"))
    , btnRemove(named(new QPushButton(tr("&Remove")), "btnRemove"))
    , btnSave(named(new QPushButton(tr("&Save")), "btnSave"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmRosterPositions"));
    setWindowTitle(tr("Roster Positions"));

    grdPositions->setColumnCount(ColumnCount);
    grdPositions->setHorizontalHeaderLabels(
        { tr("Name"), tr("Service"), tr("Needed"), tr("Responsibility"), tr("Active") });
    grdPositions->verticalHeader()->hide();
    grdPositions->horizontalHeader()->setSectionResizeMode(Responsibility, QHeaderView::Stretch);
    grdPositions->setColumnWidth(Name, 180);
    grdPositions->setColumnWidth(Service, 190);
    grdPositions->setColumnWidth(Needed, 70);
    grdPositions->setMinimumSize(720, 260);
    grdPositions->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPositions->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnUp);
    buttons->addWidget(btnDown);
    buttons->addWidget(btnNew);
    buttons->addWidget(btnRemove);
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdPositions, 1);
    layout->addLayout(buttons);
    setCancelButton(this, btnExit);

    m_tracker = new EditTracker(this, tr("Roster Positions"));
    m_tracker->addState([this] { return state(); });
    m_tracker->setRecordName([] { return tr("the roster positions"); });
    m_tracker->setSave([this] { return save(); });
    connect(grdPositions, &QTableWidget::itemChanged, this, [this] { m_tracker->stateChanged(); });
    connect(btnUp, &QPushButton::clicked, this, [this] { guarded([this] { move(-1); }); });
    connect(btnDown, &QPushButton::clicked, this, [this] { guarded([this] { move(1); }); });
    connect(btnNew, &QPushButton::clicked, this, [this] { guarded([this] { btnNew_clicked(); }); });
    connect(btnRemove, &QPushButton::clicked, this, [this] { guarded([this] { btnRemove_clicked(); }); });
    connect(btnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    admin::followPermission(this, m_tracker, perm::ResponsibilityEntry);
    guarded([this] { load(); });
}

void frmRosterPositions::load()
{
    EditTracker::Quiet quiet(m_tracker);
    m_loaded = positions(db(), false);
    m_removed.clear();
    showRows(m_loaded, -1);
    m_tracker->markClean();
}

void frmRosterPositions::showRows(const std::vector<Position>& rows, int current)
{
    QList<QPair<QString, QString>> serviceEntries;
    for (const services::Service& s : services::all())
        serviceEntries.append({ s.nameText(), s.codeText() });
    QList<QPair<QString, QString>> responsibilityEntries { { tr("(anyone)"), QString() } };
    for (const QString& name : listTexts(SharedLists::List::ResponsibilityNames))
        responsibilityEntries.append({ name, name });

    const QSignalBlocker quiet(grdPositions);
    grdPositions->setRowCount(0);
    grdPositions->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const Position& p = rows[std::size_t(r)];
        auto* name = new QTableWidgetItem(p.name);
        name->setData(Qt::UserRole, p.id);
        grdPositions->setItem(r, Name, name);
        auto* active = new QTableWidgetItem;
        active->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        active->setCheckState(p.active ? Qt::Checked : Qt::Unchecked);
        grdPositions->setItem(r, Active, active);

        QComboBox* service = choiceBox(serviceEntries, p.service);
        service->setObjectName(QStringLiteral("cmbService%1").arg(r));
        grdPositions->setCellWidget(r, Service, service);
        auto* needed = new QSpinBox;
        needed->setObjectName(QStringLiteral("spnNeeded%1").arg(r));
        needed->setRange(1, 20);
        needed->setValue(qBound(1, p.needed, 20));
        grdPositions->setCellWidget(r, Needed, needed);
        QComboBox* responsibility = choiceBox(responsibilityEntries, p.responsibility);
        responsibility->setObjectName(QStringLiteral("cmbResponsibility%1").arg(r));
        grdPositions->setCellWidget(r, Responsibility, responsibility);

        const auto changed = [this] { m_tracker->stateChanged(); };
        connect(service, qOverload<int>(&QComboBox::currentIndexChanged), this, changed);
        connect(needed, qOverload<int>(&QSpinBox::valueChanged), this, changed);
        connect(responsibility, qOverload<int>(&QComboBox::currentIndexChanged), this, changed);
    }
    if (current >= 0 && current < grdPositions->rowCount())
        grdPositions->setCurrentCell(current, Name);
}

std::vector<Position> frmRosterPositions::onScreen() const
{
    std::vector<Position> rows;
    for (int r = 0; r < grdPositions->rowCount(); ++r) {
        Position p;
        const QTableWidgetItem* name = grdPositions->item(r, Name);
        p.id = name ? name->data(Qt::UserRole).toLongLong() : 0;
        p.name = name ? name->text().trimmed() : QString();
        if (auto* box = qobject_cast<QComboBox*>(grdPositions->cellWidget(r, Service)))
            p.service = box->currentData().toString();
        if (auto* spin = qobject_cast<QSpinBox*>(grdPositions->cellWidget(r, Needed)))
            p.needed = spin->value();
        if (auto* box = qobject_cast<QComboBox*>(grdPositions->cellWidget(r, Responsibility)))
            p.responsibility = box->currentData().toString();
        const QTableWidgetItem* active = grdPositions->item(r, Active);
        p.active = active && active->checkState() == Qt::Checked;
        p.order = r + 1;
        rows.push_back(p);
    }
    return rows;
}

QVariant frmRosterPositions::state() const
{
    QStringList rows;
    for (const Position& p : onScreen())
        rows.append(QStringList { QString::number(p.id), p.name, p.service, QString::number(p.needed), p.responsibility,
            p.active ? QStringLiteral("1") : QStringLiteral("0") }
                        .join(QLatin1Char('\t')));
    rows.append(QStringLiteral("removed %1").arg(m_removed.size()));
    return rows;
}

void frmRosterPositions::move(int by)
{
    const int row = grdPositions->currentRow();
    std::vector<Position> rows = onScreen();
    if (row < 0 || row + by < 0 || row + by >= int(rows.size()))
        return;
    std::swap(rows[std::size_t(row)], rows[std::size_t(row + by)]);
    showRows(rows, row + by);
    m_tracker->stateChanged();
}

void frmRosterPositions::btnNew_clicked()
{
    std::vector<Position> rows = onScreen();
    Position p;
    // The service of the position chosen, as positions are most often added
    // beside their service's others.
    const int row = grdPositions->currentRow();
    p.service = row >= 0 ? rows[std::size_t(row)].service : services::all().front().codeText();
    rows.push_back(p);
    showRows(rows, int(rows.size()) - 1);
    grdPositions->editItem(grdPositions->item(int(rows.size()) - 1, Name));
    m_tracker->stateChanged();
}

void frmRosterPositions::btnRemove_clicked()
{
    const int row = grdPositions->currentRow();
    std::vector<Position> rows = onScreen();
    if (row < 0 || row >= int(rows.size())) {
        messages().show(tr("Choose the position to remove."), tr("Invalid Selection"));
        return;
    }
    if (rows[std::size_t(row)].id > 0)
        for (const Position& p : m_loaded)
            if (p.id == rows[std::size_t(row)].id)
                m_removed.push_back(p);
    rows.erase(rows.begin() + row);
    showRows(rows, qMin(row, int(rows.size()) - 1));
    m_tracker->stateChanged();
}

void frmRosterPositions::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmRosterPositions::save()
{
    if (!requireSavePermission(*m_tracker, perm::ResponsibilityEntry))
        return false;
    const std::vector<Position> rows = onScreen();
    // Every row is checked before anything is written.
    QSet<QString> names;
    for (int r = 0; r < int(rows.size()); ++r) {
        const Position& p = rows[std::size_t(r)];
        const QString key = p.service + QLatin1Char('\t') + sql::equalityKey(p.name);
        QString problem;
        if (p.name.isEmpty())
            problem = tr("Every position needs a name.");
        else if (p.name.size() > 50)
            problem = tr("A position's name has at most 50 characters.");
        else if (names.contains(key))
            problem = tr("There are two positions named \"%1\" at the %2.")
                          .arg(p.name, grdPositions->cellWidget(r, Service)->property("currentText").toString());
        if (!problem.isEmpty()) {
            messages().show(problem, tr("Roster Positions"), Icon::Warning);
            grdPositions->setCurrentCell(r, Name);
            grdPositions->setFocus();
            return false;
        }
        names.insert(key);
    }
    QStringList kept;
    {
        BusyCursor busy;
        Transaction tx(db());
        for (const Position& p : rows) {
            const auto loaded
                = std::find_if(m_loaded.begin(), m_loaded.end(), [&](const Position& l) { return l.id == p.id; });
            if (p.id == 0 || loaded == m_loaded.end() || !sameRow(*loaded, p))
                savePosition(db(), p);
        }
        for (const Position& p : m_removed)
            if (!removePosition(db(), p.id))
                kept.append(p.name);
        tx.commit();
    }
    load();
    showStatus(tr("Saved the roster positions."));
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
    for (const QString& name : kept)
        messages().show(tr("\"%1\" has turns on the rosters, so it was made inactive instead of removed: "
                           "past rosters keep its name.")
                            .arg(name),
            tr("Roster Positions"));
    return true;
}

} // namespace pw::rosters
