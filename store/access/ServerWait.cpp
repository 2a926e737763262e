#include "store/access/ServerWait.h"

#include "platform/WaitCursor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#include <algorithm>
#include <cerrno>

#include <poll.h>

namespace
{
thread_local ServerWait::Pause t_pause;
thread_local int t_waits = 0;
thread_local bool t_pausing = false;
} // namespace

ServerWait::ServerWait()
{
    m_since.start();
    ++t_waits;
}

ServerWait::~ServerWait()
{
    --t_waits;
    if (m_cursorShown) {
        WaitCursor::end();
    }
}

void ServerWait::setPause(Pause pause)
{
    t_pause = std::move(pause);
}

bool ServerWait::waiting()
{
    return t_waits > 0;
}

bool ServerWait::forSocket(int socket, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        showCursor();
        const qint64 left = deadline.remainingTime();
        if (left == 0) {
            return false;
        }
        const bool pauses = t_pause && !t_pausing;
        qint64 slice = 200;
        if (pauses) {
            slice = std::max<qint64>(SliceMs, QuietMs - m_since.elapsed());
        }
        if (left > 0) {
            slice = std::min(slice, left);
        }
        pollfd fd{socket, events, 0};
        const int ready = poll(&fd, 1, static_cast<int>(slice));
        if (ready > 0 || (ready < 0 && errno != EINTR)) {
            // An error shows in the caller's next libpq call.
            return true;
        }
        if (pauses && m_since.elapsed() >= QuietMs) {
            pause();
        }
    }
}

void ServerWait::pause()
{
    // A copy: the pause may remove itself (a window closed meanwhile).
    const Pause pause = t_pause;
    struct Pausing
    {
        Pausing() { t_pausing = true; }
        ~Pausing() { t_pausing = false; }
        Pausing(const Pausing&) = delete;
        Pausing& operator=(const Pausing&) = delete;
    } pausing;
    pause();
}

void ServerWait::showCursor()
{
    if (m_cursorShown || m_since.elapsed() < CursorMs) {
        return;
    }
    QCoreApplication* application = QCoreApplication::instance();
    if (qobject_cast<QGuiApplication*>(application) && QThread::currentThread() == application->thread()) {
        WaitCursor::begin();
        m_cursorShown = true;
    }
}
