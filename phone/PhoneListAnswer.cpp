#include "phone/PhoneListAnswer.h"

#include "list/ListStatement.h"
#include "list/ListWalk.h"
#include "phone/PhoneJson.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

#include <QHashFunctions>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <vector>

namespace
{
const QString AllStores = QStringLiteral("*");
constexpr int MaxStoreTabs = 50;

QString moneyTotal(double total)
{
    if (total < 0.0) {
        return QString();
    }
    // English keeps the figure written out in full, as it always was.
    return Money::isEnglish() ? Money::symbol() + QString::asprintf("%4.2f", total).trimmed() : Money::total(total);
}
} // namespace

PhoneListAnswer::PhoneListAnswer(CAdoConnection& connection, const PhoneApi& api)
    : m_connection(connection)
    , m_api(api)
{
}

bool PhoneListAnswer::appendStoreTabs(QByteArray& content)
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
            PhoneJson::appendJsonText(content, name);
            previous = name;
        }
        rs.MoveNext();
    }
    return true;
}

bool PhoneListAnswer::appendItems(QByteArray& content, const QString& store, double& listTotal, double& markedTotal)
{
    CAdoRecordset rs;
    std::vector<SqlValue> values;
    // A store tab runs in the store's own walk; the Need tab in the everyday one.
    const QString sql = PhoneApi::listSql(store, &values, ListWalk::ofStore(m_connection, store));
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
        PhoneJson::appendJsonText(content, rs.GetField(0).GetText());
        const int quantity = TextNumbers::toInt(rs.GetField(2).GetText());
        content += ",\"qty\":";
        content += QByteArray::number(quantity);
        content += ",\"unit\":";
        PhoneJson::appendJsonText(content, rs.GetField(3).GetText());
        content += ",\"dept\":";
        PhoneJson::appendJsonText(content, rs.GetField(4).GetText());
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
            PhoneJson::appendJsonText(content, notes);
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

PhoneApi::Reply PhoneListAnswer::answer(const QString& store, const QString& since)
{
    if (!m_api.catalogOpen()) {
        return PhoneApi::error(503, QStringLiteral("The catalog is not open."));
    }
    const QString shown = store.isEmpty() ? AllStores : store;
    // Written out by hand: the list is the page's one large answer, asked for
    // every second, and this is several times quicker than QJsonObject.
    QByteArray content;
    content.reserve(1024);
    content += "{\"store\":";
    PhoneJson::appendJsonText(content, shown);
    content += ",\"stores\":[";
    if (!appendStoreTabs(content)) {
        return m_api.failure(m_connection.lastFailureKind(), QStringLiteral("The store list could not be read."));
    }
    content += "],\"items\":[";
    double listTotal = 0.0;
    double markedTotal = 0.0;
    if (!appendItems(content, shown, listTotal, markedTotal)) {
        return m_api.failure(m_connection.lastFailureKind(), QStringLiteral("Unable to open shopping list"));
    }
    content += "],\"listTotal\":";
    PhoneJson::appendJsonText(content, moneyTotal(listTotal));
    content += ",\"markedTotal\":";
    PhoneJson::appendJsonText(content, moneyTotal(markedTotal));
    // The page writes amounts in the phone's own language, in this currency.
    content += ",\"currency\":";
    PhoneJson::appendJsonText(content, Money::isoCode());
    content += ",\"currencySymbol\":";
    PhoneJson::appendJsonText(content, Money::symbol());

    // Any change to the list changes it; it guards against nothing else.
    const QString version = QString::number(qHashBits(content.constData(), size_t(content.size()), 0x6c697374U), 16);
    if (!since.isEmpty() && since == version) {
        return PhoneApi::Reply{
            200,
            PhoneJson::json(QJsonObject{{QStringLiteral("version"), version}, {QStringLiteral("unchanged"), true}}),
            false};
    }
    content += ",\"version\":\"" + version.toLatin1() + "\"}";
    return PhoneApi::Reply{200, content, false};
}
