#pragma once

#include "list/CheapestSplit.h"

#include <QDialog>

class CAdoConnection;
class IListWindow;
class QLabel;
class QPushButton;
class QTreeWidget;

// Cheapest Stores: the shopping list split by where each item is cheapest,
// each store's part and its total, and what that saves against today's
// stores. The items that would move are ticked; Move moves the ticked ones
// to their cheapest store as one undoable action.
class CCheapestDlg : public QDialog
{
    Q_OBJECT

public:
    CCheapestDlg(CAdoConnection& connection, QWidget* parent = nullptr);

    // The main window's command: runs the dialog, then rebuilds the store
    // tabs and the list when items moved.
    static void run(IListWindow& window);

    QTreeWidget& tree() const { return *m_tree; }
    QLabel& summary() const { return *m_summary; }
    QPushButton& moveButton() const { return *m_move; }
    // Moves the ticked items; how many moved.
    int moveChosen();
    int moved() const { return m_moved; }

private:
    void showSplit();

    CAdoConnection& m_connection;
    CheapestSplit m_split;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_move = nullptr;
    int m_moved = 0;
};
