#include "reports/ReportWindow.h"

#include "widgets/FormHelpers.h"

#include <QBoxLayout>
#include <QPushButton>

namespace pw::reports {

void layOutReportWindow(QWidget* window, QLayout* choices, const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(choices);
    layout->addStretch(1);
    layout->addLayout(row);
    if (!buttons.isEmpty()) {
        setDefaultButton(window, buttons.first());
        setCancelButton(window, buttons.last());
    }
}

} // namespace pw::reports
