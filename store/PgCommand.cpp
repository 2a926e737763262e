#include "store/PgCommand.h"

#include "store/PgDialect.h"

#include <charconv>

PgCommand::PgCommand(const QByteArray& sql)
{
    int count = 0;
    m_sql = PgDialect::numberParameters(PgDialect::translate(sql), count);
    m_params.resize(static_cast<size_t>(count));
    const QByteArray trimmed = sql.trimmed();
    const qsizetype space = trimmed.indexOf(' ');
    const QByteArray first = (space < 0 ? trimmed : trimmed.left(space)).toUpper();
    m_writes = first != "SELECT" && first != "WITH" && first != "VALUES";
}

bool PgCommand::bind(int parameter, const SqlValue& value)
{
    if (parameter < 1 || parameter > static_cast<int>(m_params.size())) {
        return false;
    }
    reset();
    std::optional<QByteArray>& slot = m_params[static_cast<size_t>(parameter - 1)];
    switch (value.type()) {
    case SqlValue::Type::Null:
        slot.reset();
        break;
    case SqlValue::Type::Integer:
        slot = QByteArray::number(value.toInteger());
        break;
    case SqlValue::Type::Real: {
        // Shortest text that reads back as the same number; a whole number
        // has no decimals, so that an integer column takes it too.
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value.toReal());
        slot = QByteArray(buffer, written.ptr - buffer);
        break;
    }
    case SqlValue::Type::Text:
        slot = value.toText().toUtf8();
        break;
    case SqlValue::Type::Blob:
        slot = "\\x" + value.toBlob().toHex();
        break;
    }
    return true;
}

bool PgCommand::execute(PgSession& session, QString& error)
{
    if (m_result) {
        return true;
    }
    std::vector<const char*> params;
    params.reserve(m_params.size());
    for (const std::optional<QByteArray>& param : m_params) {
        params.push_back(param ? param->constData() : nullptr);
    }
    m_result = session.exec(m_sql, error, params);
    if (!m_result) {
        return false;
    }
    m_row = -1;
    m_fields.clear();
    m_forms.clear();
    PGresult* rows = m_result.get();
    for (int f = 0; f < PQnfields(rows); ++f) {
        const PgSession::Table* table = session.table(PQftable(rows, f));
        if (table && table->keyColumn > 0 && PQftablecol(rows, f) == table->keyColumn) {
            continue;
        }
        Form form = Form::Text;
        switch (PQftype(rows, f)) {
        case 16: // bool
            form = Form::Boolean;
            break;
        case 20: // int8
        case 21: // int2
        case 23: // int4
        case 26: // oid
            form = Form::Integer;
            break;
        case 700:  // float4
        case 701:  // float8
        case 1700: // numeric
            form = Form::Real;
            break;
        case 17: // bytea
            form = Form::Bytes;
            break;
        default:
            break;
        }
        m_fields.push_back(f);
        m_forms.push_back(form);
    }
    return true;
}

bool PgCommand::next()
{
    if (!m_result || m_row + 1 >= PQntuples(m_result.get())) {
        reset();
        return false;
    }
    ++m_row;
    return true;
}

long PgCommand::changed() const
{
    const char* tuples = m_result ? PQcmdTuples(m_result.get()) : "";
    return std::strtol(tuples, nullptr, 10);
}

void PgCommand::reset() noexcept
{
    m_result.reset();
    m_row = -1;
}

QString PgCommand::columnName(int column) const
{
    if (!m_result || column < 0 || column >= columnCount()) {
        return {};
    }
    return PgDialect::columnName(PQfname(m_result.get(), m_fields[static_cast<size_t>(column)]));
}

SqlValue PgCommand::value(int column) const
{
    if (!m_result || m_row < 0 || column < 0 || column >= columnCount()) {
        return {};
    }
    const int field = m_fields[static_cast<size_t>(column)];
    PGresult* rows = m_result.get();
    if (PQgetisnull(rows, m_row, field)) {
        return {};
    }
    const char* text = PQgetvalue(rows, m_row, field);
    const int length = PQgetlength(rows, m_row, field);
    switch (m_forms[static_cast<size_t>(column)]) {
    case Form::Boolean:
        return SqlValue::integer(text[0] == 't' ? 1 : 0);
    case Form::Integer: {
        qint64 integer = 0;
        std::from_chars(text, text + length, integer);
        return SqlValue::integer(integer);
    }
    case Form::Real:
        return SqlValue::real(QByteArray::fromRawData(text, length).toDouble());
    case Form::Bytes: {
        size_t size = 0;
        unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
        SqlValue blob = SqlValue::blob(QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)));
        PQfreemem(bytes);
        return blob;
    }
    case Form::Text:
        break;
    }
    return SqlValue::text(QString::fromUtf8(text, length));
}

QString PgCommand::text(int column) const
{
    if (!m_result || m_row < 0 || column < 0 || column >= columnCount()) {
        return {};
    }
    const int field = m_fields[static_cast<size_t>(column)];
    return QString::fromUtf8(PQgetvalue(m_result.get(), m_row, field), PQgetlength(m_result.get(), m_row, field));
}

bool PgCommand::compiles(PgSession& session, const QString& sql)
{
    int count = 0;
    const QByteArray text = PgDialect::numberParameters(PgDialect::translate(sql.toUtf8()), count);
    QString ignored;
    const bool guarded = session.inTransaction() && !session.transactionFailed()
                         && session.exec("SAVEPOINT grocelle_compiles", ignored) != nullptr;
    const PgSession::Result prepared(PQprepare(session.handle(), "", text.constData(), 0, nullptr));
    const bool compiled = prepared && PQresultStatus(prepared.get()) == PGRES_COMMAND_OK;
    if (guarded) {
        if (!compiled) {
            session.exec("ROLLBACK TO SAVEPOINT grocelle_compiles", ignored);
        }
        session.exec("RELEASE SAVEPOINT grocelle_compiles", ignored);
    }
    return compiled;
}

bool PgCommand::readOnly(PgSession& session)
{
    QString error;
    const PgSession::Result result =
        session.exec("SELECT current_setting('transaction_read_only') = 'on' OR pg_is_in_recovery() OR "
                     "NOT coalesce(has_table_privilege(to_regclass('shoppinglists'), 'UPDATE'), true)",
                     error);
    return result && PQntuples(result.get()) == 1 && PQgetvalue(result.get(), 0, 0)[0] == 't';
}
