#include "attendance/AttendancePanel.h"

#include "attendance/Attendance.h"
#include "data/Clock.h"
#include "widgets/Context.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pw::attendance {

AttendancePanel::AttendancePanel(QCalendarWidget* calendar, std::vector<QComboBox*> levelLists, QWidget* parent)
    : QWidget(parent)
    , m_calendar(calendar)
    , m_levelLists(std::move(levelLists))
    , lblLastAttended(new QLabel(this))
    , lstLastAttendances(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("fraAttendance"));
    lblLastAttended->setObjectName(QStringLiteral("lblLastAttended"));
    lstLastAttendances->setObjectName(QStringLiteral("lstLastAttendances"));
    lstLastAttendances->setHeaderLabels({ tr("Date"), tr("Service"), tr("Class") });
    lstLastAttendances->setRootIsDecorated(false);
    lstLastAttendances->setUniformRowHeights(true);
    lstLastAttendances->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstLastAttendances->setMinimumWidth(320);

    auto* suggestions = new QGridLayout;
    suggestions->addWidget(new QLabel(tr("Suggested from the last 13 weeks:")), 0, 0, 1, 3);
    const std::vector<services::Service>& all = services::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblSuggested") + all[i].codeText());
        auto* use = new QPushButton(tr("Use"), this);
        use->setObjectName(QStringLiteral("btnUse") + all[i].codeText());
        use->setAutoDefault(false);
        suggestions->addWidget(new QLabel(all[i].nameText()), int(i) + 1, 0);
        suggestions->addWidget(label, int(i) + 1, 1);
        suggestions->addWidget(use, int(i) + 1, 2);
        m_suggestions.push_back(label);
        m_useButtons.push_back(use);
        connect(use, &QPushButton::clicked, this, [this, i] {
            // A list closed for this person (church status not "Active") stays as it is.
            QComboBox* list = i < m_levelLists.size() ? m_levelLists[i] : nullptr;
            if (!list || !list->isEnabled())
                return;
            const int row = list->findText(suggestion(i), Qt::MatchFixedString);
            if (row >= 0)
                list->setCurrentIndex(row);
        });
    }
    suggestions->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblLastAttended);
    layout->addWidget(lstLastAttendances, 1);
    layout->addLayout(suggestions);
    showPerson(0);
}

QString AttendancePanel::suggestion(std::size_t i) const { return m_suggestions[i]->property("level").toString(); }

void AttendancePanel::showPerson(qint64 id)
{
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    lstLastAttendances->clear();
    const QDate today = clock().today();
    const PersonAttendance a = id > 0 ? forPerson(db(), id, today) : PersonAttendance();
    QTextCharFormat attended;
    attended.setFontWeight(QFont::Bold);
    attended.setBackground(QColor(198, 226, 255));
    for (const QDate& d : a.dates)
        m_calendar->setDateTextFormat(d, attended);
    for (const PersonAttendance::Line& line : a.latest)
        new QTreeWidgetItem(
            lstLastAttendances, { line.date.toString(QStringLiteral("MM/dd/yyyy")), line.service, line.className });
    lblLastAttended->setText(id <= 0   ? QString()
            : a.lastAttended.isValid() ? tr("Last attended: %1 (%2 of the last 13 weeks)")
                                             .arg(a.lastAttended.toString(QStringLiteral("MM/dd/yyyy")))
                                             .arg(a.weeksOf13)
                                       : tr("Last attended: never"));
    const std::vector<services::Service>& all = services::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int weeks = a.weeksByService.value(all[i].codeText());
        const QString level = id > 0 ? suggestedLevel(weeks) : QString();
        m_suggestions[i]->setProperty("level", level);
        m_suggestions[i]->setText(id > 0 ? tr("%1 (%2 of 13 weeks)").arg(level).arg(weeks) : QString());
        m_useButtons[i]->setEnabled(id > 0);
        if (i < m_levelLists.size() && m_levelLists[i])
            m_levelLists[i]->setToolTip(id > 0 ? tr("Suggested from the last 13 weeks: %1").arg(level) : QString());
    }
}

} // namespace pw::attendance
