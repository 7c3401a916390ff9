#include "shell/ShellNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace folvane {
namespace {

TEST(ShellNames, RootNamesIgnoreLetterCase) {
  EXPECT_EQ(SpecialFolderOfRootName(L"rfDesktop"), 0);
  EXPECT_EQ(SpecialFolderOfRootName(L"RFDESKTOP"), 0);
  EXPECT_EQ(SpecialFolderOfRootName(L"rfMyComputer"), 17);
  EXPECT_EQ(SpecialFolderOfRootName(L"rfTemplates"), 21);
  EXPECT_EQ(SpecialFolderOfRootName(L"rfPrintHood"), 27);
  EXPECT_EQ(SpecialFolderOfRootName(L"C:\\"), -1);
  EXPECT_EQ(SpecialFolderOfRootName(L""), -1);
}

TEST(ShellNames, MarkedNamesLoseTheirQuestionMarks) {
  struct Case {
    const wchar_t* in;
    const wchar_t* out;
  } cases[] = {
      {L"?1?Local Disk?", L"1Local Disk"},
      {L"?9", L"9"},
      {L"?", L"?"},                 // one character: kept
      {L"?a?b", L"?a?b"},           // no digit after the mark
      {L"Why?1", L"Why?1"},         // the mark must come first
      {L"Documents", L"Documents"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanDisplayName(c.in), c.out) << c.in;
}

TEST(ShellNames, ShowExtensionRule) {
  struct Case {
    const wchar_t* display;
    const wchar_t* parsing;
    bool isFile;
    TvtShowExtension rule;
    const wchar_t* out;
  } cases[] = {
      {L"readme", L"C:\\d\\readme.txt", true, TvtShowExtension::seShow, L"readme.txt"},
      {L"readme.TXT", L"C:\\d\\readme.txt", true, TvtShowExtension::seShow, L"readme.TXT"},
      {L"readme.txt", L"C:\\d\\readme.txt", true, TvtShowExtension::seHide, L"readme"},
      {L"readme", L"C:\\d\\readme.txt", true, TvtShowExtension::seHide, L"readme"},
      {L"my.folder", L"C:\\d\\my.folder", false, TvtShowExtension::seHide, L"my.folder"},
      {L"a.txt", L"C:\\d\\a.txt", true, TvtShowExtension::seSystem, L"a.txt"},
      {L"notes", L"C:\\d.x\\notes", true, TvtShowExtension::seShow, L"notes"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ApplyShowExtension(c.display, c.parsing, c.isFile, c.rule), c.out) << c.display;
}

TEST(ShellNames, PathsAndRoots) {
  EXPECT_EQ(RootPathFromString(L"C:"), L"C:\\");
  EXPECT_EQ(RootPathFromString(L"C:\\Data"), L"C:\\Data");
  EXPECT_EQ(JoinPath(L"C:\\", L"New folder1"), L"C:\\New folder1");
  EXPECT_EQ(JoinPath(L"C:\\Data", L"New folder1"), L"C:\\Data\\New folder1");
  EXPECT_TRUE(IsVirtualParsingName(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
  EXPECT_FALSE(IsVirtualParsingName(L"C:\\::{x}"));
  EXPECT_FALSE(IsVirtualParsingName(L":"));
  EXPECT_EQ(FileExtension(L"C:\\a.b\\c"), L"");
  EXPECT_EQ(FileExtension(L"c.tar.gz"), L".gz");
}

TEST(ShellNames, NewFolderTakesTheFirstFreeNumber) {
  std::set<std::wstring> existing = {L"C:\\Data\\New folder1", L"C:\\Data\\New folder2"};
  auto exists = [&](const std::wstring& p) { return existing.count(p) > 0; };
  EXPECT_EQ(FreeNewFolderPath(L"C:\\Data", exists), L"C:\\Data\\New folder3");
  EXPECT_EQ(FreeNewFolderPath(L"C:\\", exists), L"C:\\New folder1");
}

TEST(ShellNames, FlagWords) {
  EXPECT_EQ(EnumerationFlags(otFolders), 0x20u);
  EXPECT_EQ(EnumerationFlags(otFolders | otNonFolders | otHidden), 0xE0u);
  EXPECT_EQ(NotifyFilterBits(nfFileNameChange | nfDirNameChange), 0x3u);
  EXPECT_EQ(NotifyFilterBits(nfSecurityChange | nfWriteChange | nfSizeChange | nfAttributeChange),
            0x11Cu);
}

}  // namespace
}  // namespace folvane
