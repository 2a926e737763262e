#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

#include <vector>

// The rows of the item list: five text cells, the catalog ID, the state
// image and the row mark of each row. Kept compact, since a store view of a
// large catalog holds one row per item.
class ItemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 5;

    explicit ItemListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

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

private:
    struct Row
    {
        QString cells[ColumnCount];
        int id = 0;
        int image = 0;
        int mark = 0;
    };

    void changed(int row, int column);

    std::vector<Row> m_rows;
    QString m_headings[ColumnCount];
    std::vector<QPixmap> m_stateImages;
    int m_redrawOff = 0;
};
