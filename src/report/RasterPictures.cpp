#include "report/RasterPictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace qf {
namespace {

// The picture with no more than 256 colours, or in 24-bit colour.
QImage WithPixels(const QImage& image, PixelFormat pixels) {
    if (pixels == PixelFormat::Colors256) return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    return image.convertToFormat(QImage::Format_RGB888);
}

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->back, 1);
}

void Quiet(j_common_ptr, int) {}

}  // namespace

PixelFormat PixelFormatOf(int setting) {
    return setting == 2 ? PixelFormat::Colors256 : PixelFormat::TrueColor;
}

std::vector<std::uint8_t> EncodeBitmap(const QImage& image, PixelFormat pixels) {
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !WithPixels(image, pixels).save(&buffer, "BMP")) return {};
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> EncodeJpeg(const QImage& image, int quality, PixelFormat pixels) {
    if (image.isNull()) return {};
    // The rows as 8-bit RGB, taken before libjpeg starts, so that nothing of Qt runs between
    // its setjmp and a jump back.
    const QImage rgb = WithPixels(image, pixels).convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) return {};
    const int width = rgb.width();
    const int height = rgb.height();

    jpeg_compress_struct info{};
    JpegError error{};
    unsigned char* out = nullptr;
    unsigned long size = 0;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.emit_message = Quiet;
    if (setjmp(error.back)) {
        jpeg_destroy_compress(&info);
        std::free(out);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(out, out + size);
    std::free(out);
    return bytes;
}

std::vector<std::uint8_t> EncodePicture(const QImage& image, const PictureOptions& options) {
    if (options.kind == PictureKind::Jpeg) return EncodeJpeg(image, options.quality, options.pixels);
    return EncodeBitmap(image, options.pixels);
}

}  // namespace qf
