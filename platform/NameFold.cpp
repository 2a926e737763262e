#include "platform/NameFold.h"

#include <QChar>

#include <algorithm>
#include <string>

namespace
{
// Above every code point: where a byte of an invalid sequence sorts.
constexpr char32_t kInvalidBase = 0x110000;

// The code point that starts at text[at], lowered, and the bytes it takes.
char32_t nextUnit(const unsigned char* text, int size, int& at)
{
    const unsigned char lead = text[at];
    if (lead < 0x80) {
        ++at;
        return lead >= 'A' && lead <= 'Z' ? lead + ('a' - 'A') : lead;
    }
    int length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    }
    if (length == 0 || at + length > size) {
        ++at;
        return kInvalidBase + lead;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = text[at + i];
        if ((next & 0xC0) != 0x80) {
            ++at;
            return kInvalidBase + lead;
        }
        value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not
    // text: their bytes keep places of their own.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++at;
        return kInvalidBase + lead;
    }
    at += length;
    return QChar::toLower(value);
}
} // namespace

QString NameFold::key(const QString& name)
{
    std::u32string points = name.toStdU32String();
    for (char32_t& point : points) {
        point = QChar::toLower(point);
    }
    return QString::fromStdU32String(points);
}

int NameFold::compare(const QString& left, const QString& right)
{
    const std::u32string a = key(left).toStdU32String();
    const std::u32string b = key(right).toStdU32String();
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool NameFold::contains(const QStringList& names, const QString& name)
{
    const QString wanted = key(name);
    return std::any_of(names.begin(), names.end(), [&wanted](const QString& one) { return key(one) == wanted; });
}

bool NameFold::startsWith(const QString& name, const QString& prefix)
{
    return key(name).toStdU32String().starts_with(key(prefix).toStdU32String());
}

int NameFold::compareUtf8(const void* left, int leftSize, const void* right, int rightSize)
{
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    int i = 0;
    int j = 0;
    while (i < leftSize && j < rightSize) {
        // Two ASCII bytes, as nextUnit takes them, without its call: names
        // sorted in a list are compared many times, mostly in ASCII.
        const unsigned char p = a[i];
        const unsigned char q = b[j];
        if ((p | q) < 0x80) {
            if (p != q) {
                const unsigned char x = p >= 'A' && p <= 'Z' ? p + ('a' - 'A') : p;
                const unsigned char y = q >= 'A' && q <= 'Z' ? q + ('a' - 'A') : q;
                if (x != y) {
                    return x < y ? -1 : 1;
                }
            }
            ++i;
            ++j;
            continue;
        }
        const char32_t x = nextUnit(a, leftSize, i);
        const char32_t y = nextUnit(b, rightSize, j);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return (i < leftSize ? 1 : 0) - (j < rightSize ? 1 : 0);
}
