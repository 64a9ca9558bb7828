#pragma once

namespace gft {

class Session;

// The exports of the loaded font. Each asks for its file with a save dialog
// that remembers its folder, writes through the atomic save (the old file
// stays whole on any failure, reported as one "Error #" entry naming the
// export) and logs "Exported WHAT to PATH". Without a font they do nothing.

// "&Bitmap && width...": a PNG sheet of 16 x 16 cells and, beside it, the
// width table with the extension ".widths".
void ExportBitmap(Session& session);
// "Bitmap for Fony...": the same sheet as a 1-bit BMP, no width table.
void ExportGrid(Session& session);
// "Atar&i 8-bit FNT...": 1024 bytes in the Atari's order.
void ExportAtari(Session& session);
// "8-bit binary FNT...": 2048 bytes, codes 0..255.
void ExportEightBit(Session& session);
// "Generate html..." (F3): one self-contained HTML page showing the font.
void GenerateHtml(Session& session);
// "Export selections (lok)..." (F12): the 256-byte selection table.
void ExportSelections(Session& session);

}  // namespace gft
