#pragma once

#include <QEvent>
#include <QString>

#include <functional>

class QWidget;

// The program's message boxes: caption "Grocelle", either a plain notice with
// OK or a Yes/No confirmation with the exclamation icon. Tests install a
// handler that answers and records all that a box shows instead of showing
// a modal box.
class MessageService
{
public:
    enum class Buttons
    {
        Ok,
        YesNo
    };
    // The handheld's answer codes, which callers compare against.
    static constexpr int IdOk = 1;
    static constexpr int IdCancel = 2;
    static constexpr int IdYes = 6;
    static constexpr int IdNo = 7;

    enum class Icon
    {
        None,
        Exclamation
    };

    // Everything a box shows: the handler is given this, and the real box is
    // built from it.
    struct Box
    {
        QString caption;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        // The answer code of the button that Enter presses.
        int defaultButton = IdOk;
    };

    using Handler = std::function<int(const Box& box)>;

    // When the box has closed, its owner's window is sent an event of
    // closedEventType(), so that it can put its focus back.
    static int show(const QString& text, Buttons buttons = Buttons::Ok, QWidget* parent = nullptr);
    static bool confirm(const QString& text, QWidget* parent = nullptr);

    // An empty handler restores the real boxes.
    static void setHandler(Handler handler);

    static QString caption();
    static QEvent::Type closedEventType();
    // The box that show() puts up for that text and those buttons.
    static Box boxFor(const QString& text, Buttons buttons);

private:
    // The box itself, or the test handler's answer.
    static int ask(const Box& shown, QWidget* parent);
};
