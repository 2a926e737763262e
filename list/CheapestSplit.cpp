#include "list/CheapestSplit.h"

#include "list/PriceBook.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoCommand.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/JournalAction.h"

#include <algorithm>
#include <map>
#include <unordered_map>

CheapestSplit CheapestSplit::read(CAdoConnection& connection)
{
    std::unordered_map<qint64, std::vector<PricePoint>> byItem;
    for (const PricePoint& point : PricePoints::latestOfNeeded(connection)) {
        byItem[point.itemId].push_back(point);
    }
    CheapestSplit split;
    CAdoCommand select(connection, QStringLiteral("SELECT ID, ItemName, QtyToBuy, UnitOfPurchase, Store, Price FROM "
                                                  "ShoppingLists WHERE QtyToBuy > 0 ORDER BY ItemName"));
    while (select.next()) {
        Line line;
        line.id = select.value(0).toInteger();
        line.name = select.value(1).toText();
        line.quantity = TextNumbers::toInt(select.text(2));
        line.unit = select.value(3).toText();
        line.store = select.value(4).toText();
        line.price = std::max(0.0, TextNumbers::toDouble(select.text(5)));
        line.best = line.store;
        line.bestPrice = line.price;
        const auto points = byItem.find(line.id);
        if (points != byItem.end()) {
            const PriceBook::Choice choice =
                PriceBook::cheapest(PriceBook::perStore(points->second), line.store, line.price, line.unit);
            line.best = choice.store;
            line.bestPrice = choice.price;
        }
        split.m_lines.push_back(line);
    }
    return split;
}

std::vector<CheapestSplit::Part> CheapestSplit::parts() const
{
    std::map<QString, Part> byStore;
    for (const Line& line : m_lines) {
        Part& part = byStore[line.best.toCaseFolded()];
        part.store = part.store.isEmpty() ? line.best : part.store;
        part.total += line.quantity * line.bestPrice;
        ++part.lines;
    }
    std::vector<Part> parts;
    for (const auto& [key, part] : byStore) {
        parts.push_back(part);
    }
    return parts;
}

double CheapestSplit::todayTotal() const
{
    double total = 0;
    for (const Line& line : m_lines) {
        total += line.quantity * line.price;
    }
    return total;
}

double CheapestSplit::savings() const
{
    double saved = 0;
    for (const Line& line : m_lines) {
        saved += line.quantity * (line.price - line.bestPrice);
    }
    return saved;
}

int CheapestSplit::move(CAdoConnection& connection, const std::vector<qint64>& ids, const QString& label) const
{
    JournalAction action(connection, label);
    CAdoCommand update(connection, QStringLiteral("UPDATE ShoppingLists SET Store = ?, Price = ? WHERE ID = ?"));
    int moved = 0;
    for (const Line& line : m_lines) {
        if (!line.moves() || std::find(ids.begin(), ids.end(), line.id) == ids.end()) {
            continue;
        }
        action.watch(line.id);
        update.bind(1, line.best);
        update.bind(2, SqlValue::real(line.bestPrice));
        update.bind(3, line.id);
        update.run();
        ++moved;
    }
    action.commit();
    return moved;
}
