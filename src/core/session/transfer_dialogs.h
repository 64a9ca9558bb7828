#pragma once

#include <array>
#include <cstdint>

namespace gft {

// The file dialogs of the exports and of the imports beside the font reader.
// Each remembers the folder of its last answer, kept in Settings.ini.
enum class TransferDialog : std::uint8_t {
    ExportBitmap,
    ExportGrid,
    ExportAtari,
    ExportEightBit,
    GenerateHtml,
    ExportSelections,
    ImportPixmap,
    ImportSelections,
};
inline constexpr int kTransferDialogCount = 8;

template <class T>
using PerTransferDialog = std::array<T, kTransferDialogCount>;

inline constexpr std::size_t IndexOf(TransferDialog dialog) {
    return static_cast<std::size_t>(dialog);
}

}  // namespace gft
