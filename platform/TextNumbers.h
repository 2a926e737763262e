#pragma once

#include <QString>

// The text-to-number conversions the program uses on catalog texts: an
// integer is the leading digits (blanks and a sign allowed before them), a
// price the longest numeric prefix; text without a number gives 0.
class TextNumbers
{
public:
    static int toInt(const QString& text);
    static double toDouble(const QString& text);
    // "%.2f", the form of money in list cells; an amount at or beyond
    // PlainMoneyLimit (only a hand-edited catalog holds one) in a short form
    // such as "1e+300", and so is one that is not a number.
    static QString money(double value);
    // True when money() writes the amount out in full.
    static bool isPlainMoney(double value);

    // Above the largest amount a row can reach through the item editor (a
    // price of 9999999 times a quantity of 32767), and far below where a
    // double stops holding whole cents.
    static constexpr double PlainMoneyLimit = 1e12;
};
