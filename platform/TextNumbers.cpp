#include "platform/TextNumbers.h"

#include <climits>
#include <cstdlib>

int TextNumbers::toInt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
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
    while (i < n && text[i].isDigit()) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit()) {
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
    QString prefix = text.mid(start, end - start);
    if (prefix.endsWith(QLatin1Char('.'))) {
        prefix.chop(1);
    }
    return prefix.toDouble();
}

QString TextNumbers::money(double value)
{
    return QString::asprintf("%.2f", value);
}
