#include "app/TransferCommand.h"

#include "app/CatalogChoice.h"
#include "app/CommandLine.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"
#include "transfer/CatalogExport.h"
#include "transfer/ColumnMapping.h"
#include "transfer/ImportPlan.h"
#include "transfer/TransferReader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace
{
void print(std::FILE* stream, const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stream);
}

// Whether the chosen catalog is there to be opened: a server's, or a file
// that exists. A dry run makes none.
bool catalogExists(const CommandLine& commandLine)
{
    Catalog::setLocation(CatalogChoice::resolve(commandLine.value(QStringLiteral("catalog"))));
    const QString location = Catalog::resolve(Catalog::devicePath());
    // A server's catalog (a URI) is opened as always; only a file can be
    // simply not there yet.
    return location.contains(QLatin1String("://")) || QFileInfo::exists(location);
}

// Opens the chosen catalog; false, told on stderr, when it cannot be.
bool openCatalog(const CommandLine& commandLine, CAdoConnection& connection)
{
    Catalog::setLocation(CatalogChoice::resolve(commandLine.value(QStringLiteral("catalog"))));
    const Catalog::Opening opening = Catalog::open(connection);
    if (!opening.opened) {
        print(stderr, opening.problem);
        return false;
    }
    return true;
}

int exportCatalog(CAdoConnection& connection, const QString& path)
{
    const CatalogExport::Result result = CatalogExport::write(connection, path, CatalogExport::formatFor(path));
    if (!result.written) {
        print(stderr, result.error);
        return 1;
    }
    print(stdout,
          QCoreApplication::translate("TransferCommand", "Exported %n items to %1.", nullptr, result.items).arg(path));
    return 0;
}

// The file read as --columns says, when given; false, told on stderr, when
// it cannot be read at all.
bool readImport(const CommandLine& commandLine, const QString& path, TransferFile& file)
{
    const QString name = QFileInfo(path).fileName();
    file = TransferReader::readFile(path);
    const bool mapped = commandLine.isSet(QStringLiteral("columns"));
    if (mapped && !file.header.isEmpty()) {
        QString reason;
        const std::optional<ColumnMapping> mapping =
            ColumnMapping::parse(commandLine.value(QStringLiteral("columns")), file.header, reason);
        if (!mapping) {
            print(stderr, QStringLiteral("%1: %2").arg(name, reason));
            return false;
        }
        file = TransferReader::readFile(path, {}, &*mapping);
    } else if (mapped && file.readable()) {
        print(stderr, QStringLiteral("%1: %2").arg(
                          name, QCoreApplication::translate("TransferCommand", "--columns is for a CSV file.")));
        return false;
    }
    if (!file.readable()) {
        print(stderr, QStringLiteral("%1: %2").arg(name, TransferFile::describe(file.errorLine, file.error)));
        if (file.needsMapping()) {
            print(stderr,
                  QCoreApplication::translate("TransferCommand", "Say which column is which with --columns, such as:"));
            print(stderr,
                  QStringLiteral("  --columns \"%1\"").arg(ColumnMapping::guess(file.header).spec(file.header)));
        }
        return false;
    }
    return true;
}

// Imports into the open catalog, or plans a dry run without one (connection
// null: no catalog exists yet, and none is made).
int importFile(const CommandLine& commandLine, CAdoConnection* connection, const QString& path)
{
    TransferFile file;
    if (!readImport(commandLine, path, file)) {
        return 1;
    }
    const QString name = QFileInfo(path).fileName();
    ImportPlan::Options options;
    if (commandLine.isSet(QStringLiteral("add-quantities"))) {
        options.quantities = ImportPlan::Quantities::Add;
    }
    ImportPlan plan = connection ? ImportPlan(*connection, file, options) : ImportPlan(file, options);
    print(stdout, QStringLiteral("%1 (%2): %3").arg(name, TransferFile::formatName(file.format), plan.summary()));
    for (const QString& line : plan.lines()) {
        print(stdout, QStringLiteral("  ") + line);
    }
    for (const TransferFile::Problem& problem : plan.refused()) {
        print(stdout, TransferFile::describe(problem.line, problem.reason));
    }
    const bool complete = plan.refused().empty();
    if (commandLine.isSet(QStringLiteral("dry-run")) || !connection) {
        print(stdout, QCoreApplication::translate("TransferCommand", "Nothing was written (--dry-run)."));
        return complete ? 0 : 1;
    }
    if (plan.writes() == 0) {
        print(stdout, QCoreApplication::translate(
                          "TransferCommand", "Nothing to write: the catalog holds every item as the file has it."));
        return complete ? 0 : 1;
    }
    if (!complete && !commandLine.isSet(QStringLiteral("skip-refused"))) {
        print(stdout, QCoreApplication::translate(
                          "TransferCommand", "Nothing was written: give --skip-refused to import the other lines."));
        return 1;
    }
    plan.apply(*connection, name);
    // The journal keeps the plan's own label; the terminal is told in its language.
    const int written = plan.writes();
    print(stdout, written == 1
                      ? QCoreApplication::translate("TransferCommand", "Import 1 item from %1: done.").arg(name)
                      : QCoreApplication::translate("TransferCommand", "Import %1 items from %2: done.")
                            .arg(QString::number(written), name));
    return complete ? 0 : 1;
}
} // namespace

int TransferCommand::run(const CommandLine& commandLine)
{
    const bool importing = !commandLine.isSet(QStringLiteral("export"));
    if (importing && commandLine.isSet(QStringLiteral("dry-run")) && !catalogExists(commandLine)) {
        return importFile(commandLine, nullptr, commandLine.value(QStringLiteral("import")));
    }
    CAdoConnection connection(true);
    if (!openCatalog(commandLine, connection)) {
        return 1;
    }
    try {
        if (commandLine.isSet(QStringLiteral("export"))) {
            return exportCatalog(connection, commandLine.value(QStringLiteral("export")));
        }
        return importFile(commandLine, &connection, commandLine.value(QStringLiteral("import")));
    } catch (const CAdoException& error) {
        print(stderr, QCoreApplication::translate("TransferCommand", "Nothing was written: %1").arg(error.describe()));
        return 1;
    }
}
