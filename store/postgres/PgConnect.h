#pragma once

#include "store/access/CAdoException.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <libpq-fe.h>

// How a PostgreSQL session's connection is made: the address as the user
// reads it, the time limit of its waits, a connect driven without blocking,
// and the cause of a connect that failed.
class PgConnect
{
public:
    // How a connect (or a reset) that was begun without blocking ended.
    enum class Outcome
    {
        Done,
        Refused,
        TimedOut
    };

    // Drives a connect begun with PQconnectStart (or PQresetStart, with
    // reset) until it ends or the deadline passes.
    static Outcome finish(PGconn* conn, bool reset, const QDeadlineTimer& deadline);
    // A deadline that many seconds away; none for 0.
    static QDeadlineTimer deadlineIn(int seconds);
    // The time limit of conn's waits: its connect_timeout (ours unless the
    // URI gives one; below 2 s counts as 2, as libpq counts it).
    static int waitSecondsOf(PGconn* conn);
    // The cause of a failure to connect in the user's terms, from the class
    // of the server's error (in the verbose message, "FATAL:  3D000: ..."),
    // and its kind.
    static QString failure(const QString& server, const QByteArray& message, CAdoException::Kind& kind);
    // "PostgreSQL server host:port/dbname", never a user or password.
    static QString describe(const QString& uri);
};
