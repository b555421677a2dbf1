#include "core/imaging/PngFile.h"
#include "core/base/AtomicFile.h"
#include "core/imaging/DibDecode.h"
#include <new>
#include <png.h>

namespace {

struct Codec {
    FileResult* result;
    // Reading from memory.
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    // Writing to memory.
    std::vector<uint8_t>* out = nullptr;
    bool outOfMemory = false;
};

void Error(png_structp png, png_const_charp message)
{
    auto* codec = static_cast<Codec*>(png_get_error_ptr(png));
    // No exception may cross the codec's frames.
    try {
        codec->result->Note(FileReason::PngCodec, message);
    } catch (const std::bad_alloc&) {
    }
    png_longjmp(png, 1);
}

void Warning(png_structp, png_const_charp) {}

void ReadData(png_structp png, png_bytep to, size_t length)
{
    auto* codec = static_cast<Codec*>(png_get_io_ptr(png));
    if (length > codec->size - codec->pos)
        png_error(png, "Read Error: the file ends too early");
    std::copy(codec->data + codec->pos, codec->data + codec->pos + length, to);
    codec->pos += length;
}

void WriteData(png_structp png, png_bytep from, size_t length)
{
    auto* codec = static_cast<Codec*>(png_get_io_ptr(png));
    try {
        codec->out->insert(codec->out->end(), from, from + length);
    } catch (const std::bad_alloc&) {
        codec->outOfMemory = true;
        png_error(png, "Out of memory");
    }
}

void Flush(png_structp) {}

// Kept apart so that no object with a destructor lives in a frame the codec may jump out of.
bool Encode(Codec& codec, const CImage32& picture, std::vector<png_bytep>& rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &codec, Error, Warning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &codec, WriteData, Flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // Our pixels lie in memory as blue, green, red and an unused byte.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool Decode(Codec& codec, CImage32& out, std::vector<png_bytep>& rows)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &codec, Error, Warning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &codec, ReadData);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (w == 0 || h == 0 || w > static_cast<png_uint_32>(kMaxDibSide) || h > static_cast<png_uint_32>(kMaxDibSide)
        || static_cast<long long>(w) * h > kMaxDibPixels)
        png_error(png, "Image too large");
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != 4 * static_cast<size_t>(w))
        png_error(png, "Unexpected row layout");
    bool allocated = true;
    try {
        out = CImage32(static_cast<int>(w), static_cast<int>(h));
        rows.resize(h);
    } catch (const std::bad_alloc&) {
        allocated = false;
    }
    // Outside the handler: the codec's error jumps, and no jump may leave a handler.
    if (!allocated)
        png_error(png, "Out of memory");
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = reinterpret_cast<png_bytep>(out.Row(static_cast<int>(y)));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// Lays a pixel that is blue, green, red, alpha in memory over white and makes it opaque.
Pixel OverWhite(Pixel p)
{
    const uint32_t a = p >> 24;
    if (a == 255)
        return p;
    auto mix = [a](uint32_t c) { return (c * a + 255 * (255 - a) + 127) / 255; };
    return MakePixel(static_cast<int>(mix((p >> 16) & 255)), static_cast<int>(mix((p >> 8) & 255)),
                     static_cast<int>(mix(p & 255)));
}

} // namespace

FileResult WritePngBytes(std::vector<uint8_t>& out, const CImage32& picture)
{
    FileResult result;
    if (picture.IsNull())
        return result.Fail();
    Codec codec{&result};
    std::vector<uint8_t> bytes;
    codec.out = &bytes;
    try {
        std::vector<png_bytep> rows(static_cast<size_t>(picture.Height()));
        for (int y = 0; y < picture.Height(); ++y)
            rows[static_cast<size_t>(y)] = reinterpret_cast<png_bytep>(const_cast<Pixel*>(picture.Row(y)));
        result.ok = Encode(codec, picture, rows);
    } catch (const std::bad_alloc&) {
        result.ok = false;
    }
    if (result.ok)
        out = std::move(bytes);
    return result;
}

FileResult WritePngFile(const std::string& path, const CImage32& picture)
{
    std::vector<uint8_t> bytes;
    FileResult result = WritePngBytes(bytes, picture);
    std::string why;
    if (result && !WriteFileAtomically(path, bytes, &why))
        result.Fail(FileReason::CannotWrite, why);
    return result;
}

FileResult ReadPngBytes(const uint8_t* data, size_t size, CImage32& out)
{
    FileResult result;
    if (!data || size == 0)
        return result.Fail(FileReason::NotThisKind);
    Codec codec{&result};
    codec.data = data;
    codec.size = size;
    CImage32 img;
    try {
        std::vector<png_bytep> rows;
        result.ok = Decode(codec, img, rows);
    } catch (const std::bad_alloc&) {
        result.ok = false;
    }
    if (!result.ok)
        return result;
    for (int y = 0; y < img.Height(); ++y) {
        Pixel* row = img.Row(y);
        for (int x = 0; x < img.Width(); ++x)
            row[x] = OverWhite(row[x]);
    }
    out = std::move(img);
    return result;
}
