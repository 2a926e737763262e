#include "app/HeadlessServer.h"

#include "app/CatalogChoice.h"
#include "app/HeadlessArguments.h"
#include "phone/PhoneDevices.h"
#include "phone/PhoneList.h"
#include "phone/PhoneServer.h"
#include "phone/PhoneTcpServer.h"
#include "phone/QrCode.h"
#include "platform/Resources.h"
#include "platform/SettingsText.h"
#include "platform/Translations.h"
#include "platform/UserNotice.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace
{
// What the user reads on the terminal: the link, the phones.
void printLine(const QString& text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

// One line on stderr: the service's log for the journal (a start, a stop, a
// failure; English, for whoever looks after the machine), and the mistakes
// of a command typed on the terminal (in the user's language).
void logLine(const QString& text)
{
    std::fprintf(stderr, "grocelle: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// The pipe by which the signal handler wakes the event loop: the handler
// writes the signal's number to [1], the loop reads it from [0].
int signalPipe[2] = {-1, -1};

extern "C" void onStopSignal(int signal)
{
    // Only async-signal-safe calls here, and errno as it was found; a full
    // pipe already holds a stop, so a lost byte changes nothing.
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
    errno = savedErrno;
}

bool catchStopSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A reader of stdout that went away must not end the server.
    std::signal(SIGPIPE, SIG_IGN);
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

QString settingsText(const QString& name)
{
    return SettingsText::read(name);
}

// Reads a PEM certificate and private key; an error in words when either
// cannot be read.
QString loadTls(const QString& certFile, const QString& keyFile, QSslConfiguration& configuration)
{
    QFile cert(certFile);
    if (!cert.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The certificate %1 cannot be read: %2").arg(certFile, cert.errorString());
    }
    const QList<QSslCertificate> chain = QSslCertificate::fromData(cert.readAll(), QSsl::Pem);
    if (chain.isEmpty() || chain.first().isNull()) {
        return QStringLiteral("The file %1 holds no PEM certificate.").arg(certFile);
    }
    QFile key(keyFile);
    if (!key.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The key %1 cannot be read: %2").arg(keyFile, key.errorString());
    }
    const QByteArray keyData = key.readAll();
    QSslKey privateKey;
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        privateKey = QSslKey(keyData, algorithm, QSsl::Pem, QSsl::PrivateKey);
        if (!privateKey.isNull()) {
            break;
        }
    }
    if (privateKey.isNull()) {
        return QStringLiteral("The file %1 holds no unencrypted PEM private key.").arg(keyFile);
    }
    if (privateKey.algorithm() != chain.first().publicKey().algorithm()
        || privateKey.length() != chain.first().publicKey().length()) {
        return QStringLiteral("The key %1 does not belong to the certificate %2.").arg(keyFile, certFile);
    }
    configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(privateKey);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    return {};
}

// One handshake with the server just started: a key of the same kind and
// size as the certificate's, but not its own, fails only here.
QString tryHandshake(quint16 port)
{
    QSslSocket client;
    client.setPeerVerifyMode(QSslSocket::VerifyNone);
    QEventLoop loop;
    QString failure;
    QObject::connect(&client, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
    QObject::connect(&client, &QAbstractSocket::errorOccurred, &loop, [&] {
        failure = client.errorString();
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, [&] {
        failure = QStringLiteral("no answer");
        loop.quit();
    });
    client.connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
    loop.exec();
    return client.isEncrypted() ? QString() : (failure.isEmpty() ? QStringLiteral("handshake failed") : failure);
}
} // namespace

HeadlessServer::HeadlessServer(const Options& options)
    : m_options(options)
{
}

HeadlessServer::~HeadlessServer() = default;

quint16 HeadlessServer::chosenPort() const
{
    if (m_options.port) {
        return static_cast<quint16>(*m_options.port);
    }
    return PhoneList::storedFixedPort();
}

QString HeadlessServer::publicUrl() const
{
    return m_options.publicUrl.isEmpty() ? settingsText(QStringLiteral("PhonePublicUrl")) : m_options.publicUrl;
}

PhoneAddress HeadlessServer::commandAddress() const
{
    const bool described =
        m_options.port || !m_options.tlsCert.isEmpty() || !m_options.listen.isEmpty() || !m_options.publicUrl.isEmpty();
    if (!described) {
        if (std::optional<PhoneAddress> served = PhoneAddress::stored()) {
            return *served;
        }
    }
    const bool tls = !m_options.tlsCert.isEmpty() || !settingsText(QStringLiteral("TlsCert")).isEmpty();
    return PhoneAddress(tls ? QStringLiteral("https") : QStringLiteral("http"), m_options.listen, chosenPort(),
                        publicUrl());
}

void HeadlessServer::printLink(const QString& address, const QString& device) const
{
    const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    std::printf("%s\n", qPrintable(QrCode::terminalText(address, terminal)));
    if (!device.isEmpty()) {
        printLine(
            QCoreApplication::translate("HeadlessServer", "The link of %1 (shown this once; only its hash is kept):")
                .arg(device));
    }
    std::printf("%s\n", qPrintable(address));
    std::fflush(stdout);
}

int HeadlessServer::deviceCommand()
{
    PhoneDevices devices;
    if (m_options.listDevices) {
        const QList<PhoneDevices::Device> all = devices.devices();
        if (all.isEmpty()) {
            printLine(QCoreApplication::translate("HeadlessServer", "No phones yet: add one with --add-device NAME."));
        }
        for (const PhoneDevices::Device& device : all) {
            const QString seen = device.lastSeen.isValid() ? device.lastSeen.toLocalTime().toString(Qt::ISODate)
                                                           : QCoreApplication::translate("HeadlessServer", "never");
            printLine(QCoreApplication::translate("HeadlessServer", "%1\tlast seen %2").arg(device.name, seen));
        }
        return 0;
    }
    if (!m_options.removeDevice.isEmpty()) {
        if (!devices.remove(m_options.removeDevice)) {
            logLine(QCoreApplication::translate("HeadlessServer", "There is no phone named \"%1\".")
                        .arg(m_options.removeDevice));
            return 1;
        }
        logLine(QCoreApplication::translate("HeadlessServer", "Removed %1: its link no longer works.")
                    .arg(m_options.removeDevice));
        return 0;
    }
    QString reason;
    const QByteArray key = devices.add(m_options.addDevice, &reason);
    if (key.isEmpty()) {
        logLine(reason);
        return 1;
    }
    printLink(commandAddress().link(key), m_options.addDevice.trimmed());
    return 0;
}

bool HeadlessServer::prepareTls(QSslConfiguration& tls)
{
    m_certFile = m_options.tlsCert.isEmpty() ? settingsText(QStringLiteral("TlsCert")) : m_options.tlsCert;
    m_keyFile = m_options.tlsKey.isEmpty() ? settingsText(QStringLiteral("TlsKey")) : m_options.tlsKey;
    if (m_certFile.isEmpty() && m_keyFile.isEmpty()) {
        return true;
    }
    if (m_certFile.isEmpty() || m_keyFile.isEmpty()) {
        logLine(QStringLiteral("HTTPS needs both a certificate (--tls-cert) and its key (--tls-key)."));
        return false;
    }
    if (!QSslSocket::supportsSsl()) {
        logLine(QStringLiteral("HTTPS is not available: the TLS library could not be loaded."));
        return false;
    }
    const QString problem = loadTls(m_certFile, m_keyFile, tls);
    if (!problem.isEmpty()) {
        logLine(problem);
        return false;
    }
    return true;
}

bool HeadlessServer::openCatalog(QString& named, bool& readOnly)
{
    Catalog::setLocation(CatalogChoice::resolve(m_options.catalog));
    const Catalog::Opening opening = Catalog::open(m_connection, Catalog::ReadOnlyCheck::Skip);
    named = opening.name;
    if (!opening.opened) {
        logLine(opening.problem);
        return false;
    }
    readOnly = opening.readOnly;
    for (const QString& message : opening.additionMessages()) {
        logLine(message);
    }
    return true;
}

void HeadlessServer::announce(const QString& named, bool readOnly)
{
    Translations::installChosen();
    if (m_devices->isEmpty()) {
        QString reason;
        const QByteArray key = m_devices->add(PhoneDevices::legacyName(), &reason);
        if (!key.isEmpty()) {
            printLink(m_address->link(key), PhoneDevices::legacyName());
        }
    } else {
        printLine(QCoreApplication::translate("HeadlessServer", "The phone list is at %1")
                      .arg(m_address->link(QByteArray())));
        printLine(QCoreApplication::translate("HeadlessServer",
                                              "Phones: %1 (--list-devices shows them, --add-device NAME adds one)")
                      .arg(m_devices->devices().size()));
    }
    Translations::install(QStringLiteral("en"));
    // In one pass: a "%2" in the catalog's name stays as it is.
    logLine(QStringLiteral("serving %1 on port %2 over %3%4")
                .arg(named, QString::number(m_server->port()),
                     m_certFile.isEmpty() ? QStringLiteral("HTTP") : QStringLiteral("HTTPS"),
                     readOnly ? QStringLiteral(", read-only") : QString()));
}

int HeadlessServer::serve()
{
    // The service's log stays English for the journal, also where the
    // catalog code words what it logs (its failures, the server's name):
    // only the link is printed in the user's language (announce).
    Translations::install(QStringLiteral("en"));
    QSslConfiguration tls;
    QString named;
    bool readOnly = false;
    if (!prepareTls(tls) || !openCatalog(named, readOnly)) {
        return 1;
    }
    m_devices = std::make_unique<PhoneDevices>();
    m_server = std::make_unique<PhoneServer>(m_connection, QByteArray());
    m_server->setDevices(m_devices.get());
    m_server->setReadOnly(readOnly);
    m_server->setListenAddresses(m_options.listen);
    if (!m_certFile.isEmpty()) {
        m_server->setTls(tls);
    }
    QObject::connect(m_server.get(), &PhoneServer::failed, [this, named](const QString& reason) {
        const QString store = m_connection.lastError();
        logLine(QStringLiteral("A request failed on the catalog %1: %2%3")
                    .arg(named, reason, store.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(store.simplified())));
    });
    QObject::connect(m_server.get(), &PhoneServer::recovered,
                     [named] { logLine(QStringLiteral("The catalog %1 answers again.").arg(named)); });
    QString reason;
    if (!m_server->start(chosenPort(), &reason)) {
        logLine(reason);
        return 1;
    }
    if (!m_certFile.isEmpty()) {
        const QString failure = tryHandshake(m_server->port());
        if (!failure.isEmpty()) {
            logLine(QStringLiteral("HTTPS cannot start with the certificate %1 and the key %2 (%3): they may not "
                                   "belong together.")
                        .arg(m_certFile, m_keyFile, failure));
            return 1;
        }
    }
    // Links made from now on, by any run on these settings, lead here.
    m_address.emplace(m_certFile.isEmpty() ? QStringLiteral("http") : QStringLiteral("https"), m_options.listen,
                      m_server->port(), publicUrl());
    m_address->store();
    if (!catchStopSignals()) {
        logLine(QStringLiteral("The stop signals cannot be caught."));
        return 1;
    }
    m_notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
        char number = 0;
        if (::read(signalPipe[0], &number, 1) == 1) {
            stop(number);
        }
    });
    announce(named, readOnly);
    return QCoreApplication::exec();
}

void HeadlessServer::stop(int signal)
{
    if (m_stopping) {
        return;
    }
    m_stopping = true;
    logLine(
        QStringLiteral("stopping on %1").arg(signal == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM")));
    m_server->beginStop();
    // Answers already made go out before the connections close.
    QElapsedTimer clock;
    clock.start();
    while (m_server->hasPendingWrites() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (PhoneTcpServer* listener = m_server->listener()) {
        listener->closeConnections();
        while (listener->openConnections() > 0 && clock.elapsed() < 6000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    m_devices->flushSeen();
    m_server.reset();
    m_connection.Close();
    logLine(QStringLiteral("stopped"));
    QCoreApplication::exit(0);
}

std::optional<HeadlessServer::Options> HeadlessServer::parse(const QStringList& arguments, QString* reason)
{
    return HeadlessArguments::parse(arguments, reason);
}

int HeadlessServer::run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Grocelle"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GROCELLE_VERSION));
    // The terminal's mistakes and the device commands' answers are told in
    // the user's language; the service's log stays English for the admin.
    Resources::registerAll();
    Translations::installChosen();
    QString reason;
    const std::optional<Options> options = parse(QCoreApplication::arguments(), &reason);
    if (!options) {
        logLine(reason);
        return 2;
    }
    // No window to put a message box in: what the settings store would tell
    // the user goes to the log.
    UserNotice::setHandler([](const QString& text) { logLine(text); });
    HeadlessServer command(*options);
    const bool deviceCommand =
        options->listDevices || !options->addDevice.isEmpty() || !options->removeDevice.isEmpty();
    if (deviceCommand) {
        return command.deviceCommand();
    }
    return command.serve();
}
