#include "controls/ItemListModel.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <iterator>

ItemListModel::ItemListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    m_backgroundFetch.setInterval(0);
    connect(&m_backgroundFetch, &QTimer::timeout, this, [this] { fetchChunk(ChunkRows); });
    m_askedFetch.setInterval(0);
    m_askedFetch.setSingleShot(true);
    connect(&m_askedFetch, &QTimer::timeout, this, [this] { fetchChunk(ChunkRows); });
}

bool ItemListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && feeding();
}

void ItemListModel::fetchMore(const QModelIndex& parent)
{
    // The rows come on the next turn of the event loop: a view may ask from
    // inside its handling of another change of this model.
    if (!parent.isValid() && feeding()) {
        m_askedFetch.start();
    }
}

void ItemListModel::setFeed(RowFeed feed, int firstRows)
{
    endFeed();
    m_feed = std::move(feed);
    m_fed = 0;
    fetchChunk(firstRows);
    if (feeding() && m_fetchInBackground) {
        m_backgroundFetch.start();
    }
}

void ItemListModel::setExpectedRowCount(int rows)
{
    m_pendingRows = feeding() ? std::max(0, rows - m_fed) : 0;
}

void ItemListModel::setFetchInBackground(bool on)
{
    m_fetchInBackground = on;
    if (!on) {
        m_backgroundFetch.stop();
    } else if (feeding()) {
        m_backgroundFetch.start();
    }
}

bool ItemListModel::fetchUpTo(int row)
{
    while (feeding() && !isValidRow(row)) {
        fetchChunk(std::max(ChunkRows, row + 1 - static_cast<int>(m_rows.size())));
    }
    return isValidRow(row);
}

void ItemListModel::fetchAll()
{
    while (feeding()) {
        fetchChunk(std::max(ChunkRows, m_pendingRows));
    }
}

const ItemListModel::Row& ItemListModel::markedRow(int row) const
{
    const auto at = static_cast<size_t>(row);
    if (!m_rows[at].marked && m_marker) {
        // A block of rows at a time: a view shows its rows together. The
        // rows are the model's own; only their marks change, as a view asks.
        constexpr size_t Block = 64;
        auto& rows = const_cast<std::vector<Row>&>(m_rows);
        const size_t first = at - at % Block;
        const size_t count = std::min(Block, rows.size() - first);
        m_marker(rows, first, count);
        for (size_t i = first; i < first + count; ++i) {
            rows[i].marked = true;
        }
    }
    return m_rows[at];
}

void ItemListModel::endFeed()
{
    ++m_feedGeneration;
    // The marker reads from the feed's connection.
    m_marker = nullptr;
    m_backgroundFetch.stop();
    m_askedFetch.stop();
    // The feed may hold an open statement: it ends here.
    m_feed = nullptr;
    m_pendingRows = 0;
}

void ItemListModel::fetchChunk(int limit)
{
    if (!feeding() || limit <= 0) {
        return;
    }
    std::vector<Row> read;
    read.reserve(static_cast<size_t>(limit));
    // The feed is moved out while it runs, so that nothing it sets off can
    // call it again; one that was replaced or ended meanwhile is done with.
    RowFeed feed = std::move(m_feed);
    m_feed = nullptr;
    const int generation = ++m_feedGeneration;
    const bool more = feed(read, limit);
    if (generation != m_feedGeneration) {
        return;
    }
    const int first = static_cast<int>(m_rows.size());
    const int added = static_cast<int>(read.size());
    m_fed += added;
    m_pendingRows = more ? std::max(0, m_pendingRows - added) : 0;
    if (more) {
        m_feed = std::move(feed);
    } else {
        m_backgroundFetch.stop();
    }
    if (added == 0) {
        return;
    }
    const bool notify = m_redrawOff == 0;
    if (notify) {
        beginInsertRows(QModelIndex(), first, first + added - 1);
    }
    m_rows.insert(m_rows.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    if (notify) {
        endInsertRows();
    }
}

int ItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isValidRow(index.row())) {
        return {};
    }
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row.cells[index.column()];
    case Qt::DecorationRole:
        if (index.column() == 0 && row.image >= 0 && row.image < static_cast<int>(m_stateImages.size())) {
            return m_stateImages[static_cast<size_t>(row.image)];
        }
        if (index.column() == PriceColumn && !markedRow(index.row()).cheaper.isEmpty()) {
            return cheaperMark();
        }
        return {};
    case Qt::ToolTipRole:
        if (index.column() != PriceColumn) {
            return {};
        }
        return markedRow(index.row()).cheaper.isEmpty() ? QVariant() : QVariant(row.cheaper);
    case Qt::ForegroundRole:
        // Marked rows (already in the basket) are drawn in light grey.
        return row.mark != 0 ? QBrush(QColor(204, 204, 204)) : QBrush(Qt::black);
    case Qt::UserRole:
        return row.id;
    default:
        return {};
    }
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return m_pricesEditable && index.column() == PriceColumn ? flags | Qt::ItemIsEditable : flags;
}

bool ItemListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role == Qt::EditRole && index.isValid() && isValidRow(index.row()) && index.column() == PriceColumn
        && m_pricesEditable && value.toString() != m_rows[static_cast<size_t>(index.row())].cells[PriceColumn]) {
        Q_EMIT priceEntered(index.row(), value.toString());
    }
    return false;
}

const QPixmap& ItemListModel::cheaperMark()
{
    // A small green arrow down, drawn once.
    static const QPixmap mark = [] {
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 140, 60));
        painter.drawPolygon(QPolygonF({QPointF(0, 1), QPointF(8, 1), QPointF(4, 7)}));
        return pixmap;
    }();
    return mark;
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount) {
        return m_headings[section];
    }
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

void ItemListModel::setRedraw(bool on)
{
    if (!on) {
        if (m_redrawOff++ == 0) {
            beginResetModel();
        }
        return;
    }
    if (m_redrawOff > 0 && --m_redrawOff == 0) {
        endResetModel();
    }
}

void ItemListModel::clear()
{
    endFeed();
    if (m_redrawOff == 0) {
        beginResetModel();
        m_rows.clear();
        endResetModel();
        return;
    }
    m_rows.clear();
}

void ItemListModel::reserve(int rows)
{
    m_rows.reserve(static_cast<size_t>(rows));
}

int ItemListModel::insertItem(int row, const QString& text, int image)
{
    const int count = static_cast<int>(m_rows.size());
    const int at = (row < 0 || row > count) ? count : row;
    if (m_redrawOff == 0) {
        beginInsertRows(QModelIndex(), at, at);
    }
    Row added;
    added.cells[0] = text;
    added.image = image;
    m_rows.insert(m_rows.begin() + at, std::move(added));
    if (m_redrawOff == 0) {
        endInsertRows();
    }
    return at;
}

bool ItemListModel::removeItem(int row)
{
    if (!isValidRow(row)) {
        return false;
    }
    if (m_redrawOff == 0) {
        beginRemoveRows(QModelIndex(), row, row);
    }
    m_rows.erase(m_rows.begin() + row);
    if (m_redrawOff == 0) {
        endRemoveRows();
    }
    return true;
}

void ItemListModel::changed(int row, int column)
{
    if (m_redrawOff == 0) {
        const QModelIndex first = index(row, column < 0 ? 0 : column);
        const QModelIndex last = index(row, column < 0 ? ColumnCount - 1 : column);
        Q_EMIT dataChanged(first, last);
    }
}

void ItemListModel::setText(int row, int column, const QString& text)
{
    if (isValidRow(row) && column >= 0 && column < ColumnCount) {
        m_rows[static_cast<size_t>(row)].cells[column] = text;
        changed(row, column);
    }
}

QString ItemListModel::text(int row, int column) const
{
    if (isValidRow(row) && column >= 0 && column < ColumnCount) {
        return m_rows[static_cast<size_t>(row)].cells[column];
    }
    return {};
}

void ItemListModel::setId(int row, int id)
{
    if (isValidRow(row)) {
        m_rows[static_cast<size_t>(row)].id = id;
    }
}

int ItemListModel::id(int row) const
{
    return isValidRow(row) ? m_rows[static_cast<size_t>(row)].id : 0;
}

void ItemListModel::setImage(int row, int image)
{
    if (isValidRow(row)) {
        m_rows[static_cast<size_t>(row)].image = image;
        changed(row, 0);
    }
}

int ItemListModel::image(int row) const
{
    return isValidRow(row) ? m_rows[static_cast<size_t>(row)].image : 0;
}

void ItemListModel::setMark(int row, int mark)
{
    if (isValidRow(row)) {
        m_rows[static_cast<size_t>(row)].mark = mark;
        changed(row, -1);
    }
}

int ItemListModel::mark(int row) const
{
    return isValidRow(row) ? m_rows[static_cast<size_t>(row)].mark : 0;
}

void ItemListModel::setHeading(int column, const QString& text)
{
    if (column >= 0 && column < ColumnCount) {
        m_headings[column] = text;
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    }
}

void ItemListModel::setStateImages(const std::vector<QPixmap>& images)
{
    m_stateImages = images;
}
