#include "store/journal/RowWriter.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/journal/UndoBatch.h"

#include <QStringList>

#include <set>

RowWriter::RowWriter(CAdoConnection& connection)
    : m_connection(connection)
{
}

RowWriter::~RowWriter() = default;

std::vector<SqlValue> RowWriter::applyAll(const std::vector<RowChange>& changes, bool undoing)
{
    std::vector<SqlValue> changedSince;
    if (UndoBatch::suits(m_connection, changes)) {
        std::set<qint64> changedIds;
        UndoBatch::apply(m_connection, changes, undoing, changedIds);
        for (const qint64 id : changedIds) {
            changedSince.push_back(SqlValue::integer(id));
        }
    } else if (undoing) {
        for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
            if (!apply(*change, true)) {
                changedSince.push_back(change->id);
            }
        }
    } else {
        for (const RowChange& change : changes) {
            if (!apply(change, false)) {
                changedSince.push_back(change.id);
            }
        }
    }
    return changedSince;
}

bool RowWriter::apply(const RowChange& change, bool undoing)
{
    using Kind = RowChange::Kind;
    const bool putsRowBack = (change.kind == Kind::Delete) == undoing;
    if (change.kind == Kind::Update) {
        const auto& from = undoing ? change.after : change.before;
        const auto& to = undoing ? change.before : change.after;
        if (!holds(change, from)) {
            return false;
        }
        write(change, to);
        return true;
    }
    const auto& row = change.kind == Kind::Delete ? change.before : change.after;
    if (putsRowBack) {
        if (!absent(change)) {
            return false;
        }
        insert(change, row);
        return true;
    }
    if (!holds(change, row)) {
        return false;
    }
    remove(change);
    return true;
}

CAdoCommand& RowWriter::command(const QString& key, const std::function<QString()>& sql)
{
    auto found = m_commands.find(key);
    if (found == m_commands.end()) {
        found = m_commands.emplace(key, std::make_unique<CAdoCommand>(m_connection, sql())).first;
    }
    return *found->second;
}

bool RowWriter::holds(const RowChange& change, const std::vector<SqlValue>& values)
{
    const QStringList& columns = change.columns;
    const QString list = columns.join(QStringLiteral(", "));
    const QString table = change.tableName();
    CAdoCommand& select = command(table + QStringLiteral(" S") + list, [&] {
        return QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + table + QStringLiteral(" WHERE ID = ?");
    });
    select.bind(1, change.id);
    if (!select.next()) {
        return false;
    }
    bool same = true;
    for (int column = 0; column < columns.size() && same; ++column) {
        same = select.value(column).sameCell(values[static_cast<size_t>(column)]);
    }
    const bool single = !select.next();
    select.reset();
    return same && single;
}

bool RowWriter::absent(const RowChange& change)
{
    const QString table = change.tableName();
    CAdoCommand& count = command(table + QStringLiteral(" C"), [&] {
        return QStringLiteral("SELECT count(*) FROM ") + table + QStringLiteral(" WHERE ID = ?");
    });
    count.bind(1, change.id);
    const bool none = count.next() && count.integer(0) == 0;
    count.reset();
    return none;
}

void RowWriter::write(const RowChange& change, const std::vector<SqlValue>& values)
{
    const QString list = change.columns.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ?");
    const QString table = change.tableName();
    CAdoCommand& update = command(table + QStringLiteral(" U") + list, [&] {
        return QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + list + QStringLiteral(" WHERE ID = ?");
    });
    int parameter = 1;
    for (const SqlValue& value : values) {
        update.bind(parameter++, value);
    }
    update.bind(parameter, change.id);
    update.run();
}

void RowWriter::insert(const RowChange& change, const std::vector<SqlValue>& values)
{
    const QString list = change.columns.join(QStringLiteral(", "));
    const QString table = change.tableName();
    CAdoCommand& add = command(table + QStringLiteral(" I") + list, [&] {
        QStringList marks;
        for (qsizetype i = 0; i < change.columns.size(); ++i) {
            marks << QStringLiteral("?");
        }
        return QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + list + QStringLiteral(") VALUES (")
               + marks.join(QStringLiteral(", ")) + QStringLiteral(")");
    });
    int parameter = 1;
    for (const SqlValue& value : values) {
        add.bind(parameter++, value);
    }
    add.run();
}

void RowWriter::remove(const RowChange& change)
{
    const QString table = change.tableName();
    CAdoCommand& erase = command(table + QStringLiteral(" D"), [&] {
        return QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE ID = ?");
    });
    erase.bind(1, change.id);
    erase.run();
}
