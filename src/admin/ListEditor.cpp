#include "admin/ListEditor.h"

#include "admin/AdminRules.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/CareGroups.h"
#include "data/Classes.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pw::admin {

namespace {

    using Kind = ListField::Kind;

    // Text boxes take at most 50 characters, as the columns behind them.
    constexpr int kTextLength = 50;

    SharedLists::List listOf(Lookups::ClassKind kind)
    {
        switch (kind) {
        case Lookups::ClassKind::SundaySchool:
            return SharedLists::List::SundaySchoolClasses;
        case Lookups::ClassKind::DiscipleshipTraining:
            return SharedLists::List::DiscipleshipClasses;
        case Lookups::ClassKind::WednesdayNight:
            break;
        }
        return SharedLists::List::WednesdayClasses;
    }

    // "Asst. Teacher" gives lblAsstTeacher.
    QString labelName(const QString& caption)
    {
        QString name = QStringLiteral("lbl");
        for (const QChar c : caption)
            if (c.isLetterOrNumber())
                name.append(c);
        return name;
    }

    // The empty entry before the people and the classes: choosing it stores no link.
    QVector<PickItem> emptyEntry() { return { PickItem { QString(), 0 } }; }

} // namespace

ListEditorSetup classEditor(Lookups::ClassKind kind)
{
    ListEditorSetup s;
    switch (kind) {
    case Lookups::ClassKind::SundaySchool:
        s.windowName = QStringLiteral("frmSSClassEntry");
        s.caption = ListEditor::tr("Sunday School Class Entry/Edit");
        s.permission = perm::SSClassEntry;
        break;
    case Lookups::ClassKind::DiscipleshipTraining:
        s.windowName = QStringLiteral("frmDTClassEntry");
        s.caption = ListEditor::tr("Discipleship Training Class Entry/Edit");
        s.permission = perm::DTClassEntry;
        break;
    case Lookups::ClassKind::WednesdayNight:
        s.windowName = QStringLiteral("frmWedClassEntry");
        s.caption = ListEditor::tr("Wednesday Night Class Entry/Edit");
        s.permission = perm::WedClassEntry;
        break;
    }
    s.what = ListEditor::tr("class");
    s.table = &Classes::table(kind);
    s.choices = [kind] { return listItems(listOf(kind)); };
    s.chooserLabel = QT_TRANSLATE_NOOP("ListEditor", "Select");
    s.fields = {
        { QStringLiteral("txtName"), QT_TRANSLATE_NOOP("ListEditor", "Name"), QStringLiteral("Name"), Kind::Text },
        { QStringLiteral("txtDescription"), QT_TRANSLATE_NOOP("ListEditor", "Desc."), QStringLiteral("Description"),
            Kind::Text },
        { QStringLiteral("cmbTeacher"), QT_TRANSLATE_NOOP("ListEditor", "Teacher"), QStringLiteral("Teacher"),
            Kind::Person },
        { QStringLiteral("cmbAsstTeacher"), QT_TRANSLATE_NOOP("ListEditor", "Asst. Teacher"),
            QStringLiteral("Asst_Teacher"), Kind::Person },
        { QStringLiteral("txtLocation"), QT_TRANSLATE_NOOP("ListEditor", "Location"), QStringLiteral("Location"),
            Kind::Text },
        { QStringLiteral("txtNotes"), QT_TRANSLATE_NOOP("ListEditor", "Notes"), QStringLiteral("Notes"), Kind::Notes },
    };
    s.nameControl = QStringLiteral("txtName");
    s.requiredMessage = ListEditor::tr("Name is Required.");
    s.typeAhead = { QStringLiteral("cmbName"), QStringLiteral("cmbTeacher"), QStringLiteral("cmbAsstTeacher") };
    return s;
}

ListEditorSetup careGroupEditor()
{
    ListEditorSetup s;
    s.windowName = QStringLiteral("frmCGClassEntry");
    s.caption = ListEditor::tr("Care Group Entry/Edit");
    s.permission = perm::CareGroupEntry;
    s.what = ListEditor::tr("care group");
    s.table = &CareGroups::table();
    s.choices = [] { return listItems(SharedLists::List::CareGroups); };
    s.chooserLabel = QT_TRANSLATE_NOOP("ListEditor", "Select");
    s.fields = {
        { QStringLiteral("cmbTeacher"), QT_TRANSLATE_NOOP("ListEditor", "Leader"), QStringLiteral("Group_Leader"),
            Kind::Person },
        { QStringLiteral("cmbAsstTeacher"), QT_TRANSLATE_NOOP("ListEditor", "Asst. Leader"),
            QStringLiteral("Asst_Group_Leader"), Kind::Person },
        { QStringLiteral("cmbSSClass"), QT_TRANSLATE_NOOP("ListEditor", "SS Class"),
            QStringLiteral("Sunday_School_Class"), Kind::SundaySchoolClass },
        { QStringLiteral("txtNotes"), QT_TRANSLATE_NOOP("ListEditor", "Notes"), QStringLiteral("Notes"), Kind::Notes },
    };
    s.nameControl = QStringLiteral("cmbTeacher");
    s.requiredMessage = ListEditor::tr("Leader is Required.");
    s.typeAhead = { QStringLiteral("cmbName"), QStringLiteral("cmbTeacher"), QStringLiteral("cmbAsstTeacher"),
        QStringLiteral("cmbSSClass") };
    return s;
}

ListEditorSetup responsibilityEditor()
{
    ListEditorSetup s;
    s.windowName = QStringLiteral("frmResponsibilityEntry");
    s.caption = ListEditor::tr("Church Responsibility Entry/Edit");
    s.permission = perm::ResponsibilityEntry;
    s.what = ListEditor::tr("responsibility");
    s.chooserLabel = QT_TRANSLATE_NOOP("ListEditor", "Name");
    s.fields = {
        { QStringLiteral("txtDescription"), QT_TRANSLATE_NOOP("ListEditor", "Desc."), QStringLiteral("Description"),
            Kind::Text },
    };
    s.nameControl = QStringLiteral("cmbName");
    s.requiredMessage = ListEditor::tr("Name is Required.");
    return s;
}

ListEditor::ListEditor(ListEditorSetup setup, QWidget* parent)
    : QWidget(parent)
    , m_setup(std::move(setup))
{
    setObjectName(m_setup.windowName);
    build();
    m_tracker = new EditTracker(this, m_setup.caption);
    m_tracker->watch(this);
    m_tracker->ignore(m_chooser);
    m_tracker->setRecordName([this] { return recordName(); });
    m_tracker->setSave([this] { return save(); });
    if (typedNames()) {
        // A name typed but not stored, or stored in another spelling, is a
        // change. The name as last handled: while a change is handled, the
        // question before it is about the name shown before.
        m_tracker->addState([this] {
            const QString name = m_shownName.trimmed();
            return QVariant(m_found ? name != m_found->name : !name.isEmpty());
        });
    }

    connect(m_save, &QPushButton::clicked, this, [this] { guarded([this] { btnSave_clicked(); }); });
    connect(m_exit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    if (typedNames()) {
        connect(m_chooser, &QComboBox::editTextChanged, this,
            [this](const QString& text) { guarded([this, text] { cmbName_textChanged(text); }); });
    } else {
        connect(m_chooser, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { guarded([this] { cmbName_changed(); }); });
    }
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { reloadLists(); }); });
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { reloadLists(); }); });
    }

    guarded([this] {
        BusyCursor busy;
        EditTracker::Quiet quiet(m_tracker);
        m_quiet = true;
        reloadLists();
        m_chooser->setCurrentIndex(-1);
        if (typedNames())
            m_chooser->setEditText(QString());
        for (QWidget* control : m_controls)
            if (auto* combo = qobject_cast<QComboBox*>(control))
                combo->setCurrentIndex(0);
        m_quiet = false;
        m_shown = valuesFromScreen();
        m_tracker->markClean();
    });
    followPermission(this, m_tracker, m_setup.permission);
    setFocusProxy(m_chooser);
}

ListEditor::~ListEditor() = default;

void ListEditor::build()
{
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);

    auto addRow = [&](const QString& caption, QWidget* control) {
        const int row = grid->rowCount();
        // The caption is kept in English for the label's object name.
        auto* label = new QLabel(QCoreApplication::translate("ListEditor", caption.toUtf8().constData()), this);
        label->setObjectName(labelName(caption));
        label->setBuddy(control);
        grid->addWidget(label, row, 0, qobject_cast<QPlainTextEdit*>(control) ? Qt::AlignTop : Qt::AlignVCenter);
        grid->addWidget(control, row, 1);
    };

    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("cmbName"));
    if (typedNames()) {
        m_chooser->setEditable(true);
        // No completion: the description shows once the whole name is typed.
        m_chooser->setCompleter(nullptr);
        m_chooser->setInsertPolicy(QComboBox::NoInsert);
        m_chooser->lineEdit()->setMaxLength(kTextLength);
    }
    addRow(m_setup.chooserLabel, m_chooser);

    for (const ListField& field : m_setup.fields) {
        QWidget* control = nullptr;
        switch (field.kind) {
        case Kind::Text: {
            auto* box = new QLineEdit(this);
            box->setMaxLength(kTextLength);
            control = box;
            break;
        }
        case Kind::Notes: {
            auto* box = new QPlainTextEdit(this);
            box->setTabChangesFocus(true);
            box->setMinimumHeight(90);
            control = box;
            break;
        }
        case Kind::Person:
        case Kind::SundaySchoolClass:
            control = new QComboBox(this);
            break;
        }
        control->setObjectName(field.control);
        control->setMinimumWidth(320);
        m_controls.append(control);
        addRow(field.label, control);
    }
    // Long lists (every person, a large church's classes and groups): a
    // width that does not measure every entry, and a popup of 20 rows.
    for (auto* combo : findChildren<QComboBox*>()) {
        combo->setMaxVisibleItems(20);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(30);
    }
    for (const QString& name : m_setup.typeAhead)
        if (auto* combo = qobject_cast<QComboBox*>(fieldControl(name)))
            attachTypeAhead(combo);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_save = new QPushButton(tr("Save And Close"), this);
    m_save->setObjectName(QStringLiteral("btnSave"));
    m_exit = new QPushButton(tr("Exit"), this);
    m_exit->setObjectName(QStringLiteral("btnExit"));
    buttons->addWidget(m_save);
    buttons->addWidget(m_exit);
    outer->addLayout(buttons);
    setCancelButton(this, m_exit);
}

QWidget* ListEditor::fieldControl(const QString& objectName) const
{
    if (objectName == m_chooser->objectName())
        return m_chooser;
    for (QWidget* control : m_controls)
        if (control->objectName() == objectName)
            return control;
    return nullptr;
}

QString ListEditor::recordName() const
{
    if (typedNames() && !m_savingName.isNull())
        return m_savingName.trimmed();
    QWidget* control = fieldControl(m_setup.nameControl);
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box->text().trimmed();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText().trimmed();
    return QString();
}

void ListEditor::reloadLists()
{
    BusyCursor busy;
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    if (typedNames()) {
        // Refilling an editable list would replace the typed name.
        const QString typed = m_chooser->currentText();
        fillTextList(m_chooser, listTexts(SharedLists::List::ResponsibilityNames), Choice::Clear);
        const QSignalBlocker quiet(m_chooser);
        m_chooser->setEditText(typed);
    } else {
        fillPickList(m_chooser, m_setup.choices(), Choice::Keep);
    }
    for (int i = 0; i < m_setup.fields.size(); ++i) {
        auto* combo = qobject_cast<QComboBox*>(m_controls.at(i));
        if (m_setup.fields.at(i).kind == Kind::Person)
            fillPeopleList(combo, NameForm::WithoutTitle, People::Everyone, Choice::Keep, emptyEntry());
        else if (m_setup.fields.at(i).kind == Kind::SundaySchoolClass)
            fillPickList(combo, emptyEntry() + listItems(SharedLists::List::SundaySchoolClasses), Choice::Keep);
    }
    m_quiet = wasQuiet;
}

void ListEditor::btnSave_clicked()
{
    if (save())
        closeScreen(this);
}

void ListEditor::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool ListEditor::save()
{
    if (!requireSavePermission(*m_tracker, m_setup.permission))
        return false;
    const QString name = recordName();
    if (name.isEmpty()) {
        messages().show(m_setup.requiredMessage, tr("Required Fields"));
        bringToView(fieldControl(m_setup.nameControl));
        return false;
    }
    return typedNames() ? saveName(name) : saveRow();
}

// The pick-only list of rows.

void ListEditor::cmbName_changed()
{
    if (m_quiet || m_chooser->currentIndex() < 0)
        return;
    const qint64 picked = selectedId(m_chooser);
    if (picked == m_shownId)
        return;
    if (m_tracker->confirmLeave() == Leave::Stay) {
        const QSignalBlocker quiet(m_chooser);
        if (m_shownId <= 0 || !selectById(m_chooser, m_shownId))
            m_chooser->setCurrentIndex(-1);
        return;
    }
    {
        // A save on the way chose the saved entry again.
        const QSignalBlocker quiet(m_chooser);
        selectById(m_chooser, picked);
    }
    showRow(picked);
}

void ListEditor::showRow(qint64 id)
{
    std::optional<rows::Values> values;
    {
        BusyCursor busy;
        values = rows::load(db(), *m_setup.table, id);
    }
    if (!values) {
        messages().show(tr("This %1 no longer exists in the database.").arg(m_setup.what), QStringLiteral("Pewlark"));
        if (SharedLists* lists = sharedLists())
            lists->lookupsChanged();
        reloadLists();
        const QSignalBlocker quiet(m_chooser);
        if (m_shownId <= 0 || !selectById(m_chooser, m_shownId))
            m_chooser->setCurrentIndex(-1);
        return;
    }
    EditTracker::Quiet quiet(m_tracker);
    for (int i = 0; i < m_setup.fields.size(); ++i) {
        const ListField& field = m_setup.fields.at(i);
        const QVariant value = values->value(field.column);
        QWidget* control = m_controls.at(i);
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            box->setText(sql::toText(value));
        } else if (auto* notes = qobject_cast<QPlainTextEdit*>(control)) {
            notes->setPlainText(sql::toText(value));
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            // No link (or a person or class no longer listed) shows the empty entry.
            const qint64 link = sql::toId(value);
            if (link <= 0 || !selectById(combo, link))
                combo->setCurrentIndex(0);
        }
    }
    m_shownId = id;
    m_stored = *values;
    m_shown = valuesFromScreen();
    m_tracker->markClean();
}

rows::Values ListEditor::valuesFromScreen() const
{
    rows::Values values;
    for (int i = 0; i < m_setup.fields.size(); ++i) {
        const QString& column = m_setup.fields.at(i).column;
        QWidget* control = m_controls.at(i);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            values.insert(column, box->text());
        else if (auto* notes = qobject_cast<QPlainTextEdit*>(control))
            values.insert(column, notes->toPlainText());
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            values.insert(column, sql::id(selectedId(combo)));
    }
    return values;
}

bool ListEditor::saveRow()
{
    qint64 id = m_shownId;
    // A link the screen could not show (a person no longer listed) stays as
    // stored unless the user chose another.
    const rows::Values mine = id > 0 ? rows::edited(m_stored, m_shown, valuesFromScreen()) : valuesFromScreen();
    if (id > 0) {
        rows::Outcome outcome;
        const bool answered = saveAskingOnConflict([&](rows::OnConflict how) {
            outcome = rows::saveEdited(db(), *m_setup.table, id, m_stored, mine, how);
            if (outcome.result != rows::Outcome::Result::Conflicts)
                return QString();
            return conflictQuestion(m_setup.what, conflictFields(outcome.conflicts, [this](const QString& column) {
                for (const ListField& f : m_setup.fields)
                    if (f.column == column)
                        return QCoreApplication::translate("ListEditor", f.label.toUtf8().constData());
                return column;
            }));
        });
        if (!answered)
            return false;
        if (outcome.result == rows::Outcome::Result::Gone) {
            messages().show(
                tr("This %1 no longer exists in the database, so the changes could not be saved.").arg(m_setup.what),
                QStringLiteral("Pewlark"));
            return false;
        }
    } else {
        BusyCursor busy;
        id = rows::insert(db(), *m_setup.table, mine);
    }

    const QString name = recordName();
    // Announced first: the shared lists are read afresh, and every open
    // screen (the member screen, this one) refills its lists.
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
    else
        reloadLists();
    {
        const QSignalBlocker quiet(m_chooser);
        selectById(m_chooser, id);
    }
    showRow(id);
    showStatus(tr("Saved %1.").arg(name));
    return true;
}

// The editable list of responsibility names.

void ListEditor::cmbName_textChanged(const QString& text)
{
    if (m_quiet)
        return;
    // Typing marks the box as modified; choosing an entry from the list sets
    // its text and does not.
    const bool picked = !m_chooser->lineEdit()->isModified();
    bool replace = false;
    if (picked && m_tracker->isDirty() && sql::compareText(text.trimmed(), m_shownName.trimmed()) != 0) {
        // The question and its save are about the name shown before the pick.
        m_savingName = m_shownName;
        const Leave answer = m_tracker->confirmLeave();
        m_savingName = QString();
        if (answer == Leave::Stay) {
            m_quiet = true;
            {
                const QSignalBlocker quiet(m_chooser);
                m_chooser->setCurrentIndex(-1);
                m_chooser->setEditText(m_shownName);
            }
            m_quiet = false;
            return;
        }
        replace = true;
    }
    m_shownName = text;
    const QString name = text.trimmed();
    if (!name.isEmpty()) {
        m_found = Responsibilities::find(db(), name);
        // A description the user typed stays whatever name is typed; one the
        // last look-up showed follows the name.
        auto* description = qobject_cast<QLineEdit*>(fieldControl(QStringLiteral("txtDescription")));
        const bool typed = !replace && description->text() != m_lookedUp;
        if (!typed)
            showDescription(m_found ? m_found->description : QString(), m_found && m_found->name == name);
    }
}

void ListEditor::showDescription(const QString& text, bool stored)
{
    auto* description = qobject_cast<QLineEdit*>(fieldControl(QStringLiteral("txtDescription")));
    EditTracker::Quiet quiet(m_tracker);
    description->setText(text);
    m_lookedUp = text;
    if (stored)
        m_tracker->markClean();
}

bool ListEditor::saveName(const QString& name)
{
    auto* description = qobject_cast<QLineEdit*>(fieldControl(QStringLiteral("txtDescription")));
    const Responsibilities::Responsibility typed { name, description->text() };
    const bool saved = saveAskingOnConflict([&](rows::OnConflict how) {
        const Responsibilities::ListSave result = Responsibilities::save(db(), typed, m_found, how);
        if (result.result != Responsibilities::ListSave::Result::Conflicts)
            return QString();
        return conflictQuestion(m_setup.what, conflictFields(result.conflicts, [](const QString& column) {
            return column == QLatin1String("Description") ? tr("Desc.") : column;
        }));
    });
    if (!saved)
        return false;
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
    else
        reloadLists();
    if (m_savingName.isNull()) {
        // The screen shows the responsibility as now stored.
        m_found = Responsibilities::find(db(), typed.name);
        m_quiet = true;
        {
            const QSignalBlocker quiet(m_chooser);
            m_chooser->setEditText(m_found ? m_found->name : typed.name);
        }
        m_quiet = false;
        m_shownName = m_chooser->currentText();
        showDescription(m_found ? m_found->description : typed.description, true);
    }
    showStatus(tr("Saved %1.").arg(typed.name));
    return true;
}

} // namespace pw::admin
