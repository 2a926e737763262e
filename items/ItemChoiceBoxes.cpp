#include "items/ItemChoiceBoxes.h"

#include "commands/FailureBox.h"
#include "controls/ComboLists.h"
#include "items/CItemDlg.h"
#include "items/ItemChoices.h"
#include "platform/NameFold.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

#include <QComboBox>
#include <QCoreApplication>

#include <utility>

ItemChoiceBoxes::ItemChoiceBoxes(CItemDlg& dialog)
    : m_dialog(dialog)
{
}

void ItemChoiceBoxes::fill()
{
    takeBoxTexts();
    ItemChoices lists;
    if (!readCatalogLists(lists)) {
        restoreBoxTexts();
        return;
    }
    fillBoxes(lists);
    selectValues();
}

void ItemChoiceBoxes::takeBoxTexts()
{
    m_dialog.m_itemName = m_dialog.nameBox().currentText();
    m_dialog.m_dept = m_dialog.deptBox().currentText();
    m_dialog.m_store = m_dialog.storeBox().currentText();
    m_dialog.m_unit = m_dialog.unitBox().currentText();
    QComboBox* const boxes[] = {&m_dialog.deptBox(), &m_dialog.nameBox(), &m_dialog.storeBox(), &m_dialog.unitBox()};
    for (QComboBox* box : boxes) {
        box->clear();
    }
}

void ItemChoiceBoxes::restoreBoxTexts()
{
    ComboLists::setBoxText(m_dialog.nameBox(), m_dialog.m_itemName);
    ComboLists::setBoxText(m_dialog.deptBox(), m_dialog.m_dept);
    ComboLists::setBoxText(m_dialog.storeBox(), m_dialog.m_store);
    ComboLists::setBoxText(m_dialog.unitBox(), m_dialog.m_unit);
}

bool ItemChoiceBoxes::readCatalogLists(ItemChoices& lists)
{
    const QString cannotOpen = QCoreApplication::translate("CItemDlg", "Could not open database");
    try {
        CAdoConnection connection(true);
        if (connection.Open(Catalog::devicePath()) != 0) {
            MessageService::showFailure(cannotOpen, connection.lastError(), &m_dialog);
            return false;
        }
        const bool read = lists.read(connection);
        connection.Close();
        if (!read) {
            MessageService::show(cannotOpen, MessageService::Buttons::Ok, &m_dialog);
            return false;
        }
    } catch (const CAdoException& error) {
        FailureBox::show(error, &m_dialog);
        return false;
    }
    return true;
}

void ItemChoiceBoxes::fillBoxes(ItemChoices& lists)
{
    QComboBox& names = m_dialog.nameBox();
    ComboLists::fillSorted(names, lists.names);
    ComboLists::fillSorted(m_dialog.storeBox(), lists.stores);
    ComboLists::fillSorted(m_dialog.deptBox(), lists.depts);
    ComboLists::fillSorted(m_dialog.unitBox(), lists.units);

    if (ComboLists::findExactNoCase(names, m_dialog.m_itemName) < 0) {
        ComboLists::insertSorted(names, m_dialog.m_itemName, m_dialog.m_reservedId);
    } else {
        const int index = ComboLists::findPrefix(names, m_dialog.m_itemName, 0);
        if (index >= 0) {
            names.setCurrentIndex(index);
        }
    }
}

void ItemChoiceBoxes::selectValues()
{
    const std::pair<QComboBox*, const QString*> values[] = {{&m_dialog.nameBox(), &m_dialog.m_itemName},
                                                            {&m_dialog.deptBox(), &m_dialog.m_dept},
                                                            {&m_dialog.storeBox(), &m_dialog.m_store},
                                                            {&m_dialog.unitBox(), &m_dialog.m_unit}};
    for (const auto& [box, value] : values) {
        // Every entry begins with the empty text; an empty value is left for
        // the user to fill rather than given the first entry of the list.
        const int index = value->isEmpty() ? -1 : ComboLists::findPrefix(*box, *value, -1);
        if (index >= 0) {
            box->setCurrentIndex(index);
        } else {
            box->setCurrentIndex(-1);
            ComboLists::setBoxText(*box, *value);
        }
    }
    // A department, unit or store typed in part moves on to the next entry
    // that begins with it, searching from the second entry and coming back
    // to the first last. A value that is an entry of its own, and an empty
    // one, stay as they are.
    for (const auto& [box, value] : {values[1], values[2], values[3]}) {
        if (value->isEmpty() || NameFold::equal(box->currentText(), *value)) {
            continue;
        }
        const int index = ComboLists::findPrefix(*box, *value, 0);
        if (index >= 0) {
            box->setCurrentIndex(index);
        }
    }
}
