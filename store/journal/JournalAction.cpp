#include "store/journal/JournalAction.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/journal/Journal.h"

#include <QDateTime>

#include <cmath>

namespace
{
// Row changes are written in parts of about this many characters, so that a
// pass over many rows writes few journal rows and holds little in memory.
constexpr qsizetype PartSize = 256 * 1024;
} // namespace

JournalAction::JournalAction(CAdoConnection& connection, const QString& label, Limits limits)
    : m_connection(connection)
    , m_transaction(connection)
    , m_label(label)
    , m_limits(limits)
{
    if (!m_transaction.active() || !connection.isPostgres()) {
        return;
    }
    bool ready = false;
    try {
        ready = Journal::ensureTables(connection);
    } catch (const CAdoException&) {
        // The transaction has ended; commit raises.
    }
    if (!ready) {
        m_journalling = Journalling::No;
        return;
    }
    // Before a pass locks its rows, so that two passes take their turns
    // whole. A one-item change has locked its row already, so that a row
    // another program holds does not hold up changes to other items; when
    // it meets a pass that waits for that row, the server ends one of the
    // two. The loser is told why (another program, a time limit), here,
    // rather than by the next statement's failure in an ended transaction.
    Journal::lockForWriting(connection);
    m_tablesReady = true;
}

JournalAction::~JournalAction() = default;

std::vector<JournalAction::Row> JournalAction::readRows(qint64 itemId)
{
    CAdoCommand select(m_connection, QStringLiteral("SELECT * FROM ShoppingLists WHERE ID = ?"));
    select.bind(1, itemId);
    std::vector<Row> rows;
    while (select.next()) {
        Row row;
        for (int column = 0; column < select.columnCount(); ++column) {
            row.columns << select.columnName(column);
            row.values.push_back(select.value(column));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void JournalAction::watch(qint64 itemId)
{
    if (!CAdoCommand::available(m_connection)) {
        return;
    }
    if (m_watched.find(itemId) == m_watched.end()) {
        m_watched.emplace(itemId, readRows(itemId));
    }
}

void JournalAction::recordWatched()
{
    for (const auto& [itemId, before] : m_watched) {
        const std::vector<Row> after = readRows(itemId);
        // Rows of one ID pair up in the order the store returns them.
        const size_t both = std::min(before.size(), after.size());
        for (size_t i = 0; i < both; ++i) {
            RowChange change;
            change.id = SqlValue::integer(itemId);
            for (qsizetype column = 0; column < before[i].columns.size(); ++column) {
                const auto at = static_cast<size_t>(column);
                if (!(before[i].values[at] == after[i].values[at])) {
                    change.columns << before[i].columns.at(column);
                    change.before.push_back(before[i].values[at]);
                    change.after.push_back(after[i].values[at]);
                }
            }
            if (!change.columns.isEmpty()) {
                record(change);
            }
        }
        for (size_t i = both; i < before.size(); ++i) {
            record({RowChange::Kind::Delete, SqlValue::integer(itemId), before[i].columns, before[i].values, {}});
        }
        for (size_t i = both; i < after.size(); ++i) {
            record({RowChange::Kind::Insert, SqlValue::integer(itemId), after[i].columns, {}, after[i].values});
        }
    }
    m_watched.clear();
}

void JournalAction::record(const RowChange& change)
{
    if (m_journalling == Journalling::NotYet) {
        begin();
    }
    if (m_journalling == Journalling::No) {
        return;
    }
    change.appendTo(m_buffer, m_buffer.isEmpty() ? nullptr : &m_lastColumns);
    if (m_lastColumns != change.columns) {
        m_lastColumns = change.columns;
    }
    ++m_items;
    if (m_buffer.size() >= PartSize) {
        flush();
    }
}

void JournalAction::begin()
{
    if (!m_transaction.active()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
    }
    if (!CAdoCommand::available(m_connection) || (!m_tablesReady && !Journal::ensureTables(m_connection))) {
        m_journalling = Journalling::No;
        return;
    }
    // A new action ends what could have been redone.
    CAdoCommand(m_connection,
                QStringLiteral("DELETE FROM JournalChanges WHERE ActionID IN (SELECT ActionID FROM JournalActions "
                               "WHERE Undone <> 0)"))
        .run();
    CAdoCommand(m_connection, QStringLiteral("DELETE FROM JournalActions WHERE Undone <> 0")).run();
    // Entries edited by hand may hold anything: the next number is one above
    // the highest number found.
    CAdoCommand ids(m_connection, QStringLiteral("SELECT ActionID FROM JournalActions"));
    qint64 highest = 0;
    while (ids.next()) {
        const SqlValue id = ids.value(0);
        if (id.type() == SqlValue::Type::Integer) {
            highest = std::max(highest, id.toInteger());
        } else if (id.type() == SqlValue::Type::Real && std::isfinite(id.toReal()) && id.toReal() < 9e18) {
            highest = std::max(highest, static_cast<qint64>(std::ceil(id.toReal())));
        }
    }
    m_actionId = highest + 1;
    m_journalling = Journalling::Yes;
}

void JournalAction::flush()
{
    if (m_buffer.isEmpty()) {
        return;
    }
    CAdoCommand insert(m_connection,
                       QStringLiteral("INSERT INTO JournalChanges (ActionID, Part, Changes) VALUES (?, ?, ?)"));
    insert.bind(1, m_actionId);
    insert.bind(2, qint64(m_part++));
    insert.bind(3, m_buffer);
    insert.run();
    m_bytes += m_buffer.size();
    m_buffer.clear();
}

void JournalAction::prune()
{
    CAdoCommand sizes(m_connection, QStringLiteral("SELECT ActionID, ByteSize FROM JournalActions ORDER BY ActionID "
                                                   "DESC"));
    int kept = 0;
    qint64 bytes = 0;
    std::optional<SqlValue> cut;
    while (sizes.next()) {
        ++kept;
        bytes += std::max<qint64>(0, sizes.integer(1));
        // The entry just written is always kept.
        if (kept > 1 && (kept > m_limits.maxActions || bytes > m_limits.maxBytes)) {
            cut = sizes.value(0);
            break;
        }
    }
    sizes.reset();
    if (!cut) {
        return;
    }
    for (const char* sql : {"DELETE FROM JournalChanges WHERE ActionID <= ?", "DELETE FROM JournalActions WHERE "
                                                                              "ActionID <= ?"}) {
        CAdoCommand remove(m_connection, QString::fromLatin1(sql));
        remove.bind(1, *cut);
        remove.run();
    }
}

void JournalAction::commit()
{
    if (!m_transaction.active()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
    }
    try {
        recordWatched();
        if (m_journalling == Journalling::Yes && m_items > 0) {
            flush();
            CAdoCommand insert(m_connection, QStringLiteral("INSERT INTO JournalActions (") + Journal::actionColumns()
                                                 + QStringLiteral(", ByteSize) VALUES (?, ?, ?, 0, ?, ?)"));
            insert.bind(1, m_actionId);
            insert.bind(2, m_label);
            insert.bind(3, QDateTime::currentMSecsSinceEpoch());
            insert.bind(4, qint64(m_items));
            insert.bind(5, m_bytes + m_label.size());
            insert.run();
            prune();
        }
    } catch (...) {
        m_transaction.rollback();
        throw;
    }
    if (!m_transaction.commit()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
    }
}
