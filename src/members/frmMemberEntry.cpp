#include "members/frmMemberEntry.h"

#include "app/Context.h"
#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/Messages.h"
#include "app/Permissions.h"
#include "app/PickList.h"
#include "app/ResultGrid.h"
#include "app/SharedLists.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "members/FamilyPanel.h"
#include "members/MemberPicture.h"
#include "members/MemberRecord.h"
#include "members/ProspectContactsPanel.h"
#include "members/ResponsibilityPanel.h"
#include "ui_frmMemberEntry.h"

#include <QListView>
#include <QSignalBlocker>

namespace pw::members {

namespace {

    // A stored list value is shown by its exact text; an empty one, or one
    // the list does not hold, leaves the list without selection.
    void selectText(QComboBox* combo, const QString& text)
    {
        combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }

    void selectIdIfAny(QComboBox* combo, qint64 id)
    {
        if (id <= 0 || !selectById(combo, id))
            combo->setCurrentIndex(-1);
    }

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

} // namespace

frmMemberEntry::frmMemberEntry(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmMemberEntry)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmMemberEntry"));
    BusyCursor busy;

    ui->txtFileType->hide();
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
            ui->cmbNextContactAction },
        [this](qint64 id) { LoadMember(id); });

    chainThrough(ui->btnLoadPic, ui->fraFamilyMembers, ui->txtPlaceofWork);
    chainThrough(ui->chkNewEmail, ui->fraChurchResponsibilities, ui->cmbProspectStatus);
    ui->fraFamilyMembers->bind(ui->txtMemberID, ui->chkHOH);
    ui->fraChurchResponsibilities->bind(ui->txtMemberID);

    connect(ui->btnNew, &QPushButton::clicked, this, [this] { guarded([this] { btnNew_clicked(); }); });
    connect(ui->btnSaveNew, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveNew_clicked(); }); });
    connect(ui->btnSaveClose, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveClose_clicked(); }); });
    // Closing asks about unsaved changes (the tracker watches the close).
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->btnLoadPic, &QPushButton::clicked, this, [this] { guarded([this] { btnLoadPic_clicked(); }); });
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
    guarded([this] { ReloadListValues(); });
    ui->SSTab1->setCurrentIndex(0);
    DisableChurchFields();

    // What counts as an unsaved change: every box, list, tick and date of the
    // record, and a picture loaded but not yet stored (its file type in the
    // hidden txtFileType). The person list chooses a record, the two frames
    // store their rows at once, and the calendar is only looked at: none of
    // them is a change.
    m_tracker = new EditTracker(this, kCaption);
    m_tracker->watch(this);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->cmbMember, ui->fraFamilyMembers,
             ui->fraChurchResponsibilities, ui->txtAdded, ui->txtEdited, ui->txtMemberID, ui->Calendar1 })
        m_tracker->ignore(w);
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
    // Each list chooses again what it showed, when that entry is still
    // there: the person on screen and what the user picked survive, so a
    // later save never writes a blank where a value was. A lost choice (a
    // class deleted elsewhere) leaves its list empty; the church status
    // losing its choice turns the church fields off through its handler.
    const Choice keep = Choice::Keep;
    fillPeopleList(ui->cmbMember, NameForm::WithTitle, People::Everyone, keep);
    fillTextList(ui->cmbChurchStatus, listTexts(L::ChurchStatuses), keep);
    fillTextList(ui->cmbMemberStatus, listTexts(L::MemberStatuses), keep);
    fillTextList(ui->cmbTitle, listTexts(L::Titles), keep);
    fillTextList(ui->cmbState, listTexts(L::States), keep);
    const QStringList levels = listTexts(L::AttendanceLevels);
    for (QComboBox* combo :
        { ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend, ui->cmbWedAttend })
        fillTextList(combo, levels, keep);
    const QVector<PickItem> ssClasses = listItems(L::SundaySchoolClasses);
    fillPickList(ui->cmbSSClass, ssClasses, keep);
    fillPickList(ui->cmbProspectSSClass, ssClasses, keep);
    fillPickList(ui->cmbDiscClass, listItems(L::DiscipleshipClasses), keep);
    fillPickList(ui->cmbWedClass, listItems(L::WednesdayClasses), keep);
    fillPickList(ui->cmbDeacon, listItems(L::Deacons), keep);
    const QVector<PickItem> groups = listItems(L::CareGroups);
    fillPickList(ui->cmbCareGroup, groups, keep);
    fillPickList(ui->cmbProspectCGAssign, groups, keep);
    fillTextList(ui->cmbProspectStatus, listTexts(L::ProspectStatuses), keep);
    fillTextList(ui->cmbNextPhase, listTexts(L::OutreachPhases), keep);
    fillTextList(ui->cmbNextContactAction, listTexts(L::ProspectActions), keep);
    ui->fraFamilyMembers->reloadLists();
    ui->fraChurchResponsibilities->reloadLists();
    fillTextList(ui->cmbGender, Lookups::genders(), keep);
    fillTextList(ui->cmbMaritalStatus, Lookups::maritalStatuses(), keep);
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
    }
    m_tracker->markClean();
}

// The order matters: choosing a list entry or ticking a box runs the field
// rules (church status, dates, e-mail newsletter).
void frmMemberEntry::showRecord(const MemberRecord& r)
{
    ui->txtMemberID->setText(QString::number(r.id));
    selectText(ui->cmbMemberStatus, r.status);
    ui->txtFName->setText(r.firstName);
    ui->txtMName->setText(r.middleName);
    ui->txtLName->setText(r.lastName);
    selectText(ui->cmbTitle, r.title);
    ui->txtAddress1->setText(r.address1);
    ui->txtAddress2->setText(r.address2);
    ui->txtCity->setText(r.city);
    selectText(ui->cmbState, r.state);
    ui->txtZip->setText(r.zip);
    setPhoneDigits(ui->txtHomePhone, r.phone);
    setPhoneDigits(ui->txtCell, r.cell);
    setPhoneDigits(ui->txtWorkPhone, r.workPhone);
    ui->txtEmail->setText(r.email);
    if (!r.picture.isEmpty()) {
        // A missing or unreadable file leaves the box empty.
        const QImage image(ctx().settings.pictureFolder + r.picture);
        if (!image.isNull())
            showPicture(image);
    }
    ui->txtPlaceofWork->setText(r.placeOfWork);
    ui->txtOccupation->setText(r.occupation);
    showDate(ui->chkDOB, ui->dtDOB, r.dateOfBirth);
    selectText(ui->cmbGender, r.gender);
    selectText(ui->cmbMaritalStatus, r.maritalStatus);
    showDate(ui->chkAnnivDate, ui->dtAnnivDate, r.anniversaryDate);
    ui->chkHOH->setChecked(r.headOfHousehold);
    ui->txtMapSection->setText(r.mapSection);
    ui->txtHobbies->setPlainText(r.hobbies);
    ui->txtOrganizations->setPlainText(r.organizations);
    ui->txtNotes->setPlainText(r.notes);
    ui->txtAdded->setText(auditText(r.dateAdded, r.addedBy));
    ui->txtEdited->setText(auditText(r.dateEdited, r.editedBy));
    selectText(ui->cmbChurchStatus, r.memberActiveStatus);
    showDate(ui->chkMemberSince, ui->dtMemberSince, r.memberSince);
    ui->txtPreviousChurch->setText(r.previousChurch);
    showDate(ui->chkCameForward, ui->dtCameForward, r.cameForward);
    showDate(ui->chkBaptized, ui->dtBaptized, r.baptized);
    showDate(ui->chkLetterOut, ui->dtLetterOut, r.letterOut);
    showDate(ui->chkDeceased, ui->dtDeceased, r.deceasedDate);
    ui->chkNewMail->setChecked(r.newsletterMail);
    ui->chkNewEmail->setChecked(r.newsletterEmail);
    selectText(ui->cmbSSAttend, r.sundaySchoolAttendance);
    selectText(ui->cmbWorshipAttend, r.worshipAttendance);
    selectText(ui->cmbDiscAttend, r.discipleshipAttendance);
    selectText(ui->cmbSundayEveAttend, r.sundayEveningAttendance);
    selectText(ui->cmbWedAttend, r.wednesdayAttendance);
    selectIdIfAny(ui->cmbSSClass, r.sundaySchoolClass);
    selectIdIfAny(ui->cmbCareGroup, r.careGroup);
    selectIdIfAny(ui->cmbDiscClass, r.discipleshipClass);
    selectIdIfAny(ui->cmbWedClass, r.wednesdayClass);
    selectIdIfAny(ui->cmbDeacon, r.deacon);
    selectText(ui->cmbProspectStatus, r.prospectStatus);
    ui->txtProspectSource->setText(r.prospectSource);
    selectIdIfAny(ui->cmbProspectSSClass, r.prospectSundaySchoolClass);
    selectIdIfAny(ui->cmbProspectCGAssign, r.prospectCareGroup);
    ui->txtProspectNotes->setPlainText(r.prospectNote);
    ui->txtProspectMemberOf->setText(r.prospectMemberOf);
    if (!r.prospectPhase.isEmpty()) {
        selectText(ui->cmbNextPhase, r.prospectPhase);
        if (r.prospectNextContactDate.isValid())
            ui->dtNextContactDate->setDate(r.prospectNextContactDate);
        selectText(ui->cmbNextContactAction, r.prospectNextContactAction);
    }
}

void frmMemberEntry::ClearMemberScreen()
{
    for (QComboBox* combo : { ui->cmbMemberStatus, ui->cmbState, ui->cmbTitle, ui->cmbGender, ui->cmbMaritalStatus,
             ui->cmbChurchStatus, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend,
             ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass, ui->cmbWedClass,
             ui->cmbProspectStatus, ui->cmbProspectSSClass, ui->cmbProspectCGAssign, ui->cmbDeacon,
             ui->cmbNextContactAction, ui->cmbNextPhase })
        combo->setCurrentIndex(-1);
    // The family frame clears its own lists and grid, the responsibility
    // frame its list, its two dates and its grid.
    ui->fraFamilyMembers->clear();
    ui->fraChurchResponsibilities->clear();

    const QDate today = clock().today();
    for (QDateEdit* picker : { ui->dtDOB, ui->dtAnnivDate, ui->dtMemberSince, ui->dtCameForward, ui->dtBaptized,
             ui->dtLetterOut, ui->dtDeceased, ui->dtNextContactDate })
        picker->setDate(today);
    if (auto* contacts = qobject_cast<ResultModel*>(ui->vsfgProspectContacts->model()))
        contacts->clearRows();

    for (QLineEdit* box : { ui->txtMemberID, ui->txtFName, ui->txtMName, ui->txtLName, ui->txtAddress1, ui->txtAddress2,
             ui->txtCity, ui->txtZip, ui->txtHomePhone, ui->txtCell, ui->txtWorkPhone, ui->txtEmail, ui->txtPlaceofWork,
             ui->txtOccupation, ui->txtMapSection, ui->txtAdded, ui->txtEdited, ui->txtPreviousChurch,
             ui->txtProspectSource, ui->txtProspectMemberOf, ui->txtFileType })
        box->clear();
    for (QPlainTextEdit* box : { ui->txtHobbies, ui->txtOrganizations, ui->txtNotes, ui->txtProspectNotes })
        box->clear();
    m_picture = QImage();
    ui->imgPic->clear();
    m_loaded.reset();

    for (QCheckBox* box : { ui->chkDOB, ui->chkAnnivDate, ui->chkHOH, ui->chkMemberSince, ui->chkCameForward,
             ui->chkBaptized, ui->chkLetterOut, ui->chkDeceased, ui->chkNewMail, ui->chkNewEmail })
        box->setChecked(false);
}

MemberRecord frmMemberEntry::recordFromScreen() const
{
    MemberRecord r;
    r.id = ui->txtMemberID->text().toLongLong();
    r.status = selectedText(ui->cmbMemberStatus);
    r.firstName = ui->txtFName->text();
    r.middleName = ui->txtMName->text();
    r.lastName = ui->txtLName->text();
    r.title = selectedText(ui->cmbTitle);
    r.address1 = ui->txtAddress1->text();
    r.address2 = ui->txtAddress2->text();
    r.city = ui->txtCity->text();
    r.state = selectedText(ui->cmbState);
    r.zip = ui->txtZip->text();
    r.phone = phoneDigits(ui->txtHomePhone);
    r.cell = phoneDigits(ui->txtCell);
    r.workPhone = phoneDigits(ui->txtWorkPhone);
    r.email = ui->txtEmail->text();
    r.placeOfWork = ui->txtPlaceofWork->text();
    r.occupation = ui->txtOccupation->text();
    r.dateOfBirth = optionalDate(ui->chkDOB, ui->dtDOB);
    r.gender = selectedText(ui->cmbGender);
    r.maritalStatus = selectedText(ui->cmbMaritalStatus);
    r.anniversaryDate = optionalDate(ui->chkAnnivDate, ui->dtAnnivDate);
    r.headOfHousehold = ui->chkHOH->isChecked();
    r.mapSection = ui->txtMapSection->text();
    r.hobbies = ui->txtHobbies->toPlainText();
    r.organizations = ui->txtOrganizations->toPlainText();
    r.notes = ui->txtNotes->toPlainText();
    r.memberActiveStatus = selectedText(ui->cmbChurchStatus);
    r.memberSince = optionalDate(ui->chkMemberSince, ui->dtMemberSince);
    r.previousChurch = ui->txtPreviousChurch->text();
    r.cameForward = optionalDate(ui->chkCameForward, ui->dtCameForward);
    r.baptized = optionalDate(ui->chkBaptized, ui->dtBaptized);
    r.letterOut = optionalDate(ui->chkLetterOut, ui->dtLetterOut);
    r.deceasedDate = optionalDate(ui->chkDeceased, ui->dtDeceased);
    r.newsletterMail = ui->chkNewMail->isChecked();
    r.newsletterEmail = ui->chkNewEmail->isChecked();
    r.sundaySchoolAttendance = selectedText(ui->cmbSSAttend);
    r.worshipAttendance = selectedText(ui->cmbWorshipAttend);
    r.discipleshipAttendance = selectedText(ui->cmbDiscAttend);
    r.sundayEveningAttendance = selectedText(ui->cmbSundayEveAttend);
    r.wednesdayAttendance = selectedText(ui->cmbWedAttend);
    r.sundaySchoolClass = selectedId(ui->cmbSSClass);
    r.careGroup = selectedId(ui->cmbCareGroup);
    r.discipleshipClass = selectedId(ui->cmbDiscClass);
    r.wednesdayClass = selectedId(ui->cmbWedClass);
    r.deacon = selectedId(ui->cmbDeacon);
    r.prospectStatus = selectedText(ui->cmbProspectStatus);
    r.prospectSource = ui->txtProspectSource->text();
    r.prospectSundaySchoolClass = selectedId(ui->cmbProspectSSClass);
    r.prospectCareGroup = selectedId(ui->cmbProspectCGAssign);
    r.prospectNote = ui->txtProspectNotes->toPlainText();
    r.prospectMemberOf = ui->txtProspectMemberOf->text();
    r.prospectPhase = selectedText(ui->cmbNextPhase);
    r.prospectNextContactDate = ui->dtNextContactDate->date();
    r.prospectNextContactAction = selectedText(ui->cmbNextContactAction);
    return r;
}

bool frmMemberEntry::SaveMember()
{
    const MemberRecord record = recordFromScreen();
    if (!hasRequiredFields(record)) {
        messages().show(QStringLiteral("All fields in blue are required."), QStringLiteral("Required Fields"));
        // Where the first missing one is: its tab, with the cursor in it.
        bringToView(firstEmptyRequiredField());
        return false;
    }
    BusyCursor busy;
    SaveOptions options;
    options.writeNextStep = ui->cmbNextPhase->currentIndex() >= 0 && ui->cmbNextContactAction->currentIndex() >= 0;
    options.pictureType = ui->txtFileType->text();
    if (!options.pictureType.isEmpty()) {
        options.writePicture = [image = m_picture, folder = ctx().settings.pictureFolder, type = options.pictureType](
                                   const QString& fileName) { picture::write(image, folder + fileName, type); };
    }
    // Only what the user changed since loading is written over the row.
    if (record.id > 0 && m_loaded && m_loaded->id == record.id)
        options.loaded = m_loaded;
    const qint64 id = saveAskingOnConflict(record, options);
    if (id <= 0)
        return false; // the user cancelled: nothing was written, the screen keeps everything
    ui->txtMemberID->setText(QString::number(id));
    // The picture is now stored; a second save writes it only if loaded again.
    ui->txtFileType->clear();

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
    return true;
}

bool frmMemberEntry::saveWithChecks()
{
    // Asked at save time: a window left open across Log Off saves only with
    // the rights of whoever is logged in now.
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
        if (box->text().isEmpty())
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
    ui->SSTab1->setCurrentIndex(0);
    ui->cmbMemberStatus->setFocus();
    m_tracker->markClean();
}

void frmMemberEntry::btnNew_clicked()
{
    if (mayLeaveRecord())
        startNewEntry();
}

void frmMemberEntry::btnSaveNew_clicked()
{
    if (!saveWithChecks())
        return;
    startNewEntry();
    ReloadListValues();
    m_tracker->markClean();
}

void frmMemberEntry::btnSaveClose_clicked()
{
    if (saveWithChecks())
        closeScreen(this);
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
    m_picture = image;
    showPicture(m_picture);
    ui->txtFileType->setText(picture::storedFileType(type));
}

void frmMemberEntry::showPicture(const QImage& image)
{
    m_picture = image;
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
    if (ui->cmbChurchStatus->currentText() == QLatin1String("Active") && ui->cmbChurchStatus->currentIndex() >= 0)
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
