#include "commands/editor/pixel_edit.h"

#include <algorithm>
#include <cmath>

#include "commands/editor/apply.h"
#include "commands/editor/caption.h"
#include "commands/editor/char_editor.h"
#include "commands/editor/grid_geometry.h"
#include "format/glyph_rows.h"
#include "session/session.h"

namespace gft {

namespace {

// The 1-based cell number along one axis; 0 off the grid.
int CellNumber(double at, int count) {
    if (!std::isfinite(at)) return 0;
    const double rounded = std::nearbyint(std::clamp(at, -1e6, 1e6));
    const int number = static_cast<int>(rounded) / kCellPitch + 1;
    return number >= 1 && number <= count ? number : 0;
}

std::uint8_t ChangedByte(std::uint8_t byte, std::uint8_t bit, int button, bool inverseCursor) {
    if (inverseCursor) return byte ^ bit;
    return button == 1 ? (byte | bit) : (byte & ~bit);
}

}  // namespace

CellHit CellAtPoint(const CharInfo& glyph, int height, double x, double y) {
    const int columns = GridColumns(glyph);
    const int col = CellNumber(x, columns);
    const int row = CellNumber(y, height);
    if (col == 0 || row == 0) return {};
    return {col, row, (row - 1) * columns + col};
}

std::string CellReport(const CellHit& hit) {
    const int byteNumber = hit.index == 0 ? 0 : (hit.index - 1) / 8 + 1;
    std::string text = std::to_string(hit.col) + ";" + std::to_string(hit.row) + ";" +
                       std::to_string(hit.index) + "; B:" + std::to_string(byteNumber);
    if (hit.index > 0) {
        const int bitNumber = 7 - (hit.col - 1) % 8;
        text += "; bN:" + std::to_string(bitNumber) + "; bV:" + std::to_string(1 << bitNumber);
    }
    return text;
}

std::optional<GridCell> EditAtPoint(Session& session, double x, double y, int button) {
    if (!EditorReady(session)) return std::nullopt;
    EditorState& editor = session.editor;
    const CellHit hit = CellAtPoint(editor.EditChr, session.font.FontHeight, x, y);
    editor.Report = CellReport(hit);
    session.view.EditorReportChanged(editor.Report);
    if ((button != 1 && button != 2) || hit.index < 1) return std::nullopt;

    const CharInfo before = editor.EditChr;
    const GridCell cell{hit.col - 1, hit.row - 1};
    std::uint8_t& byte = editor.EditChr.Pixels[static_cast<std::size_t>((hit.index - 1) / 8)];
    byte = ChangedByte(byte, ColumnBit(cell.col), button, session.On(Toggle::CrsrInv));
    editor.EditChr.Present = true;
    UpdateEditorCaption(session);
    session.view.EditorCellChanged(cell.col, cell.row);
    AutoApplyIfChanged(session, before);
    return cell;
}

void PressOnGrid(Session& session, int button, double x, double y) {
    EditAtPoint(session, x, y, button);
}

void DragOnGrid(Session& session, int button, double x, double y) {
    EditAtPoint(session, x, y, session.On(Toggle::CrsrInv) ? 0 : button);
}

}  // namespace gft
