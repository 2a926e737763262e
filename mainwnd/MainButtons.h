#pragma once

#include <QHash>

class CSoundButton;
class QWidget;
class WindowLayout;

// The main window's nine picture buttons: the quick-entry plus, minus, add
// and clear, the four letter buttons and the hidden add-new button, keyed by
// control id. The window owns them (Qt parent); this only makes and dresses them.
class MainButtons
{
public:
    // Makes the buttons on window at their handheld places, with their tool
    // tips; the letter and add-new buttons start hidden.
    static QHash<int, CSoundButton*> create(QWidget& window, WindowLayout& layout);
    // Gives each button its up and down pictures.
    static void setPictures(const QHash<int, CSoundButton*>& buttons);
};
