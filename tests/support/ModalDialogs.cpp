#include "ModalDialogs.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void ModalDialogs::whenModal(std::function<void(QWidget*)> action, int triesLeft)
{
    QTimer::singleShot(10, [action, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
        } else if (triesLeft > 0) {
            whenModal(action, triesLeft - 1);
        }
    });
}
