#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include "phone/PhoneAddress.h"
#include "store/access/CAdoConnection.h"

#include <memory>
#include <optional>

class PhoneDevices;
class PhoneServer;
class QSocketNotifier;
class QSslConfiguration;

// The program without a window: "--serve" runs the phone list's web server
// on the catalog until SIGTERM or SIGINT, and "--add-device",
// "--list-devices" and "--remove-device" look after the phones that may open
// it. No display is needed: no GUI application object is made.
//
// Every start, stop and failure is one line on stderr (for the journal);
// the link and its QR code go to stdout. What the user of a terminal reads
// (the link, the phones, a mistake on the command line) is in the user's
// language; the log of --serve stays English for the administrator.
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
        QList<QHostAddress> listen; // none: every address
    };

    // The options, or nullopt with the reason in words.
    static std::optional<Options> parse(const QStringList& arguments, QString* reason);
    // Runs the command; the exit code. Makes the application object itself.
    static int run(int argc, char** argv);

    explicit HeadlessServer(const Options& options);
    ~HeadlessServer();
    HeadlessServer(const HeadlessServer&) = delete;
    HeadlessServer& operator=(const HeadlessServer&) = delete;

    // --add-device, --list-devices or --remove-device; the exit code.
    int deviceCommand();
    // --serve until a stop signal; the exit code.
    int serve();

private:
    // The parts of serve(); false when the server cannot start (told on
    // stderr). The TLS pair from the options or the settings, checked; the
    // catalog opened, its name for the log, and whether it is read-only; the
    // link (or the phones) on stdout in the user's language, and the start in
    // the log.
    bool prepareTls(QSslConfiguration& tls);
    bool openCatalog(QString& named, bool& readOnly);
    void announce(const QString& named, bool readOnly);

    // --public-url, else PhonePublicUrl in the settings.
    QString publicUrl() const;
    // Where the links of a device command lead: the server the command's
    // options describe, else the one that last listened, else the defaults.
    PhoneAddress commandAddress() const;
    void printLink(const QString& address, const QString& device) const;
    // Answers already made go out, later requests are refused, the catalog closes.
    void stop(int signal);
    quint16 chosenPort() const;

    Options m_options;
    QString m_certFile;
    QString m_keyFile;
    CAdoConnection m_connection;
    std::unique_ptr<PhoneDevices> m_devices;
    std::unique_ptr<PhoneServer> m_server;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::optional<PhoneAddress> m_address; // where --serve listens
    bool m_stopping = false;
};
