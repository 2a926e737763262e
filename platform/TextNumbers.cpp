#include "platform/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

int TextNumbers::toInt(const QString& text)
{
    // Read in place: the list build converts three texts per row.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > qint64(INT_MAX) + 1) {
            value = qint64(INT_MAX) + 1;
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    return static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

double TextNumbers::toDouble(const QString& text)
{
    // The longest prefix of the form [blanks][sign]digits[.digits][e[sign]digits],
    // read with a point as the decimal mark whatever the user's locale.
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text[i].isSpace()) {
        ++i;
    }
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    int digits = 0;
    while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    int end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            ++j;
        }
        if (j < n && text[j].isDigit()) {
            while (j < n && text[j].isDigit()) {
                ++j;
            }
            end = j;
        }
    }
    // from_chars reads the C form whatever the locale, and fast: the list
    // build converts one price per row.
    char buffer[64];
    int length = 0;
    for (int k = start; k < end && length < static_cast<int>(sizeof buffer); ++k) {
        buffer[length++] = static_cast<char>(text[k].unicode());
    }
    const char* first = buffer[0] == '+' ? buffer + 1 : buffer;
    double value = 0.0;
    const auto result = std::from_chars(first, buffer + length, value);
    return result.ec == std::errc() ? value : 0.0;
}

bool TextNumbers::isPlainMoney(double value)
{
    return std::isfinite(value) && std::fabs(value) < PlainMoneyLimit;
}

QString TextNumbers::money(double value)
{
    if (!isPlainMoney(value)) {
        return QString::number(value, 'g', 3);
    }
    // The same text as printf's "%.2f" (both round the exact value), without
    // its cost: the list build formats one amount per row.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc()) {
        return QString::asprintf("%.2f", value);
    }
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}
