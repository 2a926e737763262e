#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

// The application's owner-drawn button: a push button, check box or radio
// button that shows one picture while up and another while pressed or
// checked, draws its caption centred over the picture, and plays the click
// sound the moment it is pressed (mouse button down, or Space), not when the
// click is delivered.
//
// It derives from QPushButton so that a dialog's OK button keeps the default
// button handling of QDialog; Qt's own styling is never used to draw it.
//
// Pressing, dragging off (shown up again, no click on release) and dragging
// back (shown pressed again) follow QAbstractButton. The check state is Qt's
// own: isChecked(), setChecked() and the toggled() signal work as usual, with
// the rules of the kind applied on top.
class CSoundButton : public QPushButton
{
    Q_OBJECT

public:
    enum class Kind
    {
        PushButton = 0,
        CheckBox = 2,
        RadioButton = 4,
    };

    enum DrawMode
    {
        // Copied unscaled into the top-left corner and cut off at the
        // button's edges.
        NaturalSize = 0,
        // Stretched over the whole button.
        Stretched = 1,
    };

    explicit CSoundButton(QWidget* parent = nullptr, Kind kind = Kind::PushButton);
    CSoundButton(const QString& caption, QWidget* parent = nullptr, Kind kind = Kind::PushButton);

    Kind kind() const { return m_kind; }
    // A push button is never checkable; leaving a checked kind for the push
    // kind clears the check.
    void setKind(Kind kind);

    // Sets the pictures and the frame. Images are bitmap resource numbers,
    // 0 for none; without a disabled image the up image stands in for it.
    // A negative draw mode counts as NaturalSize and anything above 1 as
    // Stretched; a negative margin counts as 0. The margin is in handheld
    // pixels: the focus rectangle sits that far inside the button, and the
    // caption keeps margin + 2 pixels from the left and right sides.
    void SetBitmaps(int upImage, int downImage, int disabledImage = 0, int drawMode = Stretched, bool edge = false,
                    int margin = 0);
    // The same with the pictures themselves; a null pixmap means none.
    void SetBitmaps(const QPixmap& upImage, const QPixmap& downImage, const QPixmap& disabledImage = QPixmap(),
                    int drawMode = Stretched, bool edge = false, int margin = 0);

    const QPixmap& upImage() const { return m_upImage; }
    const QPixmap& downImage() const { return m_downImage; }
    const QPixmap& disabledImage() const { return m_disabledImage; }
    DrawMode drawMode() const { return m_drawMode; }
    int margin() const { return m_margin; }

    // The caption colour; an invalid colour (the default) follows the
    // palette's button text.
    QColor textColor() const;
    void setTextColor(const QColor& color);

    QSize sizeHint() const override;

    // The device path of the click, as SoundService knows it.
    static constexpr char ClickSound[] = "\\WINDOWS\\BUTTONDING.WAV";

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;

private:
    void applyKind();
    void onToggled(bool checked);
    // Clears the other radio buttons of this button's group: the radio-kind
    // sounding buttons with the same parent and the same QButtonGroup (or
    // none).
    void uncheckGroup();
    void playClick() noexcept;
    // resourceId, when not 0, is the number the image was loaded from: a
    // stretched picture is then rendered afresh at the button's size instead
    // of scaling the natural-size pixmap.
    void drawImage(QPainter& painter, const QPixmap& image, int resourceId) const;

    Kind m_kind = Kind::PushButton;
    // A mouse press on this button has not yet been released, and focus has
    // not been lost since; moves outside this span never press the button.
    bool m_tracking = false;
    QPixmap m_upImage;
    QPixmap m_downImage;
    QPixmap m_disabledImage;
    int m_upId = 0;
    int m_downId = 0;
    int m_disabledId = 0;
    DrawMode m_drawMode = Stretched;
    bool m_edge = false;
    int m_margin = 0;
    QColor m_textColor;
};
