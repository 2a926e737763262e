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

void WindowLayout::setTextWidth(QWidget* widget, int pixels)
{
    m_textWidths.insert(widget, pixels);
}

int WindowLayout::extraOf(const Placement& placement) const
{
    return std::max(0, m_textWidths.value(placement.widget, 0) - placement.base.width());
}

int WindowLayout::extraWidth() const
{
    int extra = 0;
    for (const Placement& placement : m_placements) {
        extra += extraOf(placement);
    }
    return extra;
}

QList<QRect> WindowLayout::widenedPlaces() const
{
    QList<QRect> places;
    for (const Placement& placement : m_placements) {
        places << placement.base;
    }
    for (qsizetype grown = 0; grown < m_placements.size(); ++grown) {
        const int extra = extraOf(m_placements[grown]);
        if (extra == 0) {
            continue;
        }
        const QRect row = m_placements[grown].base;
        places[grown].setLeft(places[grown].left() - extra);
        for (qsizetype other = 0; other < m_placements.size(); ++other) {
            const QRect& base = m_placements[other].base;
            if (m_placements[other].anchorRight && base.right() < row.left() && base.bottom() >= row.top()
                && base.top() <= row.bottom()) {
                places[other].translate(-extra, 0);
            }
        }
    }
    return places;
}

void WindowLayout::apply(QSize clientSize) const
{
    const QSize base = baseClientSize();
    // The controls widened for their texts moved their row's right-anchored
    // controls left; the window is at least that much wider to make up for it.
    const int dx = std::max(extraWidth(), clientSize.width() - base.width());
    const int dy = std::max(minimumClientSize().height(), clientSize.height()) - base.height();
    const QList<QRect> places = widenedPlaces();
    for (qsizetype i = 0; i < m_placements.size(); ++i) {
        const Placement& placement = m_placements[i];
        QRect rect = places[i];
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
