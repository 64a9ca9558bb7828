#pragma once

#include <string>

namespace gft {

class Session;

// Writes the tile bitmap files of codes chr1T..chr2T (either order) into the
// working folder, or into alternativePath when it is not empty, and reports
// the time taken in the time label and the log. A file whose bytes this run
// already wrote is left as it is. A session without a working folder (the
// runner's check, info and dump) writes no file but reports all the same.
void GeneratePreview(Session& session, int chr1T = 0, int chr2T = 255,
                     const std::string& alternativePath = "");

// Loads the tile files of first..last into the grid; with no font loaded all
// 256 tiles show the blank picture.
void LoadTileImages(Session& session, int first, int last);

// Both of the above over the same range: the redraw of a changed range.
void RedrawTiles(Session& session, int first, int last);

}  // namespace gft
