#include "attendance/frmAttendanceEntry.h"

#include "widgets/Conflicts.h"
#include "widgets/DateBox.h"
#include "widgets/Formats.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "people/DuplicateQuestion.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw::attendance {

frmAttendanceEntry::frmAttendanceEntry(QWidget* parent)
    : QWidget(parent)
    , cmbService(named(new QComboBox, "cmbService"))
    , cmbClass(named(new QComboBox, "cmbClass"))
    , lblClass(named(new QLabel(tr("Class")), "lblClass"))
    , dtDate(named(new DateBox, "dtDate"))
    , lstPeople(named(new QListWidget, "lstPeople"))
    , cmbAddPerson(named(new QComboBox, "cmbAddPerson"))
    , btnAdd(named(new QPushButton(tr("Add")), "btnAdd"))
    , txtVisitorFirst(named(new QLineEdit, "txtVisitorFirst"))
    , txtVisitorLast(named(new QLineEdit, "txtVisitorLast"))
    , txtVisitorPhone(named(new QLineEdit, "txtVisitorPhone"))
    , btnAddVisitor(named(new QPushButton(tr("Add Visitor")), "btnAddVisitor"))
    , txtHeadcount(named(new QLineEdit, "txtHeadcount"))
    , lblRecorded(named(new QLabel, "lblRecorded"))
    , btnSave(named(new QPushButton(tr("Save")), "btnSave"))
    , btnExit(named(new QPushButton(tr("Exit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmAttendanceEntry"));
    setWindowTitle(tr("Attendance Entry"));

    auto* meetingBox = new QFormLayout;
    meetingBox->addRow(tr("Service"), cmbService);
    meetingBox->addRow(lblClass, cmbClass);
    meetingBox->addRow(tr("Date"), dtDate);
    dtDate->setCalendarPopup(true);
    dtDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    for (const services::Service& s : services::all())
        cmbService->addItem(s.nameText(), s.codeText());
    attachTypeAhead({ cmbService, cmbClass, cmbAddPerson });

    auto* add = new QHBoxLayout;
    add->addWidget(new QLabel(tr("Add person")));
    add->addWidget(cmbAddPerson, 1);
    add->addWidget(btnAdd);

    auto* visitor = new QGroupBox(tr("Visitor (added as a prospect)"));
    auto* visitorGrid = new QGridLayout(visitor);
    visitorGrid->addWidget(new QLabel(tr("First Name")), 0, 0);
    visitorGrid->addWidget(txtVisitorFirst, 0, 1);
    visitorGrid->addWidget(new QLabel(tr("Last Name")), 0, 2);
    visitorGrid->addWidget(txtVisitorLast, 0, 3);
    visitorGrid->addWidget(new QLabel(tr("Phone")), 1, 0);
    visitorGrid->addWidget(txtVisitorPhone, 1, 1);
    visitorGrid->addWidget(btnAddVisitor, 1, 3);
    txtVisitorFirst->setMaxLength(50);
    txtVisitorLast->setMaxLength(50);
    setupPhoneBox(txtVisitorPhone);

    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(tr("Headcount")));
    txtHeadcount->setValidator(new QIntValidator(0, 1000000, txtHeadcount));
    txtHeadcount->setMaximumWidth(90);
    count->addWidget(txtHeadcount);
    count->addWidget(lblRecorded, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(meetingBox);
    layout->addWidget(lstPeople, 1);
    layout->addLayout(add);
    layout->addWidget(visitor);
    layout->addLayout(count);
    layout->addLayout(buttons);
    lstPeople->setUniformItemSizes(true);
    lstPeople->setMinimumSize(360, 300);
    selectAllOnFocus({ txtHeadcount, txtVisitorFirst, txtVisitorLast, txtVisitorPhone });
    setDefaultButton(this, btnSave);
    // Enter in the visitor's boxes adds the visitor; the sheet is saved apart.
    setEnterButton(visitor, btnAddVisitor);
    setCancelButton(this, btnExit);
    setFocusProxy(lstPeople);

    m_tracker = new EditTracker(this, tr("Attendance Entry"));
    m_tracker->watch(txtHeadcount);
    m_tracker->addState([this] {
        const QSet<qint64> now = ticked();
        QList<qint64> ids(now.begin(), now.end());
        std::sort(ids.begin(), ids.end());
        return QVariant::fromValue(ids);
    });
    m_tracker->setRecordName([this] {
        return tr("the attendance of %1, %2")
            .arg(cmbService->currentText(), dtDate->date().toString(QStringLiteral("MM/dd/yyyy")));
    });
    m_tracker->setSave([this] { return save(); });

    {
        BusyCursor busy;
        fillPeopleList(cmbAddPerson, NameForm::WithoutTitle);
    }
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::membersChanged, this, [this] {
            guarded([this] { fillPeopleList(cmbAddPerson, NameForm::WithoutTitle, People::Everyone, Choice::Keep); });
        });
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { reloadClasses(); }); });
    }
    connect(lstPeople, &QListWidget::itemChanged, this, [this] {
        if (!m_loading)
            m_tracker->stateChanged();
    });
    connect(
        cmbService, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { cmbService_changed(); }); });
    connect(cmbClass, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { meetingChosen(); }); });
    connect(dtDate, &QDateEdit::dateChanged, this, [this] {
        if (!m_loading)
            guarded([this] { meetingChosen(); });
    });
    connect(btnAdd, &QPushButton::clicked, this, [this] { guarded([this] { btnAdd_clicked(); }); });
    connect(btnAddVisitor, &QPushButton::clicked, this, [this] { guarded([this] { btnAddVisitor_clicked(); }); });
    connect(btnSave, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });

    admin::followPermission(this, m_tracker, perm::MemberEntry);
    guarded([this] { cmbService_changed(); });
}

Meeting frmAttendanceEntry::meeting() const
{
    const services::Service* s = services::byCode(cmbService->currentData().toString());
    return { cmbService->currentData().toString(), s && s->hasClasses() ? selectedId(cmbClass) : 0, dtDate->date() };
}

void frmAttendanceEntry::cmbService_changed()
{
    const services::Service* s = services::byCode(cmbService->currentData().toString());
    if (!s)
        return;
    if (m_tracker->confirmLeave() == Leave::Stay) {
        // Back to the meeting still on screen.
        cmbService->setCurrentIndex(cmbService->findData(m_shown.service));
        return;
    }
    m_loading = true;
    cmbClass->clear();
    for (const auto& [id, name] : classesOf(db(), *s))
        addItemWithId(cmbClass, name, id);
    cmbClass->setEnabled(s->hasClasses());
    lblClass->setEnabled(s->hasClasses());
    dtDate->setDate(latestMeetingDate(*s, clock().today()));
    m_loading = false;
    loadMeeting();
}

void frmAttendanceEntry::reloadClasses()
{
    // The class on screen stays chosen; the meeting shown is not changed.
    const services::Service* s = services::byCode(cmbService->currentData().toString());
    if (!s)
        return;
    const qint64 chosen = selectedId(cmbClass);
    const QSignalBlocker quiet(cmbClass);
    cmbClass->clear();
    for (const auto& [id, name] : classesOf(db(), *s))
        addItemWithId(cmbClass, name, id);
    if (!selectById(cmbClass, chosen))
        cmbClass->setCurrentIndex(-1);
}

void frmAttendanceEntry::meetingChosen()
{
    if (m_tracker->confirmLeave() == Leave::Stay) {
        m_loading = true;
        selectById(cmbClass, m_shown.classId);
        dtDate->setDate(m_shown.date);
        m_loading = false;
        return;
    }
    loadMeeting();
}

void frmAttendanceEntry::loadMeeting()
{
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    m_loading = true;
    m_shown = meeting();
    lstPeople->clear();
    const services::Service* s = services::byCode(m_shown.service);
    if (s && (!s->hasClasses() || m_shown.classId > 0)) {
        m_loaded = load(db(), m_shown);
        for (const Person& p : rollFor(db(), m_shown)) {
            auto* item = new QListWidgetItem(p.name, lstPeople);
            item->setData(Qt::UserRole, p.id);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(m_loaded.present.contains(p.id) ? Qt::Checked : Qt::Unchecked);
        }
    } else {
        m_loaded = Recorded();
    }
    txtHeadcount->setText(m_loaded.headcount.isNull() ? QString() : QString::number(m_loaded.headcount.toInt()));
    showRecorded();
    m_loading = false;
    m_tracker->markClean();
}

void frmAttendanceEntry::showRecorded()
{
    lblRecorded->setText(m_loaded.recordedAt.isValid()
            ? tr("Recorded by %1 on %2")
                  .arg(m_loaded.recordedBy, m_loaded.recordedAt.toString(QStringLiteral("MM/dd/yyyy h:mm AP")))
            : tr("Not recorded yet"));
}

QSet<qint64> frmAttendanceEntry::ticked() const
{
    QSet<qint64> out;
    for (int i = 0; i < lstPeople->count(); ++i)
        if (lstPeople->item(i)->checkState() == Qt::Checked)
            out.insert(lstPeople->item(i)->data(Qt::UserRole).toLongLong());
    return out;
}

QVariant frmAttendanceEntry::headcount() const
{
    const QString text = txtHeadcount->text().trimmed();
    return text.isEmpty() ? QVariant() : QVariant(text.toInt());
}

void frmAttendanceEntry::addTicked(qint64 id, const QString& name)
{
    for (int i = 0; i < lstPeople->count(); ++i) {
        QListWidgetItem* item = lstPeople->item(i);
        if (item->data(Qt::UserRole).toLongLong() == id) {
            item->setCheckState(Qt::Checked);
            lstPeople->setCurrentItem(item);
            return;
        }
    }
    auto* item = new QListWidgetItem(name, lstPeople);
    item->setData(Qt::UserRole, id);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    lstPeople->setCurrentItem(item);
}

void frmAttendanceEntry::btnAdd_clicked()
{
    const qint64 id = selectedId(cmbAddPerson);
    if (id <= 0) {
        messages().show(tr("Choose the person to add."), tr("Invalid Selection"));
        return;
    }
    addTicked(id, personName(db(), id));
}

void frmAttendanceEntry::btnAddVisitor_clicked()
{
    if (!HasPermission(perm::MemberEntry)) {
        showRefusal(refusal::Save);
        return;
    }
    if (txtVisitorFirst->text().trimmed().isEmpty() || txtVisitorLast->text().trimmed().isEmpty()) {
        messages().show(tr("A visitor's first and last name are required."), tr("Required Fields"));
        (txtVisitorFirst->text().trimmed().isEmpty() ? txtVisitorFirst : txtVisitorLast)->setFocus();
        return;
    }
    MemberRecord visitor = Members::visitorRecord(db(), txtVisitorFirst->text(), txtVisitorLast->text(),
        phoneDigits(txtVisitorPhone), m_shown.date, ctx().user.username, clock().now());
    if (const auto question = people::duplicateQuestion(db(), visitor)) {
        const int answer = messages().choose(question->text, QStringLiteral("Pewlark"),
            { tr("Add Anyway"), tr("Tick That Person"), tr("Cancel") }, 2, 2);
        if (answer == 2) {
            txtVisitorFirst->setFocus();
            return;
        }
        if (answer == 1) {
            addTicked(question->existingId, personName(db(), question->existingId));
            showStatus(tr("Ticked %1.").arg(personName(db(), question->existingId)));
            clearVisitor();
            return;
        }
    }
    qint64 id = 0;
    {
        BusyCursor busy;
        id = Members::insert(db(), visitor);
    }
    addTicked(id, personName(db(), id));
    showStatus(tr("Added %1 as a prospect.").arg(personName(db(), id)));
    clearVisitor();
    if (Workspace* w = workspace())
        emit w->membersChanged();
}

void frmAttendanceEntry::clearVisitor()
{
    txtVisitorFirst->clear();
    txtVisitorLast->clear();
    txtVisitorPhone->clear();
    txtVisitorFirst->setFocus();
}

void frmAttendanceEntry::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmAttendanceEntry::save()
{
    if (!requireSavePermission(*m_tracker, perm::MemberEntry))
        return false;
    const services::Service* s = services::byCode(m_shown.service);
    if (!s || (s->hasClasses() && m_shown.classId <= 0)) {
        messages().show(tr("Choose a class."), tr("Required Fields"));
        return false;
    }
    Recorded mine = m_loaded;
    mine.present = ticked();
    mine.headcount = headcount();
    const bool saved = saveAskingOnConflict([&](threeway::OnConflict how) {
        const SaveOutcome outcome
            = attendance::save(db(), m_shown, m_loaded, mine, how, ctx().user.username, clock().now());
        if (outcome.conflict)
            return conflictQuestion(tr("attendance"), { tr("Headcount") });
        m_loaded = outcome.stored;
        return QString();
    });
    if (!saved)
        return false;
    loadMeeting();
    showStatus(tr("Saved the attendance of %1, %2.").arg(cmbService->currentText(), formats::dateText(m_shown.date)));
    return true;
}

} // namespace pw::attendance
