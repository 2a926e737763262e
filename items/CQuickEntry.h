#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CSoundButton;
class IListWindow;
class QLineEdit;

// The quick-entry line at the top of the main window: the name box completes
// what is typed from the catalog, plus and minus step the quantity box, add
// sets the named item's quantity (or opens the item editor for a name the
// catalog does not hold), and clear empties both boxes. It works on the
// window's boxes and buttons handed to it, and on the window's connection.
// A barcode scanner's codes, typed anywhere in the window, are taken here
// too (BarcodeScan).
class CQuickEntry : public QObject
{
    Q_OBJECT

public:
    // The largest quantity the catalog column holds; the quantity box never
    // hands on more.
    static constexpr int MaxQuantity = 32767;

    // buttons: the window's buttons by control id; the quick-entry ones are
    // taken from it.
    CQuickEntry(IListWindow& window, QLineEdit& name, QLineEdit& quantity, const QHash<int, CSoundButton*>& buttons);
    ~CQuickEntry() override;

    // Dialog data exchange of the two boxes, as part of the window's own.
    void ReadControls();
    void WriteControls();

    // Completion of the name box after the user changed its text.
    void OnNameChanged();
    void OnPlus();
    void OnMinus();
    void OnAdd();
    void OnClear();

    static QString tooManyMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The name the catalog does not hold: New Item with it.
    void addAsNew();
    // Both boxes emptied, the list in the focus; after an add made with
    // Enter, the focus stays in the name box with the name selected.
    void finishAdd();
    // Runs a handler of the window's controls; a catalog failure is reported
    // here and never leaves the handler.
    void guarded(void (CQuickEntry::*handler)());

    IListWindow& m_window;
    QLineEdit& m_name;
    QLineEdit& m_quantity;
    QString m_nameValue;
    QString m_quantityValue;
    bool m_addFromKeyboard = false;
};
