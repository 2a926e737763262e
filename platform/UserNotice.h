#pragma once

#include <QString>

#include <functional>

// A notice for the user from code below the window, such as the settings
// store: the window's application shows it in a message box, a program
// without a window writes it to its log. With no handler set, it goes to
// the standard error.
class UserNotice
{
public:
    using Handler = std::function<void(const QString& text)>;

    static void show(const QString& text);
    // An empty handler restores the standard error.
    static void setHandler(Handler handler);
};
