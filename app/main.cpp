#include "app/CListApp.h"
#include "app/CatalogChoice.h"
#include "app/CommandLine.h"
#include "app/HeadlessServer.h"
#include "app/TransferCommand.h"
#include "platform/ResourceImages.h"
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
    case CommandLine::Request::Refused:
        print(stderr, commandLine.error() + QStringLiteral("\n\n") + CommandLine::usage());
        return CommandLine::MistakeExitCode;
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
    Catalog::setLocation(CatalogChoice::resolve(argument));
    CListApp app;
    app.InitInstance();
    return 0;
}
