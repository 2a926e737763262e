#include "mainwnd/MainButtons.h"

#include "controls/CSoundButton.h"
#include "mainwnd/WindowLayout.h"
#include "platform/widgets/CommandIds.h"

#include <QCoreApplication>

namespace
{
// Controls whose top lies at or below this line keep to the bottom edge when
// the window grows; the tab pane and the list above it grow.
constexpr int BottomRowDu = 129;

struct ButtonSpec
{
    int id;
    int up;
    int down;
    int x, y, width, height;
};
constexpr ButtonSpec kButtons[] = {
    {ControlId::QuickPlus, 217, 218, 79, 1, 8, 6},       {ControlId::QuickMinus, 219, 220, 79, 7, 8, 6},
    {ControlId::QuickAdd, 215, 215, 87, 1, 10, 12},      {ControlId::QuickClear, 198, 199, 97, 1, 14, 10},
    {ControlId::LetterA, 207, 206, 11, 131, 13, 9},      {ControlId::LetterG, 208, 211, 23, 131, 13, 9},
    {ControlId::LetterL, 209, 213, 35, 131, 13, 9},      {ControlId::LetterS, 210, 212, 47, 131, 13, 9},
    {ControlId::QuickAddNew, 197, 196, 42, 147, 17, 10},
};
} // namespace

QHash<int, CSoundButton*> MainButtons::create(QWidget& window, WindowLayout& layout)
{
    QHash<int, CSoundButton*> buttons;
    for (const ButtonSpec& spec : kButtons) {
        auto* button = new CSoundButton(QString(), &window);
        button->setObjectName(QStringLiteral("button%1").arg(spec.id));
        button->setAutoDefault(false);
        buttons.insert(spec.id, button);
        layout.place(button, spec.x, spec.y, spec.width, spec.height, spec.y >= BottomRowDu, false);
    }
    const QString letters = QStringLiteral("AGLS");
    for (int i = 0; i < 4; ++i) {
        CSoundButton* letter = buttons.value(ControlId::LetterA + i);
        letter->setToolTip(QCoreApplication::translate("MainButtons", "Jump to %1").arg(letters.at(i)));
        letter->hide();
    }
    buttons.value(ControlId::QuickPlus)->setToolTip(QCoreApplication::translate("MainButtons", "One more"));
    buttons.value(ControlId::QuickMinus)->setToolTip(QCoreApplication::translate("MainButtons", "One less"));
    buttons.value(ControlId::QuickAdd)->setToolTip(QCoreApplication::translate("MainButtons", "Put on the list"));
    buttons.value(ControlId::QuickClear)->setToolTip(QCoreApplication::translate("MainButtons", "Clear the boxes"));
    CSoundButton* addNew = buttons.value(ControlId::QuickAddNew);
    addNew->hide();
    addNew->setEnabled(false);
    return buttons;
}

void MainButtons::setPictures(const QHash<int, CSoundButton*>& buttons)
{
    for (const ButtonSpec& spec : kButtons) {
        buttons.value(spec.id)->SetBitmaps(spec.up, spec.down, 0, CSoundButton::Stretched, false, 4);
    }
}
