#include "mainwnd/SummaryPainter.h"

#include "list/ViewState.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "platform/widgets/DialogUnits.h"

#include <QCoreApplication>
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
    const QString countText = rowCount == 1 ? QCoreApplication::translate("SummaryPainter", "1 item")
                                            : QCoreApplication::translate("SummaryPainter", "%1 items").arg(rowCount);
    // One arg() for both names: a "%1" typed in a store's name stays text.
    const QString viewPart =
        view.allStoresShown()
            ? QCoreApplication::translate("SummaryPainter", " needed (%1)  ").arg(ViewState::shownDept(view.deptText))
            : QCoreApplication::translate("SummaryPainter", " in %1 (%2)  ")
                  .arg(view.currentStore, ViewState::shownDept(view.deptText));
    // The filter button's state in words: the store view shows only part of
    // the store's items.
    const QString filter = !view.needView && view.quantityFilter
                               ? QCoreApplication::translate("SummaryPainter", "Filter: Qty > 0  ")
                               : QString();
    return countText + viewPart + filter + QStringLiteral("       ");
}

QString SummaryPainter::totalText(double total, const QString& label)
{
    if (TextNumbers::isPlainMoney(total)) {
        return total >= 0.0 ? label + QLatin1Char(' ') + Money::total(total) : QString();
    }
    // A total beyond any the editor's prices can make (or no number at all)
    // holds a value from a hand-edited catalog: shown short, and marked as
    // one not to rely on.
    return total > 0.0 ? QStringLiteral("%1 %2 ?").arg(label, Money::total(total)) : QString();
}

QString SummaryPainter::listTotalText(const ViewState& view)
{
    if (!view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return totalText(view.listTotal, QCoreApplication::translate("SummaryPainter", "List"));
}

QString SummaryPainter::markedTotalText(const ViewState& view)
{
    if (!view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return totalText(view.markedTotal, QCoreApplication::translate("SummaryPainter", "In basket"));
}

QRect SummaryPainter::summaryRect(QSize growth)
{
    // As wide as the window, so that a note after the summary has room.
    return handheldRect(2, 251, 238, 318).translated(0, growth.height()).adjusted(0, 0, growth.width(), 0);
}

QRect SummaryPainter::listTotalRect(QSize growth)
{
    // Both totals side by side on one line above the summary, where the
    // basket total always stood.
    return handheldRect(2, 229, 110, 250).translated(0, growth.height());
}

QRect SummaryPainter::markedTotalRect(QSize growth)
{
    return handheldRect(110, 229, 238, 250).translated(0, growth.height());
}

void SummaryPainter::paint(QPainter& painter, const ViewState& view, int rowCount, const QString& note, QSize growth)
{
    painter.drawText(listTotalRect(growth), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, listTotalText(view));
    painter.drawText(markedTotalRect(growth), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, markedTotalText(view));
    painter.drawText(summaryRect(growth), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     summaryText(view, rowCount) + note);
}
