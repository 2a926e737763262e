#include "store/access/FailureText.h"

#include <QCoreApplication>

namespace
{
const char* const kLocked = QT_TRANSLATE_NOOP("FailureText", "Another program is changing this item; try again.");
const char* const kItemGone = QT_TRANSLATE_NOOP("FailureText", "The item no longer exists in the catalog.");
const char* const kHeldItemGone = QT_TRANSLATE_NOOP("FailureText", "the item no longer exists in the catalog");
const char* const kNoAnswer = QT_TRANSLATE_NOOP("FailureText", "the %1 did not answer within %2 seconds");
const char* const kSilent = QT_TRANSLATE_NOOP("FailureText", "the server did not answer");
const char* const kUnfinished =
    QT_TRANSLATE_NOOP("FailureText", "the %1 did not finish the statement within %2 seconds");
const char* const kLost = QT_TRANSLATE_NOOP("FailureText", "the connection to the %1 was lost (%2)");
const char* const kUnreachableInTime =
    QT_TRANSLATE_NOOP("FailureText", "The %1 cannot be reached: it did not answer within %2 seconds.");
const char* const kUnreachableBecause = QT_TRANSLATE_NOOP("FailureText", "The %1 cannot be reached (%2).");
const char* const kUnreachable = QT_TRANSLATE_NOOP("FailureText", "The %1 cannot be reached.");

QString translated(const char* source)
{
    return QCoreApplication::translate("FailureText", source);
}
} // namespace

QString FailureText::lockedElsewhere()
{
    return translated(kLocked);
}

QString FailureText::itemGone()
{
    return translated(kItemGone);
}

QString FailureText::heldItemGone()
{
    return translated(kHeldItemGone);
}

QString FailureText::noAnswer(const QString& server, int seconds)
{
    return translated(kNoAnswer).arg(server, QString::number(seconds));
}

QString FailureText::silentServer()
{
    return translated(kSilent);
}

QString FailureText::unfinished(const QString& server, int seconds)
{
    return translated(kUnfinished).arg(server, QString::number(seconds));
}

QString FailureText::connectionLost(const QString& server, const QString& cause)
{
    return translated(kLost).arg(server, cause);
}

QString FailureText::unreachableInTime(const QString& server, int seconds)
{
    return translated(kUnreachableInTime).arg(server, QString::number(seconds));
}

QString FailureText::unreachable(const QString& server, const QString& cause)
{
    return translated(kUnreachableBecause).arg(server, cause);
}

QString FailureText::unreachable(const QString& server)
{
    return translated(kUnreachable).arg(server);
}
