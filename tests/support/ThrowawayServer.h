#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of one test's own, which the test may stop and start
// again: a cluster in a temporary folder, listening on a Unix socket there
// only. Needs the server's programs (GROCELLE_PG_BIN, set by scripts/test);
// run as the postgres user when the test runs as root.
class ThrowawayServer
{
public:
    ThrowawayServer();
    ~ThrowawayServer();
    ThrowawayServer(const ThrowawayServer&) = delete;
    ThrowawayServer& operator=(const ThrowawayServer&) = delete;

    // Makes the cluster and starts it; false, with the reason, when that
    // cannot be done here.
    bool create(QString& why);
    // pg_ctl stop -m immediate: the server goes away as in a crash.
    bool stopImmediately();
    bool start();
    // pg_ctl restart -m fast: every connection is closed, the server is back.
    bool restart();
    // SIGSTOP (pause) or SIGCONT to the server's own processes, the
    // postmaster and its children, as a frozen host would leave them.
    bool pause();
    bool resume();
    // The folder the server's socket is in.
    QString socketFolder() const;
    // The URI of its database "postgres".
    QString uri() const;

private:
    bool run(const QStringList& arguments, QString* output = nullptr) const;
    bool signalAll(int signal) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    bool m_running = false;
    bool m_paused = false;
};
