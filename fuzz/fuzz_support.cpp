#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace gft::fuzz {

Scratch& Scratch::Get() {
    static Scratch scratch;
    return scratch;
}

Scratch::Scratch() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/gft-fuzz-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Require(::mkdtemp(name.data()) != nullptr, "cannot make a scratch folder");
    folder_ = name.data();
    tiles_ = folder_ + "/tiles/";
    std::filesystem::create_directory(tiles_);
}

Scratch::~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string Scratch::Write(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = folder_ + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    Require(fd >= 0, "cannot open the input file");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        Require(n > 0, "cannot write the input file");
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return path;
}

ScratchSession::ScratchSession(View& view) : session(view) {
    session.TempFolder = Scratch::Get().Tiles();
    session.tileCache = std::move(Scratch::Get().tileCache);
}

ScratchSession::~ScratchSession() {
    Scratch::Get().tileCache = std::move(session.tileCache);
}

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

Font BaseFont(int height) {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(height);
    for (int code = 0; code < kGlyphCount; ++code) {
        CharInfo& glyph = font.Chars[code];
        if (code % 3 != 0) {
            MakeAbsent(glyph, height);
            continue;
        }
        glyph.Present = true;
        glyph.Width = static_cast<std::uint8_t>(code % 24);
        glyph.Pixels.assign(static_cast<std::size_t>(glyph.BytesPerRow() * height),
                            static_cast<std::uint8_t>(code));
        font.MaxWidth = std::max(font.MaxWidth, glyph.Width);
    }
    return font;
}

void RequireSoundFont(const Font& font) {
    Require(font.FontHeight >= 1, "font height 0");
    int widest = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Chars[code];
        Require(glyph.DataSize() == glyph.BytesPerRow() * font.FontHeight,
                "glyph size does not follow width and height");
        if (!glyph.Present) {
            Require(glyph.Width == 0, "absent glyph with a width");
            Require(std::all_of(glyph.Pixels.begin(), glyph.Pixels.end(),
                                [](std::uint8_t b) { return b == 0; }),
                    "absent glyph with ink");
        }
        Require(glyph.HasError <= 1 && font.Selected[code] <= 1 && font.Different[code] <= 1,
                "flag byte above 1");
        widest = std::max<int>(widest, glyph.Width);
    }
    Require(font.MaxWidth == widest, "MaxWidth is not the widest width");
}

}  // namespace gft::fuzz
