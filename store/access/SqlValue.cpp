#include "store/access/SqlValue.h"

#include <cmath>

SqlValue SqlValue::integer(qint64 value)
{
    SqlValue result;
    result.m_type = Type::Integer;
    result.m_integer = value;
    return result;
}

SqlValue SqlValue::real(double value)
{
    SqlValue result;
    result.m_type = Type::Real;
    result.m_real = value;
    return result;
}

SqlValue SqlValue::text(const QString& value)
{
    SqlValue result;
    result.m_type = Type::Text;
    result.m_text = value;
    return result;
}

SqlValue SqlValue::blob(const QByteArray& value)
{
    SqlValue result;
    result.m_type = Type::Blob;
    result.m_blob = value;
    return result;
}

bool SqlValue::operator==(const SqlValue& other) const
{
    if (m_type != other.m_type) {
        return false;
    }
    switch (m_type) {
    case Type::Null:
        return true;
    case Type::Integer:
        return m_integer == other.m_integer;
    case Type::Real:
        // A cell that holds "not a number" holds the same as one that holds
        // it too: a row read twice must compare as unchanged.
        return m_real == other.m_real || (std::isnan(m_real) && std::isnan(other.m_real));
    case Type::Text:
        return m_text == other.m_text;
    case Type::Blob:
        break;
    }
    return m_blob == other.m_blob;
}

bool SqlValue::sameCell(const SqlValue& other) const
{
    const bool numeric = m_type == Type::Integer || m_type == Type::Real;
    const bool otherNumeric = other.m_type == Type::Integer || other.m_type == Type::Real;
    if (numeric && otherNumeric && m_type != other.m_type) {
        const double mine = m_type == Type::Integer ? static_cast<double>(m_integer) : m_real;
        const double theirs = other.m_type == Type::Integer ? static_cast<double>(other.m_integer) : other.m_real;
        return mine == theirs;
    }
    return *this == other;
}
