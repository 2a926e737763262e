#include "platform/DeviceFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
QString homeOverride()
{
    return qEnvironmentVariable("GROCELLE_HOME");
}
} // namespace

QString DeviceFolder::path()
{
    const QString folder = location();
    QDir().mkpath(folder);
    return folder;
}

QString DeviceFolder::location()
{
    QString folder = homeOverride();
    if (folder.isEmpty()) {
        const QString data = qEnvironmentVariable("XDG_DATA_HOME");
        folder =
            (data.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : data) + QStringLiteral("/grocelle");
    }
    return QDir::cleanPath(folder);
}

QString DeviceFolder::map(const QString& devicePath)
{
    static const QString prefix = QStringLiteral("\\windows\\");
    QString normalised = devicePath;
    normalised.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!normalised.startsWith(prefix, Qt::CaseInsensitive)) {
        return devicePath;
    }
    const QString rest = normalised.mid(prefix.size()).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir folder(location());
    // The handheld's file system ignores letter case: take an existing file of
    // any case before the name as written.
    const QStringList existing = folder.entryList(QDir::Files);
    for (const QString& name : existing) {
        if (name.compare(rest, Qt::CaseInsensitive) == 0) {
            return folder.filePath(name);
        }
    }
    return folder.filePath(rest);
}

QString DeviceFolder::settingsFile()
{
    const QString home = homeOverride();
    if (!home.isEmpty()) {
        return QDir(home).filePath(QStringLiteral("Grocelle.conf"));
    }
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config;
    return base + QStringLiteral("/Velmora/Grocelle.conf");
}

QString DeviceFolder::userFileOrResource(const QString& devicePath, const QString& resourceName)
{
    const QString user = map(devicePath);
    if (QFileInfo(user).isFile()) {
        return user;
    }
    const QString resource = QStringLiteral(":/") + resourceName;
    return QFileInfo::exists(resource) ? resource : QString();
}
