#pragma once

#include <QString>

class CAdoConnection;

// One transaction for the scope of a bulk pass: begins on construction,
// rolls back on destruction unless committed, so that a pass lands whole or
// not at all. Guards nest: an inner guard works on a savepoint of the outer
// transaction.
class CAdoTransaction
{
public:
    explicit CAdoTransaction(CAdoConnection& connection);
    ~CAdoTransaction();
    CAdoTransaction(const CAdoTransaction&) = delete;
    CAdoTransaction& operator=(const CAdoTransaction&) = delete;

    // Makes the work final (for a nested guard: part of the outer one).
    // False when nothing was begun or the store refused; the destructor then
    // rolls back.
    bool commit();
    // Undoes the work at once. False when nothing is active.
    bool rollback() noexcept;
    // True from a successful begin until commit or rollback.
    bool active() const;

private:
    bool stillOurs() const;

    CAdoConnection& m_connection;
    QString m_savepoint; // empty for the outermost transaction
    quint64 m_generation = 0;
    bool m_active = false;
};
