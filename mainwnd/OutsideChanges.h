#pragma once

#include <QObject>
#include <QString>

class CatalogWatcher;
class IListWindow;
class QLineEdit;
class QTimer;
class QWidget;

// Brings changes that other programs make to the catalog into the window:
// each is applied (the window's CatalogChanged) as soon as no dialog is open
// over the window and the user is not typing a name in quick entry. A server
// catalog announces them; a catalog file is asked every second for its
// change counter, which moves only when another connection (grocelle
// --serve, another window) has written.
class OutsideChanges : public QObject
{
    Q_OBJECT
public:
    OutsideChanges(const QString& location, IListWindow& window, QLineEdit& quickText, QWidget* owner);
    ~OutsideChanges() override;

    // Applies a change now if it may be, otherwise a little later.
    void apply();

    static constexpr int FileCheckMs = 1000;

private:
    IListWindow& m_window;
    QLineEdit& m_quickText;
    QWidget* m_owner;
    CatalogWatcher* m_watcher = nullptr;
    QTimer* m_later = nullptr;
    QTimer* m_fileCheck = nullptr;
    qint64 m_fileVersion = -1;

    void checkFile();
};
