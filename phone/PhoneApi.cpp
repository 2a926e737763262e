#include "phone/PhoneApi.h"

#include "list/CheapestSplit.h"
#include "list/ListStatement.h"
#include "list/NameCompletion.h"
#include "list/ViewState.h"
#include "phone/FailureStatus.h"
#include "phone/PhoneChanges.h"
#include "phone/PhoneCheapest.h"
#include "phone/PhoneJson.h"
#include "phone/PhoneListAnswer.h"
#include "phone/PhoneScans.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/CatalogFailure.h"

#include <QJsonArray>
#include <QJsonObject>

namespace
{
const QString AllStores = QStringLiteral("*");

} // namespace

PhoneApi::PhoneApi(CAdoConnection& connection)
    : m_connection(connection)
    , m_changes(std::make_unique<PhoneChanges>(connection, *this))
    , m_scans(std::make_unique<PhoneScans>(connection, *this))
{
}

PhoneApi::~PhoneApi() = default;

PhoneApi::Reply PhoneApi::error(int status, const QString& reason, const char* code, const QStringList& values)
{
    QJsonObject answer{{QStringLiteral("error"), reason}};
    if (code) {
        answer.insert(QStringLiteral("code"), QLatin1String(code));
    }
    if (!values.isEmpty()) {
        answer.insert(QStringLiteral("values"), QJsonArray::fromStringList(values));
    }
    return Reply{status, PhoneJson::json(answer), false};
}

PhoneApi::Reply PhoneApi::readOnly()
{
    return error(FailureStatus::ReadOnly, QStringLiteral("The catalog is read-only: nothing can be changed."),
                 "read-only");
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
    case FailureStatus::ReadOnly:
        return readOnly();
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

QString PhoneApi::listSql(const QString& store, std::vector<SqlValue>* values, const QStringList& walk)
{
    // A store tab is the need view narrowed to its store, in walking order
    // whatever order the window's need view was given.
    ViewState need;
    need.currentStore = store.isEmpty() ? AllStores : store;
    need.needOrder = QStringLiteral("DeptOrder, ItemName");
    return ListStatement::compose(need, values, true, walk);
}

PhoneApi::Reply PhoneApi::list(const QString& store, const QString& since)
{
    return PhoneListAnswer(m_connection, *this).answer(store, since);
}

PhoneApi::Reply PhoneApi::change(const QByteArray& body, const QString& device)
{
    return m_changes->change(body, device);
}

PhoneApi::Reply PhoneApi::add(const QByteArray& body, const QString& device)
{
    return m_changes->add(body, device);
}

PhoneApi::Reply PhoneApi::price(const QByteArray& body, const QString& device)
{
    return m_changes->price(body, device);
}

PhoneApi::Reply PhoneApi::cheapest()
{
    if (!catalogOpen()) {
        return error(503, QStringLiteral("The catalog is not open."));
    }
    try {
        return {200, PhoneJson::json(PhoneCheapest::answer(CheapestSplit::read(m_connection))), false};
    } catch (const CAdoException& failed) {
        return failure(failed.kind(), QStringLiteral("The prices could not be read."));
    }
}

PhoneApi::Reply PhoneApi::scan(const QByteArray& body, const QString& device)
{
    return m_scans->scan(body, device);
}

PhoneApi::Reply PhoneApi::keepBarcode(const QByteArray& body, const QString& device)
{
    return m_scans->keep(body, device);
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
    return Reply{200, PhoneJson::json(QJsonObject{{QStringLiteral("names"), found}}), false};
}
