#include "app/CListApp.h"

#include "mainwnd/CMainDlg.h"
#include "platform/DialogUnits.h"
#include "platform/ResourceImages.h"
#include "platform/MessageService.h"
#include "platform/SoundService.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <memory>

CListApp::CListApp() = default;

CListApp::~CListApp() = default;

QString CListApp::installedMarker()
{
    return QStringLiteral("Installed");
}

QString CListApp::projectAddress()
{
    return QStringLiteral("https://grocelle.example.org");
}

bool CListApp::InitInstance()
{
    m_firstRun = false;
    std::unique_ptr<QWidget> splash(showSplash());
    LoadSettings();
    if (m_soundOnLaunch == 1) {
        SoundService::play(QStringLiteral("\\WINDOWS\\SHOPLAUNCH1.WAV"));
    }
    {
        CMainDlg mainWnd(*this);
        m_mainWnd = &mainWnd;
        m_firstRun = detectFirstRun();
        CreateListFont();
        if (splash) {
            // Runs once the modal loop has shown the main window over the logo.
            QTimer::singleShot(0, splash.get(), &QWidget::close);
        }
        mainWnd.exec();
        m_mainWnd = nullptr;
    }
    splash.reset();
    return false;
}

QWidget* CListApp::showSplash()
{
    const QPixmap logo = ResourceImages::splashLogo();
    if (logo.isNull()) {
        return nullptr;
    }
    auto* splash = new QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->setPixmap(logo);
    splash->resize(logo.size() / logo.devicePixelRatio());
    QPoint origin;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        origin = screen->availableGeometry().topLeft();
    }
    splash->move(origin + QPoint(DialogUnits::px(SplashX), DialogUnits::px(SplashY)));
    splash->show();
    QApplication::processEvents();
    return splash;
}

bool CListApp::detectFirstRun()
{
    if (m_registry.GetDword(installedMarker()) >= 0) {
        return false;
    }
    m_registry.SetDword(installedMarker(), 1);
    return true;
}

bool CListApp::LoadSettings()
{
    m_fontSize = 12;
    m_soundOnLaunch = 1;
    m_doubleClick = 1;
    m_viewOnLoad = 0;
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

bool CListApp::SaveSettings(int viewOnLoad, int fontSize, int soundOnLaunch, int doubleClick)
{
    if (!m_registry.keyAvailable()) {
        MessageService::show(QStringLiteral("Could not open/create key"));
        return false;
    }
    // Each failed write is reported, and the next value is still written.
    m_registry.SaveDword(QStringLiteral("dftViewOnLoad"), viewOnLoad);
    m_registry.SaveDword(QStringLiteral("dftFontSize"), fontSize);
    m_registry.SaveDword(QStringLiteral("SoundOnLaunch"), soundOnLaunch);
    m_registry.SaveDword(QStringLiteral("DoubleClick"), doubleClick);
    return true;
}

void CListApp::CreateListFont()
{
    QFont font(QStringLiteral("Tahoma"));
    // Where Tahoma is missing, the nearest variable-pitch sans-serif face.
    font.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Noto Sans"), QStringLiteral("sans-serif")});
    // The font size is the height of a text cell; Qt's pixel size is the
    // height of the letters alone, about four fifths of the cell.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(m_fontSize * 0.8 * DialogUnits::scale()))));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    m_listFont = font;
}

void CListApp::BeginWaitCursor()
{
    WaitCursor::begin();
}

void CListApp::EndWaitCursor()
{
    WaitCursor::end();
}
