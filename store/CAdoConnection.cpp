#include "store/CAdoConnection.h"

#include "platform/DeviceFolder.h"
#include "store/AdoDetail.h"
#include "store/CAdoException.h"
#include "store/Catalog.h"
#include "store/PgDialect.h"
#include "store/PgSession.h"

#include <QFileInfo>

namespace ado_detail
{
SharedConnection::SharedConnection() = default;
SharedConnection::~SharedConnection() = default;

bool SharedConnection::isOpen() const
{
    return sqlite || pg;
}

bool SharedConnection::inTransaction() const
{
    if (sqlite) {
        return !sqlite3_get_autocommit(sqlite.get());
    }
    return pg && pg->inTransaction();
}

PgSession* SharedConnection::postgres()
{
    if (pg && (!pg->connected() || pg->lastState().startsWith("08")) && !transactionBegun) {
        pg->reconnect();
    }
    return pg.get();
}

void SharedConnection::close() noexcept
{
    // Recordsets still holding statements keep the SQLite handle alive until
    // they finalise them; the generation tells them it is no longer theirs.
    sqlite.reset();
    pg.reset();
    savepointDepth = 0;
    transactionBegun = false;
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

int prepareSingle(sqlite3* db, const QByteArray& sql, StatementPtr& out)
{
    out.reset();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int prepared = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, &tail);
    StatementPtr stmt(raw);
    if (prepared != SQLITE_OK) {
        return prepared;
    }
    if (!stmt) {
        return SQLITE_MISUSE;
    }
    // Text after the statement must hold no second one (comments and
    // semicolons may follow).
    const char* end = sql.constData() + sql.size();
    while (tail && tail < end) {
        sqlite3_stmt* rawExtra = nullptr;
        const char* next = nullptr;
        const int again = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &rawExtra, &next);
        const StatementPtr extra(rawExtra);
        if (again != SQLITE_OK || extra) {
            return SQLITE_MISUSE;
        }
        if (next == tail) {
            break;
        }
        tail = next;
    }
    out = std::move(stmt);
    return SQLITE_OK;
}

Kind kindOfDeclared(QByteArray declared, int& maxChars)
{
    maxChars = -1;
    declared = declared.trimmed().toLower();
    if (declared.isEmpty()) {
        return Kind::Untyped;
    }
    if (declared.startsWith("bit") || declared == "bool" || declared == "boolean") {
        return Kind::Bit;
    }
    if (declared.contains("char") || declared.contains("clob") || declared.contains("text")) {
        const qsizetype open = declared.indexOf('(');
        const qsizetype close = declared.indexOf(')', open);
        if (open >= 0 && close > open) {
            bool ok = false;
            const int width = declared.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
            maxChars = ok && width > 0 ? width : -1;
        }
        return Kind::Text;
    }
    if (declared.contains("smallint") || declared.contains("tinyint")) {
        return Kind::SmallInt;
    }
    if (declared.contains("bigint")) {
        return Kind::Int64;
    }
    if (declared.contains("int")) {
        return Kind::Int32;
    }
    if (declared.contains("real") || declared.contains("floa") || declared.contains("doub")
        || declared.contains("numeric") || declared.contains("decimal")) {
        return Kind::Real;
    }
    return Kind::Untyped;
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
    const QString target = Catalog::resolve(path);
    m_object->location = target;

    if (PgSession::isUri(target)) {
        QString error;
        m_object->pg = PgSession::connect(target, error);
        if (!m_object->pg) {
            m_object->noteError(error);
            return CAdoException::CannotOpen;
        }
        ++m_object->generation;
        return 0;
    }

    // An absolute path, so that a name starting with "file:" is never taken
    // for a URI.
    const QString file = QFileInfo(DeviceFolder::map(target)).absoluteFilePath();
    sqlite3* raw = nullptr;
    // A connection is used from one thread only: no mutex around every call.
    const int opened =
        sqlite3_open_v2(file.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    ado_detail::DatabasePtr db(raw);
    if (opened != SQLITE_OK) {
        m_object->noteError(db.get());
        return CAdoException::CannotOpen;
    }
    sqlite3_extended_result_codes(db.get(), 1);
    sqlite3_busy_timeout(db.get(), BusyTimeoutMs);
    // Opening reads nothing yet: read the schema now, so that a file that is
    // not a database is refused here, without anything written to it.
    char* error = nullptr;
    if (sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error) != SQLITE_OK) {
        m_object->noteError(QString::fromUtf8(error ? error : "file is not a database"));
        sqlite3_free(error);
        return CAdoException::CannotOpen;
    }
    // A page cache that holds a catalog of many thousand items whole (SQLite's
    // default holds 2 MB); memory is taken only as pages are read.
    sqlite3_exec(db.get(), "PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    m_object->sqlite = std::move(db);
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
    const QByteArray text = sql.toUtf8();
    if (PgSession* pg = m_object->postgres()) {
        QString error;
        if (!pg->exec(PgDialect::translate(text), error)) {
            m_object->noteError(error);
            return false;
        }
        return true;
    }
    sqlite3* db = m_object->handle();
    ado_detail::StatementPtr stmt;
    const int prepared = ado_detail::prepareSingle(db, text, stmt);
    if (prepared == SQLITE_MISUSE) {
        m_object->noteError(QStringLiteral("only one statement can be run at a time"));
        return false;
    }
    if (prepared != SQLITE_OK) {
        m_object->noteError(db);
        return false;
    }
    int step = SQLITE_ROW;
    while (step == SQLITE_ROW) {
        step = sqlite3_step(stmt.get());
    }
    if (step != SQLITE_DONE) {
        m_object->noteError(db);
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
    return m_object && m_object->isOpen();
}

sqlite3* CAdoConnection::handle() const
{
    return m_object ? m_object->handle() : nullptr;
}

bool CAdoConnection::isPostgres() const
{
    return m_object && m_object->pg;
}

QString CAdoConnection::location() const
{
    return m_object ? m_object->location : QString();
}

QString CAdoConnection::lastError() const
{
    return m_object ? m_object->lastError : QString();
}

bool CAdoConnection::BeginTrans()
{
    const bool begun = Execute(isPostgres() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    if (begun) {
        m_object->transactionBegun = true;
    }
    return begun;
}

bool CAdoConnection::CommitTrans()
{
    if (isPostgres() && m_object->pg->transactionFailed()) {
        // The server would answer COMMIT with a rollback and no error.
        const QString reason = lastError();
        RollbackTrans();
        m_object->noteError(reason.isEmpty() ? QStringLiteral("the change was undone after a failure") : reason);
        return false;
    }
    const bool committed = Execute(QStringLiteral("COMMIT"));
    if (m_object) {
        m_object->transactionBegun = false;
    }
    return committed;
}

bool CAdoConnection::RollbackTrans()
{
    const bool undone = Execute(QStringLiteral("ROLLBACK"));
    if (m_object) {
        m_object->transactionBegun = false;
    }
    return undone;
}

bool CAdoConnection::lastFailureIsTransient() const
{
    return isPostgres() && m_object->pg->lastFailureIsTransient();
}
