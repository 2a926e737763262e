#pragma once

#include "store/journal/Journal.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The recent actions of the undo history, newest first, each with its time
// and the number of items it changed. "Undo to Here" (or a double click)
// ends the dialog with the chosen action; the caller confirms and undoes it
// with every later one.
class CHistoryDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHistoryDlg(const QList<Journal::Action>& actions, QWidget* parent = nullptr);

    // The action chosen; 0 before a choice.
    qint64 chosenId() const { return m_chosen; }

    QTreeWidget& actionList() const { return *m_list; }
    QPushButton& undoButton() const { return *m_undo; }

private:
    void choose();

    QTreeWidget* m_list = nullptr;
    QPushButton* m_undo = nullptr;
    qint64 m_chosen = 0;
};
