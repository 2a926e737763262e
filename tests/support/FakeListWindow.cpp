#include "FakeListWindow.h"

#include "CatalogSeed.h"

#include "controls/CItemListCtrl.h"

FakeListWindow::FakeListWindow()
    : m_connection(true)
    , m_list(new CItemListCtrl(&m_widget))
{
    m_connection.Open(CatalogSeed::path());
}

FakeListWindow::~FakeListWindow() = default;

void FakeListWindow::showRow(int id, const QString& name, int quantity)
{
    const int row = m_list->itemCount();
    m_list->insertItem(row, name, 0);
    m_list->setItemData(row, id);
    m_list->setItemText(row, 1, quantity == 0 ? QString() : QString::number(quantity));
    m_list->selectRow(row);
}
