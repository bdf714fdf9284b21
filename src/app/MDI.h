#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <QStringList>

class QMdiArea;
class QMenu;
class QAction;
class QCloseEvent;
class QLabel;

namespace pw {

class Workspace;

// The geometry (without the frame, as setGeometry takes it) of a main window
// that would like to be `wanted` large, on a screen whose free area is
// `available` (QScreen::availableGeometry: panels and taskbars left out),
// given the frame the window manager puts around it: as large as wanted as
// far as the frame still fits in the free area, and centred in it.
QRect fittedGeometry(const QRect& available, const QMargins& frame, const QSize& wanted);

// One command of the menu tree and the window it opens. The window's
// permission test is the one its folder registered with the workspace.
struct MenuCommand {
    QString name; // object name of the action
    QString caption;
    QString window; // window name opened through the workspace; empty: none
};

// The main window: the frame of every screen, with the menu bar as the only
// way to open them.
class MDI : public QMainWindow {
    Q_OBJECT
public:
    explicit MDI(QWidget* parent = nullptr);
    ~MDI() override;

    Workspace* workspace() const { return m_workspace; }
    QMdiArea* area() const { return m_area; }

    // The command tree in menu order, as (menu path, command) pairs.
    static const QList<QPair<QStringList, MenuCommand>>& commands();

    QAction* command(const QString& name) const;
    QMenu* menu(const QString& name) const;

    // Disables every menu and command, then enables File and File > Exit.
    void lock();
    // Enables every menu and command.
    void unlock();

    // Opens the login window (nothing else happens when it is already open).
    void showLogin();
    // Closes every child window (asking about unsaved changes first; Cancel
    // keeps the user logged in), forgets who was logged in, locks the
    // commands and shows the login window.
    void logOff();

    // What a screen-opening command does: the workspace asks the window's
    // permission test, shows the refusal or opens (or leaves) the window.
    void runCommand(const MenuCommand& command);

    // The start page, opened after a login and by Window > Start Page, and
    // brought to the front when it is open already.
    void openStartPage();

    // The logged-in user and account type at the right of the status bar;
    // empty while nobody is logged in.
    void showUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Help > "Pewlark Help" and F1: the guide's page about the window in
    // front, or its contents when no window is open.
    void showHelpForActiveWindow();

private:
    void buildMenus();
    // Fills the Window menu's list of open windows as it opens.
    void listWindows();
    // Ctrl+S follows the window in front; F1 works before a login too.
    void updateKeys();
    void showGiving();
    // File > Back Up Database... and File > Restore Database..., after the
    // other File commands.
    void addDatabaseCommands();
    // After a restore: the church settings are read again, every list is
    // stale, and the next person logs in to the restored database.
    void reopenAfterRestore();
    // Nobody is logged in any more: the current-user values are cleared, the
    // commands locked and the login window shown.
    void endSession();
    // Sizes the window into its screen's free area, frame included; the frame
    // is guessed until the window manager has told it.
    void fitToScreen();
    // Once the real frame is known after the first showing, fits again when
    // the guess left the frame outside the free area.
    void refitOnceFrameKnown();

    QMdiArea* m_area;
    Workspace* m_workspace;
    QLabel* m_user;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowEntries;
    QAction* m_save = nullptr;
    QAction* m_helpKey = nullptr;
    bool m_locked = false;
    bool m_frameKnown = false;
};

} // namespace pw
