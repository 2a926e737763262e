#include "mainwnd/SummaryPainter.h"

#include "commands/ViewState.h"
#include "platform/DialogUnits.h"
#include "platform/TextNumbers.h"

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

QString SummaryPainter::totalText(double total, const char* format)
{
    if (TextNumbers::isPlainMoney(total)) {
        return total >= 0.0 ? QString::asprintf(format, total) : QString();
    }
    // A total beyond any the editor's prices can make (or no number at all)
    // holds a value from a hand-edited catalog: shown short, and marked as
    // one not to rely on.
    return total > 0.0 ? QStringLiteral("  $%1 ?").arg(TextNumbers::money(total)) : QString();
}

QString SummaryPainter::listTotalText(const ViewState& view)
{
    if (!view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return totalText(view.listTotal, "    $%4.2f");
}

QString SummaryPainter::markedTotalText(const ViewState& view)
{
    if (!view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return totalText(view.markedTotal, "  $%4.2f  ");
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
