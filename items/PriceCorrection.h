#pragma once

#include <QString>

class IListWindow;

// A price corrected in place in a store tab's price cell: it becomes the
// item's price and a price seen at that store, as one undoable action, and
// the cell shows it once stored.
class PriceCorrection
{
public:
    explicit PriceCorrection(IListWindow& window);

    // The text typed in row's price cell. A text that is no price is refused
    // with why; whether the price was stored. Raises CAdoException when the
    // catalog cannot be written; nothing is then kept.
    bool correct(int row, const QString& text);

    static QString refusal();

private:
    IListWindow& m_window;
};
