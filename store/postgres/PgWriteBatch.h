#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <unordered_set>
#include <vector>

// Keyset writes of one transaction on PostgreSQL, held back and sent
// together: one UPDATE ... FROM unnest(...) by row key for every few thousand
// rows that set the same columns of the same table. A row that one UPDATE of
// the server would write twice is never held twice: the caller sends what is
// held first.
class PgWriteBatch
{
public:
    // The rows held before a batch goes to the server by itself.
    static constexpr int Limit = 4096;

    // One column a write sets: its quoted name and the server's type of it.
    struct Target
    {
        QByteArray quoted;
        QByteArray type;
        bool operator==(const Target&) const = default;
    };

    bool isEmpty() const { return m_rows == 0; }
    int size() const { return m_rows; }
    // True when a write of these columns of that table can join what is held
    // (always when nothing is held).
    bool fits(const QByteArray& table, const QByteArray& keyColumn, const std::vector<Target>& targets) const;
    bool holds(qint64 key) const { return m_keys.count(key) != 0; }

    // Holds the write of one row: the values (null for a missing one), in
    // the order of targets, as the server reads them from text. Only a
    // write that fits and a key not held may be added.
    void add(const QByteArray& table, const QByteArray& keyColumn, const std::vector<Target>& targets, qint64 key,
             const std::vector<const QByteArray*>& values);

    // The one statement that writes what is held, with its parameters (the
    // keys first, then one array per column).
    QByteArray statement() const;
    std::vector<QByteArray> parameters() const;
    void clear() noexcept;

private:
    QByteArray m_table;
    QByteArray m_keyColumn;
    std::vector<Target> m_targets;
    QByteArray m_keyArray;            // "{1,2,3"
    std::vector<QByteArray> m_arrays; // one array literal per target, open like m_keyArray
    std::unordered_set<qint64> m_keys;
    int m_rows = 0;
};
