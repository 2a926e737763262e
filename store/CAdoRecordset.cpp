#include "store/CAdoRecordset.h"

#include "store/AdoDetail.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "store/PgRecordset.h"
#include "store/PgSession.h"
#include "store/SelectText.h"
#include "store/SqliteRecordset.h"

#include <cctype>
#include <charconv>
#include <initializer_list>

namespace
{
template <typename Value>
void readValue(sqlite3_stmt* stmt, int column, Value& value)
{
    int& type = value.type;
    type = sqlite3_column_type(stmt, column);
    switch (type) {
    case SQLITE_INTEGER:
        value.integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        value.real = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const char* data = type == SQLITE_TEXT ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, column))
                                               : static_cast<const char*>(sqlite3_column_blob(stmt, column));
        value.text = QString::fromUtf8(data, sqlite3_column_bytes(stmt, column));
        type = SQLITE_TEXT;
        break;
    }
    default:
        type = SQLITE_NULL;
        break;
    }
}
} // namespace

using ado_detail::SharedConnection;

CAdoRecordset::Value& CAdoRecordset::ValueStore::append()
{
    const size_t offset = m_size & (ChunkSize - 1);
    if (offset == 0 && (m_size >> ChunkBits) == m_chunks.size()) {
        m_chunks.push_back(std::make_unique<Value[]>(ChunkSize));
    }
    ++m_size;
    return m_chunks[(m_size - 1) >> ChunkBits][offset];
}

void CAdoRecordset::ValueStore::clear() noexcept
{
    m_chunks.clear();
    m_size = 0;
}

CAdoRecordset::CAdoRecordset()
    : m_field(*this)
{
}

CAdoRecordset::~CAdoRecordset()
{
    Close();
}

bool CAdoRecordset::Open(const QString& sql, const CAdoConnection& connection, int cursorType, int lockType,
                         int options)
{
    Q_UNUSED(options); // the store tells statements apart by itself
    Close();
    const std::shared_ptr<SharedConnection>& shared = connection.shared();
    if (!shared || !shared->isOpen()) {
        if (shared) {
            shared->noteError(QStringLiteral("the catalog is not open"));
            m_failure = shared->lastError;
        }
        return false;
    }
    try {
        m_connection = shared;
        m_generation = shared->generation;
        m_keyset = cursorType >= adOpenKeyset;
        m_readOnly = !m_keyset || lockType == adLockReadOnly;
        m_sql = sql.toUtf8();
        PgSession* pg = shared->postgres();
        const bool opened = pg ? PgRecordset::open(*this, *pg) : openStatement(m_sql, shared->handle(), m_keyset);
        if (!opened) {
            Close();
            m_failure = shared->lastError;
            return false;
        }
        m_open = true;
        return true;
    } catch (...) {
        Close();
        m_failure = shared->lastError;
        return false;
    }
}

void CAdoRecordset::failed(sqlite3* db)
{
    if (m_connection) {
        m_connection->noteError(db);
    }
}

bool CAdoRecordset::openStatement(const QByteArray& sql, sqlite3* db, bool keyset)
{
    ado_detail::StatementPtr stmt;
    const int prepared = ado_detail::prepareSingle(db, sql, stmt);
    if (prepared == SQLITE_MISUSE) {
        m_connection->noteError(QStringLiteral("only one statement can be run at a time"));
        return false;
    }
    if (prepared != SQLITE_OK) {
        failed(db);
        return false;
    }

    const int columnCount = sqlite3_column_count(stmt.get());
    if (columnCount == 0) {
        // A statement without result rows: run it, its success is the result.
        int step = SQLITE_ROW;
        while (step == SQLITE_ROW) {
            step = sqlite3_step(stmt.get());
        }
        if (step != SQLITE_DONE) {
            failed(db);
        }
        m_count = 0;
        return step == SQLITE_DONE;
    }

    if (!keyset) {
        readColumns(stmt.get(), 0);
        const int step = sqlite3_step(stmt.get());
        m_stmt = std::move(stmt);
        if (step != SQLITE_ROW && step != SQLITE_DONE) {
            failed(db);
            return false;
        }
        m_onRow = step == SQLITE_ROW;
        return true;
    }

    // Keyset: every row at once, each with its rowid when the statement is a
    // plain SELECT of one table.
    ado_detail::StatementPtr withRowid;
    const bool hasRowid = prepareKeyset(db, sql, withRowid);
    if (hasRowid) {
        stmt = std::move(withRowid);
    }
    const int first = hasRowid ? 1 : 0;
    const int readCount = sqlite3_column_count(stmt.get());
    if (first) {
        m_table = SelectText::quotedIdentifier(sqlite3_column_database_name(stmt.get(), 0)) + '.'
                  + SelectText::quotedIdentifier(sqlite3_column_table_name(stmt.get(), 0));
    }
    readColumns(stmt.get(), first);
    m_cached = true;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        if (first) {
            m_rowids.push_back(sqlite3_column_int64(stmt.get(), 0));
        }
        for (int c = first; c < readCount; ++c) {
            readValue(stmt.get(), c, m_cells.append());
        }
    }
    if (step != SQLITE_DONE) {
        failed(db);
        return false;
    }
    finishRows();
    return true;
}

void CAdoRecordset::finishRows()
{
    const size_t width = m_columns.size();
    m_rows = width == 0 ? 0 : static_cast<long>(m_cells.size() / width);
    m_row = 0;
    m_pending.assign(width, Value());
    m_dirty.assign(width, 0);
}

bool CAdoRecordset::prepareKeyset(sqlite3* db, const QByteArray& sql, ado_detail::StatementPtr& stmt)
{
    stmt.reset();
    const qsizetype at = SelectText::rowidInsertPosition(sql);
    if (at < 0) {
        return false;
    }
    const QByteArray rewritten = sql.left(at) + " rowid, " + sql.mid(at);
    ado_detail::StatementPtr candidate;
    if (ado_detail::prepareSingle(db, rewritten, candidate) != SQLITE_OK) {
        return false;
    }
    if (!sqlite3_column_table_name(candidate.get(), 0) || !sqlite3_column_database_name(candidate.get(), 0)) {
        return false;
    }
    stmt = std::move(candidate);
    return true;
}

void CAdoRecordset::readColumns(sqlite3_stmt* stmt, int first)
{
    const int count = sqlite3_column_count(stmt);
    const char* rowTable = first > 0 ? sqlite3_column_table_name(stmt, 0) : nullptr;
    m_columns.clear();
    m_columns.reserve(static_cast<size_t>(count - first));
    for (int i = first; i < count; ++i) {
        Column& column = m_columns.emplace_back();
        column.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char* origin = sqlite3_column_origin_name(stmt, i);
        const char* table = sqlite3_column_table_name(stmt, i);
        if (!origin || !table || (rowTable && qstricmp(rowTable, table) != 0) || qstricmp(origin, "rowid") == 0
            || qstricmp(origin, "oid") == 0 || qstricmp(origin, "_rowid_") == 0) {
            column.kind = Kind::Computed;
            continue;
        }
        column.origin = SelectText::quotedIdentifier(origin);
        column.kind = ado_detail::kindOfDeclared(QByteArray(sqlite3_column_decltype(stmt, i)), column.maxChars);
    }
}

bool CAdoRecordset::alive() const
{
    return m_connection && m_connection->isOpen() && m_connection->generation == m_generation;
}

bool CAdoRecordset::onRow() const
{
    if (!m_open) {
        return false;
    }
    // A forward-only set ends with its connection, wherever its rows are.
    if (m_cached) {
        return m_row < m_rows && (m_keyset || alive());
    }
    return m_onRow && alive();
}

bool CAdoRecordset::isOpen() const
{
    return m_open;
}

bool CAdoRecordset::IsEOF() const
{
    return !onRow();
}

void CAdoRecordset::dropPending()
{
    if (m_dirtyCount == 0) {
        return;
    }
    for (size_t i = 0; i < m_dirty.size(); ++i) {
        if (m_dirty[i]) {
            m_dirty[i] = 0;
            m_pending[i].text = QString();
        }
    }
    m_dirtyCount = 0;
}

bool CAdoRecordset::MoveNext()
{
    if (!m_open) {
        return false;
    }
    dropPending();
    if (m_cached) {
        if (m_row >= m_rows) {
            return false;
        }
        ++m_row;
        return true;
    }
    if (!m_onRow || !alive()) {
        m_onRow = false;
        return false;
    }
    const int step = sqlite3_step(m_stmt.get());
    m_onRow = step == SQLITE_ROW;
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        failed(m_connection->handle());
        return false;
    }
    return true;
}

bool CAdoRecordset::MoveFirst()
{
    if (!m_open) {
        return false;
    }
    dropPending();
    if (m_cached) {
        m_row = 0;
        return m_rows > 0;
    }
    if (!m_stmt || !alive()) {
        m_onRow = false;
        return false;
    }
    sqlite3_reset(m_stmt.get());
    m_onRow = sqlite3_step(m_stmt.get()) == SQLITE_ROW;
    return m_onRow;
}

bool CAdoRecordset::MoveLast()
{
    if (!m_open) {
        return false;
    }
    dropPending();
    if (m_cached) {
        if (m_rows == 0) {
            return false;
        }
        m_row = m_rows - 1;
        return true;
    }
    if (!m_stmt || !alive()) {
        m_onRow = false;
        return false;
    }
    // A forward-only cursor cannot step back: count the rows, then run the
    // statement again up to the last of them.
    sqlite3_stmt* stmt = m_stmt.get();
    sqlite3_reset(stmt);
    long rows = 0;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
        ++rows;
    }
    sqlite3_reset(stmt);
    m_onRow = false;
    if (step != SQLITE_DONE || rows == 0) {
        return false;
    }
    m_count = rows;
    for (long i = 0; i < rows; ++i) {
        if (sqlite3_step(stmt) != SQLITE_ROW) {
            return false;
        }
    }
    m_onRow = true;
    return true;
}

long CAdoRecordset::GetRecordCount()
{
    if (!m_open) {
        return -1;
    }
    if (m_cached) {
        return m_rows;
    }
    if (m_count >= 0) {
        return m_count;
    }
    if (!alive()) {
        return -1;
    }
    sqlite3* db = m_connection->handle();
    QByteArray body = m_sql.trimmed();
    while (body.endsWith(';')) {
        body.chop(1);
        body = body.trimmed();
    }
    ado_detail::StatementPtr stmt;
    if (ado_detail::prepareSingle(db, "SELECT count(*) FROM (" + body + "\n)", stmt) == SQLITE_OK) {
        if (sqlite3_step(stmt.get()) == SQLITE_ROW) {
            m_count = static_cast<long>(sqlite3_column_int64(stmt.get(), 0));
        }
        return m_count;
    }
    // Not countable as a subquery: run the statement a second time.
    if (ado_detail::prepareSingle(db, m_sql, stmt) == SQLITE_OK) {
        long rows = 0;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            ++rows;
        }
        if (step == SQLITE_DONE) {
            m_count = rows;
        }
    }
    return m_count;
}

int CAdoRecordset::GetFieldCount()
{
    return m_open ? static_cast<int>(m_columns.size()) : -1;
}

CAdoField& CAdoRecordset::GetField(int position)
{
    m_field.m_column = m_open && position >= 0 && position < static_cast<int>(m_columns.size()) ? position : -1;
    return m_field;
}

const CAdoRecordset::Column* CAdoRecordset::column(int position) const
{
    return position >= 0 && position < static_cast<int>(m_columns.size()) ? &m_columns[static_cast<size_t>(position)]
                                                                          : nullptr;
}

const CAdoRecordset::Column& CAdoRecordset::writableColumn(int position) const
{
    const Column* found = column(position);
    if (!found || !onRow() || !m_keyset || m_readOnly || m_rowids.empty() || found->kind == Kind::Computed
        || found->origin.isEmpty()) {
        ADO_RAISE_DETAIL(CAdoException::ValueRefused,
                         m_failure.isEmpty() ? QStringLiteral("This value cannot be changed here.") : m_failure);
    }
    return *found;
}

const CAdoRecordset::Value* CAdoRecordset::cachedValue(int column) const
{
    const size_t index = static_cast<size_t>(column);
    if (m_dirty[index]) {
        return &m_pending[index];
    }
    if (m_pgRows) {
        if (m_pgCurrentRow[index] != m_row) {
            PgRecordset::convert(*this, column);
            m_pgCurrentRow[index] = m_row;
        }
        return &m_pgCurrent[index];
    }
    return &m_cells[static_cast<size_t>(m_row) * m_columns.size() + index];
}

void CAdoRecordset::setValue(int column, Value&& value)
{
    const size_t index = static_cast<size_t>(column);
    if (!m_dirty[index]) {
        m_dirty[index] = 1;
        ++m_dirtyCount;
    }
    m_pending[index] = std::move(value);
}

void CAdoRecordset::Update()
{
    if (!onRow()) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                         m_failure.isEmpty() ? QStringLiteral("There is no current item to write.") : m_failure);
    }
    if (m_dirtyCount == 0) {
        return;
    }
    if (!m_keyset || m_rowids.empty() || m_readOnly) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("These rows cannot be written."));
    }
    if (!alive()) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("The catalog is not open."));
    }
    if (PgSession* pg = m_connection->postgres()) {
        PgRecordset::update(*this, *pg);
    } else {
        SqliteRecordset::update(*this, m_connection->handle());
    }
    const size_t row = static_cast<size_t>(m_row) * m_columns.size();
    for (size_t c = 0; c < m_dirty.size(); ++c) {
        if (m_dirty[c]) {
            m_cells[row + c] = std::move(m_pending[c]);
            m_dirty[c] = 0;
        }
    }
    m_dirtyCount = 0;
}

void CAdoRecordset::Close() noexcept
{
    m_stmt.reset();
    m_update.reset();
    m_updateColumns.clear();
    m_open = false;
    m_cached = false;
    m_onRow = false;
    m_count = -1;
    m_columns.clear();
    m_pgRows.reset();
    m_pgFields.clear();
    m_pgTypes.clear();
    m_pgCurrent.clear();
    m_pgCurrentRow.clear();
    m_cells.clear();
    m_rowids.clear();
    m_table.clear();
    m_keyColumn.clear();
    m_rows = 0;
    m_row = 0;
    m_pending.clear();
    m_dirty.clear();
    m_dirtyCount = 0;
    m_field.m_column = -1;
    m_connection.reset();
    m_generation = 0;
    m_failure.clear();
}
