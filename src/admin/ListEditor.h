#pragma once

// The editor of the church's lists: the three kinds of classes, the care
// groups and the responsibilities. One class serves all five windows; each is
// set up by its window name, caption, permission, table and fields, and keeps
// its own control names. The user picks an entry in cmbName to change it, or
// leaves the pick empty (types a new name) to add one, and "Save And Close"
// stores it. Entries are not removed here.

#include "data/Lookups.h"
#include "data/Responsibilities.h"
#include "data/Rows.h"
#include "widgets/EditTracker.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pw::admin {

struct ListField {
    enum class Kind {
        Text, // a text box of at most 50 characters
        Notes, // a text box of many lines
        Person, // every person, "Last, First Middle", after an empty first entry
        SundaySchoolClass, // the Sunday School classes after an empty first entry
    };
    QString control; // the control's object name
    QString label; // in English, as the label's object name comes from it; shown translated
    QString column; // the column of the table it shows
    Kind kind = Kind::Text;
};

struct ListEditorSetup {
    QString windowName;
    QString caption;
    QString permission; // the menu's permission, asked again by every save
    QString what; // "class", "care group", "responsibility": what one entry is called in messages

    // How cmbName chooses the entry: a pick-only list of the table's rows by
    // identifier, or (table empty) an editable list of the responsibilities'
    // names, where the typed name is the entry.
    const rows::Table* table = nullptr;
    std::function<QVector<PickItem>()> choices; // the rows listed in cmbName, with their identifiers
    QString chooserLabel; // "Select" or "Name"

    QVector<ListField> fields;
    // The control whose text names the entry (in the status line and the
    // questions) and that must not be empty when saving.
    QString nameControl;
    QString requiredMessage;
    QStringList typeAhead; // the lists that search as the user types
};

ListEditorSetup classEditor(Lookups::ClassKind kind); // frmSSClassEntry, frmDTClassEntry, frmWedClassEntry
ListEditorSetup careGroupEditor(); // frmCGClassEntry
ListEditorSetup responsibilityEditor(); // frmResponsibilityEntry

class ListEditor : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit ListEditor(ListEditorSetup setup, QWidget* parent = nullptr);
    ~ListEditor() override;

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;

    // Writes the entry with every check and message; true when stored.
    bool save();

private:
    bool typedNames() const { return m_setup.table == nullptr; }
    QWidget* fieldControl(const QString& objectName) const;
    QString recordName() const;

    void build();
    void reloadLists();
    void btnSave_clicked();

    // A pick-only list of rows.
    void cmbName_changed();
    void showRow(qint64 id);
    rows::Values valuesFromScreen() const;
    bool saveRow();

    // The editable list of responsibility names.
    void cmbName_textChanged(const QString& text);
    void showDescription(const QString& description, bool stored);
    bool saveName(const QString& name);

    ListEditorSetup m_setup;
    EditTracker* m_tracker = nullptr;
    QComboBox* m_chooser = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_exit = nullptr;
    QVector<QWidget*> m_controls; // one per field, in m_setup.fields' order

    // The row on screen: its identifier (0: a new one), its values as stored
    // and as the controls showed them after loading.
    qint64 m_shownId = 0;
    rows::Values m_stored;
    rows::Values m_shown;

    // The responsibility on screen as stored (nothing: a new name), the
    // description the last look-up put in the box, and the name shown before
    // the last change, which a question about unsaved changes names.
    std::optional<Responsibilities::Responsibility> m_found;
    QString m_lookedUp;
    QString m_shownName;
    QString m_savingName; // set while the question saves the name shown before a pick
    bool m_quiet = false;
};

} // namespace pw::admin
