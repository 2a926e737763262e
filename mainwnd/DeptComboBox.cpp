#include "mainwnd/DeptComboBox.h"

void DeptComboBox::showPopup()
{
    Q_EMIT popupAboutToShow();
    QComboBox::showPopup();
}

void DeptComboBox::hidePopup()
{
    QComboBox::hidePopup();
    Q_EMIT popupClosed();
}
