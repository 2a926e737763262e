#include "store/postgres/PgKeysetRows.h"

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/access/FailureText.h"
#include "store/access/SelectText.h"
#include "store/postgres/PgConnection.h"
#include "store/postgres/PgDialect.h"
#include "store/postgres/PgResultRows.h"
#include "store/postgres/PgSession.h"
#include "store/postgres/PgWriteBatch.h"

#include <charconv>
#include <optional>

using ado_detail::Column;
using ado_detail::SharedConnection;
using ado_detail::Value;

namespace
{
// sql reading the row key of table in front of its columns at position at;
// locked for the transaction when it is to be written.
QByteArray withRowKey(const QByteArray& sql, qsizetype at, const QByteArray& keyColumn, bool lock)
{
    QByteArray keyed = sql.left(at) + ' ' + keyColumn + ", " + sql.mid(at);
    if (lock) {
        // The rows a pass means to write are its own until it ends, as the
        // whole file is on SQLite: another program's change to one of them
        // waits, and then lands after the pass.
        keyed = keyed.trimmed();
        while (keyed.endsWith(';')) {
            keyed.chop(1);
        }
        keyed += " FOR UPDATE";
    }
    return keyed;
}

// The columns of a result: the row key (first, when keyed) is the set's own,
// and a row key that "*" brings along is hidden. sources and types get the
// result's field and type behind each column.
std::vector<Column> columnsOf(PgSession& session, const PGresult* rows, const PgSession::Table* keyTable,
                              std::vector<int>& sources, std::vector<Oid>& types)
{
    std::vector<Column> columns;
    const int fields = PQnfields(rows);
    for (int f = keyTable ? 1 : 0; f < fields; ++f) {
        const PgSession::Table* table = session.table(PQftable(rows, f));
        const int number = PQftablecol(rows, f);
        const PgSession::Attribute* attribute = table && number > 0 && number <= static_cast<int>(table->columns.size())
                                                    ? &table->columns[static_cast<size_t>(number - 1)]
                                                    : nullptr;
        if (table && number == table->keyColumn && number > 0) {
            continue;
        }
        Column& column = columns.emplace_back();
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
    return columns;
}

// A value set, as text the server reads as the column's type; null for a
// missing value.
std::optional<QByteArray> serverText(const Value& value)
{
    switch (value.type) {
    case Value::Integer:
        return QByteArray::number(value.integer);
    case Value::Real: {
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value.real);
        return QByteArray(buffer, written.ptr - buffer);
    }
    case Value::Text:
        return value.text.toUtf8();
    default:
        return std::nullopt;
    }
}
} // namespace

PgKeysetRows::PgKeysetRows(SharedConnection& owner, std::vector<Column> columns, QByteArray table, QByteArray keyColumn)
    : CachedRows(std::move(columns))
    , m_owner(owner)
    , m_table(std::move(table))
    , m_keyColumn(std::move(keyColumn))
{
}

// The values as libpq takes them: a null pointer for NULL.
static std::vector<const char*> parameterTexts(const std::vector<std::optional<QByteArray>>& values)
{
    std::vector<const char*> texts;
    texts.reserve(values.size());
    for (const std::optional<QByteArray>& value : values) {
        texts.push_back(value ? value->constData() : nullptr);
    }
    return texts;
}

std::unique_ptr<IRowSource> PgKeysetRows::query(SharedConnection& owner, PgSession& session, const QByteArray& sql,
                                                const std::vector<SqlValue>& parameters, bool keyset, bool readOnly)
{
    QByteArray text;
    std::vector<std::optional<QByteArray>> values;
    if (!PgConnection::serverStatement(owner, sql, parameters, text, values)) {
        return nullptr;
    }
    const std::vector<const char*> params = parameterTexts(values);
    // A keyset set of one table reads each row's key in front of its columns.
    const PgSession::Table* keyTable = nullptr;
    if (keyset) {
        const qsizetype at = SelectText::rowidInsertPosition(text);
        const QByteArray table = at >= 0 ? SelectText::tableOfSelect(text) : QByteArray();
        keyTable = table.isEmpty() ? nullptr : session.tableNamed(table);
        if (keyTable && keyTable->keyColumn > 0) {
            const QByteArray& keyColumn = keyTable->columns[static_cast<size_t>(keyTable->keyColumn - 1)].quoted;
            text = withRowKey(text, at, keyColumn, !readOnly && session.inTransaction());
        } else {
            keyTable = nullptr;
        }
    }
    QString error;
    PgSession::Result result = session.exec(text, error, params);
    if (!result) {
        owner.noteError(error, session.lastKind());
        return nullptr;
    }
    const PGresult* rows = result.get();
    std::vector<int> sources;
    std::vector<Oid> types;
    std::vector<Column> columns;
    if (PQresultStatus(rows) == PGRES_TUPLES_OK) {
        columns = columnsOf(session, rows, keyTable, sources, types);
    }
    if (!keyset && PQresultStatus(rows) == PGRES_TUPLES_OK) {
        // Nothing is written back: the values stay as sent until read.
        return std::make_unique<PgResultRows>(std::move(columns), std::shared_ptr<PGresult>(result.release(), PQclear),
                                              std::move(sources), std::move(types));
    }
    QByteArray keyColumn =
        keyTable ? keyTable->columns[static_cast<size_t>(keyTable->keyColumn - 1)].quoted : QByteArray();
    auto cached = std::make_unique<PgKeysetRows>(owner, std::move(columns),
                                                 keyTable ? keyTable->quotedName : QByteArray(), std::move(keyColumn));
    const int count = PQresultStatus(rows) == PGRES_TUPLES_OK ? PQntuples(rows) : 0;
    if (keyTable) {
        cached->reserveKeys(static_cast<size_t>(count));
    }
    for (int r = 0; r < count; ++r) {
        if (keyTable) {
            const char* key = PQgetvalue(rows, r, 0);
            qint64 id = 0;
            std::from_chars(key, key + PQgetlength(rows, r, 0), id);
            cached->appendKey(id);
        }
        for (size_t c = 0; c < sources.size(); ++c) {
            PgResultRows::readValue(rows, r, sources[c], types[c], cached->appendValue());
        }
    }
    cached->finish(keyTable != nullptr);
    return cached;
}

void PgKeysetRows::refused(const QString& error, CAdoException::Kind kind)
{
    m_owner.noteError(error, kind);
    ADO_RAISE_KIND(CAdoException::CannotWrite, SharedConnection::sentence(error), kind);
}

void PgKeysetRows::writeRow(IConnectionBackend& engine, qint64 key, const std::vector<int>& columns,
                            const std::vector<Value>& values)
{
    PgSession& session = static_cast<PgConnection&>(engine).session();
    // texts never reallocates: reserved for every value and the key.
    std::vector<QByteArray> texts;
    texts.reserve(values.size() + 1);
    std::vector<const QByteArray*> params;
    std::vector<PgWriteBatch::Target> targets;
    bool holdable = session.inTransaction() && !session.transactionFailed();
    for (size_t i = 0; i < columns.size(); ++i) {
        const Column& column = this->columns()[static_cast<size_t>(columns[i])];
        targets.push_back({column.origin, column.serverType});
        holdable = holdable && !column.serverType.isEmpty();
        std::optional<QByteArray> text = serverText(values[i]);
        if (text) {
            texts.push_back(std::move(*text));
            params.push_back(&texts.back());
        } else {
            params.push_back(nullptr);
        }
    }

    if (holdable) {
        // The row is locked since the set was read (FOR UPDATE): held, its
        // write lands as surely as now, and with the rest of the pass.
        PgWriteBatch& held = session.heldWrites();
        QString error;
        if ((!held.fits(m_table, m_keyColumn, targets) || held.holds(key)) && !session.sendHeldWrites(error)) {
            refused(error, session.lastKind());
        }
        held.add(m_table, m_keyColumn, targets, key, params);
        if (held.size() >= PgWriteBatch::Limit && !session.sendHeldWrites(error)) {
            refused(error, session.lastKind());
        }
        return;
    }

    QByteArray sql = "UPDATE " + m_table + " SET ";
    std::vector<const char*> raw;
    for (size_t i = 0; i < targets.size(); ++i) {
        sql += (i ? ", " : "") + targets[i].quoted + " = $" + QByteArray::number(static_cast<int>(i) + 1);
        raw.push_back(params[i] ? params[i]->constData() : nullptr);
    }
    sql += " WHERE " + m_keyColumn + " = $" + QByteArray::number(static_cast<int>(raw.size()) + 1);
    texts.push_back(QByteArray::number(key));
    raw.push_back(texts.back().constData());

    QString error;
    const PgSession::Result result = session.exec(sql, error, raw);
    if (!result) {
        refused(error, session.lastKind());
    }
    if (qstrcmp(PQcmdTuples(result.get()), "0") == 0) {
        ADO_RAISE_KIND(CAdoException::CannotWrite, FailureText::itemGone(), CAdoException::Kind::Gone);
    }
}
