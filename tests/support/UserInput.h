#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

// Input as a user gives it, through key events.
namespace UserInput
{
// Replaces the box's text by typing over all of it.
void typeInto(QComboBox& box, const QString& text);
void typeInto(QLineEdit& edit, const QString& text);
// Makes the shown window the active one, as a click on it does, and waits
// until it is; false when it did not become active.
bool activate(QWidget& window);
} // namespace UserInput
