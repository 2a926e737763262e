#include "store/postgres/PgResultRows.h"

#include "store/access/CAdoException.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>
#include <charconv>

using ado_detail::Value;
using ado_detail::ValueView;

PgResultRows::PgResultRows(std::vector<ado_detail::Column> columns, std::shared_ptr<PGresult> rows,
                           std::vector<int> fields, std::vector<Oid> types)
    : RowCursor(std::move(columns), PQntuples(rows.get()))
    , m_result(std::move(rows))
    , m_fields(std::move(fields))
    , m_types(std::move(types))
    , m_current(this->columns().size())
    , m_currentRow(this->columns().size(), -1)
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

ValueView PgResultRows::value(int column) const
{
    const size_t index = static_cast<size_t>(column);
    if (m_currentRow[index] != row()) {
        readValue(m_result.get(), static_cast<int>(row()), m_fields[index], m_types[index], m_current[index]);
        m_currentRow[index] = row();
    }
    return ValueView::of(m_current[index]);
}

void PgResultRows::write(IConnectionBackend&, const std::vector<int>&, std::vector<Value>&)
{
    ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                     QCoreApplication::translate("PgResultRows", "These rows cannot be written."));
}
