#pragma once

#include <QString>

#include <optional>

// The units a quantity is written in, as far as an import weighs them:
// which spellings name one unit ("lbs", "lb."), which units convert by a
// plain factor (g and kg, ml and l, oz and lb), and which count by the dozen.
class PurchaseUnits
{
public:
    // unit in one spelling: lower case, a final dot or plural taken off, a
    // known other name replaced ("pounds" is "lb").
    static QString canonical(const QString& unit);
    static bool same(const QString& a, const QString& b);
    // How many of `to` make one `from` (g to kg: 0.001); nullopt when the
    // two do not convert plainly (different measures, or either unknown).
    static std::optional<double> factor(const QString& from, const QString& to);
    // A unit of twelve ("doz", "Dutzend", "douzaine", "docena").
    static bool isDozen(const QString& unit);
};
