#pragma once

#include "store/access/CAdoException.h"
#include "store/access/SqlValue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class CAdoConnection;
class PhoneChanges;
class PhoneScans;

// The JSON interface of the phone list, on the window's own catalog
// connection: the need view in walking order, name completion, and the two
// writes (one item's mark or quantity, a named item's quantity), which go
// through the same catalog code as the window's commands.
//
// A press of + or - travels as a step: "QtyToBuy of item 42 by +1", added to
// the quantity the catalog holds when it arrives (kept within 0 and
// ItemChanges::MaxQuantity), so that presses on two phones add up. A mark
// (and a quantity from a page that knows no steps) says what it sets, not
// what it toggles: "Checked of item 42 from 0 to 1". It is applied when the
// stored value still is its from value, is taken as done when the stored
// value already is its to value (a change sent twice lands once), and is
// refused otherwise, answering the stored value. Where the stored value was
// not this change's doing, the answer says who set it: the computer, or a
// phone by its name.
//
// A write may carry "change", an id the page made for it. The answer to a
// change id seen before is the answer it had then, and nothing is written:
// a change sent again after its answer was lost lands once, even when the
// computer has set the value back meanwhile. The ids are kept in the
// catalog with the writes (PhoneReceipts), so this holds after a restart
// and beside another program serving the same catalog.
//
// Every field of a request is checked before anything is written; a bad
// request is answered 400 with a reason and changes nothing.
class PhoneApi
{
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;      // JSON
        bool changed = false; // the catalog was written
    };

    explicit PhoneApi(CAdoConnection& connection);
    ~PhoneApi();
    PhoneApi(const PhoneApi&) = delete;
    PhoneApi& operator=(const PhoneApi&) = delete;

    // The list for the store tab (empty or "*": every store). since: the
    // version the page holds; when the list still has it, the answer says
    // only that.
    Reply list(const QString& store, const QString& since);
    // Up to MaxNames catalog names starting with prefix, as quick entry
    // completes them.
    Reply names(const QString& prefix);
    // {"id": 42, "field": "Checked"|"QtyToBuy", "from": 0, "to": 1}, or
    // {"id": 42, "field": "QtyToBuy", "step": 1}, and optionally "change":
    // "<id>". A mark may say where and when the phone made it: "store", the
    // store tab's name (none or "*" for the Need tab, which teaches the walks
    // nothing), and "at", milliseconds since 1970 by the phone's clock, so
    // that a mark queued without reception keeps its own time. device: the
    // name of the phone that sent it, for the answers to other phones.
    Reply change(const QByteArray& body, const QString& device = QString());
    // {"name": "Milk", "quantity": 2}, and optionally "change": sets the
    // named item's quantity, as the quick-entry add does (0 counts as 1).
    Reply add(const QByteArray& body, const QString& device = QString());
    // {"id": 42, "store": "B-Mart", "price": 3.49}, and optionally "at" (as
    // a mark's) and "change": the price read off the shelf at that store. It
    // becomes a price seen there, and the item's Price when the store is the
    // item's own. A time still to come counts as now; one older than 90 days
    // is refused.
    Reply price(const QByteArray& body, const QString& device = QString());
    // The list split by where each item is cheapest (PhoneCheapest).
    Reply cheapest();
    // A scanned barcode, and a barcode kept with a named item (PhoneScans).
    Reply scan(const QByteArray& body, const QString& device = QString());
    Reply keepBarcode(const QByteArray& body, const QString& device = QString());

    // The list statement: the window's need view statement, in walking
    // order, narrowed to one store when store is not "*", with the notes
    // after the window's columns. values and walk (the store's own walk) as
    // for ListStatement::compose.
    static QString listSql(const QString& store, std::vector<SqlValue>* values = nullptr,
                           const QStringList& walk = QStringList());

    // The answer while the catalog at location cannot be used: 503, naming
    // its server (or file).
    static Reply unreachable(const QString& location);
    // The answer to a failure of the catalog, by its kind (FailureStatus):
    // 503 naming the server when it is away or does not answer, 409 when
    // another program holds the item, 404 when the item (item, when the
    // request names one) is gone, 403 when the catalog is read-only, else
    // 500 with fallback.
    Reply failure(CAdoException::Kind kind, const QString& fallback, std::optional<int> item = std::nullopt) const;

    static constexpr int MaxNames = 8;
    static constexpr int NameWidth = 30;            // ItemName
    static constexpr int StoreWidth = 30;           // Store
    static constexpr int RememberedChanges = 10000; // in memory

    // A refusal: the reason in English words, and for those the page shows
    // the phone's user a code (with the values its words take, in order) the
    // page words in the phone's language.
    static Reply error(int status, const QString& reason, const char* code = nullptr,
                       const QStringList& values = QStringList());
    // The refusal of a write to a catalog that cannot be written.
    static Reply readOnly();
    bool catalogOpen() const;

private:
    // True when the catalog can be read and holds no item id.
    bool itemGone(int id) const;

    CAdoConnection& m_connection;
    std::unique_ptr<PhoneChanges> m_changes;
    std::unique_ptr<PhoneScans> m_scans;
};
