#include "mainwnd/OutsideChanges.h"

#include "commands/IListWindow.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/CatalogWatcher.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace
{
// How soon a change that had to wait is tried again.
constexpr int RetryMs = 300;
} // namespace

OutsideChanges::OutsideChanges(const QString& location, IListWindow& window, QLineEdit& quickText, QWidget* owner)
    : QObject(owner)
    , m_window(window)
    , m_quickText(quickText)
    , m_owner(owner)
    , m_watcher(new CatalogWatcher(location, this))
    , m_later(new QTimer(this))
{
    m_later->setSingleShot(true);
    m_later->setInterval(RetryMs);
    connect(m_later, &QTimer::timeout, this, &OutsideChanges::apply);
    connect(m_watcher, &CatalogWatcher::changedElsewhere, this, &OutsideChanges::apply);
    if (CatalogWatcher::isFile(location)) {
        m_fileCheck = new QTimer(this);
        m_fileCheck->setInterval(FileCheckMs);
        connect(m_fileCheck, &QTimer::timeout, this, &OutsideChanges::checkFile);
        m_fileCheck->start();
        checkFile();
    }
}

void OutsideChanges::checkFile()
{
    const qint64 version = CatalogWatcher::fileVersion(m_window.connection());
    if (version < 0) {
        return;
    }
    const bool moved = m_fileVersion >= 0 && version != m_fileVersion;
    m_fileVersion = version;
    if (moved) {
        apply();
    }
}

OutsideChanges::~OutsideChanges() = default;

void OutsideChanges::apply()
{
    QWidget* modal = QApplication::activeModalWidget();
    const bool dialogOpen = modal && modal != m_owner;
    const bool typing = m_quickText.hasFocus() && !m_quickText.text().isEmpty();
    if (dialogOpen || typing || !m_owner->isVisible()) {
        m_later->start();
        return;
    }
    m_window.runGuarded([this] { m_window.CatalogChanged(); });
}
