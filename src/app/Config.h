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
    // and may hold commas and line ends. Returns at most maxFields fields.
    QStringList readFields(const QString& content, int maxFields);

    // The five fields: two labels, the database path, a label, the picture folder.
    // Throws StartupError naming the file when it has fewer than five fields.
    ConfigValues parse(const QString& content, const QString& fileName);

    // Reads and parses the file; throws StartupError when it is missing or short.
    ConfigValues load(const QString& fileName);

    // config.txt in the folder of the running program.
    QString defaultPath();

    // The text run.sh and the demo option write: one heading line and two
    // label, value lines, values quoted so that commas survive.
    QString write(const ConfigValues& values);

} // namespace config
} // namespace pw
