#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The program's pictures, addressed by the handheld's resource numbers
// (bitmaps, and icon 128) or, for the toolbar, by command id. They are drawn
// as SVG and rendered on first use for the window's scale
// (DialogUnits::scale()) and the primary screen's devicePixelRatio, so they
// stay crisp on dense screens. Rendered pixmaps are kept for the run.
//
// Needs a QGuiApplication; without one every picture is null.
class ResourceImages
{
public:
    // Handheld size of the state images of strip 203 and of toolbar images.
    static constexpr int StateImageSize = 16;
    static constexpr int StateImageCount = 4;
    static constexpr int ToolbarImageSize = 16;

    // The picture of a numbered bitmap. Its logical size
    // (size() / devicePixelRatio()) is handheldSize(id) times the scale.
    // Null for an unknown id.
    static QPixmap bitmap(int id);

    // The same picture drawn into logicalSize desktop pixels, stretched like
    // a button that stretches its image to its own size. Null for an unknown
    // id or an empty size.
    static QPixmap bitmap(int id, const QSize& logicalSize);

    // Size of a numbered bitmap in handheld pixels; invalid for an unknown id.
    static QSize handheldSize(int id);

    // One 16 x 16 (handheld) image of strip 203: 0 not marked, 1 marked,
    // 2 coupon, 3 marked with coupon. Null outside 0..3.
    static QPixmap stateImage(int index);

    // The toolbar button image for a command id; null for a command without
    // one.
    static QIcon toolbarIcon(int commandId);

    // Icon 128, with renderings from 16 to 256 pixels.
    static QIcon appIcon();

    // The start-up logo: the device folder's "\Windows\grocelle4logo.bmp"
    // (any image format Qt decodes) at its natural pixel size when it loads,
    // otherwise the built-in logo at its handheld size times the scale.
    // Null when neither loads.
    static QPixmap splashLogo();
};
