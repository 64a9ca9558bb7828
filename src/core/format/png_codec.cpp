#include "format/png_codec.h"

#include <libdeflate.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>
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
// picture has colour or transparency; or, when `keepInk` and the picture is
// black and white already (1-bit grey, nothing transparent), for its bits as
// stored, inverted so that ink is 1. Returns false on a libpng error.
bool ReadHeader(png_structp png, png_infop info, bool keepInk, bool& inkBits) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_byte colourType = png_get_color_type(png, info);
    const bool alpha =
        (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    const bool colour = colourType & PNG_COLOR_MASK_COLOR;
    inkBits =
        keepInk && colourType == PNG_COLOR_TYPE_GRAY && !alpha && png_get_bit_depth(png, info) == 1;
    if (inkBits) {
        png_set_invert_mono(png);
    } else {
        png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
        png_set_strip_16(png);
        if (colour || alpha) {
            png_set_gray_to_rgb(png);
            png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
        }
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
//
// The file is written here, not by libpng: the rows stream from the picture
// into IDAT chunks with no buffer of the whole image. The data of a picture
// that run-length deflate shrinks is deflated; any other is stored as it is,
// in stored deflate blocks that cost no more than a copy and two checksums.

// A grey picture's rows as the encoder takes them: 8 or 1 bits a pixel,
// each row drawn into a clear buffer of `stride` bytes when it is written.
struct RowSource {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    std::size_t stride = 0;
    std::function<void(int y, std::uint8_t* row)> draw;
};

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kMaxWrittenSide = 1000000;     // as libpng and most readers take
constexpr std::size_t kStoredBlock = 65535;  // the most a stored deflate block holds

void PutBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Chunks of a PNG file written into a sink, each with its length and CRC;
// a chunk's data may come in pieces, which are not copied together.
class ChunkWriter {
  public:
    using Pieces = std::initializer_list<std::span<const std::uint8_t>>;
    explicit ChunkWriter(ByteSink& sink) : sink_(sink) {}
    void Write(const char (&type)[5], Pieces data) {
        std::size_t size = 0;
        for (const auto& piece : data)
            size += piece.size();
        Bytes head;
        PutBigEndian(head, static_cast<std::uint32_t>(size));
        head.insert(head.end(), type, type + 4);
        sink_.Write(head);
        std::uint32_t crc = libdeflate_crc32(0, head.data() + 4, 4);
        for (const auto& piece : data) {
            if (piece.empty()) continue;  // null data would reset the CRC
            crc = libdeflate_crc32(crc, piece.data(), piece.size());
            sink_.Write(piece);
        }
        Bytes tail;
        PutBigEndian(tail, crc);
        sink_.Write(tail);
    }

  private:
    ByteSink& sink_;
};

// The image data as a zlib stream of stored blocks, an IDAT chunk each.
class StoredData {
  public:
    explicit StoredData(ChunkWriter& chunks) : chunks_(chunks) { block_.reserve(kStoredBlock); }
    void Put(std::span<const std::uint8_t> data) {
        adler_ = libdeflate_adler32(adler_, data.data(), data.size());
        while (!data.empty()) {
            const std::size_t room = std::min(kStoredBlock - block_.size(), data.size());
            block_.insert(block_.end(), data.begin(), data.begin() + room);
            data = data.subspan(room);
            if (block_.size() == kStoredBlock) Emit(false);
        }
    }
    void Finish() { Emit(true); }

  private:
    void Emit(bool last) {
        constexpr std::uint8_t kZlibHeader[] = {0x78, 0x01};  // deflate, 32 KiB window
        const auto size = static_cast<std::uint16_t>(block_.size());
        const auto inverse = static_cast<std::uint16_t>(~size);
        const std::uint8_t header[] = {
            static_cast<std::uint8_t>(last ? 1 : 0), static_cast<std::uint8_t>(size),
            static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(inverse),
            static_cast<std::uint8_t>(inverse >> 8)};
        Bytes checksum;
        if (last) PutBigEndian(checksum, adler_);
        const std::span<const std::uint8_t> start =
            first_ ? kZlibHeader : std::span<const std::uint8_t>();
        chunks_.Write("IDAT", {start, header, block_, checksum});
        first_ = false;
        block_.clear();
    }

    ChunkWriter& chunks_;
    Bytes block_;
    bool first_ = true;
    std::uint32_t adler_ = 1;  // the Adler-32 of nothing
};

// The image data deflated (quick run-length deflate), an IDAT chunk each
// time the output buffer fills. False when zlib fails.
class DeflatedData {
  public:
    explicit DeflatedData(ChunkWriter& chunks) : chunks_(chunks), out_(kOutput) {
        ready_ = deflateInit2(&stream_, 1, Z_DEFLATED, 15, 8, Z_RLE) == Z_OK;
    }
    ~DeflatedData() {
        if (ready_) deflateEnd(&stream_);
    }
    DeflatedData(const DeflatedData&) = delete;
    DeflatedData& operator=(const DeflatedData&) = delete;

    void Put(std::span<const std::uint8_t> data) { Run(data, Z_NO_FLUSH); }
    bool Finish() { return Run({}, Z_FINISH) && ready_; }

  private:
    static constexpr std::size_t kOutput = 64 * 1024;
    bool Run(std::span<const std::uint8_t> data, int flush) {
        if (!ready_) return false;
        stream_.next_in = const_cast<std::uint8_t*>(data.data());
        stream_.avail_in = static_cast<uInt>(data.size());
        for (;;) {
            stream_.next_out = out_.data();
            stream_.avail_out = static_cast<uInt>(out_.size());
            const int status = deflate(&stream_, flush);
            if (status == Z_STREAM_ERROR) return ready_ = false;
            const std::size_t made = out_.size() - stream_.avail_out;
            if (made > 0) chunks_.Write("IDAT", {std::span(out_).first(made)});
            if (flush == Z_FINISH ? status == Z_STREAM_END : stream_.avail_out != 0) return true;
        }
    }

    ChunkWriter& chunks_;
    z_stream stream_{};
    Bytes out_;
    bool ready_ = false;
};

// A sheet of noise does not shrink, and deflating it costs many times the
// writing of its bytes: a trial on the first rows decides whether the
// picture is deflated or stored. The trial has a window as large as itself:
// with a smaller one, zlib slides its tables every few hundred bytes.
bool WorthCompressing(const RowSource& source) {
    constexpr std::size_t kTrialBytes = 32 * 1024;
    const std::size_t rows = std::min<std::size_t>(
        static_cast<std::size_t>(source.height), (kTrialBytes + source.stride - 1) / source.stride);
    Bytes trial(rows * source.stride, 0);
    for (std::size_t y = 0; y < rows; ++y)
        source.draw(static_cast<int>(y), &trial[y * source.stride]);
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

// Ink is 1 in memory and black is 0 in a grey file: 1-bit rows are inverted
// on the way out, eight bytes at a time.
void InvertRow(std::uint8_t* row, std::size_t size) {
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, row + i, sizeof word);
        word = ~word;
        std::memcpy(row + i, &word, sizeof word);
    }
    for (; i < size; ++i)
        row[i] = static_cast<std::uint8_t>(~row[i]);
}

Bytes HeaderChunk(const RowSource& source) {
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(source.width));
    PutBigEndian(header, static_cast<std::uint32_t>(source.height));
    const std::uint8_t rest[] = {static_cast<std::uint8_t>(source.bitDepth), 0 /* grey */,
                                 0 /* deflate */, 0 /* filters */, 0 /* not interlaced */};
    header.insert(header.end(), std::begin(rest), std::end(rest));
    return header;
}

// Every row with the filter byte 0 (none) in front, into the data.
template <class Data>
void PutRows(const RowSource& source, Data& data) {
    Bytes row(source.stride + 1);
    for (int y = 0; y < source.height; ++y) {
        std::fill(row.begin(), row.end(), 0);
        source.draw(y, row.data() + 1);
        if (source.bitDepth == 1) InvertRow(row.data() + 1, source.stride);
        data.Put(row);
    }
}

std::string Encode(const RowSource& source, ByteSink& sink) {
    if (source.width < 1 || source.height < 1) return "Image is empty";
    if (source.width > kMaxWrittenSide || source.height > kMaxWrittenSide)
        return "Image is too large to write";
    sink.Write(kSignature);
    ChunkWriter chunks(sink);
    chunks.Write("IHDR", {HeaderChunk(source)});
    if (WorthCompressing(source)) {
        DeflatedData data(chunks);
        PutRows(source, data);
        if (!data.Finish()) return "PNG image could not be written: deflate failed";
    } else {
        StoredData data(chunks);
        PutRows(source, data);
        data.Finish();
    }
    chunks.Write("IEND", {});
    return {};
}

// A picture already in memory, its rows copied out as they are written.
RowSource RowsOf(int width, int height, int bitDepth, const std::uint8_t* pixels,
                 std::size_t stride) {
    return {width, height, bitDepth, stride, [pixels, stride](int y, std::uint8_t* row) {
                std::memcpy(row, pixels + static_cast<std::size_t>(y) * stride, stride);
            }};
}

FormatResult<Bytes> Encoded(const RowSource& source) {
    BytesSink sink;
    std::string error = Encode(source, sink);
    if (!error.empty()) return FormatResult<Bytes>::Failure(std::move(error));
    return FormatResult<Bytes>::Success(std::move(sink.bytes));
}

}  // namespace

bool LooksLikePng(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0;
}

namespace {

// A PNG file opened and its header read, ready for its rows.
struct OpenedPng {
    PngContext context;
    ReadHandles handles;
    int width = 0;
    int height = 0;
    bool inkBits = false;  // the rows are 1-bit ink, not luminance

    // An empty string, or why the picture cannot be read.
    std::string Open(std::span<const std::uint8_t> bytes, bool keepInk) {
        if (!LooksLikePng(bytes)) return "Not a PNG image";
        context.input = bytes.data();
        context.size = bytes.size();
        handles.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, OnError, OnWarning);
        if (!handles.png) return "Out of memory";
        handles.info = png_create_info_struct(handles.png);
        if (!handles.info) return "Out of memory";
        png_set_read_fn(handles.png, &context, ReadBytes);
        png_set_user_limits(handles.png, kMaxImageSide, kMaxImageSide);
        png_set_chunk_malloc_max(handles.png, 8u << 20);
        if (!ReadHeader(handles.png, handles.info, keepInk, inkBits)) return Damaged(context);
        const auto w = static_cast<std::int64_t>(png_get_image_width(handles.png, handles.info));
        const auto h = static_cast<std::int64_t>(png_get_image_height(handles.png, handles.info));
        if (std::string refused = CheckImageSize(w, h); !refused.empty()) return refused;
        width = static_cast<int>(w);
        height = static_cast<int>(h);
        return {};
    }

    // Reads every row into a buffer of `stride` bytes a row.
    std::string ReadInto(std::uint8_t* pixels, std::size_t stride) {
        if (png_get_rowbytes(handles.png, handles.info) != stride)
            return "PNG image is damaged: unexpected row size";
        auto rows = RowPointers(pixels, stride, height);
        return ReadRows(handles.png, rows) ? std::string() : Damaged(context);
    }
};

}  // namespace

FormatResult<GrayImage> DecodePng(std::span<const std::uint8_t> bytes) {
    using Result = FormatResult<GrayImage>;
    OpenedPng png;
    if (std::string error = png.Open(bytes, false); !error.empty()) return Result::Failure(error);
    GrayImage image(png.width, png.height);
    const int channels = png_get_channels(png.handles.png, png.handles.info);
    const std::size_t stride =
        static_cast<std::size_t>(png.width) * static_cast<std::size_t>(channels);
    if (channels == 1) {
        std::string error = png.ReadInto(image.pixels.data(), stride);
        return error.empty() ? Result::Success(std::move(image)) : Result::Failure(error);
    }
    Bytes rgba(stride * static_cast<std::size_t>(png.height));
    if (std::string error = png.ReadInto(rgba.data(), stride); !error.empty())
        return Result::Failure(error);
    RgbaToGrey(rgba, image);
    return Result::Success(std::move(image));
}

FormatResult<InkBitmap> DecodePngInk(std::span<const std::uint8_t> bytes) {
    using Result = FormatResult<InkBitmap>;
    OpenedPng png;
    if (std::string error = png.Open(bytes, true); !error.empty()) return Result::Failure(error);
    if (!png.inkBits) {
        FormatResult<GrayImage> grey = DecodePng(bytes);
        return grey.ok() ? Result::Success(InkOf(grey.value)) : Result::Failure(grey.error);
    }
    InkBitmap bitmap(png.width, png.height);
    if (std::string error = png.ReadInto(bitmap.bits.data(), bitmap.stride); !error.empty())
        return Result::Failure(error);
    // The padding bits of each row were inverted with the rest: paper again.
    if (const int used = png.width % 8)
        for (int y = 0; y < png.height; ++y)
            bitmap.Row(y)[bitmap.stride - 1] &= static_cast<std::uint8_t>(0xFF00u >> used);
    return Result::Success(std::move(bitmap));
}

FormatResult<Bytes> EncodePng(const GrayImage& image) {
    const auto stride = static_cast<std::size_t>(image.width);
    return Encoded(RowsOf(image.width, image.height, 8, image.pixels.data(), stride));
}

FormatResult<Bytes> EncodePng(const InkBitmap& bitmap) {
    return Encoded(RowsOf(bitmap.width, bitmap.height, 1, bitmap.bits.data(), bitmap.stride));
}

std::string WritePng(const InkRows& picture, ByteSink& sink) {
    const std::size_t stride = (static_cast<std::size_t>(std::max(picture.width, 0)) + 7) / 8;
    return Encode({picture.width, picture.height, 1, stride, picture.draw}, sink);
}

}  // namespace gft
