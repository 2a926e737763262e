#include "store/postgres/PgCommand.h"

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/postgres/PgConnection.h"
#include "store/postgres/PgDialect.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>
#include <charconv>

PgCommand::PgCommand(ado_detail::SharedConnection& owner, const QByteArray& sql)
    : m_owner(owner)
    , m_generation(owner.generation)
{
    int count = 0;
    m_sql = PgDialect::numberParameters(PgDialect::translate(sql), count);
    m_params.resize(static_cast<size_t>(count));
    const QByteArray trimmed = sql.trimmed();
    const qsizetype space = trimmed.indexOf(' ');
    const QByteArray first = (space < 0 ? trimmed : trimmed.left(space)).toUpper();
    m_writes = first != "SELECT" && first != "WITH" && first != "VALUES";
}

std::optional<QByteArray> PgCommand::serverText(const SqlValue& value)
{
    switch (value.type()) {
    case SqlValue::Type::Null:
        return std::nullopt;
    case SqlValue::Type::Integer:
        return QByteArray::number(value.toInteger());
    case SqlValue::Type::Real: {
        // Shortest text that reads back as the same number; a whole number
        // has no decimals, so that an integer column takes it too.
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value.toReal());
        return QByteArray(buffer, written.ptr - buffer);
    }
    case SqlValue::Type::Text:
        return value.toText().toUtf8();
    case SqlValue::Type::Blob:
        return "\\x" + value.toBlob().toHex();
    }
    return std::nullopt;
}

PgSession& PgCommand::session() const
{
    IConnectionBackend* engine = m_owner.generation == m_generation ? m_owner.engine() : nullptr;
    if (!engine) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             QCoreApplication::translate("PgCommand", "The catalog is not open."));
    }
    // The same engine that made this command: the generation is unchanged.
    return static_cast<PgConnection*>(engine)->session();
}

void PgCommand::fail(int code, const QString& detail, CAdoException::Kind kind) const
{
    m_owner.noteError(detail, kind);
    throw CAdoException::withDetail(code, __LINE__, detail, kind);
}

void PgCommand::bind(int parameter, const SqlValue& value)
{
    if (parameter < 1 || parameter > static_cast<int>(m_params.size())) {
        fail(CAdoException::ValueRefused,
             QCoreApplication::translate("PgCommand", "The statement has no parameter %1.").arg(parameter),
             CAdoException::Kind::Invalid);
    }
    reset();
    m_params[static_cast<size_t>(parameter - 1)] = serverText(value);
}

void PgCommand::execute()
{
    if (m_result) {
        return;
    }
    PgSession& server = session();
    QString error;
    std::vector<const char*> params;
    params.reserve(m_params.size());
    for (const std::optional<QByteArray>& param : m_params) {
        params.push_back(param ? param->constData() : nullptr);
    }
    m_result = server.exec(m_sql, error, params);
    if (!m_result) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             ado_detail::SharedConnection::sentence(error), server.lastKind());
    }
    m_row = -1;
    m_fields.clear();
    m_forms.clear();
    PGresult* rows = m_result.get();
    for (int f = 0; f < PQnfields(rows); ++f) {
        const PgSession::Table* table = server.table(PQftable(rows, f));
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
}

bool PgCommand::next()
{
    execute();
    if (m_row + 1 >= PQntuples(m_result.get())) {
        reset();
        return false;
    }
    ++m_row;
    return true;
}

long PgCommand::run()
{
    reset();
    execute();
    const long changed = std::strtol(PQcmdTuples(m_result.get()), nullptr, 10);
    reset();
    return changed;
}

int PgCommand::columnCount()
{
    execute();
    return static_cast<int>(m_fields.size());
}

qint64 PgCommand::integer(int column)
{
    const SqlValue cell = value(column);
    return cell.type() == SqlValue::Type::Real ? static_cast<qint64>(cell.toReal()) : cell.toInteger();
}

void PgCommand::reset() noexcept
{
    m_result.reset();
    m_row = -1;
}

QString PgCommand::columnName(int column)
{
    execute();
    if (column < 0 || column >= static_cast<int>(m_fields.size())) {
        return {};
    }
    return PgDialect::columnName(PQfname(m_result.get(), m_fields[static_cast<size_t>(column)]));
}

SqlValue PgCommand::value(int column)
{
    if (!m_result || m_row < 0 || column < 0 || column >= static_cast<int>(m_fields.size())) {
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
        return SqlValue::real(PgSession::readReal(text, length));
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

QString PgCommand::text(int column)
{
    if (!m_result || m_row < 0 || column < 0 || column >= static_cast<int>(m_fields.size())) {
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
    const bool compiled = session.prepare(text, ignored) != nullptr;
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
