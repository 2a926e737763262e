#include "platform/widgets/HelpLauncher.h"

#include "platform/DeviceFolder.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{
HelpLauncher::Viewer& handler()
{
    static HelpLauncher::Viewer instance;
    return instance;
}

QUrl atContents(QUrl url)
{
    url.setFragment(QString::fromLatin1(HelpLauncher::Anchor));
    return url;
}

// A resource path as the text browser loads it.
QUrl resourceUrl(const QString& resource)
{
    return atContents(QUrl(QStringLiteral("qrc") + resource));
}
} // namespace

void HelpLauncher::open(const Viewer& viewer)
{
    const Page shown = page();
    if (handler()) {
        handler()(shown);
    } else if (viewer) {
        viewer(shown);
    }
}

HelpLauncher::Page HelpLauncher::page()
{
    return pageFor(Translations::current());
}

HelpLauncher::Page HelpLauncher::pageFor(const QString& language)
{
    const QString own = DeviceFolder::map(QString::fromLatin1(DevicePath));
    if (QFileInfo(own).isFile()) {
        return {atContents(QUrl::fromLocalFile(QFileInfo(own).absoluteFilePath())), QString(), QString()};
    }
    const QString english = QStringLiteral("en");
    if (language != english && QFileInfo::exists(resourceFor(language))) {
        return {resourceUrl(resourceFor(language)), language, QString()};
    }
    Page fallback{resourceUrl(resourceFor(english)), english, QString()};
    if (language != english) {
        fallback.note =
            QCoreApplication::translate("HelpLauncher", "This help has not been written in %1 yet, so it is shown "
                                                        "in English.")
                .arg(Translations::nativeName(language));
    }
    return fallback;
}

QString HelpLauncher::resourceFor(const QString& language)
{
    if (language.isEmpty() || language == QLatin1String("en")) {
        return QStringLiteral(":/help/GrocelleHelp.htm");
    }
    return QStringLiteral(":/help/GrocelleHelp_%1.htm").arg(language);
}

void HelpLauncher::setHandler(Viewer newHandler)
{
    handler() = std::move(newHandler);
}
