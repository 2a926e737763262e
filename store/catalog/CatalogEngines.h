#pragma once

// The engines a catalog can live in: an SQLite file, or a PostgreSQL
// database named by a postgresql:// URI. Every program installs them once,
// before it opens its first catalog.
class CatalogEngines
{
public:
    // Safe to call more than once, and from more than one thread.
    static void install();
};
