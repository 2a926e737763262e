#include "UserInput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

void UserInput::typeInto(QComboBox& box, const QString& text)
{
    typeInto(*box.lineEdit(), text);
}

void UserInput::typeInto(QLineEdit& edit, const QString& text)
{
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

bool UserInput::activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
