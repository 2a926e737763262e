#include "store/sqlite/WriteAheadLog.h"

#include "store/access/CAdoConnection.h"

#include <QFileInfo>

#include <sqlite3.h>
#include <sys/statfs.h>

#include <array>
#include <cstring>

namespace
{
// File systems whose shared memory or locks another computer may not see.
// FUSE is among them: sshfs is the FUSE file system a household most likely
// keeps a catalog on.
constexpr std::array<unsigned long, 13> RemoteFileSystems = {
    0x6969UL,     // NFS
    0x517BUL,     // SMB
    0xFF534D42UL, // CIFS
    0xFE534D42UL, // SMB2
    0x65735546UL, // FUSE
    0x73757245UL, // Coda
    0x5346414FUL, // AFS
    0x6B414653UL, // kAFS
    0x01021997UL, // 9P
    0x00C36400UL, // Ceph
    0x01161970UL, // GFS2
    0x7461636FUL, // OCFS2
    0x0BD00BD0UL, // Lustre
};

QByteArray journalMode(sqlite3* db)
{
    sqlite3_stmt* raw = nullptr;
    QByteArray mode;
    if (sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &raw, nullptr) == SQLITE_OK
        && sqlite3_step(raw) == SQLITE_ROW) {
        mode = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)));
    }
    sqlite3_finalize(raw);
    return mode.toLower();
}
} // namespace

bool WriteAheadLog::suits(const QString& file)
{
    const QFileInfo info(file);
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isWritable()) {
        return false;
    }
    struct statfs where;
    std::memset(&where, 0, sizeof where);
    if (statfs(folder.toLocal8Bit().constData(), &where) != 0) {
        return false;
    }
    const auto type = static_cast<unsigned long>(where.f_type) & 0xFFFFFFFFUL;
    for (const unsigned long remote : RemoteFileSystems) {
        if (type == remote) {
            return false;
        }
    }
    return true;
}

void WriteAheadLog::enter(sqlite3* db, const QString& file)
{
    if (sqlite3_db_readonly(db, "main") != 0 || !suits(file)) {
        return;
    }
    // Refused (another program mid-write, say): the rollback journal serves.
    sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
}

void WriteAheadLog::leave(sqlite3* db) noexcept
{
    if (db == nullptr || sqlite3_db_readonly(db, "main") != 0 || !isOn(db)) {
        return;
    }
    // Leaving the log needs the file to itself: with another connection on
    // it this fails at once, and that connection leaves it later.
    sqlite3_busy_timeout(db, 0);
    sqlite3_exec(db, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, CAdoConnection::BusyTimeoutMs);
}

bool WriteAheadLog::isOn(sqlite3* db)
{
    return journalMode(db) == "wal";
}
