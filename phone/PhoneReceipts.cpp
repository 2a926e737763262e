#include "phone/PhoneReceipts.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/CatalogSchema.h"
#include "store/catalog/SideTable.h"

#include <QDateTime>

#include <tuple>

namespace
{
const QString Columns = QStringLiteral("ChangeId, ItemID, Field, Value, Applied, Device, ReceivedAt, Answer");

const SideTable& table()
{
    // The change id compares exactly, as the page made it; the device as
    // device names do, without regard to letter case.
    static const SideTable receipts(
        QStringLiteral("PhoneReceipts"), Columns,
        QStringLiteral("CREATE TABLE PhoneReceipts (ChangeId VARCHAR(64) NOT NULL PRIMARY KEY, ItemID INTEGER, "
                       "Field VARCHAR(16), Value INTEGER, Applied INTEGER NOT NULL, Device %1, "
                       "ReceivedAt BIGINT NOT NULL, Answer TEXT)"),
        QStringLiteral("CREATE INDEX PhoneReceiptsItemIdx ON PhoneReceipts (ItemID, Field)"));
    return receipts;
}
} // namespace

PhoneReceipts::PhoneReceipts(CAdoConnection& connection)
    : m_connection(connection)
{
}

bool PhoneReceipts::usable()
{
    if (!CAdoCommand::available(m_connection)) {
        return false;
    }
    if (m_usableAt == m_connection.location()) {
        return true;
    }
    // Asked again until it is found: a server away at the first write must
    // not leave the receipts off for the run. A user who may not change the
    // structure is never sent a CREATE.
    if (!table().usable(m_connection) && !(CatalogSchema::mayChange(m_connection) && table().ensure(m_connection))) {
        return false;
    }
    // Letting the oldest go finds them by this index.
    std::ignore = CatalogSchema::tryChange(
        m_connection, QStringLiteral("CREATE INDEX IF NOT EXISTS PhoneReceiptsTimeIdx ON PhoneReceipts (ReceivedAt)"));
    m_usableAt = m_connection.location();
    return true;
}

std::optional<QByteArray> PhoneReceipts::answerTo(const QString& changeId)
{
    if (changeId.isEmpty() || !usable()) {
        return std::nullopt;
    }
    CAdoCommand select(m_connection, QStringLiteral("SELECT Answer FROM PhoneReceipts WHERE ChangeId = ?"));
    select.bind(1, changeId);
    if (!select.next()) {
        return std::nullopt;
    }
    return select.text(0).toUtf8();
}

void PhoneReceipts::keep(const Receipt& receipt)
{
    if (receipt.changeId.isEmpty() || !usable()) {
        return;
    }
    CAdoCommand insert(m_connection, QStringLiteral("INSERT INTO PhoneReceipts (") + Columns
                                         + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    insert.bind(1, receipt.changeId);
    insert.bind(2, qint64(receipt.itemId));
    insert.bind(3, receipt.field);
    insert.bind(4, qint64(receipt.value));
    insert.bind(5, qint64(receipt.applied ? 1 : 0));
    insert.bind(6, receipt.device);
    insert.bind(7, QDateTime::currentMSecsSinceEpoch());
    insert.bind(8, QString::fromUtf8(receipt.answer));
    insert.run();
    CAdoCommand prune(m_connection,
                      QStringLiteral("DELETE FROM PhoneReceipts WHERE ReceivedAt < (SELECT ReceivedAt FROM "
                                     "PhoneReceipts ORDER BY ReceivedAt DESC LIMIT 1 OFFSET ?)"));
    prune.bind(1, qint64(KeptReceipts - 1));
    prune.run();
}

std::optional<QString> PhoneReceipts::setBy(int itemId, const QString& field, int value)
{
    if (!usable()) {
        return std::nullopt;
    }
    CAdoCommand select(m_connection, QStringLiteral("SELECT Device, Value FROM PhoneReceipts WHERE ItemID = ? AND "
                                                    "Field = ? AND Applied = 1 ORDER BY ReceivedAt DESC LIMIT 1"));
    select.bind(1, qint64(itemId));
    select.bind(2, field);
    if (!select.next() || select.integer(1) != value) {
        return std::nullopt;
    }
    return select.text(0);
}
