#pragma once

#include "store/catalog/PricePoint.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <vector>

class CItemDlg;
class QComboBox;
class QLineEdit;
class QTableWidget;

// An item's prices per store, opened from the item editor: for each store
// the last price seen, the lowest in 90 days and the date of the last; and a
// price seen at a store, typed as the price box takes it, to add. The dialog
// writes nothing: the item editor's caller keeps the added points with the
// item.
class CPricesDlg : public QDialog
{
    Q_OBJECT

public:
    // points: the item's points so far (oldest first); stores: those to offer;
    // unit: the item's unit, which an added price is for.
    CPricesDlg(const QString& itemName, const std::vector<PricePoint>& points, const QStringList& stores,
               const QString& unit, QWidget* parent = nullptr);

    // Adds the price typed for the store typed, seen now. A price that is not
    // one, or no store, is told why. Whether it was added.
    bool addPrice(const QString& store, const QString& price);
    // The points added while the dialog was open, oldest first.
    const std::vector<PricePoint>& added() const { return m_added; }

    QTableWidget& table() const { return *m_table; }
    QComboBox& storeBox() const { return *m_storeBox; }
    QLineEdit& priceBox() const { return *m_priceBox; }

    // Runs the dialog for the item in editor, with the stores its store box
    // offers; on OK the added points join editor's new prices.
    static void openFor(CItemDlg& editor);

private:
    void showPrices();

    QString m_unit;
    std::vector<PricePoint> m_points;
    std::vector<PricePoint> m_added;
    QTableWidget* m_table = nullptr;
    QComboBox* m_storeBox = nullptr;
    QLineEdit* m_priceBox = nullptr;
};
