#pragma once

#include <QString>

// The words of the catalog's failures: a server gone or slow, a lock that
// another program holds, an item gone meanwhile, in the interface's
// language. They are the detail of a failure; callers tell failures apart by
// their kind (CAdoException::Kind), never by these words.
class FailureText
{
public:
    // "Another program is changing this item; try again."
    static QString lockedElsewhere();
    // "The item no longer exists in the catalog."
    static QString itemGone();
    // The same as the cause of a batch of writes that failed.
    static QString heldItemGone();

    // The server and its time limit or cause, as the engine names them.
    static QString noAnswer(const QString& server, int seconds);
    // A failure of the server that came without words of its own.
    static QString silentServer();
    static QString unfinished(const QString& server, int seconds);
    static QString connectionLost(const QString& server, const QString& cause);
    static QString unreachableInTime(const QString& server, int seconds);
    static QString unreachable(const QString& server, const QString& cause);
    static QString unreachable(const QString& server);
};
