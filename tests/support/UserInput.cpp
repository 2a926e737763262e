#include "UserInput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

void UserInput::typeInto(QComboBox& box, const QString& text)
{
    typeInto(*box.lineEdit(), text);
}

void UserInput::typeInto(QLineEdit& edit, const QString& text)
{
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}
