#include "store/catalog/BulkPass.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/journal/JournalAction.h"
#include "store/journal/RowChange.h"

#include <QCoreApplication>
#include <QHash>

namespace
{
// The ID and the columns a pass may set, of every row of its query, with
// their stored values, read before the pass writes anything: what the
// journal keeps as the values before. Rows of a sorted query pair up with
// the recordset's by their ID when every ID is a distinct 32-bit whole
// number, so that the query is read without the sort; otherwise by
// position, in the query's own order.
class Before
{
public:
    Before(CAdoConnection& connection, const BulkPass::Pass& pass)
        : m_read{0}
    {
        m_read.insert(m_read.end(), pass.writes.begin(), pass.writes.end());
        // The same query in the same transaction gives the same rows in the
        // same order: pairing by position needs no look-up.
        const QString unordered = withoutOrder(pass.query);
        m_byId = unordered != pass.query && read(connection, unordered, pass.values, true);
        if (!m_byId) {
            read(connection, pass.query, pass.values, false);
        }
    }

    size_t rows() const { return m_values.size() / m_read.size(); }

    // The first value of the row read before that is the recordset's
    // current row, the one at position.
    size_t rowOf(CAdoRecordset& rs, long position) const
    {
        if (m_byId) {
            const auto found = m_rows.constFind(rs.GetField(0).GetLong());
            if (found == m_rows.constEnd()) {
                changed();
            }
            return *found * m_read.size();
        }
        const size_t row = static_cast<size_t>(position) * m_read.size();
        const SqlValue& id = m_values[row];
        if (id.type() == SqlValue::Type::Integer && id.toInteger() == static_cast<qint32>(id.toInteger())
            && rs.GetField(0).GetLong() != id.toInteger()) {
            changed();
        }
        return row;
    }
    // The value at a position the pass may set (or 0, the ID).
    const SqlValue& at(size_t row, int column) const { return m_values[row + slot(column)]; }
    const QString& name(int column) const { return m_names.at(static_cast<qsizetype>(slot(column))); }

private:
    [[noreturn]] static void changed()
    {
        ADO_RAISE_DETAIL(CAdoException::CannotRead,
                         QCoreApplication::translate("BulkPass", "The items changed while they were read."));
    }

    // The query without a closing ORDER BY clause; the query itself when it
    // has none, or when what follows it is not plain column names.
    static QString withoutOrder(const QString& query)
    {
        const qsizetype at = query.lastIndexOf(QStringLiteral("order by"), -1, Qt::CaseInsensitive);
        if (at < 0) {
            return query;
        }
        for (qsizetype i = at; i < query.size(); ++i) {
            const QChar c = query.at(i);
            if (!(c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('_'))) {
                return query;
            }
        }
        return query.left(at);
    }

    // Reads the rows; with byId, false as soon as an ID is no distinct 32-bit
    // whole number.
    bool read(CAdoConnection& connection, const QString& query, const std::vector<SqlValue>& values, bool byId)
    {
        m_values.clear();
        m_rows.clear();
        m_names.clear();
        CAdoCommand select(connection, query);
        for (size_t i = 0; i < values.size(); ++i) {
            select.bind(static_cast<int>(i) + 1, values[i]);
        }
        for (const int column : m_read) {
            m_names << select.columnName(column);
        }
        qsizetype row = 0;
        while (select.next()) {
            if (byId) {
                const SqlValue id = select.value(0);
                const qint64 key = id.toInteger();
                if (id.type() != SqlValue::Type::Integer || key != static_cast<qint32>(key) || m_rows.contains(key)) {
                    select.reset();
                    return false;
                }
                m_rows.insert(key, row++);
            }
            for (const int column : m_read) {
                m_values.push_back(select.value(column));
            }
        }
        return byId;
    }

    size_t slot(int column) const
    {
        for (size_t i = 0; i < m_read.size(); ++i) {
            if (m_read[i] == column) {
                return i;
            }
        }
        ADO_RAISE_DETAIL(CAdoException::ValueRefused,
                         QCoreApplication::translate("BulkPass", "The pass sets a column it did not name."));
    }

    std::vector<int> m_read;
    QStringList m_names;
    std::vector<SqlValue> m_values;
    bool m_byId = false;
    QHash<qint64, qsizetype> m_rows;
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
} // namespace

long BulkPass::run(CAdoConnection& connection, const Pass& pass, JournalAction* journal)
{
    CAdoTransaction transaction(connection);
    if (!transaction.active()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
    std::unique_ptr<Before> before;
    if (journal && CAdoCommand::available(connection)) {
        before = std::make_unique<Before>(connection, pass);
    }
    CAdoRecordset rs;
    if (!rs.Open(pass.query, pass.values, connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic)) {
        ADO_RAISE_LAST(CAdoException::CannotRead, connection);
    }
    const long count = rs.GetRecordCount();
    if (before && before->rows() != static_cast<size_t>(count)) {
        ADO_RAISE_DETAIL(CAdoException::CannotRead,
                         QCoreApplication::translate("BulkPass", "The items changed while they were read."));
    }
    long written = 0;
    Changes changes;
    RowChange change;
    for (long i = 0; i < count; ++i) {
        changes.clear();
        pass.plan(rs, changes);
        if (!changes.empty()) {
            for (const auto& [position, value] : changes) {
                setField(rs, position, value);
            }
            rs.Update();
            ++written;
            if (before) {
                const size_t row = before->rowOf(rs, i);
                change.id = before->at(row, 0);
                change.columns.clear();
                change.before.clear();
                change.after.clear();
                for (const auto& [position, value] : changes) {
                    change.columns << before->name(position);
                    change.before.push_back(before->at(row, position));
                    change.after.push_back(value);
                }
                journal->record(change);
            }
        }
        rs.MoveNext();
    }
    rs.Close();
    if (!transaction.commit()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
    return written;
}

BulkPass::Sql& BulkPass::Sql::operator+=(const Sql& other)
{
    text += other.text;
    values.insert(values.end(), other.values.begin(), other.values.end());
    return *this;
}

BulkPass::Sql& BulkPass::Sql::operator+=(const QString& plain)
{
    text += plain;
    return *this;
}

namespace
{
void bindAll(CAdoCommand& command, const BulkPass::Sql& sql, int first = 1)
{
    for (const SqlValue& value : sql.values) {
        command.bind(first++, value);
    }
}

// "A = <value>, B = <value>" for the pass's columns.
BulkPass::Sql assignments(const BulkPass::Statement& pass)
{
    BulkPass::Sql sets;
    for (qsizetype i = 0; i < pass.columns.size(); ++i) {
        sets += (i == 0 ? QString() : QStringLiteral(", ")) + pass.columns.at(i) + QStringLiteral(" = ");
        sets += pass.values.at(static_cast<size_t>(i));
    }
    return sets;
}

// Reads the rows of the pass with their values before and after and tells
// them to the journal; returns how many there are. On PostgreSQL the rows
// are locked until the transaction ends and their places (ctid) gathered
// in places, so that the write takes exactly the rows read; SQLite holds
// the whole file already.
long recordRows(CAdoConnection& connection, const BulkPass::Statement& pass, JournalAction& journal, QString* places)
{
    BulkPass::Sql select{places ? QStringLiteral("SELECT ctid, ID") : QStringLiteral("SELECT ID"), {}};
    for (const QString& column : pass.columns) {
        select += QStringLiteral(", ") + column;
    }
    for (const BulkPass::Sql& value : pass.values) {
        select += QStringLiteral(", ");
        select += value;
    }
    select += QStringLiteral(" FROM ShoppingLists WHERE ");
    select += pass.where;
    if (places) {
        select += QStringLiteral(" FOR UPDATE");
    }
    CAdoCommand read(connection, select.text);
    bindAll(read, select);
    const int first = places ? 1 : 0;
    const auto columns = static_cast<int>(pass.columns.size());
    RowChange change;
    change.columns = pass.columns;
    change.before.resize(pass.columns.size());
    change.after.resize(pass.columns.size());
    long rows = 0;
    while (read.next()) {
        if (places) {
            *places += QLatin1Char('"') + read.text(0) + QStringLiteral("\",");
        }
        change.id = read.value(first);
        for (int i = 0; i < columns; ++i) {
            change.before[static_cast<size_t>(i)] = read.value(first + 1 + i);
            change.after[static_cast<size_t>(i)] = read.value(first + 1 + columns + i);
        }
        journal.record(change);
        ++rows;
    }
    return rows;
}
} // namespace

long BulkPass::run(CAdoConnection& connection, const Statement& pass, JournalAction* journal)
{
    CAdoTransaction transaction(connection);
    if (!transaction.active()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
    Sql update{QStringLiteral("UPDATE ShoppingLists SET "), {}};
    update += assignments(pass);
    update += QStringLiteral(" WHERE ");
    long written = 0;
    if (journal && CAdoCommand::available(connection)) {
        const bool server = connection.isPostgres();
        QString places = QStringLiteral("{");
        const long rows = recordRows(connection, pass, *journal, server ? &places : nullptr);
        if (server) {
            places.back() = QLatin1Char('}');
            update +=
                Sql{QStringLiteral("ctid = ANY(?::tid[])"), {SqlValue::text(rows > 0 ? places : QStringLiteral("{}"))}};
        } else {
            update += pass.where;
        }
        CAdoCommand write(connection, update.text);
        bindAll(write, update);
        written = rows > 0 ? write.run() : 0;
        if (written != rows) {
            ADO_RAISE_DETAIL(CAdoException::CannotRead,
                             QCoreApplication::translate("BulkPass", "The items changed while they were read."));
        }
    } else {
        update += pass.where;
        CAdoCommand write(connection, update.text);
        bindAll(write, update);
        written = write.run();
    }
    if (!transaction.commit()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
    return written;
}
