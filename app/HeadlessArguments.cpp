#include "app/HeadlessArguments.h"

#include <QCoreApplication>
#include <QUrl>

namespace
{
bool takesValue(const QString& word)
{
    static const QStringList valued = {QStringLiteral("--catalog"),    QStringLiteral("--port"),
                                       QStringLiteral("--tls-cert"),   QStringLiteral("--tls-key"),
                                       QStringLiteral("--add-device"), QStringLiteral("--remove-device"),
                                       QStringLiteral("--public-url")};
    return valued.contains(word);
}

// Records one option with its value in options; the mistake, worded for the
// user, when the value is wrong or the option unknown. word is the argument
// as given, for the message.
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
    } else {
        return QString(
            QCoreApplication::translate("HeadlessServer", "Unknown option \"%1\". grocelle --help lists the options.")
                .arg(word));
    }
    return std::nullopt;
}
} // namespace

std::optional<HeadlessServer::Options> HeadlessArguments::parse(const QStringList& arguments, QString* reason)
{
    HeadlessServer::Options options;
    auto fail = [reason](const QString& why) {
        if (reason) {
            *reason = why;
        }
        return std::nullopt;
    };
    int commands = 0;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        bool hasValue = false;
        if (option.startsWith(QLatin1String("--")) && option.contains(QLatin1Char('='))) {
            value = option.section(QLatin1Char('='), 1);
            option = option.section(QLatin1Char('='), 0, 0);
            hasValue = true;
        }
        if (takesValue(option)) {
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    return fail(QCoreApplication::translate("HeadlessServer", "%1 needs a value.").arg(option));
                }
                value = arguments[++i];
            }
            if (value.isEmpty()) {
                return fail(QCoreApplication::translate("HeadlessServer", "%1 needs a value.").arg(option));
            }
        } else if (hasValue) {
            return fail(QCoreApplication::translate("HeadlessServer", "%1 takes no value.").arg(option));
        }
        if (std::optional<QString> mistake = applyOption(options, option, value, arguments[i], commands)) {
            return fail(*mistake);
        }
    }
    if (commands > 1) {
        return fail(QCoreApplication::translate(
            "HeadlessServer", "Give one of --add-device, --list-devices and --remove-device at a time."));
    }
    return options;
}
