#pragma once

// What the welcome window does for each of its choices, without widgets: each
// one checks what it was given, writes the church when it makes one, and
// returns the configuration to keep. A refusal throws an Error whose text
// names what is wrong; nothing is written then.

#include "app/Config.h"

#include <QString>
#include <functional>

namespace pw {

class Clock;

namespace welcome {

    // The jobs of floors above this one, handed in by the program: moving in
    // from the older program's file and making the demo church.
    struct Jobs {
        struct Outcome {
            bool succeeded = false;
            QString report; // what to show the user, success or not
        };
        // Imports the older program's file into a new church file; progress
        // receives one line per step.
        std::function<Outcome(const QString& oldFile, const QString& target,
            const std::function<void(const QString&)>& progress)>
            moveIn;
        // Writes the demo church to a new file; returns the logins to show.
        std::function<QString(const QString& target)> makeDemo;
    };

    // Where a new church file is suggested: $XDG_DATA_HOME/pewlark/, by
    // default ~/.local/share/pewlark/.
    QString dataFolder();
    // The picture folder kept beside a church file: "<folder>/pictures/".
    QString pictureFolderFor(const QString& churchFile);
    // The configuration of a church file just made: the file and its picture
    // folder (made when missing).
    ConfigValues valuesForFile(const QString& churchFile);

    struct NewChurch {
        QString churchName;
        QString adminUsername;
        QString password;
        QString passwordAgain;
        QString file;
    };
    // Creates the church file with its first Admin and the church's name.
    ConfigValues createChurch(const NewChurch& church, const Clock& clock);

    // An existing church: a Pewlark file or a postgresql:// location, opened
    // only to be read and checked before it is kept (a Pewlark church, not
    // newer than this program, with an account; a file as start-up checks
    // it, an older one in an upgraded working copy).
    ConfigValues openChurch(const QString& location);

    // The demo church, made by jobs.makeDemo in the data folder (a file of
    // its own when an earlier demo is there). logins receives what to show.
    ConfigValues makeDemo(const Jobs& jobs, QString* logins);

    // The configuration file the welcome window writes: the one that was
    // read when it can be written (its database has gone), otherwise the
    // user's own.
    QString configTarget(const QString& configRead);

} // namespace welcome
} // namespace pw
