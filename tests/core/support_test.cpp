// The file helpers, whose failure contracts the
// readers and the writer rely on.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
}  // namespace gft::test
