#pragma once

// Text pick lists (actions, ratings, phases) that can also show a stored
// value they do not hold, such as an action since removed from the list: the
// value appears in an extra last entry marked as not in the list, so that it
// is neither hidden nor replaced by the previous record's choice, and a save
// writes it back unchanged.

#include <QHash>
#include <QStringList>

class QComboBox;

namespace pw::outreach {

class ValueLists {
public:
    // The text after a value that its list does not hold.
    static QString notInListMark();

    // Gives the list these entries (an empty one first when asked) and
    // chooses the same value again, quietly when it stays the same.
    void fill(QComboBox* combo, const QStringList& texts, bool emptyFirst = false);

    // The chosen value; empty without a choice.
    QString value(const QComboBox* combo) const;

    // Chooses the entry with exactly this text, or shows the text in the
    // extra entry. Empty text chooses the empty first entry, or nothing.
    void show(QComboBox* combo, const QString& text);

    // No choice, and no extra entry.
    void clear(QComboBox* combo);

private:
    struct List {
        QStringList texts;
        bool emptyFirst = false;
        QString extra; // the value shown in the extra last entry; empty: none
    };

    void rebuild(QComboBox* combo, bool chosen, const QString& value);

    QHash<const QComboBox*, List> m_lists;
};

} // namespace pw::outreach
