#include "transfer/PriceTransfer.h"

#include "store/catalog/PricePoints.h"
#include "transfer/TransferColumns.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace
{
bool samePoint(const PricePoint& a, const PricePoint& b)
{
    return a.seenAt == b.seenAt && std::llround(a.price * 100.0) == std::llround(b.price * 100.0)
           && a.store.compare(b.store, Qt::CaseInsensitive) == 0;
}
} // namespace

void PriceTransfer::append(const std::vector<PricePoint>& points, QByteArray& out)
{
    if (points.empty()) {
        return;
    }
    QJsonArray list;
    for (const PricePoint& point : points) {
        QJsonObject entry;
        entry.insert(QStringLiteral("Store"), point.store);
        entry.insert(QStringLiteral("Price"), point.price);
        entry.insert(QStringLiteral("Unit"), point.unit);
        entry.insert(QStringLiteral("Seen"),
                     QDateTime::fromMSecsSinceEpoch(point.seenAt, QTimeZone::utc()).toString(Qt::ISODateWithMs));
        entry.insert(QStringLiteral("Source"), PricePoint::sourceName(point.source));
        list.append(entry);
    }
    out += ", \"Prices\": ";
    out += QJsonDocument(list).toJson(QJsonDocument::Compact);
}

QString PriceTransfer::read(const QJsonValue& json, std::vector<PricePoint>& points)
{
    if (json.isUndefined() || json.isNull()) {
        return {};
    }
    if (!json.isArray()) {
        return tr("Prices should be a list.");
    }
    for (const QJsonValue& entry : json.toArray()) {
        const QJsonObject object = entry.toObject();
        PricePoint point;
        // As long as the catalog's own names may be.
        point.store = object.value(QStringLiteral("Store"))
                          .toString()
                          .trimmed()
                          .left(TransferColumns::width(TransferColumns::Store));
        point.unit = object.value(QStringLiteral("Unit"))
                         .toString()
                         .trimmed()
                         .left(TransferColumns::width(TransferColumns::UnitOfPurchase));
        const QJsonValue price = object.value(QStringLiteral("Price"));
        point.price = price.toDouble(-1.0);
        const QDateTime seen =
            QDateTime::fromString(object.value(QStringLiteral("Seen")).toString(), Qt::ISODateWithMs);
        point.source = PricePoint::Source::Import;
        if (!entry.isObject() || point.store.isEmpty() || !price.isDouble() || !PricePoint::priceAcceptable(point.price)
            || !seen.isValid()) {
            return tr("Price %1 needs a store, a price of 0 or more and the time it was seen.").arg(points.size() + 1);
        }
        point.seenAt = seen.toMSecsSinceEpoch();
        points.push_back(point);
    }
    return {};
}

void PriceTransfer::keep(CAdoConnection& connection, JournalAction& action, qint64 itemId,
                         const std::vector<PricePoint>& points)
{
    if (points.empty() || !PricePoints::tableUsable(connection)) {
        return;
    }
    std::vector<PricePoint> known = PricePoints::pointsOf(connection, itemId);
    for (PricePoint point : points) {
        const bool seen =
            std::any_of(known.begin(), known.end(), [&](const PricePoint& k) { return samePoint(k, point); });
        if (!seen) {
            point.itemId = itemId;
            PricePoints::record(connection, action, point);
            known.push_back(point);
        }
    }
}
