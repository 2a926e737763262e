#include "app/HeadlessArguments.h"

#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QHash>
#include <QHostAddress>
#include <QUrl>

namespace
{
bool takesValue(const QString& word)
{
    static const QStringList valued = {QStringLiteral("--catalog"),    QStringLiteral("--port"),
                                       QStringLiteral("--tls-cert"),   QStringLiteral("--tls-key"),
                                       QStringLiteral("--add-device"), QStringLiteral("--remove-device"),
                                       QStringLiteral("--public-url"), QStringLiteral("--listen")};
    return valued.contains(word);
}

// Records one option with its value in options; the mistake, worded for the
// user, when the value is wrong or the option unknown. word names the option
// in the message.
std::optional<QString> applyOption(HeadlessServer::Options& options, const QString& option, const QString& value,
                                   const QString& word, int& commands)
{
    if (option == QLatin1String("--serve")) {
        options.serve = true;
    } else if (option == QLatin1String("--list-devices")) {
        options.listDevices = true;
        ++commands;
    } else if (option == QLatin1String("--add-device")) {
        options.addDevice = value;
        ++commands;
    } else if (option == QLatin1String("--remove-device")) {
        options.removeDevice = value;
        ++commands;
    } else if (option == QLatin1String("--catalog")) {
        options.catalog = value;
    } else if (option == QLatin1String("--port")) {
        bool ok = false;
        const int port = value.toInt(&ok);
        if (!ok || port < 0 || port > 65535) {
            return QString(
                QCoreApplication::translate("HeadlessServer", "--port needs a number from 0 to 65535, not \"%1\".")
                    .arg(value));
        }
        options.port = port;
    } else if (option == QLatin1String("--tls-cert")) {
        options.tlsCert = value;
    } else if (option == QLatin1String("--tls-key")) {
        options.tlsKey = value;
    } else if (option == QLatin1String("--public-url")) {
        const QUrl url(value, QUrl::StrictMode);
        if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))
            || url.host().isEmpty() || url.hasFragment() || url.hasQuery()) {
            return QString(QCoreApplication::translate("HeadlessServer",
                                                       "--public-url needs an http:// or https:// address, not \"%1\".")
                               .arg(value));
        }
        options.publicUrl = value;
    } else if (option == QLatin1String("--listen")) {
        const QHostAddress address(value);
        if (address.isNull()) {
            return QString(
                QCoreApplication::translate("HeadlessServer",
                                            "--listen needs an IPv4 or IPv6 address such as 127.0.0.1, not \"%1\".")
                    .arg(value));
        }
        if (!options.listen.contains(address)) {
            options.listen.append(address);
        }
    } else {
        return QString(
            QCoreApplication::translate("HeadlessServer", "Unknown option \"%1\". grocelle --help lists the options.")
                .arg(word));
    }
    return std::nullopt;
}
} // namespace

std::optional<HeadlessServer::Options> HeadlessArguments::read(const CommandLine& commandLine, QString* reason)
{
    HeadlessServer::Options options;
    auto fail = [reason](const QString& why) {
        if (reason) {
            *reason = why;
        }
        return std::nullopt;
    };
    int commands = 0;
    // In the order given, each time an option was given, with the value
    // given that time.
    QHash<QString, qsizetype> taken;
    for (const QString& name : commandLine.optionNames()) {
        const QString option = QStringLiteral("--") + name;
        QString value;
        if (takesValue(option)) {
            value = commandLine.values(name).value(taken[name]++);
            if (value.isEmpty()) {
                return fail(QCoreApplication::translate("HeadlessServer", "%1 needs a value.").arg(option));
            }
        }
        // Only the toolkit's own options (-platform and the like) are
        // unknown here: the table knows them, the server has no use for them.
        if (std::optional<QString> mistake = applyOption(options, option, value, QLatin1Char('-') + name, commands)) {
            return fail(*mistake);
        }
    }
    if (commands > 1) {
        return fail(QCoreApplication::translate(
            "HeadlessServer", "Give one of --add-device, --list-devices and --remove-device at a time."));
    }
    return options;
}

std::optional<HeadlessServer::Options> HeadlessArguments::parse(const QStringList& arguments, QString* reason)
{
    const CommandLine commandLine(arguments);
    if (commandLine.request() == CommandLine::Request::Refused) {
        if (reason) {
            *reason = commandLine.error();
        }
        return std::nullopt;
    }
    return read(commandLine, reason);
}
