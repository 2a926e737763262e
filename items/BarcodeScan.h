#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Barcode;
class CAdoConnection;
class IListWindow;

// A code scanned at the desktop, on the main window's connection: a code an
// item has adds one to that item's quantity; a code no item has asks which
// item it is (CBarcodeChooserDlg) and is kept with the item picked, which
// gains one too, or with a new item made in the item editor; a refused code
// is told why and changes nothing.
class BarcodeScan
{
    Q_DECLARE_TR_FUNCTIONS(BarcodeScan)

public:
    explicit BarcodeScan(IListWindow& window);

    void take(const QString& text);

    // The catalog's item names in name order, for the chooser.
    static QStringList itemNames(CAdoConnection& connection);
    static QString refusedMessage(const QString& reason);

private:
    void chooseItem(const Barcode& code);
    void addOne(qint64 id);

    IListWindow& m_window;
};
