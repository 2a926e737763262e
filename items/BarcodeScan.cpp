#include "items/BarcodeScan.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "items/CBarcodeChooserDlg.h"
#include "items/ItemSaveFlow.h"
#include "list/ItemChanges.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/SoundService.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/journal/JournalAction.h"

BarcodeScan::BarcodeScan(IListWindow& window)
    : m_window(window)
{
}

QStringList BarcodeScan::itemNames(CAdoConnection& connection)
{
    QStringList names;
    CAdoCommand select(connection, QStringLiteral("SELECT ItemName FROM ShoppingLists ORDER BY ItemName"));
    while (select.next()) {
        names << select.value(0).toText();
    }
    return names;
}

QString BarcodeScan::refusedMessage(const QString& reason)
{
    return tr("The scanned code was not taken. %1").arg(reason);
}

void BarcodeScan::take(const QString& text)
{
    // The scanned text itself is not shown: it may be anything at all.
    const Barcode code = Barcode::parse(text);
    if (!code.valid()) {
        MessageService::show(refusedMessage(code.refusal()), MessageService::Buttons::Ok, m_window.widget());
        return;
    }
    CAdoConnection& connection = m_window.connection();
    if (!Barcodes::tableUsable(connection)) {
        MessageService::show(Barcodes::noTableMessage(), MessageService::Buttons::Ok, m_window.widget());
        return;
    }
    const qint64 id = Barcodes::itemOf(connection, code);
    if (id == 0) {
        chooseItem(code);
        return;
    }
    addOne(id);
}

void BarcodeScan::chooseItem(const Barcode& code)
{
    CAdoConnection& connection = m_window.connection();
    CBarcodeChooserDlg dialog(code.key(), itemNames(connection), m_window.widget());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (dialog.choice() == CBarcodeChooserDlg::Choice::NewItem) {
        ItemSaveFlow(m_window).NewItem(QString(), {code.key()});
        return;
    }
    CAdoCommand select(connection, QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = ?"));
    select.bind(1, dialog.chosenName());
    const qint64 id = select.next() ? select.integer(0) : 0;
    select.reset();
    if (id == 0) {
        return;
    }
    JournalAction action(connection, QStringLiteral("Barcode for ") + dialog.chosenName());
    Barcodes::attach(connection, action, code, id);
    action.commit();
    addOne(id);
}

void BarcodeScan::addOne(qint64 id)
{
    int stored = 0;
    ItemChanges::stepQuantity(m_window.connection(), static_cast<int>(id), 1, stored);
    SoundService::play(QStringLiteral("\\WINDOWS\\MENUPOP.WAV"));
    m_window.RebuildList();
    m_window.list().selectItem(static_cast<int>(id));
}
