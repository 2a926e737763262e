#include "store/access/FailureText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <initializer_list>

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

// The pattern of one text with its %1, %2 ... standing for anything.
QString patternOf(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QString pattern;
    qsizetype from = 0;
    for (auto match = marker.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        pattern += QRegularExpression::escape(text.mid(from, next.capturedStart() - from)) + QStringLiteral(".*");
        from = next.capturedEnd();
    }
    return pattern + QRegularExpression::escape(text.mid(from));
}

// detail holds one of the texts, in the interface's language or in English.
bool holdsAny(const QString& detail, std::initializer_list<const char*> sources)
{
    if (detail.isEmpty()) {
        return false;
    }
    for (const char* source : sources) {
        for (const QString& text : {translated(source), QString::fromUtf8(source)}) {
            // The connection gives its last failure a capital first letter.
            const QRegularExpression pattern(patternOf(text), QRegularExpression::DotMatchesEverythingOption
                                                                  | QRegularExpression::CaseInsensitiveOption);
            if (pattern.match(detail).hasMatch()) {
                return true;
            }
        }
    }
    return false;
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

bool FailureText::saysLocked(const QString& detail)
{
    return holdsAny(detail, {kLocked});
}

bool FailureText::saysItemGone(const QString& detail)
{
    return holdsAny(detail, {kItemGone, kHeldItemGone});
}

bool FailureText::saysTooSlow(const QString& detail)
{
    return holdsAny(detail, {kNoAnswer, kSilent, kUnfinished, kUnreachableInTime});
}

bool FailureText::saysServerAway(const QString& detail)
{
    return saysTooSlow(detail) || holdsAny(detail, {kLost, kUnreachableBecause, kUnreachable});
}
