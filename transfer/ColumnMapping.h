#pragma once

#include "transfer/DecimalText.h"
#include "transfer/TransferColumns.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Which catalog column each column of a spreadsheet's CSV fills, for a file
// whose header names no format the program knows: guessed from the header
// in English, German, French and Spanish ("Item", "Menge", "Quantité"),
// chosen in the import's mapping step, or given on the command line as
// "ItemName=Item,QtyToBuy=Quantity".
class ColumnMapping
{
    Q_DECLARE_TR_FUNCTIONS(ColumnMapping)

public:
    static constexpr int Ignored = -1;
    // Per column of the file: a TransferColumns::Column, or Ignored.
    std::vector<int> columns;

    static ColumnMapping guess(const QStringList& header);
    // The mapping "--columns" gives; nullopt (reason set) when it names a
    // catalog column or a file column that does not exist.
    static std::optional<ColumnMapping> parse(const QString& spec, const QStringList& header, QString& reason);
    // The mapping as "--columns" takes it.
    QString spec(const QStringList& header) const;
    // Why the mapping cannot be read by; empty when it can.
    QString problem() const;

    // One row of the file into record: empty cells say nothing, numbers are
    // read in either decimal mark (DecimalText) with `decimal` for those
    // that cannot tell. false (reason set) when a value does not fit.
    bool take(const QStringList& cells, TransferRecord& record, QString& reason, DecimalText::Mark decimal) const;
};
