#include "tools/QrCode.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

QImage QrCode::image(const QString& text, int moduleSize)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || moduleSize < 1) {
        return {};
    }
    const int modules = code->width;
    const int side = (modules + 2 * QuietModules) * moduleSize;
    QImage result(side, side, QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // The lowest bit of each byte: a dark module.
            if (code->data[y * modules + x] & 1) {
                painter.fillRect((x + QuietModules) * moduleSize, (y + QuietModules) * moduleSize, moduleSize,
                                 moduleSize, Qt::black);
            }
        }
    }
    return result;
}
