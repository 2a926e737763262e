#include "platform/widgets/AppState.h"

#include "platform/Money.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/MessageService.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

AppState::~AppState() = default;

bool AppState::LoadSettings()
{
    m_fontSize = 12;
    m_soundOnLaunch = 1;
    m_doubleClick = 1;
    m_viewOnLoad = 0;
    // Not one of the four: a missing value is simply off.
    m_learnWalks = m_registry.GetDword(QStringLiteral("LearnWalks")) == 1;
    Money::setCurrencySymbol(m_registry.GetString(QStringLiteral("Currency")));
    const int fontSize = m_registry.GetDword(QStringLiteral("dftFontSize"));
    if (fontSize < 0) {
        return false;
    }
    m_fontSize = fontSize;
    if (m_registry.GetDword(QStringLiteral("dftViewOnLoad")) < 0) {
        return false;
    }
    const int sound = m_registry.GetDword(QStringLiteral("SoundOnLaunch"));
    if (sound < 0) {
        return false;
    }
    m_soundOnLaunch = sound;
    const int doubleClick = m_registry.GetDword(QStringLiteral("DoubleClick"));
    if (doubleClick < 0) {
        return false;
    }
    m_doubleClick = doubleClick;
    return true;
}

bool AppState::SaveSettings(int viewOnLoad, int fontSize, int soundOnLaunch, int doubleClick)
{
    if (!m_registry.keyAvailable()) {
        if (!CRegistry::failuresTold()) {
            MessageService::show(QCoreApplication::translate("AppState", "Could not open/create key"));
        }
        return false;
    }
    // Each failed write is reported, and the next value is still written.
    m_registry.SaveDword(QStringLiteral("dftViewOnLoad"), viewOnLoad);
    m_registry.SaveDword(QStringLiteral("dftFontSize"), fontSize);
    m_registry.SaveDword(QStringLiteral("SoundOnLaunch"), soundOnLaunch);
    m_registry.SaveDword(QStringLiteral("DoubleClick"), doubleClick);
    m_registry.SaveDword(QStringLiteral("LearnWalks"), m_learnWalks ? 1 : 0);
    // Written only once there is one, so that a settings file without it
    // stays as it was.
    if (!Money::currencySymbolSetting().isEmpty() || !m_registry.GetString(QStringLiteral("Currency")).isEmpty()) {
        m_registry.SetString(QStringLiteral("Currency"), Money::currencySymbolSetting());
    }
    return true;
}

bool AppState::firstNewDepartmentNotice(const QString& dept)
{
    const QString key = dept.toCaseFolded();
    if (m_toldDepartments.contains(key)) {
        return false;
    }
    m_toldDepartments.insert(key);
    return true;
}

void AppState::CreateListFont()
{
    // The font size is the height of a text cell.
    QFont font = DialogUnits::font(m_fontSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    m_listFont = font;
}
