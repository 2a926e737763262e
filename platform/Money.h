#pragma once

#include <QString>

// How amounts of money are written and read for the user: in the default
// locale's form (decimal separator, grouping, currency symbol and its place),
// with the symbol of the Currency setting when one is stored. English (and
// the unset "C" locale) keeps the program's long-standing form: "4.29" in a
// cell, "$4.29" for a total, a point as the only decimal mark.
//
// The catalog always stores the plain number; only what is shown and typed
// follows the locale.
class Money
{
public:
    // The Currency setting; empty means the locale's own symbol.
    static void setCurrencySymbol(const QString& symbol);
    static QString currencySymbolSetting();

    // True when the default locale is English or unset.
    static bool isEnglish();
    // The symbol in use: the setting, otherwise the locale's ("$" in English).
    static QString symbol();
    // The locale's own symbol, whatever the setting.
    static QString localeSymbol();
    // The ISO 4217 code for other programs (the phone page): the setting when
    // it is one, otherwise the locale's ("USD" in English).
    static QString isoCode();

    // An amount with its symbol, as totals show it; an amount too large to
    // write out in full (see TextNumbers) in a short form such as "$1e+300".
    static QString total(double value);
    // An amount as a list cell shows it: the plain figure in English, the
    // same as total() otherwise.
    static QString cell(double value);

    // The price as the editor's price box shows it.
    static QString editText(double price);
    // Reads a price typed in the price box: digits with at most one decimal
    // mark, the locale's or a point. False for anything else.
    static bool parsePrice(const QString& text, double& price);
    // What the price box lets the user type: up to seven digits, then the
    // locale's decimal mark or a point and up to two digits.
    static QString priceInputPattern();
};
