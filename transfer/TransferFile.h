#pragma once

#include "transfer/TransferColumns.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// What a file held, read for an import: the items, the lines refused with
// why, or the reason the whole file is refused. Nothing here has touched the
// catalog.
struct TransferFile
{
    Q_DECLARE_TR_FUNCTIONS(TransferFile)

public:
    enum class Format
    {
        Unknown,
        Csv,          // this program's CSV
        Json,         // this program's JSON
        PlainText,    // one item per line, as typed or pasted
        OiShopping,   // the CSV OI Shopping List exports (Subject, % Complete, Categories, Tags)
        HandyShopper, // the other CSV OI Shopping List exports
    };
    struct Problem
    {
        int line = 0;
        QString reason;
    };

    Format format = Format::Unknown;
    std::vector<TransferRecord> records;
    std::vector<Problem> refused;
    // Why nothing of the file can be taken (with the line where it went
    // wrong, 0 for the file as a whole); empty when the file was read.
    QString error;
    int errorLine = 0;
    // Set by the reader when it was asked to stop; the rest is then partial.
    bool cancelled = false;

    bool readable() const { return error.isEmpty() && !cancelled; }
    void refuse(int line, const QString& reason) { refused.push_back({line, reason}); }
    void fail(int line, const QString& reason)
    {
        errorLine = line;
        error = reason;
    }
    // "Line 7: <reason>", or the reason alone for the whole file.
    static QString describe(int line, const QString& reason);
    static QString formatName(Format format);
};
