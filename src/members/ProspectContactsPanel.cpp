#include "members/ProspectContactsPanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Contacts.h"
#include "data/Database.h"
#include "members/MemberRecord.h"
#include "outreach/ValueLists.h"
#include "outreach/frmProspectContactEntry.h"
#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/ResultGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>

namespace pw::members {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ProspectContactsPanel)
    };

    QStringList columns()
    {
        return { Tr::tr("ID"), Tr::tr("Date"), Tr::tr("Action"), Tr::tr("Type"), Tr::tr("Rating"), Tr::tr("Visitor 1"),
            Tr::tr("Visitor 2"), Tr::tr("Notes") };
    }
    const QString kContactScreen = QStringLiteral("frmProspectContactEntry");

    // The contact screen, opened (or the open one) and brought to the front.
    outreach::frmProspectContactEntry* contactScreen()
    {
        Workspace* w = workspace();
        auto* screen = w ? qobject_cast<outreach::frmProspectContactEntry*>(w->open(kContactScreen)) : nullptr;
        if (screen) {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
                w->area()->setActiveSubWindow(sub);
        }
        return screen;
    }

} // namespace

ProspectContactsPanel::ProspectContactsPanel(
    QWidget* screen, const Controls& controls, std::function<void(qint64)> loadMember)
    : QObject(screen)
    , m_screen(screen)
    , m_ui(controls)
    , m_loadMember(std::move(loadMember))
    , m_model(new ResultModel(this))
{
    m_model->setColumns(columns());
    setupResultGrid(m_ui.grid, m_model);
    fitColumns(m_ui.grid);
    m_ui.grid->installEventFilter(this);
    m_ui.newContact->setEnabled(true);

    connect(m_ui.newContact, &QPushButton::clicked, this, [this] { guarded([this] { btnNewContact_clicked(); }); });
    connect(m_ui.grid, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex& index) { guarded([this, index] { openRow(index.row()); }); });
    if (Workspace* w = workspace())
        connect(w, &Workspace::contactSaved, this, [this](qint64 id) { guarded([this, id] { contactSaved(id); }); });
}

qint64 ProspectContactsPanel::memberId() const
{
    bool ok = false;
    const qint64 id = m_ui.memberId->text().trimmed().toLongLong(&ok);
    return ok && id > 0 ? id : 0;
}

void ProspectContactsPanel::clear() { m_model->clearRows(); }

void ProspectContactsPanel::loadProspectContacts()
{
    QVector<QStringList> rows;
    if (const qint64 id = memberId()) {
        for (const Contacts::GridRow& r : Contacts::gridRows(db(), id))
            rows.append({ QString::number(r.id), formats::dateText(r.date), r.action, r.type, r.rating, r.visitor1Name,
                r.visitor2Name, r.notes });
    }
    m_model->setColumns(columns());
    m_model->setRows(std::move(rows));
    fitColumns(m_ui.grid);
}

void ProspectContactsPanel::openRow(int row)
{
    // The permission comes first, whatever was double-clicked.
    if (!requirePermission(perm::ProspectContactEntry, refusal::Edit))
        return;
    const qint64 id = row >= 0 && row < m_model->rowCount() ? m_model->idAt(row) : 0;
    if (id <= 0)
        return;
    if (outreach::frmProspectContactEntry* screen = contactScreen())
        screen->LoadContact(id);
}

bool ProspectContactsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a chosen contact opens it, as a double-click does.
    if (watched == m_ui.grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = m_ui.grid->currentIndex().row();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier
            && row >= 0) {
            guarded([this, row] { openRow(row); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ProspectContactsPanel::btnNewContact_clicked()
{
    if (!requirePermission(perm::ProspectContactEntry, refusal::View))
        return;
    const qint64 id = memberId();
    if (id <= 0) {
        messages().show(tr("You must have a prospect selected on the Contact Info Page before adding a "
                           "new contact."),
            tr("No Prospect Selected"));
        return;
    }
    const QString action = m_ui.values                ? m_ui.values->value(m_ui.nextContactAction)
        : m_ui.nextContactAction->currentIndex() >= 0 ? m_ui.nextContactAction->currentText()
                                                      : QString();
    if (outreach::frmProspectContactEntry* screen = contactScreen())
        screen->startContact(id, m_ui.nextContactDate->date(), action);
}

void ProspectContactsPanel::contactSaved(qint64 prospectId)
{
    if (prospectId <= 0 || prospectId != memberId())
        return;
    if (auto* editing = dynamic_cast<EditingScreen*>(m_screen); editing && editing->editTracker()) {
        if (editing->editTracker()->confirmLeave() == Leave::Stay) {
            loadProspectContacts(); // the grid holds nothing the user typed
            return;
        }
        if (m_loadMember)
            m_loadMember(prospectId);
        return;
    }
    loadProspectContacts();
    showNextStep();
}

void ProspectContactsPanel::showNextStep()
{
    const std::optional<MemberRecord> r = loadMemberRecord(memberId());
    if (!r)
        return;
    // As the member screen loads them: the three only when there is a phase.
    const bool any = !r->prospectPhase.isEmpty();
    m_ui.nextPhase->setCurrentIndex(
        any ? m_ui.nextPhase->findText(r->prospectPhase, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1);
    m_ui.nextContactDate->setDate(
        any && r->prospectNextContactDate.isValid() ? r->prospectNextContactDate : clock().today());
    m_ui.nextContactAction->setCurrentIndex(any
            ? m_ui.nextContactAction->findText(r->prospectNextContactAction, Qt::MatchExactly | Qt::MatchCaseSensitive)
            : -1);
}

} // namespace pw::members
