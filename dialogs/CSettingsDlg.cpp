#include "dialogs/CSettingsDlg.h"

#include "controls/CSoundButton.h"
#include "list/CheaperMarks.h"
#include "platform/CRegistry.h"
#include "platform/Money.h"
#include "platform/Translations.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/CaptionGrid.h"
#include "platform/widgets/DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSpinBox>

#include <iterator>

namespace
{
// Size of the dialog, in dialog units.
constexpr int WidthDu = 139;
constexpr int HeightDu = 179;
// Room for a symbol such as "CHF" or "zł" with some to spare.
constexpr int MaxCurrencyChars = 8;

struct FontChoice
{
    const char* text;
    int size;
};
// The shown entries; "Largest" is understood on OK but not offered.
constexpr FontChoice kFontChoices[] = {
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Smallest"), 8}, {QT_TRANSLATE_NOOP("CSettingsDlg", "Small"), 11},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Medium"), 14},  {QT_TRANSLATE_NOOP("CSettingsDlg", "Large"), 16},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Largest"), 20},
};
constexpr int ShownFontChoices = 4;

const char* const kDoubleClickChoices[] = {QT_TRANSLATE_NOOP("CSettingsDlg", "Edit item"),
                                           QT_TRANSLATE_NOOP("CSettingsDlg", "Mark/Unmark"),
                                           QT_TRANSLATE_NOOP("CSettingsDlg", "Do Nothing")};

// The choices are shown, and typed text is matched, in the interface's
// language; the stored values are numbers.
QString latin(const char* text)
{
    return CSettingsDlg::tr(text);
}

// A sorted box keeps its entries in alphabetical order whatever the order in
// which they are added, ignoring letter case.
void addSorted(QComboBox& combo, const QString& text)
{
    int at = 0;
    while (at < combo.count() && QString::compare(combo.itemText(at), text, Qt::CaseInsensitive) <= 0) {
        ++at;
    }
    combo.insertItem(at, text);
}

// Selects the first entry, from the top, that begins with prefix (any letter
// case); selects nothing when none does.
void selectStartingWith(QComboBox& combo, const QString& prefix)
{
    combo.setCurrentIndex(combo.findText(prefix, Qt::MatchStartsWith));
}

void selectExact(QComboBox& combo, const QString& text)
{
    combo.setCurrentIndex(combo.findText(text, Qt::MatchFixedString));
}

} // namespace

CSettingsDlg::CSettingsDlg(AppState& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    setWindowTitle(tr("Grocelle Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    // The handheld's size, or more where a language's texts need it.
    resize(QSize(DialogUnits::toPixelsX(WidthDu), DialogUnits::toPixelsY(HeightDu)).expandedTo(sizeHint()));
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::createControls()
{
    // A label column and a box column, each as wide as its longest text.
    m_grid = new CaptionGrid(this);
    const int gap = DialogUnits::toPixelsY(6);
    m_grid->setVerticalSpacing(gap);
    m_grid->setContentsMargins(DialogUnits::toPixelsX(8), DialogUnits::toPixelsY(8), DialogUnits::toPixelsX(7),
                               DialogUnits::toPixelsY(8));
    m_grid->setBoxColumn(0, DialogUnits::toPixelsX(60));

    m_fontCombo = new QComboBox(this);
    m_fontCombo->setObjectName(QStringLiteral("fontSize"));
    for (int i = 0; i < ShownFontChoices; ++i) {
        m_fontCombo->addItem(latin(kFontChoices[i].text));
    }
    m_grid->addRow(0, tr("Font Size:"), m_fontCombo);

    m_soundCombo = new QComboBox(this);
    m_soundCombo->setObjectName(QStringLiteral("soundOnLaunch"));
    addSorted(*m_soundCombo, tr("Yes"));
    addSorted(*m_soundCombo, tr("No"));
    m_grid->addRow(1, tr("Sound on Launch:"), m_soundCombo);

    m_doubleClickCombo = new QComboBox(this);
    m_doubleClickCombo->setObjectName(QStringLiteral("doubleClick"));
    m_doubleClickCombo->setEditable(true);
    // Typed text stays exactly as typed: no entry is added, and no completion
    // turns "edit item" into "Edit item" (OK compares the letter case).
    m_doubleClickCombo->setInsertPolicy(QComboBox::NoInsert);
    m_doubleClickCombo->setCompleter(nullptr);
    for (const char* choice : kDoubleClickChoices) {
        addSorted(*m_doubleClickCombo, latin(choice));
    }
    // An editable box sizes itself to its typed text: it is as wide as its
    // longest entry instead.
    m_doubleClickCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_grid->addRow(2, tr("Double click item:"), m_doubleClickCombo);

    m_learnWalks = new QCheckBox(tr("Learn each store's walk"), this);
    m_learnWalks->setObjectName(QStringLiteral("learnWalks"));
    m_learnWalks->setToolTip(tr("After each trip, put a store's departments in the order you walked them"));
    m_grid->addWidget(m_learnWalks, 3, 0, 1, 2);

    createCurrencyBox();
    createCheaperBox();
    createLanguageControls();

    // Nothing is chosen until the settings are loaded.
    m_fontCombo->setCurrentIndex(-1);
    m_soundCombo->setCurrentIndex(-1);
    m_doubleClickCombo->setCurrentIndex(-1);

    createButtons();
}

void CSettingsDlg::createButtons()
{
    // OK saves everything; Cancel, the Escape key and the window's close
    // control write nothing.
    m_ok = new CSoundButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    connect(m_ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    m_cancel = new CSoundButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_cancel, &QAbstractButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (CSoundButton* button : {m_ok, m_cancel}) {
        button->setMinimumSize(DialogUnits::toPixelsX(36), DialogUnits::toPixelsY(14));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    m_grid->setRowStretch(8, 1);
    m_grid->addLayout(buttons, 9, 0, 1, 2);
}

void CSettingsDlg::createCurrencyBox()
{
    m_currencyEdit = new QLineEdit(this);
    m_currencyEdit->setObjectName(QStringLiteral("currency"));
    m_currencyEdit->setMaxLength(MaxCurrencyChars);
    m_currencyEdit->setPlaceholderText(Money::localeSymbol());
    m_currencyEdit->setToolTip(tr("The symbol written with prices; empty for your region's own"));
    m_grid->addRow(4, tr("Currency:"), m_currencyEdit);
}

void CSettingsDlg::createCheaperBox()
{
    m_cheaperSpin = new QSpinBox(this);
    m_cheaperSpin->setObjectName(QStringLiteral("cheaperByPercent"));
    m_cheaperSpin->setRange(0, 99);
    m_cheaperSpin->setSuffix(QStringLiteral(" %"));
    m_cheaperSpin->setToolTip(tr("The Need view marks an item that another store sells for this much less"));
    m_grid->addRow(5, tr("Cheaper elsewhere by at least:"), m_cheaperSpin);
}

void CSettingsDlg::createLanguageControls()
{
    m_languageCombo = new QComboBox(this);
    m_languageCombo->setObjectName(QStringLiteral("language"));
    // Each language is named in itself, so that it is found whatever the
    // interface speaks now.
    m_languageCombo->addItem(tr("System"), Translations::systemChoice());
    m_languageCombo->addItem(Translations::nativeName(QStringLiteral("en")), QStringLiteral("en"));
    for (const QString& code : Translations::shipped()) {
        m_languageCombo->addItem(Translations::nativeName(code), code);
    }
    m_grid->addRow(6, tr("Language:"), m_languageCombo);
    auto* note = new QLabel(tr("A new language applies at the next start."), this);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setWordWrap(true);
    m_grid->addWidget(note, 7, 0, 1, 2);
}

void CSettingsDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CSettingsDlg::OnInitDialog()
{
    for (CSoundButton* button : {m_ok, m_cancel}) {
        button->SetBitmaps(200, 201, 0, CSoundButton::Stretched, false, 4);
    }

    // Opening writes nothing: each stored value is shown as it is, a missing
    // one as its default, and only OK writes them all.
    m_app.LoadSettings();
    const CRegistry& registry = m_app.registry();
    const auto storedOr = [&registry](const char* name, int fallback) {
        const int value = registry.GetDword(QString::fromLatin1(name));
        return value < 0 ? fallback : value;
    };
    m_fontSize = storedOr("dftFontSize", DefaultFontSize);
    m_soundOnLaunch = storedOr("SoundOnLaunch", 1);
    m_doubleClick = storedOr("DoubleClick", 1);
    m_learnWalks->setChecked(m_app.learnWalks());
    m_currencyEdit->setText(Money::currencySymbolSetting());
    m_cheaperSpin->setValue(CheaperMarks::percentSetting());
    const int language =
        m_languageCombo->findData(Translations::choiceOf(registry.GetString(Translations::settingName())));
    m_languageCombo->setCurrentIndex(language < 0 ? 0 : language);

    selectStartingWith(*m_soundCombo, m_soundOnLaunch == 1 ? tr("Yes") : tr("No"));

    const int size = m_fontSize;
    m_fontCombo->setCurrentIndex(-1);
    if (size == 20) {
        // The largest size is not offered: the box shows the next one down.
        selectStartingWith(*m_fontCombo, tr("Large"));
    } else {
        for (int i = 0; i < ShownFontChoices; ++i) {
            if (kFontChoices[i].size == size) {
                selectExact(*m_fontCombo, latin(kFontChoices[i].text));
            }
        }
    }

    const int action = m_doubleClick;
    m_doubleClickCombo->setCurrentIndex(-1);
    if (action >= 0 && action < static_cast<int>(std::size(kDoubleClickChoices))) {
        selectStartingWith(*m_doubleClickCombo, latin(kDoubleClickChoices[action]));
    }
}

void CSettingsDlg::ReadControls()
{
    m_fontText = m_fontCombo->currentText();
    m_soundText = m_soundCombo->currentText();
    m_doubleClickText = m_doubleClickCombo->currentText();
}

void CSettingsDlg::OnOK()
{
    ReadControls();
    m_waitForCaller.emplace();

    // A text that matches nothing keeps the value the dialog showed.
    m_app.setFontSize(m_fontSize);
    m_app.setDoubleClickAction(m_doubleClick);
    for (const FontChoice& choice : kFontChoices) {
        if (m_fontText == latin(choice.text)) {
            m_app.setFontSize(choice.size);
        }
    }
    m_app.setSoundOnLaunch(m_soundText == tr("Yes") ? 1 : 0);
    for (int action = 0; action < static_cast<int>(std::size(kDoubleClickChoices)); ++action) {
        if (m_doubleClickText == latin(kDoubleClickChoices[action])) {
            m_app.setDoubleClickAction(action);
        }
    }

    m_app.setLearnWalks(m_learnWalks->isChecked());
    Money::setCurrencySymbol(m_currencyEdit->text());
    m_app.registry().SaveDword(CheaperMarks::settingName(), m_cheaperSpin->value());
    m_app.SaveSettings(m_app.viewOnLoad(), m_app.fontSize(), m_app.soundOnLaunch(), m_app.doubleClickAction());
    // Read at start-up only: the open windows keep their language.
    m_app.registry().SetString(Translations::settingName(), m_languageCombo->currentData().toString());
    QDialog::accept();
}
