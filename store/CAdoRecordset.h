#pragma once

#include "store/AdoDetail.h"
#include "store/CAdoField.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class CAdoConnection;
struct pg_result; // libpq's PGresult

// The rows of one statement, read through one column accessor.
//
// On SQLite, forward-only sets (cursor 0) read straight from the store as the
// cursor moves. Keyset sets (cursor 1) read every row at Open together with
// its rowid, so they can count, jump to the first and last row and, for a
// plain SELECT of one table, write set columns back by rowid. On PostgreSQL
// every set is read whole at Open (a forward-only set converts each value
// when it is read); a keyset set of a table with a row key of our own writes
// back by that key.
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
    bool Open(const QString& sql, const CAdoConnection& connection, int cursorType = adOpenForwardOnly,
              int lockType = adLockOptimistic, int options = adCmdUnknown);

    // True after the last row, at once for an empty set, and when not open.
    bool IsEOF() const;
    // Moving drops values set on the row and not yet written by Update.
    bool MoveNext();
    bool MoveFirst();
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
    friend class PgRecordset;
    friend class SqliteRecordset;

    using Kind = ado_detail::Kind;
    struct Column
    {
        QString name;
        QByteArray origin;     // the table column behind it, quoted; empty when computed
        QByteArray serverType; // PostgreSQL: the type of that column, for batched writes
        Kind kind = Kind::Computed;
        int maxChars = -1; // varchar(n) width, -1 for none
    };
    // One value: an SQLite storage class with its payload.
    struct Value
    {
        QString text;
        union {
            qint64 integer = 0;
            double real;
        };
        int type = 5; // SQLITE_NULL
    };
    // The values of a keyset set, row after row, in fixed-size chunks, so that
    // reading many rows never moves or re-touches what was read before.
    class ValueStore
    {
    public:
        Value& append();
        Value& operator[](size_t index) { return m_chunks[index >> ChunkBits][index & (ChunkSize - 1)]; }
        const Value& operator[](size_t index) const { return m_chunks[index >> ChunkBits][index & (ChunkSize - 1)]; }
        size_t size() const { return m_size; }
        void clear() noexcept;

    private:
        static constexpr size_t ChunkBits = 12;
        static constexpr size_t ChunkSize = size_t(1) << ChunkBits;
        std::vector<std::unique_ptr<Value[]>> m_chunks;
        size_t m_size = 0;
    };

    bool openStatement(const QByteArray& sql, sqlite3* db, bool keyset);
    bool prepareKeyset(sqlite3* db, const QByteArray& sql, ado_detail::StatementPtr& stmt);
    void finishRows();
    void readColumns(sqlite3_stmt* stmt, int first);
    bool alive() const;
    bool onRow() const;
    void dropPending();
    void failed(sqlite3* db);

    // For CAdoField.
    const Value* cachedValue(int column) const; // keyset only
    void setValue(int column, Value&& value);
    const Column* column(int position) const;
    // The column at position when the current row can take a value for it;
    // raises -15 otherwise.
    const Column& writableColumn(int position) const;

    std::shared_ptr<ado_detail::SharedConnection> m_connection;
    quint64 m_generation = 0;
    QByteArray m_sql;
    bool m_open = false;
    bool m_keyset = false;
    bool m_cached = false; // every row read at Open (keyset sets, PostgreSQL)
    bool m_readOnly = true;
    std::vector<Column> m_columns;

    // Forward-only.
    ado_detail::StatementPtr m_stmt;
    bool m_onRow = false;
    long m_count = -1;

    // PostgreSQL, forward-only: the rows as the server sent them, each value
    // converted when it is read, as SQLite reads a forward-only set as it
    // moves; the result's field and type behind each column, and the current
    // row's values converted so far with the row each belongs to.
    std::shared_ptr<pg_result> m_pgRows;
    std::vector<int> m_pgFields;
    std::vector<unsigned> m_pgTypes;
    mutable std::vector<Value> m_pgCurrent;
    mutable std::vector<long> m_pgCurrentRow;

    // Rows read at Open.
    ValueStore m_cells;
    std::vector<qint64> m_rowids; // rowids or row keys; empty when the set is not updatable
    QByteArray m_table;           // "db"."table" quoted, for the UPDATE
    QByteArray m_keyColumn;       // PostgreSQL: the row key, quoted
    long m_rows = 0;
    long m_row = 0;

    // Values set on the current row, not yet written.
    std::vector<Value> m_pending;
    std::vector<char> m_dirty;
    int m_dirtyCount = 0;

    // The last UPDATE, kept prepared while the same columns are written.
    ado_detail::StatementPtr m_update;
    std::vector<int> m_updateColumns;

    // Why the last Open failed; told with the errors that follow from it.
    QString m_failure;

    CAdoField m_field;
};
