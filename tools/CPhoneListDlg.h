#pragma once

#include <QDialog>

class PhoneList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Tools > Phone List: the switch of the built-in web server, its port, the
// page's address and a QR code of it for a phone's camera, and New Link,
// which makes a new secret so that every earlier link stops working.
class CPhoneListDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPhoneListDlg(PhoneList& phoneList, QWidget* parent = nullptr);

    QCheckBox& switchBox() const { return *m_switch; }
    QSpinBox& portBox() const { return *m_port; }
    QLineEdit& addressBox() const { return *m_address; }
    QLabel& codeLabel() const { return *m_code; }
    QPushButton& newLinkButton() const { return *m_newLink; }
    // Says that offline use needs a secure link; hidden when the link is one.
    QLabel& secureNote() const { return *m_secureNote; }

    // True for an address whose page may keep itself for use without
    // reception: HTTPS, or plain HTTP to this computer itself.
    static bool isSecureLink(const QString& link);

private:
    void onSwitch(bool on);
    void onNewLink();
    // Address, code and controls as the list now stands.
    void showState();

    PhoneList& m_phoneList;
    QCheckBox* m_switch = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_address = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_secureNote = nullptr;
    QPushButton* m_newLink = nullptr;
};
