#pragma once

#include "platform/CRegistry.h"

#include <QFont>
#include <QSet>
#include <QString>
#include <QStringList>

// The process-wide state that the windows and dialogs read: the four user
// settings, the list font built from them, the first-run flag and the
// reserved item ID. The application object is one; the windows take it by
// this type so that they need nothing of the start-up above them.
class AppState
{
public:
    AppState() = default;
    virtual ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // True when all four settings were read; otherwise the settings not yet
    // read keep their defaults.
    bool LoadSettings();
    // False only when the settings key cannot be opened. Saves learnWalks
    // too.
    bool SaveSettings(int viewOnLoad, int fontSize, int soundOnLaunch, int doubleClick);
    void CreateListFont();

    int fontSize() const { return m_fontSize; }
    int viewOnLoad() const { return m_viewOnLoad; }
    int soundOnLaunch() const { return m_soundOnLaunch; }
    int doubleClickAction() const { return m_doubleClick; }
    void setFontSize(int size) { m_fontSize = size; }
    void setSoundOnLaunch(int value) { m_soundOnLaunch = value; }
    void setDoubleClickAction(int value) { m_doubleClick = value; }
    // "Learn each store's walk": after a trip, its store's learned walk
    // becomes the store's walk by itself. Off unless chosen.
    bool learnWalks() const { return m_learnWalks; }
    void setLearnWalks(bool value) { m_learnWalks = value; }

    const QFont& listFont() const { return m_listFont; }

    bool firstRun() const { return m_firstRun; }
    void setFirstRun(bool value) { m_firstRun = value; }

    int reservedId() const { return m_reservedId; }
    void setReservedId(int id) { m_reservedId = id; }

    const CRegistry& registry() const { return m_registry; }

    // True the first time in a run that the department (any letter case) is
    // told to be new: the user hears it once, not with every item added to it.
    bool firstNewDepartmentNotice(const QString& dept);

private:
    int m_fontSize = 12;
    int m_viewOnLoad = 0;
    int m_soundOnLaunch = 1;
    int m_doubleClick = 1;
    bool m_learnWalks = false;
    QFont m_listFont;
    bool m_firstRun = false;
    int m_reservedId = 0;
    QSet<QString> m_toldDepartments;
    CRegistry m_registry;
};
