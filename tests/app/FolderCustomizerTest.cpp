#include "app/FolderCustomizer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/IniFileException.h"

namespace folvane {
namespace {

// Records every platform call, and the clear step, in one log.
class FakePlatform : public FolderPlatform {
 public:
  bool FileExists(const std::wstring& path) override {
    log.push_back(L"exists " + path);
    return files.count(path) != 0;
  }
  std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                                 const std::wstring& file) override {
    log.push_back(L"read " + section + L"/" + key + L" " + file);
    const auto value = values.find(file + L"|" + key);
    return value == values.end() ? def : value->second;
  }
  void WriteProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                          const std::wstring& file) override {
    log.push_back(L"write " + section + L"/" + key + L"=" + value + L" " + file);
    if (--writesBeforeFailure == 0) throw failure();
    files.insert(file);
  }
  void SetFileAttributes(const std::wstring& path, std::uint32_t attributes) override {
    log.push_back(L"attributes " + path + L" " + std::to_wstring(attributes));
  }
  void DeleteFile(const std::wstring& path) override {
    log.push_back(L"delete " + path);
    if (!deleteFails) files.erase(path);
  }

  std::vector<std::wstring> log;
  std::set<std::wstring> files;
  std::map<std::wstring, std::wstring> values;  // "file|key" -> value
  int writesBeforeFailure = -1;                 // the write that fails, counted from 1
  bool deleteFails = false;
  std::function<std::exception_ptr()> failure = [] {
    return std::make_exception_ptr(EIniFileException::UnableToWriteTo(L"x"));
  };
};

class FolderCustomizerTest : public ::testing::Test {
 protected:
  void ClearStep() {
    platform.log.push_back(L"clear");
    if (clearStepThrows) throw std::runtime_error("window gone");
    customizer.ClearPaths();
  }

  FakePlatform platform;
  bool clearStepThrows = false;
  FolderCustomizer customizer{platform, [this] { ClearStep(); }};
};

using Log = std::vector<std::wstring>;

TEST_F(FolderCustomizerTest, ApplyWritesTheKeysThenSetsAttributesThenClears) {
  EXPECT_EQ(customizer.Apply(L"C:\\Work", L"C:\\i.ico", L"my tip"), L"Last action: folder was changed successfully");
  EXPECT_EQ(platform.log, (Log{L"write .ShellClassInfo/IconFile=C:\\i.ico C:\\Work\\desktop.ini",
                               L"write .ShellClassInfo/IconIndex=0 C:\\Work\\desktop.ini",
                               L"write .ShellClassInfo/InfoTip=my tip C:\\Work\\desktop.ini",
                               L"attributes C:\\Work\\desktop.ini 2", L"attributes C:\\Work 4", L"clear"}));
  EXPECT_EQ(customizer.FolderPath(), L"");
  EXPECT_EQ(customizer.IconPath(), L"");
}

TEST_F(FolderCustomizerTest, TrailingBackslashDoublesTheSeparator) {
  customizer.Apply(L"C:\\Work\\", L"", L"");
  EXPECT_EQ(platform.log[0], L"write .ShellClassInfo/IconFile= C:\\Work\\\\desktop.ini");
  EXPECT_EQ(platform.log[4], L"attributes C:\\Work\\ 4");
  customizer.Remove(L"C:\\Work\\");
  EXPECT_EQ(platform.log[6], L"delete C:\\Work\\\\desktop.ini");
}

// Any error stops Apply where it happens: no attributes, no clear step, and
// the paths keep the texts the user can correct.
TEST_F(FolderCustomizerTest, ApplyStopsAtTheFailingWrite) {
  const std::function<std::exception_ptr()> failures[] = {
      [] { return std::make_exception_ptr(EIniFileException::UnableToWriteTo(L"C:\\No\\desktop.ini")); },
      [] { return std::make_exception_ptr(std::runtime_error("other")); },
  };
  for (const auto& failure : failures) {
    for (int failingWrite = 1; failingWrite <= 3; ++failingWrite) {
      SCOPED_TRACE(failingWrite);
      platform.log.clear();
      platform.writesBeforeFailure = failingWrite;
      platform.failure = failure;
      EXPECT_EQ(customizer.Apply(L"C:\\No", L"C:\\i.ico", L"tip"), L"IO Error");
      EXPECT_EQ(platform.log.size(), static_cast<std::size_t>(failingWrite));
      EXPECT_EQ(customizer.FolderPath(), L"C:\\No");
      EXPECT_EQ(customizer.IconPath(), L"C:\\i.ico");
    }
  }
}

TEST_F(FolderCustomizerTest, RemoveDeletesResetsAttributesThenClears) {
  EXPECT_EQ(customizer.Remove(L"C:\\Work"), L"Last action: remove icon from folder");
  EXPECT_EQ(platform.log, (Log{L"delete C:\\Work\\desktop.ini", L"attributes C:\\Work 128", L"clear"}));
  EXPECT_EQ(customizer.FolderPath(), L"");
}

// "\desktop.ini" would name a file at the root of the current drive.
TEST_F(FolderCustomizerTest, FolderTextOfNothingButBlanksNeverReachesTheFileSystem) {
  for (const wchar_t* folder : {L"", L" ", L" \t "}) {
    EXPECT_EQ(customizer.Apply(folder, L"C:\\i.ico", L"tip"), L"IO Error");
    EXPECT_EQ(customizer.Remove(folder), L"Last action: IO Error");
    const PreviewResult preview = customizer.PreviewLookup(folder);
    EXPECT_TRUE(preview.defaultIcon);
    EXPECT_EQ(customizer.FolderPath(), folder);
  }
  EXPECT_EQ(platform.log, Log{});
}

// By the time the clear step runs the folder has been changed on disk; its
// failure must not report "IO Error".
TEST_F(FolderCustomizerTest, FailingClearStepDoesNotTurnSuccessIntoFailure) {
  clearStepThrows = true;
  EXPECT_EQ(customizer.Apply(L"C:\\Work", L"C:\\i.ico", L"tip"), L"Last action: folder was changed successfully");
  EXPECT_EQ(customizer.FolderPath(), L"");
  EXPECT_EQ(customizer.IconPath(), L"");
  EXPECT_EQ(customizer.Remove(L"C:\\Work"), L"Last action: remove icon from folder");
  EXPECT_EQ(customizer.FolderPath(), L"");
}

TEST_F(FolderCustomizerTest, PreviewLookupReadsTheIconFileOnlyWhenDesktopIniExists) {
  PreviewResult preview = customizer.PreviewLookup(L"C:\\Plain");
  EXPECT_TRUE(preview.defaultIcon);
  EXPECT_EQ(platform.log, Log{L"exists C:\\Plain\\desktop.ini"});
  EXPECT_EQ(customizer.FolderPath(), L"C:\\Plain");

  platform.files.insert(L"C:\\NoKey\\desktop.ini");
  preview = customizer.PreviewLookup(L"C:\\NoKey");
  EXPECT_FALSE(preview.defaultIcon);
  EXPECT_EQ(preview.iconFile, L"");
  EXPECT_EQ(platform.log.back(), L"read .ShellClassInfo/IconFile C:\\NoKey\\desktop.ini");

  platform.files.insert(L"C:\\Set\\desktop.ini");
  platform.values[L"C:\\Set\\desktop.ini|IconFile"] = L"%SystemRoot%\\x.dll";
  preview = customizer.PreviewLookup(L"C:\\Set");
  EXPECT_FALSE(preview.defaultIcon);
  EXPECT_EQ(preview.iconFile, L"%SystemRoot%\\x.dll");
  EXPECT_EQ(customizer.IconPath(), L"%SystemRoot%\\x.dll");
  EXPECT_EQ(customizer.FolderPath(), L"C:\\Set");
}

TEST(FolderCustomizerWithoutClearStep, StillEmptiesThePaths) {
  FakePlatform platform;
  FolderCustomizer customizer(platform, nullptr);
  EXPECT_EQ(customizer.Apply(L"C:\\Work", L"C:\\i.ico", L""), L"Last action: folder was changed successfully");
  EXPECT_EQ(customizer.FolderPath(), L"");
  EXPECT_EQ(customizer.IconPath(), L"");
}

}  // namespace
}  // namespace folvane

namespace folvane {
namespace {

class RecordingNotifier : public ShellNotifier {
 public:
  void FolderChanged(const std::wstring& folder, IniChange ini) noexcept override { calls.push_back({folder, ini}); }
  std::vector<std::pair<std::wstring, IniChange>> calls;
};

using Calls = std::vector<std::pair<std::wstring, IniChange>>;

// The shell hears of a change only when it happened, with what became of
// desktop.ini; the status texts are the same with or without a notifier.
TEST(FolderCustomizerNotifies, EachSuccessfulChangeOnce) {
  FakePlatform platform;
  RecordingNotifier notifier;
  FolderCustomizer customizer(platform, nullptr, &notifier);

  EXPECT_EQ(customizer.Apply(L"C:\\Work", L"C:\\i.ico", L""), L"Last action: folder was changed successfully");
  EXPECT_EQ(customizer.Apply(L"C:\\Work", L"C:\\j.ico", L""), L"Last action: folder was changed successfully");
  platform.writesBeforeFailure = 1;
  EXPECT_EQ(customizer.Apply(L"C:\\Denied", L"C:\\i.ico", L""), L"IO Error");
  EXPECT_EQ(notifier.calls, (Calls{{L"C:\\Work", IniChange::Created}, {L"C:\\Work", IniChange::Updated}}));

  notifier.calls.clear();
  platform.files.insert(L"C:\\Locked\\desktop.ini");
  platform.deleteFails = true;
  EXPECT_EQ(customizer.Remove(L"C:\\Locked"), L"Last action: remove icon from folder");
  platform.deleteFails = false;
  EXPECT_EQ(customizer.Remove(L"C:\\Work"), L"Last action: remove icon from folder");
  EXPECT_EQ(customizer.Remove(L"C:\\Work"), L"Last action: remove icon from folder");
  EXPECT_EQ(customizer.Remove(L""), L"Last action: IO Error");
  // A deletion that failed is no deletion to announce.
  EXPECT_EQ(notifier.calls, (Calls{{L"C:\\Locked", IniChange::Unchanged},
                                   {L"C:\\Work", IniChange::Deleted},
                                   {L"C:\\Work", IniChange::Unchanged}}));
}

}  // namespace
}  // namespace folvane
