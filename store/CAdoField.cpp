#include "store/CAdoField.h"

#include "store/AdoDetail.h"
#include "store/CAdoException.h"
#include "store/CAdoRecordset.h"

#include <charconv>
#include <cmath>
#include <limits>

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
    ADO_RAISE_DETAIL(CAdoException::ValueRefused, why);
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
        ADO_RAISE_DETAIL(CAdoException::CannotRead, m_owner.m_failure);
    }
    const bool bit = column->kind == CAdoRecordset::Kind::Bit;
    char buffer[32];
    if (m_owner.m_cached) {
        const auto& value = *m_owner.cachedValue(m_column);
        switch (value.type) {
        case SQLITE_INTEGER:
            if (bit) {
                assignLatin1(value.integer ? "-1" : "0", value.integer ? 2 : 1);
            } else {
                assignLatin1(buffer, formatInteger(value.integer, buffer));
            }
            break;
        case SQLITE_FLOAT:
            assignLatin1(buffer, formatReal(value.real, buffer));
            break;
        case SQLITE_TEXT:
            m_text = value.text;
            break;
        default:
            assignLatin1("", 0);
            break;
        }
        return m_text;
    }

    sqlite3_stmt* stmt = m_owner.m_stmt.get();
    switch (sqlite3_column_type(stmt, m_column)) {
    case SQLITE_INTEGER: {
        const qint64 integer = sqlite3_column_int64(stmt, m_column);
        if (bit) {
            assignLatin1(integer ? "-1" : "0", integer ? 2 : 1);
        } else {
            assignLatin1(buffer, formatInteger(integer, buffer));
        }
        break;
    }
    case SQLITE_FLOAT:
        assignLatin1(buffer, formatReal(sqlite3_column_double(stmt, m_column), buffer));
        break;
    case SQLITE_TEXT:
        assignUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, m_column)),
                   sqlite3_column_bytes(stmt, m_column));
        break;
    case SQLITE_BLOB:
        assignUtf8(static_cast<const char*>(sqlite3_column_blob(stmt, m_column)), sqlite3_column_bytes(stmt, m_column));
        break;
    default:
        assignLatin1("", 0);
        break;
    }
    return m_text;
}

qint32 CAdoField::GetLong()
{
    const auto* column = m_owner.column(m_column);
    if (!column || !m_owner.onRow()) {
        ADO_RAISE_DETAIL(CAdoException::CannotRead, m_owner.m_failure);
    }
    const bool bit = column->kind == CAdoRecordset::Kind::Bit;
    int type = SQLITE_NULL;
    qint64 integer = 0;
    double real = 0;
    QString text;
    if (m_owner.m_cached) {
        const auto& value = *m_owner.cachedValue(m_column);
        type = value.type;
        integer = value.integer;
        real = value.real;
        text = value.text;
    } else {
        sqlite3_stmt* stmt = m_owner.m_stmt.get();
        type = sqlite3_column_type(stmt, m_column);
        if (type == SQLITE_INTEGER) {
            integer = sqlite3_column_int64(stmt, m_column);
        } else if (type == SQLITE_FLOAT) {
            real = sqlite3_column_double(stmt, m_column);
        } else if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
            type = SQLITE_TEXT;
            text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, m_column)),
                                     sqlite3_column_bytes(stmt, m_column));
        }
    }

    qint32 result = 0;
    switch (type) {
    case SQLITE_INTEGER:
        if (bit) {
            return integer ? -1 : 0;
        }
        if (integer >= std::numeric_limits<qint32>::min() && integer <= std::numeric_limits<qint32>::max()) {
            return static_cast<qint32>(integer);
        }
        break;
    case SQLITE_FLOAT:
        if (realToLong(real, result)) {
            return result;
        }
        break;
    case SQLITE_TEXT:
        if (textToLong(text, result)) {
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
    CAdoRecordset::Value stored;
    switch (column->kind) {
    case CAdoRecordset::Kind::Text:
        stored.type = SQLITE_TEXT;
        stored.text = QString::number(value);
        if (column->maxChars >= 0 && codePoints(stored.text) > column->maxChars) {
            refuse(QStringLiteral("%1 is too long for %2.").arg(stored.text, column->name));
        }
        break;
    case CAdoRecordset::Kind::Bit:
        stored.type = SQLITE_INTEGER;
        stored.integer = value ? 1 : 0;
        break;
    case CAdoRecordset::Kind::SmallInt:
        if (value < -32768 || value > 32767) {
            refuse(QStringLiteral("%1 does not fit %2 (from -32768 to 32767).").arg(value).arg(column->name));
        }
        stored.type = SQLITE_INTEGER;
        stored.integer = value;
        break;
    case CAdoRecordset::Kind::Real:
        stored.type = SQLITE_FLOAT;
        stored.real = value;
        break;
    default:
        stored.type = SQLITE_INTEGER;
        stored.integer = value;
        break;
    }
    m_owner.setValue(m_column, std::move(stored));
}

void CAdoField::SetDouble(double value)
{
    const auto* column = &m_owner.writableColumn(m_column);
    if (!std::isfinite(value)) {
        refuse(QStringLiteral("%1 is not a number.").arg(value));
    }
    CAdoRecordset::Value stored;
    switch (column->kind) {
    case CAdoRecordset::Kind::Text:
        stored.type = SQLITE_TEXT;
        stored.text = realText(value);
        if (column->maxChars >= 0 && codePoints(stored.text) > column->maxChars) {
            refuse(QStringLiteral("%1 is too long for %2.").arg(stored.text, column->name));
        }
        break;
    case CAdoRecordset::Kind::Bit:
        stored.type = SQLITE_INTEGER;
        stored.integer = value != 0 ? 1 : 0;
        break;
    case CAdoRecordset::Kind::SmallInt:
    case CAdoRecordset::Kind::Int32:
    case CAdoRecordset::Kind::Int64: {
        const double low = column->kind == CAdoRecordset::Kind::SmallInt ? -32768.0
                           : column->kind == CAdoRecordset::Kind::Int32  ? -2147483648.0
                                                                         : -9223372036854775808.0;
        const double high = column->kind == CAdoRecordset::Kind::SmallInt ? 32767.0
                            : column->kind == CAdoRecordset::Kind::Int32  ? 2147483647.0
                                                                          : 9223372036854775807.0;
        if (value != std::trunc(value) || value < low || value > high) {
            refuse(QStringLiteral("%1 does not fit %2.").arg(realText(value), column->name));
        }
        stored.type = SQLITE_INTEGER;
        stored.integer = static_cast<qint64>(value);
        break;
    }
    default:
        stored.type = SQLITE_FLOAT;
        stored.real = value;
        break;
    }
    m_owner.setValue(m_column, std::move(stored));
}

void CAdoField::SetText(const QString& text)
{
    const auto* column = &m_owner.writableColumn(m_column);
    CAdoRecordset::Value stored;
    const QString trimmed = column->kind == CAdoRecordset::Kind::Text || column->kind == CAdoRecordset::Kind::Untyped
                                ? QString()
                                : text.trimmed();
    bool ok = false;
    switch (column->kind) {
    case CAdoRecordset::Kind::Text:
        if (column->maxChars >= 0 && codePoints(text) > column->maxChars) {
            refuse(QStringLiteral("\"%1\" is longer than the %2 characters of %3.")
                       .arg(text)
                       .arg(column->maxChars)
                       .arg(column->name));
        }
        stored.type = SQLITE_TEXT;
        stored.text = text;
        break;
    case CAdoRecordset::Kind::Untyped:
        stored.type = SQLITE_TEXT;
        stored.text = text;
        break;
    case CAdoRecordset::Kind::Bit: {
        if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            stored.integer = 1;
        } else if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            stored.integer = 0;
        } else {
            const double number = trimmed.toDouble(&ok);
            if (!ok || !std::isfinite(number)) {
                refuse(QStringLiteral("\"%1\" is not a value for %2.").arg(text, column->name));
            }
            stored.integer = number != 0 ? 1 : 0;
        }
        stored.type = SQLITE_INTEGER;
        break;
    }
    case CAdoRecordset::Kind::Real: {
        const double number = trimmed.toDouble(&ok);
        if (!ok || !std::isfinite(number)) {
            refuse(QStringLiteral("\"%1\" is not a number for %2.").arg(text, column->name));
        }
        stored.type = SQLITE_FLOAT;
        stored.real = number;
        break;
    }
    default: {
        // A whole-number column: the text must be a whole number in range.
        qlonglong number = trimmed.toLongLong(&ok);
        if (!ok) {
            const double real = trimmed.toDouble(&ok);
            ok = ok && std::isfinite(real) && real == std::trunc(real) && std::fabs(real) < 9.2e18;
            number = ok ? static_cast<qlonglong>(real) : 0;
        }
        if (!ok) {
            refuse(QStringLiteral("\"%1\" is not a whole number for %2.").arg(text, column->name));
        }
        const bool fits =
            column->kind == CAdoRecordset::Kind::SmallInt ? number >= -32768 && number <= 32767
            : column->kind == CAdoRecordset::Kind::Int32
                ? number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max()
                : true;
        if (!fits) {
            refuse(QStringLiteral("%1 does not fit %2.").arg(number).arg(column->name));
        }
        stored.type = SQLITE_INTEGER;
        stored.integer = number;
        break;
    }
    }
    m_owner.setValue(m_column, std::move(stored));
}
