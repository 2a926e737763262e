#include "app/CListApp.h"
#include "app/CatalogChoice.h"
#include "app/HeadlessServer.h"
#include "platform/ResourceImages.h"
#include "store/Catalog.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace
{
// Answers --version and --help on the terminal without opening a window.
// Returns true when the program should end here.
bool answerTerminal(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("Grocelle version %s\n", GROCELLE_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: grocelle [--catalog FILE|URL] [--version] [--help]\n"
                        "       grocelle --copy-catalog FROM TO [--replace]\n"
                        "       grocelle --serve [--catalog FILE|URL] [--port N] [--tls-cert FILE --tls-key FILE]\n"
                        "                [--public-url URL]\n"
                        "       grocelle --add-device NAME | --list-devices | --remove-device NAME\n"
                        "\n"
                        "Grocelle keeps the catalog of the things you buy and the shopping list drawn\n"
                        "from it. Everything else is set in the program itself.\n"
                        "\n"
                        "  --catalog FILE|URL  the catalog to work on: an SQLite file, or a PostgreSQL\n"
                        "                      database (postgresql://user@host:port/dbname). Otherwise\n"
                        "                      $GROCELLE_CATALOG, then the Catalog value in Grocelle.conf.\n"
                        "  --copy-catalog FROM TO  copies every row from one catalog to another in one\n"
                        "                      transaction and prints the count and both checksums;\n"
                        "                      a target with rows is refused unless --replace is given.\n"
                        "  --serve             serves the phone list without a window or display until\n"
                        "                      SIGTERM or SIGINT; --port N (else PhonePort in the\n"
                        "                      settings, else 8642), HTTPS with --tls-cert and --tls-key\n"
                        "                      (else TlsCert and TlsKey in the settings).\n"
                        "  --public-url URL    the address phones reach the list by (a proxy's), for links.\n"
                        "  --add-device NAME   makes a link for one phone and prints it with its QR code.\n"
                        "  --list-devices      the phones that have a link, with when each was last seen.\n"
                        "  --remove-device NAME  that phone's link stops working at once.\n"
                        "\n"
                        "Files:\n"
                        "  catalog   $GROCELLE_HOME/shoplistdata.cdb, otherwise\n"
                        "            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)\n"
                        "  settings  $GROCELLE_HOME/Grocelle.conf, otherwise\n"
                        "            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)\n");
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (answerTerminal(argc, argv)) {
        return 0;
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (HeadlessServer::wanted(arguments)) {
        return HeadlessServer::run(argc, argv);
    }
    if (arguments.contains(QStringLiteral("--copy-catalog"))) {
        QCoreApplication terminal(argc, argv);
        return CatalogChoice::copyCommand(arguments);
    }
    bool given = true;
    const QString argument = CatalogChoice::argument(arguments, given);
    if (!given) {
        std::fprintf(stderr, "--catalog needs a file path or a postgresql:// URI\n");
        return 2;
    }
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
