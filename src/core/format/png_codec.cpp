#include "format/png_codec.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "format/image_pixels.h"

namespace gft {

namespace {

// Where libpng's error callback leaves its message before it jumps back to
// the setjmp of the stage that called into libpng. Plain data only: the jump
// skips no destructor.
struct PngContext {
    const std::uint8_t* input = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
    Bytes* output = nullptr;
    char message[160] = {};
};

PngContext& ContextOf(png_structp png) {
    return *static_cast<PngContext*>(png_get_error_ptr(png));
}

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    PngContext& context = ContextOf(png);
    std::strncpy(context.message, message ? message : "", sizeof context.message - 1);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep data, png_size_t length) {
    PngContext& context = ContextOf(png);
    if (context.size - context.position < length) png_error(png, "the file ends too early");
    std::memcpy(data, context.input + context.position, length);
    context.position += length;
}

// No exception may cross libpng: a failed allocation becomes a libpng error.
void WriteBytes(png_structp png, png_bytep data, png_size_t length) {
    Bytes& out = *ContextOf(png).output;
    bool grown = true;
    try {
        out.insert(out.end(), data, data + length);
    } catch (const std::bad_alloc&) {
        grown = false;
    }
    if (!grown) png_error(png, "out of memory");
}

void Flush(png_structp) {}

std::string Damaged(const PngContext& context) {
    return std::string("PNG image is damaged: ") + context.message;
}

// ---- reading

struct ReadHandles {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadHandles() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// Reads the header and asks libpng for 8-bit grey, or 8-bit RGBA when the
// picture has colour or transparency. Returns false on a libpng error.
bool ReadHeader(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_byte colourType = png_get_color_type(png, info);
    const bool alpha =
        (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    const bool colour = colourType & PNG_COLOR_MASK_COLOR;
    png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_strip_16(png);
    if (colour || alpha) {
        png_set_gray_to_rgb(png);
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadRows(png_structp png, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows.data());
    return true;
}

std::vector<png_bytep> RowPointers(std::uint8_t* pixels, std::size_t stride, int height) {
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = pixels + y * stride;
    return rows;
}

void RgbaToGrey(const Bytes& rgba, GrayImage& image) {
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        image.pixels[i] = OverWhite(Luminance(p[0], p[1], p[2]), p[3]);
    }
}

// ---- writing

struct WriteHandles {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~WriteHandles() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

// A sheet of noise does not shrink, and deflating it costs many times the
// writing of its bytes: a trial on the first rows decides whether the
// picture is compressed (quick run-length deflate) or stored.
bool WorthCompressing(const std::vector<png_bytep>& rows, std::size_t stride) {
    constexpr std::size_t kTrialBytes = 32 * 1024;
    Bytes trial;
    for (std::size_t y = 0; y < rows.size() && trial.size() < kTrialBytes; ++y)
        trial.insert(trial.end(), rows[y], rows[y] + stride);
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) return true;
    Bytes out(deflateBound(&stream, static_cast<uLong>(trial.size())));
    stream.next_in = trial.data();
    stream.avail_in = static_cast<uInt>(trial.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    const std::size_t packed = stream.total_out;
    deflateEnd(&stream);
    return packed * 10 < trial.size() * 9;
}

bool WriteImage(png_structp png, png_infop info, int width, int bitDepth,
                std::vector<png_bytep>& rows, bool compress) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(rows.size()),
                 bitDepth, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    // Sheets are mostly flat paper: no filter and run-length deflate keep
    // the export near the cost of writing its bytes.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, compress ? 1 : 0);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    if (bitDepth == 1) png_set_invert_mono(png);  // ink is 1 in memory, black is 0 in the file
    png_write_image(png, rows.data());
    png_write_end(png, info);
    return true;
}

}  // namespace

bool LooksLikePng(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0;
}

FormatResult<GrayImage> DecodePng(std::span<const std::uint8_t> bytes) {
    using Result = FormatResult<GrayImage>;
    if (!LooksLikePng(bytes)) return Result::Failure("Not a PNG image");
    PngContext context;
    context.input = bytes.data();
    context.size = bytes.size();
    ReadHandles handles;
    handles.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, OnError, OnWarning);
    if (!handles.png) return Result::Failure("Out of memory");
    handles.info = png_create_info_struct(handles.png);
    if (!handles.info) return Result::Failure("Out of memory");
    png_set_read_fn(handles.png, &context, ReadBytes);
    png_set_user_limits(handles.png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(handles.png, 8u << 20);
    if (!ReadHeader(handles.png, handles.info)) return Result::Failure(Damaged(context));

    const auto width = static_cast<std::int64_t>(png_get_image_width(handles.png, handles.info));
    const auto height = static_cast<std::int64_t>(png_get_image_height(handles.png, handles.info));
    if (std::string refused = CheckImageSize(width, height); !refused.empty())
        return Result::Failure(refused);
    GrayImage image(static_cast<int>(width), static_cast<int>(height));
    const int channels = png_get_channels(handles.png, handles.info);
    const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    if (png_get_rowbytes(handles.png, handles.info) != stride)
        return Result::Failure("PNG image is damaged: unexpected row size");
    if (channels == 1) {
        auto rows = RowPointers(image.pixels.data(), stride, image.height);
        if (!ReadRows(handles.png, rows)) return Result::Failure(Damaged(context));
        return Result::Success(std::move(image));
    }
    Bytes rgba(stride * static_cast<std::size_t>(height));
    auto rows = RowPointers(rgba.data(), stride, image.height);
    if (!ReadRows(handles.png, rows)) return Result::Failure(Damaged(context));
    RgbaToGrey(rgba, image);
    return Result::Success(std::move(image));
}

namespace {

FormatResult<Bytes> Encode(int width, int height, int bitDepth, const std::uint8_t* pixels,
                           std::size_t stride) {
    using Result = FormatResult<Bytes>;
    if (width < 1 || height < 1) return Result::Failure("Image is empty");
    Bytes out;
    PngContext context;
    context.output = &out;
    WriteHandles handles;
    handles.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, OnError, OnWarning);
    if (!handles.png) return Result::Failure("Out of memory");
    handles.info = png_create_info_struct(handles.png);
    if (!handles.info) return Result::Failure("Out of memory");
    png_set_write_fn(handles.png, &context, WriteBytes, Flush);
    auto rows = RowPointers(const_cast<std::uint8_t*>(pixels), stride, height);
    const bool compress = WorthCompressing(rows, stride);
    // Stored, the file is the rows with a filter byte each and a little
    // more; room for that up front spares the copies of a growing buffer.
    const std::size_t rawSize = (stride + 1) * rows.size();
    out.reserve(compress ? rawSize / 8 + 1024 : rawSize + rawSize / 1000 + 1024);
    if (!WriteImage(handles.png, handles.info, width, bitDepth, rows, compress))
        return Result::Failure(std::string("PNG image could not be written: ") + context.message);
    return Result::Success(std::move(out));
}

}  // namespace

FormatResult<Bytes> EncodePng(const GrayImage& image) {
    return Encode(image.width, image.height, 8, image.pixels.data(),
                  static_cast<std::size_t>(image.width));
}

FormatResult<Bytes> EncodePng(const InkBitmap& bitmap) {
    return Encode(bitmap.width, bitmap.height, 1, bitmap.bits.data(), bitmap.stride);
}

}  // namespace gft
