#include "app/CListApp.h"

#include "mainwnd/CMainDlg.h"
#include "platform/DeviceFolder.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/ResourceImages.h"
#include "platform/widgets/SoundService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <memory>

CListApp::CListApp() = default;

CListApp::~CListApp() = default;

QString CListApp::installedMarker()
{
    return QStringLiteral("Installed");
}

QString CListApp::settingsUnsavedMessage(const QString& settingsFile)
{
    return QCoreApplication::translate(
               "CListApp", "Grocelle cannot save its settings in %1.  It runs on the settings it could read and on its "
                           "defaults, and changes to them are not kept.")
        .arg(QDir::toNativeSeparators(settingsFile));
}

bool CListApp::InitInstance()
{
    setFirstRun(false);
    std::unique_ptr<QWidget> splash(showSplash());
    LoadSettings();
    // Told once, here; the writes of the run (column widths, sort orders)
    // would otherwise each put up a box of their own.
    const bool settingsKept = registry().keyWritable();
    if (!settingsKept) {
        MessageService::show(settingsUnsavedMessage(DeviceFolder::settingsFile()));
        CRegistry::setFailuresTold(true);
    }
    struct TellAgain
    {
        ~TellAgain() { CRegistry::setFailuresTold(false); }
    } tellAgain;
    if (soundOnLaunch() == 1) {
        SoundService::play(QStringLiteral("\\WINDOWS\\SHOPLAUNCH1.WAV"));
    }
    {
        CMainDlg mainWnd(*this);
        m_mainWnd = &mainWnd;
        // The tip could not be marked as shown, and would come back on
        // every start.
        setFirstRun(settingsKept && detectFirstRun());
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
    if (registry().GetDword(installedMarker()) >= 0) {
        return false;
    }
    registry().SetDword(installedMarker(), 1);
    return true;
}
