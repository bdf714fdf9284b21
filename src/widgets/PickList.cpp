#include "widgets/PickList.h"

#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/SharedLists.h"

#include <QComboBox>
#include <QListView>
#include <QSignalBlocker>
#include <QThreadPool>
#include <future>

namespace pw {

namespace {

    using PeoplePtr = std::shared_ptr<const QVector<PersonName>>;

    // Sorts the people's texts into a type-ahead index on a worker thread,
    // so that neither the screen being opened nor the first key waits for a
    // million names to be sorted. rows picks the people of a filtered list.
    PeopleListModel::Index indexInBackground(const PeoplePtr& people, const QVector<int>* rows, NameForm form)
    {
        auto promise = std::make_shared<std::promise<std::shared_ptr<const TypeAheadIndex>>>();
        PeopleListModel::Index index = promise->get_future().share();
        // The lists that use the index hold the people while they search it.
        const QVector<PersonName>* list = people.get();
        const QVector<int> picked = rows ? *rows : QVector<int>();
        const int count = rows ? static_cast<int>(rows->size()) : static_cast<int>(people->size());
        auto appendText = [list, picked, filtered = rows != nullptr, form](int i, QString& out) {
            PeopleListModel::appendText(out, list->at(filtered ? picked.at(i) : i), form);
        };
        QThreadPool::globalInstance()->start([promise, people, count, appendText] {
            try {
                promise->set_value(std::make_shared<const TypeAheadIndex>(count, appendText));
            } catch (...) {
                promise->set_exception(std::current_exception());
            }
        });
        return index;
    }

    // The index of every person in one form. The last one made for each form
    // serves every list of the same people: a second screen, or a second
    // list of the same screen, does not sort a million names again.
    PeopleListModel::Index everyoneIndex(const PeoplePtr& people, NameForm form)
    {
        static std::weak_ptr<const QVector<PersonName>> madeFor[2];
        static PeopleListModel::Index made[2];
        const int slot = form == NameForm::WithTitle ? 0 : 1;
        if (!made[slot].valid() || madeFor[slot].lock() != people) {
            made[slot] = indexInBackground(people, nullptr, form);
            madeFor[slot] = people;
        }
        return made[slot];
    }

} // namespace

PickListModel::PickListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void PickListModel::setItems(QVector<PickItem> items)
{
    beginResetModel();
    m_items = std::move(items);
    m_index.reset();
    endResetModel();
}

int PickListModel::firstStartingWith(QStringView prefix) const
{
    if (!m_index)
        m_index = std::make_shared<const TypeAheadIndex>(static_cast<int>(m_items.size()),
            [items = m_items](int row, QString& out) { out.append(items.at(row).text); });
    return m_index->firstStartingWith(prefix);
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

PeopleListModel::PeopleListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void PeopleListModel::setPeople(std::shared_ptr<const QVector<PersonName>> people, NameForm form,
    std::function<bool(const PersonName&)> filter, QVector<PickItem> leading)
{
    beginResetModel();
    m_people = std::move(people);
    m_form = form;
    m_leading = std::move(leading);
    m_rows.clear();
    m_index = {};
    m_filtered = static_cast<bool>(filter);
    if (m_filtered && m_people) {
        for (int i = 0, n = static_cast<int>(m_people->size()); i < n; ++i)
            if (filter(m_people->at(i)))
                m_rows.append(i);
    }
    if (m_people)
        m_index = m_filtered ? indexInBackground(m_people, &m_rows, m_form) : everyoneIndex(m_people, m_form);
    endResetModel();
}

int PeopleListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    const int people = m_filtered ? static_cast<int>(m_rows.size()) : (m_people ? int(m_people->size()) : 0);
    return static_cast<int>(m_leading.size()) + people;
}

const PersonName& PeopleListModel::person(int row) const
{
    const int i = row - static_cast<int>(m_leading.size());
    return m_people->at(m_filtered ? m_rows.at(i) : i);
}

QVariant PeopleListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (index.row() < m_leading.size()) {
        const PickItem& item = m_leading.at(index.row());
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return item.text;
        if (role == Qt::UserRole && item.id != 0)
            return QVariant(static_cast<qlonglong>(item.id));
        return {};
    }
    const PersonName& p = person(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(p, m_form);
    if (role == Qt::UserRole)
        return QVariant(static_cast<qlonglong>(p.id));
    return {};
}

QString PeopleListModel::text(const PersonName& p, NameForm form)
{
    QString out;
    appendText(out, p, form);
    return out;
}

void PeopleListModel::appendText(QString& out, const PersonName& p, NameForm form)
{
    if (form == NameForm::WithTitle)
        appendPersonName(out, p.last, p.first, p.middle, p.title);
    else
        appendPersonName(out, p.last, p.first, p.middle);
}

int PeopleListModel::firstStartingWith(QStringView prefix) const
{
    const int lead = static_cast<int>(m_leading.size());
    for (int row = 0; row < lead; ++row)
        if (m_leading.at(row).text.startsWith(prefix, Qt::CaseInsensitive))
            return row;
    if (!m_people || !m_index.valid())
        return -1;
    const int found = m_index.get()->firstStartingWith(prefix);
    return found < 0 ? -1 : lead + found;
}

int PeopleListModel::rowOf(qint64 id) const
{
    for (int row = 0, n = static_cast<int>(m_leading.size()); row < n; ++row)
        if (m_leading.at(row).id == id && id != 0)
            return row;
    if (!m_people)
        return -1;
    const int lead = static_cast<int>(m_leading.size());
    const int n = m_filtered ? static_cast<int>(m_rows.size()) : static_cast<int>(m_people->size());
    for (int i = 0; i < n; ++i)
        if (m_people->at(m_filtered ? m_rows.at(i) : i).id == id)
            return lead + i;
    return -1;
}

namespace {

    // What a list had chosen before a refill, so the same entry can be chosen again.
    struct Chosen {
        bool any = false;
        QVariant id;
        QString text;
    };

    Chosen chosenOf(const QComboBox* combo)
    {
        Chosen c;
        if (combo->currentIndex() < 0)
            return c;
        c.any = true;
        c.id = combo->currentData(Qt::UserRole);
        c.text = combo->currentText();
        return c;
    }

    int rowOf(const QComboBox* combo, const Chosen& before)
    {
        if (before.id.isValid()) {
            if (const auto* people = qobject_cast<const PeopleListModel*>(combo->model()))
                return people->rowOf(before.id.toLongLong());
            const QAbstractItemModel* model = combo->model();
            for (int row = 0, n = model->rowCount(); row < n; ++row)
                if (model->index(row, 0).data(Qt::UserRole) == before.id)
                    return row;
            return -1;
        }
        return combo->findText(before.text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }

    // Runs the refill with the combo box quiet: a model reset chooses the
    // first row for a moment, and screens that react to a choice (a name
    // list loads that person) must see only the end result.
    template <class Refill> void refill(QComboBox* combo, Choice choice, Refill&& work)
    {
        const Chosen before = chosenOf(combo);
        int after = -1;
        {
            const QSignalBlocker quiet(combo);
            work();
            if (choice == Choice::Keep && before.any)
                after = rowOf(combo, before);
            combo->setCurrentIndex(after);
        }
        if (before.any && after < 0) {
            emit combo->currentIndexChanged(-1);
            emit combo->currentTextChanged(QString());
        }
    }

    std::shared_ptr<const QVector<PersonName>> everyone()
    {
        if (SharedLists* lists = sharedLists())
            return lists->people();
        return std::make_shared<const QVector<PersonName>>(Lookups::people(db()));
    }

} // namespace

void fillPickList(QComboBox* combo, QVector<PickItem> items, Choice choice)
{
    auto* model = qobject_cast<PickListModel*>(combo->model());
    if (!model) {
        const QSignalBlocker quiet(combo);
        model = new PickListModel(combo);
        combo->setModel(model);
    }
    refill(combo, choice, [&] { model->setItems(std::move(items)); });
}

void fillTextList(QComboBox* combo, const QStringList& texts, Choice choice)
{
    QVector<PickItem> items;
    items.reserve(texts.size());
    for (const QString& t : texts)
        items.append({ t, 0 });
    fillPickList(combo, std::move(items), choice);
}

void fillPeopleList(QComboBox* combo, NameForm form, const std::function<bool(const PersonName&)>& filter,
    Choice choice, QVector<PickItem> leading)
{
    auto* model = qobject_cast<PeopleListModel*>(combo->model());
    if (!model) {
        const QSignalBlocker quiet(combo);
        model = new PeopleListModel(combo);
        combo->setModel(model);
        // Measuring every name for the width, or every row of the popup,
        // would cost more than reading the people.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(qMax(combo->minimumContentsLength(), 24));
        if (auto* view = qobject_cast<QListView*>(combo->view()))
            view->setUniformItemSizes(true);
        limitPopupRows(combo, 20);
    }
    std::shared_ptr<const QVector<PersonName>> people = everyone();
    refill(combo, choice, [&] { model->setPeople(std::move(people), form, filter, std::move(leading)); });
}

void fillPeopleList(QComboBox* combo, NameForm form, People which, Choice choice, QVector<PickItem> leading)
{
    std::function<bool(const PersonName&)> filter;
    if (which == People::NotHeadsOfHousehold)
        filter = [](const PersonName& p) { return !p.headOfHousehold; };
    fillPeopleList(combo, form, filter, choice, std::move(leading));
}

} // namespace pw
