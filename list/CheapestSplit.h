#pragma once

#include <QString>

#include <vector>

class CAdoConnection;

// The shopping list split by where each item is cheapest, given the prices
// seen: an item whose price is not known elsewhere (or at its own store)
// stays at its own store.
class CheapestSplit
{
public:
    struct Line
    {
        qint64 id = 0;
        QString name;
        int quantity = 0;
        QString unit;
        QString store;    // the item's own store
        double price = 0; // there; 0 when not known
        QString best;     // where it is cheapest
        double bestPrice = 0;
        bool moves() const { return best != store; }
    };
    struct Part
    {
        QString store;
        double total = 0; // quantity times price of its lines
        int lines = 0;
    };

    // Reads the list (quantity above 0) and the prices of its items. Raises
    // CAdoException when the catalog cannot be read.
    static CheapestSplit read(CAdoConnection& connection);

    const std::vector<Line>& lines() const { return m_lines; }
    // Each store's part of the split, by store name.
    std::vector<Part> parts() const;
    // The list at today's stores, and what the split saves on it.
    double todayTotal() const;
    double savings() const;

    // Moves the items of ids among the lines that move to their cheapest
    // store, with its price, as one undoable action named label. Returns
    // the number moved. Raises CAdoException when it cannot be written;
    // nothing is then kept.
    int move(CAdoConnection& connection, const std::vector<qint64>& ids, const QString& label) const;

private:
    std::vector<Line> m_lines;
};
