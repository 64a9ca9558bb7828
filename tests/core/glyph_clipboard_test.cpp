// The program's own clipboard form of glyphs and where a paste puts them.
#include <gtest/gtest.h>

#include "commands/glyphs/glyph_paste.h"
#include "format/glyph_clipboard.h"

namespace gft::test {
namespace {

CharInfo Glyph(std::uint8_t width, Bytes pixels, bool present = true) {
    return CharInfo{present, std::move(pixels), width, 0};
}

// A font of height 2 whose glyph c is c wide with both rows c.
Font SmallFont() {
    Font font;
    font.FontLoaded = true;
    font.FontHeight = 2;
    for (int c = 0; c < kGlyphCount; ++c)
        font.Chars[c] = Glyph(static_cast<std::uint8_t>(c),
                              Bytes(CharInfo::BytesPerRowFor(c) * 2, static_cast<std::uint8_t>(c)));
    MakeAbsent(font.Chars[0], 2);
    return font;
}

TEST(GlyphClipboard, TextFormKeepsEveryBitAndComesBackUnchanged) {
    Font font = SmallFont();
    font.Chars[20].HasError = 1;
    const GlyphClipboard copied = CopyGlyphs(font, {20, 0, 9});
    const std::string text = EncodeGlyphClipboard(copied);
    EXPECT_EQ(text,
              "grindfnt-glyphs 1\nheight 2\n"
              "glyph 20 20\n141414\n141414\n"
              "glyph 0 0 absent\n00\n00\n"
              "glyph 9 9\n0909\n0909\n"
              "end\n");
    const GlyphClipboardReading read = DecodeGlyphClipboard(text);
    ASSERT_TRUE(read.clipboard) << read.error;
    EXPECT_EQ(*read.clipboard, copied);
    EXPECT_EQ(read.clipboard->glyphs[0].glyph.HasError, 0);

    // Lower-case digits, CR LF line ends and no final line end read the same.
    const auto crlf = DecodeGlyphClipboard(
        "grindfnt-glyphs 1\r\nheight 2\r\nglyph 20 20\r\n141414\r\n141414\r\n"
        "glyph 0 0 absent\r\n00\r\n00\r\nglyph 9 9\r\n0909\r\n0909\r\nend");
    ASSERT_TRUE(crlf.clipboard) << crlf.error;
    EXPECT_EQ(*crlf.clipboard, copied);
    EXPECT_TRUE(DecodeGlyphClipboard("grindfnt-glyphs 1\nheight 1\nglyph 255 255\n" +
                                     std::string(64, 'f') + "\nend\n")
                    .clipboard);
}

TEST(GlyphClipboard, AnythingElseIsRefusedWithItsLine) {
    const std::pair<std::string, std::string> refused[] = {
        {"", "line 1: not the grindfnt-glyphs 1 form"},
        {"grindfnt-glyphs 2\nheight 1\nend\n", "line 1: not the grindfnt-glyphs 1 form"},
        {"grindfnt-glyphs 1\nheight 0\nend\n", "line 2: expected \"height\" and 1..255"},
        {"grindfnt-glyphs 1\nheight 256\nend\n", "line 2: expected \"height\" and 1..255"},
        {"grindfnt-glyphs 1\nheight  1\nend\n", "line 2: expected \"height\" and 1..255"},
        {"grindfnt-glyphs 1\nheight 1\n", "line 3: \"end\" is missing"},
        {"grindfnt-glyphs 1\nheight 1\nglyph 256 1\n80\nend\n",
         "line 3: expected \"glyph CODE WIDTH [absent]\" or \"end\""},
        {"grindfnt-glyphs 1\nheight 1\nglyph 1 -1\n80\nend\n",
         "line 3: expected \"glyph CODE WIDTH [absent]\" or \"end\""},
        {"grindfnt-glyphs 1\nheight 1\nglyph 1 3 absent\n80\nend\n",
         "line 3: expected \"glyph CODE WIDTH [absent]\" or \"end\""},
        {"grindfnt-glyphs 1\nheight 1\nglyph 1 9\n80\nend\n",
         "line 4: expected a row of 4 hex digits"},
        {"grindfnt-glyphs 1\nheight 1\nglyph 1 8\n8g\nend\n",
         "line 4: expected a row of 2 hex digits"},
        {"grindfnt-glyphs 1\nheight 2\nglyph 1 8\n80\n", "line 5: expected a row of 2 hex digits"},
        {"grindfnt-glyphs 1\nheight 2\nglyph 1 0 absent\n00\n01\nend\n",
         "line 5: an absent glyph has blank rows"},
        {"grindfnt-glyphs 1\nheight 1\nend\n\n", "line 4: text after \"end\""},
    };
    for (const auto& [text, error] : refused) {
        const GlyphClipboardReading read = DecodeGlyphClipboard(text);
        EXPECT_FALSE(read.clipboard) << text;
        EXPECT_EQ(read.error, error) << text;
    }
    std::string many = "grindfnt-glyphs 1\nheight 1\n";
    for (int i = 0; i < 257; ++i)
        many += "glyph 1 1\n80\n";
    EXPECT_EQ(DecodeGlyphClipboard(many + "end\n").error, "line 515: more than 256 glyphs");
}

TEST(GlyphPaste, PictureInkIsBelowHalfGreyWidthAtMost255) {
    Font font = SmallFont();
    GrayImage picture(300, 3);
    picture.Set(0, 0, 127);  // ink
    picture.Set(1, 0, 128);  // background
    picture.Set(254, 1, 0);  // the last column kept
    picture.Set(255, 1, 0);  // cut at the right
    picture.Set(0, 2, 0);    // cut at the bottom
    const auto paste = PlanPicturePaste(font, picture, 65);
    ASSERT_TRUE(paste);
    EXPECT_EQ(paste->codes, std::vector<int>{65});
    const CharInfo& glyph = paste->glyphs[0];
    EXPECT_EQ(glyph.Width, 255);
    Bytes expected(64, 0);
    expected[0] = 0x80;
    expected[32 + 31] = 0x02;
    EXPECT_EQ(glyph.Pixels, expected);
    EXPECT_EQ(paste->logLine, "Pasted picture of height 3 cut at the bottom to the font height 2");
    EXPECT_FALSE(PlanPicturePaste(font, GrayImage(0, 2), 65));
}

}  // namespace
}  // namespace gft::test
