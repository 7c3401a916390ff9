// Names the file-name and directory edits accept, where their choosers
// start and how folder lists take long or short names.
#include "controls/FileDirNames.h"

#include <gtest/gtest.h>

#include <map>

namespace folvane {
namespace {

TEST(FileDirNames, ValidFileNames) {
  for (const wchar_t* good : {L"a.ico", L"C:\\Icons\\a b.ico", L"\\\\srv\\share\\x"})
    EXPECT_TRUE(IsValidFileName(good)) << good;
  for (const wchar_t* bad : {L"", L"*.ico", L"a?.ico", L"a<b", L"a>b", L"a\"b", L"a|b", L"C:/a.ico"})
    EXPECT_FALSE(IsValidFileName(bad)) << bad;
}

TEST(FileDirNames, FolderAndNameParts) {
  EXPECT_EQ(FolderPart(L"C:\\Icons\\a.ico"), L"C:\\Icons\\");
  EXPECT_EQ(NamePart(L"C:\\Icons\\a.ico"), L"a.ico");
  EXPECT_EQ(FolderPart(L"C:a.ico"), L"C:");
  EXPECT_EQ(FolderPart(L"a.ico"), L"");
  EXPECT_EQ(NamePart(L"C:\\Icons\\"), L"");
}

TEST(FileDirNames, FileDialogStart) {
  const auto exists = [](const std::wstring& f) { return f == L"C:\\Icons\\"; };
  const FileDialogStart previous{L"C:\\Old\\", L"C:\\Old\\last.ico"};
  struct Case {
    const wchar_t* text;
    FileDialogStart want;
  } cases[] = {
      {L"C:\\Icons\\a.ico", {L"C:\\Icons\\", L"C:\\Icons\\a.ico"}},
      {L"C:\\Missing\\a.ico", {L"C:\\Old\\", L"C:\\Missing\\a.ico"}},
      {L"C:\\Icons\\", {L"C:\\Icons\\", L""}},
      {L"*.ico", previous},
      {L"C:\\Icons\\*.ico", previous},
      {L"", previous},
  };
  for (const Case& c : cases) {
    const FileDialogStart got = FileDialogStartFor(c.text, previous, exists);
    EXPECT_EQ(got.InitialDir, c.want.InitialDir) << c.text;
    EXPECT_EQ(got.FileName, c.want.FileName) << c.text;
  }
}

TEST(FileDirNames, ConfirmedAndDroppedFolders) {
  EXPECT_EQ(AddDirectory(L"", L"C:\\Data", true), L"C:\\Data");
  EXPECT_EQ(AddDirectory(L"C:\\A", L"C:\\Data", true), L"C:\\A;C:\\Data");
  EXPECT_EQ(AddDirectory(L"C:\\A", L"C:\\Data", false), L"C:\\Data");
  EXPECT_EQ(DroppedDirectory(L"C:\\Data\\x.ico", false), L"C:\\Data\\");
  EXPECT_EQ(DroppedDirectory(L"C:\\Data", true), L"C:\\Data");
}

TEST(FileDirNames, LongAndShortFolderNames) {
  const std::map<std::wstring, std::wstring> shortNames = {
      {L"C:\\Program Files", L"PROGRA~1"},
      {L"C:\\PROGRA~1\\Common Files", L"COMMON~1"},
      {L"C:\\Data", L"DATA"},
  };
  const ComponentLookup lookup = [&](const std::wstring& path) {
    const auto it = shortNames.find(path);
    return it == shortNames.end() ? std::wstring() : it->second;
  };
  EXPECT_EQ(ConvertDirectoryNames(L"C:\\Program Files\\Common Files", false, lookup),
            L"C:\\PROGRA~1\\COMMON~1");
  EXPECT_EQ(ConvertDirectoryNames(L"C:\\Data\\", false, lookup), L"C:\\DATA\\");
  // Not found: the entry keeps its spelling rather than lose a component.
  EXPECT_EQ(ConvertDirectoryNames(L"C:\\Gone\\Data", false, lookup), L"C:\\Gone\\Data");
  EXPECT_EQ(ConvertDirectoryNames(L"C:\\Data;;C:\\Program Files", true, lookup),
            L"C:\\DATA;C:\\PROGRA~1");
  // Without MultipleDirs the ";" is part of one name.
  EXPECT_EQ(ConvertDirectoryNames(L"C:\\Data;C:\\X", false, lookup), L"C:\\Data;C:\\X");
  EXPECT_EQ(ConvertDirectoryNames(L"\\\\srv\\share\\Data", false, lookup), L"\\\\srv\\share\\Data");
  EXPECT_EQ(ConvertDirectoryNames(L"", true, lookup), L"");
}

}  // namespace
}  // namespace folvane
