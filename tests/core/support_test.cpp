// The file helpers, whose failure contracts the
// readers and the writer rely on.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/app_error.h"
#include "support/file_helpers.h"
#include "test_support.h"

namespace gft::test {
namespace {

TEST(FileHelpers, GetFileLengthNeverFails) {
    TempDir dir;
    EXPECT_EQ(GetFileLength(dir.File("missing")), -1);
    EXPECT_EQ(GetFileLength(""), -1);
    EXPECT_EQ(GetFileLength(dir.File("*.fnt")), -1);
    EXPECT_EQ(GetFileLength(dir.Write("empty", {})), 0);
    EXPECT_EQ(GetFileLength(dir.Write("some", Bytes(1000, 1))), 1000);
    EXPECT_EQ(GetFileLength(dir.path()), 0);  // a folder
    EXPECT_EQ(GetFileLength(dir.File("some/x")), -1);
}

TEST(FileHelpers, DeleteFileSwallowsFailuresAndRemovesReadOnlyFiles) {
    TempDir dir;
    DeleteFile(dir.File("missing"));
    DeleteFile("");
    const std::string locked = dir.Write("locked", Bytes{1});
    ::chmod(locked.c_str(), 0444);
    DeleteFile(locked);
    EXPECT_EQ(GetFileLength(locked), -1);
}

TEST(FileHelpers, WriteByteArrayLeavesExactlyTheNewBytes) {
    TempDir dir;
    const std::string path = dir.Write("file.fnt", Bytes(1000, 0xEE));
    Bytes bytes(256);
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    WriteByteArray(path, bytes);
    EXPECT_EQ(ReadAll(path), bytes);

    WriteByteArray(dir.File("new"), {});
    EXPECT_EQ(GetFileLength(dir.File("new")), 0);
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{"file.fnt", "new"}));

    EXPECT_THROW(WriteByteArray(dir.File("none/x"), bytes), AppError);
}

TEST(FileHelpers, WriteByteArrayKeepsLinksAndPermissions) {
    TempDir dir;
    const std::string real = dir.Write("real.fnt", Bytes(10, 1));
    ::chmod(real.c_str(), 0640);
    ASSERT_EQ(::symlink(real.c_str(), dir.File("link.fnt").c_str()), 0);
    WriteByteArray(dir.File("link.fnt"), Bytes(3, 2));
    struct stat link {};
    ASSERT_EQ(::lstat(dir.File("link.fnt").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));  // still a link, to the new content
    EXPECT_EQ(ReadAll(real), Bytes(3, 2));
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Files written together: when the second cannot be put in place (here its
// place was taken by a folder while it was being written), the first gets
// its old content back, a hard-linked one too, and a new one goes again.
TEST(FileHelpers, WriteTogetherPutsTheFirstFileBackWhenTheSecondFails) {
    TempDir dir;
    const std::string plain = dir.Write("plain.png", Bytes(5, 1));
    const std::string linked = dir.Write("linked.png", Bytes(6, 2));
    ASSERT_EQ(::link(linked.c_str(), dir.File("other-name").c_str()), 0);
    const auto content = [](std::uint8_t byte) {
        return [byte](ByteSink& sink) { sink.Write(Bytes(9, byte)); };
    };
    const std::string second = dir.File("x.widths");
    const auto taken = [&second](ByteSink& sink) {
        sink.Write(Bytes(3, 7));
        ::mkdir(second.c_str(), 0755);
        ::close(::creat((second + "/inside").c_str(), 0644));
    };
    for (const std::string& first : {plain, linked, dir.File("new.png")}) {
        const Bytes before = GetFileLength(first) < 0 ? Bytes{} : ReadAll(first);
        EXPECT_THROW(WriteTogether({{first, content(9)}, {second, taken}}), AppError) << first;
        EXPECT_EQ(GetFileLength(first) < 0 ? Bytes{} : ReadAll(first), before) << first;
        ::unlink((second + "/inside").c_str());
        ::rmdir(second.c_str());
    }
    EXPECT_EQ(ReadAll(dir.File("other-name")), Bytes(6, 2));
    EXPECT_EQ(FolderEntries(dir.path()),
              (std::vector<std::string>{"linked.png", "other-name", "plain.png"}));
    // Without a failure both are replaced.
    WriteTogether({{plain, content(3)}, {second, content(4)}});
    EXPECT_EQ(ReadAll(plain), Bytes(9, 3));
    EXPECT_EQ(ReadAll(second), Bytes(9, 4));
}

}  // namespace
}  // namespace gft::test
