#pragma once

#include "store/catalog/PricePoint.h"
#include "transfer/TransferFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringList>

#include <vector>

// The catalog as JSON: {"format": "Grocelle catalog", "version": 1,
// "items": [...]}, each item an object keyed by column name, one item per
// line. A missing value is null, empty text is "": the two stay apart. A
// key left out of an item says nothing about that column. An item with
// barcodes lists them under "Barcodes", as texts, and one with prices seen
// under "Prices" (PriceTransfer).
class JsonTransfer
{
    Q_DECLARE_TR_FUNCTIONS(JsonTransfer)

public:
    static constexpr int Version = 1;

    static QByteArray begin();
    // One item's line; first tells whether it is the first item.
    static void appendItem(const std::vector<SqlValue>& row, bool first, QByteArray& out,
                           const QStringList& barcodes = {}, const std::vector<PricePoint>& prices = {});
    static QByteArray end();

    static void read(const QByteArray& utf8, TransferFile& file);
};
