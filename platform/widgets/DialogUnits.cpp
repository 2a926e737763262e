#include "platform/widgets/DialogUnits.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace
{
double initialScale()
{
    bool ok = false;
    const double fromEnv = qEnvironmentVariable("GROCELLE_SCALE").toDouble(&ok);
    return ok && fromEnv > 0.0 ? fromEnv : 2.0;
}

double& currentScale()
{
    static double factor = initialScale();
    return factor;
}

int roundToInt(double value)
{
    return static_cast<int>(std::lround(value));
}
} // namespace

double DialogUnits::scale()
{
    return currentScale();
}

void DialogUnits::setScale(double factor)
{
    if (factor > 0.0) {
        currentScale() = factor;
    }
}

int DialogUnits::toPixelsX(int dialogUnits)
{
    return roundToInt(dialogUnits * HandheldX * scale());
}

int DialogUnits::toPixelsY(int dialogUnits)
{
    return roundToInt(dialogUnits * HandheldY * scale());
}

QRect DialogUnits::toPixels(int x, int y, int width, int height)
{
    const int left = toPixelsX(x);
    const int top = toPixelsY(y);
    return QRect(left, top, toPixelsX(x + width) - left, toPixelsY(y + height) - top);
}

int DialogUnits::px(int handheldPixels)
{
    return roundToInt(handheldPixels * scale());
}

QFont DialogUnits::font(int cellHandheldPixels)
{
    QFont face(QStringLiteral("Tahoma"));
    // Where Tahoma is missing, the nearest variable-pitch sans-serif face.
    face.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    face.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Noto Sans"), QStringLiteral("sans-serif")});
    // Qt's pixel size is the height of the letters alone, about four fifths
    // of the cell.
    face.setPixelSize(std::max(1, roundToInt(cellHandheldPixels * 0.8 * scale())));
    return face;
}

QFont DialogUnits::dialogFont()
{
    return font(13);
}
