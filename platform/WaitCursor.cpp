#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <atomic>

namespace
{
// Changed on the window's thread only; atomic so that a watcher on another
// thread (a test) may read it.
std::atomic<int> g_depth = 0;
} // namespace

void WaitCursor::begin()
{
    if (g_depth++ == 0 && qGuiApp) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

void WaitCursor::end()
{
    if (g_depth == 0) {
        return;
    }
    if (--g_depth == 0 && qGuiApp) {
        QGuiApplication::restoreOverrideCursor();
    }
}

int WaitCursor::depth()
{
    return g_depth;
}
