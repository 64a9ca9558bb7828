#include "session/history.h"

namespace gft {

namespace {

bool SameGlyphs(const FontSnapshot& snap, const Font& font) {
    for (int c = 0; c < kGlyphCount; ++c)
        if (!snap.Chars[c] || !(*snap.Chars[c] == font.Chars[c])) return false;
    return snap.FontHeight == font.FontHeight && snap.FontLoaded == font.FontLoaded &&
           snap.AttrSection == font.AttrSection;
}

// Everything but the glyphs and the edit level goes into a snapshot and back
// as it is; a template, so that one list serves both directions.
template <typename From, typename To>
void CopyPlainFields(const From& from, To& to) {
    to.FontLoaded = from.FontLoaded;
    to.FontHeight = from.FontHeight;
    to.MaxWidth = from.MaxWidth;
    to.AttrSection = from.AttrSection;
    to.Selected = from.Selected;
    to.Different = from.Different;
}

std::size_t GlyphBytes(const std::shared_ptr<const CharInfo>& glyph) {
    return glyph ? sizeof(CharInfo) + glyph->Pixels.size() : 0;
}

}  // namespace

FontSnapshot History::Snap(const Font& font, const FontSnapshot* previous) const {
    FontSnapshot snap;
    CopyPlainFields(font, snap);
    for (int c = 0; c < kGlyphCount; ++c) {
        const auto& before = previous ? previous->Chars[c] : nullptr;
        if (before && *before == font.Chars[c])
            snap.Chars[c] = before;
        else if (c > 0 && font.Chars[c] == font.Chars[c - 1])
            snap.Chars[c] = snap.Chars[c - 1];  // a run of alike glyphs is held once
        else
            snap.Chars[c] = std::make_shared<const CharInfo>(font.Chars[c]);
    }
    return snap;
}

std::size_t History::OwnBytes(const FontSnapshot& snap, const FontSnapshot* previous) {
    std::size_t bytes = sizeof(FontSnapshot);
    for (int c = 0; c < kGlyphCount; ++c) {
        const bool held = (previous && previous->Chars[c] == snap.Chars[c]) ||
                          (c > 0 && snap.Chars[c - 1] == snap.Chars[c]);
        if (!held) bytes += GlyphBytes(snap.Chars[c]);
    }
    return bytes;
}

void History::Restore(const FontSnapshot& snap, Font& font) const {
    CopyPlainFields(snap, font);
    for (int c = 0; c < kGlyphCount; ++c)
        font.Chars[c] = *snap.Chars[c];
}

void History::Reset(const Font& font) {
    states_.clear();
    State base;
    base.snapshot = Snap(font, nullptr);
    base.ownBytes = OwnBytes(base.snapshot, nullptr);
    bytes_ = base.ownBytes;
    saved_ = base.snapshot;
    states_.push_back(std::move(base));
    current_ = 0;
}

void History::MarkSaved(const Font& font) {
    if (states_.empty()) return Reset(font);
    Rebase(font);
    saved_ = states_[current_].snapshot;
}

void History::Rebase(const Font& font) {
    if (states_.empty()) return Reset(font);
    State& state = states_[current_];
    const FontSnapshot* previous = current_ > 0 ? &states_[current_ - 1].snapshot : nullptr;
    bytes_ -= state.ownBytes;
    state.snapshot = Snap(font, &state.snapshot);
    state.ownBytes = OwnBytes(state.snapshot, previous);
    bytes_ += state.ownBytes;
}

bool History::Record(const Font& font, const std::string& name) {
    if (states_.empty()) {
        Reset(font);
        return false;
    }
    const FontSnapshot& now = states_[current_].snapshot;
    if (SameGlyphs(now, font) && now.Selected == font.Selected) {
        Rebase(font);
        return false;
    }
    while (states_.size() > current_ + 1) {
        bytes_ -= states_.back().ownBytes;
        states_.pop_back();
    }
    State next;
    next.snapshot = Snap(font, &now);
    next.name = name;
    next.ownBytes = OwnBytes(next.snapshot, &now);
    bytes_ += next.ownBytes;
    states_.push_back(std::move(next));
    current_ = states_.size() - 1;
    Trim();
    return true;
}

void History::RevertToCurrent(Font& font) const {
    if (!states_.empty()) Restore(states_[current_].snapshot, font);
}

std::optional<std::string> History::Undo(Font& font) {
    if (!CanUndo()) return std::nullopt;
    std::string name = states_[current_].name;
    --current_;
    Restore(states_[current_].snapshot, font);
    return name;
}

std::optional<std::string> History::Redo(Font& font) {
    if (!CanRedo()) return std::nullopt;
    ++current_;
    Restore(states_[current_].snapshot, font);
    return states_[current_].name;
}

std::uint8_t History::EditLevelAgainstSaved(const Font& font) const {
    if (!SameGlyphs(saved_, font)) return 2;
    return saved_.Selected == font.Selected ? 0 : 1;
}

void History::SetLimit(std::size_t bytes) {
    limit_ = bytes;
    Trim();
}

// Drops the oldest states until the history fits its limit; the current
// state always stays.
void History::Trim() {
    while (bytes_ > limit_ && current_ > 0) {
        bytes_ -= states_[0].ownBytes + states_[1].ownBytes;
        states_.pop_front();
        --current_;
        states_[0].name.clear();
        states_[0].ownBytes = OwnBytes(states_[0].snapshot, nullptr);
        bytes_ += states_[0].ownBytes;
    }
}

}  // namespace gft
