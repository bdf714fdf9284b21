#pragma once

#include "widgets/FileChooser.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QSettings;
class QWidget;

namespace pw {

class Database;
class Messages;
class Clock;
class Desktop;
class Workspace;
class SharedLists;

namespace reports {
    class ReportOutput;
}

// Settings read at start-up from config.txt and the church row.
struct Settings {
    QString databasePath;
    QString pictureFolder; // a plain prefix: the picture's file name is appended as is
    double keyPressDelay = 0.0; // seconds; 0 until a church row has been read
};

// Who is logged in. Set by a successful login, cleared by Log Off; an empty
// user name means nobody is logged in.
struct CurrentUser {
    qint64 id = 0; // CurrentUserID
    QString type; // CurrentUserType
    QString username; // CurrentUsername, as stored
};

// The one type-ahead search of the program, shared by every combo box.
struct TypeAheadState {
    qint64 lastKeyMs = 0;
    QString search;
    QPointer<QObject> lastCombo; // reads as none once that combo box is destroyed
};

// The default printer, ready to print on; nullptr when none is installed.
using PrinterLookup = std::function<std::shared_ptr<QPrinter>()>;
// The print dialog shown before printing from the preview: true when the user chose to print.
using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
// Starts the machine's system-information tool: false when none could be started.
using SystemInfoLauncher = std::function<bool()>;

// The process-wide state and every piece that reaches outside the program, in
// one place. Production fills the state at start-up and leaves the pieces
// empty, which means the real ones; each test puts fakes in all of them, and a
// default Context put back restores everything at once.
struct Context {
    Database* database = nullptr;
    Messages* messages = nullptr;
    Clock* clock = nullptr;
    Workspace* workspace = nullptr; // the shell's window list (opaque to the widget kit)
    SharedLists* lists = nullptr; // the workspace's shared lists, set with it
    Settings settings;
    CurrentUser user;
    TypeAheadState typeAhead;

    // Empty (or null): the production piece.
    reports::ReportOutput* reportOutput = nullptr; // the "Report Viewer" window and the default printer
    PrinterLookup printerLookup; // the system's default printer
    PrintDialog printDialog; // the print dialog
    FileChooser fileChooser; // the file dialogs
    SystemInfoLauncher systemInfo; // an installed system-information tool
    QString settingsFile; // an INI file kept instead of the user's own settings
    Desktop* desktop = nullptr; // the mail program and the clipboard
};

Context& ctx();

// Shorthands that fail loudly when start-up has not set them.
Database& db();
Messages& messages();
Clock& clock();

// What the program remembers between runs (label calibration and the like):
// the user's own settings, or the context's settings file when one is set.
std::unique_ptr<QSettings> storedSettings();

} // namespace pw
