// Serves the phone list of the catalog in $GROCELLE_HOME for the browser
// test, on the port and with the secret given as arguments, and obeys lines
// on standard input: "down" stops the server, "up" starts it again on the
// same port, "quit" ends. Each line is answered on standard output.

#include "platform/CRegistry.h"
#include "store/CAdoConnection.h"
#include "store/Catalog.h"
#include "tools/PhoneList.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace
{
void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: grocelle_phone_host port secret\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    CRegistry().SetDword(QStringLiteral("PhonePort"), QByteArray(argv[1]).toInt());
    CRegistry().SetString(QStringLiteral("PhoneSecret"), QString::fromLatin1(argv[2]));

    CAdoConnection connection;
    if (connection.Open(Catalog::devicePath()) != 0) {
        say("cannot open the catalog");
        return 2;
    }
    PhoneList phone(connection);
    QString reason;
    if (!phone.turnOn(&reason)) {
        say(reason.toUtf8());
        return 2;
    }
    say("ready " + QByteArray::number(phone.listeningPort()));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[256];
        const ssize_t size = read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (size <= 0) {
            QApplication::quit();
            return;
        }
        for (const QByteArray& line : QByteArray(buffer, size).split('\n')) {
            const QByteArray command = line.trimmed();
            if (command == "down") {
                phone.turnOff();
                say("down");
            } else if (command == "up") {
                say(phone.turnOn(&reason) ? "up" : reason.toUtf8());
            } else if (command == "quit") {
                QApplication::quit();
            }
        }
    });
    return QApplication::exec();
}
