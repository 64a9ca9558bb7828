#include "session/preview.h"

#include "session/change_marks.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "format/tile_bitmap.h"
#include "session/session.h"

namespace gft {

namespace {

int ToByte(int value) {
    return std::clamp(value, 0, 255);
}

// Writes a whole tile file; returns errno on failure, 0 on success. The old
// content is overwritten in place and cut to length afterwards: truncating
// first makes the file system flush the file on close, which costs far more
// than the write itself.
int WriteTileFile(const std::string& path, const Bytes& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (err == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
}

// Writes the bytes the cache holds for code into its folder; returns the
// write's errno, or failure when it succeeded.
int WriteHeldTile(TileCache& cache, int code, int failure) {
    const int err = WriteTileFile(cache.Path(code), *cache.Built(code));
    if (err != 0) return err;
    cache.MarkWritten(code);
    return failure;
}

void LogWriteFailure(Session& session, const std::string& folder, int failure) {
    if (failure != 0)
        session.Log("Tile bitmaps could not be written to " + folder + ": " +
                    std::strerror(failure));
}

std::string SecondsCaption(double seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "(%.3f sec)", seconds);
    return text;
}

}  // namespace

void GeneratePreview(Session& session, int chr1T, int chr2T, const std::string& alternativePath) {
    int first = ToByte(chr1T);
    int last = ToByte(chr2T);
    if (first > last) std::swap(first, last);
    BusyPointer busy(session.view);
    const auto started = std::chrono::steady_clock::now();

    const std::string& folder = alternativePath.empty() ? session.TempFolder : alternativePath;
    TileCache& cache = session.tileCache;
    const TileOptions options{session.On(Toggle::DontCutBitmaps),
                              session.On(Toggle::YellowWidthMore8)};
    int failure = 0;
    // Without a working folder the names would point into the current folder.
    for (int code = first; code <= last && !folder.empty(); ++code) {
        Bytes bytes = BuildTileBitmap(session.font, code, options);
        if (cache.Matches(folder, code, bytes)) continue;
        // A failed write keeps the picture for the grid and is tried again
        // by the next preview.
        cache.Hold(folder, code, std::move(bytes));
        if (!cache.WritesDeferred()) failure = WriteHeldTile(cache, code, failure);
    }

    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const std::string caption = SecondsCaption(elapsed.count());
    session.SetTimeCaption(caption);
    LogWriteFailure(session, folder, failure);
    session.Log("Preview generated " + caption);
}

void WriteWaitingTiles(Session& session) {
    TileCache& cache = session.tileCache;
    cache.DeferWrites(false);
    int failure = 0;
    for (int code = 0; code < 256; ++code)
        if (cache.Waiting(code)) failure = WriteHeldTile(cache, code, failure);
    LogWriteFailure(session, cache.Folder(), failure);
}

void LoadTileImages(Session& session, int first, int last) {
    if (!session.font.FontLoaded) {
        session.view.ShowBlankTiles();
        return;
    }
    first = ToByte(first);
    last = ToByte(last);
    if (first > last) std::swap(first, last);
    session.view.LoadTiles(first, last, session.TempFolder);
}

void RedrawTiles(Session& session, int first, int last) {
    GeneratePreview(session, first, last);
    LoadTileImages(session, first, last);
    ShowChangeMarks(session, first, last);
    session.view.FontChanged();
}

}  // namespace gft
