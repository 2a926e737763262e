#pragma once

#include "controls/DeptComboBox.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class CSoundButton;
class QCheckBox;
class CaptionGrid;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The item editor: one catalog item's name, department, quantity, store,
// unit, price, notes and coupon flag. The caller sets the values, runs the
// dialog, and on Accepted reads them back; the dialog itself never writes to
// the catalog. It reads the catalog only to offer the names, departments,
// stores and units already in use (filled on the first drop-down of an
// opening, in one query) and to load an item whose name is picked from the
// item list. Each read opens and closes its own connection.
class CItemDlg : public QDialog
{
    Q_OBJECT

public:
    // Limits of the values as read from the boxes.
    static constexpr int MaxQuantity = 999;
    static constexpr double MaxPrice = 9999999.0;
    static constexpr int MaxStoreChars = 20;
    static constexpr int MaxUnitChars = 15;
    static constexpr int MaxDeptChars = 15;
    static constexpr int MaxNameChars = 30;
    static constexpr int MaxNotesChars = 50;

    static constexpr int TemplateId = 159;

    explicit CItemDlg(QWidget* parent = nullptr);
    ~CItemDlg() override;

    // The values, set by the caller before the run and read after it.
    int m_quantity = 0;
    QString m_store;
    QString m_unit;
    QString m_dept;
    QString m_itemName;
    QString m_notes;
    double m_price = 0.0;
    int m_coupon = 0;
    // The DeptOrder that goes with the department; -1 for one not yet placed.
    int m_deptOrder = 0;
    // The item list drops open (and so fills all four lists) as the dialog
    // opens.
    bool m_dropOnOpen = false;
    // The item's barcodes (their keys); the caller keeps them with the item.
    QStringList m_barcodes;
    // The ID the New Item flow last reserved: the data of a typed name that
    // the fill adds to the item list because the catalog does not hold it.
    int m_reservedId = 0;

    bool listsFilled() const { return m_listsFilled; }
    // The name of the catalog item last picked from the item list, whose
    // values the editor then showed; empty while none was picked. Saving
    // under that name changes the item the user chose, not one a typed name
    // happens to match.
    const QString& pickedName() const { return m_pickedName; }

    // All the values above that the caller sets and reads, to compare a run's
    // result with what was set before it.
    struct Values
    {
        int quantity = 0;
        QString store;
        QString unit;
        QString dept;
        QString itemName;
        QString notes;
        double price = 0.0;
        int coupon = 0;
        int deptOrder = 0;
        bool operator==(const Values&) const = default;
    };
    Values values() const;

    // After an accepted run: every value whose box the user left as it was
    // last filled goes back to the value it was filled from. A stored text
    // that its box had to clean (a control character another program left
    // in it) or a price that its box rounds is so kept as stored; only what
    // the user edited is cleaned.
    void keepUntouchedValues();

    // Validates in order and closes with Accepted, or keeps the dialog open
    // with a message and the focus on the box at fault.
    void OnOK();
    void OnCancel();

    // Fills the four lists from the catalog; does nothing after the first
    // call of an opening.
    void FillLists();
    // Loads every value from the item of that ID and shows them; nothing
    // changes when the catalog has no such item. A catalog that cannot be
    // opened or read raises CAdoException.
    void LoadItem(int id);

    // The controls, for the owner's tests and the main window's helpers.
    QComboBox& nameBox() const { return *m_nameCombo; }
    QComboBox& deptBox() const { return *m_deptCombo; }
    QComboBox& storeBox() const { return *m_storeCombo; }
    QComboBox& unitBox() const { return *m_unitCombo; }
    QLineEdit& quantityBox() const { return *m_quantityEdit; }
    QLineEdit& priceBox() const { return *m_priceEdit; }
    QPlainTextEdit& notesBox() const { return *m_notesEdit; }
    QCheckBox& couponBox() const { return *m_couponCheck; }
    CSoundButton& okButton() const { return *m_okButton; }
    CSoundButton& cancelButton() const { return *m_cancelButton; }
    QToolButton& spinDown() const { return *m_spinDown; }
    QToolButton& spinUp() const { return *m_spinUp; }
    QPushButton& barcodeButton() const { return *m_barcodeButton; }
    // The barcodes dialog, opened by the barcode button.
    void editBarcodes();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    // Parts of createControls, each in the template's tab order.
    void createNameBox();
    void createCouponBox();
    void createQuantityControls();
    void createButtons();
    void OnInitDialog();
    // Values to boxes, and boxes to values in the exchange order. The read
    // stops at the first box whose text does not fit its value, shows why and
    // puts the focus on it.
    void writeValues();
    bool readValues();
    void failField(QWidget* box, const QString& message);
    void onNameChosen(int index);
    void stepQuantity(int delta);
    void limitNotes();

    CaptionGrid* m_grid = nullptr;
    DeptComboBox* m_nameCombo = nullptr;
    DeptComboBox* m_deptCombo = nullptr;
    DeptComboBox* m_storeCombo = nullptr;
    DeptComboBox* m_unitCombo = nullptr;
    QCheckBox* m_couponCheck = nullptr;
    QLineEdit* m_quantityEdit = nullptr;
    QToolButton* m_spinDown = nullptr;
    QToolButton* m_spinUp = nullptr;
    QLineEdit* m_priceEdit = nullptr;
    QPlainTextEdit* m_notesEdit = nullptr;
    CSoundButton* m_okButton = nullptr;
    CSoundButton* m_cancelButton = nullptr;
    QPushButton* m_barcodeButton = nullptr;
    void showBarcodeCount();

    // The texts of the boxes that hold a value, in writeValues' order.
    QStringList boxTexts() const;

    // The values as writeValues last put them in the boxes, and the texts
    // the boxes then showed.
    Values m_filledFrom;
    QStringList m_filledTexts;

    QString m_pickedName;
    bool m_listsFilled = false;
    bool m_opened = false;
    // Set while the name box's own edit finishes: the list then picks an
    // entry equal to the typed text by itself, which is not a choice of the
    // user's and must not load that item over the typed values.
    bool m_nameEditFinishing = false;
};
