#include "transfer/TransferColumns.h"

#include "platform/TextLimit.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace
{
struct ColumnInfo
{
    const char* name;
    int width; // 0 for a number
};

const ColumnInfo kColumns[TransferColumns::Count] = {
    {"ID", 0},     {"ItemName", 30}, {"QtyToBuy", 0}, {"UnitOfPurchase", 30}, {"ItemNameDetail", 50}, {"Dept", 30},
    {"Store", 30}, {"GiftFor", 15},  {"Checked", 0},  {"DeptOrder", 0},       {"Price", 0},           {"Coupon", 0},
};

// The whole-number range each number column takes.
struct Range
{
    qint64 low;
    qint64 high;
};

Range rangeOf(int column)
{
    switch (column) {
    case TransferColumns::QtyToBuy:
        return {0, TransferColumns::MaxQuantity};
    case TransferColumns::Checked:
        return {-32768, 32767};
    default:
        return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    }
}

// Prices beyond this are no price anyone pays; they are refused rather than
// shown as "1e+300".
constexpr double kPriceLimit = 1e9;

QString label(int column)
{
    return column == TransferColumns::QtyToBuy ? TransferColumns::tr("The quantity") : TransferColumns::name(column);
}
} // namespace

QString TransferColumns::name(int column)
{
    return QLatin1String(kColumns[column].name);
}

int TransferColumns::find(const QString& name)
{
    for (int column = 0; column < Count; ++column) {
        if (name.trimmed().compare(QLatin1String(kColumns[column].name), Qt::CaseInsensitive) == 0) {
            return column;
        }
    }
    return -1;
}

bool TransferColumns::isText(int column)
{
    return kColumns[column].width > 0;
}

int TransferColumns::width(int column)
{
    return kColumns[column].width;
}

QString TransferColumns::list()
{
    QStringList names;
    for (int column = 0; column < Count; ++column) {
        names << name(column);
    }
    return names.join(QStringLiteral(", "));
}

std::optional<SqlValue> TransferColumns::fromText(int column, const QString& text, QString& reason)
{
    if (isText(column)) {
        return check(column, SqlValue::text(text), reason);
    }
    const QString trimmed = text.trimmed();
    bool whole = false;
    const qint64 integer = trimmed.toLongLong(&whole);
    if (whole) {
        return check(column, SqlValue::integer(integer), reason);
    }
    bool number = false;
    const double real = trimmed.toDouble(&number);
    if (!number) {
        reason = tr("%1 \"%2\" is not a number.").arg(label(column), trimmed.left(40));
        return std::nullopt;
    }
    return check(column, SqlValue::real(real), reason);
}

std::optional<SqlValue> TransferColumns::check(int column, const SqlValue& value, QString& reason)
{
    if (value.isNull()) {
        return value;
    }
    if (isText(column)) {
        if (value.type() != SqlValue::Type::Text) {
            reason = tr("%1 should be text.").arg(name(column));
            return std::nullopt;
        }
        if (value.toText().contains(QChar(0))) {
            reason = tr("%1 holds a NUL character.").arg(name(column));
            return std::nullopt;
        }
        if (TextLimit::length(value.toText()) > width(column)) {
            reason = tr("%1 is longer than %2 characters.").arg(name(column)).arg(width(column));
            return std::nullopt;
        }
        return value;
    }
    if (value.type() == SqlValue::Type::Text || value.type() == SqlValue::Type::Blob) {
        return fromText(column, value.toText(), reason);
    }
    if (column == Price) {
        const double price = value.type() == SqlValue::Type::Real ? value.toReal() : double(value.toInteger());
        if (!std::isfinite(price) || std::fabs(price) >= kPriceLimit) {
            reason = tr("The price %1 is out of range.").arg(toText(value));
            return std::nullopt;
        }
        return SqlValue::real(price);
    }
    qint64 whole = value.toInteger();
    if (value.type() == SqlValue::Type::Real) {
        const double real = value.toReal();
        if (!std::isfinite(real) || real != std::floor(real) || std::fabs(real) > 9e15) {
            reason = tr("%1 %2 is not a whole number in range.").arg(label(column), toText(value));
            return std::nullopt;
        }
        whole = static_cast<qint64>(real);
    }
    const Range range = rangeOf(column);
    if (whole < range.low || whole > range.high) {
        reason = tr("%1 %2 is out of range (%3 to %4).").arg(label(column)).arg(whole).arg(range.low).arg(range.high);
        return std::nullopt;
    }
    return SqlValue::integer(whole);
}

QString TransferColumns::toText(const SqlValue& value)
{
    switch (value.type()) {
    case SqlValue::Type::Null:
        return {};
    case SqlValue::Type::Integer:
        return QString::number(value.toInteger());
    case SqlValue::Type::Real:
        return QString::number(value.toReal(), 'g', QLocale::FloatingPointShortest);
    case SqlValue::Type::Text:
        return value.toText();
    case SqlValue::Type::Blob:
        return QString::fromUtf8(value.toBlob());
    }
    return {};
}
