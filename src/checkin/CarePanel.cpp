#include "checkin/CarePanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "checkin/Checkin.h"
#include "data/Database.h"
#include "data/PersonName.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw::checkin {

namespace {

    // "Hale, Helen", as the status line names the person.
    QString nameOf(Database& db, qint64 id)
    {
        QString name;
        db.forEach(QStringLiteral("SELECT Last_Name, First_Name FROM Member WHERE ID = ?"), { id },
            [&](const QSqlQuery& q) { name = displayName(q.value(0).toString(), q.value(1).toString()); });
        return name;
    }

} // namespace

CarePanel::CarePanel(QWidget* parent)
    : QWidget(parent)
    , txtAllergy(named(new QPlainTextEdit(this), "txtAllergy"))
    , txtAuthorisedPickup(named(new QLineEdit(this), "txtAuthorisedPickup"))
    , btnSaveCare(named(new QPushButton(tr("Save Notes"), this), "btnSaveCare"))
{
    setObjectName(QStringLiteral("CarePanel"));
    txtAllergy->setTabChangesFocus(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Allergies and medical notes"), txtAllergy);
    form->addRow(tr("Authorised to pick up"), txtAuthorisedPickup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSaveCare);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addStretch(1);
    connect(btnSaveCare, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveCare_clicked(); }); });
    // Enter in the names saves the notes: the member screen has no default
    // button to take it.
    connect(txtAuthorisedPickup, &QLineEdit::returnPressed, btnSaveCare, &QPushButton::click);
    showPerson(0);
}

void CarePanel::showPerson(qint64 id)
{
    const Care typed { txtAllergy->toPlainText(), txtAuthorisedPickup->text() };
    if (m_person > 0 && id != m_person && HasPermission(perm::MemberEntry)
        && (typed.allergy.trimmed() != m_loaded.allergy.trimmed()
            || typed.authorisedPickup.trimmed() != m_loaded.authorisedPickup.trimmed())
        && messages().ask(
               tr("The care notes of %1 are not saved. Save them?").arg(nameOf(db(), m_person)), tr("Family Info"))
            == Answer::Yes)
        saveCare(db(), m_person, typed);
    m_person = id;
    const Care care = id > 0 ? careOf(db(), id) : Care();
    m_loaded = care;
    txtAllergy->setPlainText(care.allergy);
    txtAuthorisedPickup->setText(care.authorisedPickup);
    const bool mayChange = id > 0 && HasPermission(perm::MemberEntry);
    for (QWidget* w : std::initializer_list<QWidget*> { txtAllergy, txtAuthorisedPickup })
        w->setEnabled(id > 0);
    txtAllergy->setReadOnly(!mayChange);
    txtAuthorisedPickup->setReadOnly(!mayChange);
    btnSaveCare->setEnabled(mayChange);
}

void CarePanel::btnSaveCare_clicked()
{
    if (m_person <= 0 || !requirePermission(perm::MemberEntry, refusal::Save))
        return;
    saveCare(db(), m_person, { txtAllergy->toPlainText(), txtAuthorisedPickup->text() });
    showPerson(m_person);
    showStatus(tr("Saved the care notes of %1.").arg(nameOf(db(), m_person)));
}

} // namespace pw::checkin
