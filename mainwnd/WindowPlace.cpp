#include "mainwnd/WindowPlace.h"

#include "platform/CRegistry.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace
{
// The screen that shows most of rect; the primary one when none shows any.
QScreen* screenShowing(const QRect& rect)
{
    QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(rect);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}
// The window's frame: as the platform has drawn it, or before the window is
// first shown (when it is not known yet) an estimate on the large side.
QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (frame != inner) {
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    }
    const QStyle* style = window.style();
    const int side = std::max(style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &window), 8);
    const int title = std::max(style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), 24);
    return QMargins(side, title + side, side, side);
}
} // namespace

void WindowPlace::save(const QWidget& window, const CRegistry& registry)
{
    registry.SetBytes(QString::fromLatin1(valueName()), window.saveGeometry());
}

void WindowPlace::restore(QWidget& window, const CRegistry& registry)
{
    const QByteArray kept = registry.GetBytes(QString::fromLatin1(valueName()));
    if (kept.isEmpty() || !window.restoreGeometry(kept)) {
        return;
    }
    if (window.isMaximized() || window.isFullScreen()) {
        return;
    }
    // The toolkit keeps a window on some screen already; this also keeps the
    // title bar reachable, so that the user can always move the window.
    QScreen* screen = screenShowing(window.frameGeometry());
    if (!screen) {
        return;
    }
    // The frame, title bar included, goes on the screen too.
    QRect place = window.geometry();
    const QRect room = screen->availableGeometry().marginsRemoved(frameMargins(window));
    place.setSize(place.size().boundedTo(room.size()).expandedTo(window.minimumSize()));
    place.moveLeft(std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width() + 1)));
    place.moveTop(std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height() + 1)));
    if (place != window.geometry()) {
        window.setGeometry(place);
    }
}
