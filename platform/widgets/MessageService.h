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
        // Words for the curious, below the message: what another part (the
        // database engine) said about a failure. Empty for most boxes.
        QString detail;
    };

    using Handler = std::function<int(const Box& box)>;

    // When the box has closed, its owner's window is sent an event of
    // closedEventType(), so that it can put its focus back.
    static int show(const QString& text, Buttons buttons = Buttons::Ok, QWidget* parent = nullptr);
    static bool confirm(const QString& text, QWidget* parent = nullptr);
    // A notice of a failure: text says what failed in the user's terms;
    // detail keeps the words of the part that failed, out of the message.
    static void showFailure(const QString& text, const QString& detail, QWidget* parent = nullptr);

    // An empty handler restores the real boxes.
    static void setHandler(Handler handler);
    // From now on the notices of the code below the window (UserNotice) are
    // shown as boxes too.
    static void takeNotices();

    static QString caption();
    static QEvent::Type closedEventType();
    // The box that show() puts up for that text and those buttons.
    static Box boxFor(const QString& text, Buttons buttons);

private:
    // Shows the box, then tells its owner's window that it closed.
    static int showBox(const Box& shown, QWidget* parent);
    // The box itself, or the test handler's answer.
    static int ask(const Box& shown, QWidget* parent);
};
