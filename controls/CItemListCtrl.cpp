#include "controls/CItemListCtrl.h"

#include "controls/ColumnShares.h"
#include "controls/ItemListModel.h"
#include "platform/CRegistry.h"
#include "platform/Money.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/DialogUnits.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace
{
struct ColumnSpec
{
    const char* heading;
    int defaultWidth;
};
constexpr ColumnSpec kColumns[CItemListCtrl::ColumnCount] = {
    {QT_TRANSLATE_NOOP("CItemListCtrl", "Item"), 88},  {QT_TRANSLATE_NOOP("CItemListCtrl", "Q"), 23},
    {QT_TRANSLATE_NOOP("CItemListCtrl", "Unit"), 35},  {QT_TRANSLATE_NOOP("CItemListCtrl", "Dept"), 41},
    {QT_TRANSLATE_NOOP("CItemListCtrl", "Price"), 35},
};
} // namespace

CItemListCtrl::CItemListCtrl(QWidget* parent)
    : QTreeView(parent)
    , m_model(new ItemListModel(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(DialogUnits::px(16), DialogUnits::px(16)));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setHighlightSections(false);
    // The window sets which heading the list sorts by; the list itself never
    // sorts.
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int section) { Q_EMIT headerTapped(section); });
    // A double click on a divider leaves the width alone (the tree view would
    // size the column to its contents).
    disconnect(header(), &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    connect(header(), &QHeaderView::sectionResized, this,
            [this](int column, int, int newSize) { onSectionResized(column, newSize); });

    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(HoldMilliseconds);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] { openItemMenu(m_pressPos, true); });
}

void CItemListCtrl::setRedraw(bool on)
{
    m_model->setRedraw(on);
}

void CItemListCtrl::deleteAllItems()
{
    m_model->clear();
}

int CItemListCtrl::insertItem(int row, const QString& text, int image)
{
    return m_model->insertItem(row, text, image);
}

int CItemListCtrl::itemCount() const
{
    m_model->fetchAll();
    return m_model->rowCount();
}

bool CItemListCtrl::hasRow(int row) const
{
    return row >= 0 && m_model->fetchUpTo(row);
}

void CItemListCtrl::setItemText(int row, int column, const QString& text)
{
    m_model->setText(row, column, text);
}

QString CItemListCtrl::itemText(int row, int column) const
{
    return m_model->text(row, column);
}

void CItemListCtrl::setItemData(int row, int id)
{
    m_model->setId(row, id);
}

int CItemListCtrl::itemData(int row) const
{
    return m_model->id(row);
}

void CItemListCtrl::setItemImage(int row, int image)
{
    m_model->setImage(row, image);
}

int CItemListCtrl::itemImage(int row) const
{
    return m_model->image(row);
}

int CItemListCtrl::selectionMark() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CItemListCtrl::setSelectionMark(int row)
{
    if (m_model->isValidRow(row)) {
        selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
    }
}

void CItemListCtrl::selectRow(int row)
{
    if (!m_model->isValidRow(row)) {
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

int CItemListCtrl::markedItem() const
{
    const int row = selectionMark();
    return m_model->isValidRow(row) ? itemData(row) : 0;
}

bool CItemListCtrl::selectItem(int id)
{
    for (int row = 0; id != 0 && hasRow(row); ++row) {
        if (itemData(row) == id) {
            selectRow(row);
            return true;
        }
    }
    return false;
}

void CItemListCtrl::insertColumn(int column, const QString& heading)
{
    m_model->setHeading(column, heading);
}

void CItemListCtrl::setColumnWidthHandheld(int column, int width)
{
    if (column < 0 || column >= ColumnCount) {
        return;
    }
    m_storedWidths[static_cast<std::size_t>(column)] = std::max(width, 0);
    fitColumns();
}

int CItemListCtrl::columnWidthHandheld(int column) const
{
    return column >= 0 && column < ColumnCount ? m_storedWidths[static_cast<std::size_t>(column)] : 0;
}

void CItemListCtrl::MakeColumns(const CRegistry& registry)
{
    for (int column = 0; column < ColumnCount; ++column) {
        insertColumn(column, tr(kColumns[column].heading));
    }
    for (int column = 0; column < ColumnCount; ++column) {
        const QString name = QStringLiteral("Col%1").arg(column);
        int width = registry.GetDword(name);
        if (width < 0) {
            width = kColumns[column].defaultWidth;
            registry.SetDword(name, width);
        }
        setColumnWidthHandheld(column, width);
    }
}

void CItemListCtrl::saveColumnWidths(const CRegistry& registry) const
{
    for (int column = 0; column < ColumnCount; ++column) {
        registry.SetDword(QStringLiteral("Col%1").arg(column), columnWidthHandheld(column));
    }
}

int CItemListCtrl::quantityColumnWidth() const
{
    // A quantity has at most three digits here; its heading may be wider.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + DialogUnits::px(4);
    return std::max(header()->sectionSizeHint(QuantityColumn),
                    fontMetrics().horizontalAdvance(QStringLiteral("999")) + margin);
}

int CItemListCtrl::priceExtraWidth() const
{
    // The widest price an item may have, in the locale's form against the
    // program's long-standing English one.
    const int extra = fontMetrics().horizontalAdvance(Money::cell(999.99))
                      - fontMetrics().horizontalAdvance(QStringLiteral("999.99"));
    return std::max(extra, 0);
}

int CItemListCtrl::priceColumnWidth() const
{
    // The item views' text margin on either side; the same around the mark.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int mark = m_priceMarks ? ItemListModel::cheaperMark().deviceIndependentSize().toSize().width() + margins : 0;
    return fontMetrics().horizontalAdvance(Money::cell(999.99)) + margins + mark;
}

void CItemListCtrl::setPriceMarksShown(bool on)
{
    if (on != m_priceMarks) {
        m_priceMarks = on;
        fitColumns();
    }
}

void CItemListCtrl::fitColumns()
{
    // The quantity column is as wide as its content needs; the others share
    // the rest in the proportions of their stored widths.
    const int quantity = quantityColumnWidth();
    int total = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        total += column == QuantityColumn ? 0 : m_storedWidths[static_cast<std::size_t>(column)];
    }
    int available = std::max(viewport()->width() - quantity, 0);
    m_fitScale = total > 0 && available > 0 ? static_cast<double>(available) / total : DialogUnits::scale();
    // A price in a form wider than the English one (a symbol after the
    // figure, "19,96 \u20ac") would be cut off where the English fits: the
    // price column is as wide as in English plus the difference, and at
    // least as wide as the widest price needs; the others share what is
    // left. English keeps its widths exactly.
    const int storedPrice = m_storedWidths[static_cast<std::size_t>(PriceColumn)];
    int price = -1;
    m_priceExtra = priceExtraWidth();
    if (m_priceExtra > 0 && total > storedPrice && available > 0) {
        const int english = available - static_cast<int>(std::lround((total - storedPrice) * m_fitScale));
        price = std::min(std::max(english + m_priceExtra, priceColumnWidth()), available);
        m_priceExtra = price - english;
        total -= storedPrice;
        available -= price;
        m_fitScale = available > 0 ? static_cast<double>(available) / total : m_fitScale;
    }
    // Column edges are rounded, not widths, so the five add up to the list's
    // width exactly.
    std::array<int, ColumnCount> widths{};
    int stored = 0;
    int left = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        if (column == QuantityColumn || (column == PriceColumn && price >= 0)) {
            widths[static_cast<std::size_t>(column)] = column == QuantityColumn ? quantity : price;
            continue;
        }
        stored += m_storedWidths[static_cast<std::size_t>(column)];
        const int right = static_cast<int>(std::lround(stored * m_fitScale));
        widths[static_cast<std::size_t>(column)] = right - left;
        left = right;
    }
    keepHeadingsWhole(widths);
    m_fitting = true;
    for (int column = 0; column < ColumnCount; ++column) {
        setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    }
    m_fitting = false;
}

void CItemListCtrl::keepHeadingsWhole(std::array<int, ColumnCount>& widths) const
{
    // A heading that a language makes wider than its column's share ("Unidad"
    // where "Unit" fits) takes the room from the columns with the most to
    // spare beyond their own headings; the list's width stays the same.
    // The heading's text and the header's margins; the sort mark may take
    // some of that, as it does in English.
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
    std::array<int, ColumnCount> needs{};
    for (std::size_t column = 0; column < needs.size(); ++column) {
        const QString heading = model()->headerData(static_cast<int>(column), Qt::Horizontal).toString();
        needs[column] = header()->fontMetrics().horizontalAdvance(heading) + margins;
    }
    if (m_priceMarks) {
        needs[PriceColumn] = std::max(needs[PriceColumn], priceColumnWidth());
    }
    ColumnShares::giveEachItsNeed(widths, needs);
}

void CItemListCtrl::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitColumns();
    }
}

void CItemListCtrl::onSectionResized(int column, int newSize)
{
    // A divider dragged by the user: the new width joins the stored
    // proportions. The others keep theirs until the list is next fitted.
    if (m_fitting || column < 0 || column >= ColumnCount || column == QuantityColumn || m_fitScale <= 0.0) {
        return;
    }
    const int share = newSize - (column == PriceColumn ? m_priceExtra : 0);
    m_storedWidths[static_cast<std::size_t>(column)] = static_cast<int>(std::lround(std::max(share, 0) / m_fitScale));
}

void CItemListCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    fitColumns();
}

QList<QPair<int, QString>> CItemListCtrl::menuEntries()
{
    return {
        {CommandId::EditItem, tr("&Edit")},          {CommandId::Check, tr("C&heck")},
        {CommandId::AddOne, QStringLiteral("&+ 1")}, {CommandId::SubtractOne, QStringLiteral("- 1")},
        {CommandId::DeleteItem, tr("&Delete item")}, {CommandId::CopyList, tr("C&opy list to clipboard")},
    };
}

void CItemListCtrl::mousePressEvent(QMouseEvent* event)
{
    m_menuShown = false;
    m_doubleClickRelease = false;
    const QModelIndex hit = indexAt(event->position().toPoint());
    m_pressOnRow = hit.isValid();
    if (!m_pressOnRow) {
        // A press on the empty area neither selects nor clears anything.
        event->accept();
        return;
    }
    selectRow(hit.row());
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::RightButton) {
        openItemMenu(event->position().toPoint(), false);
        event->accept();
        return;
    }
    m_pressPos = event->position().toPoint();
    m_holdTimer.start();
    QTreeView::mousePressEvent(event);
}

void CItemListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_holdTimer.isActive()
        && (event->position().toPoint() - m_pressPos).manhattanLength() > QApplication::startDragDistance()) {
        m_holdTimer.stop();
    }
    QTreeView::mouseMoveEvent(event);
}

void CItemListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_holdTimer.stop();
    const bool endsDoubleClick = std::exchange(m_doubleClickRelease, false);
    if (m_menuShown || !m_pressOnRow) {
        m_menuShown = false;
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
    if (!endsDoubleClick && event->button() == Qt::LeftButton
        && event->position().x() < DialogUnits::px(IconTapWidth)) {
        Q_EMIT commandRequested(CommandId::Check);
    }
}

void CItemListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_holdTimer.stop();
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (!hit.isValid() || event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // The second tap is a press too: the row is selected whatever follows.
    selectRow(hit.row());
    m_doubleClickRelease = true;
    // A store tab's price is corrected where it stands.
    if (hit.column() == ItemListModel::PriceColumn && (model()->flags(hit) & Qt::ItemIsEditable)) {
        edit(hit);
        event->accept();
        return;
    }
    // On the mark box the first tap has already marked: a double click there
    // is one action and marks once.
    const bool onMarkBox = event->position().x() < DialogUnits::px(IconTapWidth);
    switch (m_doubleClickAction ? m_doubleClickAction() : 1) {
    case 0:
        Q_EMIT commandRequested(CommandId::EditItem);
        break;
    case 1:
        if (!onMarkBox) {
            Q_EMIT commandRequested(CommandId::Check);
        }
        break;
    default:
        break;
    }
    event->accept();
}

void CItemListCtrl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Plus:
        // The plus and minus keys, of the main keyboard or the keypad, do
        // what the toolbar's buttons do.
        Q_EMIT commandRequested(CommandId::AddOne);
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        Q_EMIT commandRequested(CommandId::SubtractOne);
        event->accept();
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The handheld's action key.
        Q_EMIT commandRequested(CommandId::Check);
        event->accept();
        return;
    default:
        QTreeView::keyPressEvent(event);
    }
}

void CItemListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // Only the keyboard's menu key arrives here: mouse presses open the menu
    // themselves.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const int row = selectionMark();
        if (row >= 0) {
            const QRect rect = visualRect(m_model->index(row, 0));
            openItemMenu(rect.bottomLeft(), false);
        }
    }
    event->accept();
}

void CItemListCtrl::openItemMenu(const QPoint& viewportPos, bool belowFinger)
{
    m_menuShown = true;
    QMenu menu(this);
    for (const auto& [commandId, text] : menuEntries()) {
        QAction* action = menu.addAction(text);
        const int id = commandId;
        connect(action, &QAction::triggered, this, [this, id] { Q_EMIT commandRequested(id); });
    }
    Q_EMIT itemMenuAboutToShow(&menu);
    // After a long press, well below the press point, so that the finger
    // does not cover the first entries; a mouse or the menu key opens it
    // where it points.
    const QPoint drop(0, belowFinger ? DialogUnits::px(MenuDrop) : 0);
    menu.exec(viewport()->mapToGlobal(viewportPos + drop));
}

void CItemListCtrl::paintEvent(QPaintEvent* event)
{
    QTreeView::paintEvent(event);
    if (m_emptyText.isEmpty() || itemCount() > 0) {
        return;
    }
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const QRect area = viewport()->rect().adjusted(8, 8, -8, -8);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
}
