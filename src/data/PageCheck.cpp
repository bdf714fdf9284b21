#include "data/PageCheck.h"

#include "data/Database.h"
#include "data/Health.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cstring>
#include <sqlite3.h>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(PageCheck)
};
} // namespace

namespace pw::health {

PageCheck::PageCheck(Database& db, std::function<void(const DbError*)> done)
    : m_db(db)
    , m_done(std::move(done))
{
    if (auto* h = static_cast<sqlite3*>(db.engineHandle()))
        sqlite3_set_authorizer(h, &PageCheck::gate, this);
    m_thread.reset(QThread::create([this, path = db.path()] { check(path); }));
    QObject::connect(m_thread.get(), &QThread::finished, &m_here, [this] { ended(); });
    m_thread->start(QThread::LowPriority);
}

PageCheck::~PageCheck()
{
    // The engine's check heeds an interrupt only while it runs, so it is
    // asked again until the worker has ended.
    m_stop = true;
    while (!m_thread->wait(QDeadlineTimer(5))) {
        const std::lock_guard<std::mutex> lock(m_connectionLock);
        if (m_connection)
            sqlite3_interrupt(m_connection);
    }
    if (auto* h = static_cast<sqlite3*>(m_db.engineHandle()))
        sqlite3_set_authorizer(h, nullptr, nullptr);
}

void PageCheck::check(const QString& path)
{
    sqlite3* c = nullptr;
    m_code = sqlite3_open_v2(path.toUtf8().constData(), &c, SQLITE_OPEN_READONLY, nullptr);
    if (m_code == SQLITE_OK) {
        sqlite3_extended_result_codes(c, 1);
        // Another workstation's write may hold the file for a moment.
        sqlite3_busy_timeout(c, Database::kDefaultLockWaitMs);
        {
            const std::lock_guard<std::mutex> lock(m_connectionLock);
            m_connection = c;
        }
        sqlite3_stmt* stmt = nullptr;
        m_code = m_stop ? SQLITE_INTERRUPT : sqlite3_prepare_v2(c, "PRAGMA quick_check", -1, &stmt, nullptr);
        while (m_code == SQLITE_OK && (m_code = sqlite3_step(stmt)) == SQLITE_ROW) {
            m_problems.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
            m_code = SQLITE_OK;
        }
        if (m_code == SQLITE_DONE)
            m_code = SQLITE_OK;
        sqlite3_finalize(stmt);
        const std::lock_guard<std::mutex> lock(m_connectionLock);
        m_connection = nullptr;
    }
    if (m_code != SQLITE_OK) {
        m_code = c ? sqlite3_extended_errcode(c) : m_code;
        m_engineText = QString::fromUtf8(c ? sqlite3_errmsg(c) : sqlite3_errstr(m_code));
    }
    sqlite3_close(c);
}

const DbError* PageCheck::wait()
{
    m_thread->wait();
    if (!m_judged) {
        m_judged = true;
        const QString path = m_db.path();
        if (m_stop)
            m_failure = std::make_unique<DbError>(Tr::tr("The check of \"%1\" was stopped.").arg(path));
        else if (m_code != SQLITE_OK)
            m_failure = std::make_unique<DbError>(pageCheckFailure(path, engine::error(m_code, 0, m_engineText, path)));
        else if (m_problems != QStringList { QStringLiteral("ok") })
            m_failure = std::make_unique<DbError>(pageCheckFailure(path, m_problems));
    }
    return m_failure.get();
}

void PageCheck::ended()
{
    const DbError* failure = wait();
    // An intact file needs the gate no longer.
    if (!failure)
        if (auto* h = static_cast<sqlite3*>(m_db.engineHandle()))
            sqlite3_set_authorizer(h, nullptr, nullptr);
    if (m_done)
        m_done(failure);
}

int PageCheck::gate(void* self, int action, const char*, const char*, const char* database, const char*)
{
    switch (action) {
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_ALTER_TABLE:
        break;
    default:
        return SQLITE_OK;
    }
    if (!database || std::strcmp(database, "main") != 0)
        return SQLITE_OK; // the connection's own temporary tables
    return static_cast<PageCheck*>(self)->wait() ? SQLITE_DENY : SQLITE_OK;
}

} // namespace pw::health
