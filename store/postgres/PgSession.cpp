#include "store/postgres/PgSession.h"

#include "store/access/FailureText.h"
#include "store/access/ServerWait.h"
#include "store/postgres/PgConnect.h"
#include "store/postgres/PgDialect.h"
#include "store/postgres/PgFailure.h"
#include "store/postgres/PgTableReader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cstdlib>
#include <limits>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
void ignoreNotice(void*, const char*)
{
    // Notices ("already exists, skipping") are not failures and nobody reads
    // a terminal: they go nowhere.
}

// Marks a session's connection as under way with the server for a scope.
class Exchanging
{
public:
    explicit Exchanging(bool& flag)
        : m_flag(flag)
        , m_before(flag)
    {
        m_flag = true;
    }
    ~Exchanging() { m_flag = m_before; }
    Exchanging(const Exchanging&) = delete;
    Exchanging& operator=(const Exchanging&) = delete;

private:
    bool& m_flag;
    bool m_before;
};
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
    return PgConnect::describe(uri);
}

QByteArray PgSession::programTag()
{
    return "grocelle " + QByteArray::number(static_cast<qint64>(getpid()));
}

std::unique_ptr<PgSession> PgSession::connect(const QString& uri, QString& error, CAdoException::Kind* kind)
{
    CAdoException::Kind ignored = CAdoException::Kind::Other;
    CAdoException::Kind& failure = kind ? *kind : ignored;
    failure = CAdoException::Kind::Other;
    const QByteArray text = uri.toUtf8();
    char* parseError = nullptr;
    PQconninfoOption* parsed = PQconninfoParse(text.constData(), &parseError);
    PQfreemem(parseError);
    const bool readable = parsed != nullptr;
    PQconninfoFree(parsed);
    if (!readable) {
        // libpq's words would quote the address, password and all.
        error =
            QCoreApplication::translate("PgSession", "The catalog address %1 cannot be read as a PostgreSQL address.")
                .arg(describe(uri));
        return nullptr;
    }
    const QByteArray tag = programTag();
    const QByteArray limit = QByteArray::number(DefaultWaitSeconds);
    // The URI's own connect_timeout comes later and wins over ours.
    const char* const keywords[] = {"connect_timeout", "dbname", "fallback_application_name", nullptr};
    const char* const values[] = {limit.constData(), text.constData(), tag.constData(), nullptr};
    std::unique_ptr<PgSession> session(new PgSession(PQconnectStartParams(keywords, values, 1)));
    PGconn* conn = session->m_conn.get();
    if (!conn) {
        error = QCoreApplication::translate("PgSession", "out of memory");
        return nullptr;
    }
    session->m_description = describe(uri);
    session->m_waitSeconds = PgConnect::waitSecondsOf(conn);
    // The server's error class comes with its message.
    PQsetErrorVerbosity(conn, PQERRORS_VERBOSE);
    const PgConnect::Outcome connecting = PgConnect::finish(conn, false, PgConnect::deadlineIn(session->m_waitSeconds));
    if (connecting == PgConnect::Outcome::TimedOut) {
        error = FailureText::unreachableInTime(session->m_description, session->m_waitSeconds);
        failure = CAdoException::Kind::TooSlow;
        return nullptr;
    }
    if (connecting != PgConnect::Outcome::Done) {
        error = PgConnect::failure(session->m_description, PQerrorMessage(conn), failure);
        return nullptr;
    }
    PQsetErrorVerbosity(conn, PQERRORS_DEFAULT);
    PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
    if (!session->configure()) {
        error = QCoreApplication::translate("PgSession", "The %1 refused the session's settings.")
                    .arg(session->m_description);
        return nullptr;
    }
    return session;
}

bool PgSession::configure()
{
    PGconn* conn = m_conn.get();
    // A sent statement never blocks on a full socket: the wait is ours.
    if (PQsetnonblocking(conn, 1) != 0) {
        return false;
    }
    // A backslash in a quoted text is a backslash, whatever the server or
    // database was set to: with the legacy mode, text that the program
    // quotes could end its literal early and be read as SQL. The server
    // ends a statement, and a wait for another program's lock, a little
    // before this side gives up on it, so that it can say which it was.
    // A number reads back as the same number, and a row read under a lock
    // is the row as its last writer left it (the program's checks under a
    // row lock rely on read committed).
    QByteArray settings[] = {"SET statement_timeout = 0",
                             "SET lock_timeout = 0",
                             "SET standard_conforming_strings = on",
                             "SET client_encoding = 'UTF8'",
                             "SET extra_float_digits = 3",
                             "SET default_transaction_isolation = 'read committed'"};
    if (m_waitSeconds > 0) {
        settings[0] = "SET statement_timeout = " + QByteArray::number(m_waitSeconds * 1000 - 500);
        settings[1] = "SET lock_timeout = " + QByteArray::number(m_waitSeconds * 1000 - 1000);
    }
    for (const QByteArray& setting : settings) {
        Outcome outcome = Outcome::Lost;
        const Result result = roundTrip(setting, {}, false, outcome);
        if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
            return false;
        }
    }
    return true;
}

namespace
{
PgSession::StatementWatch g_watch = nullptr;
void* g_watchContext = nullptr;
} // namespace

double PgSession::readReal(const char* text, int length)
{
    const QByteArray value = QByteArray::fromRawData(text, length);
    if (value == "Infinity" || value == "-Infinity") {
        const double infinity = std::numeric_limits<double>::infinity();
        return value.startsWith('-') ? -infinity : infinity;
    }
    if (value == "NaN") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value.toDouble();
}

void PgSession::watchStatements(StatementWatch watch, void* context)
{
    g_watch = watch;
    g_watchContext = context;
}

PgSession::Result PgSession::roundTrip(const QByteArray& sql, const std::vector<const char*>& params, bool prepareOnly,
                                       Outcome& outcome)
{
    const Exchanging exchanging(m_exchanging);
    if (g_watch) {
        g_watch(sql, g_watchContext);
    }
    PGconn* conn = m_conn.get();
    const int count = static_cast<int>(params.size());
    const int sent = prepareOnly ? PQsendPrepare(conn, "", sql.constData(), 0, nullptr)
                                 : PQsendQueryParams(conn, sql.constData(), count, nullptr,
                                                     params.empty() ? nullptr : params.data(), nullptr, nullptr, 0);
    if (!sent) {
        outcome = connected() ? Outcome::Answered : Outcome::Lost;
        return nullptr;
    }
    return awaitResult(outcome);
}

PgSession::Result PgSession::awaitResult(Outcome& outcome)
{
    PGconn* conn = m_conn.get();
    const QDeadlineTimer deadline = PgConnect::deadlineIn(m_waitSeconds);
    ServerWait wait;
    Result last;
    for (;;) {
        const int flushed = PQflush(conn);
        if (flushed < 0 || !PQconsumeInput(conn)) {
            outcome = Outcome::Lost;
            return nullptr;
        }
        while (flushed == 0 && !PQisBusy(conn)) {
            PGresult* next = PQgetResult(conn);
            if (!next) {
                outcome = last ? Outcome::Answered : Outcome::Lost;
                return last;
            }
            last.reset(next);
        }
        const short events = flushed == 1 ? POLLIN | POLLOUT : POLLIN;
        if (!wait.forSocket(PQsocket(conn), events, deadline)) {
            // The answer may still come, to a statement that is no longer
            // anyone's: the connection is given up, and the server ends
            // the session when it sees that.
            shutdown(PQsocket(conn), SHUT_RDWR);
            PQconsumeInput(conn);
            m_gaveUp.start();
            outcome = Outcome::TimedOut;
            return nullptr;
        }
    }
}

PgSession::Result PgSession::prepare(const QByteArray& sql, QString& error)
{
    if (refusedWhileBusy(error)) {
        return nullptr;
    }
    Outcome outcome = Outcome::Lost;
    Result result = roundTrip(sql, {}, true, outcome);
    if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
        error = failureText(result.get(), outcome);
        return nullptr;
    }
    return result;
}

bool PgSession::closedWhileIdle()
{
    PGconn* conn = m_conn.get();
    // Something that came unasked: a notification, or the server's farewell
    // (its last words, then the end of the stream, which a second read
    // finds).
    for (int reads = 0; reads < 8 && connected(); ++reads) {
        pollfd fd{PQsocket(conn), POLLIN, 0};
        if (poll(&fd, 1, 0) <= 0) {
            return false;
        }
        if (!PQconsumeInput(conn)) {
            return true;
        }
        PQisBusy(conn);
    }
    return !connected();
}

bool PgSession::restore()
{
    m_held.clear();
    m_heldWriteFailed = false;
    // A server that has just let a wait run out is not waited for again at
    // once: the other statements of the same command fail straight away,
    // so that the command ends within about one time limit, not one for
    // each of its statements.
    if (m_gaveUp.isValid() && !m_gaveUp.hasExpired(RetryAfterMs)) {
        return false;
    }
    const Exchanging exchanging(m_exchanging);
    // Without blocking, so that the wait for a server that is still gone
    // has the same limit as every other, and the window repaints meanwhile.
    PGconn* conn = m_conn.get();
    if (!PQresetStart(conn)) {
        return false;
    }
    const PgConnect::Outcome connecting = PgConnect::finish(conn, true, PgConnect::deadlineIn(m_waitSeconds));
    if (connecting == PgConnect::Outcome::TimedOut) {
        m_gaveUp.start();
    }
    return connecting == PgConnect::Outcome::Done && connected() && configure();
}

bool PgSession::refusedWhileBusy(QString& error)
{
    if (!m_exchanging) {
        return false;
    }
    m_lastState = "55006";
    m_lastKind = CAdoException::Kind::Other;
    error = QCoreApplication::translate("PgSession",
                                        "the connection to the %1 is still waiting for the answer to another statement")
                .arg(m_description);
    return true;
}

QString PgSession::failureText(const PGresult* result, Outcome outcome)
{
    if (outcome == Outcome::TimedOut) {
        m_lastState = "08006";
        m_lastKind = CAdoException::Kind::TooSlow;
        return FailureText::noAnswer(m_description, m_waitSeconds);
    }
    return PgFailure::ofResult(result, m_conn.get(), m_description, m_waitSeconds, m_lastState, m_lastKind);
}

PgSession::Result PgSession::run(const QByteArray& sql, QString& error, const std::vector<const char*>& params)
{
    // Outside a transaction nothing is lost with the connection: one that
    // the server closed is made again before anything is sent on it.
    const bool idle = PQtransactionStatus(m_conn.get()) == PQTRANS_IDLE;
    if (idle && closedWhileIdle()) {
        restore();
    }
    Outcome outcome = Outcome::Lost;
    Result result = roundTrip(sql, params, false, outcome);
    if (!result && outcome == Outcome::Lost && idle && !connected()) {
        // Cut off on the way: a read is run once more on a new connection;
        // a write may have landed, and is not sent again.
        const QByteArray word = PgDialect::leadingWord(sql);
        if ((word == "SELECT" || word == "SHOW" || word == "VALUES") && restore()) {
            result = roundTrip(sql, params, false, outcome);
        }
    }
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        error = failureText(result.get(), outcome);
        return nullptr;
    }
    m_lastState.clear();
    m_lastKind = CAdoException::Kind::Other;
    return result;
}

bool PgSession::sendHeldWrites(QString& error)
{
    if (refusedWhileBusy(error)) {
        return false;
    }
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
        m_lastKind = CAdoException::Kind::Gone;
        error = FailureText::heldItemGone();
        return false;
    }
    return true;
}

PgSession::Result PgSession::exec(const QByteArray& sql, QString& error, const std::vector<const char*>& params)
{
    if (refusedWhileBusy(error)) {
        return nullptr;
    }
    const QByteArray word = PgDialect::leadingWord(sql);
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
        m_lastKind = CAdoException::Kind::Other;
        error = QCoreApplication::translate("PgSession", "the change was undone after a failure");
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
    const QByteArray state = m_lastState; // the statement's, not the savepoint's
    const CAdoException::Kind kind = m_lastKind;
    if (!result) {
        run("ROLLBACK TO SAVEPOINT grocelle_structure", ignored, {});
    }
    run("RELEASE SAVEPOINT grocelle_structure", ignored, {});
    m_lastState = state;
    m_lastKind = kind;
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
    QString error;
    if (refusedWhileBusy(error)) {
        return nullptr;
    }
    const QByteArray id = QByteArray::number(oid);
    const Result result = run(PgTableReader::Statement, error, {id.constData()});
    if (!result || PQntuples(result.get()) == 0) {
        return nullptr;
    }
    std::unique_ptr<Table> table = PgTableReader::read(result.get());
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
        if (refusedWhileBusy(error)) {
            return nullptr;
        }
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
    QString ignored;
    if (refusedWhileBusy(ignored)) {
        return false;
    }
    m_tables.clear();
    m_tableIds.clear();
    return restore();
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
