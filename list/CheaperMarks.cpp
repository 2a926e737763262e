#include "list/CheaperMarks.h"

#include "platform/CRegistry.h"
#include "platform/Money.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "store/catalog/PricePoints.h"

#include <QDateTime>
#include <QLocale>

int CheaperMarks::percentSetting()
{
    const qint32 stored = CRegistry().GetDword(settingName());
    return stored >= 0 && stored < 100 ? stored : DefaultPercent;
}

QString CheaperMarks::settingName()
{
    return QStringLiteral("CheaperByPercent");
}

bool CheaperMarks::possible(CAdoConnection& connection)
{
    try {
        return PricePoints::tableUsable(connection)
               && CAdoCommand(connection, QStringLiteral("SELECT 1 FROM PricePoints LIMIT 1")).next();
    } catch (const CAdoException&) {
        return false;
    }
}

void CheaperMarks::loadFor(CAdoConnection& connection, const std::vector<qint64>& ids, double percent)
{
    m_prices.clear();
    m_percent = percent;
    std::vector<PricePoint> points;
    try {
        points = PricePoints::latestOfItems(connection, ids);
    } catch (const CAdoException&) {
        // The list matters more than its marks.
        return;
    }
    // The points come by item, then time; the marks need only each store's
    // last price.
    auto from = points.begin();
    while (from != points.end()) {
        auto to = from;
        while (to != points.end() && to->itemId == from->itemId) {
            ++to;
        }
        m_prices.emplace(from->itemId, PriceBook::perStore(std::vector<PricePoint>(from, to)));
        from = to;
    }
}

QString CheaperMarks::tipFor(qint64 id, const QString& store, double price, const QString& unit) const
{
    const auto found = m_prices.find(id);
    if (found == m_prices.end()) {
        return {};
    }
    const auto cheaper = PriceBook::cheaperElsewhere(found->second, store, price, unit, m_percent);
    if (!cheaper) {
        return {};
    }
    return QStringLiteral("%1 %2 (%3)").arg(cheaper->store, Money::cell(cheaper->last), dateText(cheaper->lastAt));
}

QString CheaperMarks::dateText(qint64 seenAt)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(seenAt).date(), QStringLiteral("d MMM"));
}
