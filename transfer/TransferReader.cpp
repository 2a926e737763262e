#include "transfer/TransferReader.h"

#include "transfer/CsvTransfer.h"
#include "transfer/JsonTransfer.h"
#include "transfer/PlainListReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace
{
// The kind of picture or other binary file bytes start with; empty when
// they look like text.
QString binaryKind(const QByteArray& bytes)
{
    static const struct
    {
        QByteArrayView magic;
        const char* kind;
    } kinds[] = {
        {QByteArrayView("\x89PNG", 4), QT_TRANSLATE_NOOP("TransferReader", "a picture (PNG)")},
        {QByteArrayView("\xFF\xD8\xFF", 3), QT_TRANSLATE_NOOP("TransferReader", "a picture (JPEG)")},
        {QByteArrayView("GIF8", 4), QT_TRANSLATE_NOOP("TransferReader", "a picture (GIF)")},
        {QByteArrayView("%PDF", 4), QT_TRANSLATE_NOOP("TransferReader", "a PDF document")},
        {QByteArrayView("PK\x03\x04", 4), QT_TRANSLATE_NOOP("TransferReader", "a ZIP archive")},
        {QByteArrayView("II*\x00", 4), QT_TRANSLATE_NOOP("TransferReader", "a picture (TIFF)")},
        {QByteArrayView("MM\x00*", 4), QT_TRANSLATE_NOOP("TransferReader", "a picture (TIFF)")},
    };
    for (const auto& kind : kinds) {
        if (bytes.startsWith(kind.magic)) {
            return TransferReader::tr(kind.kind);
        }
    }
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP") {
        return TransferReader::tr("a picture (WebP)");
    }
    // Text holds a NUL now and then at most; a file full of them is not text.
    const QByteArray head = bytes.left(4096);
    return head.count('\0') > head.size() / 16 + 4 ? TransferReader::tr("not text") : QString();
}

// Whether most lines at the start of bytes are no UTF-8: a file of another
// kind, told once rather than refused line by line.
bool mostlyNotUtf8(const QByteArray& bytes)
{
    const QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 64 * 1024));
    int valid = 0;
    int invalid = 0;
    qsizetype at = 0;
    while (at < head.size()) {
        qsizetype end = at;
        while (end < head.size() && head.at(end) != '\n' && head.at(end) != '\r') {
            ++end;
        }
        if (end > at) {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = decoder.decode(head.sliced(at, end - at));
            ++(decoder.hasError() ? invalid : valid);
        }
        at = end + 1;
    }
    return invalid > valid;
}

TransferFile::Format formatOf(const QString& fileName, const QByteArray& utf8)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("json")) {
        return TransferFile::Format::Json;
    }
    if (suffix == QLatin1String("csv")) {
        return TransferFile::Format::Csv;
    }
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("md")) {
        return TransferFile::Format::PlainText;
    }
    const QByteArray start = utf8.left(64).trimmed();
    if (start.startsWith('{')) {
        return TransferFile::Format::Json;
    }
    // A first line of names a CSV reader knows makes it CSV.
    TransferFile probe;
    const qsizetype end = utf8.indexOf('\n');
    CsvTransfer::read(QByteArrayView(utf8).first(end < 0 ? utf8.size() : end), probe);
    return probe.error.isEmpty() ? TransferFile::Format::Csv : TransferFile::Format::PlainText;
}

// A plain list from bytes: a line that is not UTF-8 is refused on its own,
// the others are read.
void readPlainBytes(const QByteArray& bytes, TransferFile& result)
{
    QString text;
    text.reserve(bytes.size());
    int line = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = at;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r') {
            ++end;
        }
        ++line;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(bytes).sliced(at, end - at));
        if (decoder.hasError()) {
            result.refuse(line, TransferReader::tr("The line is not valid UTF-8 text."));
        } else {
            text += decoded;
        }
        text += QLatin1Char('\n');
        at = end + (end + 1 < bytes.size() && bytes.at(end) == '\r' && bytes.at(end + 1) == '\n' ? 2 : 1);
    }
    PlainListReader::read(text, result);
}
} // namespace

TransferFile TransferReader::readFile(const QString& path, const Stop& stop, const ColumnMapping* mapping)
{
    QFile file(path);
    TransferFile result;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        result.fail(0, tr("The file cannot be read: %1").arg(file.errorString()));
        return result;
    }
    if (file.size() > MaxFileSize) {
        result.fail(0, tr("The file is too large for a list (%1 MB).").arg(file.size() / (1024 * 1024)));
        return result;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.fail(0, tr("The file cannot be read: %1").arg(file.errorString()));
        return result;
    }
    return readBytes(std::move(bytes), path, stop, mapping);
}

TransferFile TransferReader::readBytes(QByteArray bytes, const QString& fileName, const Stop& stop,
                                       const ColumnMapping* mapping)
{
    TransferFile result;
    if (bytes.isEmpty()) {
        result.fail(0, tr("The file is empty."));
        return result;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
        if (decoder.hasError()) {
            result.fail(0, tr("The file is not valid UTF-16 text."));
            return result;
        }
        bytes = text.toUtf8();
    } else if (const QString kind = binaryKind(bytes); !kind.isEmpty()) {
        result.fail(0, tr("The file is %1, not a list.").arg(kind));
        return result;
    } else if (mostlyNotUtf8(bytes)) {
        result.fail(0, tr("The file is %1, not a list.").arg(tr("not text")));
        return result;
    }
    switch (mapping ? TransferFile::Format::Mapped : formatOf(fileName, bytes)) {
    case TransferFile::Format::Json:
        JsonTransfer::read(bytes, result);
        break;
    case TransferFile::Format::PlainText:
        readPlainBytes(bytes, result);
        break;
    default:
        CsvTransfer::read(bytes, result, stop, mapping);
        break;
    }
    return result;
}

TransferFile TransferReader::readPlain(const QString& text)
{
    TransferFile result;
    PlainListReader::read(text, result);
    return result;
}
