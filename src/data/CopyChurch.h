#pragma once

// Moving a whole church from one database to another: a file to a server
// when the office grows to several computers, and back.

#include <QList>
#include <QString>
#include <functional>

namespace pw::copying {

struct TableCount {
    QString table;
    qint64 from = 0; // rows in the source
    qint64 to = 0; // rows in the target after the copy
};

struct CopyResult {
    QString from; // how messages name the source and the target
    QString to;
    QList<TableCount> tables; // in the schema's order
};

// Copies every row of every table of the church at from (a file or a
// postgresql:// location) into a new church at to: a file that must not
// exist yet, or an empty database on a server. Identifiers are kept and
// the target's identifiers continue after the highest copied one. The
// target is written as one whole: a failure, or a count that differs
// between the two sides, leaves no church there. progress, when given, is
// told each table before it is copied. Throws DbError.
CopyResult copyChurch(
    const QString& from, const QString& to, const std::function<void(const QString& table)>& progress = {});

} // namespace pw::copying
