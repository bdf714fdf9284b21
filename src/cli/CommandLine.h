#pragma once

#include "app/Startup.h"
#include "cli/Jobs.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace pw::cli {

// What the command line asks for. Qt's own window-system options
// (-platform, -display, -style and the like) are set apart for the windows.
struct CommandLine {
    enum class Task { Windows, Help, Version, Mistake, Job };
    Task task = Task::Windows;
    QString job; // for Task::Job: the option of the chosen job ("backup")
    QString mistake; // for Task::Mistake: what is wrong, in one sentence
    QString helpText; // the usage text (--help, and after a mistake)
    QString configPath; // --config; empty: config.txt beside the program
    QString file; // the FILE of the job
    QString target; // the positional argument of a job that takes one
    QHash<QString, QString> options; // the options that go with the job
    QStringList windowSystemArguments;
};

// Reads the arguments (the program's name first) against the registered
// jobs. Needs no display.
CommandLine parseCommandLine(const QStringList& arguments, const Jobs& jobs);

// Empty when there is a display the windows can be shown on, as far as the
// environment tells; otherwise the one line saying there is none.
QString missingDisplay(const QStringList& windowSystemArguments);

// The whole program: command-line options, then either help, the version, a
// registered job, or the windows with the registered screens. The jobs and
// any mistake in the options need no display; a windowed start without one
// says so in one line and ends with exit code 1. A mistake in the options
// ends with the usage text and exit code 2.
int runPewlark(int argc, char** argv, const JobRegistrar& jobs, const Application::ScreenRegistrar& screens);

} // namespace pw::cli
