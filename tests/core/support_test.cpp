// The string builder and the file helpers, whose failure contracts the
// readers and the writer rely on.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/string_concat.h"
#include "test_support.h"

namespace gft::test {
namespace {

TEST(StringConcat, ReservesInStepsAndKeepsItsBufferOnReset) {
    StringConcat s;
    EXPECT_EQ(s.GetStr(), "");
    s.Add("");
    EXPECT_EQ(s.lngAllocated, 0);  // an empty piece reserves nothing

    s.Add("abc");
    s.Add("de");
    EXPECT_EQ(s.GetStr(), "abcde");
    EXPECT_EQ(s.lngUsed, 5);
    EXPECT_EQ(s.lngAllocated, 1000);

    s.lngUsed = 0;
    s.Add("x");
    EXPECT_EQ(s.GetStr(), "x");
    EXPECT_EQ(s.lngAllocated, 1000);

    StringConcat whole;  // a shortfall of exactly one step adds two
    whole.Add(std::string(1000, 'a'));
    EXPECT_EQ(whole.lngAllocated, 2000);
    whole.lngAllocSize = 7;
    whole.Add(std::string(1010, 'b'));
    EXPECT_EQ(whole.lngAllocated, 2014);  // a shortfall of 10 adds two steps of 7
    EXPECT_EQ(whole.GetStr(), std::string(1000, 'a') + std::string(1010, 'b'));

    StringConcat zero;
    zero.lngAllocSize = 0;
    EXPECT_THROW(zero.Add("a"), AppError);
}

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
    ::chmod(path.c_str(), 0444);  // a read-only file is replaced all the same
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
