#pragma once

#include <QString>

class CAdoException;

// A failure of the catalog told to the user: the message says what failed in
// the user's terms, and the store's own words (its error code and the
// engine's text) go to the box's detail, never into the message.
class CatalogFailure
{
public:
    // "The change was not saved: the catalog could not be written." and the
    // like, by the kind of failure (never by its words), then by its code.
    static QString text(const CAdoException& error);
    // The one sentence for a write that met another program's lock.
    static QString lockedElsewhere();

    // "Error -18: attempt to write a readonly database".
    static QString detail(const CAdoException& error);
};
