#include "members/frmMergePeople.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/PersonLinks.h"
#include "data/PersonName.h"
#include "members/MemberRecord.h"
#include "members/MergeChoices.h"
#include "ui_frmMergePeople.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QSignalBlocker>

namespace pw::members {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(MergePeople)
    };

    QString nameOf(const MemberRecord& r) { return displayName(r.lastName, r.firstName); }

    QString described(const MemberRecord& r) { return Tr::tr("%1 (ID %2)").arg(nameOf(r)).arg(r.id); }

    // The merge itself, with the removed record's picture when its value
    // stays: the picture is copied beside the kept one's name first and put
    // in place once the merge is committed, so a failed merge leaves the
    // picture folder as it was.
    void mergeWithPicture(PersonLinks::Merge merge, const MemberRecord& removed)
    {
        const QString folder = ctx().settings.pictureFolder;
        QString staged;
        QString target;
        if (!removed.picture.isEmpty() && merge.kept.picture == removed.picture) {
            target = QStringLiteral("%1.%2").arg(merge.kept.id).arg(QFileInfo(removed.picture).suffix());
            staged = folder + QStringLiteral(".") + target + QStringLiteral(".merging");
            QFile::remove(staged);
            if (!QFile::copy(folder + removed.picture, staged))
                throw Error(Tr::tr("The picture \"%1\" could not be copied in the picture folder \"%2\"; "
                                   "nothing was merged. Keep the other picture, or put the file back first.")
                                .arg(removed.picture, QDir::toNativeSeparators(folder)));
            merge.kept.picture = target;
        }
        try {
            PersonLinks::merge(db(), merge);
        } catch (...) {
            if (!staged.isEmpty())
                QFile::remove(staged);
            throw;
        }
        if (!staged.isEmpty()) {
            QFile::remove(folder + target);
            QFile::rename(staged, folder + target);
        }
    }

    // Space on a row of the fields grid takes the other value.
    class SpaceToggles : public QObject {
    public:
        SpaceToggles(QTableWidget* grid, std::function<void(int)> toggle)
            : QObject(grid)
            , m_grid(grid)
            , m_toggle(std::move(toggle))
        {
        }

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Space
                || m_grid->currentRow() < 0)
                return false;
            m_toggle(m_grid->currentRow());
            return true;
        }

    private:
        QTableWidget* m_grid;
        std::function<void(int)> m_toggle;
    };

} // namespace

frmMergePeople::frmMergePeople(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmMergePeople)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmMergePeople"));
    attachTypeAhead({ ui->cmbKeep, ui->cmbRemove });
    ui->vsfgFields->setColumnCount(3);
    ui->vsfgFields->verticalHeader()->hide();
    ui->vsfgFields->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->vsfgFields->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->vsfgFields->installEventFilter(new SpaceToggles(ui->vsfgFields, [this](int row) {
        vsfgFields_clicked(row, ui->vsfgFields->item(row, 2)->checkState() == Qt::Checked ? 1 : 2);
    }));
    for (QComboBox* combo : { ui->cmbKeep, ui->cmbRemove })
        connect(
            combo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { guarded([this] { loadPair(); }); });
    connect(ui->btnSwap, &QPushButton::clicked, this, [this] { guarded([this] { btnSwap_clicked(); }); });
    connect(ui->btnMerge, &QPushButton::clicked, this, [this] { guarded([this] { btnMerge_clicked(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->btnPossibleDuplicates, &QPushButton::clicked, this, [] {
        Workspace* w = workspace();
        QWidget* list = w ? w->open(QStringLiteral("frmPossibleDuplicates")) : nullptr;
        if (auto* sub = list ? qobject_cast<QMdiSubWindow*>(list->parentWidget()) : nullptr)
            w->area()->setActiveSubWindow(sub);
    });
    connect(ui->vsfgFields, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column > 0)
            vsfgFields_clicked(row, column);
    });
    if (Workspace* w = workspace())
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { reloadLists(); }); });
    guarded([this] { reloadLists(); });
}

frmMergePeople::~frmMergePeople() { delete ui; }

void frmMergePeople::reloadLists()
{
    BusyCursor busy;
    for (QComboBox* combo : { ui->cmbKeep, ui->cmbRemove }) {
        const QSignalBlocker quiet(combo);
        fillPeopleList(combo, NameForm::WithTitle, People::Everyone, Choice::Keep);
    }
    loadPair();
}

void frmMergePeople::choose(qint64 keptId, qint64 removedId)
{
    {
        const QSignalBlocker quietKeep(ui->cmbKeep);
        const QSignalBlocker quietRemove(ui->cmbRemove);
        selectById(ui->cmbKeep, keptId);
        selectById(ui->cmbRemove, removedId);
    }
    loadPair();
}

void frmMergePeople::loadPair()
{
    const qint64 keptId = selectedId(ui->cmbKeep);
    const qint64 removedId = selectedId(ui->cmbRemove);
    m_kept = keptId > 0 ? Members::load(db(), keptId) : std::nullopt;
    m_removed = removedId > 0 && removedId != keptId ? Members::load(db(), removedId) : std::nullopt;
    m_fromRemoved.clear();
    QTableWidget* grid = ui->vsfgFields;
    grid->setHorizontalHeaderLabels({ tr("Field"), m_kept ? tr("Keep: %1").arg(described(*m_kept)) : tr("Keep"),
        m_removed ? tr("Remove: %1").arg(described(*m_removed)) : tr("Remove") });
    const QVector<const Members::Column*> fields = mergeFields();
    grid->setRowCount(m_kept && m_removed ? int(fields.size()) : 0);
    ui->btnMerge->setEnabled(m_kept && m_removed);
    if (!m_kept || !m_removed)
        return;
    for (int row = 0; row < fields.size(); ++row) {
        const Members::Column& field = *fields.at(row);
        grid->setItem(row, 0, new QTableWidgetItem(fieldCaption(field.columnName())));
        grid->setItem(row, 1, new QTableWidgetItem(shownValue(field, *m_kept)));
        grid->setItem(row, 2, new QTableWidgetItem(shownValue(field, *m_removed)));
        if (removedValueByDefault(field, *m_kept, *m_removed))
            m_fromRemoved.insert(field.columnName());
        showChoice(row);
    }
}

void frmMergePeople::showChoice(int row)
{
    const QString column = mergeFields().at(row)->columnName();
    const bool removed = m_fromRemoved.contains(column);
    for (int c : { 1, 2 }) {
        QTableWidgetItem* item = ui->vsfgFields->item(row, c);
        const bool chosen = (c == 2) == removed;
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
        QFont font = item->font();
        font.setBold(chosen);
        item->setFont(font);
    }
}

void frmMergePeople::vsfgFields_clicked(int row, int column)
{
    if (row < 0 || row >= ui->vsfgFields->rowCount())
        return;
    const QString name = mergeFields().at(row)->columnName();
    if (column == 2)
        m_fromRemoved.insert(name);
    else
        m_fromRemoved.remove(name);
    showChoice(row);
}

void frmMergePeople::btnSwap_clicked()
{
    const qint64 kept = selectedId(ui->cmbKeep);
    choose(selectedId(ui->cmbRemove), kept);
}

void frmMergePeople::btnMerge_clicked()
{
    if (!requireAdmin(tr("merge people")))
        return;
    if (!m_kept || !m_removed) {
        messages().show(tr("Choose two different people: the one to keep and the one to merge in and "
                           "remove."),
            tr("Required Info"));
        return;
    }
    const QString question = tr("Merge %1 into %2?\n\nEverything that points at ID %3 (family links, "
                                "responsibilities, contacts, classes, groups, user account) moves to ID "
                                "%4, the values chosen stay, and ID %3 is removed. This cannot be undone.")
                                 .arg(described(*m_removed), described(*m_kept))
                                 .arg(m_removed->id)
                                 .arg(m_kept->id);
    if (messages().ask(question, tr("Merge People")) != Answer::Yes)
        return;
    const MemberRecord removed = *m_removed;
    PersonLinks::Merge merge { removed.id, removed.dateEdited, mergedRecord(*m_kept, removed, m_fromRemoved),
        m_kept->dateEdited, nameOf(removed), ctx().user.username, clock().now() };
    {
        BusyCursor busy;
        mergeWithPicture(merge, removed);
    }
    // The account of whoever is logged in may have moved to the kept record.
    if (ctx().user.id == removed.id)
        ctx().user.id = merge.kept.id;
    {
        const QSignalBlocker quiet(ui->cmbRemove);
        ui->cmbRemove->setCurrentIndex(-1);
    }
    if (Workspace* w = workspace())
        emit w->membersChanged();
    else
        reloadLists();
    showStatus(tr("Merged %1 into %2.").arg(described(removed), described(merge.kept)));
}

} // namespace pw::members
