#pragma once

#include "store/access/AdoDetail.h"
#include "store/access/CAdoField.h"
#include "store/access/IRowSource.h"
#include "store/access/SqlValue.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class CAdoConnection;

// The rows of one statement, read through one column accessor. The engine of
// the connection produces the rows (IRowSource); this class keeps the cursor
// rules, the values set and not yet written, and the failures.
//
// Forward-only sets (cursor 0) end with their connection. Keyset sets
// (cursor 1) read every row at Open, so they can count, jump to the first
// and last row and, for a plain SELECT of one table, write set columns back
// by each row's key (SQLite's rowid; PostgreSQL's row key of our own).
//
// Statements without result rows (ALTER TABLE, CREATE INDEX, ...) may be
// opened too: Open runs them and reports their success.
class CAdoRecordset
{
public:
    enum CursorType
    {
        adOpenForwardOnly = 0,
        adOpenKeyset = 1
    };
    enum LockType
    {
        adLockReadOnly = 1,
        adLockPessimistic = 2,
        adLockOptimistic = 3
    };
    enum CommandType
    {
        adCmdNone = 0,
        adCmdUnknown = 8
    };

    CAdoRecordset();
    virtual ~CAdoRecordset();
    CAdoRecordset(const CAdoRecordset&) = delete;
    CAdoRecordset& operator=(const CAdoRecordset&) = delete;

    // Closes first, then runs sql on the connection; the cursor stands on the
    // first row. False (never raised) when the connection is not open, the
    // statement fails, or the text holds more than one statement. The
    // connection's lastError() tells why.
    [[nodiscard]] bool Open(const QString& sql, const CAdoConnection& connection, int cursorType = adOpenForwardOnly,
                            int lockType = adLockOptimistic, int options = adCmdUnknown);
    // The same with the statement's "?" parameters bound to parameters, in
    // order: a value from a person, a phone or a file reaches the engine as
    // a value, never as statement text.
    [[nodiscard]] bool Open(const QString& sql, const std::vector<SqlValue>& parameters,
                            const CAdoConnection& connection, int cursorType = adOpenForwardOnly,
                            int lockType = adLockOptimistic);

    // True after the last row, at once for an empty set, and when not open.
    bool IsEOF() const;
    // Moving drops values set on the row and not yet written by Update.
    bool MoveNext();
    bool MoveLast();

    // The exact number of rows for both cursor types (a forward-only set
    // counts on first request); -1 when not open or the store cannot tell.
    long GetRecordCount();
    // The number of columns; -1 when not open.
    int GetFieldCount();
    // Points the one accessor at the column at that 0-based position of the
    // statement's column list. A position outside the list leaves it without
    // a column: reads then raise -16 and sets -15.
    CAdoField& GetField(int position);

    // Writes the values set on the current row by rowid (PostgreSQL: by its
    // row key), with one bound UPDATE. Raises -18 when the row cannot be
    // written (no current row, the set is not updatable, the store refuses,
    // or the row is gone). Nothing set: nothing written. On PostgreSQL inside
    // a transaction the write is held and sent with others; a refusal then
    // raises here or fails a later statement or the commit, and nothing of
    // the transaction lands.
    void Update();

    void Close() noexcept;
    bool isOpen() const;

private:
    friend class CAdoField;

    bool alive() const;
    bool onRow() const;
    void dropPending();

    // For CAdoField: the value in that column of the current row, a value
    // set and not yet written included.
    ado_detail::ValueView valueAt(int column) const;
    void setValue(int column, ado_detail::Value&& value);
    const ado_detail::Column* column(int position) const;
    // The column at position when the current row can take a value for it;
    // raises -15 otherwise.
    const ado_detail::Column& writableColumn(int position) const;

    // Declared before the rows, which may refer to it while they live.
    std::shared_ptr<ado_detail::SharedConnection> m_connection;
    quint64 m_generation = 0;
    std::unique_ptr<IRowSource> m_rows;
    bool m_open = false;
    bool m_keyset = false;
    bool m_readOnly = true;

    // Values set on the current row, not yet written.
    std::vector<ado_detail::Value> m_pending;
    std::vector<char> m_dirty;
    int m_dirtyCount = 0;

    // Why the last Open failed; told with the errors that follow from it.
    QString m_failure;
    CAdoException::Kind m_failureKind = CAdoException::Kind::Other;

    CAdoField m_field;
};
