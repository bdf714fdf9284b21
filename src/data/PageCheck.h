#pragma once

#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QThread;
struct sqlite3;

namespace pw {

class Database;
class DbError;

namespace health {

    // The engine's page check of a database file (checkIntact) run on a
    // connection of its own in a worker thread, so that a large church's
    // login window does not wait for it. Until it has passed, a statement
    // that would change the database waits for it when it is prepared; after
    // it failed, such statements are refused, so nothing is written into a
    // damaged file. Reading goes on as usual.
    class PageCheck {
    public:
        // Starts the check of db's file. done runs on this thread when the
        // check has ended, with the refusal when it failed (nullptr when the
        // file is intact). db must outlive the check.
        PageCheck(Database& db, std::function<void(const DbError* failure)> done);
        // Stops a check that still runs; its changes stay refused.
        ~PageCheck();
        PageCheck(const PageCheck&) = delete;
        PageCheck& operator=(const PageCheck&) = delete;

        // Waits for the check; the refusal when it failed, nullptr otherwise.
        const DbError* wait();

    private:
        static int gate(void* self, int action, const char*, const char*, const char* database, const char*);
        void check(const QString& path);
        void ended();

        Database& m_db;
        std::function<void(const DbError*)> m_done;
        QObject m_here; // delivers the end of the check on this thread
        std::unique_ptr<QThread> m_thread;
        std::atomic<bool> m_stop { false };
        std::mutex m_connectionLock;
        sqlite3* m_connection = nullptr; // the worker's, while it checks
        // The worker's findings, read once it has ended.
        QStringList m_problems;
        int m_code = 0;
        QString m_engineText;
        bool m_judged = false;
        std::unique_ptr<DbError> m_failure;
    };

} // namespace health

} // namespace pw
