#include "transfer/CatalogExport.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "transfer/CsvTransfer.h"
#include "transfer/JsonTransfer.h"
#include "transfer/TransferColumns.h"

#include <QFileInfo>
#include <QSaveFile>

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
    while (select.next()) {
        for (int column = 0; column < TransferColumns::Count; ++column) {
            row[static_cast<size_t>(column)] = select.value(column);
        }
        if (format == Format::Csv) {
            CsvTransfer::appendRow(row, out);
        } else {
            JsonTransfer::appendItem(row, items == 0, out);
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
