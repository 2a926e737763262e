#pragma once

#include <QComboBox>

// The department filter: a drop-down list that tells when its list is about
// to open (so it can be filled afresh) and when it has closed (so the choice
// can be applied).
class DeptComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    void popupAboutToShow();
    void popupClosed();
};
