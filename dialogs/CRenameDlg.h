#pragma once

#include "store/catalog/BulkPass.h"

#include <QDialog>
#include <QString>

class CAdoConnection;
class CaptionGrid;
class IListWindow;
class DeptComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Rename Stores / Depts: picks a department or store name in use and gives
// every catalog row that carries it a new name. The dialog stays open for
// more renames until Done.
class CRenameDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 15;

    explicit CRenameDlg(QWidget* parent = nullptr);

    // The main window's Rename command: runs the dialog, then rebuilds the
    // store tabs and the list whatever happened in it.
    static void run(IListWindow& window);

    // Gives every row whose column (Dept or Store) equals oldName the text
    // newName, in one transaction on the open connection. Returns the number
    // of rows renamed. Raises CAdoException when the rows cannot be read, a
    // row cannot be written or the pass cannot be made final; no row is then
    // renamed.
    static long renameAll(CAdoConnection& connection, const QString& column, const QString& oldName,
                          const QString& newName);

    // The pass behind renameAll, without its journal.
    static BulkPass::Statement renamePass(const QString& column, const QString& oldName, const QString& newName);
    // The rename's name in the undo history: "Rename store B-Mart to BigMart".
    static QString renameLabel(const QString& column, const QString& oldName, const QString& newName);

    DeptComboBox& oldNames() const { return *m_oldNames; }
    QLineEdit& newNameEdit() const { return *m_newNameEdit; }
    QRadioButton& departmentsButton() const { return *m_departments; }
    QRadioButton& storesButton() const { return *m_stores; }
    QPushButton& renameButton() const { return *m_rename; }

Q_SIGNALS:
    // A rename was made; note says which, for the window's summary line.
    void renamed(const QString& note);

private:
    // Rename and Done, centred below the boxes.
    void createButtons(CaptionGrid& grid);
    void OnInitDialog();
    // Lists the distinct names of a column ("Dept" or "Store"), the first
    // selected and copied to the new-name field.
    void FillNames(const QString& column);
    // The old name into the new-name field, selected for overtyping.
    void CopyOldToNew();
    void OnOK();
    void ReadControls();
    void WriteControls();
    QString currentColumn() const;

    DeptComboBox* m_oldNames = nullptr;
    QLineEdit* m_newNameEdit = nullptr;
    QRadioButton* m_departments = nullptr;
    QRadioButton* m_stores = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_done = nullptr;

    // Dialog data.
    QString m_oldName;
    QString m_newName;
    int m_kind = -1;
};
