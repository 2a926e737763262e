#include "app/CListApp.h"
#include "platform/ResourceImages.h"

#include <QApplication>

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
            std::printf("Usage: grocelle [--version] [--help]\n"
                        "\n"
                        "Grocelle keeps the catalog of the things you buy and the shopping list drawn\n"
                        "from it. It takes no options: everything is set in the program itself.\n"
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
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grocelle"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(GROCELLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("grocelle"));
    ResourceImages::registerResources();
    CListApp app;
    app.InitInstance();
    return 0;
}
