#include "widgets/OptionalDate.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>

namespace pw {

namespace {

    // The box's own colours with the text, and its selection, made invisible.
    QPalette withoutText(QPalette palette)
    {
        for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
            palette.setColor(group, QPalette::Text, Qt::transparent);
            palette.setColor(group, QPalette::HighlightedText, Qt::transparent);
            palette.setColor(group, QPalette::Highlight, Qt::transparent);
        }
        return palette;
    }

} // namespace

void showDateOnlyWhenSet(QCheckBox* check, QDateEdit* picker)
{
    check->setToolTip(QCoreApplication::translate("OptionalDate", kSetThisDateTip));
    const QPalette shown = picker->palette();
    const QPalette hidden = withoutText(shown);
    auto apply = [picker, shown, hidden](bool set) { picker->setPalette(set ? shown : hidden); };
    apply(check->isChecked());
    QObject::connect(check, &QCheckBox::toggled, picker, apply);
}

} // namespace pw
