#pragma once

#include "phone/PhoneApi.h"

#include <QByteArray>
#include <QString>

class CAdoConnection;

// The phone's barcodes: a scan, and keeping a code with an item.
//
// A scan, {"code": "4006381333931"} and optionally "store", "at" and
// "change" as a mark takes them, looks the code up and writes as a tap
// would: in the Need tab (no store, or "*") one more of the item, in a store
// tab the item's mark in the basket. It goes through PhoneApi::change, so a
// scan queued offline and sent twice lands once. The answer is that of the
// change, with "scanned": the item's id and name. A code no item has is
// answered 404 (code "unknown-barcode"), a refused code 400
// ("bad-barcode", its fault as the one value).
//
// {"code": ..., "name": "Milk"} and optionally "move": true keeps the code
// with the named item. A code another item has is answered 409
// ("barcode-taken", the other item's name) unless move says to take it.
class PhoneScans
{
public:
    // api answers the changes and words the failures; neither is owned.
    PhoneScans(CAdoConnection& connection, PhoneApi& api);

    PhoneApi::Reply scan(const QByteArray& body, const QString& device);
    PhoneApi::Reply keep(const QByteArray& body, const QString& device);

private:
    CAdoConnection& m_connection;
    PhoneApi& m_api;
};
