#pragma once

// The five services whose attendance the office records: fixed kinds, each
// stored by its code in the attendance tables. Three of them meet in classes
// (the class tables of the same name); a person's class and attendance level
// for each live in the Member columns named here.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace pw::services {

struct Service {
    const char* code; // stored in Attendance.Service and Attendance_Headcount.Service
    const char* name; // as the office says it
    const char* classTable; // empty: the service has no classes
    const char* classColumn; // the Member column naming a person's class; empty when none
    const char* levelColumn; // the Member column holding the person's attendance level
    int weekday; // 1 = Monday ... 7 = Sunday

    QString codeText() const { return QString::fromLatin1(code); }
    QString nameText() const { return QCoreApplication::translate("Services", name); }
    QString classTableName() const { return QString::fromLatin1(classTable); }
    QString classColumnName() const { return QString::fromLatin1(classColumn); }
    QString levelColumnName() const { return QString::fromLatin1(levelColumn); }
    bool hasClasses() const { return classTable[0] != '\0'; }
};

// In the order the member screen lists the attendance levels.
const std::vector<Service>& all();
// The service of that code, or nullptr.
const Service* byCode(const QString& code);

} // namespace pw::services
