#include "outreach/ValueLists.h"

#include "app/PickList.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace pw::outreach {

QString ValueLists::notInListMark() { return QStringLiteral(" (not in the list)"); }

QString ValueLists::value(const QComboBox* combo) const
{
    const int index = combo->currentIndex();
    if (index < 0)
        return QString();
    const auto it = m_lists.constFind(combo);
    if (it != m_lists.constEnd() && !it->extra.isEmpty() && index == combo->count() - 1)
        return it->extra;
    return combo->currentText();
}

void ValueLists::rebuild(QComboBox* combo, bool chosen, const QString& value)
{
    List& list = m_lists[combo];
    QVector<PickItem> items;
    items.reserve(list.texts.size() + 2);
    if (list.emptyFirst)
        items.append({ QString(), 0 });
    for (const QString& text : list.texts)
        items.append({ text, 0 });

    int index = -1;
    list.extra.clear();
    if (chosen) {
        const int at = static_cast<int>(list.texts.indexOf(value));
        if (value.isEmpty()) {
            index = list.emptyFirst ? 0 : -1;
        } else if (at >= 0) {
            index = at + (list.emptyFirst ? 1 : 0);
        } else {
            items.append({ value + notInListMark(), 0 });
            index = static_cast<int>(items.size()) - 1;
            list.extra = value;
        }
    }
    const int before = combo->currentIndex();
    const QString beforeText = combo->currentText();
    {
        const QSignalBlocker quiet(combo);
        fillPickList(combo, std::move(items), Choice::Clear);
        combo->setCurrentIndex(index);
    }
    // Announced like a choice of the user's, once, when something changed.
    if (combo->currentIndex() != before || combo->currentText() != beforeText)
        emit combo->currentIndexChanged(combo->currentIndex());
}

void ValueLists::fill(QComboBox* combo, const QStringList& texts, bool emptyFirst)
{
    const bool chosen = combo->currentIndex() >= 0;
    const QString kept = value(combo);
    List& list = m_lists[combo];
    list.texts = texts;
    list.emptyFirst = emptyFirst;
    rebuild(combo, chosen, kept);
}

void ValueLists::show(QComboBox* combo, const QString& text)
{
    const List& list = m_lists[combo];
    const int at = static_cast<int>(list.texts.indexOf(text));
    if (list.extra.isEmpty() && (text.isEmpty() || at >= 0)) {
        // The usual case: an entry of the list, chosen as the user would.
        combo->setCurrentIndex(text.isEmpty() ? (list.emptyFirst ? 0 : -1) : at + (list.emptyFirst ? 1 : 0));
        return;
    }
    rebuild(combo, !text.isEmpty() || list.emptyFirst, text);
}

void ValueLists::clear(QComboBox* combo)
{
    if (m_lists.value(combo).extra.isEmpty())
        combo->setCurrentIndex(-1);
    else
        rebuild(combo, false, QString());
}

} // namespace pw::outreach
