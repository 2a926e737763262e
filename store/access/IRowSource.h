#pragma once

#include "store/access/AdoDetail.h"

#include <vector>

class IConnectionBackend;

// The rows of one statement as an engine produces them, behind CAdoRecordset.
// The cursor starts on the first row. A source whose rows were all read at
// open (cached()) stays readable after its connection closes; one that reads
// as it moves is used by the recordset only while its connection is open.
class IRowSource
{
public:
    virtual ~IRowSource() = default;

    virtual const std::vector<ado_detail::Column>& columns() const = 0;
    virtual bool cached() const = 0;

    virtual bool onRow() const = 0;
    // False when there is no row to move to, or the engine failed (noted on
    // the connection).
    virtual bool next() = 0;
    virtual bool last() = 0;
    // The exact number of rows; -1 when it cannot be told. connectionOpen
    // says whether the engine may still be asked.
    virtual long count(bool connectionOpen) = 0;

    // The value in that column of the current row; the position is valid and
    // the cursor on a row.
    virtual ado_detail::ValueView value(int column) const = 0;

    // True when the current row can be written back (a keyset set of one
    // table, with each row's key).
    virtual bool writable() const = 0;
    // Writes values to those columns of the current row, on engine (the
    // engine that made this source, open); the values are taken. Raises
    // CAdoException -18 when the engine refuses or the row is gone.
    virtual void write(IConnectionBackend& engine, const std::vector<int>& columns,
                       std::vector<ado_detail::Value>& values) = 0;
};
