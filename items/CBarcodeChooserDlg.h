#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QPushButton;

// Asked when a scanned code belongs to no item: which item it is. The user
// picks an existing item by its name (completed as typed) or chooses to make
// a new one in the item editor. The dialog writes nothing.
class CBarcodeChooserDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Choice
    {
        None,     // cancelled
        Existing, // the item named chosenName()
        NewItem   // a new item, made in the item editor
    };

    // names: the catalog's item names, offered as the user types.
    CBarcodeChooserDlg(const QString& code, const QStringList& names, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    // The catalog's spelling of the name chosen (Existing).
    QString chosenName() const { return m_chosen; }

    // The name box's text taken: an item of that name is chosen, else the
    // user is told and the dialog stays.
    void takeTyped();
    void chooseNew();

    QLineEdit& nameBox() const { return *m_name; }
    QPushButton& takeButton() const { return *m_take; }
    QPushButton& newButton() const { return *m_new; }

    static QString unknownNameMessage(const QString& name);

private:
    QStringList m_names;
    QLineEdit* m_name = nullptr;
    QPushButton* m_take = nullptr;
    QPushButton* m_new = nullptr;
    Choice m_choice = Choice::None;
    QString m_chosen;
};
