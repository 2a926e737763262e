#pragma once

#include <QString>

// The words of the catalog's failures that callers tell apart: a server gone
// or slow, a lock that another program holds, an item gone meanwhile. They
// are made here, in the interface's language, and recognised here in that
// language and in English, so that no caller looks for words of its own and
// the choice of message is the same in every language.
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

    // detail (a failure's own words, perhaps inside a longer text) says that
    // another program holds the lock.
    static bool saysLocked(const QString& detail);
    // ... that the item is gone.
    static bool saysItemGone(const QString& detail);
    // ... that the server did not answer, or not finish, in time.
    static bool saysTooSlow(const QString& detail);
    // ... that the server is gone, cut off, cannot be reached or is too slow.
    static bool saysServerAway(const QString& detail);
};
