#include "admin/frmUserEntry.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "ui_frmUserEntry.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"

#include <QApplication>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>

namespace pw::admin {

namespace {

    QString required() { return frmUserEntry::tr("Name, Type, Username, and Password are Required."); }

    enum { PermissionId = Qt::UserRole };

    // Keeps the list in name order, whatever order entries arrive in.
    void insertSorted(QListWidget* list, QListWidgetItem* item)
    {
        int row = 0;
        while (row < list->count() && sql::compareText(list->item(row)->text(), item->text()) <= 0)
            ++row;
        list->insertItem(row, item);
    }

    void fill(QListWidget* list, const QVector<Users::Permission>& permissions)
    {
        list->clear();
        for (const Users::Permission& p : permissions) {
            // The name is the permission's key; the list shows it in the user's language.
            auto* item = new QListWidgetItem(shownPermission(p.name));
            item->setData(PermissionId, QVariant(static_cast<qlonglong>(p.id)));
            list->addItem(item);
        }
    }

    QList<qint64> idsIn(const QListWidget* list)
    {
        QList<qint64> ids;
        for (int row = 0; row < list->count(); ++row)
            ids.append(list->item(row)->data(PermissionId).toLongLong());
        return ids;
    }

    QString selectedText(const QComboBox* combo)
    {
        return combo->currentIndex() >= 0 ? combo->currentText() : QString();
    }

} // namespace

frmUserEntry::frmUserEntry(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmUserEntry)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmUserEntry"));
    setFocusProxy(ui->cmbName);
    attachTypeAhead(ui->cmbType);
    setCancelButton(this, ui->btnExit);

    m_tracker = new EditTracker(this, tr("User Entry/Edit"));
    m_tracker->watch(this);
    m_tracker->ignore(ui->cmbName);
    m_tracker->setRecordName([this] { return selectedText(ui->cmbName).trimmed(); });
    m_tracker->setSave([this] { return save(); });

    connect(ui->cmbName, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { guarded([this] { cmbName_changed(); }); });
    connect(ui->cmbType, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { cmbType_changed(); });
    connect(ui->btnAdd, &QPushButton::clicked, this,
        [this] { move(ui->lstAllPermissions, ui->lstUserPermissions, false); });
    connect(ui->btnRemove, &QPushButton::clicked, this,
        [this] { move(ui->lstUserPermissions, ui->lstAllPermissions, false); });
    connect(ui->btnAddAll, &QPushButton::clicked, this,
        [this] { move(ui->lstAllPermissions, ui->lstUserPermissions, true); });
    connect(ui->btnRemoveAll, &QPushButton::clicked, this,
        [this] { move(ui->lstUserPermissions, ui->lstAllPermissions, true); });
    connect(ui->btnSave, &QPushButton::clicked, this, [this] { guarded([this] { btnSave_clicked(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    // "Save And Close" makes the same test itself.
    whenLeaving(
        this, ui->txtUsername, [this] { guarded([this] { txtUsername_LostFocus(); }); }, { ui->btnExit, ui->btnSave });
    if (Workspace* w = workspace())
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { reloadNames(); }); });

    guarded([this] {
        BusyCursor busy;
        EditTracker::Quiet quiet(m_tracker);
        m_quiet = true;
        reloadNames();
        ui->cmbName->setCurrentIndex(-1);
        fillTextList(ui->cmbType, listTexts(SharedLists::List::UserTypes));
        clearAccount();
        fill(ui->lstAllPermissions, Users::permissions(db()));
        m_quiet = false;
        m_tracker->markClean();
    });
    followPermission(this, m_tracker, perm::UserPermissions);

    guarded([] {
        // A file from before user names had to differ may hold accounts the
        // login cannot tell apart; the administrator renames all but one.
        const QVector<QStringList> shared = Users::sharedNames(db());
        if (shared.isEmpty())
            return;
        QStringList groups;
        for (const QStringList& group : shared)
            groups.append(group.join(QStringLiteral(", ")));
        messages().show(tr("These accounts have user names that differ only in capital letters, so "
                           "Pewlark cannot tell them apart:\n\n%1\n\nGive each account a user name of "
                           "its own.")
                            .arg(groups.join(QLatin1Char('\n'))),
            QStringLiteral("Pewlark"), Icon::Warning);
    });
}

frmUserEntry::~frmUserEntry() { delete ui; }

void frmUserEntry::reloadNames()
{
    const QList<qint64> holders = Users::accountHolders(db());
    const QSet<qint64> withAccount(holders.begin(), holders.end());
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    fillPeopleList(
        ui->cmbName, NameForm::WithoutTitle,
        [withAccount](const PersonName& p) {
            return p.status.compare(QLatin1String("Member"), Qt::CaseInsensitive) == 0 || withAccount.contains(p.id);
        },
        Choice::Keep);
    m_quiet = wasQuiet;
}

void frmUserEntry::clearAccount()
{
    EditTracker::Quiet quiet(m_tracker);
    ui->cmbType->setCurrentIndex(-1);
    ui->chkInactive->setChecked(false);
    ui->lstAllPermissions->clear();
    ui->lstUserPermissions->clear();
    ui->txtUsername->clear();
    ui->txtPassword->clear();
    ui->txtPasswordAgain->clear();
    cmbType_changed();
}

void frmUserEntry::cmbName_changed()
{
    if (m_quiet || ui->cmbName->currentIndex() < 0)
        return;
    const qint64 picked = selectedId(ui->cmbName);
    if (picked == m_memberId)
        return;
    if (m_tracker->confirmLeave() == Leave::Stay) {
        const QSignalBlocker quiet(ui->cmbName);
        if (m_memberId <= 0 || !selectById(ui->cmbName, m_memberId))
            ui->cmbName->setCurrentIndex(-1);
        return;
    }
    {
        const QSignalBlocker quiet(ui->cmbName);
        selectById(ui->cmbName, picked);
    }
    loadAccount(picked);
}

void frmUserEntry::loadAccount(qint64 memberId)
{
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    clearAccount();
    m_memberId = memberId;
    m_loaded.reset();
    const std::optional<Users::Account> account = Users::load(db(), memberId);
    if (!account) {
        fill(ui->lstAllPermissions, Users::permissions(db()));
    } else {
        // The password box stays empty: only a protected hash is stored, and
        // an empty box keeps it.
        ui->txtUsername->setText(account->username);
        ui->cmbType->setCurrentIndex(account->type.isEmpty()
                ? -1
                : ui->cmbType->findText(account->type, Qt::MatchExactly | Qt::MatchCaseSensitive));
        ui->chkInactive->setChecked(account->inactive);
        const QVector<Users::Permission> granted = Users::granted(db(), memberId);
        QSet<qint64> grantedIds;
        for (const Users::Permission& p : granted)
            grantedIds.insert(p.id);
        QVector<Users::Permission> others;
        for (const Users::Permission& p : Users::permissions(db()))
            if (!grantedIds.contains(p.id))
                others.append(p);
        fill(ui->lstAllPermissions, others);
        fill(ui->lstUserPermissions, granted);
        m_loaded = accountFromScreen();
    }
    cmbType_changed();
    m_tracker->markClean();
}

void frmUserEntry::cmbType_changed()
{
    // The lists and their buttons are for a "User" only; for any other type
    // they are off and grey.
    const bool user = selectedText(ui->cmbType) == Users::UserType;
    for (QListWidget* list : { ui->lstAllPermissions, ui->lstUserPermissions }) {
        list->setEnabled(user);
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base,
            user ? QColor(Qt::white) : QApplication::palette().color(QPalette::Active, QPalette::Button));
        list->setPalette(palette);
    }
    for (QPushButton* button : { ui->btnAdd, ui->btnRemove, ui->btnAddAll, ui->btnRemoveAll })
        button->setEnabled(user);
}

void frmUserEntry::move(QListWidget* from, QListWidget* to, bool all)
{
    // From the last entry to the first, so the rows still to come keep their places.
    for (int row = from->count() - 1; row >= 0; --row) {
        if (all || from->item(row)->isSelected()) {
            QListWidgetItem* item = from->takeItem(row);
            item->setSelected(false);
            insertSorted(to, item);
        }
    }
}

void frmUserEntry::txtUsername_LostFocus()
{
    const QString name = Users::loginName(ui->txtUsername->text());
    if (name.isEmpty())
        return;
    // Without a name chosen every account counts.
    const qint64 except = ui->cmbName->currentIndex() >= 0 ? selectedId(ui->cmbName) : 0;
    if (!Users::nameTaken(db(), name, except))
        return;
    refuseTakenName();
}

void frmUserEntry::refuseTakenName()
{
    ui->txtUsername->clear();
    refuseEntry(ui->txtUsername, tr("This username already exists.  Please choose a different username."),
        tr("Username Exists"));
}

Users::AccountEdit frmUserEntry::accountFromScreen() const
{
    Users::AccountEdit a;
    a.memberId = m_memberId;
    a.username = ui->txtUsername->text();
    a.password = ui->txtPassword->text();
    a.type = selectedText(ui->cmbType);
    a.inactive = ui->chkInactive->isChecked();
    a.grants = idsIn(ui->lstUserPermissions);
    return a;
}

void frmUserEntry::btnSave_clicked()
{
    if (save())
        closeScreen(this);
}

void frmUserEntry::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmUserEntry::save()
{
    if (!requireSavePermission(*m_tracker, perm::UserPermissions))
        return false;
    QWidget* missing = nullptr;
    if (ui->cmbName->currentIndex() < 0 || ui->cmbName->currentText().trimmed().isEmpty() || m_memberId <= 0)
        missing = ui->cmbName;
    else if (selectedText(ui->cmbType).isEmpty())
        missing = ui->cmbType;
    else if (Users::loginName(ui->txtUsername->text()).isEmpty())
        missing = ui->txtUsername;
    if (missing) {
        messages().show(required(), tr("Required Fields"));
        bringToView(missing);
        return false;
    }

    if (!samePasswordTwice(ui->txtPassword, ui->txtPasswordAgain))
        return false;

    const Users::AccountEdit mine = accountFromScreen();
    Users::SaveResult result;
    const bool answered = saveAskingOnConflict([&](rows::OnConflict how) {
        result = Users::save(db(), mine, m_loaded, clock().today(), how);
        return result.result == Users::SaveResult::Result::Conflicts
            ? conflictQuestion(tr("account"), conflictFields(result.conflicts))
            : QString();
    });
    if (!answered)
        return false;
    switch (result.result) {
    case Users::SaveResult::Result::Added:
    case Users::SaveResult::Result::Saved:
    case Users::SaveResult::Result::Conflicts: // settled above
        break;
    case Users::SaveResult::Result::NameTaken:
        refuseTakenName();
        return false;
    case Users::SaveResult::Result::NoPassword:
        // A new account without a password could never log in.
        messages().show(required(), tr("Required Fields"));
        bringToView(ui->txtPassword);
        return false;
    case Users::SaveResult::Result::LastAdmin:
        messages().show(tr("This is the only active \"Admin\" account: it cannot be made inactive or "
                           "turned into a \"User\", or nobody could look after the users and their "
                           "permissions any more. Make another account an active \"Admin\" first."),
            tr("Invalid Entry"));
        return false;
    }

    const QString name = selectedText(ui->cmbName).trimmed();
    // No person changed: only this screen's own list, which names everyone
    // with an account, may have gained someone.
    reloadNames();
    loadAccount(m_memberId);
    showStatus(tr("Saved %1.").arg(name));
    return true;
}

} // namespace pw::admin
