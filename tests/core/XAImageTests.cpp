#include "core/XAImage.h"

#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

namespace {

XABitmap filled(int width, int height, std::array<std::uint8_t, 4> rgba) {
    XABitmap bitmap = XABitmap::blank(width, height);
    for (size_t i = 0; i < bitmap.pixels.size(); i += 4) {
        std::copy(rgba.begin(), rgba.end(), bitmap.pixels.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return bitmap;
}

std::array<std::uint8_t, 4> pixelAt(const XAImage &image, int x, int y) {
    const std::uint8_t *pixel = image.bestRepresentation()->pixel(x, y);
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

constexpr std::array<std::uint8_t, 4> kOpaqueRed{255, 0, 0, 255};

} // namespace

TEST(XAImage, TheLargestSizeIsThatOfTheBitmapWithTheMostPixels) {
    const XAImage image({16, 16}, {XABitmap::blank(16, 16), XABitmap::blank(32, 32), XABitmap::blank(8, 64)});
    EXPECT_EQ(xa_largestRepresentedSize(image), (XASize{32, 32})) << "the first of equal areas wins";
    EXPECT_EQ(xa_largestRepresentedSize(XAImage()), (XASize{0, 0}));
}

TEST(XAImage, AWrittenPNGReadsBackEqual) {
    XAScratchFolder folder;
    XABitmap bitmap = filled(3, 2, kOpaqueRed);
    bitmap.pixel(2, 1)[3] = 0;
    const XAImage image(bitmap);
    XAError error;
    ASSERT_TRUE(xa_writeToPNGFile(image, folder / "red.png", &error)) << error.message;
    const auto first = XAImage::imageWithContentsOfFile(folder / "red.png", &error);
    const auto second = XAImage::imageWithContentsOfFile(folder / "red.png", &error);
    ASSERT_TRUE(first && second) << error.message;
    EXPECT_TRUE(xa_isEqualToImage(*first, &*second));
    EXPECT_TRUE(xa_isEqualToImage(*first, &image));
    EXPECT_FALSE(xa_isEqualToImage(*first, nullptr));
    EXPECT_EQ(xa_base64PNGString(image).substr(0, 11), "iVBORw0KGgo") << "the PNG signature";
    EXPECT_EQ(xa_base64PNGString(XAImage()), "");

    folder.write("broken.png", "\x89PNG not really");
    EXPECT_FALSE(XAImage::imageWithContentsOfFile(folder / "broken.png", &error));
    EXPECT_NE(error.message.find("broken.png"), std::string::npos) << error.message;
    EXPECT_FALSE(xa_writeToFile(image, folder / "missing/red.jpg", XABitmapFileType::JPEG, {0.5}, &error));
}

TEST(XAImage, TintingKeepsTransparencyAndDropsTheTemplateFlag) {
    XABitmap bitmap = filled(2, 1, {0, 0, 0, 255});
    bitmap.pixel(1, 0)[3] = 0;
    XAImage shape(bitmap);
    shape.setTemplate(true);
    const XAImage tinted = xa_imageColorizedWithColor(shape, XAColor::blueColor());
    EXPECT_FALSE(tinted.isTemplate());
    EXPECT_EQ(pixelAt(tinted, 0, 0), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
    EXPECT_EQ(pixelAt(tinted, 1, 0)[3], 0);
}

TEST(XAImage, PaddingGrowsTheImageByItsInsetsAndKeepsTheTopAtTheTop) {
    const XAImage image(filled(100, 100, kOpaqueRed));
    const XAImage padded = xa_imageByPaddingWithInsets(image, {10, 10, 10, 10});
    EXPECT_EQ(padded.size(), (XASize{120, 120}));
    EXPECT_EQ(xa_largestRepresentedSize(padded), (XASize{120, 120}));

    const XAImage topOnly = xa_imageByPaddingWithInsets(XAImage(filled(4, 4, kOpaqueRed)), {3, 0, 0, 1});
    EXPECT_EQ(topOnly.size(), (XASize{5, 7}));
    EXPECT_EQ(pixelAt(topOnly, 0, 2)[3], 0);
    EXPECT_EQ(pixelAt(topOnly, 0, 3), kOpaqueRed);
    EXPECT_EQ(pixelAt(topOnly, 3, 6), kOpaqueRed);
    EXPECT_EQ(pixelAt(topOnly, 4, 6)[3], 0);
}

TEST(XAImage, ResizingFollowsTheGivenSize) {
    const XAImage resized = xa_imageResizedToSize(XAImage(filled(4, 2, kOpaqueRed)), {8, 8});
    EXPECT_EQ(resized.size(), (XASize{8, 8}));
    EXPECT_EQ(xa_largestRepresentedSize(resized), (XASize{8, 8}));
    EXPECT_EQ(pixelAt(resized, 7, 7), kOpaqueRed);
}

TEST(XAImage, MonochromeIsGreyByLuminance) {
    const XAImage grey =
        xa_monochromeImage(XAImage({1, 1}, {filled(1, 1, {255, 0, 0, 128}), filled(2, 2, kOpaqueRed)}));
    EXPECT_EQ(grey.representations().size(), 1u);
    EXPECT_EQ(pixelAt(grey, 1, 1), (std::array<std::uint8_t, 4>{38, 38, 38, 255}));
}

TEST(XAImage, TheIOS7IconShapeRoundsAllFourCornersAlike) {
    const int side = 100;
    const XAImage icon = xa_imageByRoundingCornersLikeiOS7AppIcons(XAImage(filled(side, side, kOpaqueRed)));
    ASSERT_EQ(xa_largestRepresentedSize(icon), (XASize{side, side}));
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{{0, 0}, {99, 0}, {0, 99}, {99, 99}, {3, 3}}) {
        EXPECT_EQ(pixelAt(icon, x, y)[3], 0) << x << "," << y;
    }
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{{50, 50}, {50, 0}, {0, 50}, {99, 50}, {50, 99}}) {
        EXPECT_GE(pixelAt(icon, x, y)[3], 250) << x << "," << y;
    }
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int alpha = pixelAt(icon, x, y)[3];
            EXPECT_NEAR(alpha, pixelAt(icon, side - 1 - x, y)[3], 2) << x << "," << y;
            EXPECT_NEAR(alpha, pixelAt(icon, x, side - 1 - y)[3], 2) << x << "," << y;
        }
    }
}
