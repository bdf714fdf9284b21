#include "members/frmMemberEntry.h"

#include "app/Permissions.h"
#include "app/RecentPeople.h"
#include "app/Workspace.h"
#include "attendance/AttendancePanel.h"
#include "checkin/CarePanel.h"
#include "data/Database.h"
#include "data/Households.h"
#include "data/PersonName.h"
#include "directory/DirectoryPanel.h"
#include "giving/GivingPanel.h"
#include "members/DuplicateWarning.h"
#include "members/FamilyPanel.h"
#include "members/MemberFields.h"
#include "members/MemberRecord.h"
#include "members/PersonDelete.h"
#include "members/PicturePanel.h"
#include "members/ProspectContactsPanel.h"
#include "members/ResponsibilityPanel.h"
#include "rosters/RosterPanel.h"
#include "ui_frmMemberEntry.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"

#include <QDir>
#include <QListView>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pw::members {

namespace {

    // Puts the focusable controls of a frame built elsewhere into the tab
    // order between two controls of this screen, keeping the frame's own order.
    void chainThrough(QWidget* before, QWidget* frame, QWidget* after)
    {
        QList<QWidget*> inner;
        for (QWidget* w = frame->nextInFocusChain(); w && w != frame; w = w->nextInFocusChain()) {
            if (frame->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !inner.contains(w))
                inner.append(w);
        }
        QWidget* previous = before;
        for (QWidget* w : inner) {
            QWidget::setTabOrder(previous, w);
            previous = w;
        }
        QWidget::setTabOrder(previous, after);
    }

    // "Attendance Info" beside the calendar: what the person attended and the
    // levels it suggests, for the row shown (a new person has none).
    class AttendanceTab : public QObject, public MemberPanel {
    public:
        AttendanceTab(QObject* screen, attendance::AttendancePanel* panel)
            : QObject(screen)
            , m_panel(panel)
        {
        }
        void clear() override { m_panel->showPerson(0); }
        void showRecord(const MemberRecord& record) override { m_panel->showPerson(record.id); }

    private:
        attendance::AttendancePanel* m_panel;
    };

    // "Family Info": the care notes check-in prints on a child's label.
    class CareTab : public QObject, public MemberPanel {
    public:
        CareTab(QObject* screen, checkin::CarePanel* panel)
            : QObject(screen)
            , m_panel(panel)
        {
        }
        void clear() override { m_panel->showPerson(0); }
        void showRecord(const MemberRecord& record) override { m_panel->showPerson(record.id); }

    private:
        checkin::CarePanel* m_panel;
    };

    // Also on "Family Info": how the person is listed in the church directory
    // and the household's family picture.
    class DirectoryTab : public QObject, public MemberPanel {
    public:
        DirectoryTab(QObject* screen, directory::DirectoryPanel* panel)
            : QObject(screen)
            , m_panel(panel)
        {
        }
        void clear() override { m_panel->showPerson(0); }
        void showRecord(const MemberRecord& r) override { m_panel->showPerson(r.id, r.headOfHousehold); }

    private:
        directory::DirectoryPanel* m_panel;
    };

    // "Serving": the person's coming turns, times away and preferences.
    class ServingTab : public QObject, public MemberPanel {
    public:
        ServingTab(QObject* screen, rosters::RosterPanel* panel)
            : QObject(screen)
            , m_panel(panel)
        {
        }
        void clear() override { m_panel->showPerson(0); }
        void showRecord(const MemberRecord& record) override { m_panel->showPerson(record.id); }

    private:
        rosters::RosterPanel* m_panel;
    };

    // "Giving": the person's gifts, totals per fund and pledges.
    class GivingTab : public QObject, public MemberPanel {
    public:
        GivingTab(QObject* screen, giving::GivingPanel* panel)
            : QObject(screen)
            , m_panel(panel)
        {
        }
        void clear() override { m_panel->showPerson(0); }
        void showRecord(const MemberRecord& record) override { m_panel->showPerson(record.id); }

    private:
        giving::GivingPanel* m_panel;
    };

} // namespace

frmMemberEntry::frmMemberEntry(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmMemberEntry)
{
    ui->setupUi(this);
    auto* attended = new attendance::AttendancePanel(ui->Calendar1,
        { ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend, ui->cmbWedAttend },
        ui->tabAttendance);
    ui->gridAttendance->addWidget(attended, 0, 1);
    setObjectName(QStringLiteral("frmMemberEntry"));
    BusyCursor busy;

    attachTypeAhead(ui->cmbMember);
    // Every person is in this list; equal rows let the popup skip measuring each one.
    if (auto* view = qobject_cast<QListView*>(ui->cmbMember->view()))
        view->setUniformItemSizes(true);

    // The panels, in the order every step runs over them.
    m_fields = new MemberFields(this, ui);
    addPanel(m_fields);
    m_picture = new PicturePanel(this, { ui->imgPic, ui->btnLoadPic, ui->btnRemovePic, ui->txtFileType });
    addPanel(m_picture);
    addPanel(ui->fraFamilyMembers);
    addPanel(ui->fraChurchResponsibilities);
    m_contacts = new ProspectContactsPanel(this,
        { ui->vsfgProspectContacts, ui->btnNewContact, ui->txtMemberID, ui->cmbNextPhase, ui->dtNextContactDate,
            ui->cmbNextContactAction, &m_fields->values() },
        [this](qint64 id) { LoadMember(id); });
    addPanel(m_contacts);
    addPanel(new AttendanceTab(this, attended));
    QWidget* family = nullptr; // "Family Info": the care notes above the directory's choices
    rosters::RosterPanel* serving = nullptr;
    if (HasPermission(perm::MemberView) || HasPermission(perm::MemberEntry)) {
        family = new QWidget;
        auto* familyLayout = new QVBoxLayout(family);
        auto* care = new checkin::CarePanel;
        auto* listing = new directory::DirectoryPanel;
        familyLayout->addWidget(care, 1);
        familyLayout->addWidget(listing);
        ui->SSTab1->addTab(family, tr("Family Info"));
        addPanel(new CareTab(this, care));
        addPanel(new DirectoryTab(this, listing));
        serving = new rosters::RosterPanel;
        ui->SSTab1->addTab(serving, tr("Serving"));
        addPanel(new ServingTab(this, serving));
    }
    // Giving is confidential: the tab is there only for a user who holds
    // "Giving View" when the screen opens (a log off closes the screen).
    giving::GivingPanel* given = nullptr;
    if (HasPermission(perm::GivingView)) {
        given = new giving::GivingPanel;
        ui->SSTab1->addTab(given, tr("Giving"));
        addPanel(new GivingTab(this, given));
    }

    chainThrough(ui->btnRemovePic, ui->fraFamilyMembers, ui->txtPlaceofWork);
    chainThrough(ui->chkNewEmail, ui->fraChurchResponsibilities, ui->cmbProspectStatus);
    ui->fraFamilyMembers->bind(ui->txtMemberID, ui->chkHOH);
    ui->fraChurchResponsibilities->bind(ui->txtMemberID);

    // "Delete" beside "Exit": for "Admin" accounts, on a person who is stored.
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setObjectName(QStringLiteral("btnDelete"));
    ui->layTop->insertWidget(ui->layTop->indexOf(ui->btnExit), m_delete);
    setTabOrder(ui->btnSaveClose, m_delete);
    connect(m_delete, &QPushButton::clicked, this, [this] { guarded([this] { btnDelete_clicked(); }); });
    connect(ui->btnNew, &QPushButton::clicked, this, [this] { guarded([this] { btnNew_clicked(); }); });
    connect(ui->btnNewFamilyMember, &QPushButton::clicked, this,
        [this] { guarded([this] { btnNewFamilyMember_clicked(); }); });
    connect(ui->fraFamilyMembers, &FamilyPanel::newFamilyMemberRequested, this,
        [this] { guarded([this] { btnNewFamilyMember_clicked(); }); });
    connect(ui->btnSaveNew, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveNew_clicked(); }); });
    connect(ui->btnSaveClose, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveClose_clicked(); }); });
    // Closing asks about unsaved changes (the tracker watches the close).
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->cmbMember, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this](int index) { guarded([this, index] { cmbMember_changed(index); }); });
    connect(ui->fraFamilyMembers, &FamilyPanel::openMemberRequested, this,
        [this](qint64 id) { guarded([this, id] { LoadMember(id); }); });
    connect(ui->fraChurchResponsibilities, &ResponsibilityPanel::responsibilitiesChanged, this, [this] {
        guarded([this] {
            // Announced first, so the shared deacon list is read afresh.
            announceMembersChanged();
            ReloadListValues();
        });
    });
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { ReloadListValues(); }); });
        // People added elsewhere (a visitor at the roll call, an import)
        // join the person lists; this screen's own saves reload as they need.
        connect(w, &Workspace::membersChanged, this, [this] {
            if (!m_announcing)
                guarded([this] { ReloadListValues(); });
        });
    }

    ui->fraFamilyMembers->clear();
    ui->fraChurchResponsibilities->clear();
    guarded([this] {
        ReloadListValues();
        m_fields->defaultState();
    });
    ui->SSTab1->setCurrentIndex(0);

    // What counts as an unsaved change: every box, list, tick and date of the
    // record, a picture loaded but not yet stored (its file type in the
    // hidden txtFileType) and a stored one removed. The person list chooses
    // a record, the two frames store their rows at once, and the calendar is
    // only looked at: none of them is a change.
    m_tracker = new EditTracker(this, tr("Member Entry/Edit"));
    m_tracker->watch(this);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->cmbMember, ui->fraFamilyMembers,
             ui->fraChurchResponsibilities, ui->txtAdded, ui->txtEdited, ui->txtMemberID, ui->Calendar1, attended })
        m_tracker->ignore(w);
    for (QWidget* tab : std::initializer_list<QWidget*> { family, serving, given })
        if (tab)
            m_tracker->ignore(tab);
    m_tracker->addState([this] { return m_picture->removesStored(); });
    connect(m_picture, &PicturePanel::changed, this, [this] { m_tracker->stateChanged(); });
    m_tracker->setRecordName([this] { return recordName(); });
    m_tracker->setSave([this] {
        bool saved = false;
        guarded([this, &saved] { saved = saveWithChecks(); });
        return saved;
    });
    guarded([this] { m_tracker->setViewOnly(!HasPermission(perm::MemberEntry)); });
    m_tracker->markClean();
}

frmMemberEntry::~frmMemberEntry() { delete ui; }

void frmMemberEntry::announceMembersChanged()
{
    Workspace* w = workspace();
    if (!w)
        return;
    const QScopedValueRollback<bool> announcing(m_announcing, true);
    emit w->membersChanged();
}

void frmMemberEntry::addPanel(MemberPanel* panel) { m_panels.push_back(panel); }

void frmMemberEntry::ReloadListValues()
{
    BusyCursor busy;
    // Each list chooses again what it showed (see MemberFields::reloadLists).
    fillPeopleList(ui->cmbMember, NameForm::WithTitle, People::Everyone, Choice::Keep);
    for (MemberPanel* panel : m_panels)
        panel->reloadLists();
}

bool frmMemberEntry::LoadMember(qint64 memberId)
{
    bool listed = false;
    {
        const QSignalBlocker quiet(ui->cmbMember);
        const int before = ui->cmbMember->currentIndex();
        listed = selectById(ui->cmbMember, memberId);
        ui->cmbMember->setCurrentIndex(before); // chosen below, once the user agreed
    }
    // Someone added after the lists were filled, or someone removed.
    if (!listed && !db().exists(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), { memberId })) {
        messages().show(tr("The person with ID %1 no longer exists.").arg(memberId), QStringLiteral("Pewlark"));
        return false;
    }
    if (!mayLeaveRecord())
        return false;
    if (!listed) {
        if (SharedLists* lists = sharedLists())
            lists->membersChanged();
        ReloadListValues();
    }
    bool found = false;
    {
        // Chosen quietly: the record is read once below, afresh.
        const QSignalBlocker quiet(ui->cmbMember);
        found = selectById(ui->cmbMember, memberId);
    }
    if (found)
        LoadSelectedMember();
    return found;
}

void frmMemberEntry::LoadSelectedMember()
{
    const qint64 id = selectedId(ui->cmbMember);
    const std::optional<MemberRecord> record = loadMemberRecord(id);
    EditTracker::Quiet quiet(m_tracker);
    ClearMemberScreen();
    m_listedId = id;
    if (record) {
        showRecord(*record);
        for (MemberPanel* panel : m_panels)
            panel->loadPerson(id);
        recentPeople::opened(id);
    }
    m_tracker->markClean();
}

void frmMemberEntry::showRecord(const MemberRecord& record)
{
    for (MemberPanel* panel : m_panels)
        panel->showRecord(record);
    m_loaded = record;
}

void frmMemberEntry::ClearMemberScreen()
{
    for (MemberPanel* panel : m_panels)
        panel->clear();
    m_loaded.reset();
    m_joinsHead = 0;
    ui->fraFamilyMembers->showJoiningHousehold(QString());
}

bool frmMemberEntry::SaveMember()
{
    const MemberRecord record = trimmedBoxes(m_fields->record(), m_loaded);
    if (!hasRequiredFields(record)) {
        messages().show(tr("All fields in blue are required."), tr("Required Fields"));
        // Where the first missing one is: its tab, with the cursor in it.
        bringToView(m_fields->firstEmptyRequiredField());
        return false;
    }
    if (!m_fields->nextStepComplete())
        return false;
    const qint64 joinsHead = record.id > 0 ? 0 : m_joinsHead;
    const QString relationship = ui->fraFamilyMembers->chosenRelationship();
    if (joinsHead > 0 && relationship.isEmpty()) {
        messages().show(tr("Choose the new family member's \"Relationship\" to the head of household in "
                           "the Family Members frame."),
            tr("Required Info"));
        bringToView(ui->fraFamilyMembers->relationshipBox());
        return false;
    }
    // A new person who is already in the church: asked before anything is
    // written. Opening that person throws away what was typed.
    if (record.id <= 0) {
        const DuplicateAnswer answer = askAboutDuplicates(record);
        if (answer.choice == DuplicateAnswer::OpenThatPerson) {
            m_tracker->markClean();
            LoadMember(answer.existingId);
        }
        if (answer.choice != DuplicateAnswer::SaveAnyway)
            return false;
    }
    BusyCursor busy;
    SaveOptions options;
    if (joinsHead > 0) {
        // Saved with the person or not at all, so no one is left outside the
        // household the user started them in.
        options.alsoWrite = [joinsHead, relationship](qint64 id) {
            if (!db().exists(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), { joinsHead }))
                throw Error(tr("The head of household this person was to join no longer exists, so the "
                               "person was not saved."));
            Households::setConnection(db(), joinsHead, id, relationship);
        };
    }
    // The next step is written only when the user changed it, so that a
    // step stored without a date, or with values the lists lack, stays.
    options.writeNextStep = m_fields->nextStepChanged() && !record.prospectPhase.isEmpty();
    m_picture->addTo(options);
    // Only what the user changed since loading is written over the row.
    if (record.id > 0 && m_loaded && m_loaded->id == record.id)
        options.loaded = m_loaded;
    const SaveResult saved = saveAskingOnConflict(record, options);
    if (!saved.saved)
        return false; // the user cancelled: nothing was written, the screen keeps everything
    const qint64 id = saved.id;
    ui->txtMemberID->setText(QString::number(id));
    if (joinsHead > 0) {
        m_joinsHead = 0;
        ui->fraFamilyMembers->showJoiningHousehold(QString());
        ui->fraFamilyMembers->loadFamilyMembers();
    }
    // The picture is now stored (or reported below); a second save writes it only if loaded again.
    m_picture->saved();

    // The row as stored, with what another workstation kept and the new
    // "Last Edited"; the next save compares with it.
    const std::optional<MemberRecord> stored = loadMemberRecord(id);
    {
        EditTracker::Quiet quiet(m_tracker);
        if (stored)
            showRecord(*stored);
        m_tracker->markClean();
    }
    announceMembersChanged();
    showStatus(tr("Saved %1.").arg(stored ? displayName(stored->lastName, stored->firstName) : recordName()));
    if (!saved.pictureNotStored.isEmpty()) {
        // The screen shows the picture as stored: the old one, or none.
        messages().show(tr("The person was saved, but the picture was not stored in the picture folder "
                           "\"%1\".\n\n%2\n\nOnce that folder exists and can be written to, load the "
                           "picture again and save.")
                            .arg(QDir::toNativeSeparators(ctx().settings.pictureFolder), saved.pictureNotStored),
            QStringLiteral("Pewlark"), Icon::Warning);
    }
    return true;
}

bool frmMemberEntry::saveWithChecks()
{
    if (!requireSavePermission(*m_tracker, perm::MemberEntry))
        return false;
    return SaveMember();
}

void frmMemberEntry::saveKeepingRecord()
{
    if (!saveWithChecks())
        return;
    // A person saved for the first time joins the person list and is chosen there.
    const qint64 id = ui->txtMemberID->text().toLongLong();
    if (m_listedId != id) {
        ReloadListValues();
        const QSignalBlocker quiet(ui->cmbMember);
        if (selectById(ui->cmbMember, id))
            m_listedId = id;
    }
    m_tracker->markClean();
}

bool frmMemberEntry::mayLeaveRecord() { return m_tracker->confirmLeave() != Leave::Stay; }

void frmMemberEntry::showListedPerson()
{
    const QSignalBlocker quiet(ui->cmbMember);
    if (m_listedId <= 0 || !selectById(ui->cmbMember, m_listedId))
        ui->cmbMember->setCurrentIndex(-1);
}

QString frmMemberEntry::recordName() const { return m_fields->recordName(); }

void frmMemberEntry::startNewEntry()
{
    ClearMemberScreen();
    {
        const QSignalBlocker quiet(ui->cmbMember);
        ui->cmbMember->setCurrentIndex(-1);
    }
    m_listedId = 0;
    m_fields->defaultState();
    ui->SSTab1->setCurrentIndex(0);
    ui->cmbMemberStatus->setFocus();
    m_tracker->markClean();
}

qint64 frmMemberEntry::householdHead()
{
    const qint64 id = m_loaded ? m_loaded->id : 0;
    if (id <= 0) {
        messages().show(tr("Show a member of the household first: New Family Member starts a person of "
                           "the household on screen."),
            tr("Required Info"));
        return 0;
    }
    if (m_loaded->headOfHousehold)
        return id;
    const std::vector<FamilyRow> heads = familyRows(db(), id, false);
    if (heads.size() == 1 && heads.front().id > 0)
        return heads.front().id;
    messages().show(heads.empty()
            ? tr("%1 is not a head of household and no head of household lists this person. Open the "
                 "head of household, or tick \"Head of Household\" and save first.")
                  .arg(recordName())
            : tr("%1 is listed by more than one head of household. Open the head of household whose "
                 "household the new person joins.")
                  .arg(recordName()),
        tr("Invalid Selection"));
    return 0;
}

void frmMemberEntry::btnNewFamilyMember_clicked()
{
    const qint64 headId = householdHead();
    if (headId > 0 && mayLeaveRecord())
        startFamilyMember(headId);
}

void frmMemberEntry::startFamilyMember(qint64 headId)
{
    // Read afresh: the head's address as stored, also when the user just
    // saved it through the question above.
    const std::optional<MemberRecord> head = loadMemberRecord(headId);
    if (!head) {
        messages().show(tr("The person with ID %1 no longer exists.").arg(headId), QStringLiteral("Pewlark"));
        return;
    }
    startNewEntry();
    m_fields->showHousehold(*head);
    m_joinsHead = headId;
    ui->fraFamilyMembers->showJoiningHousehold(displayName(head->lastName, head->firstName));
    showStatus(tr("New family member of %1.").arg(displayName(head->lastName, head->firstName)));
    // What was filled in is the household's, not yet the user's change.
    m_tracker->markClean();
}

void frmMemberEntry::btnNew_clicked()
{
    if (mayLeaveRecord())
        startNewEntry();
}

void frmMemberEntry::btnSaveNew_clicked()
{
    // After a new family member, the next one of the same household.
    const qint64 joinsHead = ui->txtMemberID->text().isEmpty() ? m_joinsHead : 0;
    if (!saveWithChecks())
        return;
    ReloadListValues();
    if (joinsHead > 0)
        startFamilyMember(joinsHead);
    else
        startNewEntry();
    m_tracker->markClean();
}

void frmMemberEntry::btnSaveClose_clicked()
{
    if (saveWithChecks())
        closeScreen(this);
}

void frmMemberEntry::btnDelete_clicked()
{
    const qint64 id = ui->txtMemberID->text().toLongLong();
    if (id <= 0) {
        messages().show(tr("Choose the person to delete first."), tr("Invalid Selection"));
        return;
    }
    // The question names what goes with the person; changes typed since go too.
    {
        // The lists are reloaded below, once the screen no longer shows the person.
        const QScopedValueRollback<bool> announcing(m_announcing, true);
        if (!deletePerson(id))
            return;
    }
    startNewEntry();
    ReloadListValues();
    m_tracker->markClean();
}

void frmMemberEntry::cmbMember_changed(int index)
{
    if (index < 0 || ui->cmbMember->currentText().isEmpty())
        return;
    if (!mayLeaveRecord()) {
        showListedPerson(); // the user stays with the person and the changes on screen
        return;
    }
    LoadSelectedMember();
}

} // namespace pw::members
