#pragma once

// File operations the copies of a church share: creating a file with the
// database's permissions, flushing, renaming in one step, and saying in the
// office's words why a file could not be written.

#include "data/Database.h"

#include <QString>

namespace pw::files {

// The operating system's words for an error number.
QString systemError(int code);

// Writes the file's (or folder's) data to the disk. Throws DbError when the
// disk refuses; a folder that cannot be flushed is no failure.
void flushToDisk(const QString& path, bool directory);

// Renames in one step. Without replace an existing target is refused
// (EEXIST). Returns 0 or the error number.
int renameInto(const QString& from, const QString& to, bool replace);

// The engine's companion files of a database file.
extern const char* const kCompanions[3];
void removeWithCompanions(const QString& path);
// Moves a file and its companions; false, with nothing moved, on failure.
bool moveWithCompanions(const QString& from, const QString& to);

// The permissions a copy of a file takes: its read and write permissions
// (for example 0600), always with reading and writing for the owner, who
// writes the copy; fallback when they cannot be read.
int permissionsOf(const QString& path, int fallback = 0600);

// Creates path, which must not exist, empty and with exactly these
// permissions (the process's umask does not widen or narrow them). Returns
// 0 or the error number.
int createWithPermissions(const QString& path, int permissions);

// Copies the file from into to, which must not exist, with these
// permissions from the start. Throws DbError naming both; nothing is left
// at to then.
void copyFile(const QString& from, const QString& to, int permissions);

// Writes everything written to the file system of path to the disk.
void flushFileSystem(const QString& path);

// Gives an existing file exactly these permissions; false on failure.
bool setPermissions(const QString& path, int permissions);

// Why a file could not be created or written, for the sentence "... could
// not be written: <reason>": a read-only folder or disk, a name longer than
// the disk allows, a missing folder, a full disk, or the system's words.
QString whyNotWritten(int error, const QString& path);
DbError::Kind kindOfError(int error);

// The same error naming shown instead of actual (a file written under a
// temporary name is named by the name the user gave).
DbError naming(const DbError& error, const QString& actual, const QString& shown);

} // namespace pw::files
