#include "phone/PhoneChanges.h"

#include "list/ShelfPrice.h"
#include "phone/PhoneJson.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoTransaction.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace
{
// The code of a request the page never makes: one the phone's user cannot mend.
const char* const BadRequest = "bad-request";

const QString StoreKey = QStringLiteral("store");
const QString AtKey = QStringLiteral("at");
const QString FromKey = QStringLiteral("from");
const QString ToKey = QStringLiteral("to");
const QString StepKey = QStringLiteral("step");
const QString MarkField = QStringLiteral("Checked");
const QString QuantityField = QStringLiteral("QtyToBuy");
const QString ChangeShape = QStringLiteral(
    "A change has exactly id, field, and from and to or a step, and perhaps a change id, a store and a time.");

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

const QString PriceShape =
    QStringLiteral("A shelf price has exactly id, store and price, and perhaps a change id and a time.");

// When a shelf price was seen: the phone's time, taken as now when it is
// still to come (a clock set wrong); nullopt when it is older than a queue
// of changes waiting without reception is kept.
std::optional<qint64> shelfTime(const ItemChanges::MarkPlace& place)
{
    constexpr qint64 oldest = 90LL * 24 * 60 * 60 * 1000;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (place.madeAt <= 0 || place.madeAt > now) {
        return now;
    }
    return place.madeAt < now - oldest ? std::nullopt : std::optional<qint64>(place.madeAt);
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
    , m_receipts(connection)
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
    if (changeId.isEmpty() || reply.status != 200 || m_answers.contains(changeId)) {
        return;
    }
    if (m_answers.size() >= PhoneApi::RememberedChanges) {
        m_answers.remove(m_answerOrder.front());
        m_answerOrder.pop_front();
    }
    m_answers.insert(changeId, reply.body);
    m_answerOrder.push_back(changeId);
}

std::optional<PhoneApi::Reply> PhoneChanges::read(const QByteArray& body, std::initializer_list<const char*> keys,
                                                  std::initializer_list<QString> optional, const QString& shape,
                                                  Request& out)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return PhoneApi::error(400, QStringLiteral("The request is not a JSON object."), BadRequest);
    }
    out.fields = document.object();
    if (!PhoneJson::hasExactly(out.fields, keys, optional)) {
        return PhoneApi::error(400, shape, BadRequest);
    }
    const std::optional<QString> change = PhoneJson::changeId(out.fields);
    if (!change) {
        return PhoneApi::error(400, QStringLiteral("A change id has 8 to 64 letters, digits, '-' or '_'."), BadRequest);
    }
    out.changeId = *change;
    return std::nullopt;
}

std::optional<PhoneApi::Reply> PhoneChanges::wanted(const QJsonObject& request, ItemChanges::Change& change)
{
    const QJsonValue field = request.value(QLatin1String("field"));
    const bool isMark = field == MarkField;
    if (!isMark && field != QuantityField) {
        return PhoneApi::error(400, QStringLiteral("The field is neither Checked nor QtyToBuy."), BadRequest);
    }
    change.field = isMark ? ItemChanges::Field::Mark : ItemChanges::Field::Quantity;
    const int high = isMark ? 1 : ItemChanges::MaxQuantity;
    if (request.contains(StepKey)) {
        // A press of + or -: added to whatever the catalog holds then.
        const std::optional<int> step = PhoneJson::wholeNumber(request.value(StepKey), -high, high);
        if (isMark || !step || *step == 0) {
            return PhoneApi::error(
                400, QStringLiteral("A step is a whole number from -%1 to %1 other than 0, for a quantity.").arg(high),
                BadRequest);
        }
        change.to = *step;
        change.step = true;
    } else {
        const std::optional<int> from = PhoneJson::wholeNumber(request.value(FromKey), 0, high);
        const std::optional<int> to = PhoneJson::wholeNumber(request.value(ToKey), 0, high);
        if (!from || !to) {
            if (isMark) {
                return PhoneApi::error(400, QStringLiteral("A mark is 0 or 1."), BadRequest);
            }
            return PhoneApi::error(400, QStringLiteral("A quantity is a whole number from 0 to %1.").arg(high),
                                   "quantity-range", {QString::number(high)});
        }
        change.from = *from;
        change.to = *to;
    }
    QString refusal;
    const std::optional<ItemChanges::MarkPlace> place = markPlace(request, refusal);
    if (!place) {
        return PhoneApi::error(400, refusal, BadRequest);
    }
    change.place = *place;
    return std::nullopt;
}

PhoneApi::Reply PhoneChanges::change(const QByteArray& body, const QString& device)
{
    Request request;
    if (std::optional<PhoneApi::Reply> refused =
            read(body, {"id", "field"}, {FromKey, ToKey, StepKey, StoreKey, AtKey}, ChangeShape, request)) {
        return *refused;
    }
    // A step, or a value set from a value: never both, never half of one.
    const bool fromTo = request.fields.contains(FromKey) && request.fields.contains(ToKey);
    const bool halfOrBoth =
        request.fields.contains(StepKey) ? request.fields.contains(FromKey) || request.fields.contains(ToKey) : !fromTo;
    if (halfOrBoth) {
        return PhoneApi::error(400, ChangeShape, BadRequest);
    }
    const std::optional<int> id =
        PhoneJson::wholeNumber(request.fields.value(QLatin1String("id")), INT32_MIN, INT32_MAX);
    if (!id) {
        return PhoneApi::error(400, QStringLiteral("The item id is not a whole number."), BadRequest);
    }
    ItemChanges::Change change;
    if (std::optional<PhoneApi::Reply> refused = wanted(request.fields, change)) {
        return *refused;
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<PhoneApi::Reply> before = remembered(request.changeId)) {
        return *before;
    }
    const int item = *id;
    return once(request.changeId, item, [this, item, &change, &device] {
        return changed(item, change, ItemChanges::change(m_connection, item, change), device);
    });
}

PhoneApi::Reply PhoneChanges::once(const QString& changeId, std::optional<int> item,
                                   const std::function<Written()>& write)
{
    try {
        // Made, when it has to be, before the write's transaction begins.
        const bool receipts = m_receipts.usable() && !changeId.isEmpty();
        CAdoTransaction transaction(m_connection);
        if (const std::optional<QByteArray> kept = receipts ? m_receipts.answerTo(changeId) : std::nullopt) {
            const PhoneApi::Reply reply{200, *kept, false};
            remember(changeId, reply);
            return reply;
        }
        Written written = write();
        if (written.reply.status != 200) {
            return written.reply;
        }
        written.receipt.changeId = changeId;
        written.receipt.answer = written.reply.body;
        m_receipts.keep(written.receipt);
        if (transaction.active() && !transaction.commit()) {
            ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
        }
        remember(changeId, written.reply);
        return written.reply;
    } catch (const CAdoException& failed) {
        const PhoneApi::Reply reply = m_api.failure(failed.kind(), QString(), item);
        if (reply.status == 500) {
            throw; // the server's caller logs it
        }
        return reply;
    }
}

PhoneChanges::Written PhoneChanges::changed(int id, const ItemChanges::Change& wanted,
                                            const ItemChanges::Result& result, const QString& device)
{
    if (result.outcome == ItemChanges::Outcome::Gone) {
        // Also for an item deleted while another program held it: the read
        // waited for its lock, and the row is gone.
        return Written{
            PhoneApi::error(404, QStringLiteral("There is no item %1.").arg(id), "no-item", {QString::number(id)}), {}};
    }
    const QString field = wanted.field == ItemChanges::Field::Mark ? MarkField : QuantityField;
    // A change found already made is applied too: a change sent twice lands
    // once. A stale one is not, and the page takes the stored value.
    const bool applied = result.outcome != ItemChanges::Outcome::Stale;
    QJsonObject answer{{QStringLiteral("id"), id},
                       {QStringLiteral("field"), field},
                       {QStringLiteral("applied"), applied},
                       {QStringLiteral("value"), result.value},
                       {QStringLiteral("name"), result.name}};
    if (!wanted.step && result.outcome != ItemChanges::Outcome::Applied) {
        // The value stands as someone else set it: the page tells who.
        tellSetter(answer, id, field, result.value, device);
    }
    const bool wrote = result.outcome == ItemChanges::Outcome::Applied;
    PhoneReceipts::Receipt receipt;
    receipt.itemId = id;
    receipt.field = field;
    receipt.value = result.value;
    receipt.applied = wrote;
    receipt.device = device;
    return Written{PhoneApi::Reply{200, PhoneJson::json(answer), wrote}, receipt};
}

void PhoneChanges::tellSetter(QJsonObject& answer, int id, const QString& field, int value, const QString& device)
{
    const std::optional<QString> phone = m_receipts.setBy(id, field, value);
    if (phone && !phone->isEmpty() && phone->compare(device, Qt::CaseInsensitive) == 0) {
        return;
    }
    if (phone && !phone->isEmpty()) {
        answer.insert(QStringLiteral("by"), QStringLiteral("phone"));
        answer.insert(QStringLiteral("phone"), *phone);
    } else {
        answer.insert(QStringLiteral("by"), QStringLiteral("computer"));
    }
}

PhoneApi::Reply PhoneChanges::add(const QByteArray& body, const QString& device)
{
    Request request;
    if (std::optional<PhoneApi::Reply> refused =
            read(body, {"name", "quantity"}, {},
                 QStringLiteral("An add has exactly name and quantity, and perhaps a change id."), request)) {
        return *refused;
    }
    const QJsonValue nameValue = request.fields.value(QLatin1String("name"));
    const QString name = nameValue.toString();
    if (std::optional<PhoneApi::Reply> refused = nameRefusal(nameValue)) {
        return *refused;
    }
    std::optional<int> quantity =
        PhoneJson::wholeNumber(request.fields.value(QLatin1String("quantity")), 0, ItemChanges::MaxQuantity);
    if (!quantity) {
        return PhoneApi::error(
            400, QStringLiteral("A quantity is a whole number from 0 to %1.").arg(ItemChanges::MaxQuantity),
            "quantity-range", {QString::number(ItemChanges::MaxQuantity)});
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<PhoneApi::Reply> before = remembered(request.changeId)) {
        return *before;
    }
    // As quick entry: no quantity means one.
    const int wanted = *quantity == 0 ? 1 : *quantity;
    // The item's row is held from its read on: a failure after it is never
    // the item gone.
    return once(request.changeId, std::nullopt, [this, &name, wanted, &device] {
        const ItemChanges::Result result = ItemChanges::changeByName(m_connection, name, wanted);
        if (result.outcome == ItemChanges::Outcome::Gone) {
            return Written{PhoneApi::error(400,
                                           QStringLiteral("\"%1\" is not in the catalog. New items are made on the "
                                                          "computer.")
                                               .arg(name),
                                           "not-in-catalog", {name}),
                           {}};
        }
        PhoneReceipts::Receipt receipt;
        receipt.itemId = result.id;
        receipt.field = QuantityField;
        receipt.value = wanted;
        receipt.applied = true;
        receipt.device = device;
        return Written{PhoneApi::Reply{200,
                                       PhoneJson::json(QJsonObject{{QStringLiteral("name"), name},
                                                                   {QStringLiteral("quantity"), wanted},
                                                                   {QStringLiteral("applied"), true}}),
                                       true},
                       receipt};
    });
}

PhoneApi::Reply PhoneChanges::price(const QByteArray& body, const QString& device)
{
    Request request;
    if (std::optional<PhoneApi::Reply> refused = read(body, {"id", "store", "price"}, {AtKey}, PriceShape, request)) {
        return *refused;
    }
    const std::optional<int> id =
        PhoneJson::wholeNumber(request.fields.value(QLatin1String("id")), INT32_MIN, INT32_MAX);
    QString refusal;
    const std::optional<ItemChanges::MarkPlace> place = markPlace(request.fields, refusal);
    if (!id || !place) {
        return PhoneApi::error(400, id ? refusal : QStringLiteral("The item id is not a whole number."), BadRequest);
    }
    const QString store = place->store.trimmed();
    if (store.isEmpty() || store == QLatin1String("*")) {
        return PhoneApi::error(400, QStringLiteral("A shelf price is seen at a store."), BadRequest);
    }
    const QJsonValue priceValue = request.fields.value(QLatin1String("price"));
    const double price = priceValue.toDouble(-1.0);
    if (!priceValue.isDouble() || !std::isfinite(price) || price < 0.0 || price > ShelfPrice::MaxPrice) {
        return PhoneApi::error(400, QStringLiteral("A price is a number from 0 to 9999999."), "price-range",
                               {QStringLiteral("9999999")});
    }
    const std::optional<qint64> seenAt = shelfTime(*place);
    if (!seenAt) {
        return PhoneApi::error(400, QStringLiteral("A price waits to be sent for at most 90 days."), BadRequest);
    }
    if (!m_api.catalogOpen()) {
        return PhoneApi::error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<PhoneApi::Reply> before = remembered(request.changeId)) {
        return *before;
    }
    const int item = *id;
    return once(request.changeId, item, [this, item, &store, price, &seenAt, &device] {
        const ShelfPrice::Result result = ShelfPrice::record(m_connection, item, store, price, *seenAt);
        return shelved(item, price, result, device);
    });
}

PhoneChanges::Written PhoneChanges::shelved(int id, double price, const ShelfPrice::Result& result,
                                            const QString& device)
{
    if (result.outcome == ShelfPrice::Outcome::Gone) {
        return Written{
            PhoneApi::error(404, QStringLiteral("There is no item %1.").arg(id), "no-item", {QString::number(id)}), {}};
    }
    if (result.outcome == ShelfPrice::Outcome::NoPriceBook) {
        return Written{PhoneApi::error(409, QStringLiteral("This catalog keeps no prices per store."), "no-price-book"),
                       {}};
    }
    PhoneReceipts::Receipt receipt;
    receipt.itemId = id;
    receipt.field = QStringLiteral("Price");
    receipt.applied = true;
    receipt.device = device;
    const QJsonObject answer{{QStringLiteral("id"), id},
                             {QStringLiteral("name"), result.name},
                             {QStringLiteral("price"), std::round(price * 100.0) / 100.0},
                             {QStringLiteral("priceSet"), result.priceSet},
                             {QStringLiteral("applied"), true}};
    return Written{PhoneApi::Reply{200, PhoneJson::json(answer), true}, receipt};
}
