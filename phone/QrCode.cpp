#include "phone/QrCode.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>
#include <vector>

namespace
{
// The modules of the code, quiet zone included, row by row: true is dark.
// Empty when the text does not fit.
std::vector<std::vector<bool>> modules(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) {
        return {};
    }
    const int width = code->width;
    const int side = width + 2 * QrCode::QuietModules;
    std::vector<std::vector<bool>> grid(side, std::vector<bool>(side, false));
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width; ++x) {
            // The lowest bit of each byte: a dark module.
            grid[y + QrCode::QuietModules][x + QrCode::QuietModules] = (code->data[y * width + x] & 1) != 0;
        }
    }
    return grid;
}
} // namespace

QImage QrCode::image(const QString& text, int moduleSize)
{
    const auto grid = modules(text);
    if (grid.empty() || moduleSize < 1) {
        return {};
    }
    const int side = static_cast<int>(grid.size()) * moduleSize;
    QImage result(side, side, QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    for (std::size_t y = 0; y < grid.size(); ++y) {
        for (std::size_t x = 0; x < grid.size(); ++x) {
            if (grid[y][x]) {
                painter.fillRect(static_cast<int>(x) * moduleSize, static_cast<int>(y) * moduleSize, moduleSize,
                                 moduleSize, Qt::black);
            }
        }
    }
    return result;
}

QString QrCode::terminalText(const QString& text, bool colour)
{
    const auto grid = modules(text);
    if (grid.empty()) {
        return {};
    }
    // Indexed by upper * 2 + lower, each true when that half is drawn.
    static const QChar halves[] = {QChar(u' '), QChar(u'\u2584'), QChar(u'\u2580'), QChar(u'\u2588')};
    const std::size_t side = grid.size();
    QString out;
    for (std::size_t y = 0; y < side; y += 2) {
        if (colour) {
            out += QStringLiteral("\x1b[30;47m");
        }
        for (std::size_t x = 0; x < side; ++x) {
            const bool upper = grid[y][x];
            const bool lower = y + 1 < side && grid[y + 1][x];
            // In colour the foreground is black: dark modules are drawn.
            // Without, the terminal's own light foreground draws the light ones.
            const bool drawUpper = colour ? upper : !upper;
            const bool drawLower = colour ? lower : (y + 1 < side && !lower);
            out += halves[(drawUpper ? 2 : 0) + (drawLower ? 1 : 0)];
        }
        if (colour) {
            out += QStringLiteral("\x1b[0m");
        }
        out += QLatin1Char('\n');
    }
    return out;
}
