#include "test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "commands/files/read_font.h"
#include "support/file_helpers.h"

namespace gft::test {

FntBuilder& FntBuilder::Set(int code, std::uint8_t width, std::uint8_t fill) {
    const int bytesPerRow = CharInfo::BytesPerRowFor(width);
    return SetPixels(code, width, Bytes(static_cast<std::size_t>(bytesPerRow * height), fill));
}

FntBuilder& FntBuilder::SetPixels(int code, std::uint8_t width, Bytes pixels) {
    glyphs[code] = {true, width, std::move(pixels)};
    return *this;
}

CharInfo GlyphOf(const std::vector<std::string>& rows) {
    const std::string& first = rows.front();
    const auto width =
        std::count_if(first.begin(), first.end(), [](char c) { return c == '#' || c == '.'; });
    CharInfo glyph{true, {}, static_cast<std::uint8_t>(width), 0};
    const auto bytesPerRow = static_cast<std::size_t>(glyph.BytesPerRow());
    glyph.Pixels.assign(rows.size() * bytesPerRow, 0);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t col = 0; col < rows[row].size(); ++col)
            if (rows[row][col] == '#' || rows[row][col] == '+')
                glyph.Pixels[row * bytesPerRow + col / 8] |=
                    static_cast<std::uint8_t>(0x80 >> col % 8);
    return glyph;
}

Bytes FntBuilder::Build() const {
    Bytes file{0, 0, 0, 1, 0, 0, 0, height, 0, 0, 0, 0};
    file.insert(file.end(), attr.begin(), attr.end());
    Bytes pointers;
    Bytes block{0};
    for (const auto& glyph : glyphs)
        file.push_back(glyph.present ? glyph.width : 0);
    for (const auto& glyph : glyphs) {
        const int p = glyph.present ? static_cast<int>(block.size()) : 0;
        pointers.push_back(static_cast<std::uint8_t>(p >> 8));
        pointers.push_back(static_cast<std::uint8_t>(p & 0xFF));
        if (glyph.present) block.insert(block.end(), glyph.pixels.begin(), glyph.pixels.end());
    }
    file.insert(file.end(), pointers.begin(), pointers.end());
    const int length = static_cast<int>(block.size());
    file.insert(file.end(), {0, 0, static_cast<std::uint8_t>(length >> 8),
                             static_cast<std::uint8_t>(length & 0xFF)});
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

int PointerOf(const Bytes& file, int code) {
    return file[280 + 2 * code] * 256 + file[281 + 2 * code];
}

void SetPointer(Bytes& file, int code, int pointer) {
    file[280 + 2 * code] = static_cast<std::uint8_t>(pointer >> 8);
    file[281 + 2 * code] = static_cast<std::uint8_t>(pointer & 0xFF);
}

void SetWidth(Bytes& file, int code, std::uint8_t width) {
    file[24 + code] = width;
}

void SetEndField(Bytes& file, int length) {
    file[794] = static_cast<std::uint8_t>(length >> 8);
    file[795] = static_cast<std::uint8_t>(length & 0xFF);
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/gft-test-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = name.data();
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const {
    const std::string path = File(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

FakeProcess::FakeProcess(const TempDir& dir, std::vector<std::string> arguments) {
    for (const char* sub : {"prog", "cur", "home", "tmp"})
        ::mkdir(dir.File(sub).c_str(), 0777);
    variables["HOME"] = dir.File("home");
    environment.getenv = [this](const std::string& name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
    environment.programFolder = dir.File("prog");
    environment.currentFolder = dir.File("cur");
    environment.arguments = std::move(arguments);
}

std::optional<std::string> RecordingView::AskFileName(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

SessionFixture::SessionFixture() {
    ::mkdir(dir.File("tiles").c_str(), 0777);
    session.TempFolder = dir.File("tiles/");
    session.ProgramFolder = dir.path();
}

std::vector<std::string> LogOf(const Session& session, std::size_t first) {
    std::vector<std::string> lines;
    const auto& all = session.LogLines();
    for (std::size_t i = first; i < all.size(); ++i)
        if (all[i].rfind("Preview generated (", 0) != 0) lines.push_back(all[i]);
    return lines;
}

std::string SessionFixture::LoadBytes(const Bytes& file, const std::string& name) {
    const std::string path = dir.Write(name, file);
    session.FilePaths[kModeLoad] = path;
    ReadFntFile(session, path, kModeLoad);
    return path;
}

}  // namespace gft::test
