#pragma once

#include <QFont>
#include <QRect>

// Converts the layouts of the handheld (dialog units of its 8-point system
// font, and pixels of its 240 x 320 screen) into Qt's device-independent
// pixels. The handheld's sizes are scaled by one factor so that the window
// opens at about twice the handheld's size; Qt's own high-DPI scaling then
// takes care of dense screens.
class DialogUnits
{
public:
    // Handheld pixels per dialog unit.
    static constexpr double HandheldX = 240.0 / 142.0;
    static constexpr double HandheldY = 13.0 / 8.0;

    static double scale();
    // GROCELLE_SCALE overrides the factor (tests and screenshots use 1).
    static void setScale(double factor);

    static QRect toPixels(int x, int y, int width, int height);
    static int toPixelsX(int dialogUnits);
    static int toPixelsY(int dialogUnits);

    // A length given in handheld pixels (column widths, drawing offsets).
    static int px(int handheldPixels);

    // The program's sans-serif face for a text cell of that many handheld
    // pixels, scaled like the layouts.
    static QFont font(int cellHandheldPixels);
    // The handheld's dialog font (a text cell of 13 pixels, eight dialog
    // units), scaled: the drop-down lists read at the size of their boxes.
    static QFont dialogFont();
};
