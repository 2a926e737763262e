#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class CAdoConnection;

// The receipts of the phones' writes, in a table of their own beside
// ShoppingLists (PhoneReceipts): each write's change id with the answer it
// was given, and the item, field and value it left and the phone that sent
// it. A receipt is written in the write's own transaction, so a write sent
// again (its answer lost, a queue sent twice, to either of two programs
// serving the same catalog, before or after a restart) finds it and lands
// once. The newest KeptReceipts are kept.
//
// Where the table cannot be made (a server user who may not make tables),
// nothing is kept and every call finds nothing.
class PhoneReceipts
{
public:
    struct Receipt
    {
        QString changeId;
        int itemId = 0;
        QString field;        // "Checked", "QtyToBuy" or "Price"; empty for an add
        int value = 0;        // what the write left
        bool applied = false; // the write changed the value
        QString device;
        QByteArray answer;
    };

    // Not owned.
    explicit PhoneReceipts(CAdoConnection& connection);

    // The table is there or was made.
    bool usable();
    // The answer given to the write of changeId, or nullopt.
    std::optional<QByteArray> answerTo(const QString& changeId);
    // Inside the write's transaction: raises CAdoException when the receipt
    // cannot be written (another program wrote the same change id
    // meanwhile), so that the write goes back with it.
    void keep(const Receipt& receipt);
    // The phone whose write set field of item to value: the newest write that
    // changed that field, when it left that value. nullopt when no phone's
    // write did; the computer (or another program) set it.
    std::optional<QString> setBy(int itemId, const QString& field, int value);

    static constexpr int KeptReceipts = 10000;

private:
    CAdoConnection& m_connection;
    QString m_usableAt; // the catalog the table was last found usable on
};
