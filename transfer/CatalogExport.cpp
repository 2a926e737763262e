#include "transfer/CatalogExport.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/PricePoints.h"
#include "transfer/CsvTransfer.h"
#include "transfer/JsonTransfer.h"
#include "transfer/TransferColumns.h"

#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <unordered_map>

namespace
{
// Every item's barcodes, in one read; none when the catalog keeps none.
QHash<qint64, QStringList> barcodesByItem(CAdoConnection& connection)
{
    QHash<qint64, QStringList> codes;
    if (!Barcodes::tableUsable(connection)) {
        return codes;
    }
    CAdoCommand select(connection, QStringLiteral("SELECT ItemID, Code FROM Barcodes ORDER BY Code"));
    while (select.next()) {
        codes[select.value(0).toInteger()] << select.value(1).toText();
    }
    return codes;
}

// Every item's price points, in one read.
std::unordered_map<qint64, std::vector<PricePoint>> pricesByItem(CAdoConnection& connection)
{
    std::unordered_map<qint64, std::vector<PricePoint>> prices;
    for (const PricePoint& point : PricePoints::allPoints(connection, false)) {
        prices[point.itemId].push_back(point);
    }
    return prices;
}
} // namespace

CatalogExport::Format CatalogExport::formatFor(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0 ? Format::Json
                                                                                             : Format::Csv;
}

QByteArray CatalogExport::render(CAdoConnection& connection, Format format, long& items)
{
    items = 0;
    CAdoCommand select(connection, QStringLiteral("SELECT ") + TransferColumns::list()
                                       + QStringLiteral(" FROM ShoppingLists ORDER BY ID"));
    QByteArray out = format == Format::Csv ? CsvTransfer::header() : JsonTransfer::begin();
    std::vector<SqlValue> row(TransferColumns::Count);
    const QHash<qint64, QStringList> codes =
        format == Format::Json ? barcodesByItem(connection) : QHash<qint64, QStringList>();
    const std::unordered_map<qint64, std::vector<PricePoint>> prices =
        format == Format::Json ? pricesByItem(connection) : std::unordered_map<qint64, std::vector<PricePoint>>();
    while (select.next()) {
        for (int column = 0; column < TransferColumns::Count; ++column) {
            row[static_cast<size_t>(column)] = select.value(column);
        }
        if (format == Format::Csv) {
            CsvTransfer::appendRow(row, out);
        } else {
            const SqlValue& id = row[TransferColumns::Id];
            const bool keyed = id.type() == SqlValue::Type::Integer;
            const auto pricesAt = keyed ? prices.find(id.toInteger()) : prices.end();
            JsonTransfer::appendItem(row, items == 0, out, keyed ? codes.value(id.toInteger()) : QStringList(),
                                     pricesAt != prices.end() ? pricesAt->second : std::vector<PricePoint>());
        }
        ++items;
    }
    if (format == Format::Json) {
        out += JsonTransfer::end();
    }
    return out;
}

CatalogExport::Result CatalogExport::write(CAdoConnection& connection, const QString& path, Format format)
{
    Result result;
    QByteArray bytes;
    try {
        bytes = render(connection, format, result.items);
    } catch (const CAdoException& error) {
        result.error = tr("The catalog cannot be read: %1").arg(error.describe());
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = tr("%1 cannot be written: %2").arg(path, file.errorString());
        return result;
    }
    result.written = true;
    return result;
}
