#pragma once

#include "app/CRegistry.h"

#include <QFont>
#include <QPixmap>

class CMainDlg;
class QWidget;

// The application object: the start routine that is the whole life of the
// program, and the process-wide state that the windows read (the user
// settings, the list font, the first-run flag, the reserved item ID).
class CListApp
{
public:
    CListApp();
    virtual ~CListApp();
    CListApp(const CListApp&) = delete;
    CListApp& operator=(const CListApp&) = delete;

    // Splash, settings, launch sound, list font, then the main window run
    // modally until it ends. Returns false always: the program then exits.
    bool InitInstance();

    // True when all four settings were read; otherwise the settings not yet
    // read keep their defaults.
    bool LoadSettings();
    // False only when the settings key cannot be opened.
    bool SaveSettings(int viewOnLoad, int fontSize, int soundOnLaunch, int doubleClick);
    void CreateListFont();

    int fontSize() const { return m_fontSize; }
    int viewOnLoad() const { return m_viewOnLoad; }
    int soundOnLaunch() const { return m_soundOnLaunch; }
    int doubleClickAction() const { return m_doubleClick; }
    void setFontSize(int size) { m_fontSize = size; }
    void setSoundOnLaunch(int value) { m_soundOnLaunch = value; }
    void setDoubleClickAction(int value) { m_doubleClick = value; }

    const QFont& listFont() const { return m_listFont; }

    bool firstRun() const { return m_firstRun; }
    void setFirstRun(bool value) { m_firstRun = value; }

    int reservedId() const { return m_reservedId; }
    void setReservedId(int id) { m_reservedId = id; }

    const CRegistry& registry() const { return m_registry; }

    // The main window while it runs, null otherwise.
    CMainDlg* mainWindow() const { return m_mainWnd; }

    // Wait cursor of the application (a counted pair).
    void BeginWaitCursor();
    void EndWaitCursor();

    // Where the splash logo is drawn, in handheld screen pixels.
    static constexpr int SplashX = 8;
    static constexpr int SplashY = 40;
    // Settings value that marks that the program has started before.
    static QString installedMarker();
    // The project's web address, named in the first-run tip.
    static QString projectAddress();

private:
    // The splash window, shown until the main window covers it; null when no
    // logo could be loaded.
    QWidget* showSplash();
    bool detectFirstRun();

    int m_fontSize = 12;
    int m_viewOnLoad = 0;
    int m_soundOnLaunch = 1;
    int m_doubleClick = 1;
    QFont m_listFont;
    bool m_firstRun = false;
    int m_reservedId = 0;
    CRegistry m_registry;
    CMainDlg* m_mainWnd = nullptr;
};
