#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The program without a window: "--serve" runs the phone list's web server
// on the catalog until SIGTERM or SIGINT, and "--add-device",
// "--list-devices" and "--remove-device" look after the phones that may open
// it. No display is needed: no GUI application object is made.
//
// Every start, stop and failure is one line on stderr (for the journal);
// the link and its QR code go to stdout.
class HeadlessServer
{
public:
    struct Options
    {
        bool serve = false;
        bool listDevices = false;
        QString addDevice;
        QString removeDevice;
        QString catalog;
        std::optional<int> port;
        QString tlsCert;
        QString tlsKey;
        QString publicUrl;
    };

    // True when the arguments ask for one of the commands above.
    static bool wanted(const QStringList& arguments);
    // The options, or nullopt with the reason in words.
    static std::optional<Options> parse(const QStringList& arguments, QString* reason);
    // Runs the command; the exit code. Makes the application object itself.
    static int run(int argc, char** argv);
};
