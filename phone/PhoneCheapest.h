#pragma once

#include <QJsonObject>

class CheapestSplit;

// The phone's Cheapest view: the list split by where each item is cheapest,
// as Cheapest Stores shows it on the computer, read only.
//
//   {"today": 12.5, "savings": 1.2,
//    "parts": [{"store": "B-Mart", "total": 8.1, "lines": 3}, ...],
//    "moves": [{"id": 4, "name": "Milk", "quantity": 2, "unit": "gal",
//               "from": "B-Mart", "to": "C-Mart", "price": 3.49, "best": 2.99}, ...]}
//
// today: the list at the items' own stores; savings: what the split saves
// on it; parts by store name; moves: the items another store sells cheaper.
class PhoneCheapest
{
public:
    static QJsonObject answer(const CheapestSplit& split);
};
