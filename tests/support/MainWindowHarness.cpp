#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"

#include <QApplication>
#include <QTest>

MainWindowHarness::MainWindowHarness()
{
    m_app.LoadSettings();
    m_app.CreateListFont();
    m_window = std::make_unique<CMainDlg>(m_app);
    m_window->show();
    QApplication::processEvents();
}

MainWindowHarness::~MainWindowHarness()
{
    m_window->hide();
    m_window.reset();
    QApplication::processEvents();
}

QStringList MainWindowHarness::column(int column) const
{
    QStringList texts;
    const CItemListCtrl& list = m_window->list();
    for (int row = 0; row < list.itemCount(); ++row) {
        texts << list.itemText(row, column);
    }
    return texts;
}

void MainWindowHarness::clickRow(int row)
{
    CItemListCtrl& list = m_window->list();
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center() + QPoint(30, 0));
}
