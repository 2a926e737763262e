#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCursor>

#include <atomic>

namespace
{
// Changed on the window's thread only; atomic so that a watcher on another
// thread (a test) may read it.
std::atomic<int> g_depth = 0;
} // namespace

void WaitCursor::begin()
{
    if (g_depth++ == 0 && qApp) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

void WaitCursor::end()
{
    if (g_depth == 0) {
        return;
    }
    if (--g_depth == 0 && qApp) {
        QApplication::restoreOverrideCursor();
    }
}

int WaitCursor::depth()
{
    return g_depth;
}
