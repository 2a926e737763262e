#pragma once

#include <QString>

#include <functional>

// Realistic catalogs for the benchmarks.

// Makes a catalog of `items` items at filePath, replacing any file there:
// created empty through Catalog::prepareFile, filled in one transaction, then
// indexed the way the program leaves a catalog after its first start (the
// start-up and store-tab indexes). Items have unique names of at most 30
// characters spread over `stores` stores and `depts` departments (one of
// them not yet placed, DeptOrder -1); about a third are on the list, some
// marked, some with a coupon, some with notes. The same arguments always
// give the same catalog. Throws std::runtime_error when the file cannot be
// made.
void generateCatalog(const QString& filePath, int items, int stores = 12, int depts = 20);

// A generated catalog of `items` items in the device folder, made on first
// request and reused after, one per (items, tag): benchmarks that change
// their catalog pass their own tag so they do not disturb the others.
QString benchCatalog(int items, const QString& tag = QString());

// A benchmark's own set-up step that must work: ends the run with what
// failed when it does not (a figure measured on a failed step means nothing).
void benchMust(bool succeeded, const char* what);

// The device folder's catalog is the one a window opens, and benchmarks that
// need a window of their own make or copy it there. A window kept open on it
// between benchmarks registers how it closes (once, at static initialisation
// or on first use); before the catalog is replaced every such window closes,
// since SQLite's -wal and -shm files, found by the file's name, would
// otherwise be shared between the old catalog, still open, and the new one.
void keepOnDeviceCatalog(std::function<void()> close);

// Copies the catalog at source to target, page for page through SQLite, so
// that what source's open connections still hold in its -wal file comes too.
// Whether it was copied.
bool copyCatalog(const QString& source, const QString& target);

// Closes every window kept on the device folder's catalog and removes the
// catalog with its -wal, -shm and -journal files; returns its path.
QString releaseDeviceCatalog();
