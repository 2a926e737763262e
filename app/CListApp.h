#pragma once

#include "platform/widgets/AppState.h"

#include <QString>

class CMainDlg;
class QWidget;

// The application object: the start routine that is the whole life of the
// program. The process-wide state that the windows read is its base.
class CListApp : public AppState
{
public:
    CListApp();
    ~CListApp() override;

    // Splash, settings, launch sound, list font, then the main window run
    // modally until it ends. Returns false always: the program then exits.
    bool InitInstance();

    // The main window while it runs, null otherwise.
    CMainDlg* mainWindow() const { return m_mainWnd; }

    // Where the splash logo is drawn, in handheld screen pixels.
    static constexpr int SplashX = 8;
    static constexpr int SplashY = 40;
    // Settings value that marks that the program has started before.
    static QString installedMarker();
    // The one box shown when the settings file cannot be written.
    static QString settingsUnsavedMessage(const QString& settingsFile);

private:
    // The splash window, shown until the main window covers it; null when no
    // logo could be loaded.
    QWidget* showSplash();
    bool detectFirstRun();

    CMainDlg* m_mainWnd = nullptr;
};
