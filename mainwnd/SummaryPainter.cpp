#include "mainwnd/SummaryPainter.h"

#include "commands/ViewState.h"
#include "platform/DialogUnits.h"

#include <QPainter>

namespace
{
QRect handheldRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(DialogUnits::px(left), DialogUnits::px(top)),
                 QPoint(DialogUnits::px(right) - 1, DialogUnits::px(bottom) - 1));
}
} // namespace

QString SummaryPainter::summaryText(const ViewState& view, int rowCount)
{
    const QString countText = rowCount == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(rowCount);
    const QString viewPart = view.allStoresShown() ? QStringLiteral(" needed (") + view.deptText + QStringLiteral(")  ")
                                                   : QStringLiteral(" in ") + view.currentStore + QStringLiteral(" (")
                                                         + view.deptText + QStringLiteral(")  ");
    return countText + viewPart + QStringLiteral("       ");
}

QString SummaryPainter::listTotalText(const ViewState& view)
{
    if (!view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return view.listTotal >= 0.0 ? QString::asprintf("    $%4.2f", view.listTotal) : QString();
}

QString SummaryPainter::markedTotalText(const ViewState& view)
{
    if (!view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return view.markedTotal >= 0.0 ? QString::asprintf("  $%4.2f  ", view.markedTotal) : QString();
}

QRect SummaryPainter::summaryRect(QSize growth)
{
    return handheldRect(2, 251, 200, 318).translated(0, growth.height());
}

QRect SummaryPainter::listTotalRect(QSize growth)
{
    return handheldRect(180, 3, 238, 22).translated(growth.width(), 0);
}

QRect SummaryPainter::markedTotalRect(QSize growth)
{
    return handheldRect(16, 229, 82, 258).translated(0, growth.height());
}

void SummaryPainter::paint(QPainter& painter, const ViewState& view, int rowCount, QSize growth)
{
    painter.drawText(listTotalRect(growth), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, listTotalText(view));
    painter.drawText(markedTotalRect(growth), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, markedTotalText(view));
    painter.drawText(summaryRect(growth), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     summaryText(view, rowCount));
}
