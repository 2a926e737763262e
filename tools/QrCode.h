#pragma once

#include <QImage>
#include <QString>

// A QR code of a text (error correction level M), black on white with the
// standard quiet zone of four modules, each module moduleSize pixels wide.
// A null image when the text does not fit in a QR code.
class QrCode
{
public:
    static QImage image(const QString& text, int moduleSize);
    static constexpr int QuietModules = 4;
};
