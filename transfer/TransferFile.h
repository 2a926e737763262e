#pragma once

#include "transfer/TransferColumns.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

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
        Mapped,       // a CSV with columns of its own, read by a ColumnMapping
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
    // A CSV file refused for a header of its own: the header's names and
    // the first rows, for the user to say which column is which.
    QStringList header;
    std::vector<QStringList> sample;
    static constexpr size_t SampleRows = 5;

    bool readable() const { return error.isEmpty() && !cancelled; }
    // A CSV refused only for not saying which column is which.
    bool needsMapping() const { return format == Format::Unknown && !header.isEmpty() && !cancelled; }
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
