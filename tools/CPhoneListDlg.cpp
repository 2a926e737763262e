#include "tools/CPhoneListDlg.h"

#include "platform/MessageService.h"
#include "tools/PhoneList.h"
#include "tools/QrCode.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

CPhoneListDlg::CPhoneListDlg(PhoneList& phoneList, QWidget* parent)
    : QDialog(parent)
    , m_phoneList(phoneList)
{
    setWindowTitle(QStringLiteral("Phone List"));
    auto* layout = new QVBoxLayout(this);

    m_switch = new QCheckBox(QStringLiteral("Serve the shopping list to phones on this network"), this);
    layout->addWidget(m_switch);

    auto* form = new QFormLayout;
    m_port = new QSpinBox(this);
    m_port->setRange(0, 65535);
    m_port->setSpecialValueText(QStringLiteral("any free port"));
    m_port->setValue(m_phoneList.port());
    form->addRow(QStringLiteral("Port:"), m_port);
    m_address = new QLineEdit(this);
    m_address->setReadOnly(true);
    m_address->setMinimumWidth(320);
    form->addRow(QStringLiteral("Address:"), m_address);
    layout->addLayout(form);

    m_code = new QLabel(this);
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setMinimumSize(200, 200);
    layout->addWidget(m_code);

    auto* note = new QLabel(QStringLiteral("Open the address on a phone, or point its camera at the code. Anyone with "
                                           "the link can see and change the list; New Link makes a new one, and "
                                           "the old one stops working."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    m_secureNote =
        new QLabel(QStringLiteral("Offline use on the phone needs a secure (HTTPS) link: see \u201cThe phone "
                                  "list without reception\u201d in the README."),
                   this);
    m_secureNote->setWordWrap(true);
    m_secureNote->setVisible(false);
    layout->addWidget(m_secureNote);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_newLink = buttons->addButton(QStringLiteral("New Link"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    m_switch->setChecked(m_phoneList.isRunning());
    connect(m_switch, &QCheckBox::toggled, this, &CPhoneListDlg::onSwitch);
    connect(m_newLink, &QPushButton::clicked, this, &CPhoneListDlg::onNewLink);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showState();
}

void CPhoneListDlg::onSwitch(bool on)
{
    if (on == m_phoneList.isRunning()) {
        return;
    }
    if (on) {
        m_phoneList.setPort(static_cast<quint16>(m_port->value()));
        QString reason;
        if (!m_phoneList.turnOn(&reason)) {
            MessageService::show(QStringLiteral("The phone list could not start. %1").arg(reason),
                                 MessageService::Buttons::Ok, this);
            const QSignalBlocker blocker(m_switch);
            m_switch->setChecked(false);
        }
    } else {
        m_phoneList.turnOff();
    }
    showState();
}

void CPhoneListDlg::onNewLink()
{
    m_phoneList.newLink();
    showState();
}

void CPhoneListDlg::showState()
{
    const bool running = m_phoneList.isRunning();
    m_port->setEnabled(!running);
    m_newLink->setEnabled(running);
    if (!running) {
        m_secureNote->setVisible(false);
        m_address->setText(QStringLiteral("(off)"));
        m_code->setPixmap(QPixmap());
        m_code->setText(QStringLiteral("Turn the list on to show its code."));
        return;
    }
    const QString link = m_phoneList.link();
    m_secureNote->setVisible(!isSecureLink(link));
    m_address->setText(link);
    m_address->setCursorPosition(0);
    m_code->setText(QString());
    m_code->setPixmap(QPixmap::fromImage(QrCode::image(link, 4)));
}

bool CPhoneListDlg::isSecureLink(const QString& link)
{
    const QUrl url(link);
    if (url.scheme() == QLatin1String("https")) {
        return true;
    }
    const QString host = url.host();
    return url.scheme() == QLatin1String("http")
           && (host == QLatin1String("localhost") || QHostAddress(host).isLoopback());
}
