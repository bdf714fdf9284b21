#include "admin/frmChurchInfo.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "data/ChurchSettings.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "ui_frmChurchInfo.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"

#include <QHash>

namespace pw::admin {

namespace {

    QString delayMessage() { return frmChurchInfo::tr("Quantity must be greater than 0."); }

    // An empty box stores no delay; anything else the number it starts with.
    QVariant delayValue(const QString& text)
    {
        return text.trimmed().isEmpty() ? QVariant() : QVariant(Church::leadingNumber(text));
    }

} // namespace

frmChurchInfo::frmChurchInfo(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmChurchInfo)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmChurchInfo"));
    setFocusProxy(ui->txtCompany);
    // Room for a whole e-mail or web address.
    ui->txtCompany->setMinimumWidth(340);
    setupPhoneBox(ui->txtPhone);
    setupPhoneBox(ui->txtFax);
    selectAllOnFocus({ ui->txtCompany, ui->txtAddress1, ui->txtAddress2, ui->txtCity, ui->txtZip, ui->txtEmail,
        ui->txtWebsite, ui->txtPhone, ui->txtFax, ui->txtKeyPressDelay });
    setDefaultButton(this, ui->btnSave);
    setCancelButton(this, ui->btnExit);

    m_tracker = new EditTracker(this, tr("Setup"));
    m_tracker->watch(this);
    m_tracker->setRecordName([this] { return ui->txtCompany->text().trimmed(); });
    m_tracker->setSave([this] { return save(); });

    connect(ui->btnSave, &QPushButton::clicked, this, [this] { guarded([this] { btnSave_clicked(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    // "Save And Close" makes the same check itself.
    whenLeaving(this, ui->txtKeyPressDelay, [this] { txtKeyPressDelay_LostFocus(); }, { ui->btnExit, ui->btnSave });

    guarded([this] { load(); });
    followPermission(this, m_tracker, perm::ChurchInfo);
}

frmChurchInfo::~frmChurchInfo() { delete ui; }

void frmChurchInfo::load()
{
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    fillTextList(ui->cmbState, listTexts(SharedLists::List::States));
    m_loaded = Church::first(db());
    const rows::Values values = m_loaded ? m_loaded->values : rows::Values();
    auto text = [&values](const char* column) { return sql::toText(values.value(QString::fromLatin1(column))); };
    ui->txtCompany->setText(text("Name"));
    ui->txtAddress1->setText(text("Address1"));
    ui->txtAddress2->setText(text("Address2"));
    ui->txtCity->setText(text("City"));
    const QString state = text("State");
    ui->cmbState->setCurrentIndex(
        state.isEmpty() ? -1 : ui->cmbState->findText(state, Qt::MatchExactly | Qt::MatchCaseSensitive));
    ui->txtZip->setText(text("Zip"));
    setPhoneDigits(ui->txtPhone, text("Phone"));
    setPhoneDigits(ui->txtFax, text("Fax"));
    ui->txtEmail->setText(text("Email"));
    ui->txtWebsite->setText(text("Website"));
    // A church without its row yet starts with the delay of every new church;
    // a stored delay, even 0 or none, is shown as the office left it.
    ui->txtKeyPressDelay->setText(m_loaded ? text("KeyPressDelay") : QString::number(Church::kDefaultDelay));
    // The statement wording is shown as it prints: the common one until the
    // church sets its own.
    m_shownStatementText = ChurchSettings::value(db(), ChurchSettings::kStatementText).trimmed();
    if (m_shownStatementText.isEmpty())
        m_shownStatementText = ChurchSettings::defaultStatementText();
    ui->txtStatementText->setPlainText(m_shownStatementText);
    m_shown = valuesFromScreen();
    m_tracker->markClean();
}

rows::Values frmChurchInfo::valuesFromScreen() const
{
    return {
        { QStringLiteral("Name"), ui->txtCompany->text() },
        { QStringLiteral("Address1"), ui->txtAddress1->text() },
        { QStringLiteral("Address2"), ui->txtAddress2->text() },
        { QStringLiteral("City"), ui->txtCity->text() },
        { QStringLiteral("State"), ui->cmbState->currentIndex() >= 0 ? ui->cmbState->currentText() : QString() },
        { QStringLiteral("Zip"), ui->txtZip->text() },
        { QStringLiteral("Phone"), phoneDigits(ui->txtPhone) },
        { QStringLiteral("Fax"), phoneDigits(ui->txtFax) },
        { QStringLiteral("Email"), ui->txtEmail->text() },
        { QStringLiteral("Website"), ui->txtWebsite->text() },
        { QStringLiteral("KeyPressDelay"), delayValue(ui->txtKeyPressDelay->text()) },
    };
}

void frmChurchInfo::txtKeyPressDelay_LostFocus()
{
    if (!Church::delayAccepted(ui->txtKeyPressDelay->text()))
        refuseEntry(ui->txtKeyPressDelay, delayMessage(), tr("Invalid Entry"));
}

void frmChurchInfo::btnSave_clicked()
{
    if (save())
        closeScreen(this);
}

void frmChurchInfo::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmChurchInfo::save()
{
    if (!requireSavePermission(*m_tracker, perm::ChurchInfo))
        return false;
    if (ui->txtCompany->text().isEmpty()) {
        messages().show(tr("Church Name is Required."), tr("Required Fields"));
        bringToView(ui->txtCompany);
        return false;
    }
    // Checked here as well: Enter saves without the box ever losing the
    // focus, and an empty box or one without a number has no delay to store.
    if (!Church::delayAccepted(ui->txtKeyPressDelay->text())) {
        refuseEntry(ui->txtKeyPressDelay, delayMessage(), tr("Invalid Entry"));
        return false;
    }

    const rows::Values now = valuesFromScreen();
    const rows::Values mine = m_loaded ? rows::edited(m_loaded->values, m_shown, now) : now;
    const bool saved = saveAskingOnConflict([&](rows::OnConflict how) {
        const Church::SaveResult result = Church::save(db(), mine, m_loaded, how);
        if (result.result != Church::SaveResult::Result::Conflicts)
            return QString();
        return conflictQuestion(tr("church information"), conflictFields(result.conflicts, [](const QString& column) {
            // The label beside the control of that column.
            if (column == QLatin1String("Name"))
                return tr("Company");
            if (column == QLatin1String("KeyPressDelay"))
                return tr("Keypress Delay");
            return column;
        }));
    });
    if (!saved)
        return false;
    // Written only when changed here, so another workstation's wording
    // stays unless this one was edited; an emptied box brings the common
    // wording back.
    const QString statementText = ui->txtStatementText->toPlainText().trimmed();
    if (statementText != m_shownStatementText.trimmed())
        ChurchSettings::setValue(db(), ChurchSettings::kStatementText,
            statementText == ChurchSettings::defaultStatementText() ? QString() : statementText);

    LoadChurchSettings();
    if (Workspace* w = workspace())
        emit w->churchChanged();
    const QString name = ui->txtCompany->text().trimmed();
    load();
    showStatus(tr("Saved %1.").arg(name));
    return true;
}

} // namespace pw::admin
