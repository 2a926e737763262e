#pragma once

#include "store/access/CAdoException.h"

// The phone's HTTP status for a failure of the catalog, by its kind: the one
// place that maps kinds to statuses, whatever the words of the failure.
class FailureStatus
{
public:
    enum : int
    {
        Busy = 409,        // another program holds the item: try again
        ItemGone = 404,    // the item no longer exists
        ReadOnly = 403,    // the catalog cannot be written: trying again changes nothing
        Unreachable = 503, // the catalog's server is gone or too slow
        Failed = 500       // anything else
    };

    static int of(CAdoException::Kind kind);
    static int of(const CAdoException& error) { return of(error.kind()); }
};
