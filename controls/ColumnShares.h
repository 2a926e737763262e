#pragma once

#include <span>

// The widths of a list's columns, shared out so that each one is at least as
// wide as it needs (its heading, say) while their sum stays the same.
class ColumnShares
{
public:
    // Widens each column narrower than its need to that need, and takes the
    // room from the columns with most to spare beyond their own needs, a
    // little at a time so that they share it. When the columns have too
    // little to spare, the sum grows by what is missing. widths and needs
    // are of one length.
    static void giveEachItsNeed(std::span<int> widths, std::span<const int> needs);
};
