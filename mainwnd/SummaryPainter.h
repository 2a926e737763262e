#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
struct ViewState;

// The three texts that the main window draws on itself: the summary line at
// the bottom (how many items, which view, which department, a short note)
// and above it the list total and the total of what is in the basket, each
// with its label. growth is how
// much larger than its minimum the window is: the texts keep to their edges.
class SummaryPainter
{
public:
    static QString summaryText(const ViewState& view, int rowCount);
    // Blank in a store view; the need view's totals as labelled money
    // ("List $182.55", "In basket $27.90"), marked " ?"
    // when a hand-edited price puts them beyond belief.
    static QString listTotalText(const ViewState& view);
    static QString markedTotalText(const ViewState& view);

    static QRect summaryRect(QSize growth);
    static QRect listTotalRect(QSize growth);
    static QRect markedTotalRect(QSize growth);

    static void paint(QPainter& painter, const ViewState& view, int rowCount, const QString& note, QSize growth);

private:
    // A total in format, or a short form with " ?" when it cannot be trusted;
    // a negative total shows nothing.
    static QString totalText(double total, const QString& label);
};
