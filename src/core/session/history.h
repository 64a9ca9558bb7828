#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "format/font_model.h"

namespace gft {

// Everything a command can change in the font, with each glyph held by a
// shared pointer so that states share the glyphs they have in common, and a
// run of alike glyphs in one state shares one copy.
struct FontSnapshot {
    bool FontLoaded = false;
    std::uint8_t FontHeight = 0;
    std::uint8_t MaxWidth = 0;
    std::array<std::uint8_t, kAttrSectionSize> AttrSection{};
    std::array<std::shared_ptr<const CharInfo>, kGlyphCount> Chars{};
    std::array<std::uint8_t, kGlyphCount> Selected{};
    std::array<std::uint8_t, kGlyphCount> Different{};

    const std::shared_ptr<const CharInfo>& Glyph(int code) const {
        return Chars[static_cast<std::size_t>(code)];
    }
};

// The undo history: a line of font states with the name of the step that led
// to each, and the state last loaded or saved. Bounded by memory, not by the
// number of steps: past the limit the oldest steps are dropped.
class History {
  public:
    static constexpr std::size_t kDefaultLimit = 64u << 20;

    // A fresh history whose only state is font, which is also the saved state.
    void Reset(const Font& font);
    // font is now what the file holds.
    void MarkSaved(const Font& font);
    // Takes font as the current state without a step (changes that are not
    // undoable on their own, such as the marks of a compare).
    void Rebase(const Font& font);
    // Adds a step named name when font differs from the current state in its
    // glyphs, height or selection; drops the steps that could be redone.
    bool Record(const Font& font, const std::string& name);

    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < states_.size(); }
    std::string UndoName() const { return CanUndo() ? states_[current_].name : std::string(); }
    std::string RedoName() const { return CanRedo() ? states_[current_ + 1].name : std::string(); }

    // The current state written back into font: a command that failed
    // midway leaves nothing of what it changed.
    void RevertToCurrent(Font& font) const;

    // One step back or forward: the state is written into font (its edit
    // level left to the caller). Returns the name of the step.
    std::optional<std::string> Undo(Font& font);
    std::optional<std::string> Redo(Font& font);

    // 0 when font equals the saved state, 1 when only the selection differs,
    // 2 when glyphs or the height differ.
    std::uint8_t EditLevelAgainstSaved(const Font& font) const;

    // The state last loaded or saved.
    const FontSnapshot& Saved() const { return saved_; }

    std::size_t StepCount() const { return states_.empty() ? 0 : states_.size() - 1; }
    std::size_t MemoryBytes() const { return bytes_; }
    void SetLimit(std::size_t bytes);

  private:
    struct State {
        FontSnapshot snapshot;
        std::string name;          // the step that led here
        std::size_t ownBytes = 0;  // glyph bytes not shared with the state before
    };

    FontSnapshot Snap(const Font& font, const FontSnapshot* previous) const;
    static std::size_t OwnBytes(const FontSnapshot& snap, const FontSnapshot* previous);
    void Restore(const FontSnapshot& snap, Font& font) const;
    void Trim();

    std::deque<State> states_;
    std::size_t current_ = 0;
    FontSnapshot saved_;
    std::size_t bytes_ = 0;
    std::size_t limit_ = kDefaultLimit;
};

}  // namespace gft
