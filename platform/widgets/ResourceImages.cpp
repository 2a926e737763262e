#include "platform/widgets/ResourceImages.h"

#include "platform/Resources.h"

#include "platform/DeviceFolder.h"
#include "platform/widgets/DialogUnits.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{
struct Picture
{
    int id;
    int width;
    int height;
    const char* file;
};

// Sizes are the handheld's: where the window gives only a control box in
// dialog units, the picture fills that box (240/142 and 13/8 pixels per unit).
constexpr Picture Pictures[] = {
    {128, 32, 32, ":/images/app-icon.svg"},          {184, 275, 16, ":/images/184-strip.svg"},
    {191, 19, 16, ":/images/191-letter-marker.svg"}, {196, 30, 19, ":/images/196-add-new-down.svg"},
    {197, 30, 19, ":/images/197-add-new-up.svg"},    {198, 25, 20, ":/images/198-clear-up.svg"},
    {199, 25, 20, ":/images/199-clear-down.svg"},    {200, 43, 22, ":/images/200-button-up.svg"},
    {201, 42, 21, ":/images/201-button-down.svg"},   {202, 32, 32, ":/images/202-item.svg"},
    {203, 64, 16, ":/images/203-row-states.svg"},    {206, 22, 15, ":/images/206-letter-a-down.svg"},
    {207, 22, 15, ":/images/207-letter-a-up.svg"},   {208, 22, 15, ":/images/208-letter-g-up.svg"},
    {209, 21, 15, ":/images/209-letter-l-up.svg"},   {210, 22, 15, ":/images/210-letter-s-up.svg"},
    {211, 22, 15, ":/images/211-letter-g-down.svg"}, {212, 22, 15, ":/images/212-letter-s-down.svg"},
    {213, 21, 15, ":/images/213-letter-l-down.svg"}, {214, 20, 13, ":/images/214-coupon.svg"},
    {215, 17, 19, ":/images/215-add.svg"},           {217, 11, 6, ":/images/217-more-up.svg"},
    {218, 11, 6, ":/images/218-more-down.svg"},      {219, 11, 6, ":/images/219-less-up.svg"},
    {220, 11, 6, ":/images/220-less-down.svg"},      {222, 220, 178, ":/images/222-about.svg"},
};

constexpr int StateStripId = 203;

struct ToolbarPicture
{
    int commandId;
    const char* file;
};

constexpr ToolbarPicture ToolbarPictures[] = {
    {32778, ":/images/tool-add-one.svg"},     {32779, ":/images/tool-subtract-one.svg"},
    {32780, ":/images/tool-new-item.svg"},    {32781, ":/images/tool-edit-item.svg"},
    {32782, ":/images/tool-delete-item.svg"}, {32801, ":/images/tool-quantity-filter.svg"},
    {57670, ":/images/tool-help.svg"},
};

// Icon renderings cover a 16-pixel toolbar from scale 1 on a plain screen
// up to scale 3 on a doubled one.
constexpr int IconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256};

const QString LogoFile = QStringLiteral(":/images/logo.svg");
constexpr QSize LogoSize(224, 90);
// The handheld's decoder refused larger logos; so do we, rather than
// allocating whatever a damaged or hostile file claims.
constexpr int LogoLimit = 10000;

const Picture* findPicture(int id)
{
    const auto* found = std::find_if(std::begin(Pictures), std::end(Pictures),
                                     [id](const Picture& picture) { return picture.id == id; });
    return found == std::end(Pictures) ? nullptr : found;
}

// Every picture goes through this check first, so it also makes sure the
// pictures are registered.
bool haveGui()
{
    Resources::registerAll();
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

qreal screenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QSize scaled(const QSize& handheld)
{
    return QSize(std::max(1, DialogUnits::px(handheld.width())), std::max(1, DialogUnits::px(handheld.height())));
}

// Renders source (the whole drawing when empty) of an SVG into a pixmap of
// logicalSize at ratio. Rendered pixmaps are kept, keyed by everything that
// changes the result.
QPixmap render(const QString& file, const QRectF& source, const QSize& logicalSize, qreal ratio)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1|%2,%3,%4,%5|%6x%7@%8")
                            .arg(file)
                            .arg(source.x())
                            .arg(source.y())
                            .arg(source.width())
                            .arg(source.height())
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(ratio);
    const auto cached = cache.constFind(key);
    if (cached != cache.constEnd()) {
        return cached.value();
    }

    QSvgRenderer renderer(file);
    if (!renderer.isValid() || logicalSize.isEmpty()) {
        return QPixmap();
    }
    if (!source.isEmpty()) {
        renderer.setViewBox(source);
    }
    const QSize deviceSize(static_cast<int>(std::lround(logicalSize.width() * ratio)),
                           static_cast<int>(std::lround(logicalSize.height() * ratio)));
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    }
    image.setDevicePixelRatio(ratio);
    QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon iconFrom(const QString& file)
{
    QIcon icon;
    for (const int size : IconSizes) {
        const QPixmap pixmap = render(file, QRectF(), QSize(size, size), 1.0);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

QPixmap deviceLogo()
{
    const QString path = DeviceFolder::map(QStringLiteral("\\Windows\\grocelle4logo.bmp"));
    if (!QFileInfo(path).isFile()) {
        return QPixmap();
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.width() > LogoLimit || size.height() > LogoLimit) {
        return QPixmap();
    }
    const QImage image = reader.read();
    if (image.isNull() || image.width() > LogoLimit || image.height() > LogoLimit) {
        return QPixmap();
    }
    return QPixmap::fromImage(image);
}
} // namespace

QPixmap ResourceImages::bitmap(int id)
{
    const Picture* picture = findPicture(id);
    if (!picture || !haveGui()) {
        return QPixmap();
    }
    return render(QLatin1String(picture->file), QRectF(), scaled(QSize(picture->width, picture->height)),
                  screenRatio());
}

QPixmap ResourceImages::bitmap(int id, const QSize& logicalSize)
{
    const Picture* picture = findPicture(id);
    if (!picture || !haveGui()) {
        return QPixmap();
    }
    return render(QLatin1String(picture->file), QRectF(), logicalSize, screenRatio());
}

QSize ResourceImages::handheldSize(int id)
{
    const Picture* picture = findPicture(id);
    return picture ? QSize(picture->width, picture->height) : QSize();
}

QPixmap ResourceImages::stateImage(int index)
{
    const Picture* strip = findPicture(StateStripId);
    if (index < 0 || index >= StateImageCount || !strip || !haveGui()) {
        return QPixmap();
    }
    const QRectF cell(index * StateImageSize, 0, StateImageSize, StateImageSize);
    return render(QLatin1String(strip->file), cell, scaled(QSize(StateImageSize, StateImageSize)), screenRatio());
}

QIcon ResourceImages::toolbarIcon(int commandId)
{
    const auto* found =
        std::find_if(std::begin(ToolbarPictures), std::end(ToolbarPictures),
                     [commandId](const ToolbarPicture& picture) { return picture.commandId == commandId; });
    if (found == std::end(ToolbarPictures) || !haveGui()) {
        return QIcon();
    }
    return iconFrom(QLatin1String(found->file));
}

QIcon ResourceImages::appIcon()
{
    const Picture* icon = findPicture(128);
    return icon && haveGui() ? iconFrom(QLatin1String(icon->file)) : QIcon();
}

QPixmap ResourceImages::splashLogo()
{
    if (!haveGui()) {
        return QPixmap();
    }
    const QPixmap user = deviceLogo();
    if (!user.isNull()) {
        return user;
    }
    return render(LogoFile, QRectF(), scaled(LogoSize), screenRatio());
}
