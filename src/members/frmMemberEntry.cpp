#include "members/frmMemberEntry.h"

#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "app/Permissions.h"
#include "widgets/PickList.h"
#include "app/RecentPeople.h"
#include "widgets/ResultGrid.h"
#include "widgets/SharedLists.h"
#include "app/Workspace.h"
#include "attendance/AttendancePanel.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Households.h"
#include "members/DuplicateWarning.h"
#include "members/FamilyPanel.h"
#include "members/MemberPicture.h"
#include "members/MemberRecord.h"
#include "members/PersonDelete.h"
#include "members/ProspectContactsPanel.h"
#include "members/ResponsibilityPanel.h"
#include "ui_frmMemberEntry.h"

#include <QDir>
#include <QListView>
#include <QSignalBlocker>

namespace pw::members {

namespace {

    const QString kCaption = QStringLiteral("Member Entry/Edit");

    // A person as questions and the status line name them: "Hale, Helen".
    QString nameOf(const QString& last, const QString& first)
    {
        const QString l = last.trimmed();
        const QString f = first.trimmed();
        return l.isEmpty() || f.isEmpty() ? l + f : l + QStringLiteral(", ") + f;
    }

    // Ticks the box and shows the date, or clears the box. The picker follows
    // the box through its toggled signal only, so a picker that the church
    // status enabled stays enabled when its box was clear already.
    void showDate(QCheckBox* check, QDateEdit* picker, const QDate& date)
    {
        if (date.isValid()) {
            picker->setDate(date);
            check->setChecked(true);
        } else {
            check->setChecked(false);
        }
    }

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

    QString selectedText(const QComboBox* combo)
    {
        return combo->currentIndex() >= 0 ? combo->currentText() : QString();
    }

    // A stored deacon who no longer holds "Deacon" is shown by name while
    // the person exists.
    void showDeacon(outreach::ValueLists& values, QComboBox* combo, qint64 id)
    {
        QString label;
        if (id > 0 && combo->findData(QVariant(static_cast<qlonglong>(id)), Qt::UserRole) < 0) {
            if (const std::optional<MemberRecord> r = loadMemberRecord(id))
                label = leaderName(r->lastName, r->firstName);
        }
        values.showId(combo, id, label);
    }

} // namespace

frmMemberEntry::frmMemberEntry(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmMemberEntry)
{
    ui->setupUi(this);
    // Beside the calendar: what the person attended and the levels it suggests.
    m_attendance = new attendance::AttendancePanel(ui->Calendar1,
        { ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend, ui->cmbWedAttend },
        ui->tabAttendance);
    ui->gridAttendance->addWidget(m_attendance, 0, 1);
    setObjectName(QStringLiteral("frmMemberEntry"));
    BusyCursor busy;

    ui->txtFileType->hide();
    ui->btnRemovePic->setEnabled(false); // until a picture is shown
    ui->imgPic->setFixedSize(169, 169);
    for (QLineEdit* box : { ui->txtMemberID, ui->txtAdded, ui->txtEdited })
        showAsReadOnly(box);
    setupPhoneBox(ui->txtHomePhone);
    setupPhoneBox(ui->txtCell);
    setupPhoneBox(ui->txtWorkPhone);
    selectAllOnFocus({ ui->txtAddress1, ui->txtAddress2, ui->txtCity, ui->txtZip, ui->txtEmail });
    attachTypeAhead({ ui->cmbMember, ui->cmbMemberStatus, ui->cmbTitle, ui->cmbState, ui->cmbGender,
        ui->cmbMaritalStatus, ui->cmbChurchStatus, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend,
        ui->cmbSundayEveAttend, ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass, ui->cmbWedClass,
        ui->cmbProspectStatus, ui->cmbProspectSSClass, ui->cmbProspectCGAssign });
    // Every person is in this list; equal rows let the popup skip measuring each one.
    if (auto* view = qobject_cast<QListView*>(ui->cmbMember->view()))
        view->setUniformItemSizes(true);
    limitPopupRows(ui->cmbDeacon); // people too, though fewer

    bindOptionalDate(ui->chkDOB, ui->dtDOB);
    ui->dtDOB->setTwoDigitYears(formats::TwoDigitYears::Past);
    bindOptionalDate(ui->chkAnnivDate, ui->dtAnnivDate);
    const QList<QPair<QCheckBox*, QDateEdit*>> churchDates = { { ui->chkMemberSince, ui->dtMemberSince },
        { ui->chkCameForward, ui->dtCameForward }, { ui->chkBaptized, ui->dtBaptized },
        { ui->chkLetterOut, ui->dtLetterOut }, { ui->chkDeceased, ui->dtDeceased } };
    for (const auto& pair : churchDates) {
        bindOptionalDate(pair.first, pair.second);
        // A box ticked by loading while the church fields are off (status not
        // "Active") leaves its picker off as well, like the box beside it.
        QCheckBox* check = pair.first;
        QDateEdit* picker = pair.second;
        connect(check, &QCheckBox::toggled, picker, [check, picker](bool on) {
            if (on && !check->isEnabled())
                picker->setEnabled(false);
        });
    }

    m_contacts = new ProspectContactsPanel(this,
        { ui->vsfgProspectContacts, ui->btnNewContact, ui->txtMemberID, ui->cmbNextPhase, ui->dtNextContactDate,
            ui->cmbNextContactAction, &m_values },
        [this](qint64 id) { LoadMember(id); });

    chainThrough(ui->btnRemovePic, ui->fraFamilyMembers, ui->txtPlaceofWork);
    chainThrough(ui->chkNewEmail, ui->fraChurchResponsibilities, ui->cmbProspectStatus);
    ui->fraFamilyMembers->bind(ui->txtMemberID, ui->chkHOH);
    ui->fraChurchResponsibilities->bind(ui->txtMemberID);

    // "Delete" beside "Exit": for "Admin" accounts, on a person who is stored.
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
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
    connect(ui->btnLoadPic, &QPushButton::clicked, this, [this] { guarded([this] { btnLoadPic_clicked(); }); });
    connect(ui->btnRemovePic, &QPushButton::clicked, this, [this] { guarded([this] { btnRemovePic_clicked(); }); });
    connect(ui->cmbMember, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this](int index) { guarded([this, index] { cmbMember_changed(index); }); });
    connect(ui->cmbChurchStatus, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { cmbChurchStatus_changed(); });
    connect(ui->chkNewEmail, &QCheckBox::toggled, this, [this](bool on) { chkNewEmail_toggled(on); });
    connect(ui->fraFamilyMembers, &FamilyPanel::openMemberRequested, this,
        [this](qint64 id) { guarded([this, id] { LoadMember(id); }); });
    connect(ui->fraChurchResponsibilities, &ResponsibilityPanel::responsibilitiesChanged, this, [this] {
        guarded([this] {
            // Announced first, so the shared deacon list is read afresh.
            if (Workspace* w = workspace())
                emit w->membersChanged();
            ReloadListValues();
        });
    });
    if (Workspace* w = workspace())
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { ReloadListValues(); }); });

    const QDate today = clock().today();
    for (QDateEdit* picker : { ui->dtDOB, ui->dtAnnivDate, ui->dtMemberSince, ui->dtCameForward, ui->dtBaptized,
             ui->dtLetterOut, ui->dtDeceased, ui->dtNextContactDate })
        picker->setDate(today);
    ui->fraFamilyMembers->clear();
    ui->fraChurchResponsibilities->clear();
    guarded([this] {
        ReloadListValues();
        defaultState();
    });
    ui->SSTab1->setCurrentIndex(0);
    DisableChurchFields();

    // What counts as an unsaved change: every box, list, tick and date of the
    // record, a picture loaded but not yet stored (its file type in the
    // hidden txtFileType) and a stored one removed. The person list chooses
    // a record, the two frames store their rows at once, and the calendar is
    // only looked at: none of them is a change.
    m_tracker = new EditTracker(this, kCaption);
    m_tracker->watch(this);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->cmbMember, ui->fraFamilyMembers,
             ui->fraChurchResponsibilities, ui->txtAdded, ui->txtEdited, ui->txtMemberID, ui->Calendar1, m_attendance })
        m_tracker->ignore(w);
    m_tracker->addState([this] { return m_removePicture; });
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

void frmMemberEntry::ReloadListValues()
{
    BusyCursor busy;
    using L = SharedLists::List;
    // Each list chooses again what it showed: the person on screen and what
    // the user picked survive, so a later save never writes a blank where a
    // value was. A choice the list no longer holds (a class deleted
    // elsewhere) stays, marked as not in the list.
    fillPeopleList(ui->cmbMember, NameForm::WithTitle, People::Everyone, Choice::Keep);
    m_values.fill(ui->cmbChurchStatus, listTexts(L::ChurchStatuses));
    m_values.fill(ui->cmbMemberStatus, listTexts(L::MemberStatuses));
    m_values.fill(ui->cmbTitle, listTexts(L::Titles));
    m_values.fill(ui->cmbState, listTexts(L::States));
    const QStringList levels = listTexts(L::AttendanceLevels);
    for (QComboBox* combo :
        { ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend, ui->cmbWedAttend })
        m_values.fill(combo, levels);
    const QVector<PickItem> ssClasses = listItems(L::SundaySchoolClasses);
    m_values.fill(ui->cmbSSClass, ssClasses);
    m_values.fill(ui->cmbProspectSSClass, ssClasses);
    m_values.fill(ui->cmbDiscClass, listItems(L::DiscipleshipClasses));
    m_values.fill(ui->cmbWedClass, listItems(L::WednesdayClasses));
    m_values.fill(ui->cmbDeacon, listItems(L::Deacons));
    const QVector<PickItem> groups = listItems(L::CareGroups);
    m_values.fill(ui->cmbCareGroup, groups);
    m_values.fill(ui->cmbProspectCGAssign, groups);
    m_values.fill(ui->cmbProspectStatus, listTexts(L::ProspectStatuses));
    m_values.fill(ui->cmbNextPhase, listTexts(L::OutreachPhases));
    m_values.fill(ui->cmbNextContactAction, listTexts(L::ProspectActions));
    ui->fraFamilyMembers->reloadLists();
    ui->fraChurchResponsibilities->reloadLists();
    m_values.fill(ui->cmbGender, Lookups::genders());
    m_values.fill(ui->cmbMaritalStatus, Lookups::maritalStatuses());
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
        messages().show(
            QStringLiteral("The person with ID %1 no longer exists.").arg(memberId), QStringLiteral("Pewlark"));
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
        m_loaded = record;
        ui->fraFamilyMembers->loadFamilyMembers();
        ui->fraChurchResponsibilities->loadResponsibilities();
        m_contacts->loadProspectContacts();
        recentPeople::opened(id);
    }
    m_tracker->markClean();
}

// The order matters: choosing a list entry or ticking a box runs the field
// rules (church status, dates, e-mail newsletter).
void frmMemberEntry::showRecord(const MemberRecord& r)
{
    ui->txtMemberID->setText(QString::number(r.id));
    m_values.show(ui->cmbMemberStatus, r.status);
    ui->txtFName->setText(r.firstName);
    ui->txtMName->setText(r.middleName);
    ui->txtLName->setText(r.lastName);
    m_values.show(ui->cmbTitle, r.title);
    ui->txtAddress1->setText(r.address1);
    ui->txtAddress2->setText(r.address2);
    ui->txtCity->setText(r.city);
    m_values.show(ui->cmbState, r.state);
    ui->txtZip->setText(r.zip);
    setPhoneDigits(ui->txtHomePhone, r.phone);
    setPhoneDigits(ui->txtCell, r.cell);
    setPhoneDigits(ui->txtWorkPhone, r.workPhone);
    ui->txtEmail->setText(r.email);
    // A missing or unreadable file leaves the box empty.
    showPicture(r.picture.isEmpty() ? QImage() : QImage(ctx().settings.pictureFolder + r.picture));
    ui->txtPlaceofWork->setText(r.placeOfWork);
    ui->txtOccupation->setText(r.occupation);
    showDate(ui->chkDOB, ui->dtDOB, r.dateOfBirth);
    m_values.show(ui->cmbGender, r.gender);
    m_values.show(ui->cmbMaritalStatus, r.maritalStatus);
    showDate(ui->chkAnnivDate, ui->dtAnnivDate, r.anniversaryDate);
    ui->chkHOH->setChecked(r.headOfHousehold);
    ui->txtMapSection->setText(r.mapSection);
    ui->txtHobbies->setPlainText(r.hobbies);
    ui->txtOrganizations->setPlainText(r.organizations);
    ui->txtNotes->setPlainText(r.notes);
    ui->txtAdded->setText(auditText(r.dateAdded, r.addedBy));
    ui->txtEdited->setText(auditText(r.dateEdited, r.editedBy));
    m_values.show(ui->cmbChurchStatus, r.memberActiveStatus);
    showDate(ui->chkMemberSince, ui->dtMemberSince, r.memberSince);
    ui->txtPreviousChurch->setText(r.previousChurch);
    showDate(ui->chkCameForward, ui->dtCameForward, r.cameForward);
    showDate(ui->chkBaptized, ui->dtBaptized, r.baptized);
    showDate(ui->chkLetterOut, ui->dtLetterOut, r.letterOut);
    showDate(ui->chkDeceased, ui->dtDeceased, r.deceasedDate);
    ui->chkNewMail->setChecked(r.newsletterMail);
    ui->chkNewEmail->setChecked(r.newsletterEmail);
    m_values.show(ui->cmbSSAttend, r.sundaySchoolAttendance);
    m_values.show(ui->cmbWorshipAttend, r.worshipAttendance);
    m_values.show(ui->cmbDiscAttend, r.discipleshipAttendance);
    m_values.show(ui->cmbSundayEveAttend, r.sundayEveningAttendance);
    m_values.show(ui->cmbWedAttend, r.wednesdayAttendance);
    m_values.showId(ui->cmbSSClass, r.sundaySchoolClass);
    m_values.showId(ui->cmbCareGroup, r.careGroup);
    m_values.showId(ui->cmbDiscClass, r.discipleshipClass);
    m_values.showId(ui->cmbWedClass, r.wednesdayClass);
    showDeacon(m_values, ui->cmbDeacon, r.deacon);
    m_values.show(ui->cmbProspectStatus, r.prospectStatus);
    ui->txtProspectSource->setText(r.prospectSource);
    m_values.showId(ui->cmbProspectSSClass, r.prospectSundaySchoolClass);
    m_values.showId(ui->cmbProspectCGAssign, r.prospectCareGroup);
    ui->txtProspectNotes->setPlainText(r.prospectNote);
    ui->txtProspectMemberOf->setText(r.prospectMemberOf);
    // The next step shows only with a phase; without one the boxes show
    // nothing chosen and today, also after a save that stored none.
    const bool step = !r.prospectPhase.isEmpty();
    m_values.show(ui->cmbNextPhase, r.prospectPhase);
    ui->dtNextContactDate->setDate(
        step && r.prospectNextContactDate.isValid() ? r.prospectNextContactDate : clock().today());
    m_values.show(ui->cmbNextContactAction, step ? r.prospectNextContactAction : QString());
    m_shownStep = nextStepOnScreen();
    m_attendance->showPerson(r.id);
}

void frmMemberEntry::ClearMemberScreen()
{
    for (QComboBox* combo : { ui->cmbMemberStatus, ui->cmbState, ui->cmbTitle, ui->cmbGender, ui->cmbMaritalStatus,
             ui->cmbChurchStatus, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend,
             ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass, ui->cmbWedClass,
             ui->cmbProspectStatus, ui->cmbProspectSSClass, ui->cmbProspectCGAssign, ui->cmbDeacon,
             ui->cmbNextContactAction, ui->cmbNextPhase })
        m_values.clear(combo);
    // The family frame clears its own lists and grid, the responsibility
    // frame its list, its two dates and its grid.
    ui->fraFamilyMembers->clear();
    ui->fraChurchResponsibilities->clear();
    m_attendance->showPerson(0);

    const QDate today = clock().today();
    for (QDateEdit* picker : { ui->dtDOB, ui->dtAnnivDate, ui->dtMemberSince, ui->dtCameForward, ui->dtBaptized,
             ui->dtLetterOut, ui->dtDeceased, ui->dtNextContactDate })
        picker->setDate(today);
    if (auto* contacts = qobject_cast<ResultModel*>(ui->vsfgProspectContacts->model()))
        contacts->clearRows();

    for (QLineEdit* box :
        { ui->txtMemberID, ui->txtFName, ui->txtMName, ui->txtLName, ui->txtAddress1, ui->txtAddress2, ui->txtCity,
            ui->txtZip, ui->txtEmail, ui->txtPlaceofWork, ui->txtOccupation, ui->txtMapSection, ui->txtAdded,
            ui->txtEdited, ui->txtPreviousChurch, ui->txtProspectSource, ui->txtProspectMemberOf, ui->txtFileType })
        box->clear();
    for (QLineEdit* box : { ui->txtHomePhone, ui->txtCell, ui->txtWorkPhone })
        setPhoneDigits(box, QString());
    for (QPlainTextEdit* box : { ui->txtHobbies, ui->txtOrganizations, ui->txtNotes, ui->txtProspectNotes })
        box->clear();
    showPicture(QImage());
    m_removePicture = false;
    m_loaded.reset();
    m_joinsHead = 0;
    ui->fraFamilyMembers->showJoiningHousehold(QString());
    m_shownStep = nextStepOnScreen();

    for (QCheckBox* box : { ui->chkDOB, ui->chkAnnivDate, ui->chkHOH, ui->chkMemberSince, ui->chkCameForward,
             ui->chkBaptized, ui->chkLetterOut, ui->chkDeceased, ui->chkNewMail, ui->chkNewEmail })
        box->setChecked(false);
}

MemberRecord frmMemberEntry::recordFromScreen() const
{
    MemberRecord r;
    r.id = ui->txtMemberID->text().toLongLong();
    r.status = m_values.value(ui->cmbMemberStatus);
    r.firstName = ui->txtFName->text();
    r.middleName = ui->txtMName->text();
    r.lastName = ui->txtLName->text();
    r.title = m_values.value(ui->cmbTitle);
    r.address1 = ui->txtAddress1->text();
    r.address2 = ui->txtAddress2->text();
    r.city = ui->txtCity->text();
    r.state = m_values.value(ui->cmbState);
    r.zip = ui->txtZip->text();
    r.phone = phoneDigits(ui->txtHomePhone);
    r.cell = phoneDigits(ui->txtCell);
    r.workPhone = phoneDigits(ui->txtWorkPhone);
    r.email = ui->txtEmail->text();
    r.placeOfWork = ui->txtPlaceofWork->text();
    r.occupation = ui->txtOccupation->text();
    r.dateOfBirth = optionalDate(ui->chkDOB, ui->dtDOB);
    r.gender = m_values.value(ui->cmbGender);
    r.maritalStatus = m_values.value(ui->cmbMaritalStatus);
    r.anniversaryDate = optionalDate(ui->chkAnnivDate, ui->dtAnnivDate);
    r.headOfHousehold = ui->chkHOH->isChecked();
    r.mapSection = ui->txtMapSection->text();
    r.hobbies = ui->txtHobbies->toPlainText();
    r.organizations = ui->txtOrganizations->toPlainText();
    r.notes = ui->txtNotes->toPlainText();
    r.memberActiveStatus = m_values.value(ui->cmbChurchStatus);
    r.memberSince = optionalDate(ui->chkMemberSince, ui->dtMemberSince);
    r.previousChurch = ui->txtPreviousChurch->text();
    r.cameForward = optionalDate(ui->chkCameForward, ui->dtCameForward);
    r.baptized = optionalDate(ui->chkBaptized, ui->dtBaptized);
    r.letterOut = optionalDate(ui->chkLetterOut, ui->dtLetterOut);
    r.deceasedDate = optionalDate(ui->chkDeceased, ui->dtDeceased);
    r.newsletterMail = ui->chkNewMail->isChecked();
    r.newsletterEmail = ui->chkNewEmail->isChecked();
    r.sundaySchoolAttendance = m_values.value(ui->cmbSSAttend);
    r.worshipAttendance = m_values.value(ui->cmbWorshipAttend);
    r.discipleshipAttendance = m_values.value(ui->cmbDiscAttend);
    r.sundayEveningAttendance = m_values.value(ui->cmbSundayEveAttend);
    r.wednesdayAttendance = m_values.value(ui->cmbWedAttend);
    r.sundaySchoolClass = selectedId(ui->cmbSSClass);
    r.careGroup = selectedId(ui->cmbCareGroup);
    r.discipleshipClass = selectedId(ui->cmbDiscClass);
    r.wednesdayClass = selectedId(ui->cmbWedClass);
    r.deacon = selectedId(ui->cmbDeacon);
    r.prospectStatus = m_values.value(ui->cmbProspectStatus);
    r.prospectSource = ui->txtProspectSource->text();
    r.prospectSundaySchoolClass = selectedId(ui->cmbProspectSSClass);
    r.prospectCareGroup = selectedId(ui->cmbProspectCGAssign);
    r.prospectNote = ui->txtProspectNotes->toPlainText();
    r.prospectMemberOf = ui->txtProspectMemberOf->text();
    r.prospectPhase = m_values.value(ui->cmbNextPhase);
    r.prospectNextContactDate = ui->dtNextContactDate->date();
    r.prospectNextContactAction = m_values.value(ui->cmbNextContactAction);
    return r;
}

bool frmMemberEntry::SaveMember()
{
    const MemberRecord record = trimmedBoxes(recordFromScreen(), m_loaded);
    if (!hasRequiredFields(record)) {
        messages().show(QStringLiteral("All fields in blue are required."), QStringLiteral("Required Fields"));
        // Where the first missing one is: its tab, with the cursor in it.
        bringToView(firstEmptyRequiredField());
        return false;
    }
    if (!nextStepComplete())
        return false;
    const qint64 joinsHead = record.id > 0 ? 0 : m_joinsHead;
    const QString relationship = ui->fraFamilyMembers->chosenRelationship();
    if (joinsHead > 0 && relationship.isEmpty()) {
        messages().show(QStringLiteral("Choose the new family member's \"Relationship\" to the head of household in "
                                       "the Family Members frame."),
            QStringLiteral("Required Info"));
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
                throw Error(QStringLiteral("The head of household this person was to join no longer exists, so the "
                                           "person was not saved."));
            Households::setConnection(db(), joinsHead, id, relationship);
        };
    }
    // The next step is written only when the user changed it, so that a
    // step stored without a date, or with values the lists lack, stays.
    options.writeNextStep = !(nextStepOnScreen() == m_shownStep) && !record.prospectPhase.isEmpty();
    options.removePicture = m_removePicture;
    options.pictureType = ui->txtFileType->text();
    if (!options.pictureType.isEmpty()) {
        options.writePicture = [image = m_picture, folder = ctx().settings.pictureFolder, type = options.pictureType](
                                   const QString& fileName) { picture::write(image, folder + fileName, type); };
    }
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
    ui->txtFileType->clear();
    m_removePicture = false;

    // The row as stored, with what another workstation kept and the new
    // "Last Edited"; the next save compares with it.
    const std::optional<MemberRecord> stored = loadMemberRecord(id);
    {
        EditTracker::Quiet quiet(m_tracker);
        if (stored) {
            showRecord(*stored);
            m_loaded = stored;
        }
        m_tracker->markClean();
    }
    if (Workspace* w = workspace())
        emit w->membersChanged();
    showStatus(QStringLiteral("Saved %1.").arg(stored ? nameOf(stored->lastName, stored->firstName) : recordName()));
    if (!saved.pictureNotStored.isEmpty()) {
        // The screen shows the picture as stored: the old one, or none.
        messages().show(QStringLiteral("The person was saved, but the picture was not stored in the picture folder "
                                       "\"%1\".\n\n%2\n\nOnce that folder exists and can be written to, load the "
                                       "picture again and save.")
                            .arg(QDir::toNativeSeparators(ctx().settings.pictureFolder), saved.pictureNotStored),
            QStringLiteral("Pewlark"), Icon::Warning);
    }
    return true;
}

frmMemberEntry::NextStep frmMemberEntry::nextStepOnScreen() const
{
    return { m_values.value(ui->cmbNextPhase), ui->dtNextContactDate->date(),
        m_values.value(ui->cmbNextContactAction) };
}

bool frmMemberEntry::nextStepComplete()
{
    const NextStep step = nextStepOnScreen();
    if (step == m_shownStep || step.phase.isEmpty() == step.action.isEmpty())
        return true;
    const bool noAction = step.action.isEmpty();
    messages().show(noAction ? QStringLiteral("The next contact has a Phase but no Action. Choose its Action on the "
                                              "Prospect Info tab.")
                             : QStringLiteral("The next contact has an Action but no Phase. Choose its Phase on the "
                                              "Prospect Info tab."),
        QStringLiteral("Required Info"));
    bringToView(noAction ? ui->cmbNextContactAction : ui->cmbNextPhase);
    return false;
}

bool frmMemberEntry::saveWithChecks()
{
    // Asked at save time: the rights may have changed since the window
    // opened (another account edited), and nobody may save while logged off.
    m_tracker->setViewOnly(!HasPermission(perm::MemberEntry));
    if (!requirePermission(perm::MemberEntry, refusal::Save))
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

QWidget* frmMemberEntry::firstEmptyRequiredField() const
{
    for (QComboBox* list : { ui->cmbMemberStatus }) {
        if (selectedText(list).isEmpty())
            return list;
    }
    for (QLineEdit* box : { ui->txtFName, ui->txtLName }) {
        if (box->text().trimmed().isEmpty())
            return box;
    }
    for (QComboBox* list : { ui->cmbGender, ui->cmbChurchStatus, ui->cmbProspectStatus }) {
        if (selectedText(list).isEmpty())
            return list;
    }
    return nullptr;
}

QString frmMemberEntry::recordName() const { return nameOf(ui->txtLName->text(), ui->txtFName->text()); }

void frmMemberEntry::startNewEntry()
{
    ClearMemberScreen();
    {
        const QSignalBlocker quiet(ui->cmbMember);
        ui->cmbMember->setCurrentIndex(-1);
    }
    m_listedId = 0;
    defaultState();
    ui->SSTab1->setCurrentIndex(0);
    ui->cmbMemberStatus->setFocus();
    m_tracker->markClean();
}

void frmMemberEntry::defaultState()
{
    const QString state = churchState();
    if (!state.isEmpty() && m_values.value(ui->cmbState).isEmpty())
        m_values.show(ui->cmbState, state);
}

qint64 frmMemberEntry::householdHead()
{
    const qint64 id = m_loaded ? m_loaded->id : 0;
    if (id <= 0) {
        messages().show(QStringLiteral("Show a member of the household first: New Family Member starts a person of "
                                       "the household on screen."),
            QStringLiteral("Required Info"));
        return 0;
    }
    if (m_loaded->headOfHousehold)
        return id;
    const std::vector<FamilyRow> heads = familyRows(db(), id, false);
    if (heads.size() == 1 && heads.front().id > 0)
        return heads.front().id;
    messages().show(heads.empty()
            ? QStringLiteral("%1 is not a head of household and no head of household lists this person. Open the "
                             "head of household, or tick \"Head of Household\" and save first.")
                  .arg(recordName())
            : QStringLiteral("%1 is listed by more than one head of household. Open the head of household whose "
                             "household the new person joins.")
                  .arg(recordName()),
        QStringLiteral("Invalid Selection"));
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
        messages().show(
            QStringLiteral("The person with ID %1 no longer exists.").arg(headId), QStringLiteral("Pewlark"));
        return;
    }
    startNewEntry();
    ui->txtLName->setText(head->lastName);
    ui->txtAddress1->setText(head->address1);
    ui->txtAddress2->setText(head->address2);
    ui->txtCity->setText(head->city);
    if (!head->state.isEmpty())
        m_values.show(ui->cmbState, head->state);
    ui->txtZip->setText(head->zip);
    setPhoneDigits(ui->txtHomePhone, head->phone);
    m_joinsHead = headId;
    ui->fraFamilyMembers->showJoiningHousehold(nameOf(head->lastName, head->firstName));
    showStatus(QStringLiteral("New family member of %1.").arg(nameOf(head->lastName, head->firstName)));
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
        messages().show(QStringLiteral("Choose the person to delete first."), QStringLiteral("Invalid Selection"));
        return;
    }
    // The question names what goes with the person; changes typed since go too.
    if (!deletePerson(id))
        return;
    startNewEntry();
    ReloadListValues();
    m_tracker->markClean();
}

void frmMemberEntry::btnLoadPic_clicked()
{
    const QString path = picture::chooseImageFile(this);
    if (path.isEmpty())
        return; // cancelled: the picture shown stays
    const QString type = picture::fileTypeOf(path);
    if (type.isEmpty()) {
        messages().show(QStringLiteral("The file \"%1\" has no usable file type (such as .jpg) at the end of its "
                                       "name, so it cannot be stored as a picture.")
                            .arg(path),
            QStringLiteral("Load Picture"), Icon::Warning);
        return;
    }
    BusyCursor busy;
    QImage image;
    try {
        image = picture::scaled(picture::read(path));
    } catch (const Error& e) {
        messages().show(e.text(), QStringLiteral("Load Picture"), Icon::Warning);
        return;
    }
    showPicture(image);
    ui->txtFileType->setText(picture::storedFileType(type));
}

void frmMemberEntry::btnRemovePic_clicked()
{
    // A picture loaded but not saved is dropped; a stored one is removed
    // from the person at the next save.
    ui->txtFileType->clear();
    m_removePicture = m_loaded && !m_loaded->picture.isEmpty();
    showPicture(QImage());
    m_tracker->stateChanged();
}

void frmMemberEntry::showPicture(const QImage& image)
{
    m_picture = image;
    ui->btnRemovePic->setEnabled(!image.isNull());
    if (image.isNull()) {
        ui->imgPic->clear();
        return;
    }
    const QImage shown
        = image.width() > ui->imgPic->width() || image.height() > ui->imgPic->height() ? picture::scaled(image) : image;
    ui->imgPic->setPixmap(QPixmap::fromImage(shown));
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

void frmMemberEntry::cmbChurchStatus_changed()
{
    if (m_values.value(ui->cmbChurchStatus) == QLatin1String("Active"))
        EnableChurchFields();
    else
        DisableChurchFields();
}

void frmMemberEntry::chkNewEmail_toggled(bool checked)
{
    if (!checked || !ui->txtEmail->text().isEmpty())
        return;
    messages().show(QStringLiteral("You cannot select Newsletter Via E-Mail unless the member has an E-Mail address "
                                   "entered on the Contact tab."),
        QStringLiteral("No E-Mail Address"));
    ui->chkNewEmail->setChecked(false);
}

void frmMemberEntry::EnableChurchFields() { setChurchFieldsEnabled(true); }

void frmMemberEntry::DisableChurchFields() { setChurchFieldsEnabled(false); }

void frmMemberEntry::setChurchFieldsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*> { ui->dtMemberSince, ui->chkMemberSince, ui->txtPreviousChurch,
             ui->dtCameForward, ui->chkCameForward, ui->dtBaptized, ui->chkBaptized, ui->dtLetterOut, ui->chkLetterOut,
             ui->dtDeceased, ui->chkDeceased, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend,
             ui->cmbSundayEveAttend, ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass,
             ui->cmbWedClass })
        w->setEnabled(enabled);
}

} // namespace pw::members
