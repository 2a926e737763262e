#include "controls/CSoundButton.h"

#include "UserInput.h"
#include "support/GrocelleTest.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

namespace
{
const QColor Face(Qt::white);
const QColor Up(Qt::red);
const QColor Down(Qt::blue);
const QColor Greyed(Qt::green);
const QPoint Inside(20, 10);
const QPoint Outside(60, 30);

QPixmap solid(const QColor& color, QSize size = QSize(40, 20))
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

QColor pixel(QWidget* widget, QPoint point = QPoint(1, 1))
{
    return widget->grab().toImage().pixelColor(point);
}
} // namespace

class SoundButtonTest : public GrocelleTest
{
protected:
    CSoundButton* makeButton(CSoundButton::Kind kind = CSoundButton::Kind::PushButton)
    {
        auto* button = new CSoundButton(&m_parent, kind);
        button->setGeometry(0, 0, 40, 20);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, Face);
        button->setPalette(palette);
        button->SetBitmaps(solid(Up), solid(Down), QPixmap(), CSoundButton::Stretched, false, 4);
        return button;
    }

    QWidget m_parent;
    const QStringList oneClick{QString::fromLatin1(CSoundButton::ClickSound)};
};

TEST_F(SoundButtonTest, ClickSoundsOnPressNotOnRelease)
{
    CSoundButton* button = makeButton();
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(sounds, oneClick);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(sounds, oneClick);
    EXPECT_EQ(clicked.count(), 1);

    sounds.clear();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(sounds, oneClick);
    // A held Space repeats the key; it is still one press.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(button, &repeat);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(sounds, oneClick);
    EXPECT_EQ(clicked.count(), 2);

    // A double-tap is two presses.
    sounds.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseDClick(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(sounds.size(), 2);
    EXPECT_EQ(clicked.count(), 4);
}

TEST_F(SoundButtonTest, DraggingOffShowsUpAndReleasingOutsideDoesNotClick)
{
    CSoundButton* button = makeButton();
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    QTest::mousePress(button, Qt::LeftButton, {}, Inside);
    EXPECT_EQ(pixel(button), Down);
    QTest::mouseMove(button, Outside);
    EXPECT_EQ(pixel(button), Up);
    QTest::mouseMove(button, Inside);
    EXPECT_EQ(pixel(button), Down);
    QTest::mouseMove(button, Outside);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Outside);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(pixel(button), Up);

    QTest::mousePress(button, Qt::LeftButton, {}, Inside);
    QTest::mouseMove(button, Outside);
    QTest::mouseMove(button, Inside);
    QTest::mouseRelease(button, Qt::LeftButton, {}, Inside);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(SoundButtonTest, CheckStateFollowsTheKind)
{
    CSoundButton* push = makeButton();
    push->setCheckable(true);
    push->setChecked(true);
    QTest::mouseClick(push, Qt::LeftButton);
    EXPECT_FALSE(push->isChecked());
    EXPECT_EQ(pixel(push), Up);

    CSoundButton* box = makeButton(CSoundButton::Kind::CheckBox);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(pixel(box), Down);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseMove(box, Outside);
    QTest::mouseRelease(box, Qt::LeftButton, {}, Outside);
    EXPECT_FALSE(box->isChecked());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    box->setKind(CSoundButton::Kind::PushButton);
    EXPECT_FALSE(box->isChecked());
}

TEST_F(SoundButtonTest, CheckingARadioButtonUnchecksOnlyItsGroup)
{
    using Kind = CSoundButton::Kind;
    CSoundButton* first = makeButton(Kind::RadioButton);
    CSoundButton* second = makeButton(Kind::RadioButton);
    CSoundButton* grouped = makeButton(Kind::RadioButton);
    QButtonGroup otherGroup;
    otherGroup.setExclusive(false);
    otherGroup.addButton(grouped);
    QWidget elsewhere;
    auto* foreign = new CSoundButton(&elsewhere, Kind::RadioButton);
    for (CSoundButton* button : {first, grouped, foreign}) {
        button->setChecked(true);
    }

    QTest::mouseClick(second, Qt::LeftButton);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(grouped->isChecked());
    EXPECT_TRUE(foreign->isChecked());

    // The program may still clear a radio button itself.
    second->setChecked(false);
    EXPECT_FALSE(second->isChecked());
}

TEST_F(SoundButtonTest, DisabledButtonIsSilentAndShowsItsDisabledImage)
{
    CSoundButton* button = makeButton();
    button->setEnabled(false);
    EXPECT_EQ(pixel(button), Up);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_TRUE(sounds.isEmpty());
    button->SetBitmaps(solid(Up), solid(Down), solid(Greyed));
    EXPECT_EQ(pixel(button), Greyed);
}

TEST_F(SoundButtonTest, NaturalSizeIsUnscaledInTheCornerAndFocusSitsMarginInside)
{
    CSoundButton* button = makeButton();
    button->SetBitmaps(solid(Up, {20, 10}), QPixmap(), QPixmap(), CSoundButton::NaturalSize, false, 4);
    EXPECT_EQ(pixel(button, {19, 9}), Up);
    EXPECT_EQ(pixel(button, {30, 15}), Face);

    button->setTextColor(Qt::black);
    m_parent.show();
    ASSERT_TRUE(UserInput::activate(m_parent));
    button->setFocus();
    const QImage image = button->grab().toImage();
    m_parent.hide();
    EXPECT_EQ(image.pixelColor(30, 4), Qt::black);
    EXPECT_EQ(image.pixelColor(30, 3), Face);
    EXPECT_EQ(image.pixelColor(30, 5), Face);
    EXPECT_EQ(image.pixelColor(35, 7), Qt::black);
    EXPECT_EQ(image.pixelColor(36, 7), Face);
}
