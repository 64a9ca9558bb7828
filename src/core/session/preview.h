#pragma once

#include <string>

namespace gft {

class Session;

// Builds the tile bitmaps of codes chr1T..chr2T (either order) into the tile
// cache and writes their files into the working folder, or into
// alternativePath when it is not empty (while the cache defers writes, only
// builds them), and reports the time taken in the time label and the log. A
// file whose bytes this run already wrote is left as it is. A session without a working
// folder (the runner's check, info and dump) builds and writes nothing but
// reports all the same.
void GeneratePreview(Session& session, int chr1T = 0, int chr2T = 255,
                     const std::string& alternativePath = "");

// Writes the tile files that the preview built while writes were deferred
// (or whose write failed), and ends the deferral.
void WriteWaitingTiles(Session& session);

// Shows the tiles first..last on the grid, from the bitmaps the tile cache
// holds; with no font loaded all 256 tiles show the blank picture.
void LoadTileImages(Session& session, int first, int last);

// Both of the above over the same range: the redraw of a changed range.
void RedrawTiles(Session& session, int first, int last);

}  // namespace gft
