#include "store/CAdoRecordset.h"

#include "store/AdoDetail.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "store/PgDialect.h"
#include "store/PgSession.h"

#include <cctype>
#include <charconv>
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

// The table named after the first FROM of a plain SELECT; empty when the
// statement names none.
QByteArray tableOfSelect(const QByteArray& sql)
{
    const std::vector<QByteArray> words = sqlWords(sql);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == "FROM") {
            // sqlWords gives upper case; take the spelling from the text.
            const qsizetype at = sql.toUpper().indexOf(words[i + 1], sql.toUpper().indexOf("FROM"));
            return at < 0 ? QByteArray() : sql.mid(at, words[i + 1].size());
        }
    }
    return {};
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
        const bool opened = pg ? openPostgres(*pg) : openStatement(m_sql, shared->handle(), m_keyset);
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
        m_table = quotedIdentifier(sqlite3_column_database_name(stmt.get(), 0)) + '.'
                  + quotedIdentifier(sqlite3_column_table_name(stmt.get(), 0));
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

bool CAdoRecordset::openPostgres(PgSession& session)
{
    QByteArray sql = PgDialect::translate(m_sql);
    // A keyset set of one table reads each row's key in front of its columns.
    const PgSession::Table* keyTable = nullptr;
    if (m_keyset) {
        const qsizetype at = rowidInsertPosition(sql);
        const QByteArray table = at >= 0 ? tableOfSelect(sql) : QByteArray();
        keyTable = table.isEmpty() ? nullptr : session.tableNamed(table);
        if (keyTable && keyTable->keyColumn > 0) {
            m_keyColumn = keyTable->columns[static_cast<size_t>(keyTable->keyColumn - 1)].quoted;
            m_table = keyTable->quotedName;
            sql = sql.left(at) + ' ' + m_keyColumn + ", " + sql.mid(at);
            if (!m_readOnly && session.inTransaction()) {
                // The rows a pass means to write are its own until it ends,
                // as the whole file is on SQLite: another program's change
                // to one of them waits, and then lands after the pass.
                sql = sql.trimmed();
                while (sql.endsWith(';')) {
                    sql.chop(1);
                }
                sql += " FOR UPDATE";
            }
        } else {
            keyTable = nullptr;
        }
    }
    QString error;
    const PgSession::Result result = session.exec(sql, error);
    if (!result) {
        m_connection->noteError(error);
        return false;
    }
    PGresult* rows = result.get();
    if (PQresultStatus(rows) != PGRES_TUPLES_OK) {
        m_count = 0;
        return true;
    }

    // The columns: the row key (first, when asked for) is the set's own, and
    // a row key that "*" brings along is hidden.
    const int fields = PQnfields(rows);
    std::vector<int> sources;
    std::vector<Oid> types;
    m_columns.clear();
    for (int f = keyTable ? 1 : 0; f < fields; ++f) {
        const PgSession::Table* table = session.table(PQftable(rows, f));
        const int number = PQftablecol(rows, f);
        const PgSession::Attribute* attribute = table && number > 0 && number <= static_cast<int>(table->columns.size())
                                                    ? &table->columns[static_cast<size_t>(number - 1)]
                                                    : nullptr;
        if (table && number == table->keyColumn && number > 0) {
            continue;
        }
        Column& column = m_columns.emplace_back();
        column.name = PgDialect::columnName(PQfname(rows, f));
        if (attribute && attribute->present) {
            column.kind = attribute->kind;
            column.maxChars = attribute->maxChars;
            if (!keyTable || table == keyTable) {
                column.origin = attribute->quoted;
            }
        }
        sources.push_back(f);
        types.push_back(PQftype(rows, f));
    }

    const int count = PQntuples(rows);
    m_cached = true;
    if (keyTable) {
        m_rowids.reserve(static_cast<size_t>(count));
    }
    for (int r = 0; r < count; ++r) {
        if (keyTable) {
            const char* key = PQgetvalue(rows, r, 0);
            qint64 id = 0;
            std::from_chars(key, key + PQgetlength(rows, r, 0), id);
            m_rowids.push_back(id);
        }
        for (size_t c = 0; c < sources.size(); ++c) {
            const int f = sources[c];
            Value& value = m_cells.append();
            if (PQgetisnull(rows, r, f)) {
                value.type = SQLITE_NULL;
                continue;
            }
            const char* text = PQgetvalue(rows, r, f);
            const int length = PQgetlength(rows, r, f);
            switch (types[c]) {
            case 16: // bool
                value.type = SQLITE_INTEGER;
                value.integer = text[0] == 't' ? 1 : 0;
                break;
            case 20: // int8
            case 21: // int2
            case 23: // int4
            case 26: // oid
                value.type = SQLITE_INTEGER;
                std::from_chars(text, text + length, value.integer);
                break;
            case 700:  // float4
            case 701:  // float8
            case 1700: // numeric
                value.type = SQLITE_FLOAT;
                value.real = QByteArray::fromRawData(text, length).toDouble();
                break;
            default:
                value.type = SQLITE_TEXT;
                value.text = QString::fromUtf8(text, length);
                break;
            }
        }
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
    const qsizetype at = rowidInsertPosition(sql);
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
        column.origin = quotedIdentifier(origin);
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
        updatePostgres(*pg);
    } else {
        updateSqlite(m_connection->handle());
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

void CAdoRecordset::updateSqlite(sqlite3* db)
{
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
        m_update.reset();
        m_updateColumns.clear();
        QByteArray sql = "UPDATE " + m_table + " SET ";
        for (size_t c = 0; c < m_dirty.size(); ++c) {
            if (m_dirty[c]) {
                if (!m_updateColumns.empty()) {
                    sql += ", ";
                }
                sql += m_columns[c].origin + " = ?";
                m_updateColumns.push_back(static_cast<int>(c));
            }
        }
        sql += " WHERE rowid = ?";
        if (ado_detail::prepareSingle(db, sql, m_update) != SQLITE_OK) {
            m_updateColumns.clear();
            failed(db);
            ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::message(db));
        }
    }

    sqlite3_stmt* update = m_update.get();
    int parameter = 1;
    for (const int c : m_updateColumns) {
        const Value& value = m_pending[static_cast<size_t>(c)];
        switch (value.type) {
        case SQLITE_INTEGER:
            sqlite3_bind_int64(update, parameter, value.integer);
            break;
        case SQLITE_FLOAT:
            sqlite3_bind_double(update, parameter, value.real);
            break;
        case SQLITE_TEXT:
            sqlite3_bind_text16(update, parameter, value.text.utf16(), static_cast<int>(value.text.size() * 2),
                                SQLITE_STATIC);
            break;
        default:
            sqlite3_bind_null(update, parameter);
            break;
        }
        ++parameter;
    }
    sqlite3_bind_int64(update, parameter, m_rowids[static_cast<size_t>(m_row)]);
    const int step = sqlite3_step(update);
    sqlite3_reset(update);
    sqlite3_clear_bindings(update);
    if (step != SQLITE_DONE) {
        failed(db);
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::message(db));
    }
    if (sqlite3_changes(db) == 0) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("The item no longer exists in the catalog."));
    }
}

void CAdoRecordset::updatePostgres(PgSession& session)
{
    QByteArray sql = "UPDATE " + m_table + " SET ";
    std::vector<QByteArray> texts;
    texts.reserve(static_cast<size_t>(m_dirtyCount) + 1);
    std::vector<const char*> params;
    char buffer[32];
    for (size_t c = 0; c < m_dirty.size(); ++c) {
        if (!m_dirty[c]) {
            continue;
        }
        if (!params.empty()) {
            sql += ", ";
        }
        sql += m_columns[c].origin + " = $" + QByteArray::number(static_cast<int>(params.size()) + 1);
        const Value& value = m_pending[c];
        switch (value.type) {
        case SQLITE_INTEGER:
            texts.emplace_back(QByteArray::number(value.integer));
            break;
        case SQLITE_FLOAT: {
            const auto written = std::to_chars(buffer, buffer + sizeof buffer, value.real);
            texts.emplace_back(buffer, written.ptr - buffer);
            break;
        }
        case SQLITE_TEXT:
            texts.emplace_back(value.text.toUtf8());
            break;
        default:
            texts.emplace_back();
            params.push_back(nullptr);
            continue;
        }
        params.push_back(texts.back().constData());
    }
    sql += " WHERE " + m_keyColumn + " = $" + QByteArray::number(static_cast<int>(params.size()) + 1);
    texts.emplace_back(QByteArray::number(m_rowids[static_cast<size_t>(m_row)]));
    params.push_back(texts.back().constData());
    // texts never reallocates: reserved above for every value and the key.

    QString error;
    const PgSession::Result result = session.exec(sql, error, params);
    if (!result) {
        m_connection->noteError(error);
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::sentence(error));
    }
    if (qstrcmp(PQcmdTuples(result.get()), "0") == 0) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("The item no longer exists in the catalog."));
    }
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
