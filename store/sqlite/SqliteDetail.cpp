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

QString message(sqlite3* db)
{
    return ado_detail::SharedConnection::sentence(QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
}
} // namespace sqlite_detail
