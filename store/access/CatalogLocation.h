#pragma once

#include <QString>

// Which catalog the handheld path stands for in this run: the one the user
// chose (a file path or a postgresql:// URI), otherwise the file in the
// device folder. Every open of a catalog goes through resolve().
class CatalogLocation
{
public:
    // "\Windows\shoplistdata.cdb": the catalog's path on the handheld.
    static QString devicePath();
    static QString location();
    // Empty text goes back to the file in the device folder.
    static void setLocation(const QString& chosen);
    // What the user chose; empty when nothing was.
    static QString chosen();
    // path, or location() when path is the handheld path of the catalog.
    static QString resolve(const QString& path);
};
