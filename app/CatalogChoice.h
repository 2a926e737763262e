#pragma once

#include <QString>
#include <QStringList>

// Which catalog a run works on, and the command-line requests about
// catalogs. In order of precedence: "--catalog URL" on the command line, the
// environment variable GROCELLE_CATALOG, the value "Catalog" in Grocelle.conf;
// nothing given: the file in the device folder. Each names a file path or a
// postgresql:// URI.
class CatalogChoice
{
public:
    // The chosen location from those three places; empty when none is given.
    // A relative file path is taken from the current folder.
    static QString resolve(const QString& argument);

    // Runs "--copy-catalog FROM TO [--replace]" when the arguments ask for
    // it: prints the row count and both checksums, or why nothing was
    // copied. Returns the exit code, or -1 when the arguments do not ask.
    static int copyCommand(const QStringList& arguments);
};
