#pragma once

#include "store/access/CAdoException.h"

#include <QByteArray>
#include <QString>

#include <libpq-fe.h>

// What a PostgreSQL failure is, from the server's SQLSTATE and the
// connection's status, and its words as the server gave them.
class PgFailure
{
public:
    // The kind of failure a SQLSTATE ("55P03") reports; Other for an empty
    // or unknown one.
    static CAdoException::Kind kindOfState(const QByteArray& state);
    // The server's primary message for result, or the connection's last
    // words; silent is set when there were none, and the text then says that
    // the server did not answer.
    static QString wordsOf(const PGresult* result, const PGconn* conn, bool& silent);
    // The words of a statement's failure that the server answered with
    // result (null when it did not answer), with state and kind set. A
    // failure that the server did not report itself is the connection's
    // own: the server went away or cannot be reached. server and
    // waitSeconds name the server and its time limit.
    static QString ofResult(const PGresult* result, const PGconn* conn, const QString& server, int waitSeconds,
                            QByteArray& state, CAdoException::Kind& kind);
};
