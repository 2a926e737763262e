#include "platform/widgets/SoundService.h"

#include "platform/DeviceFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace
{
SoundService::Handler& handler()
{
    static SoundService::Handler instance;
    return instance;
}

// Effects are kept for the run so that a repeated click starts at once
// instead of decoding the file again. They are parented to the application
// object, which outlives every window.
QSoundEffect* effectFor(const QString& file)
{
    static QHash<QString, QSoundEffect*> cache;
    if (QSoundEffect* existing = cache.value(file)) {
        return existing;
    }
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(file.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + file)
                                                        : QUrl::fromLocalFile(file));
    cache.insert(file, effect);
    return effect;
}
} // namespace

QString SoundService::resourceFor(const QString& devicePath)
{
    QString name = devicePath;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    name = name.section(QLatin1Char('\\'), -1).toLower();
    return QStringLiteral("sounds/") + name;
}

void SoundService::play(const QString& devicePath)
{
    if (handler()) {
        handler()(devicePath);
        return;
    }
    if (!QCoreApplication::instance()) {
        return;
    }
    const QString file = DeviceFolder::userFileOrResource(devicePath, resourceFor(devicePath));
    if (file.isEmpty()) {
        return;
    }
    QSoundEffect* effect = effectFor(file);
    effect->stop();
    effect->play();
}

void SoundService::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
