#pragma once

#include <QString>

struct sqlite3;

// The catalog file keeps its rollback journal at rest, and switches to a
// write-ahead log while this program has it open for writing: readers (a
// phone's list being built on a thread of its own, another program) then
// never hold up the window's commits, nor a commit the readers.
//
// The log is used only where it is safe and cannot strand the file:
// - the file can be written and its folder can hold the "-wal" and "-shm"
//   files beside it;
// - the folder is on a local file system: the log's shared memory does not
//   work over a network file system.
// When the last connection of any program closes, the file is set back to
// its rollback journal, so that it can be copied alone, or read from a
// read-only folder, as before. A connection that closes while another still
// has the file open leaves that to the other one.
class WriteAheadLog
{
public:
    // Whether the folder of file suits a write-ahead log.
    static bool suits(const QString& file);
    // Switches db, opened read-write on file, to the log where it suits;
    // otherwise, or if it cannot, db stays on its rollback journal.
    static void enter(sqlite3* db, const QString& file);
    // Before db is closed: back to the rollback journal, unless another
    // connection still has the file open. Never waits and never throws.
    static void leave(sqlite3* db) noexcept;
    // Whether db runs on a write-ahead log now.
    static bool isOn(sqlite3* db);
};
