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

    // The same code drawn with text characters for a terminal, two rows of
    // modules to a line with the half-block characters, quiet zone included;
    // empty when the text does not fit. With colour, each line sets black on
    // white itself, so it scans in any terminal scheme; without (for a log
    // or a pipe), light modules are drawn as blocks, which suits the common
    // light-on-dark terminal.
    static QString terminalText(const QString& text, bool colour);

    static constexpr int QuietModules = 4;
};
