#include "outreach/frmProspectContactEntry.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/NextOutreachPhase.h"
#include "outreach/ContactSave.h"
#include "ui_frmProspectContactEntry.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"

namespace pw::outreach {

namespace {

    // Counts a scope in which choosing values must not work out a proposal
    // (loading, clearing, refilling): it is worked out once at the end.
    class Hold {
    public:
        explicit Hold(int& counter)
            : m_counter(counter)
        {
            ++m_counter;
        }
        ~Hold() { --m_counter; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        int& m_counter;
    };

} // namespace

frmProspectContactEntry::frmProspectContactEntry(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmProspectContactEntry)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmProspectContactEntry"));
    BusyCursor busy;

    attachTypeAhead({ ui->cmbProspect, ui->cmbAction, ui->cmbVisitor1, ui->cmbVisitor2, ui->cmbNextPhase,
        ui->cmbNextContactAction });
    for (QComboBox* people : { ui->cmbProspect, ui->cmbVisitor1, ui->cmbVisitor2 })
        people->setMaxVisibleItems(20);
    setFocusProxy(ui->cmbProspect);

    const QDate today = clock().today();
    ui->dtDate->setDate(today);
    ui->dtNextContactDate->setDate(today);
    guarded([this] { reloadLists(); });

    m_tracker = new EditTracker(this, tr("Prospect Contact Entry/Edit"));
    m_tracker->watch(this);
    m_tracker->setRecordName([this] { return recordName(); });
    m_tracker->setSave([this] {
        bool saved = false;
        guarded([this, &saved] { saved = save(After::Clear); });
        return saved;
    });
    m_tracker->setViewOnly(!HasPermission(perm::ProspectContactEntry));

    connect(ui->btnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(After::Clear); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->cmbAction, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { guarded([this] { recomputeProposal(); }); });
    connect(ui->cmbProspect, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { guarded([this] { prospectChanged(); }); });
    connect(ui->dtDate, &QDateEdit::dateChanged, this, [this] { guarded([this] { recomputeProposal(); }); });
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { reloadLists(); }); });
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { reloadLists(); }); });
    }
}

frmProspectContactEntry::~frmProspectContactEntry() { delete ui; }

void frmProspectContactEntry::reloadLists()
{
    BusyCursor busy;
    Hold hold(m_quietProposal);
    using L = SharedLists::List;
    fillPeopleList(ui->cmbProspect, NameForm::WithoutTitle, People::Everyone, Choice::Keep);
    fillPeopleList(ui->cmbVisitor1, NameForm::WithoutTitle, People::Everyone, Choice::Keep);
    // The empty first entry takes a wrong second visitor away again.
    fillPeopleList(ui->cmbVisitor2, NameForm::WithoutTitle, People::Everyone, Choice::Keep, { { QString(), 0 } });
    const QStringList actions = listTexts(L::ProspectActions);
    m_values.fill(ui->cmbAction, actions, false);
    m_values.fill(ui->cmbNextContactAction, actions, false);
    m_values.fill(ui->cmbRating, listTexts(L::ContactRatings), false);
    m_values.fill(ui->cmbNextPhase, listTexts(L::OutreachPhases), true);
}

// --- the proposal ----------------------------------------------------------

void frmProspectContactEntry::recomputeProposal()
{
    if (m_quietProposal > 0)
        return;
    const QString action = m_values.value(ui->cmbAction);
    const qint64 prospect = selectedId(ui->cmbProspect);
    // Without an action there is nothing to propose from, and without a
    // prospect no present phase to start from.
    if (action.isEmpty() || prospect <= 0)
        return;
    // The proposal starts from the step stored now; a save compares with it.
    m_step = StepRead { prospect, Contacts::nextStep(db(), prospect).value_or(NextStep {}), {}, false };
    const NextStep step = NextOutreachPhase(db(), prospect, ui->dtDate->date(), action);
    m_values.show(ui->cmbNextPhase, step.phase);
    if (step.date.isValid())
        ui->dtNextContactDate->setDate(step.date);
    m_values.show(ui->cmbNextContactAction, step.action);
}

void frmProspectContactEntry::prospectChanged()
{
    if (m_quietProposal > 0)
        return;
    // A stored contact moved to another prospect shows that prospect's step.
    if (m_loaded)
        showStoredStep(selectedId(ui->cmbProspect));
    else
        recomputeProposal();
}

void frmProspectContactEntry::showStoredStep(qint64 prospectId)
{
    Hold hold(m_quietProposal);
    const NextStep stored = prospectId > 0 ? Contacts::nextStep(db(), prospectId).value_or(NextStep {}) : NextStep {};
    m_values.show(ui->cmbNextPhase, stored.phase);
    ui->dtNextContactDate->setDate(stored.date.isValid() ? stored.date : clock().today());
    if (stored.action.isEmpty())
        m_values.clear(ui->cmbNextContactAction);
    else
        m_values.show(ui->cmbNextContactAction, stored.action);
    m_step = StepRead { prospectId, stored, stepFromScreen(), true };
}

NextStep frmProspectContactEntry::stepToSave() const
{
    NextStep step = stepFromScreen();
    if (m_step.boxesShowIt) {
        if (step.phase == m_step.shown.phase)
            step.phase = m_step.stored.phase;
        if (step.date == m_step.shown.date)
            step.date = m_step.stored.date;
        if (step.action == m_step.shown.action)
            step.action = m_step.stored.action;
    }
    return step;
}

// --- loading and clearing --------------------------------------------------

void frmProspectContactEntry::clearScreen()
{
    Hold hold(m_quietProposal);
    m_loaded.reset();
    m_step = StepRead {};
    ui->txtID->clear();
    ui->txtType->clear();
    ui->txtNotes->clear();
    for (QComboBox* combo : { ui->cmbProspect, ui->cmbVisitor1, ui->cmbVisitor2 })
        combo->setCurrentIndex(-1);
    for (QComboBox* combo : { ui->cmbAction, ui->cmbRating, ui->cmbNextContactAction, ui->cmbNextPhase })
        m_values.clear(combo);
    const QDate today = clock().today();
    ui->dtDate->setDate(today);
    ui->dtNextContactDate->setDate(today);
}

void frmProspectContactEntry::choosePerson(QComboBox* combo, qint64 id)
{
    if (id <= 0) {
        // The second visitor's empty entry; no choice in the other lists.
        combo->setCurrentIndex(combo == ui->cmbVisitor2 ? 0 : -1);
        return;
    }
    if (selectById(combo, id))
        return;
    // Someone added since the lists were filled: read the people afresh.
    if (SharedLists* lists = sharedLists())
        lists->membersChanged();
    reloadLists();
    if (!selectById(combo, id))
        combo->setCurrentIndex(-1); // nobody of that identifier any more
}

void frmProspectContactEntry::showContact(const Contacts::Contact& c)
{
    Hold hold(m_quietProposal);
    ui->txtID->setText(QString::number(c.id));
    choosePerson(ui->cmbProspect, c.prospectId);
    ui->dtDate->setDate(c.date.isValid() ? c.date : clock().today());
    m_values.show(ui->cmbAction, c.action);
    ui->txtType->setText(c.type);
    choosePerson(ui->cmbVisitor1, c.visitor1);
    choosePerson(ui->cmbVisitor2, c.visitor2);
    m_values.show(ui->cmbRating, c.rating);
    ui->txtNotes->setPlainText(c.notes);
}

bool frmProspectContactEntry::LoadContact(qint64 contactId)
{
    if (m_tracker->confirmLeave() == Leave::Stay)
        return false;
    std::optional<Contacts::Contact> contact;
    {
        BusyCursor busy;
        EditTracker::Quiet quiet(m_tracker);
        contact = Contacts::load(db(), contactId);
        if (contact) {
            showContact(*contact);
            m_loaded = contact;
            showStoredStep(contact->prospectId);
        } else {
            // Nothing of an earlier contact may stay under an empty ID: saving
            // would add it again as a new contact.
            clearScreen();
        }
        m_tracker->markClean();
    }
    if (!contact)
        messages().show(tr("The contact with ID %1 no longer exists, perhaps deleted on another "
                           "workstation.")
                            .arg(contactId),
            QStringLiteral("Pewlark"));
    return true;
}

bool frmProspectContactEntry::startContact(qint64 prospectId, const QDate& date, const QString& action)
{
    if (m_tracker->confirmLeave() == Leave::Stay)
        return false;
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    {
        Hold hold(m_quietProposal);
        clearScreen();
        choosePerson(ui->cmbProspect, prospectId);
        if (date.isValid())
            ui->dtDate->setDate(date);
        if (!action.isEmpty())
            m_values.show(ui->cmbAction, action);
    }
    recomputeProposal();
    m_tracker->markClean();
    ui->cmbProspect->setFocus();
    return true;
}

// --- saving ----------------------------------------------------------------

Contacts::Contact frmProspectContactEntry::contactFromScreen() const
{
    Contacts::Contact c;
    c.id = ui->txtID->text().toLongLong();
    c.prospectId = selectedId(ui->cmbProspect);
    c.date = ui->dtDate->date();
    c.action = m_values.value(ui->cmbAction);
    c.type = ui->txtType->text();
    c.visitor1 = selectedId(ui->cmbVisitor1);
    c.visitor2 = selectedId(ui->cmbVisitor2);
    c.rating = m_values.value(ui->cmbRating);
    c.notes = ui->txtNotes->toPlainText();
    return c;
}

NextStep frmProspectContactEntry::stepFromScreen() const
{
    return NextStep { m_values.value(ui->cmbNextPhase), ui->dtNextContactDate->date(),
        m_values.value(ui->cmbNextContactAction) };
}

QWidget* frmProspectContactEntry::firstEmptyRequired() const
{
    if (selectedId(ui->cmbProspect) <= 0)
        return ui->cmbProspect;
    if (m_values.value(ui->cmbAction).isEmpty())
        return ui->cmbAction;
    if (selectedId(ui->cmbVisitor1) <= 0)
        return ui->cmbVisitor1;
    return ui->cmbRating;
}

QString frmProspectContactEntry::recordName() const
{
    const QString prospect
        = ui->cmbProspect->currentIndex() >= 0 ? ui->cmbProspect->currentText().trimmed() : QString();
    return prospect.isEmpty() ? QString() : tr("the contact with %1").arg(prospect);
}

void frmProspectContactEntry::saveKeepingRecord()
{
    guarded([this] { save(After::Keep); });
}

bool frmProspectContactEntry::save(After after)
{
    if (!requireSavePermission(*m_tracker, perm::ProspectContactEntry))
        return false;
    const Contacts::Contact contact = contactFromScreen();
    if (!Contacts::hasRequired(contact)) {
        messages().show(Contacts::requiredMessage(), Contacts::requiredTitle());
        bringToView(firstEmptyRequired());
        return false;
    }
    const StepEdit step { m_step.prospectId, m_step.stored, stepToSave() };
    ContactSaveResult result;
    const bool answered = saveAskingOnConflict([&](Members::OnConflict how) {
        result = saveContact(m_loaded, contact, step, how);
        return result.saved ? QString()
                            : conflictQuestion(tr("contact", "what a conflict question is about"), result.conflicts);
    });
    if (!answered)
        return false;

    const QString name = recordName();
    const qint64 earlierProspect = m_loaded ? m_loaded->prospectId : 0;
    {
        EditTracker::Quiet quiet(m_tracker);
        if (after == After::Clear) {
            clearScreen();
            ui->cmbProspect->setFocus();
        } else {
            // The contact stays on screen as stored, with the next step as
            // it is stored now.
            m_loaded = Contacts::load(db(), result.id);
            if (m_loaded) {
                showContact(*m_loaded);
                showStoredStep(m_loaded->prospectId);
            }
        }
        m_tracker->markClean();
    }
    showStatus(tr("Saved %1.").arg(name));
    if (Workspace* w = workspace()) {
        emit w->contactSaved(contact.prospectId);
        // A contact moved to another prospect leaves the first one's list too.
        if (earlierProspect > 0 && earlierProspect != contact.prospectId)
            emit w->contactSaved(earlierProspect);
    }
    return true;
}

} // namespace pw::outreach
