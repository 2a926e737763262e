#include "mainwnd/RepaintingWait.h"

#include "store/access/ServerWait.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace
{
// Windows alive on the thread; the pause stays while any is.
thread_local int t_holders = 0;
} // namespace

RepaintingWait::RepaintingWait()
{
    if (t_holders++ == 0) {
        ServerWait::setPause(&RepaintingWait::pause);
    }
}

RepaintingWait::~RepaintingWait()
{
    if (--t_holders == 0) {
        ServerWait::setPause({});
    }
}

void RepaintingWait::pause()
{
    // Timers are held back as well as input and sockets: the flag's name is
    // historical, every event dispatcher on Linux honours it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers
                                    | QEventLoop::X11ExcludeTimers);
}
