#include "transfer/TransferFile.h"

QString TransferFile::describe(int line, const QString& reason)
{
    return line > 0 ? tr("Line %1: %2").arg(line).arg(reason) : reason;
}

QString TransferFile::formatName(Format format)
{
    switch (format) {
    case Format::Unknown:
        break;
    case Format::Csv:
        return QStringLiteral("CSV");
    case Format::Json:
        return QStringLiteral("JSON");
    case Format::PlainText:
        return tr("a plain list");
    case Format::OiShopping:
        return QStringLiteral("OI Shopping List CSV");
    case Format::HandyShopper:
        return QStringLiteral("HandyShopper CSV");
    case Format::Mapped:
        return tr("CSV with columns of its own");
    }
    return tr("an unknown format");
}
