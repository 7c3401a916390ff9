// The folder operations on real files and attributes in a folder of their own
// under the temp path.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/FolderCustomizer.h"
#include "app/IniFileException.h"
#include "app/WindowsFolderPlatform.h"
#include "runtime/win/HandleCount.h"

namespace folvane {
namespace {

constexpr DWORD kMarks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
constexpr wchar_t kApplied[] = L"Last action: folder was changed successfully";

std::string Utf16Le(std::wstring_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(1 << 16, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

// Wine adds ARCHIVE to files and DIRECTORY to folders when reading back:
// compare only the marks the operations set.
DWORD Marks(const std::wstring& path) { return GetFileAttributesW(path.c_str()) & kMarks; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class FolderCustomizerWin : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    folder = std::wstring(temp) + L"folvane-folder-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ini = folder + L"\\desktop.ini";
    liveFiles = HandleCount::Live(HandleKind::File);
  }

  void TearDown() override {
    EXPECT_EQ(HandleCount::Live(HandleKind::File), liveFiles);
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const std::wstring& name : FolderContents()) {
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(folder.c_str());
  }

  std::set<std::wstring> FolderContents() const {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.insert(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

  std::wstring folder;
  std::wstring ini;
  long liveFiles = 0;
  std::unique_ptr<FolderPlatform> platform = MakeWindowsFolderPlatform();
  int clearSteps = 0;
  FolderCustomizer customizer{*platform, [this] {
                                ++clearSteps;
                                customizer.ClearPaths();
                              }};
};

TEST_F(FolderCustomizerWin, ApplyCreatesDesktopIniAndMarksFileAndFolder) {
  EXPECT_EQ(customizer.Apply(folder, L"C:\\Icons\\work.ico", L"Work files"), kApplied);
  EXPECT_EQ(ReadBytes(ini), "[.ShellClassInfo]\r\nIconFile=C:\\Icons\\work.ico\r\nIconIndex=0\r\nInfoTip=Work files\r\n");
  EXPECT_EQ(Marks(ini), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Marks(folder), FILE_ATTRIBUTE_SYSTEM);
  EXPECT_EQ(FolderContents(), std::set<std::wstring>{L"desktop.ini"});  // no temporary file left behind
  EXPECT_EQ(clearSteps, 1);
}

// The second Apply writes to the hidden file of the first; other sections,
// blank lines and blanks around "=" survive both.
TEST_F(FolderCustomizerWin, ApplyTwiceUpdatesTheHiddenFileInPlace) {
  WriteBytes(ini, "\r\n[.ShellClassInfo]\r\nConfirmFileOp = 0\r\nInfoTip = old tip\r\n\r\n[ViewState]\r\nMode=\r\n");
  SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  EXPECT_EQ(customizer.Apply(folder, L"a.ico", L"first"), kApplied);
  EXPECT_EQ(customizer.Apply(folder + L"\\", L"b.ico", L""), kApplied);
  EXPECT_EQ(ReadBytes(ini),
            "\r\n[.ShellClassInfo]\r\nConfirmFileOp = 0\r\nInfoTip = \r\nIconFile=b.ico\r\nIconIndex=0\r\n\r\n"
            "[ViewState]\r\nMode=\r\n");
  EXPECT_EQ(Marks(ini), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(FolderContents(), std::set<std::wstring>{L"desktop.ini"});
}

TEST_F(FolderCustomizerWin, MissingFolderGivesIoErrorAndCreatesNothing) {
  const std::wstring missing = folder + L"\\missing";
  EXPECT_EQ(customizer.Apply(missing, L"a.ico", L"tip"), L"IO Error");
  EXPECT_FALSE(Exists(missing));
  EXPECT_TRUE(FolderContents().empty());
  EXPECT_EQ(customizer.FolderPath(), missing);
  EXPECT_EQ(clearSteps, 0);
}

// Wine run as root would write a read-only file: the writer refuses it itself.
TEST_F(FolderCustomizerWin, ReadOnlyDesktopIniIsRefusedAndStaysUnchanged) {
  const std::string before = "[.ShellClassInfo]\r\nIconFile=old.ico\r\n";
  WriteBytes(ini, before);
  SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(customizer.Apply(folder, L"new.ico", L"tip"), L"IO Error");
  EXPECT_EQ(ReadBytes(ini), before);
  EXPECT_EQ(Marks(ini), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(FolderContents(), std::set<std::wstring>{L"desktop.ini"});
  try {
    platform->WriteProfileString(L".ShellClassInfo", L"IconFile", L"x", ini);
    ADD_FAILURE() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), L"Unable to write to " + ini);
  }
}

TEST_F(FolderCustomizerWin, RemoveDeletesTheFileAndResetsTheFolder) {
  EXPECT_EQ(customizer.Apply(folder, L"a.ico", L"tip"), kApplied);
  EXPECT_EQ(customizer.Remove(folder), L"Last action: remove icon from folder");
  EXPECT_FALSE(Exists(ini));
  EXPECT_EQ(Marks(folder), 0u);

  // Nothing to delete: the folder's marks are still cleared.
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(customizer.Remove(folder + L"\\"), L"Last action: remove icon from folder");
  EXPECT_EQ(Marks(folder), 0u);
  EXPECT_EQ(clearSteps, 3);
}

// A desktop.ini that Explorer wrote in UTF-16LE stays UTF-16LE.
TEST_F(FolderCustomizerWin, Utf16DesktopIniStaysUtf16) {
  WriteBytes(ini, Utf16Le(L"\uFEFF\r\n[.ShellClassInfo]\r\nIconResource=C:\\Windows\\system32\\imageres.dll,-3\r\n"
                          L"[ViewState]\r\nMode=\r\nFolderType=Pictures\r\n"));
  EXPECT_EQ(customizer.Apply(folder, L"C:\\Ic\u00F4nes\\\u6587.ico", L"tip"), kApplied);
  EXPECT_EQ(ReadBytes(ini), Utf16Le(L"\uFEFF\r\n[.ShellClassInfo]\r\nIconResource=C:\\Windows\\system32\\imageres.dll,-3\r\n"
                                    L"IconFile=C:\\Ic\u00F4nes\\\u6587.ico\r\nIconIndex=0\r\nInfoTip=tip\r\n"
                                    L"[ViewState]\r\nMode=\r\nFolderType=Pictures\r\n"));
}

// A text the system code page cannot hold makes the new file UTF-16LE, and
// the preview reads it back unchanged.
TEST_F(FolderCustomizerWin, TextOutsideTheCodePageIsKeptAsUtf16) {
  const std::wstring icon = L"C:\\\u6587\u5B57\\a.ico";
  const std::wstring tip = L"smile \xD83D\xDE00";
  EXPECT_EQ(customizer.Apply(folder, icon, tip), kApplied);
  EXPECT_EQ(ReadBytes(ini),
            Utf16Le(L"\uFEFF[.ShellClassInfo]\r\nIconFile=" + icon + L"\r\nIconIndex=0\r\nInfoTip=" + tip + L"\r\n"));
  const PreviewResult preview = customizer.PreviewLookup(folder);
  EXPECT_FALSE(preview.defaultIcon);
  EXPECT_EQ(preview.iconFile, icon);
}

TEST_F(FolderCustomizerWin, LineBreakInTheTipDoesNotAddLines) {
  EXPECT_EQ(customizer.Apply(folder, L"a.ico", L"one\r\n[Evil]\r\nIconFile=x"), kApplied);
  EXPECT_EQ(ReadBytes(ini), "[.ShellClassInfo]\r\nIconFile=a.ico\r\nIconIndex=0\r\nInfoTip=one [Evil] IconFile=x\r\n");
}

TEST_F(FolderCustomizerWin, PreviewLookupFollowsDesktopIni) {
  EXPECT_TRUE(customizer.PreviewLookup(folder).defaultIcon);

  WriteBytes(ini, "[.ShellClassInfo]\r\nInfoTip=no icon\r\n");
  PreviewResult preview = customizer.PreviewLookup(folder + L"\\");
  EXPECT_FALSE(preview.defaultIcon);
  EXPECT_EQ(preview.iconFile, L"");

  WriteBytes(ini, "[.ShellClassInfo]\r\nIconFile = \"%SystemRoot%\\x.dll\" \r\n");
  preview = customizer.PreviewLookup(folder);
  EXPECT_EQ(preview.iconFile, L"%SystemRoot%\\x.dll");

  // A folder named desktop.ini is no desktop.ini.
  const std::wstring sub = folder + L"\\sub";
  CreateDirectoryW(sub.c_str(), nullptr);
  CreateDirectoryW((sub + L"\\desktop.ini").c_str(), nullptr);
  EXPECT_TRUE(customizer.PreviewLookup(sub).defaultIcon);
  RemoveDirectoryW((sub + L"\\desktop.ini").c_str());
  RemoveDirectoryW(sub.c_str());
}

// "\desktop.ini" is the root of the current drive (the host's "/" under Wine).
TEST_F(FolderCustomizerWin, EmptyFolderFieldNeverTouchesTheDriveRoot) {
  const bool existedBefore = Exists(L"\\desktop.ini");
  EXPECT_EQ(customizer.Apply(L"", L"a.ico", L"tip"), L"IO Error");
  EXPECT_EQ(customizer.Remove(L""), L"Last action: IO Error");
  EXPECT_TRUE(customizer.PreviewLookup(L"").defaultIcon);
  EXPECT_EQ(Exists(L"\\desktop.ini"), existedBefore);
}

}  // namespace
}  // namespace folvane
