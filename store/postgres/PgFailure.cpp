#include "store/postgres/PgFailure.h"

#include "store/access/FailureText.h"

#include <QCoreApplication>

CAdoException::Kind PgFailure::kindOfState(const QByteArray& state)
{
    using Kind = CAdoException::Kind;
    if (state == "55P03") {
        return Kind::Locked; // lock_not_available: lock_timeout ran out
    }
    if (state == "40001" || state == "40P01") {
        return Kind::Conflict; // serialization failure, deadlock
    }
    if (state == "57014") {
        return Kind::TooSlow; // query_canceled: statement_timeout ran out
    }
    if (state.startsWith("08") || state.startsWith("57P")) {
        return Kind::ServerAway; // connection exceptions, the server shutting down
    }
    if (state == "25006") {
        return Kind::ReadOnly; // read_only_sql_transaction
    }
    if (state == "42501" || state.startsWith("28")) {
        return Kind::NoPermission; // insufficient_privilege, authorization
    }
    if (state.startsWith("23") || state.startsWith("22")) {
        return Kind::Invalid; // integrity constraints, data exceptions
    }
    if (state == "XX001" || state == "XX002") {
        return Kind::Corrupt; // data_corrupted, index_corrupted
    }
    return Kind::Other;
}

QString PgFailure::wordsOf(const PGresult* result, const PGconn* conn, bool& silent)
{
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString text = QString::fromUtf8(primary ? primary : PQerrorMessage(conn)).trimmed();
    silent = text.isEmpty();
    if (silent) {
        text = FailureText::silentServer();
    }
    return text;
}

QString PgFailure::ofResult(const PGresult* result, const PGconn* conn, const QString& server, int waitSeconds,
                            QByteArray& state, CAdoException::Kind& kind)
{
    bool silent = false;
    QString error = wordsOf(result, conn, silent);
    const char* reported = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    state = reported ? QByteArray(reported) : QByteArray("08006");
    kind = kindOfState(state);
    if (!reported || PQstatus(conn) != CONNECTION_OK || state.startsWith("08") || state.startsWith("57P")) {
        state = "08006";
        // A server that went without a word did not answer.
        kind = silent ? CAdoException::Kind::TooSlow : CAdoException::Kind::ServerAway;
        error = FailureText::connectionLost(server, error);
    } else if (state == "55P03") {
        error = FailureText::lockedElsewhere();
    } else if (state == "57014") {
        error = FailureText::unfinished(server, waitSeconds);
    } else if (kind == CAdoException::Kind::Conflict) {
        error = QCoreApplication::translate("PgSession",
                                            "another program changed the same items at the same moment, so nothing of "
                                            "this change was kept (%1).  Please try again")
                    .arg(error);
    }
    return error;
}
