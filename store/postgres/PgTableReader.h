#pragma once

#include "store/postgres/PgSession.h"

#include <libpq-fe.h>

#include <memory>

// What the layer learns about a table from the server's catalog: its
// columns' names, types and widths, and the row key's column.
class PgTableReader
{
public:
    // The statement that reads a table's columns, its object id as $1.
    static const char* const Statement;
    // The table from Statement's rows (at least one).
    static std::unique_ptr<PgSession::Table> read(const PGresult* result);
};
