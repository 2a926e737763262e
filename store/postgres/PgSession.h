#pragma once

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/postgres/PgWriteBatch.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <libpq-fe.h>

#include <map>
#include <memory>
#include <vector>

// One PostgreSQL connection of the access layer, with what the layer learns
// about the tables it reads: column names, kinds and widths, and the row key
// that keyset sets write back by.
class PgSession
{
public:
    struct ResultClear
    {
        void operator()(PGresult* result) const noexcept { PQclear(result); }
    };
    using Result = std::unique_ptr<PGresult, ResultClear>;

    struct Attribute
    {
        QString name;      // as the catalog spells it ("ItemName", not "itemname")
        QByteArray quoted; // for statements the layer composes
        QByteArray type;   // the server's name of its type, as a cast takes it
        ado_detail::Kind kind = ado_detail::Kind::Untyped;
        int maxChars = -1;
        bool present = false; // false for a dropped column's number
    };
    struct Table
    {
        QByteArray quotedName;          // schema-qualified when not on the search path
        std::vector<Attribute> columns; // by column number - 1
        int keyColumn = 0;              // the row key's column number, 0 for none
    };

    // The column of our own that addresses one row of a table: PostgreSQL has
    // no rowid. Hidden from every result.
    static constexpr const char* KeyColumn = "RowKey";

    ~PgSession();
    PgSession(const PgSession&) = delete;
    PgSession& operator=(const PgSession&) = delete;

    // The time limit of connecting and of every statement, in seconds, when
    // the URI gives no connect_timeout of its own (0 there: no limit).
    static constexpr int DefaultWaitSeconds = 10;

    // Connects to uri (a postgresql:// or postgres:// URI with the usual
    // libpq options); null with error set when that fails. error then starts
    // with the cause in the user's terms ("The database ... does not exist")
    // as the server's error class tells it.
    // kind, when given, is set to the kind of that failure.
    static std::unique_ptr<PgSession> connect(const QString& uri, QString& error, CAdoException::Kind* kind = nullptr);
    // True for a text that names a PostgreSQL catalog rather than a file.
    static bool isUri(const QString& location);
    // The name this program's connections go by on the server (unless the
    // URI names another), by which it knows its own changes.
    static QByteArray programTag();
    // "host:port/dbname" (or the socket folder for host), for messages.
    static QString describe(const QString& uri);

    // A float or numeric value as the server writes it as text, its words
    // for infinity and "not a number" included.
    static double readReal(const char* text, int length);

    // Called with the text of every statement any session sends, before it
    // is sent; none when null. For tests that count what a start asks of
    // the server; set and cleared on the thread that runs the sessions.
    using StatementWatch = void (*)(const QByteArray& sql, void* context);
    static void watchStatements(StatementWatch watch, void* context);

    // Runs one statement with text parameters (null for a missing value); a
    // second statement in the text is refused by the server. Null with error
    // set on failure.
    //
    // No wait is unbounded: a statement that has no answer within the time
    // limit (a server stopped or cut off) gives up its connection, which the
    // next statement makes again; the server itself ends a statement that
    // runs too long, and a wait for a lock that another program holds
    // (LockedElsewhere). The window's thread waits through ServerWait: the
    // wait cursor shows and the window repaints meanwhile. A statement asked
    // for while this session waits for another's answer (from something the
    // window did meanwhile) is refused at once and never sent. Outside a
    // transaction, a connection that the server closed while idle is made
    // again before the statement is sent, and a read cut off on the way is
    // run once more on a new one; a write is never sent twice. A statement
    // that changes the structure runs on a savepoint inside a transaction,
    // so that its failure (an index that exists already) does not end the
    // transaction. The keyset writes held back are sent first (a rollback
    // drops them): a failure to send them is the statement's failure, and
    // the transaction then cannot commit.
    Result exec(const QByteArray& sql, QString& error, const std::vector<const char*>& params = {});

    // Keyset writes inside a transaction are held here and sent together:
    // when the batch is full, before any other statement, at the latest
    // before the commit.
    PgWriteBatch& heldWrites() { return m_held; }
    // Sends the writes held; false with error set when the server refuses
    // them or a row is gone, which fails the transaction.
    bool sendHeldWrites(QString& error);

    // What the layer knows about the table with that object id, read once.
    const Table* table(Oid oid);
    // The same by name, as a statement would write it; null when there is no
    // such table.
    const Table* tableNamed(const QByteArray& name);

    // Connects again after the server went away; false while it is still
    // gone, and at once for a moment after a wait for it ran out. What the
    // layer knew of the tables is read again.
    bool reconnect();
    // The time limit of this session's waits, in seconds; 0 for none.
    int waitSeconds() const { return m_waitSeconds; }

    // The SQLSTATE of the last failure ("40001"), empty after a success.
    const QByteArray& lastState() const { return m_lastState; }
    // The kind of the last failure: from its SQLSTATE, or the connection's
    // status and time limit when the server said nothing.
    CAdoException::Kind lastKind() const { return m_lastKind; }
    // A failure that the same work, run again from its start, may not meet:
    // a serialization failure or a deadlock between two programs.
    bool lastFailureIsTransient() const;

    bool inTransaction() const;
    // The transaction has had a failure (on the server, or a held write that
    // could not be sent): only a rollback ends it.
    bool transactionFailed() const;
    // The server is still there as far as the last exchange went.
    bool connected() const;
    PGconn* handle() const { return m_conn.get(); }
    // Prepares sql as the unnamed statement, within the time limit; null
    // with error set when the server refuses it.
    Result prepare(const QByteArray& sql, QString& error);

private:
    struct Finish
    {
        void operator()(PGconn* conn) const noexcept { PQfinish(conn); }
    };
    // How a round trip to the server ended.
    enum class Outcome
    {
        Answered, // the server's result, a success or its refusal
        Lost,     // the connection broke
        TimedOut  // no answer within the time limit: the connection was given up
    };

    explicit PgSession(PGconn* conn);
    // Fixes what the program's statements rely on, whatever the server's or
    // the database's defaults: a backslash in quoted text is itself, text
    // travels as UTF-8, and statements and lock waits end within the time
    // limit. False when the server refuses.
    bool configure();
    Result run(const QByteArray& sql, QString& error, const std::vector<const char*>& params);
    // Sends sql (a statement, or one to prepare) and waits for its answer.
    Result roundTrip(const QByteArray& sql, const std::vector<const char*>& params, bool prepareOnly, Outcome& outcome);
    Result awaitResult(Outcome& outcome);
    // True when the server closed the idle connection (a restart): nothing
    // was sent on it since its last answer.
    bool closedWhileIdle();
    // Connects again, keeping what is known of the tables: the same
    // database's tables keep their object ids across a restart.
    bool restore();
    QString failureText(const PGresult* result, Outcome outcome);
    // True, with error set, while an exchange with the server is under way:
    // nothing else may be sent on the connection until it ends.
    bool refusedWhileBusy(QString& error);

    std::unique_ptr<PGconn, Finish> m_conn;
    QString m_description;
    int m_waitSeconds = DefaultWaitSeconds;
    QByteArray m_lastState;
    CAdoException::Kind m_lastKind = CAdoException::Kind::Other;
    std::map<Oid, std::unique_ptr<Table>> m_tables;
    std::map<QByteArray, Oid> m_tableIds;
    PgWriteBatch m_held;
    // A held write failed while the server's transaction went on: no
    // commit until a rollback.
    bool m_heldWriteFailed = false;
    // A statement, a connect or a reset is waiting for the server.
    bool m_exchanging = false;
    // Since the last wait for the server ran out; no new connection is
    // tried before RetryAfterMs have passed.
    QElapsedTimer m_gaveUp;
    static constexpr int RetryAfterMs = 1000;
};
