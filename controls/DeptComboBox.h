#pragma once

#include <QComboBox>

// A drop-down list that tells when its list is about to open (so it can be
// filled afresh) and when the list it opened has closed (so the choice can be
// applied). Closing is told only for a list that was open: hiding or
// destroying the box alone tells nothing.
class DeptComboBox : public QComboBox
{
    Q_OBJECT

public:
    // Entries a dropped list shows at least before it scrolls.
    static constexpr int MinVisibleEntries = 8;

    // The box and its list use the scaled dialog font.
    explicit DeptComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    void popupAboutToShow();
    void popupClosed();

private:
    bool m_popupOpen = false;
};
