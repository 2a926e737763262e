#include "store/sqlite/SqliteDetail.h"

#include "store/access/AdoDetail.h"

namespace sqlite_detail
{
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

int bindValue(sqlite3_stmt* stmt, int parameter, const SqlValue& value)
{
    switch (value.type()) {
    case SqlValue::Type::Null:
        return sqlite3_bind_null(stmt, parameter);
    case SqlValue::Type::Integer:
        return sqlite3_bind_int64(stmt, parameter, value.toInteger());
    case SqlValue::Type::Real:
        return sqlite3_bind_double(stmt, parameter, value.toReal());
    case SqlValue::Type::Text: {
        const QByteArray utf8 = value.toText().toUtf8();
        return sqlite3_bind_text64(stmt, parameter, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                   SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    case SqlValue::Type::Blob:
        return sqlite3_bind_blob64(stmt, parameter, value.toBlob().constData(),
                                   static_cast<sqlite3_uint64>(value.toBlob().size()), SQLITE_TRANSIENT);
    }
    return SQLITE_MISUSE;
}

int bindAll(sqlite3_stmt* stmt, const std::vector<SqlValue>& parameters)
{
    if (sqlite3_bind_parameter_count(stmt) != static_cast<int>(parameters.size())) {
        return SQLITE_RANGE;
    }
    for (size_t i = 0; i < parameters.size(); ++i) {
        const int bound = bindValue(stmt, static_cast<int>(i) + 1, parameters[i]);
        if (bound != SQLITE_OK) {
            return bound;
        }
    }
    return SQLITE_OK;
}

QString message(sqlite3* db)
{
    return ado_detail::SharedConnection::sentence(QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
}
CAdoException::Kind kindOfCode(int code)
{
    using Kind = CAdoException::Kind;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Kind::Locked;
    case SQLITE_READONLY:
        return Kind::ReadOnly;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Kind::NoPermission;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Kind::Corrupt;
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        return Kind::Invalid;
    default:
        return Kind::Other;
    }
}

CAdoException::Kind kindOf(sqlite3* db)
{
    return db ? kindOfCode(sqlite3_extended_errcode(db)) : CAdoException::Kind::Other;
}

ado_detail::ValueView viewOf(sqlite3_stmt* stmt, int column)
{
    using ado_detail::Value;
    ado_detail::ValueView view;
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        view.type = Value::Integer;
        view.integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        view.type = Value::Real;
        view.real = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT:
        view.type = Value::Text;
        view.utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        view.size = sqlite3_column_bytes(stmt, column);
        break;
    case SQLITE_BLOB:
        view.type = Value::Text;
        view.utf8 = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        view.size = sqlite3_column_bytes(stmt, column);
        break;
    default:
        break;
    }
    return view;
}
} // namespace sqlite_detail
