#pragma once

#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Where the main window's controls go. Each control has its place on the
// handheld's layout, in dialog units; when the window is larger than that,
// a control keeps to the edges it is anchored to, or grows with the window.
class WindowLayout
{
public:
    enum class Growth
    {
        None,
        Sideways,       // wider with the window
        SidewaysAndDown // wider and taller with the window
    };

    // Size of the window's client area at the handheld's layout, in desktop
    // pixels.
    static QSize baseClientSize();
    // The smallest client area at which everything still works: the list
    // gives up height (down to a few rows), nothing else moves over it.
    static QSize minimumClientSize();

    void place(QWidget* widget, int x, int y, int width, int height, bool anchorBottom, bool anchorRight);
    void placeGrowing(QWidget* widget, int x, int y, int width, int height, Growth growth);

    // The width a right-anchored control's text needs (0: its place is
    // enough). Where its place is narrower, it grows leftwards, the
    // right-anchored controls left of it on its row move along, and the
    // window needs that much more width.
    void setTextWidth(QWidget* widget, int pixels);
    // The width the window needs beyond the handheld's layout.
    int extraWidth() const;

    // Every control placed for a client area of that size, which is never
    // taken as smaller than the minimum.
    void apply(QSize clientSize) const;

private:
    struct Placement
    {
        QWidget* widget;
        QRect base;
        bool anchorBottom;
        bool anchorRight;
        Growth growth;
    };
    // The places of the controls, each widened for its text.
    QList<QRect> widenedPlaces() const;
    int extraOf(const Placement& placement) const;

    QList<Placement> m_placements;
    QHash<const QWidget*, int> m_textWidths;
};
