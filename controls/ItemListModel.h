#pragma once

#include "list/ListStatement.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QTimer>

#include <functional>
#include <vector>

// The rows of the item list: five text cells, the catalog ID, the state
// image and the row mark of each row. Kept compact, since a store view of a
// large catalog holds one row per item.
//
// The rows may come from a feed that reads them as they are needed: the
// views fetch more as the user scrolls (canFetchMore/fetchMore), and what
// is left is read in the background, a chunk per turn of the event loop.
class ItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = ListStatement::ColumnCount;
    // Rows read per fetch once the first screen is shown.
    static constexpr int ChunkRows = 1000;
    // The column whose cell carries the cheaper-elsewhere mark.
    static constexpr int PriceColumn = 4;

    struct Row
    {
        QString cells[ColumnCount];
        int id = 0;
        int image = 0;
        int mark = 0;
        // Where the item is known to be cheaper: the price cell's tip and
        // mark. Empty for none.
        QString cheaper;
        // The item's own store and price, for its marks to be weighed against.
        QString store;
        double price = 0.0;
        // Whether the marker has looked at the row.
        bool marked = false;
    };
    // Appends up to limit rows to out; false once it has no more to give
    // (the rows of that last call still count). It is dropped then.
    using RowFeed = std::function<bool(std::vector<Row>& out, int limit)>;
    // Sets the cheaper-elsewhere tips of rows [first, first + count): called
    // for the rows around one a view first shows, so that a long list does
    // not look up the prices of rows nobody sees.
    using Marker = std::function<void(std::vector<Row>& rows, size_t first, size_t count)>;

    explicit ItemListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The price cells can be edited while prices are editable; what is typed
    // is handed on by priceEntered, and the cell changes only when its owner
    // stores it.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    void setPricesEditable(bool on) { m_pricesEditable = on; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Reads firstRows rows from feed now, and the rest later.
    void setFeed(RowFeed feed, int firstRows);
    // How many rows the feed gives in all (the engine's count), so that the
    // list's size is known before every row is read.
    void setExpectedRowCount(int rows);
    bool feeding() const { return static_cast<bool>(m_feed); }
    // Until the feed ends (endFeed, clear), or for good when there is none.
    void setMarker(Marker marker) { m_marker = std::move(marker); }
    // Reads until row exists or the feed ends; whether row exists then.
    bool fetchUpTo(int row);
    void fetchAll();
    // Leaves the rows read as they are and reads no more (the feed's
    // statement ends), as before its connection closes.
    void endFeed();
    // The rows read plus those the feed has still to give.
    int expectedRowCount() const { return static_cast<int>(m_rows.size()) + m_pendingRows; }
    // Off, the rows not yet read come only when a view asks for them.
    void setFetchInBackground(bool on);

    // While redraw is off the rows change without notifying the views; turning
    // it back on tells them everything changed. Calls nest.
    void setRedraw(bool on);

    void clear();
    void reserve(int rows);
    // Inserts a row at position row (appends when row >= count); returns its index.
    int insertItem(int row, const QString& text, int image);
    bool removeItem(int row);
    void setText(int row, int column, const QString& text);
    QString text(int row, int column) const;
    void setId(int row, int id);
    int id(int row) const;
    void setImage(int row, int image);
    int image(int row) const;
    void setMark(int row, int mark);
    int mark(int row) const;

    void setHeading(int column, const QString& text);
    // The four state images, indexed 0 to 3.
    void setStateImages(const std::vector<QPixmap>& images);

    bool isValidRow(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }

    // The mark of a row known to be cheaper elsewhere.
    static const QPixmap& cheaperMark();

Q_SIGNALS:
    void priceEntered(int row, const QString& text);

private:
    void changed(int row, int column);
    void fetchChunk(int limit);
    // The row, its marks looked up first when they have not been.
    const Row& markedRow(int row) const;

    std::vector<Row> m_rows;
    bool m_pricesEditable = false;
    QString m_headings[ColumnCount];
    std::vector<QPixmap> m_stateImages;
    int m_redrawOff = 0;
    RowFeed m_feed;
    Marker m_marker;
    int m_pendingRows = 0;
    // Rows the current feed has given so far.
    int m_fed = 0;
    int m_feedGeneration = 0;
    bool m_fetchInBackground = true;
    QTimer m_backgroundFetch;
    QTimer m_askedFetch;
};
