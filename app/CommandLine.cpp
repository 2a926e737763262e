#include "app/CommandLine.h"

#include <QCoreApplication>

namespace
{
// Options the toolkit itself reads when the window starts (-platform, -style
// and the like); known here so that they are no mistake, and kept out of the
// usage.
const std::vector<CommandLine::Option>& toolkitOptions()
{
    static const std::vector<CommandLine::Option> table = {
        {{QStringLiteral("platform")}, QStringLiteral("name"), {}},
        {{QStringLiteral("platformtheme")}, QStringLiteral("name"), {}},
        {{QStringLiteral("plugin")}, QStringLiteral("name"), {}},
        {{QStringLiteral("display")}, QStringLiteral("name"), {}},
        {{QStringLiteral("style")}, QStringLiteral("name"), {}},
        {{QStringLiteral("stylesheet")}, QStringLiteral("file"), {}},
        {{QStringLiteral("qwindowgeometry")}, QStringLiteral("geometry"), {}},
        {{QStringLiteral("qwindowtitle")}, QStringLiteral("title"), {}},
        {{QStringLiteral("qwindowicon")}, QStringLiteral("icon"), {}},
        // Given by the desktop's session manager when it restarts the program.
        {{QStringLiteral("session")}, QStringLiteral("id"), {}},
        {{QStringLiteral("reverse")}, {}, {}},
    };
    return table;
}

// The parser's own mistakes, worded by the toolkit: translated with the
// program's texts as well, for systems without the toolkit's translations.
[[maybe_unused]] constexpr const char* parserMistakes[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

QString column(const CommandLine::Option& option)
{
    QString text = QStringLiteral("  --") + option.names.first();
    if (!option.valueName.isEmpty()) {
        text += QLatin1Char(' ') + option.valueName;
    }
    return text;
}

// What --catalog names, and the copying, export and import done on it.
std::vector<CommandLine::Option> catalogOptions()
{
    return {
        {{QStringLiteral("catalog")},
         QStringLiteral("FILE|URL"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "the catalog to work on: an SQLite file, or a\n"
                                                         "PostgreSQL database (postgresql://user@host:port/db).\n"
                                                         "Otherwise $GROCELLE_CATALOG, then the Catalog value\n"
                                                         "in Grocelle.conf."))},
        {{QStringLiteral("copy-catalog")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "with FROM TO: copies every row from one catalog to\n"
                                                         "another in one transaction and prints the count and\n"
                                                         "both checksums; a target with rows is refused unless\n"
                                                         "--replace is given."))},
        {{QStringLiteral("replace")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "lets --copy-catalog empty a target that has rows."))},
        {{QStringLiteral("export")},
         QStringLiteral("FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "writes the whole catalog to FILE: JSON for a name\n"
                                                         "ending in .json, CSV otherwise."))},
        {{QStringLiteral("import")},
         QStringLiteral("FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "reads FILE (CSV, JSON, OI Shopping List CSV or a\n"
                                                         "plain list) into the catalog as one action Undo\n"
                                                         "takes back; prints what it did. Exit 0 only when\n"
                                                         "every line was taken."))},
        {{QStringLiteral("dry-run")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "with --import: prints what it would do, writes nothing."))},
        {{QStringLiteral("skip-refused")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "with --import: imports the other lines when some\n"
                                                         "are refused (otherwise nothing is written)."))},
        {{QStringLiteral("columns")},
         QStringLiteral("MAP"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "with --import of a CSV with columns of its own:\n"
                                                         "which column is which, as\n"
                                                         "\"ItemName=Item,QtyToBuy=Quantity\"."))},
        {{QStringLiteral("add-quantities")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "with --import: adds the file's quantities to those\n"
                                                         "of existing items instead of setting them."))},
    };
}

// The window-less phone server and the phones it lets in.
std::vector<CommandLine::Option> serverOptions()
{
    return {
        {{QStringLiteral("serve")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "serves the phone list without a window or display\n"
                                                         "until SIGTERM or SIGINT."))},
        {{QStringLiteral("port")},
         QStringLiteral("N"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "the port of --serve; otherwise PhonePort in the\n"
                                                         "settings, otherwise 8642."))},
        {{QStringLiteral("tls-cert")},
         QStringLiteral("FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "with --tls-key: --serve speaks HTTPS (otherwise\n"
                                                         "TlsCert and TlsKey in the settings)."))},
        {{QStringLiteral("tls-key")},
         QStringLiteral("FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "the key of --tls-cert."))},
        {{QStringLiteral("listen")},
         QStringLiteral("ADDRESS"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "an address --serve listens on, such as 127.0.0.1\n"
                                                         "behind a proxy; give it again for more. Otherwise\n"
                                                         "every address."))},
        {{QStringLiteral("public-url")},
         QStringLiteral("URL"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "the address phones reach the list by (a proxy's),\n"
                                                         "for the links --serve prints."))},
        {{QStringLiteral("add-device")},
         QStringLiteral("NAME"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "makes a link for one phone and prints it with its\n"
                                                         "QR code."))},
        {{QStringLiteral("list-devices")},
         {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "the phones that have a link, with when each was\n"
                                                         "last seen."))},
        {{QStringLiteral("remove-device")},
         QStringLiteral("NAME"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "that phone's link stops working at once."))},
    };
}
} // namespace

const std::vector<CommandLine::Option>& CommandLine::options()
{
    static const std::vector<Option> table = [] {
        std::vector<Option> all = catalogOptions();
        const std::vector<Option> server = serverOptions();
        all.insert(all.end(), server.begin(), server.end());
        all.insert(all.end(), {
                                  {{QStringLiteral("version"), QStringLiteral("v")},
                                   {},
                                   QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "prints the version."))},
                                  {{QStringLiteral("help"), QStringLiteral("h")},
                                   {},
                                   QStringLiteral(QT_TRANSLATE_NOOP("CommandLine", "prints this text."))},
                              });
        return all;
    }();
    return table;
}

CommandLine::CommandLine(const QStringList& arguments)
{
    // Single-dash words are whole option names, as the toolkit's own
    // (-platform) are written; -v and -h stay the short forms.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto* table : {&options(), &toolkitOptions()}) {
        for (const Option& row : *table) {
            QCommandLineOption option(row.names, row.description, row.valueName);
            if (row.description.isEmpty()) {
                option.setFlags(QCommandLineOption::HiddenFromHelp);
            }
            m_parser.addOption(option);
        }
    }
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        m_request = Request::Refused;
        return;
    }
    m_request = decide();
}

CommandLine::Request CommandLine::decide()
{
    if (isSet(QStringLiteral("help"))) {
        return Request::Help;
    }
    if (isSet(QStringLiteral("version"))) {
        return Request::Version;
    }
    const QStringList words = positional();
    if (isSet(QStringLiteral("copy-catalog"))) {
        if (words.size() != 2) {
            m_error = QCoreApplication::translate("CommandLine",
                                                  "--copy-catalog needs a catalog to copy FROM and one to copy TO.");
            return Request::Refused;
        }
        return Request::CopyCatalog;
    }
    if (isSet(QStringLiteral("replace"))) {
        m_error = QCoreApplication::translate("CommandLine", "--replace goes only with --copy-catalog.");
        return Request::Refused;
    }
    if (const Request transfer = decideTransfer(words); transfer != Request::Window) {
        return transfer;
    }
    for (const char* command : {"serve", "add-device", "list-devices", "remove-device"}) {
        if (isSet(QLatin1String(command)) && words.isEmpty()) {
            return Request::Headless;
        }
    }
    for (const char* serving : {"port", "tls-cert", "tls-key", "public-url", "listen"}) {
        if (isSet(QLatin1String(serving))) {
            m_error =
                QCoreApplication::translate("CommandLine", "--%1 goes only with --serve.").arg(QLatin1String(serving));
            return Request::Refused;
        }
    }
    if (!words.isEmpty()) {
        m_error = QCoreApplication::translate("CommandLine", "Unknown argument '%1'.").arg(words.first());
        return Request::Refused;
    }
    if (isSet(QStringLiteral("catalog")) && value(QStringLiteral("catalog")).isEmpty()) {
        m_error = QCoreApplication::translate("CommandLine", "--catalog needs a file path or a postgresql:// URI.");
        return Request::Refused;
    }
    return Request::Window;
}

CommandLine::Request CommandLine::decideTransfer(const QStringList& words)
{
    const bool exporting = isSet(QStringLiteral("export"));
    const bool importing = isSet(QStringLiteral("import"));
    if (exporting && importing) {
        m_error = QCoreApplication::translate("CommandLine", "--export and --import go one at a time.");
        return Request::Refused;
    }
    if ((exporting || importing) && !words.isEmpty()) {
        m_error = QCoreApplication::translate("CommandLine", "Unknown argument '%1'.").arg(words.first());
        return Request::Refused;
    }
    if ((exporting || importing) && isSet(QStringLiteral("catalog")) && value(QStringLiteral("catalog")).isEmpty()) {
        m_error = QCoreApplication::translate("CommandLine", "--catalog needs a file path or a postgresql:// URI.");
        return Request::Refused;
    }
    if (importing) {
        return Request::Transfer;
    }
    for (const char* option : {"dry-run", "skip-refused", "add-quantities", "columns"}) {
        if (isSet(QLatin1String(option))) {
            m_error =
                QCoreApplication::translate("CommandLine", "--%1 goes only with --import.").arg(QLatin1String(option));
            return Request::Refused;
        }
    }
    return exporting ? Request::Transfer : Request::Window;
}

QString CommandLine::versionText()
{
    return QCoreApplication::translate("CommandLine", "Grocelle version %1").arg(QStringLiteral(GROCELLE_VERSION))
           + QLatin1Char('\n');
}

QString CommandLine::usage()
{
    // The synopsis keeps the option names and their values' names in every
    // language: they are what the user types.
    QString text =
        QCoreApplication::translate("CommandLine", "Usage: grocelle [--catalog FILE|URL] [--version] [--help]\n"
                                                   "       grocelle --copy-catalog FROM TO [--replace]\n"
                                                   "       grocelle --export FILE | --import FILE [--dry-run] "
                                                   "[--catalog FILE|URL]")
        + QStringLiteral("\n\n")
        + QCoreApplication::translate("CommandLine",
                                      "Grocelle keeps the catalog of the things you buy and the shopping "
                                      "list drawn\n"
                                      "from it. Everything else is set in the program itself.")
        + QStringLiteral("\n\n");
    constexpr qsizetype width = 22;
    for (const Option& option : options()) {
        QString first = column(option);
        const QString description = QCoreApplication::translate("CommandLine", option.description.toUtf8().constData());
        if (first.size() >= width) {
            text += first + QLatin1Char('\n');
            first.clear();
        }
        for (const QString& line : description.split(QLatin1Char('\n'))) {
            text += first.leftJustified(width) + line + QLatin1Char('\n');
            first.clear();
        }
    }
    text += QLatin1Char('\n')
            + QCoreApplication::translate("CommandLine",
                                          "Files:\n"
                                          "  catalog   $GROCELLE_HOME/shoplistdata.cdb, otherwise\n"
                                          "            $XDG_DATA_HOME/grocelle/shoplistdata.cdb "
                                          "(~/.local/share/grocelle)\n"
                                          "  settings  $GROCELLE_HOME/Grocelle.conf, otherwise\n"
                                          "            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)")
            + QLatin1Char('\n');
    return text;
}
