#pragma once

class QWidget;

// The handheld's on-screen keyboard. A desktop has a real keyboard, so there
// is nothing to show: the calls are kept where the program asks for the
// panel, and do nothing.
class InputPanel
{
public:
    static void raise(QWidget* window);
    static void lower(QWidget* window);
};
