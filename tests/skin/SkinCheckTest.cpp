// The skin checker: every fault with its section and key, the sections a
// skin lacks as notes.

#include <gtest/gtest.h>

#include "skin/LookedUpSections.h"
#include "skin/SkinCheck.h"
#include "skin/SkinFixture.h"

namespace folvane {
namespace {

using namespace test;

std::vector<std::string> Errors(const std::vector<SkinFinding>& findings) {
  std::vector<std::string> lines;
  for (const SkinFinding& f : findings)
    if (f.FindingKind == SkinFinding::Kind::Error) lines.push_back(FormatFinding(f));
  return lines;
}

std::string AllSections() {
  std::string text;
  for (const LookedUpSection& s : LookedUpSections())
    if (std::string(s.Name) != "GLOBALINFO") text += std::string("[") + s.Name + "]\r\n";
  return text;
}

TEST(SkinCheck, ReportsEveryFaultWithSectionAndKey) {
  MemoryFileSystem files;
  SkinFiles skin{
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
      "[FORM]\r\n"
      "BORDERSMASK=^0000^0000^0120^0040^0004^0004^0004^0004^2^0^1^1\r\n"
      "EMPTY=@0010@0000@0010@0010@1@0\r\n"
      "NOSTATES=@0000@0000@0030@0010@0@0\r\n"
      "SLICES=^0000^0000^0030^0030^0020^0010^0020^0010^3^0^5^1\r\n"
      "LOWER=!tl.bmp!1!0!0\r\n"
      "GONE=!GONE.BMP!1!0!0\r\n"
      "SHORT=~0110~0036~0113~0042~1\r\n"
      "GRADIENTDATA=1;2;3;x;5\r\n"
      "FINE=^0000^0000^0090^0030^0004^0004^0004^0004^3^0^1^1\r\n" + AllSections(),
      {{"Master.bmp", SolidBmp(100, 50, 0x00FF00)}}};
  skin.AddFolder(files, u"C:\\Skins\\Faulty\\");
  const auto findings = CheckSkin(u"C:\\Skins\\Faulty", true, files);
  EXPECT_EQ(Errors(findings),
            (std::vector<std::string>{
                "error: [FORM] LOWER: the file name of a \"!\" value must contain \".BMP\" in capitals",
                "error: [FORM] GONE: picture \"GONE.BMP\" not found",
                "error: [FORM] SHORT: '1' is not a valid integer value (the program stops loading the skin here)",
                "error: [FORM] GRADIENTDATA: 'x' is not a valid integer value (the program stops loading the skin here)",
                "error: [FORM] BORDERSMASK: rectangle (0, 0, 120, 40) outside the master bitmap (100 x 50)",
                "error: [FORM] EMPTY: empty rectangle (10, 0, 10, 10)",
                "error: [FORM] NOSTATES: ImageCount below 1: nothing is painted",
                "error: [FORM] SLICES: border slices wider than one state image (10 x 30)",
            }));
  for (const SkinFinding& f : findings) EXPECT_NE(f.FindingKind, SkinFinding::Kind::Note) << f.Section;
}

TEST(SkinCheck, NotesTheSectionsASkinLacks) {
  MemoryFileSystem files;
  SkinFiles{"[GLOBALINFO]\r\n[FORM]\r\n", {}}.AddFolder(files, u"C:\\Skins\\Bare\\");
  const auto findings = CheckSkin(u"C:\\Skins\\Bare", true, files);
  EXPECT_TRUE(Errors(findings).empty());
  std::vector<std::string> notes;
  for (const SkinFinding& f : findings) notes.push_back(f.Section);
  EXPECT_EQ(notes.size(), LookedUpSections().size() - 2);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "FORM"), 0);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "EDIT"), 1);
  EXPECT_EQ(FormatFinding(findings[0]), "note: [FORMTITLE] no section; used by form captions");
}

TEST(SkinCheck, ArchiveLevelFaults) {
  MemoryFileSystem files;
  Bytes magic = SkinFiles{"[GLOBALINFO]\r\n", {}}.Packed();
  magic[0] = 'X';
  files.AddFile(u"C:\\Magic.vsz", magic);
  Bytes truncated = SkinFiles{"[GLOBALINFO]\r\nAUTHOR=someone\r\n", {}}.Packed();
  truncated.resize(truncated.size() - 6);
  files.AddFile(u"C:\\Truncated.vsz", truncated);
  files.AddFile(u"C:\\NoOptions.vsz", Assemble({Entry("Master.bmp", SolidBmp(2, 2, 0))}));
  SkinFiles{"[GLOBALINFO]\r\n[FORM]\r\nA=@0000@0000@0010@0010@1@0\r\n", {}}.AddFolder(
      files, u"C:\\NoMaster\\");

  struct Case {
    std::u16string path;
    bool folder;
    std::string first;
  } cases[] = {
      {u"C:\\Magic.vsz", false,
       "error: Loaded data is not packed VantileSkin file (the program stops loading the skin here)"},
      {u"C:\\NoOptions.vsz", false, "error: no Options.dat: the program cannot load this skin"},
      {u"C:\\Missing.vsz", false, "error: no such file"},
      {u"C:\\Nowhere", true, "error: no Options.dat in this folder"},
      {u"C:\\NoMaster", true,
       "error: [GLOBALINFO] MASTERBITMAP: no master bitmap, yet 1 reference(s) are cut from it"},
  };
  for (const Case& c : cases) {
    const auto findings = CheckSkin(c.path, c.folder, files);
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(FormatFinding(findings[0]), c.first);
  }
  const auto truncatedFindings = CheckSkin(u"C:\\Truncated.vsz", false, files);
  ASSERT_EQ(truncatedFindings.size(), 1u);
  EXPECT_TRUE(truncatedFindings[0].FailsLoad);
}

}  // namespace
}  // namespace folvane
