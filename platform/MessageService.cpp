#include "platform/MessageService.h"

#include <QApplication>
#include <QMessageBox>

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
    Box box{caption(), text, Icon::None, buttons, IdOk};
    if (buttons == Buttons::YesNo) {
        box.icon = Icon::Exclamation;
        box.defaultButton = IdNo;
    }
    return box;
}

int MessageService::show(const QString& text, Buttons buttons, QWidget* parent)
{
    const Box shown = boxFor(text, buttons);
    if (handler()) {
        return handler()(shown);
    }
    if (!parent) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(parent);
    box.setWindowTitle(shown.caption);
    box.setText(shown.text);
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

QString MessageService::caption()
{
    return QStringLiteral("Grocelle");
}
