#pragma once
// The page as a raster picture file: a Windows bitmap or a JPEG image, in sixteen million
// colours (24 bits a pixel) or reduced to 256 colours. JPEG goes through libjpeg at a quality
// of 1 to 100; a JPEG always stores full colour, so 256 colours only limits what it shows.
#include <cstdint>
#include <vector>

class QImage;

namespace qf {

// The "Pixel Format" setting: 1 sixteen million colours, 2 256 colours.
enum class PixelFormat { TrueColor = 1, Colors256 = 2 };
// Any other stored value reads as sixteen million colours.
PixelFormat PixelFormatOf(int setting);

enum class PictureKind { Bitmap, Jpeg };

struct PictureOptions {
    PictureKind kind = PictureKind::Bitmap;
    PixelFormat pixels = PixelFormat::TrueColor;
    int quality = 50;  // JPEG only, held to 1..100
};

// The file's bytes; empty when the image is empty or could not be encoded.
std::vector<std::uint8_t> EncodeBitmap(const QImage& image, PixelFormat pixels);
std::vector<std::uint8_t> EncodeJpeg(const QImage& image, int quality, PixelFormat pixels);
std::vector<std::uint8_t> EncodePicture(const QImage& image, const PictureOptions& options);

}  // namespace qf
