#pragma once

#include "store/catalog/PricePoint.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonValue>
#include <QString>

#include <vector>

class CAdoConnection;
class JournalAction;

// An item's price points in a JSON catalog: under "Prices", a list of
// {"Store", "Price", "Unit", "Seen" (ISO 8601, UTC), "Source"}.
class PriceTransfer
{
    Q_DECLARE_TR_FUNCTIONS(PriceTransfer)

public:
    // The item's ", \"Prices\": [...]" part; nothing when it has none.
    static void append(const std::vector<PricePoint>& points, QByteArray& out);
    // The points of an item's "Prices" (absent: none); why they are refused,
    // or empty.
    static QString read(const QJsonValue& json, std::vector<PricePoint>& points);
    // Inside action: itemId's points from a file, those it has already (the
    // same store, moment and price) left out. Nothing when the catalog keeps
    // no price book.
    static void keep(CAdoConnection& connection, JournalAction& action, qint64 itemId,
                     const std::vector<PricePoint>& points);
};
