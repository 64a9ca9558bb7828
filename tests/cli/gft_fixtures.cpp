// Writes the files the golden tests of grindfnt work on, and the seed corpora
// of the fuzz targets. Every file is built here byte by byte, so what a test
// feeds the runner can be read in this one place.
//
//   gft_fixtures DIR            the golden fixtures, into DIR
//   gft_fixtures --corpus DIR   seed inputs into DIR/fuzz_<target>, one
//                               folder for each fuzz target
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <iostream>
#include <string>

#include "test_support.h"

namespace {

using gft::Bytes;
using gft::test::FntBuilder;
using gft::test::GlyphOf;
using gft::test::PointerOf;
using gft::test::SetEndField;
using gft::test::SetPointer;
using gft::test::SetWidth;

void Put(FntBuilder& font, int code, const gft::CharInfo& glyph) {
    font.SetPixels(code, glyph.Width, glyph.Pixels);
}

const gft::CharInfo kA =
    GlyphOf({"..##..", ".#..#.", "#....#", "#....#", "######", "#....#", "#....#", "......"});
const gft::CharInfo kB =
    GlyphOf({"#####.", "#....#", "#....#", "#####.", "#....#", "#....#", "#####.", "......"});
const gft::CharInfo kC =
    GlyphOf({".####.", "#....#", "#.....", "#.....", "#.....", "#....#", ".####.", "......"});
const gft::CharInfo kD =
    GlyphOf({"####..", "#...#.", "#....#", "#....#", "#....#", "#...#.", "####..", "......"});
// An 'A' of another cut, with ink past its width that only the invisible part shows.
const gft::CharInfo kOtherA = GlyphOf({"...#...,", "..#.#..,", ".#...#.,", "#.....#,", "#######+",
                                       "#.....#,", "#.....#,", ".......,"});
const gft::CharInfo kWide =
    GlyphOf({"##################..", "#..................#", "#..................#",
             "##################..", "....................", "....................",
             "....................", "...................."});

// A row of width columns, inked at the columns given.
std::string Row(int width, std::initializer_list<int> inked) {
    std::string row(static_cast<std::size_t>(width), '.');
    for (const int col : inked)
        row[static_cast<std::size_t>(col)] = '#';
    return row;
}

// The clean font most scripts start from: height 8, a space, A, B, a copy of A
// at 'a' (one shared copy when duplicates are stored as one), attribute bytes.
FntBuilder CleanFont() {
    FntBuilder font(8);
    font.Set(32, 4, 0x00);
    Put(font, 65, kA);
    Put(font, 66, kB);
    Put(font, 97, kA);
    font.attr = {0x47, 0x46, 0x54, 0x01, 0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0xFE, 0xFF};
    return font;
}

// The font merged into and compared with the clean one: another A, C and D
// that the clean font lacks, a present glyph of width 0 at 69, a glyph cut off
// by the end of the file at 70, a pointer past the block at 71.
Bytes MoreFont() {
    FntBuilder font(8);
    Put(font, 65, kOtherA);
    Put(font, 67, kC);
    Put(font, 68, kD);
    font.Set(69, 0, 0x81);
    font.Set(70, 12, 0xC3);  // 16 bytes, the last glyph in the block
    font.Set(71, 3, 0xE0);
    font.attr = {0x47, 0x46, 0x54, 0x02};
    Bytes file = font.Build();
    const int block = static_cast<int>(file.size()) - 796;
    SetPointer(file, 70, block - 6);  // 10 of its 16 bytes are missing
    SetPointer(file, 71, block);      // just past the block
    return file;
}

// Glyph-level faults laid out so that the file order differs from the code
// order in which the reader reports them.
Bytes GlyphFaults() {
    FntBuilder font(4);
    font.Set(200, 8, 0x11).Set(3, 8, 0x22).Set(90, 16, 0x33).Set(150, 5, 0x44);
    Bytes file = font.Build();
    const int block = static_cast<int>(file.size()) - 796;
    SetPointer(file, 200, block + 5);            // outside the block
    SetWidth(file, 3, 0);                        // present, width 0
    SetWidth(file, 120, 9);                      // absent, with a width
    SetPointer(file, 90, block - 3);             // 8 bytes wanted, 3 there
    SetPointer(file, 150, PointerOf(file, 90));  // shares them, cut off as well
    return file;
}

// Faults of the frame around the data block; the glyphs themselves are fine.
Bytes FrameFaults() {
    FntBuilder font(2);
    font.Set(65, 8, 0x18);
    Bytes file = font.Build();
    file[792] = 1;
    file[793] = 2;
    SetEndField(file, 0x1234);
    file[796] = 0xEE;
    return file;
}

// An 8 x 8 font of an 8-bit computer in the Atari's internal order: source
// character 0 is the (blank) space, 33 an 'A', 64 a heart for code 0, 97 a
// diamond that stays at 97; 63, 95, 96 and 127, each at an end of its part of
// the order, a top row holding their number; the rest blank.
Bytes AtariFont() {
    Bytes file(1024, 0);
    const Bytes a{0x18, 0x3C, 0x66, 0x66, 0x7E, 0x66, 0x66, 0x00};
    const Bytes heart{0x00, 0x36, 0x7F, 0x7F, 0x3E, 0x1C, 0x08, 0x00};
    const Bytes diamond{0x00, 0x08, 0x1C, 0x3E, 0x7F, 0x3E, 0x1C, 0x08};
    std::copy(a.begin(), a.end(), file.begin() + 33 * 8);
    std::copy(heart.begin(), heart.end(), file.begin() + 64 * 8);
    std::copy(diamond.begin(), diamond.end(), file.begin() + 97 * 8);
    for (const int k : {63, 95, 96, 127})
        file[static_cast<std::size_t>(k * 8)] = static_cast<std::uint8_t>(k);
    return file;
}

// 64 blocks of two 4-pixel characters; block 16 holds source characters 32
// (a bar, code 64) on the left and 33 (an 'A', code 65) on the right.
Bytes PackedF80() {
    Bytes file(512, 0);
    const Bytes barAndA{0x64, 0x6A, 0x6E, 0x6A, 0x6A, 0x60, 0x00, 0x00};
    std::copy(barAndA.begin(), barAndA.end(), file.begin() + 16 * 8);
    return file;
}

// 256 characters in file order: code k is a diagonal stripe for odd k, blank
// for even k (absent, except the space).
Bytes RawFont() {
    Bytes file(2048, 0);
    for (int k = 1; k < 256; k += 2)
        for (int r = 0; r < 8; ++r)
            file[static_cast<std::size_t>(k * 8 + r)] = static_cast<std::uint8_t>(0x80 >> r);
    return file;
}

// Every byte has its ink in the low nibble: 4-pixel characters in the right half.
Bytes LowNibbleFont() {
    Bytes file(1024, 0);
    for (std::size_t i = 8; i < 16; ++i)
        file[i] = static_cast<std::uint8_t>(i % 2 ? 0x09 : 0x06);
    return file;
}

// A glyph of a 255 rows high font, `width` wide, with ink where ink(row, col).
Bytes Drawn255(int width, bool (*ink)(int row, int col)) {
    const int bytesPerRow = gft::CharInfo::BytesPerRowFor(width);
    Bytes pixels(static_cast<std::size_t>(bytesPerRow * 255), 0);
    for (int row = 0; row < 255; ++row)
        for (int col = 0; col < width; ++col)
            if (ink(row, col))
                pixels[static_cast<std::size_t>(row * bytesPerRow + col / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (col % 8));
    return pixels;
}

// Glyphs beyond what one TrueType outline holds: three 120 x 120
// checkerboards of 7200 contours each, a full 255 x 255 glyph and a
// 255 x 255 checkerboard of 130052 points.
Bytes ComplexFont() {
    FntBuilder font(255);
    const auto checker = [](int row, int col) { return (row + col) % 2 == 0; };
    const auto small = [](int row, int col) { return row < 120 && (row + col) % 2 == 0; };
    for (const int code : {'A', 'D', 'E'})
        font.SetPixels(code, 120, Drawn255(120, small));
    font.SetPixels('B', 255, Drawn255(255, [](int, int) { return true; }));
    font.SetPixels('C', 255, Drawn255(255, checker));
    return font.Build();
}

class Writer {
  public:
    explicit Writer(std::string folder) : folder_(std::move(folder)) {}
    void operator()(const std::string& name, const Bytes& bytes) {
        const std::string path = folder_ + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        bool written = file && (bytes.empty() ||
                                std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
        if (file && std::fclose(file) != 0) written = false;
        if (!written) {
            std::cerr << "gft_fixtures: cannot write " << path << '\n';
            ok = false;
        }
    }
    bool ok = true;

  private:
    std::string folder_;
};

void WriteGoldenFixtures(Writer& write) {
    write("clean.fnt", CleanFont().Build());
    write("more.fnt", MoreFont());
    FntBuilder tall(20);
    tall.Set(65, 6, 0x30);
    write("tall.fnt", tall.Build());
    FntBuilder wide(8);
    Put(wide, 87, kWide);
    write("wide.fnt", wide.Build());

    // Ink in the top row of 65, past the width of 70, in the second byte of
    // 66's rows (top and, past its width, bottom); a 255 high font inked in
    // its bottom row.
    FntBuilder gaps(3);
    gaps.SetPixels(65, 8, {0x01, 0, 0}).SetPixels(70, 5, {0x07, 0, 0});
    gaps.SetPixels(66, 9, {0, 0x80, 0x5A, 0x5A, 0, 1});
    write("gaps.fnt", gaps.Build());
    FntBuilder tallest(255);
    tallest.Set(65, 255, 0).glyphs[65].pixels.back() = 0x01;
    write("tallest.fnt", tallest.Build());
    write("complex.fnt", ComplexFont());

    // The transforms' glyphs, 5 high: a space with bits only past its width
    // (32), a '#' sign with bits past its width (65), ink in the last column
    // of width 255 (66) and in the last but one of width 254 (68), a present
    // glyph of width 0 (67); and a font 1 high.
    FntBuilder effects(5);
    Put(effects, 32, GlyphOf({"...+,+,+", "...,,,,,", "...,,,,,", "...,,,,,", "...,,,,+"}));
    Put(effects, 65, GlyphOf({".#.#.+,+", "#####,,,", ".#.#.,,,", "#####,+,", ".#.#.,,,"}));
    const std::string blank = Row(255, {});
    Put(effects, 66, GlyphOf({Row(255, {254}), blank, blank, blank, Row(255, {0, 253})}));
    Put(effects, 67, GlyphOf({"+,,,,,,+", ",,,,,,,,", ",,,,,,,,", ",,,,,,,,", "+,,,,,,+"}));
    const std::string blank254 = Row(254, {});
    Put(effects, 68, GlyphOf({blank254, blank254, blank254, Row(254, {0}), Row(254, {253})}));
    write("effects.fnt", effects.Build());
    FntBuilder flat(1);
    Put(flat, 65, GlyphOf({"#.#,+,,,"}));
    Put(flat, 66, GlyphOf({Row(255, {0, 254})}));
    write("flat.fnt", flat.Build());

    // Files the reader rejects.
    write("empty.fnt", {});
    write("tiny.fnt", Bytes(796, 0));
    Bytes badHeader = CleanFont().Build();
    badHeader[3] = 2;
    write("badheader.fnt", badHeader);
    Bytes badZero = CleanFont().Build();
    badZero[10] = 1;
    write("badzero.fnt", badZero);

    // Files the reader repairs.
    FntBuilder height0(0);
    height0.Set(65, 8);
    write("height0.fnt", height0.Build());
    write("frame.fnt", FrameFaults());
    write("glyphs.fnt", GlyphFaults());
    write("shortlok.fnt", CleanFont().Build());
    Bytes shortTable(100, 0);
    shortTable[66] = 1;
    write("shortlok.lok", shortTable);
    write("longlok.fnt", CleanFont().Build());
    Bytes longTable(300, 0);
    longTable[65] = 9;  // read as 1
    write("longlok.lok", longTable);

    // 8-bit fonts.
    write("atari.fnt", AtariFont());
    Bytes atariTable(256, 0);
    for (const int k : {1, 33, 70, 100})  // selects codes 33, 65, 6 and 100 after the import
        atariTable[static_cast<std::size_t>(k)] = 1;
    write("atari.lok", atariTable);
    Bytes left = AtariFont();  // ink in the left halves only: a 4-pixel font
    for (auto& byte : left)
        byte &= 0xF0;
    write("left.fnt", left);
    write("packed.f80", PackedF80());
    write("raw.bin", RawFont());
    write("nibble.bin", LowNibbleFont());
    Bytes odd = AtariFont();
    odd.resize(1030, 0xFF);
    write("odd.bin", odd);
    write("empty.bin", {});
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// Small valid and faulty inputs for the fuzzers to start from.
class Corpus {
  public:
    explicit Corpus(std::string folder) : folder_(std::move(folder)) {
        ::mkdir(folder_.c_str(), 0777);
    }
    Writer Target(const std::string& name) {
        const std::string path = folder_ + "/fuzz_" + name;
        ::mkdir(path.c_str(), 0777);
        return Writer(path);
    }

  private:
    std::string folder_;
};

bool WriteFntSeeds(Corpus& corpus) {
    Writer font = corpus.Target("fnt_reader");
    font("empty8.fnt", FntBuilder(8).Build());
    font("clean.fnt", CleanFont().Build());
    font("more.fnt", MoreFont());
    font("glyphs.fnt", GlyphFaults());
    font("frame.fnt", FrameFaults());
    FntBuilder tall(255);
    tall.Set(1, 255, 0x5A).Set(2, 9, 0x81);
    font("tall.fnt", tall.Build());
    return font.ok;
}

bool WriteEightBitSeeds(Corpus& corpus) {
    Writer eightBit = corpus.Target("eight_bit_import");
    const auto withVariant = [](std::uint8_t remap, Bytes file) {
        file.insert(file.begin(), remap);
        return file;
    };
    eightBit("atari", withVariant(1, AtariFont()));
    eightBit("packed", withVariant(1, PackedF80()));
    eightBit("raw", withVariant(0, RawFont()));
    eightBit("nibble", withVariant(0, LowNibbleFont()));
    return eightBit.ok;
}

bool WriteSelectionSeeds(Corpus& corpus) {
    Writer table = corpus.Target("selection_table");
    Bytes full(256, 0);
    full[65] = full[66] = 1;
    full[200] = 9;
    table("full.lok", full);
    table("short.lok", Bytes(full.begin(), full.begin() + 100));
    Bytes longer = full;
    longer.resize(300, 1);
    table("long.lok", longer);
    return table.ok;
}

bool WriteSettingsSeeds(Corpus& corpus) {
    Writer ini = corpus.Target("settings");
    const std::string head =
        "[Version]\nApplication=Grind FNT Tool\nMajor=0\nMinor=0\n"
        "Revision=150\n";
    ini("saved.ini",
        Text(head + "[Paths]\nSource=/home/a/f.fnt\nDestination=\nSourceForMerge=m.fnt\n"
                    "SourceForCompare=\nSourceForAtariImport=\nSourceFor8bitImport=\n"
                    "[Options]\nShowFrames=1\nWidthMore8ToYellow=0\nShowInvisibleParts=1\n"
                    "UseSrcPathForOutput=0\nSkipDuplicates=1\nInverseCursor=0\n"
                    "BaseFontName=Fixedsys\nBaseFontSize=18\nBaseFontBold=1\n"
                    "SaveGFTSelectionTable=1\nMarkDifferent=0\n"));
    ini("crlf.ini", Text("[version]\r\napplication = Grind FNT Tool\r\n\r\n[OPTIONS]\r\n"
                         "showframes = -0.5\r\nBaseFontSize=12.75\r\nBaseFontName = Courier \r\n"));
    ini("messy.ini", Text("; comment\n[Options\nShowFrames=0\n" + head +
                          "[Options]\nSkipDuplicates=abc\n[Paths]\nSource\n=x\n[Options]\n"
                          "MarkDifferent=1\n"));
    ini("other.ini", Text("[Version]\nApplication=Other Tool\n"));
    return ini.ok;
}

bool WriteCommandLineSeeds(Corpus& corpus) {
    Writer line = corpus.Target("command_line");
    line("help", Text("/Help"));
    line("quoted", Text("\"a b.fnt\" a.fnt -x \"p.fnt\"\tx"));
    line("argv", Text(std::string("a.fnt\0--help\0p.fnt\0d\0e.fnt", 26)));
    line("absolute", Text(" /tmp \"/h\" ../current/a.fnt"));
    return line.ok;
}

// The run's folder has a.fnt (the sample font), b.fnt with b.lok, c.bin and d.f80.
bool WriteScriptSeeds(Corpus& corpus) {
    Writer script = corpus.Target("run_script");
    script("glyphs", Text("load a.fnt\nselect-polish\ncopy-block 0\nheight 0\nclick 65\n"
                          "click 66\nclick 48\nclick 49 shift\nhover 66\ndump 97\nundo\nredo\n"));
    script("editor", Text("load b.fnt\nedit 66\ned mirror-h\ned pixel 2 3 left\ned width+\n"
                          "ed right\ned apply\ned next\ned inverse\ned restore\ned caption\n"));
    script("files", Text("load b.fnt\nmerge a.fnt\ncompare a.fnt\nselect-where errors\n"
                         "option save-lok on\nsave e.fnt\nload e.fnt\nquick-save\ntitle\n"));
    script("import", Text("new 8\nimport-atari c.bin\nimport-8bit d.f80\nselect invert\n"
                          "delete-selected\nstatus\n"));
    script("settings", Text("option show-frames off\nsave-settings\noption show-frames on\n"
                            "load-settings\nlog-dblclick Character 65\nclear-log\nesc\n"));
    script("transforms", Text("load b.fnt\nselect all\nbold\nitalic 1\noutline\nshadow\n"
                              "invert\nscale 2\nundo\nredo\nscale 3\n"));
    return script.ok;
}

void WriteCorpus(const std::string& folder, bool& ok) {
    Corpus corpus(folder);
    ok = WriteFntSeeds(corpus) && WriteEightBitSeeds(corpus) && WriteSelectionSeeds(corpus) &&
         WriteSettingsSeeds(corpus) && WriteCommandLineSeeds(corpus) && WriteScriptSeeds(corpus);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string usage = "usage: gft_fixtures DIR | gft_fixtures --corpus DIR\n";
    if (argc == 3 && std::string(argv[1]) == "--corpus") {
        bool ok = false;
        WriteCorpus(argv[2], ok);
        return ok ? 0 : 1;
    }
    if (argc != 2) {
        std::cerr << usage;
        return 2;
    }
    Writer write(argv[1]);
    WriteGoldenFixtures(write);
    return write.ok ? 0 : 1;
}
