#include "checkin/frmClassCheckout.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "checkin/frmCheckinStation.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Services.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw::checkin {

frmClassCheckout::frmClassCheckout(QWidget* parent)
    : QWidget(parent)
    , cmbService(named(new QComboBox, "cmbService"))
    , dtDay(named(new DateBox, "dtDay"))
    , cmbClass(named(new QComboBox, "cmbClass"))
    , btnRefresh(named(new QPushButton(tr("Refresh")), "btnRefresh"))
    , lstChildren(named(new QListWidget, "lstChildren"))
    , txtCode(named(new QLineEdit, "txtCode"))
    , btnCheckOut(named(new QPushButton(tr("Check Out")), "btnCheckOut"))
    , lblOutcome(named(new QLabel, "lblOutcome"))
    , lblStill(named(new QLabel, "lblStill"))
{
    setObjectName(QStringLiteral("frmClassCheckout"));
    setWindowTitle(tr("Class Check-out"));
    makeTouchFriendly(this);
    makeTouchList(lstChildren);
    lstChildren->setSelectionMode(QAbstractItemView::NoSelection);

    const QDate today = clock().today();
    fillServices(cmbService, today);
    dtDay->setCalendarPopup(true);
    dtDay->setDate(today);
    attachTypeAhead({ cmbService, cmbClass });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Service")));
    top->addWidget(cmbService);
    top->addWidget(new QLabel(tr("Date")));
    top->addWidget(dtDay);
    top->addWidget(new QLabel(tr("Class")));
    top->addWidget(cmbClass, 1);
    top->addWidget(btnRefresh);

    txtCode->setMaxLength(kCodeLength);
    txtCode->setPlaceholderText(tr("Code"));
    auto* code = new QHBoxLayout;
    code->addWidget(new QLabel(tr("Code on the stub")));
    code->addWidget(txtCode);
    code->addWidget(btnCheckOut);
    code->addWidget(lblOutcome, 1);

    QFont large = font();
    large.setPointSize(20);
    lblStill->setFont(large);
    lblOutcome->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lstChildren, 1);
    layout->addLayout(code);
    layout->addWidget(lblStill);
    setMinimumSize(720, 520);
    setFocusProxy(txtCode);

    connect(
        cmbService, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { cmbService_changed(); }); });
    connect(cmbClass, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { load(); }); });
    connect(dtDay, &QDateEdit::dateChanged, this, [this] { guarded([this] { load(); }); });
    connect(btnRefresh, &QPushButton::clicked, this, [this] { guarded([this] { load(); }); });
    connect(txtCode, &QLineEdit::returnPressed, this, [this] { guarded([this] { btnCheckOut_clicked(); }); });
    connect(btnCheckOut, &QPushButton::clicked, this, [this] { guarded([this] { btnCheckOut_clicked(); }); });
    if (Workspace* w = workspace())
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { cmbService_changed(); }); });
    guarded([this] { cmbService_changed(); });
}

void frmClassCheckout::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    guarded([this] { btnCheckOut->setEnabled(HasPermission(perm::MemberEntry)); });
}

QString frmClassCheckout::serviceCode() const { return cmbService->currentData().toString(); }

void frmClassCheckout::cmbService_changed()
{
    // A reload keeps the class chosen when the service still has it.
    const qint64 chosen = selectedId(cmbClass);
    {
        const QSignalBlocker quiet(cmbClass);
        cmbClass->clear();
        for (const PickItem& c : classesOfService(serviceCode()))
            addItemWithId(cmbClass, c.text, c.id);
        if (!selectById(cmbClass, chosen))
            cmbClass->setCurrentIndex(cmbClass->count() > 0 ? 0 : -1);
    }
    cmbClass->setEnabled(cmbClass->count() > 0);
    btnCheckOut->setEnabled(HasPermission(perm::MemberEntry));
    load();
}

void frmClassCheckout::load()
{
    BusyCursor busy;
    const services::Service* s = services::byCode(serviceCode());
    lstChildren->clear();
    m_in.clear();
    if (s && (!s->hasClasses() || selectedId(cmbClass) > 0))
        for (CheckinRow& r : dayCheckins(db(), dtDay->date(), true, s->hasClasses() ? selectedId(cmbClass) : 0))
            if (r.service == serviceCode())
                m_in.push_back(std::move(r));
    for (const CheckinRow& r : m_in) {
        QString text = r.firstName + QLatin1Char(' ') + r.lastName + QStringLiteral(" — ") + r.code;
        if (!r.allergy.trimmed().isEmpty())
            text += tr("\nAllergy: ") + r.allergy;
        text += tr("\nAuthorised to pick up: ")
            + (r.authorisedPickup.trimmed().isEmpty() ? tr("(not recorded)") : r.authorisedPickup);
        new QListWidgetItem(text, lstChildren);
    }
    lblStill->setText(tr("Still checked in: %1").arg(m_in.size()));
}

void frmClassCheckout::btnCheckOut_clicked()
{
    if (!HasPermission(perm::MemberEntry)) {
        showRefusal(refusal::Save);
        btnCheckOut->setEnabled(false);
        return;
    }
    const QString code = txtCode->text().trimmed().toUpper();
    if (code.isEmpty())
        return;
    load(); // as stored now: a parent may have picked up at the station meanwhile
    QList<qint64> ids;
    QStringList names;
    for (const CheckinRow& r : m_in)
        if (r.code.toUpper() == code) {
            ids << r.id;
            names << r.firstName;
        }
    if (ids.isEmpty()) {
        const QString where = cmbClass->isEnabled() ? cmbClass->currentText() : cmbService->currentText();
        messages().show(tr("No child of %1 is checked in %2 with code %3.").arg(where, dayWords(dtDay->date()), code),
            tr("Class Check-out"), Icon::Warning);
        txtCode->selectAll();
        return;
    }
    {
        BusyCursor busy;
        checkOut(db(), ids, ctx().user.username, clock().now());
    }
    txtCode->clear();
    load();
    lblOutcome->setText(tr("Checked out: %1.").arg(names.join(QStringLiteral(", "))));
    showStatus(lblOutcome->text());
}

} // namespace pw::checkin
