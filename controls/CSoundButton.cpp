#include "controls/CSoundButton.h"

#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/ResourceImages.h"
#include "platform/widgets/SoundService.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

namespace
{
QPixmap loadBitmap(int id)
{
    return id != 0 ? ResourceImages::bitmap(id) : QPixmap();
}

bool isPressKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Select;
}
} // namespace

CSoundButton::CSoundButton(QWidget* parent, Kind kind)
    : CSoundButton(QString(), parent, kind)
{
}

CSoundButton::CSoundButton(const QString& caption, QWidget* parent, Kind kind)
    : QPushButton(caption, parent)
    , m_kind(kind)
{
    // Every pixel is painted in paintEvent, so the background is never erased
    // first (no flicker under the picture).
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Exclusivity is ours (uncheckGroup): Qt's auto-exclusive buttons refuse
    // to be unchecked by setChecked(false) and check on arrow keys.
    setAutoExclusive(false);
    applyKind();
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) { onToggled(checked); });
}

void CSoundButton::setKind(Kind kind)
{
    if (kind != m_kind) {
        m_kind = kind;
        applyKind();
    }
}

void CSoundButton::applyKind()
{
    if (m_kind == Kind::PushButton) {
        setChecked(false);
    }
    setCheckable(m_kind != Kind::PushButton);
    update();
}

void CSoundButton::SetBitmaps(int upImage, int downImage, int disabledImage, int drawMode, bool edge, int margin)
{
    SetBitmaps(loadBitmap(upImage), loadBitmap(downImage), loadBitmap(disabledImage), drawMode, edge, margin);
    m_upId = upImage;
    m_downId = downImage;
    m_disabledId = disabledImage != 0 ? disabledImage : upImage;
}

void CSoundButton::SetBitmaps(const QPixmap& upImage, const QPixmap& downImage, const QPixmap& disabledImage,
                              int drawMode, bool edge, int margin)
{
    m_upImage = upImage;
    m_downImage = downImage;
    m_upId = m_downId = m_disabledId = 0;
    m_disabledImage = disabledImage.isNull() ? upImage : disabledImage;
    m_drawMode = drawMode <= 0 ? NaturalSize : Stretched;
    m_edge = edge;
    m_margin = std::max(margin, 0);
    updateGeometry();
    update();
}

QColor CSoundButton::textColor() const
{
    return m_textColor.isValid() ? m_textColor : palette().color(QPalette::ButtonText);
}

void CSoundButton::setTextColor(const QColor& color)
{
    m_textColor = color;
    update();
}

QSize CSoundButton::sizeHint() const
{
    if (m_upImage.isNull()) {
        return QPushButton::sizeHint();
    }
    const int sides = 2 * DialogUnits::px(m_margin + 2);
    const QSize captionSize = fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    return m_upImage.deviceIndependentSize().toSize().expandedTo(
        QSize(captionSize.width() + sides, captionSize.height()));
}

void CSoundButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    const int shift = DialogUnits::px(1);
    const int inset = DialogUnits::px(m_margin);
    const int captionSide = DialogUnits::px(m_margin + 2);
    QRect captionRect = area.adjusted(captionSide, 0, -captionSide, 0);
    const int textFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

    painter.fillRect(area, palette().color(QPalette::Button));

    if (!isEnabled()) {
        drawImage(painter, m_disabledImage, m_disabledId);
        if (m_edge) {
            qDrawWinPanel(&painter, area, palette(), false);
        }
        // Embossed: a light copy one pixel below and right of the grey text.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(captionRect, textFlags, text());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(captionRect.translated(-shift, -shift), textFlags, text());
        return;
    }

    const bool pressed = isDown() || isChecked();
    if (pressed) {
        drawImage(painter, m_downImage, m_downId);
        captionRect.translate(shift, shift);
    } else {
        drawImage(painter, m_upImage, m_upId);
    }
    if (m_edge) {
        qDrawWinPanel(&painter, area, palette(), pressed);
    }
    if (hasFocus() && m_margin > 0) {
        QPen dotted(textColor(), 0);
        dotted.setDashPattern({1.0, 1.0});
        // Dots start on the corner pixel.
        dotted.setDashOffset(1.0);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        // drawRect's outline covers width + 1 pixels; keep it inside the inset.
        painter.drawRect(area.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    painter.setPen(textColor());
    painter.drawText(captionRect, textFlags, text());
}

void CSoundButton::drawImage(QPainter& painter, const QPixmap& image, int resourceId) const
{
    if (image.isNull()) {
        return;
    }
    if (m_drawMode == Stretched) {
        const QPixmap fitted = resourceId != 0 ? ResourceImages::bitmap(resourceId, size()) : QPixmap();
        painter.drawPixmap(rect(), fitted.isNull() ? image : fitted);
    } else {
        // The painter clips to the button: a larger picture is cut off at the
        // right and bottom, a smaller one leaves the button face showing.
        painter.drawPixmap(rect().topLeft(), image);
    }
}

void CSoundButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // The click is heard the moment the button goes down, before anyone
        // reacts to the press.
        playClick();
        m_tracking = true;
    }
    QPushButton::mousePressEvent(event);
}

void CSoundButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A quick second tap is a second press: it clicks and sounds again
    // instead of being taken as a double-click.
    mousePressEvent(event);
}

void CSoundButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_tracking) {
        // Focus went away during the press: the press is over, and coming
        // back over the button must not press it again.
        event->ignore();
        return;
    }
    QPushButton::mouseMoveEvent(event);
}

void CSoundButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_tracking = false;
    }
    QPushButton::mouseReleaseEvent(event);
}

void CSoundButton::keyPressEvent(QKeyEvent* event)
{
    if (isPressKey(event) && !event->isAutoRepeat()) {
        playClick();
    }
    QPushButton::keyPressEvent(event);
}

void CSoundButton::focusOutEvent(QFocusEvent* event)
{
    m_tracking = false;
    QPushButton::focusOutEvent(event);
}

bool CSoundButton::hitButton(const QPoint& pos) const
{
    // The whole button is the picture; styles would exclude a bevel margin.
    return rect().contains(pos);
}

void CSoundButton::nextCheckState()
{
    // Called by every click that Qt delivers (mouse release over the button,
    // Space released, mnemonic, click()), just before clicked() is emitted.
    switch (m_kind) {
    case Kind::CheckBox:
        setChecked(!isChecked());
        break;
    case Kind::RadioButton:
        setChecked(true);
        break;
    case Kind::PushButton:
        break;
    }
}

void CSoundButton::onToggled(bool checked)
{
    if (!checked) {
        return;
    }
    if (m_kind == Kind::PushButton) {
        // Someone made a push button checkable; it still never stays checked.
        setChecked(false);
    } else if (m_kind == Kind::RadioButton) {
        uncheckGroup();
    }
}

void CSoundButton::uncheckGroup()
{
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    const auto siblings = parent->findChildren<CSoundButton*>(Qt::FindDirectChildrenOnly);
    for (CSoundButton* sibling : siblings) {
        if (sibling != this && sibling->m_kind == Kind::RadioButton && sibling->group() == group()) {
            sibling->setChecked(false);
        }
    }
}

void CSoundButton::playClick() noexcept
{
    // The sound never stands in the way of the press itself.
    try {
        SoundService::play(QString::fromLatin1(ClickSound));
    } catch (...) {
    }
}
