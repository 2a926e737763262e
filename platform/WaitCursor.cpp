#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace
{
int g_depth = 0;
}

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
