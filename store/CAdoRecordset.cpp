#include "store/CAdoRecordset.h"

#include "store/AdoDetail.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"

#include <cctype>
#include <initializer_list>

namespace
{
bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (static_cast<unsigned char>(c) & 0x80);
}

// The words of sql outside quotes, brackets and comments, upper-cased, in
// order.
std::vector<QByteArray> sqlWords(const QByteArray& sql)
{
    std::vector<QByteArray> words;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = sql[i];
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : c;
            ++i;
            while (i < n && sql[i] != close) {
                ++i;
            }
            ++i;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') {
                ++i;
            }
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const qsizetype end = sql.indexOf("*/", i + 2);
            i = end < 0 ? n : end + 2;
        } else if (isWordChar(c)) {
            const qsizetype start = i;
            while (i < n && isWordChar(sql[i])) {
                ++i;
            }
            words.push_back(sql.mid(start, i - start).toUpper());
        } else {
            ++i;
        }
    }
    return words;
}

// Where "rowid, " goes into a plain single-table SELECT so that every row
// comes with its rowid; -1 when the statement is of another shape.
qsizetype rowidInsertPosition(const QByteArray& sql)
{
    const std::vector<QByteArray> words = sqlWords(sql);
    if (words.size() < 2 || words[0] != "SELECT" || words[1] == "DISTINCT" || words[1] == "ALL") {
        return -1;
    }
    for (const QByteArray& word : words) {
        if (word == "GROUP" || word == "UNION" || word == "INTERSECT" || word == "EXCEPT" || word == "JOIN"
            || word == "DISTINCT" || word == "WITH") {
            return -1;
        }
    }
    qsizetype i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) {
        ++i;
    }
    if (sql.mid(i, 6).toUpper() != "SELECT") {
        return -1;
    }
    return i + 6;
}

QByteArray quotedIdentifier(const char* name)
{
    QByteArray quoted(name);
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

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
    if (!shared || !shared->handle) {
        if (shared) {
            shared->noteError(QStringLiteral("the catalog is not open"));
        }
        return false;
    }
    try {
        m_connection = shared;
        m_generation = shared->generation;
        m_keyset = cursorType >= adOpenKeyset;
        m_readOnly = !m_keyset || lockType == adLockReadOnly;
        m_sql = sql.toUtf8();
        if (!openStatement(m_sql, shared->handle, m_keyset)) {
            Close();
            return false;
        }
        m_open = true;
        return true;
    } catch (...) {
        Close();
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
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK) {
        failed(db);
        return false;
    }
    if (!stmt) {
        m_connection->noteError(QStringLiteral("the statement is empty"));
        return false;
    }
    // One statement per open: text after it must hold no second one.
    const char* end = sql.constData() + sql.size();
    while (tail && tail < end) {
        sqlite3_stmt* extra = nullptr;
        const char* next = nullptr;
        const int prepared = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &extra, &next);
        if (prepared != SQLITE_OK || extra) {
            sqlite3_finalize(extra);
            sqlite3_finalize(stmt);
            m_connection->noteError(QStringLiteral("only one statement can be run at a time"));
            return false;
        }
        if (next == tail) {
            break;
        }
        tail = next;
    }

    const int columnCount = sqlite3_column_count(stmt);
    if (columnCount == 0) {
        // A statement without result rows: run it, its success is the result.
        int step = SQLITE_ROW;
        while (step == SQLITE_ROW) {
            step = sqlite3_step(stmt);
        }
        if (step != SQLITE_DONE) {
            failed(db);
        }
        sqlite3_finalize(stmt);
        m_count = 0;
        return step == SQLITE_DONE;
    }

    if (!keyset) {
        readColumns(stmt, 0);
        m_stmt = stmt;
        const int step = sqlite3_step(stmt);
        if (step != SQLITE_ROW && step != SQLITE_DONE) {
            failed(db);
            return false;
        }
        m_onRow = step == SQLITE_ROW;
        return true;
    }

    // Keyset: every row at once, each with its rowid when the statement is a
    // plain SELECT of one table.
    sqlite3_stmt* withRowid = nullptr;
    if (prepareKeyset(db, sql, &withRowid)) {
        sqlite3_finalize(stmt);
        stmt = withRowid;
    }
    const int first = withRowid ? 1 : 0;
    const int readCount = sqlite3_column_count(stmt);
    if (withRowid) {
        m_table = quotedIdentifier(sqlite3_column_database_name(stmt, 0)) + '.'
                  + quotedIdentifier(sqlite3_column_table_name(stmt, 0));
    }
    readColumns(stmt, first);
    const size_t width = m_columns.size();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (withRowid) {
            m_rowids.push_back(sqlite3_column_int64(stmt, 0));
        }
        for (int c = first; c < readCount; ++c) {
            readValue(stmt, c, m_cells.append());
        }
    }
    if (step != SQLITE_DONE) {
        failed(db);
        sqlite3_finalize(stmt);
        return false;
    }
    sqlite3_finalize(stmt);
    m_rows = static_cast<long>(m_cells.size() / width);
    m_row = 0;
    m_pending.assign(width, Value());
    m_dirty.assign(width, 0);
    return true;
}

bool CAdoRecordset::prepareKeyset(sqlite3* db, const QByteArray& sql, sqlite3_stmt** stmt)
{
    *stmt = nullptr;
    const qsizetype at = rowidInsertPosition(sql);
    if (at < 0) {
        return false;
    }
    const QByteArray rewritten = sql.left(at) + " rowid, " + sql.mid(at);
    sqlite3_stmt* candidate = nullptr;
    if (sqlite3_prepare_v2(db, rewritten.constData(), static_cast<int>(rewritten.size()), &candidate, nullptr)
            != SQLITE_OK
        || !candidate) {
        sqlite3_finalize(candidate);
        return false;
    }
    const char* table = sqlite3_column_table_name(candidate, 0);
    const char* database = sqlite3_column_database_name(candidate, 0);
    if (!table || !database) {
        sqlite3_finalize(candidate);
        return false;
    }
    *stmt = candidate;
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
        column.origin = origin;
        const QByteArray declared = QByteArray(sqlite3_column_decltype(stmt, i)).trimmed().toLower();
        if (declared.isEmpty()) {
            column.kind = Kind::Untyped;
        } else if (declared.startsWith("bit") || declared == "bool" || declared == "boolean") {
            column.kind = Kind::Bit;
        } else if (declared.contains("char") || declared.contains("clob") || declared.contains("text")) {
            column.kind = Kind::Text;
            const qsizetype open = declared.indexOf('(');
            const qsizetype close = declared.indexOf(')', open);
            if (open >= 0 && close > open) {
                bool ok = false;
                const int width = declared.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
                column.maxChars = ok && width > 0 ? width : -1;
            }
        } else if (declared.contains("smallint") || declared.contains("tinyint")) {
            column.kind = Kind::SmallInt;
        } else if (declared.contains("bigint")) {
            column.kind = Kind::Int64;
        } else if (declared.contains("int")) {
            column.kind = Kind::Int32;
        } else if (declared.contains("real") || declared.contains("floa") || declared.contains("doub")
                   || declared.contains("numeric") || declared.contains("decimal")) {
            column.kind = Kind::Real;
        } else {
            column.kind = Kind::Untyped;
        }
    }
}

bool CAdoRecordset::alive() const
{
    return m_connection && m_connection->handle && m_connection->generation == m_generation;
}

bool CAdoRecordset::onRow() const
{
    if (!m_open) {
        return false;
    }
    return m_keyset ? m_row < m_rows : m_onRow && alive();
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
    if (m_keyset) {
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
    const int step = sqlite3_step(m_stmt);
    m_onRow = step == SQLITE_ROW;
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        failed(m_connection->handle);
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
    if (m_keyset) {
        m_row = 0;
        return m_rows > 0;
    }
    if (!m_stmt || !alive()) {
        m_onRow = false;
        return false;
    }
    sqlite3_reset(m_stmt);
    m_onRow = sqlite3_step(m_stmt) == SQLITE_ROW;
    return m_onRow;
}

bool CAdoRecordset::MoveLast()
{
    if (!m_open) {
        return false;
    }
    dropPending();
    if (m_keyset) {
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
    sqlite3_reset(m_stmt);
    long rows = 0;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(m_stmt)) == SQLITE_ROW) {
        ++rows;
    }
    sqlite3_reset(m_stmt);
    m_onRow = false;
    if (step != SQLITE_DONE || rows == 0) {
        return false;
    }
    m_count = rows;
    for (long i = 0; i < rows; ++i) {
        if (sqlite3_step(m_stmt) != SQLITE_ROW) {
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
    if (m_keyset) {
        return m_rows;
    }
    if (m_count >= 0) {
        return m_count;
    }
    if (!alive()) {
        return -1;
    }
    sqlite3* db = m_connection->handle;
    QByteArray body = m_sql.trimmed();
    while (body.endsWith(';')) {
        body.chop(1);
        body = body.trimmed();
    }
    const QByteArray counting = "SELECT count(*) FROM (" + body + "\n)";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, counting.constData(), static_cast<int>(counting.size()), &stmt, nullptr) == SQLITE_OK
        && stmt) {
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            m_count = static_cast<long>(sqlite3_column_int64(stmt, 0));
        }
        sqlite3_finalize(stmt);
        return m_count;
    }
    sqlite3_finalize(stmt);
    // Not countable as a subquery: run the statement a second time.
    stmt = nullptr;
    if (sqlite3_prepare_v2(db, m_sql.constData(), static_cast<int>(m_sql.size()), &stmt, nullptr) == SQLITE_OK
        && stmt) {
        long rows = 0;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
            ++rows;
        }
        if (step == SQLITE_DONE) {
            m_count = rows;
        }
    }
    sqlite3_finalize(stmt);
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
    if (!found || !onRow() || !m_keyset || m_readOnly || m_rowids.empty() || found->kind == Kind::Computed) {
        ADO_RAISE_DETAIL(CAdoException::ValueRefused, QStringLiteral("This value cannot be changed here."));
    }
    return *found;
}

const CAdoRecordset::Value* CAdoRecordset::cachedValue(int column) const
{
    const size_t index = static_cast<size_t>(column);
    if (m_dirty[index]) {
        return &m_pending[index];
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
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("There is no current item to write."));
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
    sqlite3* db = m_connection->handle;

    bool sameColumns = m_update && static_cast<int>(m_updateColumns.size()) == m_dirtyCount;
    if (sameColumns) {
        for (const int c : m_updateColumns) {
            if (!m_dirty[static_cast<size_t>(c)]) {
                sameColumns = false;
                break;
            }
        }
    }
    if (!sameColumns) {
        sqlite3_finalize(m_update);
        m_update = nullptr;
        m_updateColumns.clear();
        QByteArray sql = "UPDATE " + m_table + " SET ";
        for (size_t c = 0; c < m_dirty.size(); ++c) {
            if (m_dirty[c]) {
                if (!m_updateColumns.empty()) {
                    sql += ", ";
                }
                sql += quotedIdentifier(m_columns[c].origin.constData()) + " = ?";
                m_updateColumns.push_back(static_cast<int>(c));
            }
        }
        sql += " WHERE rowid = ?";
        if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &m_update, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_update);
            m_update = nullptr;
            m_updateColumns.clear();
            failed(db);
            ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::message(db));
        }
    }

    int parameter = 1;
    for (const int c : m_updateColumns) {
        const Value& value = m_pending[static_cast<size_t>(c)];
        switch (value.type) {
        case SQLITE_INTEGER:
            sqlite3_bind_int64(m_update, parameter, value.integer);
            break;
        case SQLITE_FLOAT:
            sqlite3_bind_double(m_update, parameter, value.real);
            break;
        case SQLITE_TEXT:
            sqlite3_bind_text16(m_update, parameter, value.text.utf16(),
                                static_cast<int>(value.text.size() * 2), SQLITE_STATIC);
            break;
        default:
            sqlite3_bind_null(m_update, parameter);
            break;
        }
        ++parameter;
    }
    sqlite3_bind_int64(m_update, parameter, m_rowids[static_cast<size_t>(m_row)]);
    const int step = sqlite3_step(m_update);
    sqlite3_reset(m_update);
    if (step != SQLITE_DONE) {
        sqlite3_clear_bindings(m_update);
        failed(db);
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::message(db));
    }
    if (sqlite3_changes(db) == 0) {
        sqlite3_clear_bindings(m_update);
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("The item no longer exists in the catalog."));
    }
    const size_t row = static_cast<size_t>(m_row) * m_columns.size();
    for (const int c : m_updateColumns) {
        m_cells[row + static_cast<size_t>(c)] = std::move(m_pending[static_cast<size_t>(c)]);
        m_dirty[static_cast<size_t>(c)] = 0;
    }
    m_dirtyCount = 0;
}

void CAdoRecordset::Close() noexcept
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    sqlite3_finalize(m_update);
    m_update = nullptr;
    m_updateColumns.clear();
    m_open = false;
    m_onRow = false;
    m_count = -1;
    m_columns.clear();
    m_cells.clear();
    m_rowids.clear();
    m_table.clear();
    m_rows = 0;
    m_row = 0;
    m_pending.clear();
    m_dirty.clear();
    m_dirtyCount = 0;
    m_field.m_column = -1;
    m_connection.reset();
    m_generation = 0;
}
