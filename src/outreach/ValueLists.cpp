#include "outreach/ValueLists.h"

#include "widgets/FormHelpers.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

namespace pw::outreach {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ValueLists)
    };

    // An entry stands for the value: by identifier when the value has one,
    // otherwise by its exact text.
    int indexOf(const QVector<PickItem>& items, const PickItem& value)
    {
        for (int i = 0, n = static_cast<int>(items.size()); i < n; ++i) {
            if (value.id != 0 ? items.at(i).id == value.id : items.at(i).text == value.text)
                return i;
        }
        return -1;
    }

    bool isEmpty(const PickItem& value) { return value.id == 0 && value.text.isEmpty(); }

} // namespace

QString ValueLists::notInListMark() { return Tr::tr(" (not in the list)"); }

QString ValueLists::value(const QComboBox* combo) const
{
    const int index = combo->currentIndex();
    if (index < 0)
        return QString();
    const auto it = m_lists.constFind(combo);
    if (it != m_lists.constEnd() && !it->extra.text.isEmpty() && index == combo->count() - 1)
        return it->extra.text;
    return combo->currentText();
}

PickItem ValueLists::chosen(const QComboBox* combo) const { return { value(combo), selectedId(combo) }; }

void ValueLists::rebuild(QComboBox* combo, bool chosen, const PickItem& value)
{
    List& list = m_lists[combo];
    QVector<PickItem> items;
    items.reserve(list.items.size() + 2);
    if (list.emptyFirst)
        items.append({ QString(), 0 });
    items += list.items;

    int index = -1;
    list.extra = {};
    if (chosen) {
        const int at = indexOf(list.items, value);
        if (isEmpty(value)) {
            index = list.emptyFirst ? 0 : -1;
        } else if (at >= 0) {
            index = at + (list.emptyFirst ? 1 : 0);
        } else {
            items.append({ value.text + notInListMark(), value.id });
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

void ValueLists::fillList(QComboBox* combo, QVector<PickItem> items, bool emptyFirst)
{
    const bool any = combo->currentIndex() >= 0;
    const PickItem kept = chosen(combo);
    List& list = m_lists[combo];
    list.items = std::move(items);
    list.emptyFirst = emptyFirst;
    rebuild(combo, any, kept);
}

void ValueLists::fill(QComboBox* combo, const QStringList& texts, bool emptyFirst)
{
    QVector<PickItem> items;
    items.reserve(texts.size());
    for (const QString& text : texts)
        items.append({ text, 0 });
    fillList(combo, std::move(items), emptyFirst);
}

void ValueLists::fill(QComboBox* combo, QVector<PickItem> items) { fillList(combo, std::move(items), false); }

void ValueLists::showItem(QComboBox* combo, const PickItem& value)
{
    const List& list = m_lists[combo];
    const int at = indexOf(list.items, value);
    if (list.extra.text.isEmpty() && (isEmpty(value) || at >= 0)) {
        // The usual case: an entry of the list, chosen as the user would.
        combo->setCurrentIndex(isEmpty(value) ? (list.emptyFirst ? 0 : -1) : at + (list.emptyFirst ? 1 : 0));
        return;
    }
    rebuild(combo, !isEmpty(value) || list.emptyFirst, value);
}

void ValueLists::show(QComboBox* combo, const QString& text) { showItem(combo, { text, 0 }); }

void ValueLists::showId(QComboBox* combo, qint64 id, const QString& label)
{
    if (id <= 0)
        showItem(combo, {});
    else
        showItem(combo, { label.isEmpty() ? Tr::tr("ID %1").arg(id) : label, id });
}

void ValueLists::clear(QComboBox* combo)
{
    if (m_lists.value(combo).extra.text.isEmpty())
        combo->setCurrentIndex(-1);
    else
        rebuild(combo, false, {});
}

} // namespace pw::outreach
