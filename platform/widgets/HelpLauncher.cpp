#include "platform/widgets/HelpLauncher.h"

#include "platform/DeviceFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace
{
HelpLauncher::Handler& handler()
{
    static HelpLauncher::Handler instance;
    return instance;
}

// Writes data to file unless the file already holds exactly that.
bool writeIfChanged(const QString& file, const QByteArray& data)
{
    QFile existing(file);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data) {
        return true;
    }
    existing.close();
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    out.write(data);
    return out.commit();
}

// A private folder for the page when the cache folder cannot be written. It
// lives until the program ends, long enough for a browser to read the page.
QString fallbackFolder()
{
    static std::unique_ptr<QTemporaryDir> folder;
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/grocelle-help-XXXXXX"));
    }
    return folder->isValid() ? folder->path() : QString();
}
} // namespace

QString HelpLauncher::builtInCopy()
{
    QFile resource(QStringLiteral(":/") + QString::fromLatin1(ResourceName));
    if (!resource.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray page = resource.readAll();
    const QString fileName = QFileInfo(QString::fromLatin1(ResourceName)).fileName();

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) {
        const QString file = QDir(cache).filePath(QStringLiteral("grocelle/") + fileName);
        if (writeIfChanged(file, page)) {
            return file;
        }
    }
    const QString folder = fallbackFolder();
    if (folder.isEmpty()) {
        return {};
    }
    const QString file = QDir(folder).filePath(fileName);
    return writeIfChanged(file, page) ? file : QString();
}

QUrl HelpLauncher::pageUrl()
{
    QString file = DeviceFolder::map(QString::fromLatin1(DevicePath));
    if (!QFileInfo(file).isFile()) {
        file = builtInCopy();
    }
    if (file.isEmpty()) {
        return {};
    }
    QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    url.setFragment(QString::fromLatin1(Anchor));
    return url;
}

void HelpLauncher::open()
{
    const QUrl url = pageUrl();
    if (url.isEmpty()) {
        return;
    }
    if (handler()) {
        handler()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void HelpLauncher::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
