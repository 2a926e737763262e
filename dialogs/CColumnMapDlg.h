#pragma once

#include "transfer/ColumnMapping.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The mapping step of an import: for a CSV whose header names no format the
// program reads, which catalog column each of the file's columns fills, or
// none. Each starts at the guess from its header; the first rows are shown
// as they would be read, again at every change.
class CColumnMapDlg : public QDialog
{
    Q_OBJECT
public:
    CColumnMapDlg(const QString& fileName, const QStringList& header, const std::vector<QStringList>& sample,
                  QWidget* parent = nullptr);

    ColumnMapping mapping() const;

    // The choice for the file's column at index.
    QComboBox* columnBox(int index) const { return m_boxes.at(static_cast<size_t>(index)); }
    QTableWidget* preview() const { return m_preview; }
    QPushButton* continueButton() const { return m_continue; }

private:
    void showPreview();

    QStringList m_header;
    std::vector<QStringList> m_sample;
    std::vector<QComboBox*> m_boxes;
    QTableWidget* m_preview = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_continue = nullptr;
};
