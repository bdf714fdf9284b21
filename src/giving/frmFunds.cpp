#include "giving/frmFunds.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw::giving {

namespace {
    enum Column { Name, Description, Active, Deductible, Order, ColumnCount };

    QString cellText(const QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text().trimmed() : QString();
    }

    bool ticked(const QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item && item->checkState() == Qt::Checked;
    }
} // namespace

frmFunds::frmFunds(QWidget* parent)
    : QWidget(parent)
    , grdFunds(new QTableWidget(this))
    , btnAddFund(new QPushButton(tr("&Add Fund"), this))
    , btnSave(new QPushButton(tr("&Save"), this))
    , btnExit(new QPushButton(tr("E&xit"), this))
{
    setObjectName(QStringLiteral("frmFunds"));
    setWindowTitle(tr("Funds"));
    grdFunds->setObjectName(QStringLiteral("grdFunds"));
    btnAddFund->setObjectName(QStringLiteral("btnAddFund"));
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnExit->setObjectName(QStringLiteral("btnExit"));

    grdFunds->setColumnCount(ColumnCount);
    grdFunds->setHorizontalHeaderLabels(
        { tr("Name"), tr("Description"), tr("Active"), tr("Tax Deductible"), tr("Order") });
    grdFunds->verticalHeader()->hide();
    grdFunds->horizontalHeader()->setSectionResizeMode(Description, QHeaderView::Stretch);
    grdFunds->setColumnWidth(Name, 200);
    grdFunds->setMinimumSize(620, 260);
    grdFunds->setSelectionBehavior(QAbstractItemView::SelectItems);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAddFund);
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdFunds, 1);
    layout->addLayout(buttons);
    setCancelButton(this, btnExit);

    m_tracker = new EditTracker(this, tr("Funds"));
    m_tracker->addState([this] { return state(); });
    m_tracker->setRecordName([] { return tr("the funds"); });
    m_tracker->setSave([this] { return save(); });
    connect(grdFunds, &QTableWidget::itemChanged, this, [this] { m_tracker->stateChanged(); });
    connect(btnAddFund, &QPushButton::clicked, this, [this] {
        int next = 1;
        for (int r = 0; r < grdFunds->rowCount(); ++r)
            next = qMax(next, cellText(grdFunds, r, Order).toInt() + 1);
        addRow(0, QString(), QString(), true, true, next);
        grdFunds->setCurrentCell(grdFunds->rowCount() - 1, Name);
        grdFunds->editItem(grdFunds->item(grdFunds->rowCount() - 1, Name));
        m_tracker->stateChanged();
    });
    connect(btnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    guarded([this] { load(); });
}

void frmFunds::addRow(
    qint64 id, const QString& name, const QString& description, bool active, bool deductible, int order)
{
    const QSignalBlocker quiet(grdFunds);
    const int row = grdFunds->rowCount();
    grdFunds->insertRow(row);
    auto* nameItem = new QTableWidgetItem(name);
    nameItem->setData(Qt::UserRole, id);
    grdFunds->setItem(row, Name, nameItem);
    grdFunds->setItem(row, Description, new QTableWidgetItem(description));
    for (const auto& [column, on] : { std::pair { Active, active }, std::pair { Deductible, deductible } }) {
        auto* box = new QTableWidgetItem;
        box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        box->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        grdFunds->setItem(row, column, box);
    }
    grdFunds->setItem(row, Order, new QTableWidgetItem(QString::number(order)));
}

void frmFunds::load()
{
    EditTracker::Quiet quiet(m_tracker);
    grdFunds->setRowCount(0);
    db().forEach(QStringLiteral("SELECT ID, Name, Description, Active, Tax_Deductible, Fund_Order FROM Fund ORDER BY "
                                "Fund_Order, ID"),
        {}, [&](const QSqlQuery& q) {
            addRow(q.value(0).toLongLong(), q.value(1).toString(), sql::toText(q.value(2)), q.value(3).toInt() != 0,
                q.value(4).toInt() != 0, q.value(5).toInt());
        });
    m_tracker->markClean();
}

QVariant frmFunds::state() const
{
    QStringList rows;
    for (int r = 0; r < grdFunds->rowCount(); ++r)
        rows.append(QStringList { cellText(grdFunds, r, Name), cellText(grdFunds, r, Description),
            ticked(grdFunds, r, Active) ? QStringLiteral("1") : QStringLiteral("0"),
            ticked(grdFunds, r, Deductible) ? QStringLiteral("1") : QStringLiteral("0"), cellText(grdFunds, r, Order) }
                        .join(QLatin1Char('\t')));
    return rows;
}

void frmFunds::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmFunds::save()
{
    if (!requireAdmin(tr("change the funds")))
        return false;
    // Every row is checked before anything is written.
    QSet<QString> names;
    for (int r = 0; r < grdFunds->rowCount(); ++r) {
        const QString name = cellText(grdFunds, r, Name);
        const QString key = sql::equalityKey(name);
        QString problem;
        if (name.isEmpty())
            problem = tr("Every fund needs a name.");
        else if (name.size() > 50)
            problem = tr("A fund's name has at most 50 characters.");
        else if (names.contains(key))
            problem = tr("There are two funds named \"%1\".").arg(name);
        else if (bool number = false; cellText(grdFunds, r, Order).toInt(&number), !number)
            problem = tr("A fund's order is a whole number.");
        if (!problem.isEmpty()) {
            messages().show(problem, tr("Funds"), Icon::Warning);
            grdFunds->setCurrentCell(r, name.isEmpty() || name.size() > 50 || names.contains(key) ? Name : Order);
            grdFunds->setFocus();
            return false;
        }
        names.insert(key);
    }
    {
        BusyCursor busy;
        Transaction tx(db());
        for (int r = 0; r < grdFunds->rowCount(); ++r) {
            const qint64 id = grdFunds->item(r, Name)->data(Qt::UserRole).toLongLong();
            const QVariantList values { cellText(grdFunds, r, Name), sql::text(cellText(grdFunds, r, Description)),
                sql::yesNo(ticked(grdFunds, r, Active)), sql::yesNo(ticked(grdFunds, r, Deductible)),
                cellText(grdFunds, r, Order).toInt() };
            if (id > 0)
                db().exec(QStringLiteral("UPDATE Fund SET Name = ?, Description = ?, Active = ?, Tax_Deductible = ?, "
                                         "Fund_Order = ? WHERE ID = ?"),
                    values + QVariantList { id });
            else
                db().exec(QStringLiteral("INSERT INTO Fund (Name, Description, Active, Tax_Deductible, Fund_Order) "
                                         "VALUES (?, ?, ?, ?, ?)"),
                    values);
        }
        tx.commit();
    }
    load();
    showStatus(tr("Saved the funds."));
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
    return true;
}

} // namespace pw::giving
