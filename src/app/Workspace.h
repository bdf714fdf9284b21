#pragma once

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <functional>

namespace pw {

class SharedLists;

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

    void registerScreen(const QString& windowName, Factory factory, Placement placement = Placement::TopLeft);
    bool hasScreen(const QString& windowName) const { return m_factories.contains(windowName); }

    // The open window of that name, or a new one. An open window is returned
    // unchanged: not reloaded and not brought to the front. Returns nullptr
    // when no screen of that name is registered.
    QWidget* open(const QString& windowName);
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

signals:
    void lookupsChanged(); // a class, care group, responsibility or phase was saved
    void membersChanged(); // a person was saved or a responsibility changed
    void contactSaved(qint64 prospectId);
    void churchChanged();

private:
    QMdiArea* m_area;
    SharedLists* m_lists;
    QHash<QString, Factory> m_factories;
    QHash<QString, Placement> m_placements;
};

// Closes a screen's child window (the screen itself when it has none).
void closeScreen(QWidget* screen);

// The workspace of the running program, or nullptr before start-up made one.
Workspace* workspace();

} // namespace pw
