#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

// The program's command line: which options it knows, what a run asks for,
// and the usage text, all from one table of options. An option is added by a
// row in that table (CommandLine.cpp), its description marked with
// QT_TRANSLATE_NOOP("CommandLine", ...) for the translators, and, when it
// asks for a run of its own, by a request and its branch in main().
class CommandLine
{
public:
    enum class Request
    {
        Window,      // the window, on the chosen catalog
        Version,     // the version line on stdout
        Help,        // the usage on stdout
        CopyCatalog, // the catalog copy on the terminal
        Headless,    // --serve, or a phone link command, without a window
        Transfer,    // --export or --import, without a window
        Refused      // a mistake on the command line: error() and the usage on stderr, exit 2
    };

    // One row of the option table.
    struct Option
    {
        QStringList names; // the first is the one shown; one letter is a short form
        QString valueName; // empty for an option without a value
        // For the usage, lines of up to 56 characters; empty hides the option.
        // The English source text: usage() shows its translation.
        QString description;
    };

    // arguments: the program's name first, as main() received them.
    explicit CommandLine(const QStringList& arguments);

    Request request() const { return m_request; }
    // Why the command line was refused, for the first line on stderr.
    const QString& error() const { return m_error; }
    bool isSet(const QString& name) const { return m_parser.isSet(name); }
    QString value(const QString& name) const { return m_parser.value(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    // Every value given to the option, in order.
    QStringList values(const QString& name) const { return m_parser.values(name); }
    // The options given, in order, once for each time (without dashes).
    QStringList optionNames() const { return m_parser.optionNames(); }

    // The exit code of a refused command line.
    static constexpr int MistakeExitCode = 2;

    static const std::vector<Option>& options();
    // The version line, ending with a line break, in the installed language.
    static QString versionText();
    // The usage, with every option of the table that has a description, in
    // the installed language; option names stay as typed.
    static QString usage();

private:
    Request decide();
    // --export and --import with their options; Window when neither is given.
    Request decideTransfer(const QStringList& words);

    QCommandLineParser m_parser;
    Request m_request = Request::Window;
    QString m_error;
};
