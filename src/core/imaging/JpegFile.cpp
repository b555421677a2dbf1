#include "core/imaging/JpegFile.h"
#include "core/base/AtomicFile.h"
#include "core/imaging/DibDecode.h"
#include "core/imaging/PackedDib.h"
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <sys/stat.h>
#include <utility>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

// The standard error manager with its output gathered as notes and its fatal exit returning
// to the operation that set the trap.
struct ErrorTrap {
    jpeg_error_mgr pub;
    std::jmp_buf back;
    FileResult* result;
};

void OutputMessage(j_common_ptr cinfo)
{
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    auto* trap = reinterpret_cast<ErrorTrap*>(cinfo->err);
    // No exception may cross the codec's frames; a message that cannot be kept is dropped.
    try {
        trap->result->Note(FileReason::JpegCodec, text);
    } catch (const std::bad_alloc&) {
    }
}

// Warnings (a damaged file decoded as far as it goes) are told once, the first only; the trace
// messages are not for users.
void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0 || cinfo->err->num_warnings++ > 0)
        return;
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    try {
        reinterpret_cast<ErrorTrap*>(cinfo->err)->result->Note(FileReason::JpegWarning, text);
    } catch (const std::bad_alloc&) {
    }
}

void ErrorExit(j_common_ptr cinfo)
{
    (*cinfo->err->output_message)(cinfo);
    std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->back, 1);
}

void InitTrap(ErrorTrap& trap, FileResult& result)
{
    jpeg_std_error(&trap.pub);
    trap.pub.output_message = OutputMessage;
    trap.pub.error_exit = ErrorExit;
    trap.pub.emit_message = EmitMessage;
    trap.result = &result;
}

// The codec is driven in the record's own byte order (blue, green, red).
#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE kBgrSpace = JCS_EXT_BGR;
constexpr bool kSwapRedBlue = false;
#else
constexpr J_COLOR_SPACE kBgrSpace = JCS_RGB;
constexpr bool kSwapRedBlue = true;
#endif

void SwapRedBlue(uint8_t* p, size_t pixels)
{
    for (size_t i = 0; i < pixels; ++i)
        std::swap(p[3 * i], p[3 * i + 2]);
}

// Kept apart so that no object with a destructor lives in a frame the codec may jump out of.
bool Compress(FILE* file, int quality, const PackedDib& dib, std::vector<uint8_t>& row, FileResult& result)
{
    jpeg_compress_struct cinfo;
    ErrorTrap trap;
    InitTrap(trap, result);
    cinfo.err = &trap.pub;
    if (setjmp(trap.back)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(dib.Width());
    cinfo.image_height = static_cast<JDIMENSION>(dib.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = kBgrSpace;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const size_t stride = dib.Stride();
    const uint8_t* pixels = dib.Pixels();
    const size_t rowBytes = 3 * static_cast<size_t>(dib.Width());
    while (cinfo.next_scanline < cinfo.image_height) {
        // Rows are stored bottom-up; the codec wants the top row first.
        const size_t r = cinfo.image_height - cinfo.next_scanline - 1;
        std::copy(pixels + stride * r, pixels + stride * r + rowBytes, row.begin());
        if (kSwapRedBlue)
            SwapRedBlue(row.data(), static_cast<size_t>(dib.Width()));
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

// Even a picture of one flat colour costs a couple of bits per 8x8 block, so a real file never
// holds more than a few hundred pixels a byte; a header claiming more belongs to a broken file
// that would only make us allocate for pixels it does not have.
constexpr long long kMaxJpegPixelsPerByte = 1024;

bool Decompress(FILE* file, size_t inputBytes, JpegPixels& out, FileResult& result)
{
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
    InitTrap(trap, result);
    cinfo.err = &trap.pub;
    if (setjmp(trap.back)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    // A hostile header may claim a huge picture; refuse before allocating for it.
    const long long pixels = static_cast<long long>(cinfo.image_width) * cinfo.image_height;
    if (pixels > kMaxDibPixels || pixels / kMaxJpegPixelsPerByte > static_cast<long long>(inputBytes)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = kBgrSpace;
    jpeg_start_decompress(&cinfo);
    const size_t components = static_cast<size_t>(cinfo.output_components);
    const size_t rowBytes = cinfo.output_width * components;
    size_t stride = rowBytes;
    while (stride % 4)
        ++stride;
    out.width = static_cast<int>(cinfo.image_width);
    out.height = static_cast<int>(cinfo.image_height);
    out.bitsPerPixel = static_cast<int>(8 * components);
    out.stride = stride;
    try {
        out.rows.assign(stride * cinfo.output_height, 0);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPARRAY buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                    static_cast<JDIMENSION>(rowBytes), 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        jpeg_read_scanlines(&cinfo, buffer, 1);
        // output_scanline has already advanced: the first row lands in the last buffer row.
        uint8_t* dst = out.rows.data() + stride * (cinfo.output_height - cinfo.output_scanline);
        std::copy(buffer[0], buffer[0] + rowBytes, dst);
        if (kSwapRedBlue && components == 3)
            SwapRedBlue(dst, cinfo.output_width);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

FileResult WriteJpegBytes(std::vector<uint8_t>& out, int quality, const CImage32& bitmap)
{
    FileResult result;
    PackedDib dib = BitmapToDib(bitmap);
    if (dib.IsNull() || dib.BitsPerPixel() != 24 || !dib.Pixels())
        return result.Fail();
    char* buffer = nullptr;
    size_t size = 0;
    FILE* file = open_memstream(&buffer, &size);
    if (!file)
        return result.Fail();
    bool ok;
    try {
        std::vector<uint8_t> row(3 * static_cast<size_t>(dib.Width()));
        ok = Compress(file, quality, dib, row, result);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    ok = std::fclose(file) == 0 && ok;
    if (ok) {
        try {
            out.assign(buffer, buffer + size);
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    std::free(buffer);
    result.ok = ok;
    return result;
}

FileResult WriteJpegFile(const std::string& path, int quality, const CImage32& bitmap)
{
    std::vector<uint8_t> bytes;
    FileResult result = WriteJpegBytes(bytes, quality, bitmap);
    std::string why;
    // A refused file gets the command's own message with the reason, not the writer's.
    if (result && !WriteFileAtomically(path, bytes, &why))
        result.Fail(why.empty() ? FileReason::JpegCannotWrite : FileReason::CannotWrite, why);
    return result;
}

FileResult ReadJpegBytes(const uint8_t* data, size_t size, JpegPixels& out)
{
    FileResult result;
    // The codec's own wording for an empty input.
    if (!data || size == 0) {
        result.Note(FileReason::JpegCodec, "Empty input file");
        return result.Fail();
    }
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file)
        return result.Fail();
    try {
        result.ok = Decompress(file, size, out, result);
    } catch (const std::bad_alloc&) {
        result.ok = false;
    }
    std::fclose(file);
    return result;
}

FileResult ReadJpegFile(const std::string& path, JpegPixels& out)
{
    FileResult result;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return result.Fail(FileReason::JpegCannotOpen);
    struct stat st {};
    const size_t bytes = fstat(fileno(file), &st) == 0 ? static_cast<size_t>(st.st_size) : 0;
    try {
        result.ok = Decompress(file, bytes, out, result);
    } catch (const std::bad_alloc&) {
        result.ok = false;
    }
    std::fclose(file);
    return result;
}
CImage32 JpegPixelsToImage(const JpegPixels& pixels)
{
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.rows.size() < pixels.stride * pixels.height)
        return {};
    CImage32 img(pixels.width, pixels.height);
    const size_t components = static_cast<size_t>(pixels.bitsPerPixel / 8);
    const bool colour = components >= 3;
    const size_t width = static_cast<size_t>(pixels.width);
    for (int y = 0; y < pixels.height; ++y) {
        const uint8_t* src = pixels.rows.data() + pixels.stride * static_cast<size_t>(pixels.height - 1 - y);
        Pixel* dst = img.Row(y);
        // One loop per kind of row rather than a test per pixel: backgrounds run to millions of pixels.
        if (colour)
            for (size_t x = 0; x < width; ++x, src += components)
                dst[x] = MakePixel(src[2], src[1], src[0]);
        else
            for (size_t x = 0; x < width; ++x)
                dst[x] = MakePixel(src[x], src[x], src[x]);
    }
    return img;
}
