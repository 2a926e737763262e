#include "ThrowawayServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <QDirIterator>

#include <csignal>

#include <sys/types.h>
#include <unistd.h>

ThrowawayServer::ThrowawayServer() = default;

ThrowawayServer::~ThrowawayServer()
{
    if (m_paused) {
        resume();
    }
    if (m_running) {
        stopImmediately();
    }
}

bool ThrowawayServer::run(const QStringList& arguments, QString* output) const
{
    QProcess process;
    QStringList command = arguments;
    QString program = command.takeFirst();
    if (geteuid() == 0) {
        command =
            QStringList({QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program}) + command;
        program = QStringLiteral("runuser");
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, command);
    const bool finished = process.waitForFinished(60000);
    if (output) {
        *output = QString::fromLocal8Bit(process.readAll());
    }
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool ThrowawayServer::create(QString& why)
{
    m_bin = qEnvironmentVariable("GROCELLE_PG_BIN");
    if (m_bin.isEmpty() || !QFile::exists(m_bin + QStringLiteral("/initdb"))) {
        why = QStringLiteral("GROCELLE_PG_BIN names no PostgreSQL programs");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/grocelle-server.XXXXXX"));
    if (!m_dir->isValid()) {
        why = QStringLiteral("no temporary folder");
        return false;
    }
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadOther | QFileDevice::WriteOther
                                             | QFileDevice::ExeOther);
    QString output;
    if (!run({m_bin + QStringLiteral("/initdb"), QStringLiteral("-D"), m_dir->path() + QStringLiteral("/data"),
              QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("--auth=trust"), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")},
             &output)) {
        why = QStringLiteral("initdb failed: ") + output;
        return false;
    }
    if (!start()) {
        why = QStringLiteral("the server did not start");
        return false;
    }
    return true;
}

bool ThrowawayServer::start()
{
    m_running =
        run({m_bin + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), m_dir->path() + QStringLiteral("/data"),
             QStringLiteral("-l"), m_dir->path() + QStringLiteral("/server.log"), QStringLiteral("-w"),
             QStringLiteral("-s"), QStringLiteral("-o"),
             QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -c fsync=off").arg(m_dir->path()),
             QStringLiteral("start")});
    return m_running;
}

bool ThrowawayServer::stopImmediately()
{
    const bool stopped =
        run({m_bin + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), m_dir->path() + QStringLiteral("/data"),
             QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("-s"),
             QStringLiteral("stop")});
    m_running = m_running && !stopped;
    return stopped;
}

bool ThrowawayServer::restart()
{
    return run({m_bin + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), m_dir->path() + QStringLiteral("/data"),
                QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("-s"),
                QStringLiteral("restart")});
}

bool ThrowawayServer::signalAll(int signal) const
{
    // A server that was never made (no PostgreSQL programs) has no folder.
    if (!m_dir) {
        return false;
    }
    QFile pidFile(m_dir->path() + QStringLiteral("/data/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly)) {
        return false;
    }
    const pid_t postmaster = static_cast<pid_t>(pidFile.readLine().trimmed().toLong());
    if (postmaster <= 0 || kill(postmaster, signal) != 0) {
        return false;
    }
    // Its children: every process whose parent it is (field 4 of /proc/N/stat,
    // after the name in parentheses).
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        const QString folder = processes.next();
        QFile stat(folder + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLong() == postmaster) {
            kill(static_cast<pid_t>(QFileInfo(folder).fileName().toLong()), signal);
        }
    }
    return true;
}

bool ThrowawayServer::pause()
{
    m_paused = true;
    return signalAll(SIGSTOP);
}

bool ThrowawayServer::resume()
{
    m_paused = false;
    return signalAll(SIGCONT);
}

QString ThrowawayServer::socketFolder() const
{
    return m_dir->path();
}

QString ThrowawayServer::uri() const
{
    return QStringLiteral("postgresql://postgres@/postgres?host=") + m_dir->path();
}
