#include "controls/ColumnShares.h"

#include <algorithm>

void ColumnShares::giveEachItsNeed(std::span<int> widths, std::span<const int> needs)
{
    int missing = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (widths[column] < needs[column]) {
            missing += needs[column] - widths[column];
            widths[column] = needs[column];
        }
    }
    while (missing > 0 && !widths.empty()) {
        std::size_t richest = 0;
        for (std::size_t column = 1; column < widths.size(); ++column) {
            if (widths[column] - needs[column] > widths[richest] - needs[richest]) {
                richest = column;
            }
        }
        const int taken = std::min(missing, std::max(widths[richest] - needs[richest], 0));
        if (taken == 0) {
            return;
        }
        const int step = std::max(1, std::min(taken, missing / 2 + 1));
        widths[richest] -= step;
        missing -= step;
    }
}
