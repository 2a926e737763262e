#pragma once

#include "platform/WaitCursor.h"

#include <QDialog>
#include <QString>

#include <optional>

class AppState;
class CSoundButton;
class QCheckBox;
class CaptionGrid;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The Settings dialog: the list font size, the launch sound, what a double
// tap on a list row does, whether each store's walk is learned by itself,
// the currency symbol, how much cheaper another store must be for the
// Need view to mark an item, and the language of the interface. It shows the
// stored settings when it opens
// (a missing one as its default) and saves them all on OK; Cancel, Escape or
// closing it any other way writes nothing.
//
// OK begins the application's wait cursor and holds it until the dialog is
// destroyed: the caller re-creates the list font and rebuilds the list before
// it lets the dialog go, whether the dialog ended with OK or was closed.
class CSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    // The font size shown, and written on OK, when none is stored ("Small").
    static constexpr int DefaultFontSize = 11;

    explicit CSettingsDlg(AppState& app, QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    // Control 1056: "Smallest", "Small", "Medium", "Large", in that order.
    QComboBox& fontCombo() const { return *m_fontCombo; }
    // Control 1058: "No", "Yes".
    QComboBox& soundCombo() const { return *m_soundCombo; }
    // Control 1097, editable: "Do Nothing", "Edit item", "Mark/Unmark".
    QComboBox& doubleClickCombo() const { return *m_doubleClickCombo; }
    // "Learn each store's walk", off unless chosen.
    QCheckBox& learnWalksBox() const { return *m_learnWalks; }
    // The symbol written with money; empty for the locale's own.
    QLineEdit& currencyEdit() const { return *m_currencyEdit; }
    // Per cent, 0 to 99: the CheaperByPercent setting.
    QSpinBox& cheaperSpin() const { return *m_cheaperSpin; }
    // "System", then each language named in itself; stored on OK and used
    // from the next start.
    QComboBox& languageCombo() const { return *m_languageCombo; }
    CSoundButton& okButton() const { return *m_ok; }
    CSoundButton& cancelButton() const { return *m_cancel; }

    // The double-click box's text as OK read it; empty until then.
    const QString& doubleClickText() const { return m_doubleClickText; }

    // Maps the three texts to the settings (exact, case-sensitive matches;
    // a text that matches nothing leaves its setting as it is), saves them
    // and ends the dialog with OK.
    void OnOK();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createCurrencyBox();
    void createCheaperBox();
    void createLanguageControls();
    void createButtons();
    void OnInitDialog();
    void ReadControls();

    AppState& m_app;
    QComboBox* m_fontCombo = nullptr;
    QComboBox* m_soundCombo = nullptr;
    QComboBox* m_doubleClickCombo = nullptr;
    QCheckBox* m_learnWalks = nullptr;
    QLineEdit* m_currencyEdit = nullptr;
    QSpinBox* m_cheaperSpin = nullptr;
    QComboBox* m_languageCombo = nullptr;
    CSoundButton* m_ok = nullptr;
    CSoundButton* m_cancel = nullptr;
    CaptionGrid* m_grid = nullptr;
    QString m_fontText;
    QString m_soundText;
    QString m_doubleClickText;
    // The values shown when the dialog opened.
    int m_fontSize = DefaultFontSize;
    int m_soundOnLaunch = 1;
    int m_doubleClick = 1;
    bool m_initialised = false;
    std::optional<WaitCursorScope> m_waitForCaller;
};
