#include "font/fnt_writer.h"

#include <algorithm>

#include "app/recovery.h"
#include "app/undo.h"
#include "commands/move_copy.h"
#include "font/fnt_format.h"
#include "font/selection_table.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/string_concat.h"

namespace gft {

namespace {

void PutPointer(Bytes& table, int value) {
    table.push_back(static_cast<std::uint8_t>(value / 256));
    table.push_back(static_cast<std::uint8_t>(value % 256));
}

// First present glyph at or before code whose bytes equal those of code.
int Donor(const Font& font, int code) {
    const Bytes& bytes = font.Chars[code].Pixels;
    for (int j = 0; j < code; ++j) {
        const CharInfo& other = font.Chars[j];
        if (other.Present && other.Pixels == bytes) return j;
    }
    return code;
}

std::string AsText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

void WriteSelectionTable(const Session& session, const std::string& destination) {
    const std::string lok = LokPath(destination);
    if (lok == destination) return;  // a font saved as "*.lok" is not its own table
    const auto& selected = session.font.Selected;
    const bool any = std::any_of(selected.begin(), selected.end(), [](auto v) { return v != 0; });
    if (!any) {
        if (IsRegularFile(lok)) DeleteFile(lok);
        return;
    }
    WriteByteArray(lok, Bytes(selected.begin(), selected.end()));
    RestoreStartFolder(session.StartFolder);
}

}  // namespace

Bytes BuildFntImage(const Font& font, bool shareDuplicates) {
    StringConcat data;
    data.lngAllocSize = font.FontHeight * 2 + 640;
    data.lngUsed = 0;
    Bytes widths;
    Bytes pointers;
    widths.reserve(256);
    pointers.reserve(512 + 5);
    int running = 1;  // block offset of the next stored glyph; offset 0 is the place-holder
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Chars[code];
        if (!glyph.Present) {
            widths.push_back(0);
            PutPointer(pointers, 0);
            continue;
        }
        widths.push_back(glyph.Width);
        const int donor = shareDuplicates ? Donor(font, code) : code;
        if (donor != code) {
            pointers.push_back(pointers[2 * static_cast<std::size_t>(donor)]);
            pointers.push_back(pointers[2 * static_cast<std::size_t>(donor) + 1]);
            continue;
        }
        data.Add(AsText(glyph.Pixels));
        PutPointer(pointers, running);
        running += glyph.DataSize();
        if (running > static_cast<int>(fnt::kMaxWrittenBlock))
            throw AppError(kOverflowError, "cmdSaveFNT_Click", "Overflow");
    }
    PutPointer(pointers, 0);
    PutPointer(pointers, running);
    pointers.push_back(0);  // the place-holder byte, block offset 0

    const std::string block = data.GetStr();
    Bytes image(fnt::kHeaderSize, 0);
    image[3] = 1;
    image[fnt::kHeightOffset] = font.FontHeight;
    std::copy(font.AttrSection.begin(), font.AttrSection.end(), image.begin() + fnt::kAttrOffset);
    image.reserve(fnt::kDataBlockOffset + block.size());
    image.insert(image.end(), widths.begin(), widths.end());
    image.insert(image.end(), pointers.begin(), pointers.end());
    image.insert(image.end(), block.begin(), block.end());
    return image;
}

bool SaveFontAs(Session& session, std::string destination) {
    if (destination.size() < 4) destination = JoinPath(session.ProgramFolder, "output.fnt");
    session.FilePaths[kModeSave] = destination;
    try {
        const Bytes image = BuildFntImage(session.font, session.On(Toggle::Compress));
        WriteByteArray(destination, image);
        RestoreStartFolder(session.StartFolder);
        if (session.On(Toggle::SaveThisFormat)) WriteSelectionTable(session, destination);
    } catch (const AppError& error) {
        session.Log(error.LogEntry());
        return false;
    }
    session.SetEditStatus(0);
    MarkHistorySaved(session);
    ForgetRecoveryCopy(session);
    return true;
}

void cmdSaveFNT_Click(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    FileDialogRequest request;
    request.title = kSaveDialogTitle;
    request.filter = kSaveDialogFilter;
    request.save = true;
    const std::string& destination = session.FilePaths[kModeSave];
    request.initialName =
        destination.empty() ? JoinPath(session.ProgramFolder, "*.fnt") : destination;
    const auto chosen = session.view.AskFileName(request);
    if (!chosen) return;
    SaveFontAs(session, *chosen);
}

}  // namespace gft
