// The typeface import against FreeType's own load-and-render loop over the
// same codes, and a line of text drawn with a font against filling the same
// picture with the same pixels directly.
#include <benchmark/benchmark.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <vector>

#include "bench_support.h"
#include "format/text_render.h"
#include "format/typeface_import.h"

namespace {

using namespace gft;

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kHelvetica12 = "/usr/share/fonts/X11/75dpi/helvR12.pcf.gz";

void Import(benchmark::State& state, const char* path) {
    TypefaceOptions options;
    for (auto _ : state) {
        TypefaceImport result = ImportTypefaceFile(path, options);
        if (!result.ok()) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result);
    }
}

// The same FreeType calls for the codes 32..255 but 127, the bitmaps left unread.
void BareFreeType(benchmark::State& state, const char* path) {
    std::vector<FT_ULong> characters;
    for (int code = 32; code < 256; ++code)
        if (code != 127)
            if (auto c = CodePageCharacter(CodePage::Windows1250, static_cast<std::uint8_t>(code)))
                characters.push_back(*c);
    for (auto _ : state) {
        FT_Library library;
        FT_Face face;
        FT_Init_FreeType(&library);
        if (FT_New_Face(library, path, 0, &face) != 0) state.SkipWithError("cannot open");
        FT_Select_Charmap(face, FT_ENCODING_UNICODE);
        if (FT_IS_SCALABLE(face))
            FT_Set_Pixel_Sizes(face, 0, 16);
        else
            FT_Select_Size(face, 0);
        for (FT_ULong c : characters) {
            const FT_UInt index = FT_Get_Char_Index(face, c);
            if (index && FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0)
                benchmark::DoNotOptimize(face->glyph->bitmap.buffer);
        }
        FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
}

void BM_Import_DejaVu(benchmark::State& state) {
    Import(state, kDejaVuSans);
}
void BM_Import_DejaVu_BareFreeType(benchmark::State& state) {
    BareFreeType(state, kDejaVuSans);
}
void BM_Import_Pcf(benchmark::State& state) {
    Import(state, kHelvetica12);
}
void BM_Import_Pcf_BareFreeType(benchmark::State& state) {
    BareFreeType(state, kHelvetica12);
}
BENCHMARK(BM_Import_DejaVu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import_DejaVu_BareFreeType)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import_Pcf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import_Pcf_BareFreeType)->Unit(benchmark::kMillisecond);

// 100 characters of the preview's default line, drawn at scale 4 with DejaVu at 16 px.
struct TextCase {
    Font font;
    std::string text;
    TextCase() {
        font = ImportTypefaceFile(kDejaVuSans, TypefaceOptions{}).font;
        const std::string line =
            "Zażółć gęślą jaźń. The quick brown fox jumps over the lazy dog "
            "0123456789 ";
        while (Cp1250BytesOf(text).size() < 100)
            text += line;
        while (Cp1250BytesOf(text).size() > 100)
            text.pop_back();
    }
};
const TextCase& Text() {
    static const TextCase text;
    return text;
}

void BM_TextRender(benchmark::State& state) {
    const TextCase& text = Text();
    for (auto _ : state) {
        TextRender result = RenderText(text.font, text.text, 4);
        benchmark::DoNotOptimize(result.value.pixels.data());
    }
}
BENCHMARK(BM_TextRender)->Unit(benchmark::kMicrosecond);

// A picture of the same size, every pixel written from a mask of the same ink.
void BM_TextRender_DirectFill(benchmark::State& state) {
    const GrayImage drawn = RenderText(Text().font, Text().text, 4).value;
    std::vector<std::uint8_t> ink(drawn.pixels.size());
    for (std::size_t k = 0; k < ink.size(); ++k)
        ink[k] = drawn.pixels[k] == 0;
    for (auto _ : state) {
        GrayImage image(drawn.width, drawn.height);
        for (std::size_t k = 0; k < ink.size(); ++k)
            image.pixels[k] = ink[k] ? 0 : 255;
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_TextRender_DirectFill)->Unit(benchmark::kMicrosecond);

// The floor: a copy of the finished picture.
void BM_TextRender_Copy(benchmark::State& state) {
    const GrayImage drawn = RenderText(Text().font, Text().text, 4).value;
    for (auto _ : state) {
        GrayImage image = drawn;
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_TextRender_Copy)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    using gft::bench::Ratio;
    const std::vector<Ratio> ratios{
        {"BM_Import_DejaVu", "BM_Import_DejaVu_BareFreeType", 1.3, 0},
        {"BM_Import_Pcf", "BM_Import_Pcf_BareFreeType", 1.3, 0},
        {"BM_TextRender", "BM_TextRender_DirectFill", 2.0, 0},
        {"BM_TextRender", "BM_TextRender_Copy", 0, 0},
    };
    return gft::bench::RunWithRatios(argc, argv, ratios);
}
