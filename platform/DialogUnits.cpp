#include "platform/DialogUnits.h"

#include <QtGlobal>

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

int DialogUnits::toHandheld(int desktopPixels)
{
    return roundToInt(desktopPixels / scale());
}
