#pragma once

#include "data/Database.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pw {

// A start-up problem: the message names the file and what is wrong with it.
class StartupError : public Error {
public:
    using Error::Error;
};

struct ConfigValues {
    QString databasePath; // third field
    QString pictureFolder; // fifth field, a plain prefix
};

namespace config {

    // Reads fields front to back. A field ends at a comma or a line end; blanks
    // before a field are skipped; a field in double quotes is taken without them
    // and may hold commas and line ends. Returns at most maxFields fields; end
    // receives the position after the last character read.
    QStringList readFields(const QString& content, int maxFields, int* end = nullptr);

    // The file's bytes as text: UTF-8 (a leading byte-order mark is dropped),
    // UTF-16 or UTF-32 when a byte-order mark says so, and otherwise
    // Windows-1252, the 8-bit encoding older office files are written in.
    QString decode(const QByteArray& bytes);

    // The five fields: two labels, the database path, a label, the picture folder.
    // Throws StartupError naming the file when it has fewer than five fields,
    // or when what was read holds control characters that no text file holds
    // (random bytes, a file of another program).
    ConfigValues parse(const QString& content, const QString& fileName);

    // The largest configuration file read, in bytes.
    constexpr int kMaxSize = 64 * 1024;

    // Reads, decodes and parses the file; throws StartupError when it is
    // missing, unreadable, larger than kMaxSize, not text or short.
    ConfigValues load(const QString& fileName);

    // Empty when pictures can be kept under the picture folder prefix; else
    // the warning start-up shows once: the folder the pictures would go into
    // does not exist or is no folder, or the field is empty. The program runs
    // either way.
    QString pictureFolderProblem(const QString& pictureFolder, const QString& configFile);

    // The files read without --config, in the order they are tried: the
    // copy beside the program (a folder or a network share), the user's own
    // ($XDG_CONFIG_HOME/pewlark/config.txt, by default under ~/.config) and
    // the office's (/etc/pewlark/config.txt).
    struct Places {
        QString beside;
        QString user;
        QString office;
    };
    Places places();

    // The first of the places that exists; empty when none does.
    QString locate(const Places& where);

    // The configuration used without --config: the first place that exists,
    // or, when none does, the user's own file (where the welcome window
    // writes it).
    QString defaultPath();

    // Writes values to fileName as write() formats them, making its folder;
    // the file appears whole or not at all. Throws StartupError naming the
    // file when it cannot be written.
    void save(const QString& fileName, const ConfigValues& values);

    // The text run.sh and the demo option write: one heading line and two
    // label, value lines, values quoted so that commas survive.
    QString write(const ConfigValues& values);

} // namespace config
} // namespace pw
