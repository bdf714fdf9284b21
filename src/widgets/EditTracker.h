#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

class QWidget;

namespace pw {

// What a screen holding unsaved changes answers when they would be lost.
enum class Leave {
    Go, // nothing was unsaved, or the changes were saved
    Discarded, // the user threw the changes away
    Stay, // the user cancelled, or the save was refused: nothing may be lost
};

// Knows whether an editing screen holds changes the user has not saved, by
// comparing what its controls show with what they showed when the record was
// last loaded or saved (so a change typed and typed back is no change). It
// keeps the window title as "<caption>*" while there are changes, and
// "<caption> (View only)" for a user who may not save ("<caption> (Log in to
// save)" while nobody is logged in), and asks before the
// changes would be lost: picking another record, "New", "Exit", closing the
// window (it watches the close itself), Log Off and File > Exit.
class EditTracker : public QObject {
    Q_OBJECT
public:
    // form: the screen; caption: its title without marks.
    EditTracker(QWidget* form, const QString& caption);

    // Watches every input control under root: text boxes, lists, check
    // boxes, dates, number boxes. Controls named with ignore() are left out.
    void watch(QWidget* root);
    // A control that chooses a record or acts at once (a name list, a frame
    // whose buttons store at once) is no unsaved change.
    void ignore(QWidget* control);
    // More state that counts as a change, e.g. a picture loaded but not saved;
    // stateChanged() tells the tracker that such a state changed.
    void addState(std::function<QVariant()> state);
    void stateChanged() { refresh(); }
    // The record's name for the question ("Save changes to Hale, Helen?");
    // the caption when it gives empty text.
    void setRecordName(std::function<QString()> name);
    // The screen's own save, with all its checks and messages; true when saved.
    void setSave(std::function<bool()> save);

    // The screen now shows a record as stored (after a load, a save, "New").
    void markClean();
    bool isDirty() const;

    void setViewOnly(bool viewOnly);
    bool isViewOnly() const { return m_viewOnly; }
    QString caption() const { return m_caption; }

    // Asks "Save changes to <name>?" when there are unsaved changes: Save
    // runs the screen's save (Stay when it refuses), Discard forgets them,
    // Cancel stays. Without changes it asks nothing.
    Leave confirmLeave();

    // Changes made inside a Quiet scope (loading a record) do not update the
    // title one by one; the scope's end does it once.
    class Quiet {
    public:
        explicit Quiet(EditTracker* tracker);
        ~Quiet();
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        QPointer<EditTracker> m_tracker;
    };

signals:
    void dirtyChanged(bool dirty);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVariantList snapshot() const;
    void refresh();
    void connectControl(QWidget* control);

    QPointer<QWidget> m_form;
    QString m_caption;
    QVector<QPointer<QWidget>> m_controls;
    QVector<QPointer<QWidget>> m_ignored;
    QVector<std::function<QVariant()>> m_states;
    std::function<QString()> m_recordName;
    std::function<bool()> m_save;
    QVariantList m_clean;
    bool m_dirty = false;
    bool m_viewOnly = false;
    int m_quiet = 0;
};

// Shows the control to the user: selects the tab page (and the pages around
// it) that hold it, and puts the focus in it. Used after "All fields in blue
// are required." so the user sees where the first empty field is.
void bringToView(QWidget* control);

// A screen that edits records. The workspace asks it before Log Off and
// File > Exit, and Ctrl+S saves it.
class EditingScreen {
public:
    virtual ~EditingScreen() = default;
    virtual EditTracker* editTracker() = 0;
    // The screen's save with all its checks and messages, keeping the
    // record on screen afterwards.
    virtual void saveKeepingRecord() = 0;
};

} // namespace pw
