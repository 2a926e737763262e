#include "phone/PhoneChanges.h"

#include "phone/PhoneJson.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

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

    ItemChanges::Change wanted;
    wanted.field = isMark ? ItemChanges::Field::Mark : ItemChanges::Field::Quantity;
    wanted.to = *to;
    wanted.from = *from;
    wanted.place = *place;
    return apply(*id, wanted, *change);
}

PhoneApi::Reply PhoneChanges::apply(int id, const ItemChanges::Change& wanted, const QString& changeId)
{
    ItemChanges::Result result;
    try {
        result = ItemChanges::change(m_connection, id, wanted);
    } catch (const CAdoException& failed) {
        const PhoneApi::Reply reply = m_api.failure(failed.kind(), QString(), id);
        if (reply.status == 500) {
            throw; // the server's caller logs it
        }
        return reply;
    }
    const PhoneApi::Reply reply = answer(id, wanted.field, result);
    remember(changeId, reply);
    return reply;
}

PhoneApi::Reply PhoneChanges::answer(int id, ItemChanges::Field field, const ItemChanges::Result& result)
{
    if (result.outcome == ItemChanges::Outcome::Gone) {
        // Also for an item deleted while another program held it: the read
        // waited for its lock, and the row is gone.
        return PhoneApi::error(404, QStringLiteral("There is no item %1.").arg(id), "no-item", {QString::number(id)});
    }
    // A change found already made is applied too: a change sent twice lands
    // once. A stale one is not, and the page takes the stored value.
    const bool applied = result.outcome != ItemChanges::Outcome::Stale;
    const QJsonObject answer{{QStringLiteral("id"), id},
                             {QStringLiteral("field"), field == ItemChanges::Field::Mark ? QStringLiteral("Checked")
                                                                                         : QStringLiteral("QtyToBuy")},
                             {QStringLiteral("applied"), applied},
                             {QStringLiteral("value"), result.value}};
    return PhoneApi::Reply{200, PhoneJson::json(answer), result.outcome == ItemChanges::Outcome::Applied};
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
    try {
        found = ItemChanges::changeByName(m_connection, name, wanted).outcome != ItemChanges::Outcome::Gone;
    } catch (const CAdoException& failed) {
        // The item's row is held from its read on: a failure after it is
        // never the item gone.
        const PhoneApi::Reply reply = m_api.failure(failed.kind(), QString());
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
