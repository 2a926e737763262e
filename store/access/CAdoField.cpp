#include "store/access/CAdoField.h"

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <limits>

using ado_detail::Kind;
using ado_detail::Value;
using ado_detail::ValueView;

namespace
{
// Decimal text of a double with a point and up to 15 significant digits:
// 2.5 -> "2.5", 3.0 -> "3".
qsizetype formatReal(double value, char (&buffer)[32])
{
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return result.ptr - buffer;
}

qsizetype formatInteger(qint64 value, char (&buffer)[32])
{
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return result.ptr - buffer;
}

QString realText(double value)
{
    char buffer[32];
    return QString::fromLatin1(buffer, formatReal(value, buffer));
}

// A double as a 32-bit integer, rounded to the nearest (halves to even).
bool realToLong(double value, qint32& out)
{
    if (!std::isfinite(value)) {
        return false;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        return false;
    }
    out = static_cast<qint32>(rounded);
    return true;
}

bool textToLong(const QString& text, qint32& out)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qlonglong whole = trimmed.toLongLong(&ok);
    if (ok) {
        if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max()) {
            return false;
        }
        out = static_cast<qint32>(whole);
        return true;
    }
    const double real = trimmed.toDouble(&ok);
    return ok && realToLong(real, out);
}

[[noreturn]] void refuse(const QString& why)
{
    ADO_RAISE_KIND(CAdoException::ValueRefused, why, CAdoException::Kind::Invalid);
}

qsizetype codePoints(const QString& text)
{
    qsizetype count = text.size();
    for (const QChar c : text) {
        if (c.isLowSurrogate()) {
            --count;
        }
    }
    return count;
}

// A bit column's value from text ("true", "false" or a number).
Value bitOf(const QString& text, const QString& trimmed, const ado_detail::Column& column)
{
    Value stored;
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        stored.integer = 1;
    } else if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        stored.integer = 0;
    } else {
        bool ok = false;
        const double number = trimmed.toDouble(&ok);
        if (!ok || !std::isfinite(number)) {
            refuse(QStringLiteral("\"%1\" is not a value for %2.").arg(text, column.name));
        }
        stored.integer = number != 0 ? 1 : 0;
    }
    stored.type = Value::Integer;
    return stored;
}

// A whole-number column's value: the text must be a whole number in range.
Value wholeNumberOf(const QString& text, const QString& trimmed, const ado_detail::Column& column)
{
    bool ok = false;
    qlonglong number = trimmed.toLongLong(&ok);
    if (!ok) {
        const double real = trimmed.toDouble(&ok);
        ok = ok && std::isfinite(real) && real == std::trunc(real) && std::fabs(real) < 9.2e18;
        number = ok ? static_cast<qlonglong>(real) : 0;
    }
    if (!ok) {
        refuse(QCoreApplication::translate("CAdoField", "\"%1\" is not a whole number for %2.").arg(text, column.name));
    }
    const bool fits = column.kind == Kind::SmallInt ? number >= -32768 && number <= 32767
                      : column.kind == Kind::Int32
                          ? number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max()
                          : true;
    if (!fits) {
        refuse(QCoreApplication::translate("CAdoField", "%1 does not fit %2.").arg(number).arg(column.name));
    }
    Value stored;
    stored.type = Value::Integer;
    stored.integer = number;
    return stored;
}
} // namespace

CAdoField::CAdoField(CAdoRecordset& owner)
    : m_owner(owner)
    , m_decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
{
}

CAdoField::~CAdoField() = default;

QString CAdoField::GetName()
{
    const auto* column = m_owner.column(m_column);
    return column ? column->name : QString();
}

void CAdoField::assignUtf8(const char* data, qsizetype size)
{
    if (m_text.isDetached() && m_text.capacity() >= size) {
        m_text.resize(size);
        QChar* begin = m_text.data();
        QChar* end = m_decoder.appendToBuffer(begin, QByteArrayView(data, size));
        m_text.resize(end - begin);
    } else {
        m_text = QString::fromUtf8(data, size);
    }
}

void CAdoField::assignLatin1(const char* data, qsizetype size)
{
    if (m_text.isDetached() && m_text.capacity() >= size) {
        m_text.resize(size);
        QChar* out = m_text.data();
        for (qsizetype i = 0; i < size; ++i) {
            out[i] = QLatin1Char(data[i]);
        }
    } else {
        m_text = QString::fromLatin1(data, size);
    }
}

const QString& CAdoField::GetText()
{
    const auto* column = m_owner.column(m_column);
    if (!column || !m_owner.onRow()) {
        ADO_RAISE_KIND(CAdoException::CannotRead, m_owner.m_failure, m_owner.m_failureKind);
    }
    const bool bit = column->kind == Kind::Bit;
    const ValueView value = m_owner.valueAt(m_column);
    char buffer[32];
    switch (value.type) {
    case Value::Integer:
        if (bit) {
            assignLatin1(value.integer ? "-1" : "0", value.integer ? 2 : 1);
        } else {
            assignLatin1(buffer, formatInteger(value.integer, buffer));
        }
        break;
    case Value::Real:
        assignLatin1(buffer, formatReal(value.real, buffer));
        break;
    case Value::Text:
        if (value.text) {
            m_text = *value.text;
        } else {
            assignUtf8(value.utf8, value.size);
        }
        break;
    default:
        assignLatin1("", 0);
        break;
    }
    return m_text;
}

bool CAdoField::GetWholeNumber(qint64& out)
{
    const auto* column = m_owner.column(m_column);
    if (!column || !m_owner.onRow()) {
        ADO_RAISE_KIND(CAdoException::CannotRead, m_owner.m_failure, m_owner.m_failureKind);
    }
    const ValueView value = m_owner.valueAt(m_column);
    if (value.type != Value::Integer) {
        return false;
    }
    out = column->kind == Kind::Bit ? (value.integer ? -1 : 0) : value.integer;
    return true;
}

qint32 CAdoField::GetLong()
{
    const auto* column = m_owner.column(m_column);
    if (!column || !m_owner.onRow()) {
        ADO_RAISE_KIND(CAdoException::CannotRead, m_owner.m_failure, m_owner.m_failureKind);
    }
    const ValueView value = m_owner.valueAt(m_column);
    qint32 result = 0;
    switch (value.type) {
    case Value::Integer:
        if (column->kind == Kind::Bit) {
            return value.integer ? -1 : 0;
        }
        if (value.integer >= std::numeric_limits<qint32>::min()
            && value.integer <= std::numeric_limits<qint32>::max()) {
            return static_cast<qint32>(value.integer);
        }
        break;
    case Value::Real:
        if (realToLong(value.real, result)) {
            return result;
        }
        break;
    case Value::Text:
        if (textToLong(value.text ? *value.text : QString::fromUtf8(value.utf8, value.size), result)) {
            return result;
        }
        break;
    default:
        break;
    }
    ADO_RAISE(CAdoException::NotANumber);
}

void CAdoField::SetLong(qint32 value)
{
    const auto* column = &m_owner.writableColumn(m_column);
    Value stored;
    switch (column->kind) {
    case Kind::Text:
        stored.type = Value::Text;
        stored.text = QString::number(value);
        if (column->maxChars >= 0 && codePoints(stored.text) > column->maxChars) {
            refuse(QCoreApplication::translate("CAdoField", "%1 is too long for %2.").arg(stored.text, column->name));
        }
        break;
    case Kind::Bit:
        stored.type = Value::Integer;
        stored.integer = value ? 1 : 0;
        break;
    case Kind::SmallInt:
        if (value < -32768 || value > 32767) {
            refuse(QCoreApplication::translate("CAdoField", "%1 does not fit %2 (from -32768 to 32767).")
                       .arg(value)
                       .arg(column->name));
        }
        stored.type = Value::Integer;
        stored.integer = value;
        break;
    case Kind::Real:
        stored.type = Value::Real;
        stored.real = value;
        break;
    default:
        stored.type = Value::Integer;
        stored.integer = value;
        break;
    }
    m_owner.setValue(m_column, std::move(stored));
}

void CAdoField::SetDouble(double value)
{
    const auto* column = &m_owner.writableColumn(m_column);
    if (!std::isfinite(value)) {
        refuse(QCoreApplication::translate("CAdoField", "%1 is not a number.").arg(value));
    }
    Value stored;
    switch (column->kind) {
    case Kind::Text:
        stored.type = Value::Text;
        stored.text = realText(value);
        if (column->maxChars >= 0 && codePoints(stored.text) > column->maxChars) {
            refuse(QCoreApplication::translate("CAdoField", "%1 is too long for %2.").arg(stored.text, column->name));
        }
        break;
    case Kind::Bit:
        stored.type = Value::Integer;
        stored.integer = value != 0 ? 1 : 0;
        break;
    case Kind::SmallInt:
    case Kind::Int32:
    case Kind::Int64: {
        const double low = column->kind == Kind::SmallInt ? -32768.0
                           : column->kind == Kind::Int32  ? -2147483648.0
                                                          : -9223372036854775808.0;
        const double high = column->kind == Kind::SmallInt ? 32767.0
                            : column->kind == Kind::Int32  ? 2147483647.0
                                                           : 9223372036854775807.0;
        if (value != std::trunc(value) || value < low || value > high) {
            refuse(QCoreApplication::translate("CAdoField", "%1 does not fit %2.").arg(realText(value), column->name));
        }
        stored.type = Value::Integer;
        stored.integer = static_cast<qint64>(value);
        break;
    }
    default:
        stored.type = Value::Real;
        stored.real = value;
        break;
    }
    m_owner.setValue(m_column, std::move(stored));
}

void CAdoField::SetText(const QString& text)
{
    const auto* column = &m_owner.writableColumn(m_column);
    Value stored;
    const QString trimmed = column->kind == Kind::Text || column->kind == Kind::Untyped ? QString() : text.trimmed();
    bool ok = false;
    switch (column->kind) {
    case Kind::Text:
        if (column->maxChars >= 0 && codePoints(text) > column->maxChars) {
            refuse(QStringLiteral("\"%1\" is longer than the %2 characters of %3.")
                       .arg(text)
                       .arg(column->maxChars)
                       .arg(column->name));
        }
        stored.type = Value::Text;
        stored.text = text;
        break;
    case Kind::Untyped:
        stored.type = Value::Text;
        stored.text = text;
        break;
    case Kind::Bit:
        stored = bitOf(text, trimmed, *column);
        break;
    case Kind::Real: {
        const double number = trimmed.toDouble(&ok);
        if (!ok || !std::isfinite(number)) {
            refuse(QStringLiteral("\"%1\" is not a number for %2.").arg(text, column->name));
        }
        stored.type = Value::Real;
        stored.real = number;
        break;
    }
    default:
        stored = wholeNumberOf(text, trimmed, *column);
        break;
    }
    m_owner.setValue(m_column, std::move(stored));
}
