#include "store/CAdoConnection.h"

#include "platform/DeviceFolder.h"
#include "store/AdoDetail.h"
#include "store/CAdoException.h"

#include <QFileInfo>

namespace ado_detail
{
void SharedConnection::close() noexcept
{
    if (handle) {
        // Recordsets still holding statements keep the handle alive until they
        // finalise them; the generation tells them it is no longer theirs.
        sqlite3_close_v2(handle);
        handle = nullptr;
    }
    savepointDepth = 0;
    ++generation;
}

QString SharedConnection::message(sqlite3* db)
{
    return sentence(QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
}

QString SharedConnection::sentence(QString text)
{
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}
} // namespace ado_detail

using ado_detail::SharedConnection;

CAdoConnection::CAdoConnection() = default;

CAdoConnection::CAdoConnection(bool create)
{
    if (!create) {
        return;
    }
    if (sqlite3_initialize() != SQLITE_OK) {
        ADO_RAISE(CAdoException::CannotCreate);
    }
    try {
        m_object = std::make_shared<SharedConnection>();
    } catch (const std::bad_alloc&) {
        ADO_RAISE(CAdoException::CannotCreate);
    }
}

CAdoConnection& CAdoConnection::operator=(const CAdoConnection& other)
{
    if (this == &other || m_object == other.m_object) {
        return *this;
    }
    Close();
    m_object = other.m_object;
    return *this;
}

CAdoConnection::~CAdoConnection()
{
    Close();
}

int CAdoConnection::Open(const QString& path)
{
    if (!m_object) {
        if (sqlite3_initialize() != SQLITE_OK) {
            return CAdoException::CannotOpen;
        }
        m_object = std::make_shared<SharedConnection>();
    }
    Close();
    m_object->lastError.clear();

    // An absolute path, so that a name starting with "file:" is never taken
    // for a URI.
    const QString file = QFileInfo(DeviceFolder::map(path)).absoluteFilePath();
    sqlite3* db = nullptr;
    // A connection is used from one thread only: no mutex around every call.
    const int opened =
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (opened != SQLITE_OK) {
        m_object->noteError(db);
        sqlite3_close_v2(db);
        return CAdoException::CannotOpen;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    // Opening reads nothing yet: read the schema now, so that a file that is
    // not a database is refused here, without anything written to it.
    char* error = nullptr;
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error) != SQLITE_OK) {
        m_object->noteError(QString::fromUtf8(error ? error : "file is not a database"));
        sqlite3_free(error);
        sqlite3_close_v2(db);
        return CAdoException::CannotOpen;
    }
    // A page cache that holds a catalog of many thousand items whole (SQLite's
    // default holds 2 MB); memory is taken only as pages are read.
    sqlite3_exec(db, "PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    m_object->handle = db;
    ++m_object->generation;
    return 0;
}

bool CAdoConnection::Execute(const QString& sql)
{
    if (!isOpen()) {
        if (m_object) {
            m_object->noteError(QStringLiteral("the catalog is not open"));
        }
        return false;
    }
    char* error = nullptr;
    const int result = sqlite3_exec(m_object->handle, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (result != SQLITE_OK) {
        m_object->noteError(QString::fromUtf8(error ? error : sqlite3_errstr(result)));
        sqlite3_free(error);
        return false;
    }
    return true;
}

void CAdoConnection::Close() noexcept
{
    if (m_object) {
        m_object->close();
    }
}

bool CAdoConnection::isOpen() const
{
    return m_object && m_object->handle;
}

sqlite3* CAdoConnection::handle() const
{
    return m_object ? m_object->handle : nullptr;
}

QString CAdoConnection::lastError() const
{
    return m_object ? m_object->lastError : QString();
}

bool CAdoConnection::BeginTrans()
{
    return Execute(QStringLiteral("BEGIN IMMEDIATE"));
}

bool CAdoConnection::CommitTrans()
{
    return Execute(QStringLiteral("COMMIT"));
}

bool CAdoConnection::RollbackTrans()
{
    return Execute(QStringLiteral("ROLLBACK"));
}
