#include "store/postgres/PgSession.h"

#include "store/postgres/PgDialect.h"

#include <cctype>
#include <cstdlib>

#include <unistd.h>

namespace
{
void ignoreNotice(void*, const char*)
{
    // Notices ("already exists, skipping") are not failures and nobody reads
    // a terminal: they go nowhere.
}

QString errorOf(const PGresult* result, const PGconn* conn)
{
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString text = QString::fromUtf8(primary ? primary : PQerrorMessage(conn)).trimmed();
    if (text.isEmpty()) {
        text = QStringLiteral("the server did not answer");
    }
    return text;
}

// The statement's first word in capitals ("ROLLBACK").
QByteArray leadingWord(const QByteArray& sql)
{
    qsizetype start = 0;
    while (start < sql.size() && std::isspace(static_cast<unsigned char>(sql[start]))) {
        ++start;
    }
    qsizetype end = start;
    while (end < sql.size() && std::isalpha(static_cast<unsigned char>(sql[end]))) {
        ++end;
    }
    return sql.mid(start, end - start).toUpper();
}
} // namespace

PgSession::PgSession(PGconn* conn)
    : m_conn(conn)
{
}

PgSession::~PgSession() = default;

bool PgSession::isUri(const QString& location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString PgSession::describe(const QString& uri)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    PQfreemem(error);
    if (!options) {
        // Shown as typed, but for its credentials and options: a password
        // never reaches a message.
        QString shown = uri.section(QLatin1Char('?'), 0, 0);
        const qsizetype hostStart = shown.indexOf(QLatin1String("://"));
        if (hostStart >= 0) {
            const qsizetype path = shown.indexOf(QLatin1Char('/'), hostStart + 3);
            const qsizetype at = shown.lastIndexOf(QLatin1Char('@'), path < 0 ? -1 : path - 1);
            if (at >= hostStart + 3) {
                shown.remove(hostStart + 3, at - hostStart - 2);
            }
        }
        return shown;
    }
    QString host;
    QString port;
    QString dbname;
    QString user;
    for (PQconninfoOption* option = options; option->keyword; ++option) {
        const QString value = QString::fromUtf8(option->val ? option->val : "");
        if (qstrcmp(option->keyword, "host") == 0) {
            host = value;
        } else if (qstrcmp(option->keyword, "port") == 0) {
            port = value;
        } else if (qstrcmp(option->keyword, "dbname") == 0) {
            dbname = value;
        } else if (qstrcmp(option->keyword, "user") == 0) {
            user = value;
        }
    }
    PQconninfoFree(options);
    if (host.isEmpty()) {
        host = QStringLiteral("localhost");
    }
    QString text = host;
    if (!port.isEmpty()) {
        text += QLatin1Char(':') + port;
    }
    if (!dbname.isEmpty()) {
        text += QLatin1Char('/') + dbname;
    }
    return QStringLiteral("PostgreSQL server %1").arg(text);
}

QByteArray PgSession::programTag()
{
    return "grocelle " + QByteArray::number(static_cast<qint64>(getpid()));
}

std::unique_ptr<PgSession> PgSession::connect(const QString& uri, QString& error)
{
    const QByteArray text = uri.toUtf8();
    const QByteArray tag = programTag();
    const char* const keywords[] = {"dbname", "fallback_application_name", nullptr};
    const char* const values[] = {text.constData(), tag.constData(), nullptr};
    std::unique_ptr<PgSession> session(new PgSession(PQconnectdbParams(keywords, values, 1)));
    PGconn* conn = session->m_conn.get();
    if (!conn) {
        error = QStringLiteral("out of memory");
        return nullptr;
    }
    if (PQstatus(conn) != CONNECTION_OK) {
        error = QStringLiteral("%1 cannot be reached: %2")
                    .arg(describe(uri), QString::fromUtf8(PQerrorMessage(conn)).trimmed());
        return nullptr;
    }
    session->m_description = describe(uri);
    PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
    if (PQsetClientEncoding(conn, "UTF8") != 0 || !session->fixStringMode()) {
        error = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
        return nullptr;
    }
    return session;
}

bool PgSession::fixStringMode()
{
    // A backslash in a quoted text is a backslash, whatever the server or
    // database was set to: with the legacy mode, text that the program
    // quotes could end its literal early and be read as SQL.
    const Result result(PQexec(m_conn.get(), "SET standard_conforming_strings = on"));
    return result && PQresultStatus(result.get()) == PGRES_COMMAND_OK;
}

PgSession::Result PgSession::run(const QByteArray& sql, QString& error, const std::vector<const char*>& params)
{
    Result result(PQexecParams(m_conn.get(), sql.constData(), static_cast<int>(params.size()), nullptr,
                               params.empty() ? nullptr : params.data(), nullptr, nullptr, 0));
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        error = errorOf(result.get(), m_conn.get());
        // A failure that the server did not report itself is the
        // connection's own: the server went away or cannot be reached.
        const char* state = result ? PQresultErrorField(result.get(), PG_DIAG_SQLSTATE) : nullptr;
        m_lastState = state ? QByteArray(state) : QByteArray("08006");
        if (!state || !connected() || m_lastState.startsWith("08") || m_lastState.startsWith("57P")) {
            m_lastState = "08006";
            error = QStringLiteral("the connection to the %1 was lost (%2)").arg(m_description, error);
        } else if (lastFailureIsTransient()) {
            error = QStringLiteral("another program changed the same items at the same moment, so nothing of "
                                   "this change was kept (%1).  Please try again")
                        .arg(error);
        }
        return nullptr;
    }
    m_lastState.clear();
    return result;
}

bool PgSession::sendHeldWrites(QString& error)
{
    if (m_held.isEmpty()) {
        return true;
    }
    const QByteArray sql = m_held.statement();
    const std::vector<QByteArray> texts = m_held.parameters();
    const int rows = m_held.size();
    m_held.clear();
    std::vector<const char*> params;
    params.reserve(texts.size());
    for (const QByteArray& text : texts) {
        params.push_back(text.constData());
    }
    const Result result = run(sql, error, params);
    if (!result) {
        return false;
    }
    if (std::atoi(PQcmdTuples(result.get())) != rows) {
        // The server's transaction goes on: this one must not commit.
        m_heldWriteFailed = true;
        error = QStringLiteral("the item no longer exists in the catalog");
        return false;
    }
    return true;
}

PgSession::Result PgSession::exec(const QByteArray& sql, QString& error, const std::vector<const char*>& params)
{
    const QByteArray word = leadingWord(sql);
    if (word == "ROLLBACK" || word == "ABORT") {
        // Every write held was made after the last statement sent, and so
        // after the savepoint or the start that the rollback returns to.
        m_held.clear();
        if (!sql.simplified().toUpper().contains(" TO ")) {
            m_heldWriteFailed = false;
        }
    } else if (!m_held.isEmpty() && !sendHeldWrites(error)) {
        return nullptr;
    }
    if (word == "BEGIN" || word == "START") {
        m_heldWriteFailed = false;
    } else if ((word == "COMMIT" || word == "END") && m_heldWriteFailed) {
        QString ignored;
        run("ROLLBACK", ignored, {});
        m_heldWriteFailed = false;
        error = QStringLiteral("the change was undone after a failure");
        return nullptr;
    }
    if (!PgDialect::changesStructure(sql)) {
        return run(sql, error, params);
    }
    m_tables.clear();
    m_tableIds.clear();
    if (!inTransaction()) {
        return run(sql, error, params);
    }
    QString ignored;
    if (!run("SAVEPOINT grocelle_structure", ignored, {})) {
        return run(sql, error, params);
    }
    Result result = run(sql, error, params);
    if (!result) {
        run("ROLLBACK TO SAVEPOINT grocelle_structure", ignored, {});
    }
    run("RELEASE SAVEPOINT grocelle_structure", ignored, {});
    return result;
}

const PgSession::Table* PgSession::table(Oid oid)
{
    if (oid == InvalidOid) {
        return nullptr;
    }
    const auto known = m_tables.find(oid);
    if (known != m_tables.end()) {
        return known->second.get();
    }
    const QByteArray id = QByteArray::number(oid);
    QString error;
    const Result result =
        run("SELECT a.attnum, a.attname, format_type(a.atttypid, a.atttypmod), a.attrelid::regclass::text, "
            "(SELECT min((regexp_match(pg_get_constraintdef(c.oid), 'char_length\\(.*<=\\s*(\\d+)'))[1]::int) "
            "FROM pg_constraint c WHERE c.conrelid = a.attrelid AND c.contype = 'c' AND c.conkey = ARRAY[a.attnum]) "
            "FROM pg_attribute a WHERE a.attrelid = $1::oid AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum",
            error, {id.constData()});
    if (!result || PQntuples(result.get()) == 0) {
        return nullptr;
    }
    auto table = std::make_unique<Table>();
    const int rows = PQntuples(result.get());
    table->quotedName = PQgetvalue(result.get(), 0, 3);
    for (int row = 0; row < rows; ++row) {
        const int number = atoi(PQgetvalue(result.get(), row, 0));
        if (number <= 0) {
            continue;
        }
        if (static_cast<int>(table->columns.size()) < number) {
            table->columns.resize(static_cast<size_t>(number));
        }
        Attribute& column = table->columns[static_cast<size_t>(number - 1)];
        const QByteArray name = PQgetvalue(result.get(), row, 1);
        column.present = true;
        column.name = PgDialect::columnName(name);
        column.quoted = '"' + QByteArray(name).replace('"', "\"\"") + '"';
        QByteArray declared = PQgetvalue(result.get(), row, 2);
        column.type = declared;
        // A type of another schema comes qualified: its own name decides.
        const qsizetype paren = declared.indexOf('(');
        const qsizetype dot = declared.lastIndexOf('.', paren < 0 ? -1 : paren);
        if (dot >= 0) {
            declared = declared.mid(dot + 1);
        }
        if (declared == "boolean" || declared == "bitflag") {
            declared = "bit";
        }
        column.kind = ado_detail::kindOfDeclared(declared, column.maxChars);
        if (!PQgetisnull(result.get(), row, 4) && column.kind == ado_detail::Kind::Text) {
            column.maxChars = atoi(PQgetvalue(result.get(), row, 4));
        }
        if (qstricmp(name.constData(), KeyColumn) == 0) {
            table->keyColumn = number;
        }
    }
    const Table* found = table.get();
    m_tables.emplace(oid, std::move(table));
    return found;
}

const PgSession::Table* PgSession::tableNamed(const QByteArray& name)
{
    const QByteArray key = name.toLower();
    auto known = m_tableIds.find(key);
    if (known == m_tableIds.end()) {
        QString error;
        const Result result = run("SELECT to_regclass($1)::oid", error, {name.constData()});
        Oid oid = InvalidOid;
        if (result && PQntuples(result.get()) == 1 && !PQgetisnull(result.get(), 0, 0)) {
            oid = static_cast<Oid>(strtoul(PQgetvalue(result.get(), 0, 0), nullptr, 10));
        }
        known = m_tableIds.emplace(key, oid).first;
    }
    return table(known->second);
}

bool PgSession::reconnect()
{
    m_held.clear();
    m_heldWriteFailed = false;
    m_tables.clear();
    m_tableIds.clear();
    PQreset(m_conn.get());
    return connected() && fixStringMode();
}

bool PgSession::lastFailureIsTransient() const
{
    return m_lastState == "40001" || m_lastState == "40P01";
}

bool PgSession::inTransaction() const
{
    const PGTransactionStatusType status = PQtransactionStatus(m_conn.get());
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

bool PgSession::transactionFailed() const
{
    return m_heldWriteFailed || PQtransactionStatus(m_conn.get()) == PQTRANS_INERROR;
}

bool PgSession::connected() const
{
    return PQstatus(m_conn.get()) == CONNECTION_OK;
}
