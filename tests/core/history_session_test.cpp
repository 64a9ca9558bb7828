// A long working session on the sample font with undo and redo between the
// commands and saves along the way. Beside the session runs an independent
// account of what the font must be after each step, made by plain edits of a
// copy; the session, the saved files and the title are held against it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/file_commands.h"
#include "app/undo.h"
#include "commands/block_copy.h"
#include "commands/height_gap.h"
#include "commands/move_copy.h"
#include "commands/selection.h"
#include "commands/tile_mouse.h"
#include "editor/apply.h"
#include "editor/char_editor.h"
#include "font/fnt_writer.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

// ---- plain edits: what each command must do to the font ----

void Select(Font& f, std::initializer_list<int> codes) {
    for (int c : codes)
        f.Selected[c] = 1;
}

void SelectRange(Font& f, int from, int to) {
    for (int c = from; c <= to; ++c)
        f.Selected[c] = 1;
}

void CopyBlock(Font& f, int first, int last) {
    for (int d = first; d <= last; ++d) {
        const int s = d - 32;
        if (d == 247 || d == 255) continue;
        if (f.Chars[s].Present && !GlyphsEqual(f.Chars[s], f.Chars[d])) f.Chars[d] = f.Chars[s];
    }
}

void AddRow(Font& f, bool top) {
    for (CharInfo& g : f.Chars) {
        const auto at = top ? g.Pixels.begin() : g.Pixels.end();
        g.Pixels.insert(at, static_cast<std::size_t>(g.BytesPerRow()), 0);
    }
    ++f.FontHeight;
}

void DropRow(Font& f, bool top) {
    for (CharInfo& g : f.Chars) {
        const auto n = g.BytesPerRow();
        if (top)
            g.Pixels.erase(g.Pixels.begin(), g.Pixels.begin() + n);
        else
            g.Pixels.erase(g.Pixels.end() - n, g.Pixels.end());
    }
    --f.FontHeight;
}

void DeleteSelected(Font& f) {
    for (int c = 0; c < kGlyphCount; ++c) {
        if (!f.Selected[c]) continue;
        if (f.Chars[c].Present || f.Chars[c].HasError) {
            MakeAbsent(f.Chars[c], f.FontHeight);
            f.Chars[c].HasError = 0;
        }
        f.Selected[c] = 0;
    }
}

::testing::AssertionResult SameFont(const Font& actual, const Font& expected) {
    if (actual.FontHeight != expected.FontHeight)
        return ::testing::AssertionFailure()
               << "height " << int(actual.FontHeight) << ", expected " << int(expected.FontHeight);
    for (int c = 0; c < kGlyphCount; ++c) {
        if (!(actual.Chars[c] == expected.Chars[c]))
            return ::testing::AssertionFailure() << "glyph " << c << " differs";
        if (actual.Selected[c] != expected.Selected[c])
            return ::testing::AssertionFailure() << "selection of " << c << " differs";
    }
    return ::testing::AssertionSuccess();
}

// The title's mark: "", " (=)" or " (*)".
std::string Mark(const std::string& title) {
    for (const char* mark : {" (=)", " (*)"})
        if (title.ends_with(mark)) return mark;
    return "";
}

// The mark a font must show against the file it was last saved to.
std::string MarkAgainst(const Font& file, const Font& font) {
    Font glyphsOnly = font;
    glyphsOnly.Selected = file.Selected;
    if (!SameFont(glyphsOnly, file)) return " (*)";
    return font.Selected == file.Selected ? "" : " (=)";
}

// The line of states undo and redo walk, with the names of the steps.
class Timeline {
  public:
    explicit Timeline(const Font& start) { states_.push_back({start, ""}); }
    const Font& Now() const { return states_[at_].font; }
    void Step(const std::string& name, const std::function<void(Font&)>& change) {
        Font next = Now();
        change(next);
        states_.resize(at_ + 1);
        states_.push_back({std::move(next), name});
        ++at_;
    }
    std::string Undo() { return states_[at_--].name; }
    std::string Redo() { return states_[++at_].name; }

  private:
    struct State {
        Font font;
        std::string name;
    };
    std::vector<State> states_;
    std::size_t at_ = 0;
};

struct LongSession : SessionFixture {
    std::string loadedPath = LoadBytes(ReadAll(GFT_SAMPLE_FNT), "sample.fnt");
    Timeline expected{session.font};
    Font file = session.font;  // what the last loaded or saved file holds

    void Do(const std::string& name, const std::function<void(Session&)>& command,
            const std::function<void(Font&)>& change) {
        SCOPED_TRACE(name);
        command(session);
        expected.Step(name, change);
        EXPECT_TRUE(SameFont(session.font, expected.Now()));
        EXPECT_EQ(session.history.UndoName(), name);
        EXPECT_FALSE(session.history.CanRedo());
    }
    void Undo() { Walk(mnuUndo_Click, "Undo ", expected.Undo()); }
    void Redo() { Walk(mnuRedo_Click, "Redo ", expected.Redo()); }
    void Walk(void (*command)(Session&), const std::string& verb, const std::string& name) {
        SCOPED_TRACE(verb + name);
        command(session);
        EXPECT_EQ(session.LogLines().back(), verb + name);
        EXPECT_TRUE(SameFont(session.font, expected.Now()));
        EXPECT_EQ(Mark(session.Title()), MarkAgainst(file, expected.Now()));
    }
    // The save as the dialog or Ctrl+S runs it; the file must hold the
    // expected state, the selection table beside it.
    void ExpectSaved(const std::string& path) {
        file = expected.Now();
        EXPECT_EQ(ReadAll(path), BuildFntImage(file, true));
        const std::string lok = path.substr(0, path.size() - 3) + "lok";
        EXPECT_EQ(ReadAll(lok), Bytes(file.Selected.begin(), file.Selected.end()));
        EXPECT_EQ(Mark(session.Title()), "");
    }
    void SaveAs(const std::string& name) {
        view.answers.push_back(dir.File(name));
        cmdSaveFNT_Click(session);
        ExpectSaved(dir.File(name));
    }
};

TEST(HistorySession, InterleavedUndoRedoAndSavesMatchTheExpectedFonts) {
    LongSession s;
    ASSERT_EQ(s.session.font.FontHeight, 20);
    s.Do("Polish", mnuSelectPL_Click, [](Font& f) {
        Select(f, {165, 185, 198, 230, 202, 234, 163, 179, 209, 241, 211, 243, 140, 156, 175, 191,
                   143, 159});
    });
    s.Do(
        "Copy upper case over lower case", [](Session& x) { mnuCopyBlock_Click(x, 0); },
        [](Font& f) { CopyBlock(f, 97, 122); });
    s.Do(
        "Top gap Increase (+)", [](Session& x) { ChangeHeightGap(x, 0); },
        [](Font& f) { AddRow(f, true); });
    s.Do(
        "Move character",
        [](Session& x) {
            imgChar_MouseDown(x, 65, kLeftButton, 0);
            imgChar_MouseDown(x, 66, kLeftButton, 0);
        },
        [](Font& f) { std::swap(f.Chars[65], f.Chars[66]); });
    s.Undo();
    s.Undo();
    s.Redo();
    s.Do(
        "Copy character",
        [](Session& x) {
            imgChar_MouseDown(x, 48, kLeftButton, 0);
            imgChar_MouseDown(x, 49, kLeftButton, kShiftKey);
        },
        [](Font& f) { f.Chars[49] = f.Chars[48]; });
    const std::size_t lines = s.session.LogLines().size();
    mnuRedo_Click(s.session);  // the move's redo went with the new step
    EXPECT_EQ(s.session.LogLines().size(), lines);
    s.Do(
        "Upper case", [](Session& x) { mnuSelSpec_Click(x, 3); },
        [](Font& f) { SelectRange(f, 65, 90); });
    s.Do("Delete all selected", mnuDelAllSelected_Click, DeleteSelected);
    s.Undo();
    s.SaveAs("first.fnt");
    const Font first = s.file;

    s.Do(
        "Down gap Increase (+)", [](Session& x) { ChangeHeightGap(x, 2); },
        [](Font& f) { AddRow(f, false); });
    s.Do(
        "Top gap Decrease (-)", [](Session& x) { ChangeHeightGap(x, 1); },
        [](Font& f) { DropRow(f, true); });
    s.Do(
        "Apply",
        [](Session& x) {
            x.EditorChar = 66;
            mnuCharEditor_Click(x);
            cmdDelChr_Click(x);
            cmdApply_Click(x);
        },
        [](Font& f) { MakeAbsent(f.Chars[66], f.FontHeight); });
    s.Do(
        "Invert selection", [](Session& x) { mnuSelect_Click(x, 2); },
        [](Font& f) {
            for (auto& v : f.Selected)
                v = static_cast<std::uint8_t>(1 - v);
        });
    for (int i = 0; i < 4; ++i)
        s.Undo();  // back to the file: no mark
    s.Undo();      // past the save: the selection differs from the file
    for (int i = 0; i < 3; ++i)
        s.Redo();
    s.Do(
        "Copy international UC over LC block", [](Session& x) { mnuCopyBlock_Click(x, 1); },
        [](Font& f) { CopyBlock(f, 224, 255); });
    s.SaveAs("second.fnt");

    s.Do(
        "Toggle selection", [](Session& x) { ToggleSelection(x, 65); },
        [](Font& f) { f.Selected[65] = 0; });
    s.Undo();
    s.Undo();
    const std::size_t dialogs = s.view.dialogs.size();
    mnuSaveFnt_Click(s.session);  // Ctrl+S: to second.fnt without asking
    EXPECT_EQ(s.view.dialogs.size(), dialogs);
    s.ExpectSaved(s.dir.File("second.fnt"));
    s.Redo();
    s.Redo();
    EXPECT_EQ(Mark(s.session.Title()), " (*)");

    EXPECT_EQ(ReadAll(s.dir.File("first.fnt")), BuildFntImage(first, true));
    LoadFontFile(s.session, s.dir.File("second.fnt"));
    EXPECT_EQ(s.session.Title(), "Grind FNT Tool v0.0.150 (FNT loaded, HEIGHT:21 Max WIDTH:17)");
    EXPECT_TRUE(SameFont(s.session.font, s.file));
    EXPECT_FALSE(s.session.history.CanUndo());
    EXPECT_EQ(ReadAll(s.loadedPath), ReadAll(GFT_SAMPLE_FNT));  // never saved over
}

}  // namespace
}  // namespace gft::test
