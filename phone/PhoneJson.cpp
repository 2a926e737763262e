#include "phone/PhoneJson.h"

#include <QJsonDocument>
#include <QJsonValue>

#include <cmath>

const QString PhoneJson::ChangeKey = QStringLiteral("change");

QByteArray PhoneJson::json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<int> PhoneJson::wholeNumber(const QJsonValue& value, int low, int high)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number || number < low || number > high) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

bool PhoneJson::hasExactly(const QJsonObject& object, std::initializer_list<const char*> keys,
                           std::initializer_list<QString> optional)
{
    qsizetype extra = object.contains(ChangeKey) ? 1 : 0;
    for (const QString& key : optional) {
        extra += object.contains(key) ? 1 : 0;
    }
    if (object.size() != static_cast<qsizetype>(keys.size()) + extra) {
        return false;
    }
    for (const char* key : keys) {
        if (!object.contains(QLatin1String(key))) {
            return false;
        }
    }
    return true;
}

std::optional<QString> PhoneJson::changeId(const QJsonObject& request)
{
    if (!request.contains(ChangeKey)) {
        return QString();
    }
    const QJsonValue value = request.value(ChangeKey);
    const QString id = value.toString();
    if (!value.isString() || id.size() < 8 || id.size() > 64) {
        return std::nullopt;
    }
    for (const QChar c : id) {
        const char16_t unit = c.unicode();
        const bool allowed = (unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z')
                             || (unit >= '0' && unit <= '9') || unit == '-' || unit == '_';
        if (!allowed) {
            return std::nullopt;
        }
    }
    return id;
}

void PhoneJson::appendEscaped(QByteArray& out, char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '"' || byte == '\\') {
        out += '\\';
        out += c;
    } else if (byte < 0x20) {
        static const char hex[] = "0123456789abcdef";
        const char escape[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 15]};
        out.append(escape, sizeof escape);
    } else {
        out += c;
    }
}

void PhoneJson::appendJsonText(QByteArray& out, const QString& text)
{
    out += '"';
    bool plain = true; // ASCII with nothing to escape: copied as it is
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80 || unit < 0x20 || unit == '"' || unit == '\\') {
            plain = false;
            break;
        }
    }
    if (plain) {
        const qsizetype start = out.size();
        out.resize(start + text.size());
        char* to = out.data() + start;
        for (const QChar c : text) {
            *to++ = static_cast<char>(c.unicode());
        }
    } else {
        for (const char c : text.toUtf8()) {
            appendEscaped(out, c);
        }
    }
    out += '"';
}
