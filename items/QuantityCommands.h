#pragma once

class IListWindow;

// Add one, Subtract one and Mark: each changes the one catalog item at the
// list's selection mark, then that list row and the window's totals in place,
// without rebuilding the list. The row changes only once the catalog has
// taken the new value, so the screen never shows what was not stored.
class QuantityCommands
{
public:
    // The largest quantity the catalog column holds.
    static constexpr int MaxQuantity = 32767;

    explicit QuantityCommands(IListWindow& window);

    void AddOne();
    void SubtractOne();
    void Mark(int row);

private:
    // The row shows the quantity just stored; the totals follow.
    void showQuantity(int row, int quantity, double price, bool marked);

    IListWindow& m_window;
};
