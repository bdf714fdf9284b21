#include "members/MemberFields.h"

#include "data/Clock.h"
#include "data/PersonName.h"
#include "members/MemberRecord.h"
#include "ui_frmMemberEntry.h"
#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"

namespace pw::members {

namespace {

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

MemberFields::MemberFields(QWidget* screen, Ui::frmMemberEntry* form)
    : QObject(screen)
    , ui(form)
{
    for (QLineEdit* box : { ui->txtMemberID, ui->txtAdded, ui->txtEdited })
        showAsReadOnly(box);
    setupPhoneBox(ui->txtHomePhone);
    setupPhoneBox(ui->txtCell);
    setupPhoneBox(ui->txtWorkPhone);
    selectAllOnFocus({ ui->txtAddress1, ui->txtAddress2, ui->txtCity, ui->txtZip, ui->txtEmail });
    attachTypeAhead({ ui->cmbMemberStatus, ui->cmbTitle, ui->cmbState, ui->cmbGender, ui->cmbMaritalStatus,
        ui->cmbChurchStatus, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend,
        ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass, ui->cmbWedClass, ui->cmbProspectStatus,
        ui->cmbProspectSSClass, ui->cmbProspectCGAssign });
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
    connect(ui->cmbChurchStatus, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { cmbChurchStatus_changed(); });
    connect(ui->chkNewEmail, &QCheckBox::toggled, this, [this](bool on) { chkNewEmail_toggled(on); });
    const QDate today = clock().today();
    for (QDateEdit* picker : { ui->dtDOB, ui->dtAnnivDate, ui->dtMemberSince, ui->dtCameForward, ui->dtBaptized,
             ui->dtLetterOut, ui->dtDeceased, ui->dtNextContactDate })
        picker->setDate(today);
    DisableChurchFields();
}

void MemberFields::reloadLists()
{
    using L = SharedLists::List;
    // Each list chooses again what it showed: the person on screen and what
    // the user picked survive, so a later save never writes a blank where a
    // value was. A choice the list no longer holds (a class deleted
    // elsewhere) stays, marked as not in the list.
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
    m_values.fill(ui->cmbGender, Lookups::genders());
    m_values.fill(ui->cmbMaritalStatus, Lookups::maritalStatuses());
}

void MemberFields::showRecord(const MemberRecord& r)
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
}

void MemberFields::clear()
{
    for (QComboBox* combo : { ui->cmbMemberStatus, ui->cmbState, ui->cmbTitle, ui->cmbGender, ui->cmbMaritalStatus,
             ui->cmbChurchStatus, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend, ui->cmbSundayEveAttend,
             ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass, ui->cmbWedClass,
             ui->cmbProspectStatus, ui->cmbProspectSSClass, ui->cmbProspectCGAssign, ui->cmbDeacon,
             ui->cmbNextContactAction, ui->cmbNextPhase })
        m_values.clear(combo);

    const QDate today = clock().today();
    for (QDateEdit* picker : { ui->dtDOB, ui->dtAnnivDate, ui->dtMemberSince, ui->dtCameForward, ui->dtBaptized,
             ui->dtLetterOut, ui->dtDeceased, ui->dtNextContactDate })
        picker->setDate(today);

    for (QLineEdit* box : { ui->txtMemberID, ui->txtFName, ui->txtMName, ui->txtLName, ui->txtAddress1, ui->txtAddress2,
             ui->txtCity, ui->txtZip, ui->txtEmail, ui->txtPlaceofWork, ui->txtOccupation, ui->txtMapSection,
             ui->txtAdded, ui->txtEdited, ui->txtPreviousChurch, ui->txtProspectSource, ui->txtProspectMemberOf })
        box->clear();
    for (QLineEdit* box : { ui->txtHomePhone, ui->txtCell, ui->txtWorkPhone })
        setPhoneDigits(box, QString());
    for (QPlainTextEdit* box : { ui->txtHobbies, ui->txtOrganizations, ui->txtNotes, ui->txtProspectNotes })
        box->clear();
    m_shownStep = nextStepOnScreen();

    for (QCheckBox* box : { ui->chkDOB, ui->chkAnnivDate, ui->chkHOH, ui->chkMemberSince, ui->chkCameForward,
             ui->chkBaptized, ui->chkLetterOut, ui->chkDeceased, ui->chkNewMail, ui->chkNewEmail })
        box->setChecked(false);
}

MemberRecord MemberFields::record() const
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

MemberFields::NextStep MemberFields::nextStepOnScreen() const
{
    return { m_values.value(ui->cmbNextPhase), ui->dtNextContactDate->date(),
        m_values.value(ui->cmbNextContactAction) };
}

bool MemberFields::nextStepComplete()
{
    const NextStep step = nextStepOnScreen();
    if (step == m_shownStep || step.phase.isEmpty() == step.action.isEmpty())
        return true;
    const bool noAction = step.action.isEmpty();
    messages().show(noAction ? tr("The next contact has a Phase but no Action. Choose its Action on the "
                                  "Prospect Info tab.")
                             : tr("The next contact has an Action but no Phase. Choose its Phase on the "
                                  "Prospect Info tab."),
        tr("Required Info"));
    bringToView(noAction ? ui->cmbNextContactAction : ui->cmbNextPhase);
    return false;
}

QWidget* MemberFields::firstEmptyRequiredField() const
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

QString MemberFields::recordName() const { return displayName(ui->txtLName->text(), ui->txtFName->text()); }

void MemberFields::showHousehold(const MemberRecord& head)
{
    ui->txtLName->setText(head.lastName);
    ui->txtAddress1->setText(head.address1);
    ui->txtAddress2->setText(head.address2);
    ui->txtCity->setText(head.city);
    if (!head.state.isEmpty())
        m_values.show(ui->cmbState, head.state);
    ui->txtZip->setText(head.zip);
    setPhoneDigits(ui->txtHomePhone, head.phone);
}

void MemberFields::defaultState()
{
    const QString state = churchState();
    if (!state.isEmpty() && m_values.value(ui->cmbState).isEmpty())
        m_values.show(ui->cmbState, state);
}

void MemberFields::cmbChurchStatus_changed()
{
    if (m_values.value(ui->cmbChurchStatus) == QLatin1String("Active"))
        EnableChurchFields();
    else
        DisableChurchFields();
}

void MemberFields::chkNewEmail_toggled(bool checked)
{
    if (!checked || !ui->txtEmail->text().isEmpty())
        return;
    messages().show(tr("You cannot select Newsletter Via E-Mail unless the member has an E-Mail address "
                       "entered on the Contact tab."),
        tr("No E-Mail Address"));
    ui->chkNewEmail->setChecked(false);
}

void MemberFields::EnableChurchFields() { setChurchFieldsEnabled(true); }

void MemberFields::DisableChurchFields() { setChurchFieldsEnabled(false); }

void MemberFields::setChurchFieldsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*> { ui->dtMemberSince, ui->chkMemberSince, ui->txtPreviousChurch,
             ui->dtCameForward, ui->chkCameForward, ui->dtBaptized, ui->chkBaptized, ui->dtLetterOut, ui->chkLetterOut,
             ui->dtDeceased, ui->chkDeceased, ui->cmbSSAttend, ui->cmbWorshipAttend, ui->cmbDiscAttend,
             ui->cmbSundayEveAttend, ui->cmbWedAttend, ui->cmbSSClass, ui->cmbCareGroup, ui->cmbDiscClass,
             ui->cmbWedClass })
        w->setEnabled(enabled);
}

} // namespace pw::members
