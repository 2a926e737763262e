#include "store/BulkPass.h"

#include "store/CAdoCommand.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "store/CAdoRecordset.h"
#include "store/CAdoTransaction.h"
#include "store/JournalAction.h"
#include "store/RowChange.h"

namespace
{
// The rows of the pass's query with their stored values, read before the
// pass writes anything: what the journal keeps as the values before.
class Before
{
public:
    Before(CAdoConnection& connection, const QString& query)
    {
        CAdoCommand select(connection, query);
        m_width = select.columnCount();
        for (int column = 0; column < m_width; ++column) {
            m_names << select.columnName(column);
        }
        while (select.next()) {
            for (int column = 0; column < m_width; ++column) {
                m_values.push_back(select.value(column));
            }
        }
    }
    size_t rows() const { return m_width > 0 ? m_values.size() / static_cast<size_t>(m_width) : 0; }
    const SqlValue& at(long row, int column) const
    {
        return m_values[static_cast<size_t>(row) * static_cast<size_t>(m_width) + static_cast<size_t>(column)];
    }
    const QString& name(int column) const { return m_names.at(column); }

private:
    int m_width = 0;
    QStringList m_names;
    std::vector<SqlValue> m_values;
};

void setField(CAdoRecordset& rs, int position, const SqlValue& value)
{
    if (value.type() == SqlValue::Type::Integer) {
        rs.GetField(position).SetLong(static_cast<qint32>(value.toInteger()));
    } else if (value.type() == SqlValue::Type::Real) {
        rs.GetField(position).SetDouble(value.toReal());
    } else {
        rs.GetField(position).SetText(value.toText());
    }
}

// The item ID as the recordset reads it, for pairing its rows with those
// read before.
bool sameItem(CAdoRecordset& rs, const SqlValue& id)
{
    const QString& text = rs.GetField(0).GetText();
    switch (id.type()) {
    case SqlValue::Type::Integer:
        return text == QString::number(id.toInteger());
    case SqlValue::Type::Null:
        return text.isEmpty();
    default:
        return true;
    }
}
} // namespace

long BulkPass::run(CAdoConnection& connection, const QString& query, const Plan& plan, JournalAction* journal)
{
    CAdoTransaction transaction(connection);
    if (!transaction.active()) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, connection.lastError());
    }
    std::unique_ptr<Before> before;
    if (journal) {
        before = std::make_unique<Before>(connection, query);
    }
    CAdoRecordset rs;
    if (!rs.Open(query, connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic,
                 CAdoRecordset::adCmdUnknown)) {
        ADO_RAISE_DETAIL(CAdoException::CannotRead, connection.lastError());
    }
    const long count = rs.GetRecordCount();
    if (before && before->rows() != static_cast<size_t>(count)) {
        ADO_RAISE_DETAIL(CAdoException::CannotRead, QStringLiteral("The items changed while they were read."));
    }
    long written = 0;
    Changes changes;
    RowChange change;
    for (long i = 0; i < count; ++i) {
        changes.clear();
        plan(rs, changes);
        if (!changes.empty()) {
            for (const auto& [position, value] : changes) {
                setField(rs, position, value);
            }
            rs.Update();
            ++written;
            if (before) {
                if (!sameItem(rs, before->at(i, 0))) {
                    ADO_RAISE_DETAIL(CAdoException::CannotRead, QStringLiteral("The items changed while they "
                                                                               "were read."));
                }
                change.id = before->at(i, 0);
                change.columns.clear();
                change.before.clear();
                change.after.clear();
                for (const auto& [position, value] : changes) {
                    change.columns << before->name(position);
                    change.before.push_back(before->at(i, position));
                    change.after.push_back(value);
                }
                journal->record(change);
            }
        }
        rs.MoveNext();
    }
    rs.Close();
    if (!transaction.commit()) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, connection.lastError());
    }
    return written;
}
