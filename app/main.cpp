#include "app/CListApp.h"
#include "app/CatalogChoice.h"
#include "app/CommandLine.h"
#include "app/HeadlessServer.h"
#include "app/TransferCommand.h"
#include "platform/Resources.h"
#include "platform/Translations.h"
#include "platform/widgets/MessageService.h"
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

// The names the settings are read by, and the user's language (the Language
// setting, otherwise the system locale): for the window and the terminal
// alike, before anything is shown or printed.
void prepareRun()
{
    QCoreApplication::setApplicationName(QStringLiteral("Grocelle"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GROCELLE_VERSION));
    Resources::registerAll();
    Translations::installChosen();
}

// A request answered on the terminal, without a window; the exit code.
int answerOnTerminal(const QStringList& arguments, const CommandLine& commandLine)
{
    switch (commandLine.request()) {
    case CommandLine::Request::Refused:
        // The parser's own mistakes were worded before the translation was
        // installed: read again.
        print(stderr, CommandLine(arguments).error() + QStringLiteral("\n\n") + CommandLine::usage());
        return CommandLine::MistakeExitCode;
    case CommandLine::Request::Help:
        print(stdout, CommandLine::usage());
        return 0;
    case CommandLine::Request::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Request::Transfer:
        return TransferCommand::run(commandLine);
    case CommandLine::Request::CopyCatalog: {
        QStringList copy{arguments.first(), QStringLiteral("--copy-catalog")};
        copy << commandLine.positional();
        if (commandLine.isSet(QStringLiteral("replace"))) {
            copy << QStringLiteral("--replace");
        }
        return CatalogChoice::copyCommand(copy);
    }
    case CommandLine::Request::Headless:
    case CommandLine::Request::Window:
        break;
    }
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    CatalogEngines::install();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine commandLine(arguments);
    if (commandLine.request() == CommandLine::Request::Headless) {
        // The phone list without a window, and the phones' links.
        return HeadlessServer::run(argc, argv);
    }
    if (commandLine.request() != CommandLine::Request::Window) {
        QCoreApplication terminal(argc, argv);
        prepareRun();
        return answerOnTerminal(arguments, commandLine);
    }
    const QString argument = commandLine.value(QStringLiteral("catalog"));
    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("grocelle"));
    MessageService::takeNotices();
    prepareRun();
    Catalog::setLocation(CatalogChoice::resolve(argument));
    CListApp app;
    app.InitInstance();
    return 0;
}
