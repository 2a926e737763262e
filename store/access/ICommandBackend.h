#pragma once

#include "store/access/SqlValue.h"

#include <QString>

// One prepared statement as an engine runs it, behind CAdoCommand. Every
// failure raises CAdoException with the engine's words as its detail, noted
// on the connection too; a call after the connection closed raises as well.
class ICommandBackend
{
public:
    virtual ~ICommandBackend() = default;

    // True for a statement that changes the catalog.
    virtual bool writes() const = 0;
    virtual void bind(int parameter, const SqlValue& value) = 0;
    virtual bool next() = 0;
    virtual long run() = 0;
    virtual void reset() noexcept = 0;
    virtual int columnCount() = 0;
    virtual QString columnName(int column) = 0;
    virtual SqlValue value(int column) = 0;
    virtual qint64 integer(int column) = 0;
    virtual QString text(int column) = 0;
};
