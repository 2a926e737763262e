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
    // "%.2f", the form of money in list cells.
    static QString money(double value);
};
