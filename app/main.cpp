#include "app/CListApp.h"
#include "app/CatalogChoice.h"
#include "app/CommandLine.h"
#include "app/HeadlessServer.h"
#include "app/TransferCommand.h"
#include "platform/ResourceImages.h"
#include "platform/Translations.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/CatalogEngines.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace
{
void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

int main(int argc, char** argv)
{
    CatalogEngines::install();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // Answered on the terminal, without a window.
    const CommandLine commandLine(arguments);
    switch (commandLine.request()) {
    case CommandLine::Request::Refused: {
        // The mistake is told in the user's language: read again once the
        // translation is installed.
        QCoreApplication terminal(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Grocelle"));
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
        ResourceImages::registerResources();
        Translations::installChosen();
        print(stderr, CommandLine(arguments).error() + QStringLiteral("\n\n") + CommandLine::usage());
        return CommandLine::MistakeExitCode;
    }
    case CommandLine::Request::Help:
        print(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Request::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Request::Headless:
        // The phone list without a window, and the phones' links.
        return HeadlessServer::run(argc, argv);
    case CommandLine::Request::Transfer: {
        QCoreApplication terminal(argc, argv);
        ResourceImages::registerResources();
        Translations::installChosen();
        return TransferCommand::run(commandLine);
    }
    case CommandLine::Request::CopyCatalog: {
        QCoreApplication terminal(argc, argv);
        QStringList copy{arguments.first(), QStringLiteral("--copy-catalog")};
        copy << commandLine.positional();
        if (commandLine.isSet(QStringLiteral("replace"))) {
            copy << QStringLiteral("--replace");
        }
        return CatalogChoice::copyCommand(copy);
    }
    case CommandLine::Request::Window:
        break;
    }
    const QString argument = commandLine.value(QStringLiteral("catalog"));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grocelle"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(GROCELLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("grocelle"));
    ResourceImages::registerResources();
    // The settings are read through the names set above.
    Translations::installChosen();
    Catalog::setLocation(CatalogChoice::resolve(argument));
    CListApp app;
    app.InitInstance();
    return 0;
}
