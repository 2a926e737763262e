#pragma once

#include "list/ItemChanges.h"
#include "phone/PhoneApi.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <deque>
#include <optional>

class CAdoConnection;

// The two writes of the phone list's interface, as PhoneApi::change and
// PhoneApi::add take them, and the answers of the last
// PhoneApi::RememberedChanges change ids.
class PhoneChanges
{
public:
    // api words the failures; neither is owned.
    PhoneChanges(CAdoConnection& connection, const PhoneApi& api);

    PhoneApi::Reply change(const QByteArray& body);
    PhoneApi::Reply add(const QByteArray& body);

private:
    // A checked change, made in one transaction (ItemChanges::change), and
    // its answer remembered under changeId.
    PhoneApi::Reply apply(int id, const ItemChanges::Change& wanted, const QString& changeId);
    // The answer to a change's outcome.
    static PhoneApi::Reply answer(int id, ItemChanges::Field field, const ItemChanges::Result& result);
    // The answer of a change id seen before, or nullopt.
    std::optional<PhoneApi::Reply> remembered(const QString& changeId) const;
    void remember(const QString& changeId, const PhoneApi::Reply& reply);

    CAdoConnection& m_connection;
    const PhoneApi& m_api;
    QHash<QString, QByteArray> m_answers; // by change id
    std::deque<QString> m_answerOrder;    // oldest first
};
