#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class Barcode;
class QLineEdit;
class QListWidget;
class QPushButton;

// An item's barcodes, opened from the item editor: the list of its codes, a
// box to type a code in (or scan it: a scanner types and ends with Enter),
// Add and Remove. The dialog writes nothing: the item editor's caller keeps
// the codes with the item.
class CBarcodesDlg : public QDialog
{
    Q_OBJECT

public:
    // The name of the item a code belongs to in the catalog; empty for none.
    using OwnerLookup = std::function<QString(const Barcode&)>;

    CBarcodesDlg(const QString& itemName, const QStringList& codes, OwnerLookup ownerOf, QWidget* parent = nullptr);

    // The codes' keys, as the list holds them.
    QStringList codes() const;

    // Adds the code typed: a refused code is told why, and one that another
    // item has is added only when the user agrees to move it. Whether it was
    // added (a code in the list already counts as added).
    bool addCode(const QString& text);
    void removeSelected();

    // The owner as the catalog knows it, read on a connection of its own for
    // the moment of the question; a catalog that cannot be read knows none.
    static QString catalogOwner(const Barcode& code);

    static QString moveQuestion(const QString& code, const QString& owner, const QString& itemName);

    QLineEdit& codeBox() const { return *m_codeBox; }
    QListWidget& codeList() const { return *m_list; }

private:
    QString m_itemName;
    OwnerLookup m_ownerOf;
    QListWidget* m_list = nullptr;
    QLineEdit* m_codeBox = nullptr;
    QPushButton* m_remove = nullptr;
};
