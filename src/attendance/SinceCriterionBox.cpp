#include "attendance/SinceCriterionBox.h"

#include "data/Clock.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>

namespace pw::attendance {

SinceCriterionBox::SinceCriterionBox(QWidget* parent)
    : QWidget(parent)
    , cmbAttended(new QComboBox(this))
    , dtAttendedSince(new DateBox(this))
    , cmbAttendedService(new QComboBox(this))
{
    setObjectName(QStringLiteral("fraAttendedSince"));
    cmbAttended->setObjectName(QStringLiteral("cmbAttended"));
    dtAttendedSince->setObjectName(QStringLiteral("dtAttendedSince"));
    cmbAttendedService->setObjectName(QStringLiteral("cmbAttendedService"));
    cmbAttended->addItem(QString(), int(SinceCriterion::Kind::None));
    cmbAttended->addItem(tr("Attended since"), int(SinceCriterion::Kind::Attended));
    cmbAttended->addItem(tr("Not attended since"), int(SinceCriterion::Kind::NotAttended));
    dtAttendedSince->setCalendarPopup(true);
    dtAttendedSince->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    cmbAttendedService->addItem(tr("(any service)"), QString());
    for (const services::Service& s : services::all())
        cmbAttendedService->addItem(s.nameText(), s.codeText());
    attachTypeAhead({ cmbAttended, cmbAttendedService });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cmbAttended);
    layout->addWidget(dtAttendedSince);
    layout->addWidget(cmbAttendedService, 1);
    const auto follow = [this] {
        const bool on = cmbAttended->currentIndex() > 0;
        dtAttendedSince->setEnabled(on);
        cmbAttendedService->setEnabled(on);
    };
    connect(cmbAttended, qOverload<int>(&QComboBox::currentIndexChanged), this, follow);
    clear();
    follow();
}

SinceCriterion SinceCriterionBox::criterion() const
{
    return { SinceCriterion::Kind(cmbAttended->currentData().toInt()), dtAttendedSince->date(),
        cmbAttendedService->currentData().toString() };
}

void SinceCriterionBox::clear()
{
    cmbAttended->setCurrentIndex(0);
    cmbAttendedService->setCurrentIndex(0);
    dtAttendedSince->setDate(clock().today().addDays(-28));
}

} // namespace pw::attendance
