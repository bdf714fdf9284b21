#include "app/PickList.h"

#include "app/Context.h"
#include "data/Database.h"
#include "data/Sql.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace pw {

PickListModel::PickListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void PickListModel::setItems(QVector<PickItem> items)
{
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
}

int PickListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant PickListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const PickItem& item = m_items.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return item.text;
    if (role == Qt::UserRole && item.id != 0) // a plain text entry has no identifier
        return QVariant(static_cast<qlonglong>(item.id));
    return {};
}

void fillPickList(QComboBox* combo, QVector<PickItem> items)
{
    auto* model = qobject_cast<PickListModel*>(combo->model());
    if (!model) {
        model = new PickListModel(combo);
        combo->setModel(model);
    }
    // A combo box whose model is reset chooses the first row for a moment.
    // Screens that react to a choice (a name list loads that person) must not
    // see that passing choice, only the end result: no choice.
    const int before = combo->currentIndex();
    {
        const QSignalBlocker quiet(combo);
        model->setItems(std::move(items));
        combo->setCurrentIndex(-1);
    }
    if (before != -1) {
        emit combo->currentIndexChanged(-1);
        emit combo->currentTextChanged(QString());
    }
}

void fillTextList(QComboBox* combo, const QStringList& texts)
{
    QVector<PickItem> items;
    items.reserve(texts.size());
    for (const QString& t : texts)
        items.append({ t, 0 });
    fillPickList(combo, std::move(items));
}

QVector<PickItem> peoplePickList(People which)
{
    const QString where
        = which == People::NotHeadsOfHousehold ? QStringLiteral(" WHERE Head_Of_Household = 0") : QString();
    QSqlQuery q = db().exec(QStringLiteral("SELECT First_Name, Middle_Name, Last_Name, Title, ID FROM Member") + where
        + QStringLiteral(" ORDER BY %1, %2, %3, ID")
              .arg(sql::orderText(QStringLiteral("Last_Name")), sql::orderText(QStringLiteral("First_Name")),
                  sql::orderText(QStringLiteral("Middle_Name"))));
    QVector<PickItem> items;
    while (q.next()) {
        items.append({ personNameWithTitle(sql::toText(q.value(2)), sql::toText(q.value(0)), sql::toText(q.value(1)),
                           sql::toText(q.value(3))),
            sql::toId(q.value(4)) });
    }
    return items;
}

QString personName(const QString& last, const QString& first, const QString& middle)
{
    return last + QStringLiteral(", ") + first + QLatin1Char(' ') + middle;
}

QString personNameWithTitle(const QString& last, const QString& first, const QString& middle, const QString& title)
{
    return personName(last, first, middle) + QLatin1Char(' ') + title;
}

} // namespace pw
