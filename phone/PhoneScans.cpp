#include "phone/PhoneScans.h"

#include "phone/PhoneJson.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/journal/JournalAction.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QString CodeKey = QStringLiteral("code");
const QString StoreKey = QStringLiteral("store");
const QString AtKey = QStringLiteral("at");
const QString MoveKey = QStringLiteral("move");

// A refused code's fault: its code for the page, and its English words.
struct FaultWords
{
    const char* code;
    const char* words;
};

FaultWords faultWords(Barcode::Fault fault)
{
    switch (fault) {
    case Barcode::Fault::TooLong:
        return {"too-long", "it is too long"};
    case Barcode::Fault::BadCharacter:
        return {"bad-character", "it holds a character no barcode has"};
    case Barcode::Fault::CheckDigit:
        return {"check-digit", "its check digit does not fit"};
    default:
        return {"empty", "it is empty"};
    }
}

// The request's object, or nothing when the body is not one.
std::optional<QJsonObject> objectOf(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

// The code of a request; a refusal in reply when it is none or refused.
// The code itself is never echoed: it may be anything at all.
Barcode codeOf(const QJsonObject& request, std::optional<PhoneApi::Reply>& reply)
{
    const Barcode code = Barcode::parse(request.value(CodeKey).toString());
    if (!request.value(CodeKey).isString() || !code.valid()) {
        const FaultWords fault = faultWords(code.fault());
        reply = PhoneApi::error(400, QStringLiteral("The barcode was refused: %1.").arg(QLatin1String(fault.words)),
                                "bad-barcode", {QString::fromLatin1(fault.code)});
    }
    return code;
}

qint64 idOfName(CAdoConnection& connection, const QString& name)
{
    CAdoCommand select(connection, QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = ?"));
    select.bind(1, name);
    return select.next() ? select.integer(0) : 0;
}

QString nameOfId(CAdoConnection& connection, qint64 id)
{
    CAdoCommand select(connection, QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ID = ?"));
    select.bind(1, id);
    return select.next() ? select.value(0).toText() : QString();
}

PhoneApi::Reply noBarcodes()
{
    return PhoneApi::error(409, QStringLiteral("This catalog keeps no barcodes."), "no-barcodes");
}
} // namespace

PhoneScans::PhoneScans(CAdoConnection& connection, PhoneApi& api)
    : m_connection(connection)
    , m_api(api)
{
}

PhoneApi::Reply PhoneScans::scan(const QByteArray& body, const QString& device)
{
    const std::optional<QJsonObject> request = objectOf(body);
    if (!request || !PhoneJson::hasExactly(*request, {"code"}, {StoreKey, AtKey})) {
        return PhoneApi::error(400, QStringLiteral("A scan is {\"code\": text} with perhaps a store and a time."),
                               "bad-request");
    }
    std::optional<PhoneApi::Reply> refused;
    const Barcode code = codeOf(*request, refused);
    if (refused) {
        return *refused;
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::unreachable(m_connection.location());
    }
    qint64 id = 0;
    QString name;
    try {
        if (!Barcodes::tableUsable(m_connection)) {
            return noBarcodes();
        }
        id = Barcodes::itemOf(m_connection, code);
        name = id != 0 ? nameOfId(m_connection, id) : QString();
    } catch (const CAdoException& failure) {
        return m_api.failure(failure.kind(), QStringLiteral("The barcode could not be looked up."));
    }
    if (id == 0 || name.isNull()) {
        return PhoneApi::error(404, QStringLiteral("No item has this barcode yet."), "unknown-barcode", {code.key()});
    }
    // In the Need tab one more of it; in a store tab, into the basket.
    const QString store = request->value(StoreKey).toString().trimmed();
    QJsonObject change{{QStringLiteral("id"), id}};
    if (store.isEmpty() || store == QLatin1String("*")) {
        change.insert(QStringLiteral("field"), QStringLiteral("QtyToBuy"));
        change.insert(QStringLiteral("step"), 1);
    } else {
        change.insert(QStringLiteral("field"), QStringLiteral("Checked"));
        change.insert(QStringLiteral("from"), 0);
        change.insert(QStringLiteral("to"), 1);
        for (const QString& key : {StoreKey, AtKey}) {
            if (request->contains(key)) {
                change.insert(key, request->value(key));
            }
        }
    }
    if (request->contains(PhoneJson::ChangeKey)) {
        change.insert(PhoneJson::ChangeKey, request->value(PhoneJson::ChangeKey));
    }
    PhoneApi::Reply reply = m_api.change(PhoneJson::json(change), device);
    if (const std::optional<QJsonObject> answer = objectOf(reply.body)) {
        QJsonObject told = *answer;
        told.insert(QStringLiteral("scanned"), QJsonObject{{QStringLiteral("id"), id}, {QStringLiteral("name"), name}});
        reply.body = PhoneJson::json(told);
    }
    return reply;
}

PhoneApi::Reply PhoneScans::keep(const QByteArray& body, const QString& device)
{
    const std::optional<QJsonObject> request = objectOf(body);
    if (!request || !PhoneJson::hasExactly(*request, {"code", "name"}, {MoveKey})
        || !request->value(QStringLiteral("name")).isString()
        || (request->contains(MoveKey) && !request->value(MoveKey).isBool())) {
        return PhoneApi::error(400,
                               QStringLiteral("Keeping a barcode is {\"code\": text, \"name\": text} with "
                                              "perhaps \"move\": true."),
                               "bad-request");
    }
    std::optional<PhoneApi::Reply> refused;
    const Barcode code = codeOf(*request, refused);
    if (refused) {
        return *refused;
    }
    const QString name = request->value(QStringLiteral("name")).toString().trimmed();
    if (name.isEmpty() || name.size() > PhoneApi::NameWidth) {
        return PhoneApi::error(400, QStringLiteral("An item's name has 1 to %1 characters.").arg(PhoneApi::NameWidth),
                               "bad-request");
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::unreachable(m_connection.location());
    }
    try {
        if (!Barcodes::tableUsable(m_connection)) {
            return noBarcodes();
        }
        const qint64 id = idOfName(m_connection, name);
        if (id == 0) {
            return PhoneApi::error(404, QStringLiteral("There is no item of that name."), "unknown-item", {name});
        }
        const qint64 owner = Barcodes::itemOf(m_connection, code);
        if (owner != 0 && owner != id && !request->value(MoveKey).toBool()) {
            return PhoneApi::error(409, QStringLiteral("Another item has this barcode."), "barcode-taken",
                                   {nameOfId(m_connection, owner)});
        }
        JournalAction action(m_connection,
                             QStringLiteral("Barcode for ") + name
                                 + (device.isEmpty() ? QString() : QStringLiteral(" (") + device + QLatin1Char(')')));
        const bool changed = Barcodes::attach(m_connection, action, code, id);
        action.commit();
        return PhoneApi::Reply{200,
                               PhoneJson::json(QJsonObject{{QStringLiteral("id"), id},
                                                           {QStringLiteral("name"), nameOfId(m_connection, id)},
                                                           {CodeKey, code.key()}}),
                               changed};
    } catch (const CAdoException& failure) {
        return m_api.failure(failure.kind(), QStringLiteral("The barcode could not be kept."));
    }
}
