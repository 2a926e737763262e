#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class CAdoConnection;

// Writes the whole catalog to a file, every row and every column, as CSV or
// as JSON (see CsvTransfer and JsonTransfer). The catalog is only read.
class CatalogExport
{
    Q_DECLARE_TR_FUNCTIONS(CatalogExport)

public:
    enum class Format
    {
        Csv,
        Json
    };
    // JSON for a name ending in .json, CSV otherwise.
    static Format formatFor(const QString& path);

    struct Result
    {
        bool written = false;
        long items = 0;
        QString error; // why nothing was written
    };

    // The file's bytes. Raises CAdoException when the rows cannot be read.
    static QByteArray render(CAdoConnection& connection, Format format, long& items);
    // Writes the file whole or not at all: an existing file is replaced only
    // once the new one is complete.
    static Result write(CAdoConnection& connection, const QString& path, Format format);
};
