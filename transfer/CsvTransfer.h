#pragma once

#include "transfer/TransferFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class ColumnMapping;

// The catalog as CSV (RFC 4180, UTF-8): a header row of the column names,
// then one row per item, every line ended by CR LF.
//
// A missing value is an empty cell; empty text is a quoted empty cell ("").
// A cell a spreadsheet would run as a formula (one that starts with =, +,
// -, @, a tab or a carriage return) is written with an apostrophe in front,
// and so is a cell that starts with an apostrophe itself; the reader takes
// one leading apostrophe off every cell, so a file read back gives exactly
// the values written. Numbers stay as they are: -1 is no formula.
//
// The reader also takes the CSV that OI Shopping List exports, in either of
// its two forms, by its header, and any other CSV once told which column is
// which (ColumnMapping); a header it does not know refuses the file, with
// the header and the first rows kept for that choice. Numbers may have a
// decimal comma (DecimalText).
class CsvTransfer
{
    Q_DECLARE_TR_FUNCTIONS(CsvTransfer)

public:
    using Row = std::vector<SqlValue>; // TransferColumns::Count values, in column order

    static QByteArray header();
    // One item's line, CR LF included.
    static void appendRow(const Row& row, QByteArray& out);
    // A cell as written (quoted and neutralised as needed).
    static QByteArray cell(const SqlValue& value, bool textColumn);

    // Reads utf8 (no byte order mark) into file; stop, when given, is asked
    // now and then whether to give up. mapping, when given, says what each
    // column holds, whatever the header names.
    static void read(QByteArrayView utf8, TransferFile& file, const std::function<bool()>& stop = {},
                     const ColumnMapping* mapping = nullptr);

    // One record of raw cells: nullopt for an empty unquoted cell.
    using Cells = std::vector<std::optional<QByteArray>>;
    // Splits utf8 into records with libcsv, each handed to sink with the line
    // it starts on; sink returns false to stop. Returns 0, or the line of a
    // quote that is never closed.
    static int split(QByteArrayView utf8, const std::function<bool(const Cells&, int line)>& sink);
};
