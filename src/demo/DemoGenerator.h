#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace pw::demo {

struct DemoOptions {
    // Number of Member rows written: members, their children and prospects.
    int people = 2000;
    // The same seed always gives the same church (apart from password salts).
    quint32 seed = 20261208;
    // The day the church is generated for: ages, church history and due
    // contacts are placed around it. Empty means the computer's date.
    QDate today;
    // Called now and then with the people written so far and the total. It
    // may throw to abandon the generation; no file appears at the path then.
    std::function<void(qint64 done, qint64 total)> progress;
};

struct DemoSummary {
    qint64 people = 0;
    qint64 households = 0;
    qint64 prospects = 0;
    qint64 contacts = 0;
    QString adminUsername;
    QString adminPassword;
    QString userUsername;
    QString userPassword;
};

// The fewest and most people a demonstration church may have.
constexpr int kMinPeople = 100;
constexpr int kMaxPeople = 1000000;

// Creates a new database file at path filled with a made-up but realistic
// church: households, classes, care groups, responsibilities, deacons,
// prospects with their contacts, and two login accounts ("admin"/"admin" with
// every permission, "user"/"user" who may only view members). The file
// appears whole or not at all: it is written under a temporary name in the
// same folder and renamed into place when complete, so a failure, a kill or a
// power cut never leaves a file at path. Throws DbError when the file already
// exists (it is left unchanged) or when writing fails.
DemoSummary generate(const QString& path, const DemoOptions& options);

} // namespace pw::demo
