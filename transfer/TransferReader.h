#pragma once

#include "transfer/TransferFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class ColumnMapping;

// Reads a file for an import, whatever it holds: finds its text encoding
// (UTF-8, or UTF-16 by its byte order mark), refuses what is no text (a
// picture, an empty file, one that cannot be read), and hands the text to
// the reader of its format: by its name (.csv, .json, .txt), otherwise by
// what it starts with.
class TransferReader
{
    Q_DECLARE_TR_FUNCTIONS(TransferReader)

public:
    using Stop = std::function<bool()>;

    // mapping, when given, reads the file as a CSV of its own columns.
    static TransferFile readFile(const QString& path, const Stop& stop = {}, const ColumnMapping* mapping = nullptr);
    static TransferFile readBytes(QByteArray bytes, const QString& fileName, const Stop& stop = {},
                                  const ColumnMapping* mapping = nullptr);
    // Text from the clipboard: always a plain list.
    static TransferFile readPlain(const QString& text);

    // Files larger than this are refused before they are read.
    static constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;
};
