#pragma once

// Pick lists that can also show a stored value they do not hold, such as an
// action since removed from the list or a class whose row is gone: the value
// appears in an extra last entry marked as not in the list, so that it is
// neither hidden nor replaced by the previous record's choice, and a save
// writes it back unchanged. A refill keeps the choice the same way.

#include "data/Lookups.h"

#include <QHash>
#include <QStringList>
#include <QVector>

class QComboBox;

namespace pw::outreach {

class ValueLists {
public:
    // The text after a value that its list does not hold.
    static QString notInListMark();

    // Gives the list these entries (an empty one first when asked) and
    // chooses the same value again, quietly when it stays the same.
    void fill(QComboBox* combo, const QStringList& texts, bool emptyFirst = false);
    // The same for entries that stand for rows of another table: each keeps
    // its identifier as its data, and the choice is kept by identifier.
    void fill(QComboBox* combo, QVector<PickItem> items);

    // The chosen value; empty without a choice. (selectedId() gives the
    // identifier of a list filled with items.)
    QString value(const QComboBox* combo) const;

    // Chooses the entry with exactly this text, or shows the text in the
    // extra entry. Empty text chooses the empty first entry, or nothing.
    void show(QComboBox* combo, const QString& text);
    // Chooses the entry with this identifier, or shows label (by default
    // "ID" and the identifier) in the extra entry, which carries the
    // identifier. 0 chooses nothing.
    void showId(QComboBox* combo, qint64 id, const QString& label = QString());

    // No choice, and no extra entry.
    void clear(QComboBox* combo);

private:
    struct List {
        QVector<PickItem> items;
        bool emptyFirst = false;
        PickItem extra; // the value shown in the extra last entry; empty text: none
    };

    void fillList(QComboBox* combo, QVector<PickItem> items, bool emptyFirst);
    void showItem(QComboBox* combo, const PickItem& value);
    void rebuild(QComboBox* combo, bool chosen, const PickItem& value);
    PickItem chosen(const QComboBox* combo) const;

    QHash<const QComboBox*, List> m_lists;
};

} // namespace pw::outreach
