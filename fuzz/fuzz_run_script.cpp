// Feeds any bytes as a `grindfnt run` script. The run's current folder holds
// a few short-named files for the script to open: the sample font "a.fnt",
// a font "b.fnt" with its selection table "b.lok", 8-bit fonts "c.bin" and
// "d.f80", and the settings folder "s". Every '/' of the input becomes '_', so
// no path leaves that folder; what a run saves there is removed before the
// next one. After any script the font must still keep the model's rules, and
// a recovery copy the run kept must bring back the font it was taken of.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "commands/files/recovery.h"
#include "format/fnt_writer.h"
#include "fuzz_support.h"
#include "runner.h"
#include "support/app_error.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

Bytes ReadSample() {
    std::ifstream in(GFT_SAMPLE_FONT, std::ios::binary);
    Require(static_cast<bool>(in), "cannot read the sample font");
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<std::string, Bytes> MakeFixtures() {
    std::map<std::string, Bytes> files;
    files["a.fnt"] = ReadSample();
    files["b.fnt"] = BuildFntImage(fuzz::BaseFont(8), false);
    Bytes table(256, 0);
    for (std::size_t c = 60; c < 70; ++c)
        table[c] = 1;
    files["b.lok"] = table;
    Bytes eightBit(1024);
    for (std::size_t i = 0; i < eightBit.size(); ++i)
        eightBit[i] = static_cast<std::uint8_t>(i * 13);
    files["c.bin"] = eightBit;
    files["d.f80"] = Bytes(eightBit.begin(), eightBit.begin() + 512);
    return files;
}

// The run's folder as the fixtures alone left it.
const std::string& RunFolder() {
    static const std::map<std::string, Bytes> fixtures = MakeFixtures();
    static const std::string folder = [] {
        const std::string made = fuzz::Scratch::Get().Folder() + "/run";
        std::filesystem::create_directory(made);
        return made;
    }();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (!fixtures.count(entry.path().filename().string()))
            std::filesystem::remove_all(entry.path());
    for (const auto& [name, bytes] : fixtures)
        fuzz::Scratch::Get().Write("run/" + name, bytes.data(), bytes.size());
    return folder;
}

// The run's folder is current while a script runs; the fuzzer's own relative
// paths (corpus, artifacts) need the folder it was started in the rest of the time.
class InFolder {
  public:
    explicit InFolder(const std::string& folder) : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    std::filesystem::path before_;
};

void RequireRecoverable(const Session& session, View& view) {
    const RecoveryState& state = session.recovery;
    if (state.ownSlot.empty()) return;
    fuzz::ScratchSession other(view);
    Session& next = other.session;
    next.StartFolder = session.StartFolder;
    next.ProgramFolder = session.ProgramFolder;
    next.SettingsFolder = session.SettingsFolder;
    next.recovery.offeredSlot = state.ownSlot;
    RecoverUnsavedChanges(next);
    const Font& kept = state.kept;
    Require(next.font.FontHeight == kept.FontHeight && next.font.AttrSection == kept.AttrSection &&
                next.font.Selected == kept.Selected,
            "a recovery copy changed the height, the attributes or the selection");
    for (int code = 0; code < kGlyphCount; ++code)
        Require(GlyphsEqual(next.font.Chars[code], kept.Chars[code]),
                "a recovery copy changed a glyph");
    Require(next.font.EditStatus == kept.EditStatus, "a recovery copy lost its edit mark");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string script(reinterpret_cast<const char*>(data), size);
    std::replace(script.begin(), script.end(), '/', '_');
    const std::string& folder = RunFolder();
    const InFolder current(folder);
    std::ostream null(nullptr);
    cli::ConsoleView view(null);
    view.SetQuiet(true);
    fuzz::ScratchSession editor(view);
    Session& session = editor.session;
    session.StartFolder = folder;
    session.ProgramFolder = folder;
    session.SettingsFolder = folder + "/s";
    session.SetEditStatus(0);
    std::istringstream in(script);
    int status = -1;
    try {
        status = cli::RunScript(in, session, view, null, null);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        Require(false, "an exception left the runner");
    }
    Require(status >= 0 && status <= 2, "the runner ended with another status");
    if (session.font.FontLoaded) fuzz::RequireSoundFont(session.font);
    RequireRecoverable(session, view);
    return 0;
}
