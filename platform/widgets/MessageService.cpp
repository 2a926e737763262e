#include "platform/widgets/MessageService.h"

#include "platform/UserNotice.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace
{
MessageService::Handler& handler()
{
    static MessageService::Handler instance;
    return instance;
}
} // namespace

MessageService::Box MessageService::boxFor(const QString& text, Buttons buttons)
{
    Box box{caption(), text, Icon::None, buttons, IdOk, QString()};
    if (buttons == Buttons::YesNo) {
        box.icon = Icon::Exclamation;
        box.defaultButton = IdNo;
    }
    return box;
}

QEvent::Type MessageService::closedEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

int MessageService::show(const QString& text, Buttons buttons, QWidget* parent)
{
    return showBox(boxFor(text, buttons), parent);
}

void MessageService::showFailure(const QString& text, const QString& detail, QWidget* parent)
{
    Box box = boxFor(text, Buttons::Ok);
    box.detail = detail;
    showBox(box, parent);
}

int MessageService::showBox(const Box& shown, QWidget* parent)
{
    // The owner may go while the box is up.
    const QPointer<QWidget> owner = parent ? parent : QApplication::activeWindow();
    const int answer = ask(shown, owner);
    if (owner) {
        QEvent closed(closedEventType());
        QCoreApplication::sendEvent(owner->window(), &closed);
    }
    return answer;
}

int MessageService::ask(const Box& shown, QWidget* parent)
{
    if (handler()) {
        return handler()(shown);
    }
    QMessageBox box(parent);
    box.setWindowTitle(shown.caption);
    // Texts quote stored names, which are never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(shown.text);
    if (!shown.detail.isEmpty()) {
        box.setDetailedText(shown.detail);
    }
    if (shown.icon == Icon::Exclamation) {
        box.setIcon(QMessageBox::Warning);
    }
    if (shown.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(shown.defaultButton == IdYes ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IdYes : IdNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IdOk;
}

bool MessageService::confirm(const QString& text, QWidget* parent)
{
    return show(text, Buttons::YesNo, parent) == IdYes;
}

void MessageService::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

void MessageService::takeNotices()
{
    UserNotice::setHandler([](const QString& text) { show(text); });
}

QString MessageService::caption()
{
    return QStringLiteral("Grocelle");
}
