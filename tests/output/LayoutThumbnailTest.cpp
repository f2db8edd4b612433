#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

#include "layouts/PageObjects.h"
#include "output/LayoutThumbnail.h"

namespace qf {
namespace {

// A 100 x 200 unit page with one object, drawn into a 50 x 120 picture: the scale is 0.5 (the
// width limits it), so the page covers 50 x 100 and the rest is the window face.
std::unique_ptr<PageLayoutRecord> OnePage(ObjectKind kind, std::array<std::int32_t, 4> rect) {
    auto layout = std::make_unique<PageLayoutRecord>();
    layout->pixelWidth = 100;
    layout->pixelHeight = 200;
    PageObject o = NewPageObject(kind, *layout, {});
    o.rect = rect;
    layout->objects[0] = o;
    layout->objectCount = 1;
    return layout;
}

QImage Draw(const PageLayoutRecord& layout) {
    QImage image(50, 120, QImage::Format_RGB32);
    DrawLayoutThumbnail(image, layout, QColor(1, 2, 3));
    return image;
}

TEST(LayoutThumbnail, PageObjectsAndFaceAtTheScale) {
    auto layout = OnePage(ObjectKind::WordList, {20, 40, 80, 120});
    layout->objects[0].columns = 3;
    const QImage image = Draw(*layout);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(25, 105), QColor(1, 2, 3));  // below the page
    EXPECT_EQ(image.pixelColor(12, 30), QColor(0, 128, 128));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::black));  // the outline at 20 x 0.5, 40 x 0.5
    // Dividers at every width / columns from the left: (30 / 3) = 10, so x = 20 and 30.
    int dark = 0;
    for (int y = 21; y < 59; ++y) dark += image.pixelColor(20, y) == QColor(Qt::black);
    EXPECT_GT(dark, 5);
    EXPECT_LT(dark, 38);  // dotted, not solid
    EXPECT_EQ(image.pixelColor(25, 30), QColor(0, 128, 128));
}

TEST(LayoutThumbnail, ATiledPictureIsOutlinedAroundThePageAndCirclesAreEllipses) {
    auto tiled = OnePage(ObjectKind::Bitmap, {20, 40, 80, 120});
    tiled->objects[0].transparent = 1;
    const QImage image = Draw(*tiled);
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::white));  // its own rectangle has no outline
    int dark = 0;
    for (int x = 0; x < 50; ++x) dark += image.pixelColor(x, 0) == QColor(Qt::black);
    EXPECT_GT(dark, 5);

    const QImage circle = Draw(*OnePage(ObjectKind::Circle, {0, 0, 100, 100}));
    EXPECT_EQ(circle.pixelColor(25, 25), QColor(128, 128, 128));
    EXPECT_EQ(circle.pixelColor(2, 2), QColor(Qt::white));  // the corner lies outside the ellipse
}

TEST(LayoutThumbnail, ADamagedLayoutDrawsNothingOutsideThePicture) {
    auto layout = OnePage(ObjectKind::Text, {-2000000000, -2000000000, 2000000000, 2000000000});
    layout->objectCount = 9999;
    EXPECT_NO_FATAL_FAILURE(Draw(*layout));
    layout->pixelWidth = 0;
    EXPECT_EQ(Draw(*layout).pixelColor(5, 5), QColor(1, 2, 3));
}

}  // namespace
}  // namespace qf
