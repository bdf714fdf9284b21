#include "checkin/VisitorFamily.h"

#include "checkin/frmCheckinStation.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Households.h"
#include "data/Members.h"
#include "people/DuplicateQuestion.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw::checkin {

namespace {

    void setClass(MemberRecord& r, const QString& serviceCode, qint64 classId)
    {
        if (serviceCode == QLatin1String("SS"))
            r.sundaySchoolClass = classId;
        else if (serviceCode == QLatin1String("DT"))
            r.discipleshipClass = classId;
        else if (serviceCode == QLatin1String("WN"))
            r.wednesdayClass = classId;
    }

    QString relationshipOf(const QString& gender)
    {
        if (gender == QLatin1String("Female"))
            return QStringLiteral("Daughter");
        if (gender == QLatin1String("Male"))
            return QStringLiteral("Son");
        return QStringLiteral("Other");
    }

} // namespace

NewFamily addVisitorFamily(Database& db, const VisitorFamily& family, const QString& serviceCode, const QDate& visited,
    const QString& user, const QDateTime& now)
{
    Transaction transaction(db);
    // The visit counts as the first contact with the family, through its
    // parent: the children are followed up with their family.
    MemberRecord parent
        = Members::visitorRecord(db, family.firstName, family.lastName, family.phone, visited, user, now);
    parent.headOfHousehold = true;
    NewFamily out;
    out.headId = Members::insert(db, parent);
    out.lastName = parent.lastName;
    out.name = parent.lastName + QStringLiteral(", ") + parent.firstName;
    for (const VisitorFamily::Child& c : family.children) {
        MemberRecord child = Members::visitorRecord(db, c.firstName, family.lastName, family.phone, visited, user, now);
        child.prospectPhase.clear();
        child.prospectNextContactDate = QDate();
        child.prospectNextContactAction.clear();
        child.dateOfBirth = c.dateOfBirth;
        child.gender = c.gender;
        setClass(child, serviceCode, c.classId);
        const qint64 id = Members::insert(db, child);
        Households::setConnection(db, out.headId, id, relationshipOf(c.gender));
        out.children.push_back(id);
    }
    transaction.commit();
    return out;
}

VisitorFamilyDialog::VisitorFamilyDialog(const QString& serviceCode, const QDate& visited, QWidget* parent)
    : QDialog(parent)
    , m_serviceCode(serviceCode)
    , m_visited(visited)
    , txtParentFirst(named(new QLineEdit, "txtParentFirst"))
    , txtParentLast(named(new QLineEdit, "txtParentLast"))
    , txtPhone(named(new QLineEdit, "txtPhone"))
    , btnAdd(named(new QPushButton(tr("Add Family")), "btnAdd"))
    , btnCancel(named(new QPushButton(tr("Cancel")), "btnCancel"))
{
    setObjectName(QStringLiteral("dlgVisitorFamily"));
    setWindowTitle(tr("Add Visitor Family"));
    makeTouchFriendly(this);
    setupPhoneBox(txtPhone);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Parent")), 0, 0);
    grid->addWidget(txtParentFirst, 0, 1);
    grid->addWidget(txtParentLast, 0, 2, 1, 2);
    grid->addWidget(new QLabel(tr("Phone")), 1, 0);
    grid->addWidget(txtPhone, 1, 1);
    txtParentFirst->setPlaceholderText(tr("First name"));
    txtParentLast->setPlaceholderText(tr("Last name"));
    grid->addWidget(new QLabel(tr("Children")), 2, 0);
    grid->addWidget(new QLabel(tr("First name")), 2, 1);
    grid->addWidget(new QLabel(tr("Birth date")), 2, 2);
    grid->addWidget(new QLabel(tr("Girl / Boy")), 2, 3);
    const QVector<PickItem> classes = classesOfService(serviceCode);
    if (!classes.isEmpty())
        grid->addWidget(new QLabel(tr("Class")), 2, 4);
    for (int i = 0; i < kChildren; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        txtChild[i] = named(new QLineEdit, QByteArray("txtChild" + n).constData());
        txtBorn[i] = named(new QLineEdit, QByteArray("txtBorn" + n).constData());
        cmbGender[i] = named(new QComboBox, QByteArray("cmbGender" + n).constData());
        cmbClass[i] = named(new QComboBox, QByteArray("cmbClass" + n).constData());
        txtChild[i]->setMaxLength(50);
        txtBorn[i]->setPlaceholderText(formats::dateFormat());
        cmbGender[i]->addItems({ QString(), tr("Girl"), tr("Boy") });
        cmbClass[i]->addItem(QString(), 0);
        for (const PickItem& c : classes)
            addItemWithId(cmbClass[i], c.text, c.id);
        cmbClass[i]->setVisible(!classes.isEmpty());
        grid->addWidget(txtChild[i], 3 + i, 1);
        grid->addWidget(txtBorn[i], 3 + i, 2);
        grid->addWidget(cmbGender[i], 3 + i, 3);
        grid->addWidget(cmbClass[i], 3 + i, 4);
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 2);
    txtPhone->setMinimumWidth(220);
    setMinimumWidth(820);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnCancel);
    btnAdd->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(btnAdd, &QPushButton::clicked, this, [this] { guarded([this] { btnAdd_clicked(); }); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool VisitorFamilyDialog::read(VisitorFamily& family)
{
    family.firstName = txtParentFirst->text().trimmed();
    family.lastName = txtParentLast->text().trimmed();
    family.phone = phoneDigits(txtPhone);
    if (family.firstName.isEmpty() || family.lastName.isEmpty()) {
        messages().show(tr("A parent's first and last name are required."), tr("Add Visitor Family"));
        (family.firstName.isEmpty() ? txtParentFirst : txtParentLast)->setFocus();
        return false;
    }
    for (int i = 0; i < kChildren; ++i) {
        VisitorFamily::Child child;
        child.firstName = txtChild[i]->text().trimmed();
        if (child.firstName.isEmpty())
            continue;
        const QString born = txtBorn[i]->text().trimmed();
        child.dateOfBirth = formats::parseTypedDate(born, clock().today(), formats::TwoDigitYears::Past);
        if (!born.isEmpty() && !child.dateOfBirth.isValid()) {
            messages().show(tr("%1's birth date is not a date.").arg(child.firstName), tr("Add Visitor Family"));
            txtBorn[i]->setFocus();
            return false;
        }
        const int gender = cmbGender[i]->currentIndex();
        child.gender = gender == 1 ? QStringLiteral("Female")
            : gender == 2          ? QStringLiteral("Male")
                                   : QStringLiteral("Unknown");
        child.classId = selectedId(cmbClass[i]);
        family.children.push_back(child);
    }
    if (family.children.empty()) {
        messages().show(tr("Type the first name of at least one child."), tr("Add Visitor Family"));
        txtChild[0]->setFocus();
        return false;
    }
    return true;
}

void VisitorFamilyDialog::btnAdd_clicked()
{
    VisitorFamily family;
    if (!read(family))
        return;
    MemberRecord parent;
    parent.firstName = family.firstName;
    parent.lastName = family.lastName;
    parent.phone = family.phone;
    if (const auto question = people::duplicateQuestion(db(), parent)) {
        const int answer = messages().choose(question->text + tr("\n\nAdd this family anyway?"),
            tr("Add Visitor Family"), { tr("Add Anyway"), tr("Cancel") }, 1, 1);
        if (answer != 0)
            return;
    }
    {
        BusyCursor busy;
        m_added = addVisitorFamily(db(), family, m_serviceCode, m_visited, ctx().user.username, clock().now());
    }
    accept();
}

} // namespace pw::checkin
