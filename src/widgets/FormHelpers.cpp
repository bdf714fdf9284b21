#include "widgets/FormHelpers.h"

#include "widgets/Context.h"
#include "widgets/OptionalDate.h"
#include "widgets/PickList.h"
#include "data/Clock.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace pw {

namespace {

    // The first match from the top wins. The program's pick lists answer
    // from a sorted index; any other list is short and read from the top.
    int firstRowStartingWith(const QComboBox* combo, const QString& prefix)
    {
        const QAbstractItemModel* model = combo->model();
        const QModelIndex root = combo->rootModelIndex();
        const int column = combo->modelColumn();
        if (!root.isValid() && column == 0) {
            if (const auto* people = qobject_cast<const PeopleListModel*>(model))
                return people->firstStartingWith(prefix);
            if (const auto* items = qobject_cast<const PickListModel*>(model))
                return items->firstStartingWith(prefix);
        }
        for (int row = 0, rows = model->rowCount(root); row < rows; ++row) {
            if (model->index(row, column, root)
                    .data(Qt::DisplayRole)
                    .toString()
                    .startsWith(prefix, Qt::CaseInsensitive))
                return row;
        }
        return -1;
    }

    // One filter object serves every widget it is installed on.
    template <typename Filter> Filter* sharedFilter()
    {
        static QPointer<Filter> filter;
        if (!filter)
            filter = new Filter(QCoreApplication::instance());
        return filter;
    }

    // Enter, Escape and Tab carry a character too, yet they belong to the
    // window (its default and cancel buttons, the next box), as on the desktop.
    bool forTypeAhead(int key)
    {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            return true;
        }
    }

    class TypeAheadFilter : public QObject {
    public:
        using QObject::QObject;

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::KeyPress)
                return false;
            const auto* key = static_cast<QKeyEvent*>(event);
            QPointer<QComboBox> combo = qobject_cast<QComboBox*>(watched);
            if (!combo || key->text().isEmpty() || !forTypeAhead(key->key())
                || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
                return false;
            const QString text = key->text();
            for (QChar c : text) {
                if (combo) // the screen's reaction to a choice may have closed it
                    ComboTypeAhead(combo, c);
            }
            return true;
        }
    };

    void selectDisplayedText(QLineEdit* box) { box->setSelection(0, static_cast<int>(box->displayText().size())); }

    class SelectAllFilter : public QObject {
    public:
        using QObject::QObject;

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* box = qobject_cast<QLineEdit*>(watched);
            if (event->type() == QEvent::FocusIn && box) {
                selectDisplayedText(box);
                // The box's own focus handling (a mask moves the cursor) and the mouse press that gave the focus
                // clear the selection after this filter; select again once they are done.
                QTimer::singleShot(0, box, [box] {
                    if (box->hasFocus())
                        selectDisplayedText(box);
                });
            }
            return false;
        }
    };

    class DialogKeys : public QObject {
        Q_OBJECT
    public:
        explicit DialogKeys(QWidget* form)
            : QObject(form)
            , m_form(form)
        {
            form->installEventFilter(this);
        }

        QPointer<QPushButton> defaultButton;
        QPointer<QPushButton> cancelButton;

        // Sees the keys that reached the form, that is, that the focused child did not use.
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() != QEvent::KeyPress)
                return false;
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (!(key->modifiers() == Qt::NoModifier || (enter && key->modifiers() == Qt::KeypadModifier)))
                return false;
            QPushButton* target = nullptr;
            if (enter) {
                auto* focused = qobject_cast<QPushButton*>(m_form->focusWidget());
                target = focused ? focused : defaultButton.data();
            } else if (key->key() == Qt::Key_Escape)
                target = cancelButton;
            if (!target || !target->isEnabled())
                return false;
            target->click();
            return true;
        }

    private:
        QWidget* m_form;
    };

    DialogKeys* dialogKeys(QWidget* form)
    {
        auto* keys = form->findChild<DialogKeys*>(QString(), Qt::FindDirectChildrenOnly);
        return keys ? keys : new DialogKeys(form);
    }

} // namespace

void ComboTypeAhead(QComboBox* combo, QChar key)
{
    if (!combo)
        return;
    TypeAheadState& state = ctx().typeAhead;
    // Whole milliseconds divided by 1000 give the same double as a delay written in seconds,
    // so a pause of exactly the delay counts as reaching it.
    const double elapsed = static_cast<double>(clock().monotonicMs() - state.lastKeyMs) / 1000.0;
    if (static_cast<QObject*>(combo) != state.lastCombo.data() || elapsed >= ctx().settings.keyPressDelay) {
        state.search = QString(key);
        state.lastCombo = combo;
    } else {
        state.search.append(key);
    }

    const int row = firstRowStartingWith(combo, state.search);
    if (row >= 0) {
        // The same signals as a choice made with the mouse, so the screen reacts as it does to the user.
        const QString text = combo->itemText(row);
        QPointer<QComboBox> alive = combo;
        combo->setCurrentIndex(row);
        emit combo->activated(row);
        if (alive)
            emit combo->textActivated(text);
    }
    // Read after the reaction, so that a slow reaction does not eat into the user's pause.
    state.lastKeyMs = clock().monotonicMs();
}

void attachTypeAhead(QComboBox* combo) { combo->installEventFilter(sharedFilter<TypeAheadFilter>()); }

void attachTypeAhead(std::initializer_list<QComboBox*> combos)
{
    for (QComboBox* combo : combos)
        attachTypeAhead(combo);
}

QString FixedWidth(const QString& text, int width)
{
    return text.leftJustified(qMax(width, 0), QLatin1Char(' '), true);
}

void selectAllOnFocus(QLineEdit* box) { box->installEventFilter(sharedFilter<SelectAllFilter>()); }

void selectAllOnFocus(std::initializer_list<QLineEdit*> boxes)
{
    for (QLineEdit* box : boxes)
        selectAllOnFocus(box);
}

void addItemWithId(QComboBox* combo, const QString& text, qint64 id)
{
    combo->addItem(text, QVariant(static_cast<qlonglong>(id)));
}

qint64 selectedId(const QComboBox* combo) { return combo->currentData(Qt::UserRole).toLongLong(); }

bool selectById(QComboBox* combo, qint64 id)
{
    if (const auto* people = qobject_cast<const PeopleListModel*>(combo->model())) {
        const int row = people->rowOf(id);
        if (row >= 0)
            combo->setCurrentIndex(row);
        return row >= 0;
    }
    const QAbstractItemModel* model = combo->model();
    const QModelIndex root = combo->rootModelIndex();
    const int column = combo->modelColumn();
    for (int row = 0, rows = model->rowCount(root); row < rows; ++row) {
        const QVariant data = model->index(row, column, root).data(Qt::UserRole);
        if (data.isValid() && data.toLongLong() == id) {
            combo->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

void bindOptionalDate(QCheckBox* check, QDateEdit* picker)
{
    picker->setCalendarPopup(true);
    picker->setEnabled(check->isChecked());
    QObject::connect(check, &QCheckBox::toggled, picker, &QWidget::setEnabled);
    showDateOnlyWhenSet(check, picker);
}

QDate optionalDate(const QCheckBox* check, const QDateEdit* picker)
{
    return check->isChecked() ? picker->date() : QDate();
}

void setOptionalDate(QCheckBox* check, QDateEdit* picker, const QDate& date)
{
    if (date.isValid())
        picker->setDate(date);
    check->setChecked(date.isValid());
    picker->setEnabled(date.isValid());
}

void limitPopupRows(QComboBox* combo, int rows)
{
    combo->setMaxVisibleItems(rows);
    // Styles that open a list as a menu over the box ignore the row limit;
    // this asks them for a plain scrolling list instead.
    const QString plainList = QStringLiteral("QComboBox { combobox-popup: 0; }");
    if (!combo->styleSheet().contains(plainList))
        combo->setStyleSheet(combo->styleSheet() + plainList);
}

void showAsReadOnly(QLineEdit* box)
{
    box->setReadOnly(true);
    QPalette palette = box->palette();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    box->setPalette(palette);
}

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

void setDefaultButton(QWidget* form, QPushButton* button)
{
    dialogKeys(form)->defaultButton = button;
    button->setDefault(true);
}

void setCancelButton(QWidget* form, QPushButton* button) { dialogKeys(form)->cancelButton = button; }

void setEnterButton(QWidget* part, QPushButton* button) { dialogKeys(part)->defaultButton = button; }

} // namespace pw

#include "FormHelpers.moc"
