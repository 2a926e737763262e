#pragma once

#include <QStringList>

class QWidget;

// Finds the texts a window shows cut off: each label, button, check box,
// tab, combo entry, heading and group title that is visible in the window
// is measured in its own font (the text's advance plus the margins its
// style draws around it) against the width it was given.
namespace TextFit
{
// One line per text that does not fit: "class name: text (needs N, has M)".
QStringList cutTexts(const QWidget& window);
} // namespace TextFit
