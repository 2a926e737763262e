#pragma once

#include "list/ItemChanges.h"
#include "list/ShelfPrice.h"
#include "phone/PhoneApi.h"
#include "phone/PhoneReceipts.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>

class CAdoConnection;

// The writes of the phone list's interface, as PhoneApi::change, add and
// price take them, each made once per change id: the answers are
// kept as receipts in the catalog (PhoneReceipts) and, for the last
// PhoneApi::RememberedChanges change ids, in memory too (all there is where
// the catalog cannot keep receipts).
class PhoneChanges
{
public:
    // api words the failures; neither is owned.
    PhoneChanges(CAdoConnection& connection, const PhoneApi& api);

    // device: the name of the phone that sent the write; empty when unknown.
    PhoneApi::Reply change(const QByteArray& body, const QString& device);
    PhoneApi::Reply add(const QByteArray& body, const QString& device);
    PhoneApi::Reply price(const QByteArray& body, const QString& device);

private:
    // A request's JSON object and its change id (empty when it has none).
    struct Request
    {
        QJsonObject fields;
        QString changeId;
    };
    // What a write did: its answer, and the receipt to keep of it.
    struct Written
    {
        PhoneApi::Reply reply;
        PhoneReceipts::Receipt receipt;
    };

    // body as a request with exactly keys, and perhaps the keys of optional
    // and a change id; the refusal, worded by shape, when it is not.
    static std::optional<PhoneApi::Reply> read(const QByteArray& body, std::initializer_list<const char*> keys,
                                               std::initializer_list<QString> optional, const QString& shape,
                                               Request& out);
    // The change a request asks for, or the refusal.
    static std::optional<PhoneApi::Reply> wanted(const QJsonObject& request, ItemChanges::Change& change);

    // write made in one transaction with its receipt, once per change id:
    // for a change id seen before, its answer then. A failure of the catalog
    // is answered by its kind (about item, when the write names one).
    PhoneApi::Reply once(const QString& changeId, std::optional<int> item, const std::function<Written()>& write);
    // The answer to a change's outcome, and its receipt.
    Written changed(int id, const ItemChanges::Change& wanted, const ItemChanges::Result& result,
                    const QString& device);
    // The answer to a shelf price's outcome, and its receipt.
    Written shelved(int id, double price, const ShelfPrice::Result& result, const QString& device);
    // Who set the value a change found, for the page to name: nothing when
    // it is the sending phone's own earlier write.
    void tellSetter(QJsonObject& answer, int id, const QString& field, int value, const QString& device);
    // The answer of a change id seen before, or nullopt.
    std::optional<PhoneApi::Reply> remembered(const QString& changeId) const;
    void remember(const QString& changeId, const PhoneApi::Reply& reply);

    CAdoConnection& m_connection;
    const PhoneApi& m_api;
    PhoneReceipts m_receipts;
    QHash<QString, QByteArray> m_answers; // by change id
    std::deque<QString> m_answerOrder;    // oldest first
};
