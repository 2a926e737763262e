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

int MessageService::show(const QString& text, Buttons buttons, QWidget* parent)
{
    if (handler()) {
        return handler()(text, buttons);
    }
    if (!parent) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(parent);
    box.setWindowTitle(caption());
    box.setText(text);
    if (buttons == Buttons::YesNo) {
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
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
