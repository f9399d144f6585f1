#include "flowchart/PngWriter.h"

#include <QIODevice>
#include <QImage>
#include <QSysInfo>

#include <png.h>

#include <csetjmp>

namespace {

void writeBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (out->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        png_error(png, "write");
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp: nothing with a destructor may live between
// setjmp and the last libpng call.
bool writeRows(png_structp png, png_infop info, const QImage& image) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    // RGB32 rows are 0xffRRGGBB words: blue first in memory on a little-endian
    // machine, with a fourth byte that the file does not hold.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

bool writeFastPng(const QImage& image, QIODevice& out) {
    if (image.format() != QImage::Format_RGB32)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    bool written = false;
    if (info != nullptr) {
        png_set_write_fn(png, &out, writeBytes, flushNothing);
        written = writeRows(png, info, image);
    }
    png_destroy_write_struct(&png, &info);
    return written;
}
