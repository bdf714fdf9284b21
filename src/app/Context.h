#pragma once

#include <QString>

namespace pw {

class Database;
class Messages;
class Clock;
class Workspace;

// Settings read at start-up from config.txt and the church row.
struct Settings {
    QString databasePath;
    QString pictureFolder; // a plain prefix: the picture's file name is appended as is
    double keyPressDelay = 0.0; // seconds; 0 until a church row has been read
};

// Who is logged in. Set only by a successful login; Log Off keeps them.
struct CurrentUser {
    qint64 id = 0; // CurrentUserID
    QString type; // CurrentUserType
    QString username; // CurrentUsername, as stored
};

// The process-wide state, in one place. Production fills it at start-up;
// each test fills it with a fresh database and its own fakes.
struct Context {
    Database* database = nullptr;
    Messages* messages = nullptr;
    Clock* clock = nullptr;
    Workspace* workspace = nullptr;
    Settings settings;
    CurrentUser user;
};

Context& ctx();

// Shorthands that fail loudly when start-up has not set them.
Database& db();
Messages& messages();
Clock& clock();

} // namespace pw
