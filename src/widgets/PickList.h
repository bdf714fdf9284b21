#pragma once

#include "widgets/TypeAheadIndex.h"
#include "data/Lookups.h"

#include <QAbstractListModel>
#include <QString>
#include <QVector>
#include <functional>
#include <future>
#include <memory>

class QComboBox;

namespace pw {

// A plain list model for pick lists. A combo box over it is filled with one
// reset instead of one insertion per item, which keeps long lists quick.
class PickListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PickListModel(QObject* parent = nullptr);
    void setItems(QVector<PickItem> items);
    const QVector<PickItem>& items() const { return m_items; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Type-ahead: the first row whose text begins with prefix, ignoring
    // letter case; -1 when none does.
    int firstStartingWith(QStringView prefix) const;

private:
    QVector<PickItem> m_items;
    mutable std::shared_ptr<const TypeAheadIndex> m_index; // made at the first key
};

// How the people of a person list are shown.
enum class NameForm {
    WithTitle, // "Last, First Middle Title": the member screen and the report launchers
    WithoutTitle, // "Last, First Middle": the contact, class and user screens
};

// Which people a person list offers.
enum class People { Everyone, NotHeadsOfHousehold };

// A person list over the shared list of every person: it keeps a reference
// to that list rather than a copy, and makes each entry's text when it is
// shown. Fixed entries (an empty entry, group entries) may come first.
class PeopleListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PeopleListModel(QObject* parent = nullptr);
    void setPeople(std::shared_ptr<const QVector<PersonName>> people, NameForm form,
        std::function<bool(const PersonName&)> filter = {}, QVector<PickItem> leading = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The row of the entry with this identifier, or -1.
    int rowOf(qint64 id) const;
    // Type-ahead: the first row whose text begins with prefix, ignoring
    // letter case; -1 when none does. The index behind it is made on a
    // worker thread when the list is filled (a key waits for it only when
    // it comes first), and shared by every unfiltered list of the same
    // people in the same form.
    int firstStartingWith(QStringView prefix) const;
    using Index = std::shared_future<std::shared_ptr<const TypeAheadIndex>>;

    // A person's text in a name form.
    static QString text(const PersonName& person, NameForm form);
    static void appendText(QString& out, const PersonName& person, NameForm form);

private:
    const PersonName& person(int row) const;

    std::shared_ptr<const QVector<PersonName>> m_people;
    QVector<int> m_rows; // indexes into m_people when filtered; empty means every person
    bool m_filtered = false;
    NameForm m_form = NameForm::WithTitle;
    QVector<PickItem> m_leading;
    Index m_index; // over the people, not the leading entries
};

// What a refill does with the list's current choice.
enum class Choice {
    Clear, // the list ends without a choice (search screens reset their criteria)
    Keep, // the same entry is chosen again when it is still there: by identifier,
          // or by text for plain text lists (editing screens never blank a value)
};

// Replaces the combo box's entries. A kept choice comes back without any
// change signal; a choice that is lost is announced once as index -1.
void fillPickList(QComboBox* combo, QVector<PickItem> items, Choice choice = Choice::Clear);

// A plain text list (lookup values): each entry's text is its own value.
void fillTextList(QComboBox* combo, const QStringList& texts, Choice choice = Choice::Clear);

// A person list: every person (or those the filter lets through) in name
// order, after the leading entries. Long lists get settings that keep them
// quick to show: uniform rows in the popup, and a width that does not
// measure every entry.
void fillPeopleList(QComboBox* combo, NameForm form, People which = People::Everyone, Choice choice = Choice::Clear,
    QVector<PickItem> leading = {});
void fillPeopleList(QComboBox* combo, NameForm form, const std::function<bool(const PersonName&)>& filter,
    Choice choice = Choice::Clear, QVector<PickItem> leading = {});

} // namespace pw
