#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <functional>

// One wait of the calling thread for a catalog server: a connect, or the
// answer to a statement. It waits on the server's socket in slices. On the
// window's thread the wait cursor shows once the wait has lasted a moment,
// and between slices the thread does what was installed for it (the window
// repaints), so that a slow or frozen server does not freeze the window.
class ServerWait
{
public:
    // Work that a thread does between the slices of a wait that has lasted
    // longer than QuietMs. It must start nothing that reaches a catalog
    // connection: the one that waits is in the middle of an exchange. It is
    // never run from inside itself (a wait that starts during it only waits).
    using Pause = std::function<void()>;

    // A wait no longer than this does not pause at all.
    static constexpr int QuietMs = 100;
    // How often a longer wait pauses.
    static constexpr int SliceMs = 20;
    // When the wait cursor comes up.
    static constexpr int CursorMs = 300;

    ServerWait();
    ~ServerWait();
    ServerWait(const ServerWait&) = delete;
    ServerWait& operator=(const ServerWait&) = delete;

    // Waits until socket is ready for events (poll's POLLIN, POLLOUT) or
    // the deadline passes; false when it passed.
    bool forSocket(int socket, short events, const QDeadlineTimer& deadline);

    // Installs pause for the calling thread only; an empty one removes it.
    static void setPause(Pause pause);
    // True while the calling thread waits for a server.
    static bool waiting();

private:
    void showCursor();
    void pause();

    QElapsedTimer m_since;
    bool m_cursorShown = false;
};
