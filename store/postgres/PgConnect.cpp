#include "store/postgres/PgConnect.h"

#include "store/access/FailureText.h"
#include "store/access/ServerWait.h"
#include "store/postgres/PgFailure.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>

#include <algorithm>

#include <poll.h>

PgConnect::Outcome PgConnect::finish(PGconn* conn, bool reset, const QDeadlineTimer& deadline)
{
    ServerWait wait;
    PostgresPollingStatusType state = PQstatus(conn) == CONNECTION_BAD ? PGRES_POLLING_FAILED : PGRES_POLLING_WRITING;
    while (state == PGRES_POLLING_READING || state == PGRES_POLLING_WRITING) {
        const short events = state == PGRES_POLLING_READING ? POLLIN : POLLOUT;
        if (!wait.forSocket(PQsocket(conn), events, deadline)) {
            return Outcome::TimedOut;
        }
        state = reset ? PQresetPoll(conn) : PQconnectPoll(conn);
    }
    return state == PGRES_POLLING_OK ? Outcome::Done : Outcome::Refused;
}

QDeadlineTimer PgConnect::deadlineIn(int seconds)
{
    return seconds > 0 ? QDeadlineTimer(std::chrono::seconds(seconds)) : QDeadlineTimer(QDeadlineTimer::Forever);
}

int PgConnect::waitSecondsOf(PGconn* conn)
{
    int seconds = PgSession::DefaultWaitSeconds;
    PQconninfoOption* options = PQconninfo(conn);
    for (PQconninfoOption* option = options; option && option->keyword; ++option) {
        if (qstrcmp(option->keyword, "connect_timeout") == 0 && option->val) {
            bool ok = false;
            const int given = QByteArray(option->val).trimmed().toInt(&ok);
            if (ok) {
                seconds = given <= 0 ? 0 : std::max(given, 2);
            }
        }
    }
    PQconninfoFree(options);
    return seconds;
}

QString PgConnect::failure(const QString& server, const QByteArray& message, CAdoException::Kind& kind)
{
    const qsizetype fatal = message.indexOf("FATAL:  ");
    QByteArray state;
    QByteArray detail = message.trimmed();
    if (fatal >= 0 && message.size() >= fatal + 14 && message[fatal + 13] == ':') {
        state = message.mid(fatal + 8, 5);
        detail = message.mid(fatal + 15);
        detail = detail.left(detail.indexOf('\n')).trimmed();
    }
    const QString said = QString::fromUtf8(detail);
    kind = PgFailure::kindOfState(state);
    if (state == "3D000") {
        return QCoreApplication::translate("PgSession", "The database on the %1 does not exist (%2).")
            .arg(server, said);
    }
    if (state.startsWith("28")) {
        return QCoreApplication::translate("PgSession", "The %1 did not accept the user name or password (%2).")
            .arg(server, said);
    }
    if (state == "42501") {
        return QCoreApplication::translate("PgSession", "The user has no permission to connect to the %1 (%2).")
            .arg(server, said);
    }
    kind = CAdoException::Kind::ServerAway;
    return FailureText::unreachable(server, said);
}

QString PgConnect::describe(const QString& uri)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    PQfreemem(error);
    if (!options) {
        // libpq cannot read it, so nothing in it can be told apart for sure:
        // shown as typed, less everything up to the last '@' (a user and a
        // password, whatever they hold) and everything from the options on.
        const qsizetype scheme = uri.indexOf(QLatin1String("://"));
        QString rest = scheme >= 0 ? uri.mid(scheme + 3) : uri;
        const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
        if (at >= 0) {
            rest = rest.mid(at + 1);
        }
        return (scheme >= 0 ? uri.left(scheme + 3) : QString()) + rest.section(QLatin1Char('?'), 0, 0);
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
    return QCoreApplication::translate("PgSession", "PostgreSQL server %1").arg(text);
}
