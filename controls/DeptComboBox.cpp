#include "controls/DeptComboBox.h"

#include "platform/widgets/DialogUnits.h"

#include <algorithm>

DeptComboBox::DeptComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setFont(DialogUnits::dialogFont());
    setMaxVisibleItems(std::max(maxVisibleItems(), MinVisibleEntries));
}

void DeptComboBox::showPopup()
{
    Q_EMIT popupAboutToShow();
    m_popupOpen = true;
    QComboBox::showPopup();
}

void DeptComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (m_popupOpen) {
        m_popupOpen = false;
        Q_EMIT popupClosed();
    }
}
