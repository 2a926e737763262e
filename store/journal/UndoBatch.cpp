#include "store/journal/UndoBatch.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace
{
QJsonValue jsonOf(const SqlValue& value)
{
    switch (value.type()) {
    case SqlValue::Type::Integer:
        return QJsonValue(value.toInteger());
    case SqlValue::Type::Real:
        return QJsonValue(value.toReal());
    case SqlValue::Type::Text:
        return QJsonValue(value.toText());
    case SqlValue::Type::Null:
    case SqlValue::Type::Blob:
        break;
    }
    return QJsonValue(QJsonValue::Null);
}

using Group = std::vector<const RowChange*>;

// Adds the IDs of the group's rows that do not hold what the other
// direction left, or that share their ID with another row.
void findChangedSince(CAdoConnection& connection, const QStringList& columns, const Group& group, bool undoing,
                      std::set<qint64>& changedSince)
{
    std::unordered_map<qint64, const RowChange*> byId;
    const bool server = connection.isPostgres();
    QString ids = server ? QStringLiteral("{") : QStringLiteral("[");
    for (const RowChange* change : group) {
        byId.emplace(change->id.toInteger(), change);
        ids += QString::number(change->id.toInteger()) + QLatin1Char(',');
    }
    ids.back() = server ? QLatin1Char('}') : QLatin1Char(']');
    CAdoCommand read(connection, QStringLiteral("SELECT ID, ") + columns.join(QStringLiteral(", "))
                                     + (server ? QStringLiteral(" FROM ShoppingLists WHERE ID = ANY(?::bigint[])")
                                               : QStringLiteral(" FROM ShoppingLists WHERE ID IN (SELECT value FROM "
                                                                "json_each(?))")));
    read.bind(1, SqlValue::text(ids));
    std::unordered_map<qint64, int> seen;
    while (read.next()) {
        const qint64 id = read.integer(0);
        const auto found = byId.find(id);
        if (found == byId.end() || ++seen[id] > 1) {
            changedSince.insert(id);
            continue;
        }
        const std::vector<SqlValue>& left = undoing ? found->second->after : found->second->before;
        for (int column = 0; column < columns.size(); ++column) {
            if (!read.value(column + 1).sameCell(left[static_cast<size_t>(column)])) {
                changedSince.insert(id);
                break;
            }
        }
    }
    for (const auto& [id, change] : byId) {
        if (seen.count(id) == 0) {
            changedSince.insert(id);
        }
    }
}

// SQLite: one statement, prepared once and stepped for each row inside the
// library (there is no server to go to and back from); measured faster than
// any single statement over the same rows, which SQLite first collects in a
// table of its own before writing them.
void writeOnFile(CAdoConnection& connection, const QStringList& columns, const Group& group, bool undoing)
{
    CAdoCommand update(connection, QStringLiteral("UPDATE ShoppingLists SET ") + columns.join(QStringLiteral(" = ?, "))
                                       + QStringLiteral(" = ? WHERE ID = ?"));
    for (const RowChange* change : group) {
        int parameter = 1;
        for (const SqlValue& value : undoing ? change->before : change->after) {
            update.bind(parameter++, value);
        }
        update.bind(parameter, change->id);
        update.run();
    }
}

void write(CAdoConnection& connection, const QStringList& columns, const Group& group, bool undoing)
{
    if (!connection.isPostgres()) {
        writeOnFile(connection, columns, group, undoing);
        return;
    }
    QJsonArray rows;
    for (const RowChange* change : group) {
        const std::vector<SqlValue>& values = undoing ? change->before : change->after;
        QJsonObject row;
        row.insert(QStringLiteral("id"), QJsonValue(change->id.toInteger()));
        for (int column = 0; column < columns.size(); ++column) {
            row.insert(columns.at(column).toLower(), jsonOf(values[static_cast<size_t>(column)]));
        }
        rows.append(row);
    }
    QStringList sets;
    for (const QString& column : columns) {
        sets << column + QStringLiteral(" = r.") + column;
    }
    // The table's own row type turns each value into its column's type.
    CAdoCommand update(connection, QStringLiteral("UPDATE ShoppingLists AS s SET ") + sets.join(QStringLiteral(", "))
                                       + QStringLiteral(" FROM json_populate_recordset(NULL::ShoppingLists, ?::json) "
                                                        "AS r WHERE s.ID = r.ID"));
    update.bind(1, SqlValue::text(QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact))));
    update.run();
}

} // namespace

bool UndoBatch::suits(const CAdoConnection&, const std::vector<RowChange>& changes)
{
    if (changes.empty()) {
        return false;
    }
    std::unordered_set<qint64> ids;
    ids.reserve(changes.size());
    for (const RowChange& change : changes) {
        // Rows of the tables beside the catalog go the general way.
        if (change.kind != RowChange::Kind::Update || !change.table.isEmpty()
            || change.id.type() != SqlValue::Type::Integer || !ids.insert(change.id.toInteger()).second) {
            return false;
        }
        for (const QString& column : change.columns) {
            if (!RowChange::plainName(column) || column.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) {
                return false;
            }
        }
        for (const auto* values : {&change.before, &change.after}) {
            for (const SqlValue& value : *values) {
                // JSON has no words for a real without digits.
                if (value.type() == SqlValue::Type::Blob
                    || (value.type() == SqlValue::Type::Real && !std::isfinite(value.toReal()))) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool UndoBatch::apply(CAdoConnection& connection, const std::vector<RowChange>& changes, bool undoing,
                      std::set<qint64>& changedSince)
{
    std::map<QStringList, Group> groups;
    for (const RowChange& change : changes) {
        groups[change.columns].push_back(&change);
    }
    for (const auto& [columns, group] : groups) {
        findChangedSince(connection, columns, group, undoing, changedSince);
    }
    if (!changedSince.empty()) {
        return false;
    }
    for (const auto& [columns, group] : groups) {
        write(connection, columns, group, undoing);
    }
    return true;
}
