#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QVector>

class QComboBox;
class QSqlQuery;

namespace pw {

// One entry of a pick list that stands for a row of another table: the text
// shown and the row's identifier (the item's Qt::UserRole data).
struct PickItem {
    QString text;
    qint64 id = 0;
};

// A plain list model for pick lists. A combo box over it is filled with one
// reset instead of one insertion per item, which keeps lists of 100,000
// people quick to fill.
class PickListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PickListModel(QObject* parent = nullptr);
    void setItems(QVector<PickItem> items);
    const QVector<PickItem>& items() const { return m_items; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QVector<PickItem> m_items;
};

// Replaces the combo box's entries with these, leaving it without a choice.
void fillPickList(QComboBox* combo, QVector<PickItem> items);

// A plain text list (lookup values): each entry's text is its own value.
void fillTextList(QComboBox* combo, const QStringList& texts);

// Every person, or every person who is not a head of household, as the
// person pick lists show them (personNameWithTitle), ordered by last, first
// and middle name, then identifier.
enum class People { Everyone, NotHeadsOfHousehold };
QVector<PickItem> peoplePickList(People which = People::Everyone);

// A person as pick lists show them: last name, ", ", first name, " ", middle
// name, exactly so joined (an empty middle name leaves the trailing blank).
QString personName(const QString& last, const QString& first, const QString& middle);
// The same followed by " " and the title, as the member screen and the report
// launchers show people.
QString personNameWithTitle(const QString& last, const QString& first, const QString& middle, const QString& title);

} // namespace pw
