#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

namespace pw::cli {

// An option of the command line: "--name VALUE", with its line in --help.
struct OptionEntry {
    QString name;
    QString valueName;
    QString description;
};

// What a job is given from the command line.
struct JobInput {
    QString configPath; // the configuration file: --config, or config.txt beside the program
    QString file; // the value of the job's own option
    QString target; // the positional argument of a job that takes one
    QHash<QString, QString> options; // the values of the options that go with the job, by name

    QString option(const QString& name) const { return options.value(name); }
};

// One command-line job: the option that asks for it ("--backup FILE", or a
// flag such as "--statements", which the job gets as the FILE "yes"), the
// options that go with it alone, an optional positional argument, and what
// it runs. It returns the program's exit code and prints what it did: its
// report on standard output, a failure as one "pewlark: " line on standard
// error.
struct JobEntry {
    OptionEntry option;
    QList<OptionEntry> with; // options that only make sense with this job
    OptionEntry target; // a positional argument (name empty: none)
    QString targetMissing; // the mistake when the job takes one and it is missing
    std::function<int(const JobInput&)> run;
    // The job lays out pages (PDF files): it runs with the off-screen window
    // system, which needs no display but brings the fonts.
    bool paints = false;
};

// The command-line jobs, registered at start-up the way screens are: each by
// a function of its own that main.cpp calls. --help lists them, with the
// options that go with each, in the order registered.
class Jobs {
public:
    void registerJob(JobEntry entry);
    const QList<JobEntry>& entries() const { return m_entries; }
    const JobEntry* find(const QString& option) const;

private:
    QList<JobEntry> m_entries;
};

using JobRegistrar = std::function<void(Jobs&)>;

// The church and picture folder of the configuration file, for a job that
// writes into the configured church unless --into names another. False,
// after one "pewlark: " line on standard error, when the file cannot be read.
bool churchFromConfig(const JobInput& input, QString* database, QString* pictureFolder);

} // namespace pw::cli
