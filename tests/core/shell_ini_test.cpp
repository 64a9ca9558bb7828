// The settings file layer: what is read, and where a write puts a key.
#include <gtest/gtest.h>

#include "app/ini_file.h"
#include "support/app_error.h"
#include "test_support.h"

namespace gft::test {
namespace {

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(IniFile, WritesKeepTheFileOrder) {
    IniFile file("; kept\r\n[A]\r\nx = 1\r\n\r\n[B]\r\ny=2\r\n");
    file.Set("a", "X", "3");  // in place, names compared without case
    file.Set("A", "z", "4");  // after the section's last key, before the blank line
    file.Set("C", "k", "v");  // a new section at the end
    file.Set("B", "y", "first\nsecond");
    EXPECT_EQ(file.Content(),
              "; kept\r\n[A]\r\nX=3\r\nz=4\r\n\r\n[B]\r\ny=first\r\n[C]\r\nk=v\r\n");
    EXPECT_EQ(file.Get("c", "K", "none"), "v");
    EXPECT_EQ(file.Get("A", "missing", "none"), "none");
    EXPECT_EQ(file.Get("D", "k", "none"), "none");
}

TEST(IniFile, AValueEndsAtAnyLineBreakAsItIsWritten) {
    // A lone CR is no line end of the file, but a written value stops there:
    // what is read must be what a write of it keeps.
    IniFile file("[Paths]\nSource=\r\vfnt-Next=\nDestination= out.fnt \rtail\n");
    EXPECT_EQ(file.Get("Paths", "Source", "none"), "");
    EXPECT_EQ(file.Get("Paths", "Destination", "none"), "out.fnt");
    file.Set("Paths", "Destination", file.Get("Paths", "Destination", ""));
    EXPECT_EQ(file.Content(), "[Paths]\nSource=\r\vfnt-Next=\nDestination=out.fnt\n");

    // CRs at the end of a line belong to its line end: written back after
    // the line, they would turn a file of LF line ends into one of CR LF.
    const std::string lf = "[A]\nk=1\n[B]C\r\r";
    EXPECT_EQ(IniFile(lf).Content(), "[A]\nk=1\n[B]C\n");
    const std::string crlf = "[A]\r\nk=1\r\r\n";
    EXPECT_EQ(IniFile(crlf).Content(), "[A]\r\nk=1\r\n");
    EXPECT_EQ(IniFile(IniFile(crlf).Content()).Content(), IniFile(crlf).Content());
}

TEST(IniFile, NewFileStartsFromTheVersionHeader) {
    TempDir dir;
    const std::string path = dir.Write("Settings.ini", BytesOf("[Version]"));
    WriteIniValue(path, "Version", "Application", "Grind FNT Tool");
    WriteIniValue(path, "Paths", "Source", std::string(600, 'p'));
    WriteIniValue(path, "version", "Major", "0");
    EXPECT_EQ(ReadText(path), "[Version]\nApplication=Grind FNT Tool\nMajor=0\n[Paths]\nSource=" +
                                  std::string(600, 'p') + "\n");
    EXPECT_EQ(ReadIniValue(path, "PATHS", "source", ""), std::string(600, 'p'));
}

TEST(IniFile, DamagedOrUnreadableFilesGiveTheDefault) {
    TempDir dir;
    const std::string garbage =
        dir.Write("garbage.ini", Bytes{0, 0xFF, '[', '\n', '=', 0x80, '\r', ']', 0});
    EXPECT_EQ(ReadIniValue(garbage, "Version", "Application", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(dir.File("missing.ini"), "Version", "Application", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(dir.path(), "Version", "Application", "dflt"), "dflt");
    EXPECT_THROW(ReadIniFile(dir.path()), AppError);
}

}  // namespace
}  // namespace gft::test
