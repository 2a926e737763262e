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
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

CImportDlg::CImportDlg(CAdoConnection& connection, TransferFile file, const QString& sourceName,
                       const std::optional<Places>& places, QWidget* parent)
    : QDialog(parent)
    , m_connection(connection)
    , m_file(std::move(file))
    , m_sourceName(sourceName)
    , m_historyName(sourceName)
{
    setWindowTitle(tr("Import"));
    buildLayout(places);
    replan();
}

void CImportDlg::buildLayout(const std::optional<Places>& places)
{
    auto* layout = new QVBoxLayout(this);
    setMinimumWidth(520);
    auto* title =
        new QLabel(tr("Import from %1 (%2)").arg(m_sourceName, TransferFile::formatName(m_file.format)), this);
    title->setTextFormat(Qt::PlainText);
    layout->addWidget(title);
    // Where new names go is asked first, before anything is written.
    if (places) {
        buildPlaces(*places, layout);
    }
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("planSearch"));
    m_search->setPlaceholderText(tr("Search the items"));
    m_search->setClearButtonEnabled(true);
    layout->addWidget(m_search);
    m_lines = new QListWidget(this);
    m_lines->setObjectName(QStringLiteral("planLines"));
    m_lines->setWordWrap(true);
    m_lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_lines, 2);
    connect(m_search, &QLineEdit::textChanged, this, &CImportDlg::filterLines);
    connect(m_lines, &QListWidget::itemChanged, this, &CImportDlg::lineTicked);
    m_refused = new QListWidget(this);
    m_refused->setObjectName(QStringLiteral("refusedLines"));
    m_refused->setWordWrap(true);
    m_refused->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_refused, 1);
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

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CImportDlg::reject);
    connect(m_skip, &QCheckBox::toggled, this, [this] { showCounts(); });
    layout->addWidget(buttons);
}

void CImportDlg::buildPlaces(const Places& places, QVBoxLayout* layout)
{
    auto* form = new QFormLayout;
    m_dept = new QComboBox(this);
    m_store = new QComboBox(this);
    const std::pair<QComboBox*, const QStringList*> boxes[] = {{m_dept, &places.departments},
                                                               {m_store, &places.stores}};
    for (const auto& [box, names] : boxes) {
        box->setEditable(true);
        box->addItems(*names);
    }
    m_dept->setCurrentText(places.dept);
    m_store->setCurrentText(places.store);
    for (QComboBox* box : {m_dept, m_store}) {
        connect(box, &QComboBox::currentTextChanged, this, [this] { replan(); });
    }
    form->addRow(tr("&Department of new items:"), m_dept);
    form->addRow(tr("S&tore of new items:"), m_store);
    layout->addLayout(form);
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
        for (size_t i = 0; i < m_plan->items().size(); ++i) {
            if (m_ticked.contains(m_plan->items()[i].line)) {
                m_plan->choose(i, true);
            }
        }
    } catch (const CAdoException& error) {
        MessageService::showFailure(tr("The catalog cannot be read."), error.describe(), this);
    }
    m_busy = false;
    m_progress->setValue(0);
    showPlan();
}

void CImportDlg::showPlan()
{
    {
        const QSignalBlocker quiet(m_lines);
        m_lines->clear();
        if (m_plan) {
            for (const size_t index : m_plan->shownOrder()) {
                const ImportPlan::Item& item = m_plan->items()[index];
                auto* row = new QListWidgetItem(ImportPlan::describe(item), m_lines);
                row->setData(Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(index)));
                if (!item.doubt.isEmpty()) {
                    row->setFlags(item.fixed ? Qt::ItemFlags(Qt::NoItemFlags)
                                             : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                    row->setCheckState(item.chosen ? Qt::Checked : Qt::Unchecked);
                }
            }
        }
    }
    filterLines(m_search->text());
    m_refused->clear();
    if (m_plan) {
        for (const TransferFile::Problem& problem : m_plan->refused()) {
            m_refused->addItem(TransferFile::describe(problem.line, problem.reason));
        }
    }
    showCounts();
}

void CImportDlg::showCounts()
{
    if (!m_plan) {
        m_summary->setText(tr("Nothing can be imported."));
        m_import->setEnabled(false);
        return;
    }
    m_summary->setText(m_plan->summary());
    const auto refused = static_cast<int>(m_plan->refused().size());
    m_refused->setVisible(refused > 0);
    m_skip->setVisible(refused > 0);
    m_skip->setText(refused == 1 ? tr("Import without the refused line")
                                 : tr("Import without the %1 refused lines").arg(refused));
    m_import->setEnabled(m_plan->writes() > 0 && (refused == 0 || m_skip->isChecked()));
}

void CImportDlg::filterLines(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int i = 0; i < m_lines->count(); ++i) {
        QListWidgetItem* row = m_lines->item(i);
        row->setHidden(!wanted.isEmpty() && !row->text().contains(wanted, Qt::CaseInsensitive));
    }
}

void CImportDlg::lineTicked(QListWidgetItem* row)
{
    if (!m_plan || m_busy) {
        return;
    }
    const auto index = static_cast<size_t>(row->data(Qt::UserRole).toULongLong());
    const bool chosen = row->checkState() == Qt::Checked;
    m_plan->choose(index, chosen);
    const int line = m_plan->items()[index].line;
    if (chosen) {
        m_ticked.insert(line);
    } else {
        m_ticked.remove(line);
    }
    showCounts();
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
