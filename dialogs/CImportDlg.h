#pragma once

#include "transfer/ImportPlan.h"
#include "transfer/TransferFile.h"

#include <QDialog>

#include <optional>

class CAdoConnection;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The preview of an import: what the file would add and change, and each
// refused line with its number and reason, before anything is written. The
// user picks whether quantities of existing items are set or added, and,
// for a pasted list, the department and store of new items. Refused lines
// are left out only once the user ticks the box that says so. Import writes
// everything as one undoable action, showing progress; Cancel meanwhile
// leaves the catalog exactly as it was.
class CImportDlg : public QDialog
{
    Q_OBJECT
public:
    // places: offer the department and store of new items (departments and
    // stores: the catalog's, for the lists).
    CImportDlg(CAdoConnection& connection, TransferFile file, const QString& sourceName, bool places,
               const QStringList& departments, const QStringList& stores, QWidget* parent = nullptr);

    // The plan as shown; empty while it is being made.
    const std::optional<ImportPlan>& plan() const { return m_plan; }
    // Items written by Import (0 before, or after a cancel or failure).
    int written() const { return m_written; }

    // The source as the undo history names it, when that differs from the
    // name shown (the history is kept in English; see ActionLabel).
    void setHistoryName(const QString& name) { m_historyName = name; }

    QPushButton* importButton() const { return m_import; }
    QCheckBox* skipBox() const { return m_skip; }
    QRadioButton* addButton() const { return m_add; }
    QComboBox* deptBox() const { return m_dept; }
    QComboBox* storeBox() const { return m_store; }

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    void buildLayout(bool places, const QStringList& departments, const QStringList& stores);
    // Plans the file again with the choices shown, and shows the counts.
    void replan();
    void showPlan();
    // Shows progress and keeps the window answering; false once Cancel was
    // pressed.
    bool progress(double done);
    void write();

    CAdoConnection& m_connection;
    TransferFile m_file;
    QString m_sourceName;
    QString m_historyName;
    std::optional<ImportPlan> m_plan;
    bool m_busy = false;
    bool m_cancelled = false;
    int m_written = 0;

    QLabel* m_summary = nullptr;
    QListWidget* m_refused = nullptr;
    QCheckBox* m_skip = nullptr;
    QRadioButton* m_set = nullptr;
    QRadioButton* m_add = nullptr;
    QComboBox* m_dept = nullptr;
    QComboBox* m_store = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_import = nullptr;
};
