#include "controls/DeptComboBox.h"

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
