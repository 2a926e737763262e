#pragma once

#include "list/ListStatement.h"

#include <QPoint>
#include <QTimer>
#include <QTreeView>

#include <array>
#include <functional>

class CRegistry;
class ItemListModel;
class QMenu;

// The item list of the main window: a report-style list of the catalog rows
// that the main window fills. A press on a row selects it at once; holding
// the press still (or a right click, or the menu key) opens the item menu; a
// double click runs the action of the double-click setting.
//
// Commands that the control raises (keys, menu entries, the icon tap, the
// double click) leave it through commandRequested(); the main window routes
// them.
class CItemListCtrl : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = ListStatement::ColumnCount;
    static constexpr int QuantityColumn = 1;
    static constexpr int PriceColumn = 4;
    // Left part of a row, in handheld pixels, where a tap marks the item.
    static constexpr int IconTapWidth = 23;
    static constexpr int HoldMilliseconds = 500;
    // How far below a long press the item menu opens, in handheld pixels.
    static constexpr int MenuDrop = 50;

    explicit CItemListCtrl(QWidget* parent);

    ItemListModel& items() const { return *m_model; }

    // What a double click does, asked at the moment of the double click:
    // 0 edit, 1 mark/unmark, anything else nothing. Without it, mark/unmark.
    void setDoubleClickAction(std::function<int()> action) { m_doubleClickAction = std::move(action); }

    // Redraw switch of the list: rows inserted while it is off reach the view
    // in one go when it is switched back on.
    void setRedraw(bool on);
    void deleteAllItems();
    int insertItem(int row, const QString& text, int image);
    // Every row of the list: rows not yet read are read first.
    int itemCount() const;
    // Whether the list has that row, reading rows up to it when needed.
    bool hasRow(int row) const;
    void setItemText(int row, int column, const QString& text);
    QString itemText(int row, int column) const;
    void setItemData(int row, int id);
    int itemData(int row) const;
    void setItemImage(int row, int image);
    int itemImage(int row) const;

    // The row the commands act on; -1 when there is none.
    int selectionMark() const;
    void setSelectionMark(int row);
    // Selects the row, makes it the selection mark and scrolls it into view.
    void selectRow(int row);
    // The item data of the selection mark's row; 0 when there is none.
    int markedItem() const;
    // Selects the row whose item data is id as selectRow does; false, and
    // nothing changed, when no row has it.
    bool selectItem(int id);

    void insertColumn(int column, const QString& heading);
    // The user's widths, in handheld pixels: what the settings keep. On screen
    // the quantity column is as wide as its numbers need and the others share
    // the rest of the list's width in these proportions, so that all five fit
    // without a horizontal scroll bar whatever the window's size.
    void setColumnWidthHandheld(int column, int width);
    int columnWidthHandheld(int column) const;
    // The five columns with their headings, each as wide as its setting
    // "Col<column>"; a missing setting gets the column's default width,
    // which is stored.
    void MakeColumns(const CRegistry& registry);
    // Each column's width as the setting "Col<column>".
    void saveColumnWidths(const CRegistry& registry) const;

    // Routes a command sent to the control on to the main window: Clear List,
    // Edit Item and About travel on unchanged.
    void sendCommand(int commandId) { Q_EMIT commandRequested(commandId); }

    // The item menu's entries, as (command id, text), in order.
    static QList<QPair<int, QString>> menuEntries();

    // One line drawn in the middle of the list while it has no rows; empty
    // for none.
    void setEmptyText(const QString& text)
    {
        if (text != m_emptyText) {
            m_emptyText = text;
            viewport()->update();
        }
    }
    const QString& emptyText() const { return m_emptyText; }

    // Whether rows may carry the cheaper-elsewhere mark beside their price:
    // the price column then has room for both.
    void setPriceMarksShown(bool on);

Q_SIGNALS:
    void commandRequested(int commandId);
    void headerTapped(int column);
    // The menu is about to open (tests use it to answer the menu).
    void itemMenuAboutToShow(QMenu* menu);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void openItemMenu(const QPoint& viewportPos, bool belowFinger);
    void fitColumns();
    void keepHeadingsWhole(std::array<int, ColumnCount>& widths) const;
    // The width the quantity column's heading and numbers need.
    int quantityColumnWidth() const;
    // How much wider the widest price is in the locale's form than in
    // English; 0 in English.
    int priceExtraWidth() const;
    // The width the widest price needs, in the locale's form, with its mark
    // where marks are shown.
    int priceColumnWidth() const;
    void onSectionResized(int column, int newSize);

    std::function<int()> m_doubleClickAction;
    ItemListModel* m_model;
    QTimer m_holdTimer;
    QPoint m_pressPos;
    bool m_pressOnRow = false;
    bool m_menuShown = false;
    // Set by a double click until its release: that release is part of the
    // same user action and marks nothing of its own.
    bool m_doubleClickRelease = false;
    std::array<int, ColumnCount> m_storedWidths{};
    // Desktop pixels per handheld pixel of the stored widths, as last fitted.
    double m_fitScale = 0.0;
    // What the price column has beyond its share of the stored widths.
    int m_priceExtra = 0;
    bool m_priceMarks = false;
    bool m_fitting = false;
    QString m_emptyText;
};
