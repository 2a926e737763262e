#include "mainwnd/WindowLayout.h"

#include "platform/widgets/DialogUnits.h"

#include <QWidget>

#include <algorithm>

namespace
{
// Base layout of the window, in dialog units.
constexpr int BaseWidthDu = 142;
constexpr int BaseHeightDu = 164;
// How much of its height the list may give up in a short window: it keeps
// its headings and four rows or so.
constexpr int ListShrinkDu = 45;
} // namespace

QSize WindowLayout::baseClientSize()
{
    return {DialogUnits::toPixelsX(BaseWidthDu), DialogUnits::toPixelsY(BaseHeightDu)};
}

QSize WindowLayout::minimumClientSize()
{
    return {DialogUnits::toPixelsX(BaseWidthDu), DialogUnits::toPixelsY(BaseHeightDu - ListShrinkDu)};
}

void WindowLayout::place(QWidget* widget, int x, int y, int width, int height, bool anchorBottom, bool anchorRight)
{
    m_placements.append({widget, DialogUnits::toPixels(x, y, width, height), anchorBottom, anchorRight, Growth::None});
}

void WindowLayout::placeGrowing(QWidget* widget, int x, int y, int width, int height, Growth growth)
{
    m_placements.append({widget, DialogUnits::toPixels(x, y, width, height), false, false, growth});
}

void WindowLayout::apply(QSize clientSize) const
{
    const QSize base = baseClientSize();
    const int dx = std::max(0, clientSize.width() - base.width());
    const int dy = std::max(minimumClientSize().height(), clientSize.height()) - base.height();
    for (const Placement& placement : m_placements) {
        QRect rect = placement.base;
        switch (placement.growth) {
        case Growth::SidewaysAndDown:
            rect.setHeight(rect.height() + dy);
            [[fallthrough]];
        case Growth::Sideways:
            rect.setWidth(rect.width() + dx);
            break;
        case Growth::None:
            rect.translate(placement.anchorRight ? dx : 0, placement.anchorBottom ? dy : 0);
            break;
        }
        placement.widget->setGeometry(rect);
    }
}
