// Saving fonts: the file layout, shared duplicates, the save dialog, and that
// a failed save keeps the old file and says so exactly once. The selection
// table beside the font is the golden case save_lok.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "commands/files/save_font.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

using Lines = std::vector<std::string>;

std::string WriteError(int err) {
    return "Error #" + std::to_string(err) + " on WriteByteArray\r\n" + std::strerror(err);
}

// The save command with its dialog answered by path.
void SaveAs(SessionFixture& f, const std::string& path) {
    f.view.answers.push_back(path);
    SaveFontAs(f.session);
}

// A font with many shapes: absent codes, widths 0..40, bits beyond the width,
// present glyphs of width 0, repeated bitmaps, attribute bytes.
FntBuilder VariedFont() {
    FntBuilder b(7);
    b.attr = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0xFF, 0x80};
    for (int code = 0; code < 256; ++code) {
        if (code % 5 == 3) continue;
        const auto width = static_cast<std::uint8_t>((code * 7) % 41);
        Bytes pixels(static_cast<std::size_t>(CharInfo::BytesPerRowFor(width) * 7));
        for (std::size_t k = 0; k < pixels.size(); ++k)
            pixels[k] = static_cast<std::uint8_t>(code % 11 == 0 ? 0x3C : code * 31 + k * 17);
        b.SetPixels(code, width, pixels);
    }
    return b;
}

// FntBuilder lays a font out as the writer does without sharing; the sample
// font against its plain save is tests/cli/golden/session.
TEST(FntWriter, WithoutSharingTheFileIsTheFormatsLayout) {
    FntBuilder empty(9);
    empty.attr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (const FntBuilder& b : {empty, VariedFont()}) {
        SessionFixture f;
        f.session.options[Toggle::Compress] = false;
        f.LoadBytes(b.Build());
        const std::size_t start = f.session.LogLines().size();
        SaveAs(f, f.dir.File("out.fnt"));
        EXPECT_EQ(ReadAll(f.dir.File("out.fnt")), b.Build());
        EXPECT_EQ(f.LogSince(start), Lines{});  // a successful save logs nothing
    }
    EXPECT_EQ(empty.Build().size(), 797u);
}

TEST(FntWriter, DuplicateBitmapsShareOneCopyWhatEverTheirWidths) {
    FntBuilder b(3);
    b.Set(65, 5, 0x70).Set(97, 5, 0x70);  // identical glyphs
    b.Set(66, 5, 0x0F).Set(67, 6, 0x0F);  // same bytes, other widths
    b.Set(68, 9, 0x70);                   // two bytes per row: not a duplicate of 65
    SessionFixture f;
    f.LoadBytes(b.Build());
    SaveAs(f, f.dir.File("out.fnt"));
    const Bytes shared = ReadAll(f.dir.File("out.fnt"));
    EXPECT_EQ(b.Build().size() - shared.size(), 2u * 3);  // 97 and 67 stored once less
    EXPECT_EQ(PointerOf(shared, 97), PointerOf(shared, 65));
    EXPECT_EQ(PointerOf(shared, 67), PointerOf(shared, 66));
    EXPECT_NE(PointerOf(shared, 68), PointerOf(shared, 65));
    EXPECT_EQ(shared[794] * 256 + shared[795], static_cast<int>(shared.size()) - 796);

    SessionFixture g;  // both widths survive the shared data
    g.LoadBytes(shared, "shared.fnt");
    EXPECT_EQ(g.session.font.Chars[66].Width, 5);
    EXPECT_EQ(g.session.font.Chars[67].Width, 6);
    EXPECT_EQ(g.session.font.Chars[67].Pixels, Bytes(3, 0x0F));
}

TEST(FntWriter, SharedRoundTripReproducesTheFontAndTheBytes) {
    SessionFixture f;
    f.LoadBytes(VariedFont().Build());
    SaveAs(f, f.dir.File("first.fnt"));
    const Bytes first = ReadAll(f.dir.File("first.fnt"));

    SessionFixture g;
    g.LoadBytes(first, "again.fnt");
    EXPECT_EQ(g.session.font.AttrSection, f.session.font.AttrSection);
    for (int code = 0; code < 256; ++code)
        EXPECT_TRUE(GlyphsEqual(f.session.font.Chars[code], g.session.font.Chars[code])) << code;
    SaveAs(g, g.dir.File("second.fnt"));
    EXPECT_EQ(ReadAll(g.dir.File("second.fnt")), first);
}

TEST(FntWriter, SaveDialogDestinationAndEditLevel) {
    SessionFixture f;
    f.session.options[Toggle::UseSrcPath] = false;
    f.LoadBytes(FntBuilder(4).Set(65, 8).Build());
    f.session.SetEditStatus(2);

    const std::size_t start = f.session.LogLines().size();
    SaveFontAs(f.session);  // cancelled
    ASSERT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.view.dialogs[0].initialName, f.dir.path() + "/*.fnt");
    EXPECT_EQ(f.LogSince(start), Lines{});
    EXPECT_EQ(FolderEntries(f.dir.path()), (Lines{"font.fnt", "tiles"}));
    EXPECT_EQ(f.session.font.EditStatus, 2);

    SaveAs(f, "a.f");  // too short a name: output.fnt in the program's folder
    EXPECT_EQ(f.session.FilePaths[kModeSave], f.dir.File("output.fnt"));
    EXPECT_EQ(GetFileLength(f.dir.File("output.fnt")), 797 + 4);
    EXPECT_EQ(f.session.font.EditStatus, 0);

    SaveFontAs(f.session);
    EXPECT_EQ(f.view.dialogs.back().initialName, f.dir.File("output.fnt"));

    SessionFixture none;  // no font: no dialog at all
    SaveFontAs(none.session);
    EXPECT_TRUE(none.view.dialogs.empty());
}

// A save that fails: one "Error #" entry and nothing else, the old file, the
// edit level and the destination as they were, no selection table, no
// temporary file left behind.
void ExpectFailedSave(SessionFixture& f, const std::string& target, const std::string& entry) {
    const std::string destination = f.session.FilePaths[kModeSave];
    const std::string folder = std::filesystem::path(target).parent_path().string();
    const Lines before = FolderExists(folder) ? FolderEntries(folder) : Lines{};
    const Bytes oldBytes = FolderExists(target) ? Bytes{} : ReadAll(target);
    f.session.font.Selected[65] = 1;
    f.session.SetEditStatus(2);
    const std::size_t start = f.session.LogLines().size();

    SaveAs(f, target);
    EXPECT_EQ(f.LogSince(start), Lines{entry});
    if (!FolderExists(target)) {
        EXPECT_EQ(ReadAll(target), oldBytes);
    }
    EXPECT_EQ(f.session.font.EditStatus, 2);
    EXPECT_EQ(f.session.FilePaths[kModeSave], destination);
    EXPECT_EQ(f.view.busyDepth, 0);
    EXPECT_EQ(FolderExists(folder) ? FolderEntries(folder) : Lines{}, before);
}

TEST(FntWriter, OverflowPastTheSigned16BitBlockIsAnErrorAndWritesNothing) {
    SessionFixture f;
    FntBuilder b(127);  // 8 x 32 + 2 bytes a row: exactly 32766 bytes of glyphs
    for (int code = 0; code < 8; ++code)
        b.Set(code, 255, static_cast<std::uint8_t>(code + 1));
    b.Set(8, 16, 0x42);
    f.LoadBytes(b.Build());
    const std::string target = f.dir.File("big.fnt");
    SaveAs(f, target);
    EXPECT_EQ(GetFileLength(target), 796 + 32767);

    // One byte more: 151 rows of 6 x 32 + 25 bytes make a block of 32768.
    FntBuilder over(151);
    for (int code = 0; code < 7; ++code)
        over.Set(code, code < 6 ? 255 : 200, static_cast<std::uint8_t>(code + 1));
    f.LoadBytes(over.Build(), "over.fnt");
    ExpectFailedSave(f, target,
                     "Error #6 on SaveFontAs\r\nOverflow: the glyph data needs 32768 bytes, at "
                     "most 32767 fit in a font file");
}

TEST(FntWriter, UnwritableTargetsKeepWhatWasThere) {
    SessionFixture f;
    f.LoadBytes(FntBuilder(4).Set(65, 8).Build());

    ExpectFailedSave(f, f.dir.File("nowhere/out.fnt"), WriteError(ENOENT));

    if (::geteuid() == 0) return;  // root ignores folder permissions
    ::mkdir(f.dir.File("locked").c_str(), 0777);
    f.dir.Write("locked/out.fnt", Bytes(900, 7));
    ::chmod(f.dir.File("locked").c_str(), 0555);
    ExpectFailedSave(f, f.dir.File("locked/out.fnt"), WriteError(EACCES));
    ::chmod(f.dir.File("locked").c_str(), 0755);
}

}  // namespace
}  // namespace gft::test
