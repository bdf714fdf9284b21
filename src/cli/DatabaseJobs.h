#pragma once

namespace pw::cli {

class Jobs;

// The jobs that make a church database, each registered under its option:
// --demo-database FILE [--people N], a demo church in a new file;
// --create-database FILE --admin USERNAME, an empty church with one Admin
// account, the password read from standard input;
// --copy-database FROM TO, the whole church copied into a new file or an
// empty database on a server.
void registerDemoDatabase(Jobs& jobs);
void registerCreateDatabase(Jobs& jobs);
void registerCopyDatabase(Jobs& jobs);

} // namespace pw::cli
