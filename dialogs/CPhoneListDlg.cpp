#include "dialogs/CPhoneListDlg.h"

#include "phone/PhoneDevices.h"
#include "phone/PhoneList.h"
#include "phone/QrCode.h"
#include "platform/widgets/MessageService.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QHostAddress>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

// The notes on reaching the list from a phone, under the code.
void CPhoneListDlg::addNotes(QVBoxLayout* layout)
{
    auto* note = new QLabel(tr("Open the address on a phone, or point its camera at the code. Anyone with "
                               "a link can see and change the list. Each phone gets a link of its own "
                               "with Add Phone; Remove stops one phone's link, New Link stops them all "
                               "and makes one new one."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    // The README is in English only: the note names its section by what it
    // is about, not by an English title the reader could not match.
    m_secureNote = new QLabel(tr("Offline use on the phone needs a secure (https://) link. The README tells how, "
                                 "in its section on the phone list without reception."),
                              this);
    m_secureNote->setObjectName(QStringLiteral("secureNote"));
    m_secureNote->setWordWrap(true);
    m_secureNote->setVisible(false);
    layout->addWidget(m_secureNote);
}

CPhoneListDlg::CPhoneListDlg(PhoneList& phoneList, QWidget* parent)
    : QDialog(parent)
    , m_phoneList(phoneList)
{
    setWindowTitle(tr("Phone List"));
    auto* layout = new QVBoxLayout(this);

    m_switch = new QCheckBox(tr("Serve the shopping list to phones on this network"), this);
    layout->addWidget(m_switch);

    auto* form = new QFormLayout;
    m_port = new QSpinBox(this);
    m_port->setRange(0, 65535);
    m_port->setSpecialValueText(tr("any free port"));
    m_port->setValue(m_phoneList.port());
    form->addRow(tr("Port:"), m_port);
    m_address = new QLineEdit(this);
    m_address->setReadOnly(true);
    m_address->setMinimumWidth(320);
    form->addRow(tr("Address:"), m_address);
    layout->addLayout(form);

    m_code = new QLabel(this);
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setMinimumSize(200, 200);
    layout->addWidget(m_code);

    addNotes(layout);

    m_devices = new QTreeWidget(this);
    m_devices->setColumnCount(2);
    m_devices->setHeaderLabels({tr("Phone"), tr("Last seen")});
    m_devices->setRootIsDecorated(false);
    m_devices->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_devices->setMinimumHeight(90);
    layout->addWidget(m_devices);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_add = buttons->addButton(tr("Add Phone\u2026"), QDialogButtonBox::ActionRole);
    m_remove = buttons->addButton(tr("Remove"), QDialogButtonBox::ActionRole);
    m_newLink = buttons->addButton(tr("New Link"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    m_switch->setChecked(m_phoneList.isRunning());
    connect(m_switch, &QCheckBox::toggled, this, &CPhoneListDlg::onSwitch);
    connect(m_newLink, &QPushButton::clicked, this, &CPhoneListDlg::onNewLink);
    connect(m_add, &QPushButton::clicked, this, &CPhoneListDlg::onAdd);
    connect(m_remove, &QPushButton::clicked, this, &CPhoneListDlg::onRemove);
    connect(m_devices, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_devices->selectedItems().isEmpty()); });
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
            MessageService::show(tr("The phone list could not start. %1").arg(reason), MessageService::Buttons::Ok,
                                 this);
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

void CPhoneListDlg::onAdd()
{
    QInputDialog ask(this);
    ask.setWindowTitle(tr("Add Phone"));
    ask.setLabelText(tr("A name for the phone, such as \"Anna's phone\":"));
    if (ask.exec() != QDialog::Accepted) {
        return;
    }
    addDevice(ask.textValue());
}

void CPhoneListDlg::addDevice(const QString& name)
{
    QString reason;
    if (!m_phoneList.addDevice(name, &reason)) {
        MessageService::show(reason, MessageService::Buttons::Ok, this);
        return;
    }
    showState();
}

void CPhoneListDlg::onRemove()
{
    const QList<QTreeWidgetItem*> chosen = m_devices->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    const QString name = chosen.first()->text(0);
    if (!MessageService::confirm(tr("Remove %1? Its link stops working at once.").arg(name), this)) {
        return;
    }
    m_phoneList.devices().remove(name);
    showState();
}

void CPhoneListDlg::showState()
{
    const bool running = m_phoneList.isRunning();
    m_port->setEnabled(!running);
    m_newLink->setEnabled(running);
    m_devices->clear();
    for (const PhoneDevices::Device& device : m_phoneList.devices().devices()) {
        const QString seen = device.lastSeen.isValid()
                                 ? device.lastSeen.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                 : tr("never");
        new QTreeWidgetItem(m_devices, {device.name, seen});
    }
    m_remove->setEnabled(false);
    // A head-less server on these settings answers the links made here.
    if (!running && !m_phoneList.servedElsewhere()) {
        m_secureNote->setVisible(false);
        m_address->setText(tr("(off)"));
        m_code->setPixmap(QPixmap());
        m_code->setText(tr("Turn the list on to show its code."));
        return;
    }
    const QString link = m_phoneList.link();
    m_secureNote->setVisible(!isSecureLink(link));
    m_address->setText(link);
    m_address->setCursorPosition(0);
    if (m_phoneList.secret().isEmpty()) {
        // Only a hash of each key is kept: a link is shown once, when made.
        m_code->setPixmap(QPixmap());
        m_code->setText(tr("Each phone's link is shown once, when it is made. Add Phone makes a "
                           "link for another phone."));
        return;
    }
    m_code->setText(QString());
    m_code->setPixmap(QPixmap::fromImage(QrCode::image(link, 4)));
    m_code->setToolTip(tr("The link of %1").arg(m_phoneList.linkDevice()));
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
