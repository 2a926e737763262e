// Runs the real main window on the catalog in $GROCELLE_HOME with its phone
// list on, for the browser test: the port and the secret are the arguments.
// Lines on standard input are obeyed and answered on standard output:
// "down" stops the server, "up" starts it again on the same port,
// "row NAME" tells the window's row of that item ("mark M qty Q", or
// "none"), "quit" ends. Message boxes are answered OK and written to
// standard error.

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "mainwnd/CMainDlg.h"
#include "phone/PhoneList.h"
#include "platform/CRegistry.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/SoundService.h"
#include "store/catalog/CatalogEngines.h"

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

QByteArray windowRow(CMainDlg& window, const QString& name)
{
    const CItemListCtrl& list = window.list();
    for (int row = 0; row < list.itemCount(); ++row) {
        if (list.itemText(row, 0) == name) {
            return "mark " + QByteArray::number(list.items().mark(row)) + " qty " + list.itemText(row, 1).toUtf8();
        }
    }
    return "none";
}
} // namespace

int main(int argc, char** argv)
{
    CatalogEngines::install();
    if (argc < 3) {
        std::fputs("usage: grocelle_phone_host port secret\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    MessageService::setHandler([](const MessageService::Box& box) {
        std::fprintf(stderr, "message: %s\n", qPrintable(box.text));
        return MessageService::IdOk;
    });
    SoundService::setHandler([](const QString&) { });
    CRegistry().SetDword(QStringLiteral("PhoneList"), 1);
    CRegistry().SetDword(QStringLiteral("PhonePort"), QByteArray(argv[1]).toInt());
    CRegistry().SetString(QStringLiteral("PhoneSecret"), QString::fromLatin1(argv[2]));

    AppState app;
    app.LoadSettings();
    app.CreateListFont();
    app.setFirstRun(false);
    CMainDlg window(app);
    window.show();
    QApplication::processEvents();
    PhoneList& phone = *window.phoneList();
    if (!phone.isRunning()) {
        say("the phone list did not start");
        return 2;
    }
    say("ready " + QByteArray::number(phone.listeningPort()));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[512];
        const ssize_t size = read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (size <= 0) {
            QApplication::quit();
            return;
        }
        for (const QByteArray& line : QByteArray(buffer, size).split('\n')) {
            const QByteArray command = line.trimmed();
            QString reason;
            if (command == "down") {
                phone.turnOff();
                say("down");
            } else if (command == "up") {
                say(phone.turnOn(&reason) ? "up" : reason.toUtf8());
            } else if (command.startsWith("row ")) {
                say(windowRow(window, QString::fromUtf8(command.mid(4))));
            } else if (command == "quit") {
                QApplication::quit();
            }
        }
    });
    const int result = QApplication::exec();
    window.hide();
    return result;
}
