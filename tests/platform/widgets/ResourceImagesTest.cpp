#include "platform/widgets/ResourceImages.h"
#include "platform/Resources.h"

#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/SoundService.h"
#include "support/GrocelleTest.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <utility>

namespace
{
struct Expected
{
    int id;
    int width;
    int height;
};

// Every bitmap the windows ask for, with the size their layouts rely on.
constexpr Expected WindowBitmaps[] = {
    {128, 32, 32}, {184, 275, 16}, {191, 19, 16}, {196, 30, 19}, {197, 30, 19},   {198, 25, 20}, {199, 25, 20},
    {200, 43, 22}, {201, 42, 21},  {202, 32, 32}, {203, 64, 16}, {206, 22, 15},   {207, 22, 15}, {208, 22, 15},
    {209, 21, 15}, {210, 22, 15},  {211, 22, 15}, {212, 22, 15}, {213, 21, 15},   {214, 20, 13}, {215, 17, 19},
    {217, 11, 6},  {218, 11, 6},   {219, 11, 6},  {220, 11, 6},  {222, 220, 178},
};

// Up and down pictures of the sounding buttons; a press must look different.
constexpr std::pair<int, int> ButtonPairs[] = {
    {197, 196}, {198, 199}, {207, 206}, {208, 211}, {209, 213}, {210, 212}, {217, 218}, {219, 220}, {200, 201},
};

constexpr int ToolbarCommands[] = {32778, 32779, 32780, 32782, 32781, 32801, 57670};

QSize logicalSize(const QPixmap& pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

bool hasInk(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

class ResourceImagesTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        DialogUnits::setScale(1.0);
        GrocelleTest::TearDown();
    }

    void writeLogo(const QImage& image, const char* format)
    {
        ASSERT_TRUE(image.save(homeFile(QStringLiteral("grocelle4logo.bmp")), format));
    }
};
} // namespace

TEST_F(ResourceImagesTest, EveryWindowBitmapRendersAtItsHandheldSizeTimesTheScale)
{
    for (const double scale : {1.0, 2.0}) {
        DialogUnits::setScale(scale);
        for (const Expected& expected : WindowBitmaps) {
            SCOPED_TRACE(testing::Message() << "bitmap " << expected.id << " at scale " << scale);
            EXPECT_EQ(ResourceImages::handheldSize(expected.id), QSize(expected.width, expected.height));
            const QPixmap pixmap = ResourceImages::bitmap(expected.id);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(logicalSize(pixmap), QSize(expected.width, expected.height) * scale);
            EXPECT_TRUE(hasInk(pixmap.toImage())) << "drew nothing";
        }
    }
    EXPECT_EQ(ResourceImages::bitmap(207).cacheKey(), ResourceImages::bitmap(207).cacheKey());
}

TEST_F(ResourceImagesTest, PressedButtonPicturesDifferFromTheirUpPictures)
{
    for (const auto& [up, down] : ButtonPairs) {
        SCOPED_TRACE(testing::Message() << up << "/" << down);
        // 200 and 201 differ in size; compare at one size.
        const QImage upImage = ResourceImages::bitmap(up, QSize(40, 20)).toImage();
        const QImage downImage = ResourceImages::bitmap(down, QSize(40, 20)).toImage();
        ASSERT_FALSE(upImage.isNull());
        EXPECT_NE(upImage, downImage);
    }
    EXPECT_EQ(logicalSize(ResourceImages::bitmap(200, QSize(61, 23))), QSize(61, 23));
}

TEST_F(ResourceImagesTest, UnknownNumbersGiveNothing)
{
    EXPECT_TRUE(ResourceImages::bitmap(999).isNull());
    EXPECT_TRUE(ResourceImages::bitmap(216).isNull());
    EXPECT_FALSE(ResourceImages::handheldSize(999).isValid());
    EXPECT_TRUE(ResourceImages::stateImage(-1).isNull());
    EXPECT_TRUE(ResourceImages::stateImage(ResourceImages::StateImageCount).isNull());
    EXPECT_TRUE(ResourceImages::toolbarIcon(32803).isNull());
}

TEST_F(ResourceImagesTest, TheFourStateImagesAreSquareAndDistinct)
{
    for (const double scale : {1.0, 2.0}) {
        DialogUnits::setScale(scale);
        QList<QImage> images;
        for (int index = 0; index < ResourceImages::StateImageCount; ++index) {
            const QPixmap pixmap = ResourceImages::stateImage(index);
            ASSERT_FALSE(pixmap.isNull()) << index;
            EXPECT_EQ(logicalSize(pixmap), QSize(16, 16) * scale);
            for (const QImage& earlier : images) {
                EXPECT_NE(pixmap.toImage(), earlier) << "state image " << index;
            }
            images << pixmap.toImage();
        }
    }
}

TEST_F(ResourceImagesTest, ToolbarAndApplicationIconsRender)
{
    for (const int command : ToolbarCommands) {
        const QIcon icon = ResourceImages::toolbarIcon(command);
        ASSERT_FALSE(icon.isNull()) << command;
        EXPECT_TRUE(hasInk(icon.pixmap(QSize(16, 16), 1.0).toImage())) << command;
    }
    const QIcon app = ResourceImages::appIcon();
    ASSERT_FALSE(app.isNull());
    EXPECT_EQ(app.pixmap(QSize(256, 256), 1.0).size(), QSize(256, 256));
    EXPECT_EQ(app.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
}

TEST_F(ResourceImagesTest, SplashLogoComesFromTheDeviceFolderWhenItLoads)
{
    DialogUnits::setScale(2.0);
    EXPECT_EQ(logicalSize(ResourceImages::splashLogo()), QSize(448, 180)) << "built-in logo";

    QImage own(50, 20, QImage::Format_RGB32);
    own.fill(Qt::red);
    writeLogo(own, "BMP");
    const QPixmap logo = ResourceImages::splashLogo();
    EXPECT_EQ(logo.size(), QSize(50, 20)) << "natural size, not scaled";
    EXPECT_EQ(logo.toImage().pixelColor(10, 10), QColor(Qt::red));

    // Any format Qt decodes will do, whatever the name says.
    writeLogo(QImage(30, 12, QImage::Format_RGB32), "PNG");
    EXPECT_EQ(ResourceImages::splashLogo().size(), QSize(30, 12));

    // A file that does not decode, or one larger than the decoder takes,
    // leaves the built-in logo.
    QFile broken(homeFile(QStringLiteral("grocelle4logo.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM this is not a picture");
    broken.close();
    EXPECT_EQ(logicalSize(ResourceImages::splashLogo()), QSize(448, 180));
    QImage huge(10001, 1, QImage::Format_Mono);
    huge.fill(0);
    writeLogo(huge, "PNG");
    EXPECT_EQ(logicalSize(ResourceImages::splashLogo()), QSize(448, 180));
}

TEST_F(ResourceImagesTest, EverySoundTheProgramPlaysIsAShortMonoPcmWave)
{
    const char* const devicePaths[] = {
        "\\WINDOWS\\SHOPLAUNCH1.WAV", "\\WINDOWS\\qorRoll.Wav",  "\\WINDOWS\\MENUPOP.WAV",
        "\\WINDOWS\\DEFAULT.WAV",     "\\WINDOWS\\QORCHECK.WAV", "\\WINDOWS\\BUTTONDING.WAV",
    };
    Resources::registerAll();
    for (const char* devicePath : devicePaths) {
        SCOPED_TRACE(devicePath);
        QFile file(QStringLiteral(":/") + SoundService::resourceFor(QLatin1String(devicePath)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray data = file.readAll();
        ASSERT_GE(data.size(), 44);
        const auto u16 = [&data](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
        const auto u32 = [&data](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
        EXPECT_EQ(data.left(4), "RIFF");
        EXPECT_EQ(data.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u16(20), 1) << "PCM";
        EXPECT_EQ(u16(22), 1) << "mono";
        EXPECT_TRUE(u32(24) == 22050 || u32(24) == 44100) << u32(24);
        EXPECT_EQ(u16(34), 16) << "bits per sample";
        ASSERT_EQ(data.mid(36, 4), "data");
        const quint32 bytes = u32(40);
        EXPECT_EQ(static_cast<qsizetype>(bytes) + 44, data.size());
        const double seconds = static_cast<double>(bytes) / u32(28);
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, 1.5);
    }
}
