#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <initializer_list>
#include <optional>

class QJsonValue;

// The JSON of the phone list's interface: what its answers are written with
// and what its requests are read with.
class PhoneJson
{
public:
    // The key of a write's own id.
    static const QString ChangeKey;

    static QByteArray json(const QJsonObject& object);
    // A JSON number that is a whole number within [low, high].
    static std::optional<int> wholeNumber(const QJsonValue& value, int low, int high);
    // Only the named keys, each present, and perhaps a change id and those of
    // optional.
    static bool hasExactly(const QJsonObject& object, std::initializer_list<const char*> keys,
                           std::initializer_list<QString> optional = {});
    // The request's change id: empty when it has none, nullopt when the one it
    // has is not 8 to 64 letters, digits, '-' or '_'.
    static std::optional<QString> changeId(const QJsonObject& request);
    // text as a JSON string: quotes, backslashes and control characters escaped.
    static void appendJsonText(QByteArray& out, const QString& text);

private:
    static void appendEscaped(QByteArray& out, char c);
};
