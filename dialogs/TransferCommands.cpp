#include "dialogs/TransferCommands.h"

#include "commands/IListWindow.h"
#include "dialogs/CColumnMapDlg.h"
#include "dialogs/CImportDlg.h"
#include "list/ViewState.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/MessageService.h"
#include "store/catalog/DistinctNames.h"
#include "transfer/CatalogExport.h"
#include "transfer/ColumnMapping.h"
#include "transfer/TransferReader.h"

#include <QFileDialog>
#include <QFileInfo>

namespace
{
TransferCommands::Chooser& chooser()
{
    static TransferCommands::Chooser instance;
    return instance;
}

QString choose(QWidget* parent, bool save)
{
    if (chooser()) {
        return chooser()(save);
    }
    const QString filters = save ? TransferCommands::tr("CSV (*.csv);;JSON (*.json)")
                                 : TransferCommands::tr("Lists (*.csv *.json *.txt *.md);;All files (*)");
    return save ? QFileDialog::getSaveFileName(parent, TransferCommands::tr("Export"), QStringLiteral("catalog.csv"),
                                               filters)
                : QFileDialog::getOpenFileName(parent, TransferCommands::tr("Import"), QString(), filters);
}

} // namespace

TransferCommands::TransferCommands(IListWindow& window)
    : m_window(window)
{
}

void TransferCommands::setChooser(Chooser newChooser)
{
    chooser() = std::move(newChooser);
}

void TransferCommands::Export()
{
    QString path = choose(m_window.widget(), true);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    CatalogExport::Result result;
    {
        WaitCursorScope wait;
        result = CatalogExport::write(m_window.connection(), path, CatalogExport::formatFor(path));
    }
    if (!result.written) {
        MessageService::showFailure(tr("The catalog was not exported."), result.error, m_window.widget());
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const QString told = result.items == 1 ? tr("1 item exported to %1.").arg(name)
                                           : tr("%1 items exported to %2.").arg(QString::number(result.items), name);
    MessageService::show(told, MessageService::Buttons::Ok, m_window.widget());
}

void TransferCommands::Import()
{
    const QString path = choose(m_window.widget(), false);
    if (path.isEmpty()) {
        return;
    }
    TransferFile file;
    {
        WaitCursorScope wait;
        file = TransferReader::readFile(path);
    }
    if (file.needsMapping()) {
        // A spreadsheet's own columns: the user says which is which.
        CColumnMapDlg mapping(QFileInfo(path).fileName(), file.header, file.sample, m_window.widget());
        if (mapping.exec() != QDialog::Accepted) {
            return;
        }
        const ColumnMapping chosen = mapping.mapping();
        WaitCursorScope wait;
        file = TransferReader::readFile(path, {}, &chosen);
    }
    if (!file.readable()) {
        MessageService::show(tr("%1 cannot be imported.\n%2")
                                 .arg(QFileInfo(path).fileName(), TransferFile::describe(file.errorLine, file.error)),
                             MessageService::Buttons::Ok, m_window.widget());
        return;
    }
    // A list or a spreadsheet may leave out where new items go; a catalog file says.
    const bool places = file.format == TransferFile::Format::PlainText || file.format == TransferFile::Format::Mapped;
    preview(std::move(file), QFileInfo(path).fileName(), places);
}

void TransferCommands::PasteList()
{
    const QString text = Clipboard::text();
    TransferFile file = TransferReader::readPlain(text);
    if (file.records.empty() && file.refused.empty()) {
        MessageService::show(tr("The clipboard holds no list to paste: copy some lines, one item each, "
                                "then choose Paste List again."),
                             MessageService::Buttons::Ok, m_window.widget());
        return;
    }
    preview(std::move(file), tr("the clipboard"), true, QStringLiteral("the clipboard"));
}

void TransferCommands::preview(TransferFile file, const QString& sourceName, bool places, const QString& historyName)
{
    CAdoConnection& connection = m_window.connection();
    std::optional<CImportDlg::Places> where;
    if (places) {
        // New names go to the store of the tab shown, and to the department
        // the list is filtered by; the user sees both before anything is written.
        DistinctNames inUse(connection);
        where = CImportDlg::Places{
            inUse.names(DistinctNames::Column::Dept), inUse.names(DistinctNames::Column::Store), {}, {}};
        const ViewState& view = m_window.view();
        where->store = !view.allStoresShown() ? view.currentStore : where->stores.value(0);
        where->dept = view.deptText != ViewState::allItems() ? view.deptText : QString();
    }
    CImportDlg dialog(connection, std::move(file), sourceName, where, m_window.widget());
    if (!historyName.isEmpty()) {
        dialog.setHistoryName(historyName);
    }
    if (dialog.result() == QDialog::Rejected && !dialog.plan()) {
        return; // the plan could not be made; the user was told
    }
    dialog.exec();
    if (dialog.written() > 0) {
        m_window.CatalogChanged();
    }
}
