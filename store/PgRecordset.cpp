#include "store/PgRecordset.h"

#include "store/AdoDetail.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "store/CAdoRecordset.h"
#include "store/PgDialect.h"
#include "store/PgSession.h"
#include "store/PgWriteBatch.h"
#include "store/SelectText.h"

#include <charconv>

using ado_detail::SharedConnection;

namespace
{
// One value of a result as the layer keeps it: whole numbers and truth
// values as integers, other numbers as reals, the rest as text.
template <typename Value>
void readValue(const PGresult* rows, int row, int field, Oid type, Value& value)
{
    if (PQgetisnull(rows, row, field)) {
        value.type = SQLITE_NULL;
        return;
    }
    const char* text = PQgetvalue(rows, row, field);
    const int length = PQgetlength(rows, row, field);
    switch (type) {
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
} // namespace

bool PgRecordset::open(CAdoRecordset& rs, PgSession& session)
{
    QByteArray sql = PgDialect::translate(rs.m_sql);
    // A keyset set of one table reads each row's key in front of its columns.
    const PgSession::Table* keyTable = nullptr;
    if (rs.m_keyset) {
        const qsizetype at = SelectText::rowidInsertPosition(sql);
        const QByteArray table = at >= 0 ? SelectText::tableOfSelect(sql) : QByteArray();
        keyTable = table.isEmpty() ? nullptr : session.tableNamed(table);
        if (keyTable && keyTable->keyColumn > 0) {
            rs.m_keyColumn = keyTable->columns[static_cast<size_t>(keyTable->keyColumn - 1)].quoted;
            rs.m_table = keyTable->quotedName;
            sql = sql.left(at) + ' ' + rs.m_keyColumn + ", " + sql.mid(at);
            if (!rs.m_readOnly && session.inTransaction()) {
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
    PgSession::Result result = session.exec(sql, error);
    if (!result) {
        rs.m_connection->noteError(error);
        return false;
    }
    PGresult* rows = result.get();
    if (PQresultStatus(rows) != PGRES_TUPLES_OK) {
        rs.m_count = 0;
        return true;
    }

    // The columns: the row key (first, when asked for) is the set's own, and
    // a row key that "*" brings along is hidden.
    const int fields = PQnfields(rows);
    std::vector<int> sources;
    std::vector<Oid> types;
    rs.m_columns.clear();
    for (int f = keyTable ? 1 : 0; f < fields; ++f) {
        const PgSession::Table* table = session.table(PQftable(rows, f));
        const int number = PQftablecol(rows, f);
        const PgSession::Attribute* attribute = table && number > 0 && number <= static_cast<int>(table->columns.size())
                                                    ? &table->columns[static_cast<size_t>(number - 1)]
                                                    : nullptr;
        if (table && number == table->keyColumn && number > 0) {
            continue;
        }
        CAdoRecordset::Column& column = rs.m_columns.emplace_back();
        column.name = PgDialect::columnName(PQfname(rows, f));
        if (attribute && attribute->present) {
            column.kind = attribute->kind;
            column.maxChars = attribute->maxChars;
            if (!keyTable || table == keyTable) {
                column.origin = attribute->quoted;
                column.serverType = attribute->type;
            }
        }
        sources.push_back(f);
        types.push_back(PQftype(rows, f));
    }

    const int count = PQntuples(rows);
    rs.m_cached = true;
    if (!keyTable && !rs.m_keyset) {
        // Nothing is written back: the values stay as sent until read.
        rs.finishRows();
        rs.m_rows = count;
        rs.m_pgFields = std::move(sources);
        rs.m_pgTypes.assign(types.begin(), types.end());
        rs.m_pgCurrent.assign(rs.m_columns.size(), CAdoRecordset::Value());
        rs.m_pgCurrentRow.assign(rs.m_columns.size(), -1);
        PGresult* kept = result.release();
        rs.m_pgRows = std::shared_ptr<pg_result>(kept, PQclear);
        return true;
    }
    if (keyTable) {
        rs.m_rowids.reserve(static_cast<size_t>(count));
    }
    for (int r = 0; r < count; ++r) {
        if (keyTable) {
            const char* key = PQgetvalue(rows, r, 0);
            qint64 id = 0;
            std::from_chars(key, key + PQgetlength(rows, r, 0), id);
            rs.m_rowids.push_back(id);
        }
        for (size_t c = 0; c < sources.size(); ++c) {
            readValue(rows, r, sources[c], types[c], rs.m_cells.append());
        }
    }
    rs.finishRows();
    return true;
}

void PgRecordset::convert(const CAdoRecordset& rs, int column)
{
    const size_t index = static_cast<size_t>(column);
    readValue(rs.m_pgRows.get(), static_cast<int>(rs.m_row), rs.m_pgFields[index], rs.m_pgTypes[index],
              rs.m_pgCurrent[index]);
}

void PgRecordset::update(CAdoRecordset& rs, PgSession& session)
{
    // The values set, as text the server reads as the column's type; null
    // for a missing value.
    std::vector<QByteArray> texts;
    texts.reserve(static_cast<size_t>(rs.m_dirtyCount) + 1);
    std::vector<const QByteArray*> values;
    std::vector<PgWriteBatch::Target> targets;
    bool holdable = session.inTransaction() && !session.transactionFailed();
    char buffer[32];
    for (size_t c = 0; c < rs.m_dirty.size(); ++c) {
        if (!rs.m_dirty[c]) {
            continue;
        }
        const CAdoRecordset::Column& column = rs.m_columns[c];
        targets.push_back({column.origin, column.serverType});
        holdable = holdable && !column.serverType.isEmpty();
        const CAdoRecordset::Value& value = rs.m_pending[c];
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
            values.push_back(nullptr);
            continue;
        }
        values.push_back(&texts.back());
    }
    // texts never reallocates: reserved above for every value and the key.
    const qint64 key = rs.m_rowids[static_cast<size_t>(rs.m_row)];

    if (holdable) {
        // The row is locked since the set was read (FOR UPDATE): held, its
        // write lands as surely as now, and with the rest of the pass.
        PgWriteBatch& held = session.heldWrites();
        QString error;
        if ((!held.fits(rs.m_table, rs.m_keyColumn, targets) || held.holds(key)) && !session.sendHeldWrites(error)) {
            refused(rs, error);
        }
        held.add(rs.m_table, rs.m_keyColumn, targets, key, values);
        if (held.size() >= PgWriteBatch::Limit && !session.sendHeldWrites(error)) {
            refused(rs, error);
        }
        return;
    }

    QByteArray sql = "UPDATE " + rs.m_table + " SET ";
    std::vector<const char*> params;
    for (size_t i = 0; i < targets.size(); ++i) {
        sql += (i ? ", " : "") + targets[i].quoted + " = $" + QByteArray::number(static_cast<int>(i) + 1);
        params.push_back(values[i] ? values[i]->constData() : nullptr);
    }
    sql += " WHERE " + rs.m_keyColumn + " = $" + QByteArray::number(static_cast<int>(params.size()) + 1);
    texts.emplace_back(QByteArray::number(key));
    params.push_back(texts.back().constData());

    QString error;
    const PgSession::Result result = session.exec(sql, error, params);
    if (!result) {
        refused(rs, error);
    }
    if (qstrcmp(PQcmdTuples(result.get()), "0") == 0) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, QStringLiteral("The item no longer exists in the catalog."));
    }
}

void PgRecordset::refused(CAdoRecordset& rs, const QString& error)
{
    rs.m_connection->noteError(error);
    ADO_RAISE_DETAIL(CAdoException::CannotWrite, SharedConnection::sentence(error));
}
