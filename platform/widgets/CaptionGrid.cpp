#include "platform/widgets/CaptionGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

CaptionGrid::CaptionGrid(QWidget* parent)
    : QGridLayout(parent)
{
}

QLabel* CaptionGrid::addRow(int row, const QString& caption, QWidget* box, int column, int span)
{
    auto* label = new QLabel(caption, parentWidget());
    addWidget(label, row, column);
    addWidget(box, row, column + 1, 1, span);
    return label;
}

QLabel* CaptionGrid::addRow(int row, const QString& caption, QLayout* boxes, int column, int span)
{
    auto* label = new QLabel(caption, parentWidget());
    addWidget(label, row, column);
    addLayout(boxes, row, column + 1, 1, span);
    return label;
}

void CaptionGrid::setBoxColumn(int captionColumn, int minimumWidth)
{
    setColumnStretch(captionColumn + 1, 1);
    setColumnMinimumWidth(captionColumn + 1, minimumWidth);
}

void CaptionGrid::fitCombo(QComboBox& box, int height)
{
    // A box sized to its entries would widen the dialog with a long name.
    box.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box.setMinimumContentsLength(4);
    box.setFixedHeight(height);
}
