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
    // The stored quantity or mark (0 or 1) of the item; the reply to give
    // instead when it cannot be read or there is no such item.
    std::optional<PhoneApi::Reply> readStored(int id, bool isMark, int& stored);
    // The change of a checked request: read, compared and written in one
    // transaction.
    PhoneApi::Reply applyChange(int id, bool isMark, int from, int to, const QString& changeId,
                                const ItemChanges::MarkPlace& place);
    // The answer of a change id seen before, or nullopt.
    std::optional<PhoneApi::Reply> remembered(const QString& changeId) const;
    void remember(const QString& changeId, const PhoneApi::Reply& reply);

    CAdoConnection& m_connection;
    const PhoneApi& m_api;
    QHash<QString, QByteArray> m_answers; // by change id
    std::deque<QString> m_answerOrder;    // oldest first
};
