// Bitmap and JPEG pictures of a page: read back by Qt, at their size, in their colour depth,
// and JPEG smaller at a lower quality.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "report/RasterPictures.h"

namespace qf::test {
namespace {

// A page-like picture: white, black squares, a red bar and smoothed grey text edges.
QImage PagePicture(int width = 300, int height = 200) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 6; ++i) p.fillRect(10 + 30 * i, 10, 25, 25, Qt::black);
    p.fillRect(10, 60, 200, 20, QColor(255, 0, 0));
    p.setPen(Qt::black);
    p.drawEllipse(QRectF(20, 100, 150, 80));
    p.drawLine(QPointF(0.5, 190.3), QPointF(299.2, 120.7));
    return image;
}

QImage Decode(const std::vector<std::uint8_t>& bytes, const char* format) {
    QImage image;
    image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), format);
    return image;
}

TEST(RasterPictures, BitmapsOf24BitsAndOf256Colours) {
    const QImage page = PagePicture();
    const std::vector<std::uint8_t> full = EncodeBitmap(page, PixelFormat::TrueColor);
    ASSERT_GT(full.size(), 54u);
    EXPECT_EQ(full[0], 'B');
    EXPECT_EQ(full[1], 'M');
    EXPECT_EQ(full[28], 24);  // bits per pixel
    QImage back = Decode(full, "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), page.size());
    EXPECT_EQ(back.pixelColor(100, 70), QColor(255, 0, 0));
    EXPECT_EQ(back.pixelColor(20, 20), QColor(0, 0, 0));

    const std::vector<std::uint8_t> small = EncodeBitmap(page, PixelFormat::Colors256);
    ASSERT_GT(small.size(), 54u);
    EXPECT_EQ(small[28], 8);
    EXPECT_LT(small.size(), full.size() / 2);
    back = Decode(small, "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), page.size());
    EXPECT_LE(back.colorCount(), 256);
    // The page's plain colours come through unchanged.
    EXPECT_EQ(back.pixelColor(100, 70), QColor(255, 0, 0));
    EXPECT_EQ(back.pixelColor(20, 20), QColor(0, 0, 0));
    EXPECT_EQ(back.pixelColor(290, 5), QColor(255, 255, 255));

    EXPECT_TRUE(EncodeBitmap(QImage(), PixelFormat::TrueColor).empty());
}

TEST(RasterPictures, JpegAtItsQualityAndSize) {
    const QImage page = PagePicture(640, 828);
    const std::vector<std::uint8_t> good = EncodeJpeg(page, 95, PixelFormat::TrueColor);
    const std::vector<std::uint8_t> poor = EncodeJpeg(page, 5, PixelFormat::TrueColor);
    ASSERT_GT(good.size(), 4u);
    EXPECT_EQ(good[0], 0xFF);
    EXPECT_EQ(good[1], 0xD8);
    EXPECT_LT(poor.size(), good.size());
    for (const auto* bytes : {&good, &poor}) {
        const QImage back = Decode(*bytes, "JPG");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.width(), 640);
        EXPECT_EQ(back.height(), 828);
    }
    const QImage red = Decode(good, "JPG");
    EXPECT_GT(red.pixelColor(100, 70).red(), 200);
    EXPECT_LT(red.pixelColor(100, 70).green(), 60);
    // Out of range qualities are held to 1..100 rather than refused by libjpeg.
    EXPECT_EQ(EncodeJpeg(page, 0, PixelFormat::TrueColor), EncodeJpeg(page, 1, PixelFormat::TrueColor));
    EXPECT_EQ(EncodeJpeg(page, 500, PixelFormat::TrueColor), EncodeJpeg(page, 100, PixelFormat::TrueColor));
    // 256 colours: still a full-colour JPEG of the reduced picture.
    const QImage reduced = Decode(EncodeJpeg(page, 80, PixelFormat::Colors256), "JPG");
    ASSERT_FALSE(reduced.isNull());
    EXPECT_EQ(reduced.width(), 640);
    EXPECT_TRUE(EncodeJpeg(QImage(), 50, PixelFormat::TrueColor).empty());
}

TEST(RasterPictures, PixelFormatSettingAndChoice) {
    EXPECT_EQ(PixelFormatOf(1), PixelFormat::TrueColor);
    EXPECT_EQ(PixelFormatOf(2), PixelFormat::Colors256);
    EXPECT_EQ(PixelFormatOf(7), PixelFormat::TrueColor);
    const QImage page = PagePicture();
    EXPECT_EQ(EncodePicture(page, {PictureKind::Bitmap, PixelFormat::Colors256, 50}),
              EncodeBitmap(page, PixelFormat::Colors256));
    EXPECT_EQ(EncodePicture(page, {PictureKind::Jpeg, PixelFormat::TrueColor, 30}),
              EncodeJpeg(page, 30, PixelFormat::TrueColor));
}

}  // namespace
}  // namespace qf::test
