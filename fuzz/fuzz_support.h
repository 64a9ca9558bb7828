#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "format/font_model.h"
#include "session/session.h"
#include "session/tile_cache.h"

namespace gft::fuzz {

// A private folder for the life of the fuzzing process: the input file (one
// path, rewritten for every input) and the tile bitmaps live in it.
class Scratch {
  public:
    static Scratch& Get();
    const std::string& Tiles() const { return tiles_; }
    const std::string& Folder() const { return folder_; }
    // Writes the bytes as the file `name` in the folder; returns its path.
    std::string Write(const std::string& name, const std::uint8_t* data, std::size_t size);

    // Sessions hand the tile cache on to the next one, so that a tile whose
    // bytes are already in the folder is not written again by every input.
    TileCache tileCache;

  private:
    Scratch();
    ~Scratch();
    std::string folder_;
    std::string tiles_;
};

// A session whose tiles go to the scratch folder; it takes the tile cache
// over from the session before and hands it on when it ends.
class ScratchSession {
  public:
    explicit ScratchSession(View& view);
    ~ScratchSession();
    ScratchSession(const ScratchSession&) = delete;
    ScratchSession& operator=(const ScratchSession&) = delete;
    Session session;
};

// Stops the process (a finding) when the condition does not hold.
void Require(bool condition, const char* what);

// A loaded font of the given height: every third code present with a
// pattern of its own, some of them wide, the rest absent.
Font BaseFont(int height);

// The model's rules every command must keep: height 1..255, every glyph
// exactly BytesPerRow x FontHeight bytes, absent glyphs width 0 and blank,
// selection and difference bytes 0 or 1.
void RequireSoundFont(const Font& font);

}  // namespace gft::fuzz
