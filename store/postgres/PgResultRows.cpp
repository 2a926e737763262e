#include "store/postgres/PgResultRows.h"

#include "store/access/CAdoException.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>
#include <charconv>

using ado_detail::Value;
using ado_detail::ValueView;

PgResultRows::PgResultRows(std::vector<ado_detail::Column> columns, std::shared_ptr<PGresult> rows,
                           std::vector<int> fields, std::vector<Oid> types)
    : m_columns(std::move(columns))
    , m_result(std::move(rows))
    , m_fields(std::move(fields))
    , m_types(std::move(types))
    , m_current(m_columns.size())
    , m_currentRow(m_columns.size(), -1)
    , m_rows(PQntuples(m_result.get()))
{
}

void PgResultRows::readValue(const PGresult* rows, int row, int field, Oid type, Value& value)
{
    if (PQgetisnull(rows, row, field)) {
        value.type = Value::Null;
        return;
    }
    const char* text = PQgetvalue(rows, row, field);
    const int length = PQgetlength(rows, row, field);
    switch (type) {
    case 16: // bool
        value.type = Value::Integer;
        value.integer = text[0] == 't' ? 1 : 0;
        break;
    case 20: // int8
    case 21: // int2
    case 23: // int4
    case 26: // oid
        value.type = Value::Integer;
        std::from_chars(text, text + length, value.integer);
        break;
    case 700:  // float4
    case 701:  // float8
    case 1700: // numeric
        value.type = Value::Real;
        value.real = PgSession::readReal(text, length);
        break;
    default:
        value.type = Value::Text;
        value.text = QString::fromUtf8(text, length);
        break;
    }
}

bool PgResultRows::next()
{
    if (m_row >= m_rows) {
        return false;
    }
    ++m_row;
    return true;
}

bool PgResultRows::first()
{
    m_row = 0;
    return m_rows > 0;
}

bool PgResultRows::last()
{
    if (m_rows == 0) {
        return false;
    }
    m_row = m_rows - 1;
    return true;
}

long PgResultRows::count(bool connectionOpen)
{
    Q_UNUSED(connectionOpen); // every row came with the result
    return m_rows;
}

ValueView PgResultRows::value(int column) const
{
    const size_t index = static_cast<size_t>(column);
    if (m_currentRow[index] != m_row) {
        readValue(m_result.get(), static_cast<int>(m_row), m_fields[index], m_types[index], m_current[index]);
        m_currentRow[index] = m_row;
    }
    return ValueView::of(m_current[index]);
}

void PgResultRows::write(IConnectionBackend&, const std::vector<int>&, std::vector<Value>&)
{
    ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                     QCoreApplication::translate("PgResultRows", "These rows cannot be written."));
}
