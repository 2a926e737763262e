#pragma once

#include <QDialog>

class PhoneList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QVBoxLayout;

// Tools > Phone List: the switch of the built-in web server, its port, the
// devices that may open the list with when each was last seen, and the link
// of the device last added with a QR code of it for a phone's camera. Add
// Phone makes a device with a link of its own; Remove revokes one device's
// link; New Link revokes every link and makes one new one.
class CPhoneListDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPhoneListDlg(PhoneList& phoneList, QWidget* parent = nullptr);

    QCheckBox& switchBox() const { return *m_switch; }
    QLineEdit& addressBox() const { return *m_address; }
    QLabel& codeLabel() const { return *m_code; }
    QPushButton& newLinkButton() const { return *m_newLink; }
    QPushButton& addButton() const { return *m_add; }
    QPushButton& removeButton() const { return *m_remove; }
    QTreeWidget& deviceList() const { return *m_devices; }
    // Says that offline use needs a secure link; hidden when the link is one.
    QLabel& secureNote() const { return *m_secureNote; }

    // Adds the device as Add Phone does once its name is given.
    void addDevice(const QString& name);

    // True for an address whose page may keep itself for use without
    // reception: HTTPS, or plain HTTP to this computer itself.
    static bool isSecureLink(const QString& link);

private:
    void addNotes(QVBoxLayout* layout);
    void onSwitch(bool on);
    void onNewLink();
    void onAdd();
    void onRemove();
    // Address, code, devices and controls as the list now stands.
    void showState();

    PhoneList& m_phoneList;
    QCheckBox* m_switch = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_address = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_secureNote = nullptr;
    QTreeWidget* m_devices = nullptr;
    QPushButton* m_newLink = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
};
