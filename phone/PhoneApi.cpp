#include "phone/PhoneApi.h"

#include "list/ListStatement.h"
#include "list/ListWalk.h"
#include "list/ViewState.h"

#include "list/ItemChanges.h"
#include "list/NameCompletion.h"
#include "phone/FailureStatus.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/CatalogFailure.h"

#include <QHashFunctions>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace
{
const QString AllStores = QStringLiteral("*");
// The code of a request the page never makes: one the phone's user cannot mend.
const char* const BadRequest = "bad-request";
constexpr int MaxStoreTabs = 50;

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// A JSON number that is a whole number within [low, high].
std::optional<int> wholeNumber(const QJsonValue& value, int low, int high)
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

const QString ChangeKey = QStringLiteral("change");
const QString StoreKey = QStringLiteral("store");
const QString AtKey = QStringLiteral("at");

// Only the named keys, each present, and perhaps a change id and those of
// optional.
bool hasExactly(const QJsonObject& object, std::initializer_list<const char*> keys,
                std::initializer_list<QString> optional = {})
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

// The request's change id: empty when it has none, nullopt when the one it
// has is not 8 to 64 letters, digits, '-' or '_'.
std::optional<QString> changeId(const QJsonObject& request)
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

void appendEscaped(QByteArray& out, char c)
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

// text as a JSON string: quotes, backslashes and control characters escaped.
void appendJsonText(QByteArray& out, const QString& text)
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

QString moneyTotal(double total)
{
    if (total < 0.0) {
        return QString();
    }
    // English keeps the figure written out in full, as it always was.
    return Money::isEnglish() ? Money::symbol() + QString::asprintf("%4.2f", total).trimmed() : Money::total(total);
}
} // namespace

PhoneApi::PhoneApi(CAdoConnection& connection)
    : m_connection(connection)
{
}

PhoneApi::Reply PhoneApi::error(int status, const QString& reason, const char* code, const QStringList& values)
{
    QJsonObject answer{{QStringLiteral("error"), reason}};
    if (code) {
        answer.insert(QStringLiteral("code"), QLatin1String(code));
    }
    if (!values.isEmpty()) {
        answer.insert(QStringLiteral("values"), QJsonArray::fromStringList(values));
    }
    return Reply{status, json(answer), false};
}

PhoneApi::Reply PhoneApi::unreachable(const QString& location)
{
    return error(503, QStringLiteral("The %1 cannot be reached; nothing was done. Try again later.")
                          .arg(Catalog::describeLocation(location)));
}

PhoneApi::Reply PhoneApi::failure(CAdoException::Kind kind, const QString& fallback, std::optional<int> item) const
{
    // The phone's replies are English, whatever the language of the
    // program: the kind of failure chooses them, never the store's words.
    int status = FailureStatus::of(kind);
    // The catalog itself says whether the item is gone, whatever the
    // failure said.
    if (status == FailureStatus::Failed && item && itemGone(*item)) {
        status = FailureStatus::ItemGone;
    }
    switch (status) {
    case FailureStatus::Busy:
        return error(status, QStringLiteral("Another program is changing this item; try again."), "busy");
    case FailureStatus::Unreachable:
        return unreachable(m_connection.location());
    case FailureStatus::ItemGone:
        return error(status, QStringLiteral("The item no longer exists in the catalog."), "item-gone");
    default:
        return error(status, fallback);
    }
}

bool PhoneApi::itemGone(int id) const
{
    CAdoRecordset rs;
    if (!rs.Open(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ID = ?"), {SqlValue::integer(id)}, m_connection,
                 CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        return false;
    }
    return rs.IsEOF();
}

bool PhoneApi::catalogOpen() const
{
    return m_connection.isOpen();
}

std::optional<PhoneApi::Reply> PhoneApi::remembered(const QString& changeId) const
{
    const auto found = m_answers.constFind(changeId);
    if (changeId.isEmpty() || found == m_answers.cend()) {
        return std::nullopt;
    }
    return Reply{200, *found, false};
}

void PhoneApi::remember(const QString& changeId, const Reply& reply)
{
    if (changeId.isEmpty() || reply.status != 200) {
        return;
    }
    if (m_answers.size() >= RememberedChanges) {
        m_answers.remove(m_answerOrder.front());
        m_answerOrder.pop_front();
    }
    m_answers.insert(changeId, reply.body);
    m_answerOrder.push_back(changeId);
}

QString PhoneApi::listSql(const QString& store, std::vector<SqlValue>* values, const QStringList& walk)
{
    // A store tab is the need view narrowed to its store, in walking order
    // whatever order the window's need view was given.
    ViewState need;
    need.currentStore = store.isEmpty() ? AllStores : store;
    need.needOrder = QStringLiteral("DeptOrder, ItemName");
    return ListStatement::compose(need, values, true, walk);
}

bool PhoneApi::appendStoreTabs(QByteArray& content)
{
    // The stores in the window's order. Names that differ only in letter
    // case make one tab, as they select the same rows.
    CAdoRecordset rs;
    if (!rs.Open(ListStatement::storeTabs(MaxStoreTabs + 2), m_connection, CAdoRecordset::adOpenForwardOnly,
                 CAdoRecordset::adLockReadOnly, CAdoRecordset::adCmdUnknown)) {
        return false;
    }
    QString previous;
    int count = 0;
    while (!rs.IsEOF() && count < MaxStoreTabs) {
        const QString& name = rs.GetField(0).GetText();
        if (!name.isEmpty() && name != previous) {
            if (count++ > 0) {
                content += ',';
            }
            appendJsonText(content, name);
            previous = name;
        }
        rs.MoveNext();
    }
    return true;
}

bool PhoneApi::appendItems(QByteArray& content, const QString& store, double& listTotal, double& markedTotal)
{
    CAdoRecordset rs;
    std::vector<SqlValue> values;
    // A store tab runs in the store's own walk; the Need tab in the everyday one.
    const QString sql = listSql(store, &values, ListWalk::ofStore(m_connection, store));
    if (!rs.Open(sql, values, m_connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        return false;
    }
    bool first = true;
    while (!rs.IsEOF()) {
        // Each value is used before the one column accessor moves on.
        content += first ? "{\"id\":" : ",{\"id\":";
        first = false;
        content += QByteArray::number(TextNumbers::toInt(rs.GetField(1).GetText()));
        content += ",\"name\":";
        appendJsonText(content, rs.GetField(0).GetText());
        const int quantity = TextNumbers::toInt(rs.GetField(2).GetText());
        content += ",\"qty\":";
        content += QByteArray::number(quantity);
        content += ",\"unit\":";
        appendJsonText(content, rs.GetField(3).GetText());
        content += ",\"dept\":";
        appendJsonText(content, rs.GetField(4).GetText());
        double price = TextNumbers::toDouble(rs.GetField(5).GetText());
        if (!std::isfinite(price)) {
            price = 0.0;
        }
        content += ",\"price\":";
        char number[32];
        const auto written = std::to_chars(number, number + sizeof number, price);
        content.append(number, written.ptr - number);
        // An unmarked item without coupon or notes leaves those out.
        const int mark = TextNumbers::toInt(rs.GetField(7).GetText());
        if (mark != 0) {
            content += ",\"checked\":1";
        }
        const QString& coupon = rs.GetField(8).GetText();
        if (coupon == QLatin1String("1") || coupon == QLatin1String("-1")) {
            content += ",\"coupon\":true";
        }
        const QString& notes = rs.GetField(9).GetText();
        if (!notes.isEmpty()) {
            content += ",\"notes\":";
            appendJsonText(content, notes);
        }
        content += '}';
        const double amount = quantity * price;
        listTotal += amount;
        if (mark != 0) {
            markedTotal += amount;
        }
        rs.MoveNext();
    }
    return true;
}

PhoneApi::Reply PhoneApi::list(const QString& store, const QString& since)
{
    if (!catalogOpen()) {
        return error(503, QStringLiteral("The catalog is not open."));
    }
    const QString shown = store.isEmpty() ? AllStores : store;
    // Written out by hand: the list is the page's one large answer, asked for
    // every second, and this is several times quicker than QJsonObject.
    QByteArray content;
    content.reserve(1024);
    content += "{\"store\":";
    appendJsonText(content, shown);
    content += ",\"stores\":[";
    if (!appendStoreTabs(content)) {
        return failure(m_connection.lastFailureKind(), QStringLiteral("The store list could not be read."));
    }
    content += "],\"items\":[";
    double listTotal = 0.0;
    double markedTotal = 0.0;
    if (!appendItems(content, shown, listTotal, markedTotal)) {
        return failure(m_connection.lastFailureKind(), QStringLiteral("Unable to open shopping list"));
    }
    content += "],\"listTotal\":";
    appendJsonText(content, moneyTotal(listTotal));
    content += ",\"markedTotal\":";
    appendJsonText(content, moneyTotal(markedTotal));
    // The page writes amounts in the phone's own language, in this currency.
    content += ",\"currency\":";
    appendJsonText(content, Money::isoCode());
    content += ",\"currencySymbol\":";
    appendJsonText(content, Money::symbol());

    // Any change to the list changes it; it guards against nothing else.
    const QString version = QString::number(qHashBits(content.constData(), size_t(content.size()), 0x6c697374U), 16);
    if (!since.isEmpty() && since == version) {
        return Reply{200, json(QJsonObject{{QStringLiteral("version"), version}, {QStringLiteral("unchanged"), true}}),
                     false};
    }
    content += ",\"version\":\"" + version.toLatin1() + "\"}";
    return Reply{200, content, false};
}

PhoneApi::Reply PhoneApi::names(const QString& prefix)
{
    if (!catalogOpen()) {
        return error(503, QStringLiteral("The catalog is not open."));
    }
    QJsonArray found;
    if (!prefix.isEmpty()) {
        CAdoRecordset rs;
        if (!rs.Open(NameCompletion::sql(), NameCompletion::values(prefix), m_connection,
                     CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
            return failure(m_connection.lastFailureKind(), QStringLiteral("The catalog could not be searched."));
        }
        while (!rs.IsEOF() && found.size() < MaxNames) {
            found.append(QJsonObject{{QStringLiteral("name"), rs.GetField(0).GetText()},
                                     {QStringLiteral("qty"), TextNumbers::toInt(rs.GetField(1).GetText())}});
            rs.MoveNext();
        }
    }
    return Reply{200, json(QJsonObject{{QStringLiteral("names"), found}}), false};
}

std::optional<PhoneApi::Reply> PhoneApi::readStored(int id, bool isMark, int& stored)
{
    // Keyset and not read-only: inside a transaction the row is held.
    CAdoRecordset rs;
    if (!rs.Open(QStringLiteral("SELECT QtyToBuy, Checked FROM ShoppingLists WHERE ID = ?"), {SqlValue::integer(id)},
                 m_connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic)) {
        return failure(m_connection.lastFailureKind(), QStringLiteral("The item could not be read."));
    }
    if (rs.IsEOF()) {
        // Also for an item deleted while another program held it: the read
        // waited for its lock, and the row is gone.
        return error(404, QStringLiteral("There is no item %1.").arg(id), "no-item", {QString::number(id)});
    }
    stored = TextNumbers::toInt(rs.GetField(isMark ? 1 : 0).GetText());
    if (isMark) {
        stored = stored != 0 ? 1 : 0;
    }
    return std::nullopt;
}

PhoneApi::Reply PhoneApi::change(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return error(400, QStringLiteral("The request is not a JSON object."), BadRequest);
    }
    const QJsonObject request = document.object();
    if (!hasExactly(request, {"id", "field", "from", "to"}, {StoreKey, AtKey})) {
        return error(400,
                     QStringLiteral("A change has exactly id, field, from and to, and perhaps a change id, a "
                                    "store and a time."),
                     BadRequest);
    }
    const std::optional<QString> change = changeId(request);
    if (!change) {
        return error(400, QStringLiteral("A change id has 8 to 64 letters, digits, '-' or '_'."), BadRequest);
    }
    const std::optional<int> id = wholeNumber(request.value(QLatin1String("id")), INT32_MIN, INT32_MAX);
    if (!id) {
        return error(400, QStringLiteral("The item id is not a whole number."), BadRequest);
    }
    const QJsonValue field = request.value(QLatin1String("field"));
    const bool isMark = field == QLatin1String("Checked");
    if (!isMark && field != QLatin1String("QtyToBuy")) {
        return error(400, QStringLiteral("The field is neither Checked nor QtyToBuy."), BadRequest);
    }
    const int high = isMark ? 1 : ItemChanges::MaxQuantity;
    const std::optional<int> from = wholeNumber(request.value(QLatin1String("from")), 0, high);
    const std::optional<int> to = wholeNumber(request.value(QLatin1String("to")), 0, high);
    if (!from || !to) {
        if (isMark) {
            return error(400, QStringLiteral("A mark is 0 or 1."), BadRequest);
        }
        return error(400, QStringLiteral("A quantity is a whole number from 0 to %1.").arg(high), "quantity-range",
                     {QString::number(high)});
    }
    QString refusal;
    const std::optional<ItemChanges::MarkPlace> place = markPlace(request, refusal);
    if (!place) {
        return error(400, refusal, BadRequest);
    }
    if (!catalogOpen()) {
        return error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<Reply> before = remembered(*change)) {
        return *before;
    }

    try {
        return applyChange(*id, isMark, *from, *to, *change, *place);
    } catch (const CAdoException& failed) {
        const Reply reply = failure(failed.kind(), QString(), *id);
        if (reply.status == 500) {
            throw; // the server's caller logs it
        }
        return reply;
    }
}

PhoneApi::Reply PhoneApi::applyChange(int id, bool isMark, int from, int to, const QString& changeId,
                                      const ItemChanges::MarkPlace& place)
{
    // The value is read, compared and written in one transaction: no other
    // program's change can come between the look and the write (the row is
    // held from the read on, as a pass holds its rows).
    CAdoTransaction transaction(m_connection);
    int stored = 0;
    if (std::optional<Reply> failed = readStored(id, isMark, stored)) {
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
        return failure(kind, QStringLiteral("The change could not be saved."), id);
    }
    answer.insert(QStringLiteral("value"), stored);
    const Reply reply{200, json(answer), written};
    remember(changeId, reply);
    return reply;
}

PhoneApi::Reply PhoneApi::add(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return error(400, QStringLiteral("The request is not a JSON object."), BadRequest);
    }
    const QJsonObject request = document.object();
    if (!hasExactly(request, {"name", "quantity"})) {
        return error(400, QStringLiteral("An add has exactly name and quantity, and perhaps a change id."), BadRequest);
    }
    const std::optional<QString> change = changeId(request);
    if (!change) {
        return error(400, QStringLiteral("A change id has 8 to 64 letters, digits, '-' or '_'."), BadRequest);
    }
    const QJsonValue nameValue = request.value(QLatin1String("name"));
    const QString name = nameValue.toString();
    // Counted in characters, as the catalog counts them: an emoji is one.
    if (!nameValue.isString() || name.isEmpty() || !name.isValidUtf16() || name.toUcs4().size() > NameWidth) {
        return error(400, QStringLiteral("A name has 1 to %1 characters.").arg(NameWidth), "name-length",
                     {QString::number(NameWidth)});
    }
    if (name.contains(QChar(u'\0'))) {
        return error(400, QStringLiteral("A name cannot hold a NUL character."), "name-nul");
    }
    std::optional<int> quantity = wholeNumber(request.value(QLatin1String("quantity")), 0, ItemChanges::MaxQuantity);
    if (!quantity) {
        return error(400, QStringLiteral("A quantity is a whole number from 0 to %1.").arg(ItemChanges::MaxQuantity),
                     "quantity-range", {QString::number(ItemChanges::MaxQuantity)});
    }
    if (!catalogOpen()) {
        return error(503, QStringLiteral("The catalog is not open."));
    }
    if (std::optional<Reply> before = remembered(*change)) {
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
        const Reply reply =
            failure(failed.kind(), QString(), id != NoItem ? std::optional<int>(id) : std::optional<int>());
        if (reply.status == 500) {
            throw;
        }
        return reply;
    }
    if (!found) {
        return error(400, QStringLiteral("\"%1\" is not in the catalog. New items are made on the computer.").arg(name),
                     "not-in-catalog", {name});
    }
    const Reply reply{200,
                      json(QJsonObject{{QStringLiteral("name"), name},
                                       {QStringLiteral("quantity"), wanted},
                                       {QStringLiteral("applied"), true}}),
                      true};
    remember(*change, reply);
    return reply;
}
