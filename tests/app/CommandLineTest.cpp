#include "GrocelleTest.h"
#include "ProgramRun.h"

#include "app/CommandLine.h"
#include "app/HeadlessServer.h"
#include "platform/CRegistry.h"
#include "platform/Translations.h"

#include <QFile>
#include <QHostAddress>
#include <QProcess>

namespace
{
CommandLine::Request requestOf(const QStringList& words)
{
    return CommandLine(QStringList{QStringLiteral("grocelle")} + words).request();
}
} // namespace

class CommandLineTest : public GrocelleTest
{
};

TEST_F(CommandLineTest, MistakesAreRefusedWithTheUsageOnStderr)
{
    // Each would have opened the window; none may.
    for (const QStringList& words :
         {QStringList{"--bogus"}, QStringList{"-x"}, QStringList{"stray.cdb"}, QStringList{"--catalog"},
          QStringList{"--catalog="}, QStringList{"--replace"}, QStringList{"--copy-catalog", "only-one.cdb"}}) {
        SCOPED_TRACE(words.join(' ').toStdString());
        const ProgramRun run = ProgramRun::run(words);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("Usage: grocelle")) << run.err.toStdString();
        // The first line says what was wrong.
        EXPECT_FALSE(run.err.startsWith("Usage")) << run.err.toStdString();
    }
    const ProgramRun unknown = ProgramRun::run({QStringLiteral("--bogus")});
    EXPECT_TRUE(unknown.err.startsWith("Unknown option 'bogus'.")) << unknown.err.toStdString();
}

TEST_F(CommandLineTest, VersionAndHelpAnswerOnStdoutAsWholeLines)
{
    for (const QString& word : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const ProgramRun run = ProgramRun::run({word});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, QByteArray("Grocelle version " GROCELLE_VERSION "\n"));
        EXPECT_TRUE(run.err.isEmpty());
    }
    for (const QString& word : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const ProgramRun run = ProgramRun::run({word});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith("Usage: grocelle")) << run.out.toStdString();
        EXPECT_TRUE(run.out.endsWith("\n"));
        EXPECT_TRUE(run.err.isEmpty());
    }
}

TEST_F(CommandLineTest, RequestsFollowTheOptionTable)
{
    using Request = CommandLine::Request;
    EXPECT_EQ(requestOf({}), Request::Window);
    EXPECT_EQ(requestOf({"--catalog", "a.cdb"}), Request::Window);
    EXPECT_EQ(CommandLine({"grocelle", "--catalog=postgresql://u@h/db"}).value("catalog"), "postgresql://u@h/db");
    // The toolkit's own options stay usable.
    EXPECT_EQ(requestOf({"-platform", "offscreen", "-style", "fusion", "-reverse", "-session", "1a2b"}),
              Request::Window);
    EXPECT_EQ(requestOf({"--copy-catalog", "a.cdb", "b.cdb", "--replace"}), Request::CopyCatalog);
    EXPECT_EQ(requestOf({"--catalog", "a.cdb", "--help"}), Request::Help);
    EXPECT_EQ(requestOf({"--version", "--bogus"}), Request::Refused);

    // Every option of the table is in the usage, and so is what its value is.
    const QString usage = CommandLine::usage();
    for (const CommandLine::Option& option : CommandLine::options()) {
        EXPECT_TRUE(usage.contains(QStringLiteral("--") + option.names.first() + QLatin1Char(' ') + option.valueName))
            << option.names.first().toStdString();
    }
    EXPECT_FALSE(usage.contains(QStringLiteral("platform")));
    // It fits a terminal of 80 columns.
    for (const QString& line : usage.split(QLatin1Char('\n'))) {
        EXPECT_LE(line.size(), 80) << line.toStdString();
    }
}

TEST_F(CommandLineTest, ListenTakesAddressesOnlyEachOnceAndOnlyForTheServer)
{
    QString reason;
    const auto options = HeadlessServer::parse(
        {"grocelle", "--serve", "--listen", "127.0.0.1", "--listen", "::1", "--listen", "127.0.0.1"}, &reason);
    ASSERT_TRUE(options.has_value()) << reason.toStdString();
    EXPECT_EQ(options->listen, (QList<QHostAddress>{QHostAddress::LocalHost, QHostAddress::LocalHostIPv6}));
    for (const char* bad : {"localhost", "127.0.0.256", "::1::", "127.0.0.1:80"}) {
        SCOPED_TRACE(bad);
        reason.clear();
        EXPECT_FALSE(HeadlessServer::parse({"grocelle", "--serve", "--listen", bad}, &reason).has_value());
        EXPECT_TRUE(reason.startsWith(QStringLiteral("--listen "))) << reason.toStdString();
    }
    EXPECT_EQ(requestOf({"--listen", "127.0.0.1"}), CommandLine::Request::Refused);
}

TEST_F(CommandLineTest, MistakesAreToldInTheTerminalsLanguageOrTheChosenOne)
{
    const struct
    {
        const char* locale;
        const char* told;
    } cases[] = {
        {"de_DE.UTF-8", "--replace geht nur zusammen mit --copy-catalog.\n"},
        {"fr_FR.UTF-8", "--replace ne s'emploie qu'avec --copy-catalog.\n"},
        {"es_ES.UTF-8", "--replace solo se usa con --copy-catalog.\n"},
        {"C.UTF-8", "--replace goes only with --copy-catalog.\n"},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.locale);
        const ProgramRun run =
            ProgramRun::run({QStringLiteral("--replace")}, ProgramRun::speaking(QString::fromLatin1(expected.locale)));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(QString::fromUtf8(run.err).startsWith(QString::fromUtf8(expected.told))) << run.err.toStdString();
        // The usage stays whole after the mistake, in the same language as
        // --help gives it.
        const ProgramRun help =
            ProgramRun::run({QStringLiteral("--help")}, ProgramRun::speaking(QString::fromLatin1(expected.locale)));
        EXPECT_TRUE(run.err.endsWith("\n\n" + help.out)) << run.err.toStdString();
    }
    // The parser's own words too, whether or not the system has the
    // toolkit's translations.
    const ProgramRun unknown =
        ProgramRun::run({QStringLiteral("--bogus")}, ProgramRun::speaking(QStringLiteral("de_DE.UTF-8")));
    EXPECT_TRUE(QString::fromUtf8(unknown.err).startsWith(QStringLiteral("Unbekannte Option \u201ebogus\u201c.\n")))
        << unknown.err.toStdString();
    const ProgramRun missing =
        ProgramRun::run({QStringLiteral("--port")}, ProgramRun::speaking(QStringLiteral("fr_FR.UTF-8")));
    EXPECT_TRUE(QString::fromUtf8(missing.err)
                    .startsWith(QStringLiteral("Valeur manquante apr\u00e8s \u00ab --port \u00bb.\n")))
        << missing.err.toStdString();
    // The language chosen in Options wins over the terminal's.
    ASSERT_TRUE(CRegistry().SetString(Translations::settingName(), QStringLiteral("es")));
    const ProgramRun chosen =
        ProgramRun::run({QStringLiteral("--replace")}, ProgramRun::speaking(QStringLiteral("de_DE.UTF-8")));
    EXPECT_TRUE(chosen.err.startsWith("--replace solo se usa con --copy-catalog.")) << chosen.err.toStdString();
}

TEST_F(CommandLineTest, HelpAndVersionSpeakTheTerminalsLanguageWithTheOptionsAsTyped)
{
    const ProgramRun help =
        ProgramRun::run({QStringLiteral("--help")}, ProgramRun::speaking(QStringLiteral("de_DE.UTF-8")));
    EXPECT_EQ(help.exitCode, 0);
    const QString german = QString::fromUtf8(help.out);
    EXPECT_TRUE(german.startsWith("Aufruf: grocelle [--catalog FILE|URL] [--version] [--help]\n"))
        << help.out.toStdString();
    EXPECT_TRUE(german.contains("  --help              gibt diesen Text aus.\n")) << help.out.toStdString();
    EXPECT_TRUE(german.contains("\nDateien:\n  Katalog:\n            $GROCELLE_HOME/shoplistdata.cdb, sonst\n"))
        << help.out.toStdString();
    for (const CommandLine::Option& option : CommandLine::options()) {
        EXPECT_TRUE(
            german.contains(QStringLiteral("  --") + option.names.first() + QLatin1Char(' ') + option.valueName))
            << option.names.first().toStdString();
    }
    for (const QString& line : german.split(QLatin1Char('\n'))) {
        EXPECT_LE(line.size(), 80) << line.toStdString();
    }
    EXPECT_FALSE(german.contains(QStringLiteral("the catalog to work on"))) << help.out.toStdString();

    const ProgramRun version =
        ProgramRun::run({QStringLiteral("--version")}, ProgramRun::speaking(QStringLiteral("de_DE.UTF-8")));
    EXPECT_EQ(version.out, QByteArray("Grocelle Version " GROCELLE_VERSION "\n"));

    // English, the text as it always was.
    const ProgramRun english =
        ProgramRun::run({QStringLiteral("--help")}, ProgramRun::speaking(QStringLiteral("C.UTF-8")));
    EXPECT_TRUE(english.out.startsWith("Usage: grocelle [--catalog FILE|URL] [--version] [--help]\n"
                                       "       grocelle --copy-catalog FROM TO [--replace]\n"
                                       "       grocelle --export FILE | --import FILE [--dry-run] "
                                       "[--catalog FILE|URL]\n\n"
                                       "Grocelle keeps the catalog of the things you buy and the shopping list "
                                       "drawn\nfrom it. Everything else is set in the program itself.\n\n"
                                       "  --catalog FILE|URL  the catalog to work on: an SQLite file, or a\n"))
        << english.out.toStdString();
    EXPECT_TRUE(english.out.contains("  --help              prints this text.\n\nFiles:\n  catalog   "))
        << english.out.toStdString();

    // The language chosen in Options wins here too.
    ASSERT_TRUE(CRegistry().SetString(Translations::settingName(), QStringLiteral("fr")));
    const ProgramRun chosen =
        ProgramRun::run({QStringLiteral("--help")}, ProgramRun::speaking(QStringLiteral("de_DE.UTF-8")));
    EXPECT_TRUE(chosen.out.startsWith("Utilisation : grocelle [--catalog FILE|URL]")) << chosen.out.toStdString();
}

TEST_F(CommandLineTest, PhoneCommandsAnswerInTheTerminalsLanguageWhileTheServiceLogStaysEnglish)
{
    const QProcessEnvironment german = ProgramRun::speaking(QStringLiteral("de_DE.UTF-8"));
    const ProgramRun none = ProgramRun::run({QStringLiteral("--list-devices")}, german);
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(none.out),
              QStringLiteral("Noch keine Handys: --add-device NAME f\u00fcgt eines hinzu.\n"));

    QProcess server;
    server.setProcessEnvironment(german);
    // A name that looks like a placeholder stays as it is in the log.
    const QString catalog = homeFile(QStringLiteral("list%2.cdb"));
    server.start(QStringLiteral(GROCELLE_BINARY), {QStringLiteral("--serve"), QStringLiteral("--port"),
                                                   QStringLiteral("0"), QStringLiteral("--catalog"), catalog});
    server.setReadChannel(QProcess::StandardError);
    QByteArray log;
    while (!log.contains("serving") && server.waitForReadyRead(20000)) {
        log += server.readAllStandardError();
    }
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(20000));
    log += server.readAllStandardError();
    const QString out = QString::fromUtf8(server.readAllStandardOutput());
    // The first start makes a link and shows it to whoever started it.
    EXPECT_TRUE(out.contains(
        QStringLiteral("Der Link von Handy (nur dieses eine Mal gezeigt; nur sein Hash wird gespeichert):\n")))
        << out.toStdString();
    EXPECT_TRUE(QString::fromUtf8(log).startsWith(QStringLiteral("grocelle: serving %1 on port ").arg(catalog)))
        << log.toStdString();
    EXPECT_TRUE(log.endsWith("grocelle: stopping on SIGTERM\ngrocelle: stopped\n")) << log.toStdString();

    // What the catalog code reports while serving goes to the log in English too.
    const QString notes = homeFile(QStringLiteral("notes.cdb"));
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Milk, eggs and bread\n");
    }
    const ProgramRun refused = ProgramRun::run(
        {QStringLiteral("--serve"), QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--catalog"), notes},
        german);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("is not a Grocelle catalog")) << refused.err.toStdString();

    const ProgramRun listed = ProgramRun::run({QStringLiteral("--list-devices")}, german);
    // The first phone was named in the user's language too.
    EXPECT_EQ(QString::fromUtf8(listed.out), QStringLiteral("Handy\tzuletzt gesehen: nie\n"));
}
