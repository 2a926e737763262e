#pragma once

#include "store/catalog/BulkPass.h"

#include <QDialog>
#include <QStringList>

class CAdoConnection;
class IListWindow;
class QListWidget;
class QPushButton;

// Arrange Departments: the departments in the order the user walks through
// the store, moved by dragging, with Up and Down, or with Alt+Up and
// Alt+Down. OK numbers every catalog row's DeptOrder from its department's
// place in the list; Cancel, Escape and the close control end it without
// writing. The ordering lives in the catalog rows alone.
class CArrangeDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int UnplacedOrder = -1;

    explicit CArrangeDlg(QWidget* parent = nullptr);

    // True once an entry has really moved, however the dialog
    // ended: the caller's list may need a rebuild even after a close.
    bool changed() const { return m_changed; }

    QListWidget& departmentList() const { return *m_list; }
    QStringList departments() const;

    // The main window's Arrange Departments command: runs the dialog, gives
    // the list the focus back and rebuilds it when anything moved.
    static void run(IListWindow& window);

    // The DeptOrder a department name gets from the arranged list: the
    // position of the first entry equal to it as a whole name without regard
    // to case, searching from the second entry to the last and then the
    // first. An empty name, or one not listed, gets UnplacedOrder.
    static int orderOf(const QString& name, const QStringList& departments);

    // Numbers DeptOrder on every row of the catalog from departments, in one
    // transaction on the open connection. Returns the number of rows whose
    // value changed. Raises CAdoException when the rows cannot be read, a row
    // cannot be written or the pass cannot be made final; the catalog then
    // keeps every old number.
    static long writeOrder(CAdoConnection& connection, const QStringList& departments);
    // The pass behind writeOrder, without its journal, for the names in use
    // on the connection's catalog.
    static BulkPass::Statement orderPass(CAdoConnection& connection, const QStringList& departments);

private:
    void OnInitDialog();
    void OnUp();
    void OnDown();
    void OnOK();
    int selectedPosition() const;
    void moveSelected(int step);

    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_changed = false;
};
