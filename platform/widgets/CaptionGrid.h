#pragma once

#include <QGridLayout>

class QComboBox;
class QLabel;

// A dialog's captions and their boxes in rows: each caption column as wide
// as its longest caption in the language shown, each box column at least as
// wide as the handheld gave it and sharing what is left. A longer
// translation so widens the dialog instead of being cut.
class CaptionGrid : public QGridLayout
{
public:
    explicit CaptionGrid(QWidget* parent);

    // A caption in column and its box (or row of boxes) beside it, across
    // span columns.
    QLabel* addRow(int row, const QString& caption, QWidget* box, int column = 0, int span = 1);
    QLabel* addRow(int row, const QString& caption, QLayout* boxes, int column = 0, int span = 1);
    // The box column right of caption column captionColumn: at least
    // minimumWidth wide, and growing with the dialog.
    void setBoxColumn(int captionColumn, int minimumWidth);

    // A combo box as wide as the grid makes it, whatever its entries, and
    // height high.
    static void fitCombo(QComboBox& box, int height);
};
