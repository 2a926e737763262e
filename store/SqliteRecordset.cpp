#include "store/SqliteRecordset.h"

#include "store/AdoDetail.h"
#include "store/CAdoException.h"
#include "store/CAdoRecordset.h"

using ado_detail::SharedConnection;

void SqliteRecordset::update(CAdoRecordset& rs, sqlite3* db)
{
    bool sameColumns = rs.m_update && static_cast<int>(rs.m_updateColumns.size()) == rs.m_dirtyCount;
    if (sameColumns) {
        for (const int c : rs.m_updateColumns) {
            if (!rs.m_dirty[static_cast<size_t>(c)]) {
                sameColumns = false;
                break;
            }
        }
    }
    if (!sameColumns) {
        rs.m_update.reset();
        rs.m_updateColumns.clear();
        QByteArray sql = "UPDATE " + rs.m_table + " SET ";
        for (size_t c = 0; c < rs.m_dirty.size(); ++c) {
            if (rs.m_dirty[c]) {
                if (!rs.m_updateColumns.empty()) {
                    sql += ", ";
                }
                sql += rs.m_columns[c].origin + " = ?";
                rs.m_updateColumns.push_back(static_cast<int>(c));
            }
        }
        sql += " WHERE rowid = ?";
        if (ado_detail::prepareSingle(db, sql, rs.m_update) != SQLITE_OK) {
            rs.m_updateColumns.clear();
            rs.failed(db);
            ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::message(db));
        }
    }

    sqlite3_stmt* update = rs.m_update.get();
    int parameter = 1;
    for (const int c : rs.m_updateColumns) {
        const CAdoRecordset::Value& value = rs.m_pending[static_cast<size_t>(c)];
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
    sqlite3_bind_int64(update, parameter, rs.m_rowids[static_cast<size_t>(rs.m_row)]);
    const int step = sqlite3_step(update);
    sqlite3_reset(update);
    sqlite3_clear_bindings(update);
    if (step != SQLITE_DONE) {
        rs.failed(db);
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::message(db));
    }
    if (sqlite3_changes(db) == 0) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("The item no longer exists in the catalog."));
    }
}
