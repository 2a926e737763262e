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
// over the window and the user is not typing a name in quick entry.
class OutsideChanges : public QObject
{
    Q_OBJECT
public:
    OutsideChanges(const QString& location, IListWindow& window, QLineEdit& quickText, QWidget* owner);
    ~OutsideChanges() override;

    // Applies a change now if it may be, otherwise a little later.
    void apply();

private:
    IListWindow& m_window;
    QLineEdit& m_quickText;
    QWidget* m_owner;
    CatalogWatcher* m_watcher = nullptr;
    QTimer* m_later = nullptr;
};
