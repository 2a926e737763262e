#include "phone/PhoneChanges.h"

#include "phone/PhoneJson.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace
{
// The code of a request the page never makes: one the phone's user cannot mend.
const char* const BadRequest = "bad-request";

const QString StoreKey = QStringLiteral("store");
const QString AtKey = QStringLiteral("at");

// Where and when a mark was made, from the request's optional "store" (the
// phone's store tab; none or "*" for the Need tab) and "at" (milliseconds
// since 1970 on the phone; a time still to come counts as now when it is
// noted). nullopt, with the reason in refusal, when either is malformed.
std::optional<ItemChanges::MarkPlace> markPlace(const QJsonObject& request, QString& refusal)
{
    ItemChanges::MarkPlace place;
    if (request.contains(StoreKey)) {
        const QJsonValue store = request.value(StoreKey);
        if (!store.isString() || store.toString().toUcs4().size() > PhoneApi::StoreWidth) {
            refusal = QStringLiteral("A store is a name of at most %1 characters.").arg(PhoneApi::StoreWidth);
            return std::nullopt;
        }
        place.store = store.toString();
    }
    if (request.contains(AtKey)) {
        // Whole milliseconds that a double holds exactly: beyond, the phone's
        // own number could not have been sent as it was.
        constexpr double latest = 9007199254740991.0; // 2^53 - 1
        const QJsonValue at = request.value(AtKey);
        const double number = at.toDouble(-1.0);
        if (!at.isDouble() || !std::isfinite(number) || std::floor(number) != number || number < 0.0
            || number > latest) {
            refusal = QStringLiteral("The time of a change is a whole number of milliseconds since 1970.");
            return std::nullopt;
        }
        place.madeAt = static_cast<qint64>(number);
    }
    return place;
}

// The refusal of the name of an add, or nullopt when it can be looked up.
std::optional<PhoneApi::Reply> nameRefusal(const QJsonValue& nameValue)
{
    const QString name = nameValue.toString();
    // Counted in characters, as the catalog counts them: an emoji is one.
    if (!nameValue.isString() || name.isEmpty() || !name.isValidUtf16() || name.toUcs4().size() > PhoneApi::NameWidth) {
        return PhoneApi::error(400, QStringLiteral("A name has 1 to %1 characters.").arg(PhoneApi::NameWidth),
                               "name-length", {QString::number(PhoneApi::NameWidth)});
    }
    if (name.contains(QChar(u'\0'))) {
        return PhoneApi::error(400, QStringLiteral("A name cannot hold a NUL character."), "name-nul");
    }
    return std::nullopt;
}
} // namespace

PhoneChanges::PhoneChanges(CAdoConnection& connection, const PhoneApi& api)
    : m_connection(connection)
    , m_api(api)
{
}

std::optional<PhoneApi::Reply> PhoneChanges::remembered(const QString& changeId) const
{
    const auto found = m_answers.constFind(changeId);
    if (changeId.isEmpty() || found == m_answers.cend()) {
        return std::nullopt;
    }
    return PhoneApi::Reply{200, *found, false};
}

void PhoneChanges::remember(const QString& changeId, const PhoneApi::Reply& reply)
{
    if (changeId.isEmpty() || reply.status != 200) {
        return;
    }
    if (m_answers.size() >= PhoneApi::RememberedChanges) {
        m_answers.remove(m_answerOrder.front());
        m_answerOrder.pop_front();
    }
    m_answers.insert(changeId, reply.body);
    m_answerOrder.push_back(changeId);
}

std::optional<PhoneApi::Reply> PhoneChanges::readStored(int id, bool isMark, int& stored)
{
    // Keyset and not read-only: inside a transaction the row is held.
    CAdoRecordset rs;
    if (!rs.Open(QStringLiteral("SELECT QtyToBuy, Checked FROM ShoppingLists WHERE ID = ?"), {SqlValue::integer(id)},
                 m_connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic)) {
        return m_api.failure(m_connection.lastFailureKind(), QStringLiteral("The item could not be read."));
    }
    if (rs.IsEOF()) {
        // Also for an item deleted while another program held it: the read
        // waited for its lock, and the row is gone.
        return PhoneApi::error(404, QStringLiteral("There is no item %1.").arg(id), "no-item", {QString::number(id)});
    }
    stored = TextNumbers::toInt(rs.GetField(isMark ? 1 : 0).GetText());
    if (isMark) {
        stored = stored != 0 ? 1 : 0;
    }
    return std::nullopt;
}

PhoneApi::Reply PhoneChanges::change(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return PhoneApi::error(400, QStringLiteral("The request is not a JSON object."), BadRequest);
    }
    const QJsonObject request = document.object();
    if (!PhoneJson::hasExactly(request, {"id", "field", "from", "to"}, {StoreKey, AtKey})) {
        return PhoneApi::error(400,
                               QStringLiteral("A change has exactly id, field, from and to, and perhaps a change id, a "
                                              "store and a time."),
                               BadRequest);
    }
    const std::optional<QString> change = PhoneJson::changeId(request);
    if (!change) {
        return PhoneApi::error(400, QStringLiteral("A change id has 8 to 64 letters, digits, '-' or '_'."), BadRequest);
    }
    const std::optional<int> id = PhoneJson::wholeNumber(request.value(QLatin1String("id")), INT32_MIN, INT32_MAX);
    if (!id) {
        return PhoneApi::error(400, QStringLiteral("The item id is not a whole number."), BadRequest);
    }
    const QJsonValue field = request.value(QLatin1String("field"));
    const bool isMark = field == QLatin1String("Checked");
    if (!isMark && field != QLatin1String("QtyToBuy")) {
        return PhoneApi::error(400, QStringLiteral("The field is neither Checked nor QtyToBuy."), BadRequest);
    }
    const int high = isMark ? 1 : ItemChanges::MaxQuantity;
    const std::optional<int> from = PhoneJson::wholeNumber(request.value(QLatin1String("from")), 0, high);
    const std::optional<int> to = PhoneJson::wholeNumber(request.value(QLatin1String("to")), 0, high);
    if (!from || !to) {
        if (isMark) {
            return PhoneApi::error(400, QStringLiteral("A mark is 0 or 1."), BadRequest);
        }
        return PhoneApi::error(400, QStringLiteral("A quantity is a whole number from 0 to %1.").arg(high),
                               "quantity-range", {QString::number(high)});
    }
    QString refusal;
    const std::optional<ItemChanges::MarkPlace> place = markPlace(request, refusal);
    if (!place) {
        return PhoneApi::error(400, refusal, BadRequest);
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<PhoneApi::Reply> before = remembered(*change)) {
        return *before;
    }

    try {
        return applyChange(*id, isMark, *from, *to, *change, *place);
    } catch (const CAdoException& failed) {
        const PhoneApi::Reply reply = m_api.failure(failed.kind(), QString(), *id);
        if (reply.status == 500) {
            throw; // the server's caller logs it
        }
        return reply;
    }
}

PhoneApi::Reply PhoneChanges::applyChange(int id, bool isMark, int from, int to, const QString& changeId,
                                          const ItemChanges::MarkPlace& place)
{
    // The value is read, compared and written in one transaction: no other
    // program's change can come between the look and the write (the row is
    // held from the read on, as a pass holds its rows).
    CAdoTransaction transaction(m_connection);
    int stored = 0;
    if (std::optional<PhoneApi::Reply> failed = readStored(id, isMark, stored)) {
        return *failed;
    }
    const QString field = isMark ? QStringLiteral("Checked") : QStringLiteral("QtyToBuy");
    QJsonObject answer{{QStringLiteral("id"), id}, {QStringLiteral("field"), field}};
    bool written = false;
    if (stored == to) {
        answer.insert(QStringLiteral("applied"), true);
    } else if (stored == from) {
        if (isMark) {
            ItemChanges::setMark(m_connection, id, to, place);
        } else {
            ItemChanges::setQuantity(m_connection, id, to);
        }
        written = true;
        stored = to;
        answer.insert(QStringLiteral("applied"), true);
    } else {
        // Changed elsewhere since the page read it: the stored value stands.
        answer.insert(QStringLiteral("applied"), false);
    }
    if (transaction.active() && !transaction.commit()) {
        // Asked about the item after the refused transaction is undone.
        const CAdoException::Kind kind = m_connection.lastFailureKind();
        transaction.rollback();
        return m_api.failure(kind, QStringLiteral("The change could not be saved."), id);
    }
    answer.insert(QStringLiteral("value"), stored);
    const PhoneApi::Reply reply{200, PhoneJson::json(answer), written};
    remember(changeId, reply);
    return reply;
}

PhoneApi::Reply PhoneChanges::add(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return PhoneApi::error(400, QStringLiteral("The request is not a JSON object."), BadRequest);
    }
    const QJsonObject request = document.object();
    if (!PhoneJson::hasExactly(request, {"name", "quantity"})) {
        return PhoneApi::error(400, QStringLiteral("An add has exactly name and quantity, and perhaps a change id."),
                               BadRequest);
    }
    const std::optional<QString> change = PhoneJson::changeId(request);
    if (!change) {
        return PhoneApi::error(400, QStringLiteral("A change id has 8 to 64 letters, digits, '-' or '_'."), BadRequest);
    }
    const QJsonValue nameValue = request.value(QLatin1String("name"));
    const QString name = nameValue.toString();
    if (std::optional<PhoneApi::Reply> refused = nameRefusal(nameValue)) {
        return *refused;
    }
    std::optional<int> quantity =
        PhoneJson::wholeNumber(request.value(QLatin1String("quantity")), 0, ItemChanges::MaxQuantity);
    if (!quantity) {
        return PhoneApi::error(
            400, QStringLiteral("A quantity is a whole number from 0 to %1.").arg(ItemChanges::MaxQuantity),
            "quantity-range", {QString::number(ItemChanges::MaxQuantity)});
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<PhoneApi::Reply> before = remembered(*change)) {
        return *before;
    }
    // As quick entry: no quantity means one.
    const int wanted = *quantity == 0 ? 1 : *quantity;
    bool found = false;
    constexpr int NoItem = std::numeric_limits<int>::min(); // until the name is found
    int id = NoItem;
    try {
        found = ItemChanges::setQuantityByName(m_connection, name, wanted, &id);
    } catch (const CAdoException& failed) {
        const PhoneApi::Reply reply =
            m_api.failure(failed.kind(), QString(), id != NoItem ? std::optional<int>(id) : std::optional<int>());
        if (reply.status == 500) {
            throw;
        }
        return reply;
    }
    if (!found) {
        return PhoneApi::error(
            400, QStringLiteral("\"%1\" is not in the catalog. New items are made on the computer.").arg(name),
            "not-in-catalog", {name});
    }
    const PhoneApi::Reply reply{200,
                                PhoneJson::json(QJsonObject{{QStringLiteral("name"), name},
                                                            {QStringLiteral("quantity"), wanted},
                                                            {QStringLiteral("applied"), true}}),
                                true};
    remember(*change, reply);
    return reply;
}
