#include "FakeListWindow.h"

#include "CatalogSeed.h"

#include "controls/CItemListCtrl.h"

#include <gtest/gtest.h>

FakeListWindow::FakeListWindow()
    : m_connection(true)
    , m_list(new CItemListCtrl(&m_widget))
{
    // A test whose catalog cannot be opened fails on its first command.
    if (m_connection.Open(CatalogSeed::path()) != 0) {
        ADD_FAILURE() << "the test catalog cannot be opened: " << m_connection.lastError().toStdString();
    }
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
