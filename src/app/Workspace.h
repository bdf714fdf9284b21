#pragma once

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

namespace pw {

class SharedLists;
class EditingScreen;

// Owns the main window's MDI area and the screens in it. Screens are opened by
// their window name through factories registered at start-up, so the main
// window never needs to know the screen classes. Open screens announce
// changes through the signals instead of calling each other.
class Workspace : public QObject {
    Q_OBJECT
public:
    enum class Placement { TopLeft, Centred, LoginPosition };
    using Factory = std::function<QWidget*()>;

    explicit Workspace(QMdiArea* area, QObject* parent = nullptr);

    QMdiArea* area() const { return m_area; }

    // The lists several screens show, kept fresh through the signals below.
    SharedLists* lists() const { return m_lists; }

    // A screen opened by its window name: who may open it (any one of the
    // permissions will do; none means everybody), the refusal shown under
    // "Invalid Permission" otherwise, how it is made and where it is placed.
    struct ScreenEntry {
        QString windowName;
        QStringList permissions;
        QString refusal;
        Factory factory;
        Placement placement = Placement::TopLeft;
    };

    // Each folder registers its screens at start-up; a later entry of the
    // same name replaces the earlier one.
    void registerScreen(ScreenEntry entry);
    bool hasScreen(const QString& windowName) const { return m_screens.contains(windowName); }

    // Asks the screen's permission test; shows its refusal and returns false
    // when the logged-in user holds none of its permissions.
    bool mayOpen(const QString& windowName) const;

    // After the permission test: the open window of that name, or a new one.
    // An open window is returned unchanged: not reloaded and not brought to
    // the front. Returns nullptr when refused or when no screen of that name
    // is registered. The menu and screens that open other screens use this.
    QWidget* open(const QString& windowName);
    // The same without the permission test, for start-up's own windows.
    QWidget* openWithoutTest(const QString& windowName);
    QWidget* find(const QString& windowName) const;

    template <class T> T* find() const
    {
        for (QMdiSubWindow* sub : m_area->subWindowList())
            if (T* w = qobject_cast<T*>(sub->widget()); w && !sub->isHidden())
                return w;
        return nullptr;
    }

    // Opens T, registered or not; the window name is T's object name.
    template <class T> T* open(Placement placement = Placement::TopLeft)
    {
        if (T* w = find<T>())
            return w;
        T* w = new T();
        add(w, placement);
        return w;
    }

    // Puts a new screen into the area as a child window without maximise and
    // minimise buttons, placed as asked, and shows it.
    QMdiSubWindow* add(QWidget* screen, Placement placement = Placement::TopLeft);

    // Window sizes: a window opens as large as its content asks (its grids'
    // columns included) as far as the area has room, or where and how large
    // the logged-in user last left it. Each window's place is kept per user
    // when it closes and when the program ends.
    void rememberPlaces();
    // After a screen filled its grids (a search): a window still at the size
    // it opened at grows as far as the area has room until its grids show
    // every column. A window the user sized, or that opened where the user
    // left it, stays as it is.
    void fitToContent(QWidget* screen);
    // Window > "Reset Window Sizes": the user's kept places are forgotten and
    // every open window goes back to the size and place it first opens at.
    void resetPlaces();

    // Before Log Off and File > Exit: asks every screen that holds unsaved
    // changes, bringing each to the front in turn. False when the user
    // cancelled (or a save was refused): nothing may happen then. With
    // closeDiscarded, a screen whose changes were thrown away is closed.
    bool confirmLeaveAll(bool closeDiscarded);

    // Asks as confirmLeaveAll(), then closes every child window. False when
    // the user stayed or a window would not close.
    bool closeAll();

    // The editing screen in the active window, or nullptr.
    EditingScreen* activeEditingScreen() const;

signals:
    // The last completed action, for the status bar ("Saved Hale, Helen.").
    void statusChanged(const QString& text);
    void lookupsChanged(); // a class, care group, responsibility or phase was saved
    void membersChanged(); // a person was saved or a responsibility changed
    void contactSaved(qint64 prospectId);
    void personOpened(qint64 memberId); // the member screen showed a person (see RecentPeople)
    void churchChanged();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The size and place a window opens at when nothing is kept for it.
    void placeAsNew(QMdiSubWindow* sub, Placement placement);
    // The user's kept place of this window; false when none is kept.
    bool placeAsKept(QMdiSubWindow* sub);
    void rememberPlace(QMdiSubWindow* sub);

    QMdiArea* m_area;
    SharedLists* m_lists;
    QHash<QString, ScreenEntry> m_screens;
};

// Shows the last completed action in the main window's status bar.
void showStatus(const QString& text);

// Closes a screen's child window (the screen itself when it has none).
void closeScreen(QWidget* screen);

// The workspace of the running program, or nullptr before start-up made one.
Workspace* workspace();

// Makes w the running program's workspace: the context's workspace and the
// lists it shares with every screen (nullptr: none).
void setWorkspace(Workspace* w);

} // namespace pw
