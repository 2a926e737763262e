#include "dialogs/CImportDlg.h"

#include "platform/widgets/MessageService.h"
#include "store/access/CAdoException.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CImportDlg::CImportDlg(CAdoConnection& connection, TransferFile file, const QString& sourceName, bool places,
                       const QStringList& departments, const QStringList& stores, QWidget* parent)
    : QDialog(parent)
    , m_connection(connection)
    , m_file(std::move(file))
    , m_sourceName(sourceName)
    , m_historyName(sourceName)
{
    setWindowTitle(tr("Import"));
    buildLayout(places, departments, stores);
    replan();
}

void CImportDlg::buildLayout(bool places, const QStringList& departments, const QStringList& stores)
{
    auto* layout = new QVBoxLayout(this);
    setMinimumWidth(440);
    auto* title =
        new QLabel(tr("Import from %1 (%2)").arg(m_sourceName, TransferFile::formatName(m_file.format)), this);
    title->setTextFormat(Qt::PlainText);
    layout->addWidget(title);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_refused = new QListWidget(this);
    m_refused->setObjectName(QStringLiteral("refusedLines"));
    m_refused->setWordWrap(true);
    m_refused->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_refused);
    m_skip = new QCheckBox(this);
    layout->addWidget(m_skip);

    auto* quantities = new QGroupBox(tr("Items already in the catalog"), this);
    auto* choice = new QVBoxLayout(quantities);
    m_set = new QRadioButton(tr("&Set their quantities to the file's"), quantities);
    m_add = new QRadioButton(tr("&Add the file's quantities to theirs"), quantities);
    m_set->setChecked(true);
    choice->addWidget(m_set);
    choice->addWidget(m_add);
    layout->addWidget(quantities);
    connect(m_add, &QRadioButton::toggled, this, [this] { replan(); });

    if (places) {
        auto* form = new QFormLayout;
        m_dept = new QComboBox(this);
        m_store = new QComboBox(this);
        for (auto [box, names] : {std::pair{m_dept, departments}, std::pair{m_store, stores}}) {
            box->setEditable(true);
            box->addItems(names);
            box->setCurrentIndex(names.isEmpty() ? -1 : 0);
            connect(box, &QComboBox::currentTextChanged, this, [this] { replan(); });
        }
        form->addRow(tr("&Department of new items:"), m_dept);
        form->addRow(tr("S&tore of new items:"), m_store);
        layout->addLayout(form);
    }

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CImportDlg::reject);
    connect(m_skip, &QCheckBox::toggled, this, [this] { showPlan(); });
    layout->addWidget(buttons);
}

bool CImportDlg::progress(double done)
{
    m_progress->setValue(static_cast<int>(done * 1000));
    QApplication::processEvents();
    return !m_cancelled;
}

void CImportDlg::replan()
{
    if (m_busy) {
        return;
    }
    ImportPlan::Options options;
    options.quantities = m_add->isChecked() ? ImportPlan::Quantities::Add : ImportPlan::Quantities::Set;
    if (m_dept) {
        options.newDept = m_dept->currentText().trimmed();
        options.newStore = m_store->currentText().trimmed();
    }
    m_plan.reset();
    m_busy = true;
    m_cancelled = false;
    try {
        ImportPlan plan(m_connection, m_file, options, [this](double done) { return progress(done); });
        if (plan.cancelled()) {
            m_busy = false;
            QDialog::reject();
            return;
        }
        m_plan.emplace(std::move(plan));
    } catch (const CAdoException& error) {
        MessageService::showFailure(tr("The catalog cannot be read."), error.describe(), this);
    }
    m_busy = false;
    m_progress->setValue(0);
    showPlan();
}

void CImportDlg::showPlan()
{
    if (!m_plan) {
        m_summary->setText(tr("Nothing can be imported."));
        m_import->setEnabled(false);
        return;
    }
    m_summary->setText(m_plan->summary());
    m_refused->clear();
    for (const TransferFile::Problem& problem : m_plan->refused()) {
        m_refused->addItem(TransferFile::describe(problem.line, problem.reason));
    }
    const auto refused = static_cast<int>(m_plan->refused().size());
    m_refused->setVisible(refused > 0);
    m_skip->setVisible(refused > 0);
    m_skip->setText(refused == 1 ? tr("Import without the refused line")
                                 : tr("Import without the %1 refused lines").arg(refused));
    m_import->setEnabled(m_plan->writes() > 0 && (refused == 0 || m_skip->isChecked()));
}

void CImportDlg::accept()
{
    if (m_busy || !m_plan || !m_import->isEnabled()) {
        return;
    }
    write();
}

void CImportDlg::write()
{
    m_busy = true;
    m_cancelled = false;
    m_import->setEnabled(false);
    bool done = false;
    try {
        done = m_plan->apply(m_connection, m_historyName, [this](double share) { return progress(share); });
    } catch (const CAdoException& error) {
        m_busy = false;
        MessageService::showFailure(tr("The import could not be written; the catalog is as it was."), error.describe(),
                                    this);
        QDialog::reject();
        return;
    }
    m_busy = false;
    if (!done) {
        QDialog::reject();
        return;
    }
    m_written = m_plan->writes();
    QDialog::accept();
}

void CImportDlg::reject()
{
    // While the plan is made or written, Cancel stops it; the work then ends
    // the dialog itself.
    if (m_busy) {
        m_cancelled = true;
        return;
    }
    QDialog::reject();
}
