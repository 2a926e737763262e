#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

// Input as a user gives it, through key events.
namespace UserInput
{
// Replaces the box's text by typing over all of it.
void typeInto(QComboBox& box, const QString& text);
void typeInto(QLineEdit& edit, const QString& text);
} // namespace UserInput
