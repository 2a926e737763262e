#include "app/CatalogChoice.h"

#include "platform/SettingsText.h"
#include "store/catalog/CatalogCopier.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace
{
QString absolute(const QString& location)
{
    if (location.isEmpty() || PgSession::isUri(location)) {
        return location;
    }
    return QFileInfo(location).absoluteFilePath();
}

// One line on the terminal, in its encoding.
void print(std::FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
}

QString shown(const QString& location)
{
    return PgSession::isUri(location) ? PgSession::describe(location) : location;
}
} // namespace

QString CatalogChoice::resolve(const QString& argument)
{
    if (!argument.isEmpty()) {
        return absolute(argument);
    }
    const QString fromEnvironment = qEnvironmentVariable("GROCELLE_CATALOG").trimmed();
    if (!fromEnvironment.isEmpty()) {
        return absolute(fromEnvironment);
    }
    // Read beside the handheld's registry values, without their length
    // limit: a URI is often longer than 49 characters.
    return absolute(SettingsText::read(QStringLiteral("Catalog")));
}

int CatalogChoice::copyCommand(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--copy-catalog"));
    if (at < 0) {
        return -1;
    }
    const bool replace = arguments.contains(QStringLiteral("--replace"));
    QStringList places;
    for (qsizetype i = at + 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1String("--"))) {
            places << arguments[i];
        }
    }
    if (places.size() != 2) {
        print(stderr,
              QCoreApplication::translate("CatalogChoice", "Usage: grocelle --copy-catalog FROM TO [--replace]"));
        return 2;
    }
    const QString from = absolute(places[0]);
    const QString to = absolute(places[1]);
    const CatalogCopier::Result result = CatalogCopier::copy(from, to, replace);
    if (!result.copied) {
        print(stderr, result.error);
        return 1;
    }
    print(stdout,
          QCoreApplication::translate("CatalogChoice", "Copied %1 rows and %2 undo history entries from %3 to %4.")
              .arg(result.rows)
              .arg(result.journalActions)
              .arg(shown(from), shown(to)));
    print(stdout,
          QCoreApplication::translate("CatalogChoice", "Checksum of %1: %2").arg(shown(from), result.sourceChecksum));
    print(stdout,
          QCoreApplication::translate("CatalogChoice", "Checksum of %1: %2").arg(shown(to), result.targetChecksum));
    return 0;
}
