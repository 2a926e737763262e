#pragma once

#include "transfer/ImportPlan.h"
#include "transfer/TransferFile.h"

#include <QDialog>
#include <QSet>

#include <optional>
#include <vector>

class CAdoConnection;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The preview of an import: every item the file would add or change, with
// each value from and to, sorted by name and searchable; each question (a
// line that reads as a sentence, a quantity in another unit) unticked until
// the user ticks it; and each refused line with its number and reason,
// before anything is written. The user picks whether quantities of existing
// items are set or added, and, for a typed or pasted list, the department
// and store of new items. Refused lines are left out only once the user
// ticks the box that says so. Import writes everything as one undoable
// action, showing progress; Cancel meanwhile leaves the catalog exactly as
// it was.
class CImportDlg : public QDialog
{
    Q_OBJECT
public:
    // Where new items go, when the file does not say: the catalog's
    // departments and stores to pick from, and those picked at first.
    struct Places
    {
        QStringList departments;
        QStringList stores;
        QString dept;
        QString store;
    };
    // places: offer the department and store of new items.
    CImportDlg(CAdoConnection& connection, TransferFile file, const QString& sourceName,
               const std::optional<Places>& places, QWidget* parent = nullptr);

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
    QListWidget* planLines() const { return m_lines; }
    QLineEdit* searchBox() const { return m_search; }

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    void buildLayout(const std::optional<Places>& places);
    void buildPlaces(const Places& places, QVBoxLayout* layout);
    // Plans the file again with the choices shown, and shows the counts.
    void replan();
    void showPlan();
    void showCounts();
    // Shows only the lines that hold text.
    void filterLines(const QString& text);
    void lineTicked(QListWidgetItem* row);
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

    // The lines of questions the user ticked, kept when the plan is made again.
    QSet<int> m_ticked;

    QLabel* m_summary = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_lines = nullptr;
    QListWidget* m_refused = nullptr;
    QCheckBox* m_skip = nullptr;
    QRadioButton* m_set = nullptr;
    QRadioButton* m_add = nullptr;
    QComboBox* m_dept = nullptr;
    QComboBox* m_store = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_import = nullptr;
};
