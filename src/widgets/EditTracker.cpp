#include "widgets/EditTracker.h"

#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

namespace pw {

namespace {

    bool isInput(QWidget* w)
    {
        return qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)
            || qobject_cast<QComboBox*>(w) || (qobject_cast<QAbstractButton*>(w) && w->inherits("QCheckBox"))
            || qobject_cast<QDateTimeEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QListWidget*>(w);
    }

    QVariant valueOf(QWidget* w)
    {
        if (auto* box = qobject_cast<QLineEdit*>(w))
            return box->text();
        if (auto* box = qobject_cast<QPlainTextEdit*>(w))
            return box->toPlainText();
        if (auto* box = qobject_cast<QTextEdit*>(w))
            return box->toPlainText();
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            if (list->currentIndex() < 0)
                return QVariant();
            const QVariant id = list->currentData(Qt::UserRole);
            return id.isValid() ? id : QVariant(list->currentText());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return button->isChecked();
        if (auto* date = qobject_cast<QDateTimeEdit*>(w))
            return date->dateTime();
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            return spin->value();
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
            return spin->value();
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            QStringList texts;
            for (int i = 0; i < list->count(); ++i)
                texts.append(list->item(i)->text());
            return texts;
        }
        return QVariant();
    }

} // namespace

EditTracker::EditTracker(QWidget* form, const QString& caption)
    : QObject(form)
    , m_form(form)
    , m_caption(caption)
{
    form->installEventFilter(this);
    form->setWindowTitle(caption);
}

void EditTracker::watch(QWidget* root)
{
    QList<QWidget*> candidates = root->findChildren<QWidget*>();
    candidates.prepend(root);
    for (QWidget* w : candidates) {
        // The editor inside a list or a date box belongs to that control.
        const bool innerEditor = qobject_cast<QLineEdit*>(w)
            && (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()));
        if (!isInput(w) || innerEditor)
            continue;
        if (m_controls.contains(w))
            continue;
        m_controls.append(w);
        connectControl(w);
    }
    markClean();
}

void EditTracker::ignore(QWidget* control)
{
    m_ignored.append(control);
    if (control)
        for (QWidget* inner : control->findChildren<QWidget*>())
            m_ignored.append(inner);
    markClean();
}

void EditTracker::addState(std::function<QVariant()> state)
{
    m_states.append(std::move(state));
    markClean();
}

void EditTracker::setRecordName(std::function<QString()> name) { m_recordName = std::move(name); }

void EditTracker::setSave(std::function<bool()> save) { m_save = std::move(save); }

void EditTracker::connectControl(QWidget* w)
{
    auto changed = [this] { refresh(); };
    if (auto* box = qobject_cast<QLineEdit*>(w))
        connect(box, &QLineEdit::textChanged, this, changed);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(w))
        connect(box, &QPlainTextEdit::textChanged, this, changed);
    else if (auto* box = qobject_cast<QTextEdit*>(w))
        connect(box, &QTextEdit::textChanged, this, changed);
    else if (auto* list = qobject_cast<QComboBox*>(w))
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, changed);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        connect(button, &QAbstractButton::toggled, this, changed);
    else if (auto* date = qobject_cast<QDateTimeEdit*>(w))
        connect(date, &QDateTimeEdit::dateTimeChanged, this, changed);
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, changed);
    else if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
        connect(spin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, changed);
    else if (auto* list = qobject_cast<QListWidget*>(w)) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, changed);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, changed);
    }
}

QVariantList EditTracker::snapshot() const
{
    QVariantList values;
    values.reserve(m_controls.size() + m_states.size());
    for (const QPointer<QWidget>& w : m_controls) {
        if (!w || m_ignored.contains(w))
            values.append(QVariant());
        else
            values.append(valueOf(w));
    }
    for (const auto& state : m_states)
        values.append(state());
    return values;
}

void EditTracker::markClean()
{
    m_clean = snapshot();
    refresh();
}

bool EditTracker::isDirty() const { return snapshot() != m_clean; }

void EditTracker::setViewOnly(bool viewOnly)
{
    m_viewOnly = viewOnly;
    refresh();
}

void EditTracker::refresh()
{
    if (m_quiet > 0 || !m_form)
        return;
    const bool dirty = isDirty();
    QString title = m_caption;
    if (dirty)
        title += QLatin1Char('*');
    // Before anyone has logged in (the Setup window a new church opens with)
    // nothing may be saved yet, but a login may change that.
    if (m_viewOnly)
        title += ctx().user.username.isEmpty() ? tr(" (Log in to save)") : tr(" (View only)");
    if (m_form->windowTitle() != title)
        m_form->setWindowTitle(title);
    if (dirty != m_dirty) {
        m_dirty = dirty;
        emit dirtyChanged(dirty);
    }
}

Leave EditTracker::confirmLeave()
{
    if (!isDirty())
        return Leave::Go;
    QString name = m_recordName ? m_recordName() : QString();
    if (name.trimmed().isEmpty())
        name = m_caption;
    switch (askToSaveChanges(name)) {
    case SaveChoice::Save:
        return m_save && m_save() ? Leave::Go : Leave::Stay;
    case SaveChoice::Discard:
        markClean();
        return Leave::Discarded;
    case SaveChoice::Cancel:
        break;
    }
    return Leave::Stay;
}

bool EditTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form && event->type() == QEvent::Close) {
        if (confirmLeave() == Leave::Stay) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void bringToView(QWidget* control)
{
    if (!control)
        return;
    // From the control outwards, every tab page on the way is made current.
    for (QWidget* w = control; w && w->parentWidget(); w = w->parentWidget()) {
        QWidget* stack = w->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr)) {
            const int index = tabs->indexOf(w);
            if (index >= 0)
                tabs->setCurrentIndex(index);
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}

EditTracker::Quiet::Quiet(EditTracker* tracker)
    : m_tracker(tracker)
{
    if (m_tracker)
        ++m_tracker->m_quiet;
}

EditTracker::Quiet::~Quiet()
{
    if (m_tracker && --m_tracker->m_quiet == 0)
        m_tracker->refresh();
}

} // namespace pw
