#include "dialogs/CColumnMapDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CColumnMapDlg::CColumnMapDlg(const QString& fileName, const QStringList& header, const std::vector<QStringList>& sample,
                             QWidget* parent)
    : QDialog(parent)
    , m_header(header)
    , m_sample(sample)
{
    setWindowTitle(tr("Import"));
    setMinimumWidth(520);
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(tr("The columns of %1 are its own. Say which catalog column each one fills:").arg(fileName), this);
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    const ColumnMapping guessed = ColumnMapping::guess(header);
    for (qsizetype i = 0; i < header.size(); ++i) {
        auto* box = new QComboBox(this);
        box->addItem(tr("(not imported)"), ColumnMapping::Ignored);
        for (int column = 0; column < TransferColumns::Count; ++column) {
            box->addItem(TransferColumns::name(column), column);
        }
        box->setCurrentIndex(box->findData(guessed.columns[static_cast<size_t>(i)]));
        connect(box, &QComboBox::currentIndexChanged, this, [this] { showPreview(); });
        auto* label = new QLabel(header.at(i).isEmpty() ? tr("Column %1").arg(i + 1) : header.at(i), this);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(box);
        form->addRow(label, box);
        m_boxes.push_back(box);
    }
    layout->addLayout(form);
    m_preview = new QTableWidget(this);
    m_preview->setObjectName(QStringLiteral("mappingPreview"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_preview);
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_continue = buttons->addButton(tr("&Continue"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    showPreview();
}

ColumnMapping CColumnMapDlg::mapping() const
{
    ColumnMapping chosen;
    for (const QComboBox* box : m_boxes) {
        chosen.columns.push_back(box->currentData().toInt());
    }
    return chosen;
}

void CColumnMapDlg::showPreview()
{
    const ColumnMapping chosen = mapping();
    std::vector<int> shown;
    QStringList titles;
    for (const int column : chosen.columns) {
        if (column != ColumnMapping::Ignored) {
            shown.push_back(column);
            titles << TransferColumns::name(column);
        }
    }
    m_preview->clear();
    m_preview->clearSpans();
    m_preview->setColumnCount(static_cast<int>(shown.size()));
    m_preview->setHorizontalHeaderLabels(titles);
    m_preview->setRowCount(static_cast<int>(m_sample.size()));
    for (size_t row = 0; row < m_sample.size(); ++row) {
        TransferRecord record;
        QString reason;
        const bool taken = chosen.take(m_sample[row], record, reason, DecimalText::userMark());
        for (size_t at = 0; at < shown.size(); ++at) {
            const int column = shown[at];
            const QString text = !taken               ? (at == 0 ? reason : QString())
                                 : record.has(column) ? TransferColumns::toText(record.at(column))
                                                      : QString();
            m_preview->setItem(static_cast<int>(row), static_cast<int>(at), new QTableWidgetItem(text));
        }
        if (!taken && shown.size() > 1) {
            m_preview->setSpan(static_cast<int>(row), 0, 1, static_cast<int>(shown.size()));
        }
    }
    const QString problem = chosen.problem();
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_continue->setEnabled(problem.isEmpty());
}
