#pragma once

#include "store/access/SqlValue.h"
#include "store/journal/RowChange.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CAdoCommand;
class CAdoConnection;

// Reads and writes catalog rows by ID for undo and redo, each statement
// prepared once per set of columns.
class RowWriter
{
public:
    explicit RowWriter(CAdoConnection& connection);
    ~RowWriter();

    // Applies one action's changes backwards (undo, last change first) or
    // forwards (redo), inside the caller's transaction, each where its row
    // still holds what the other direction left. Returns the IDs of the rows
    // that did not; then the caller keeps nothing of what was written.
    std::vector<SqlValue> applyAll(const std::vector<RowChange>& changes, bool undoing);

private:
    // Applies one change backwards (undo) or forwards (redo) when the row
    // still holds what the other direction left; false when it does not.
    bool apply(const RowChange& change, bool undoing);
    CAdoCommand& command(const QString& key, const std::function<QString()>& sql);
    // Exactly one row of the change's table has its ID, and it holds these
    // values.
    bool holds(const RowChange& change, const std::vector<SqlValue>& values);
    bool absent(const RowChange& change);
    void write(const RowChange& change, const std::vector<SqlValue>& values);
    void insert(const RowChange& change, const std::vector<SqlValue>& values);
    void remove(const RowChange& change);

    CAdoConnection& m_connection;
    std::map<QString, std::unique_ptr<CAdoCommand>> m_commands;
};
