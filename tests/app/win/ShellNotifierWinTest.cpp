// Apply and Remove tell the shell what changed: recorded through the
// notifier's sink with SHChangeNotify's own arguments, and received for
// real by a shell change registration in this process.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/FolderCustomizer.h"
#include "app/WindowsFolderPlatform.h"
#include "app/WindowsShellNotifier.h"

namespace folvane {
namespace {

constexpr wchar_t kApplied[] = L"Last action: folder was changed successfully";
constexpr wchar_t kRemoved[] = L"Last action: remove icon from folder";
constexpr unsigned kFlags = SHCNF_PATHW | SHCNF_FLUSHNOWAIT;

using Call = std::tuple<long, unsigned, std::wstring>;
using Calls = std::vector<Call>;

std::wstring TempPath() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return temp;
}

class ShellNotifierWin : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = TempPath() + L"folvane-notify-" + std::to_wstring(GetCurrentProcessId());
    folder = parent + L"\\Work & Play";
    ASSERT_TRUE(CreateDirectoryW(parent.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  }
  void TearDown() override {
    const std::wstring ini = folder + L"\\desktop.ini";
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(ini.c_str());
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(parent.c_str());
  }

  std::wstring parent;
  std::wstring folder;
  std::unique_ptr<FolderPlatform> platform = MakeWindowsFolderPlatform();
};

TEST_F(ShellNotifierWin, ApplyAndRemoveAnnounceFolderDesktopIniAndParent) {
  Calls calls;
  auto notifier = MakeWindowsShellNotifier(
      [&](long event, unsigned flags, const std::wstring& path) { calls.emplace_back(event, flags, path); });
  FolderCustomizer customizer(*platform, nullptr, notifier.get());
  const std::wstring ini = folder + L"\\desktop.ini";

  EXPECT_EQ(customizer.Apply(folder + L"\\", L"C:\\a.ico", L"tip"), kApplied);
  EXPECT_EQ(calls, (Calls{{SHCNE_UPDATEITEM, kFlags, folder}, {SHCNE_CREATE, kFlags, ini},
                          {SHCNE_UPDATEDIR, kFlags, parent}}));
  calls.clear();
  EXPECT_EQ(customizer.Apply(folder, L"C:\\b.ico", L"tip"), kApplied);
  EXPECT_EQ(calls, (Calls{{SHCNE_UPDATEITEM, kFlags, folder}, {SHCNE_UPDATEITEM, kFlags, ini},
                          {SHCNE_UPDATEDIR, kFlags, parent}}));
  calls.clear();
  EXPECT_EQ(customizer.Remove(folder), kRemoved);
  EXPECT_EQ(calls, (Calls{{SHCNE_UPDATEITEM, kFlags, folder}, {SHCNE_DELETE, kFlags, ini},
                          {SHCNE_UPDATEDIR, kFlags, parent}}));
  calls.clear();
  EXPECT_EQ(customizer.Apply(folder + L"\\missing", L"C:\\a.ico", L""), L"IO Error");
  EXPECT_EQ(calls, Calls{});
}

// A notification that fails (here: its sink throws) never turns the
// success into an error, and the other notifications still go out.
TEST_F(ShellNotifierWin, FailedNotificationKeepsTheSuccess) {
  int sent = 0;
  auto notifier = MakeWindowsShellNotifier([&](long, unsigned, const std::wstring&) {
    ++sent;
    throw std::runtime_error("shell gone");
  });
  FolderCustomizer customizer(*platform, nullptr, notifier.get());
  EXPECT_EQ(customizer.Apply(folder, L"C:\\a.ico", L""), kApplied);
  EXPECT_EQ(customizer.Remove(folder), kRemoved);
  EXPECT_EQ(sent, 6);
}

// The shell keeps its change registrations per process (under Wine), so the
// registration that stands in for an open view lives in this process.
class ShellChangeListener {
 public:
  static constexpr UINT kMessage = WM_APP + 7;

  explicit ShellChangeListener(const std::wstring& watched) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FolvaneShellChangeListener";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PIDLIST_ABSOLUTE pidl = ILCreateFromPathW(watched.c_str());
    SHChangeNotifyEntry entry{pidl, TRUE};
    id_ = SHChangeNotifyRegister(window_, SHCNRF_ShellLevel, SHCNE_ALLEVENTS, kMessage, 1, &entry);
    ILFree(pidl);
  }
  ~ShellChangeListener() {
    if (id_) SHChangeNotifyDeregister(id_);
    DestroyWindow(window_);
  }
  bool Registered() const { return id_ != 0 && window_ != nullptr; }

  bool Heard(long event, const std::wstring& path) const {
    for (const auto& r : received_) {
      if (r.first == event && lstrcmpiW(r.second.c_str(), path.c_str()) == 0) return true;
    }
    return false;
  }
  const std::vector<std::pair<long, std::wstring>>& Received() const { return received_; }

  // Delivery may be posted: pumps until `done` or a few seconds have passed.
  void PumpUntil(const std::function<bool()>& done) {
    MSG msg;
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 5000) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      Sleep(10);
    }
  }

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ShellChangeListener*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (msg == kMessage && self) {
      auto** pidls = reinterpret_cast<PIDLIST_ABSOLUTE*>(wp);
      wchar_t path[MAX_PATH] = L"";
      if (pidls && pidls[0]) SHGetPathFromIDListW(pidls[0], path);
      self->received_.emplace_back(static_cast<long>(lp), path);
      return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
  }

  HWND window_ = nullptr;
  ULONG id_ = 0;
  std::vector<std::pair<long, std::wstring>> received_;
};

TEST_F(ShellNotifierWin, ARealRegistrationOnTheParentHearsApply) {
  ShellChangeListener listener(parent);
  ASSERT_TRUE(listener.Registered());
  auto notifier = MakeWindowsShellNotifier();
  FolderCustomizer customizer(*platform, nullptr, notifier.get());
  ASSERT_EQ(customizer.Apply(folder, L"C:\\a.ico", L""), kApplied);

  const std::wstring ini = folder + L"\\desktop.ini";
  listener.PumpUntil([&] {
    return listener.Heard(SHCNE_UPDATEITEM, folder) && listener.Heard(SHCNE_CREATE, ini) &&
           listener.Heard(SHCNE_UPDATEDIR, parent);
  });
  EXPECT_TRUE(listener.Heard(SHCNE_UPDATEITEM, folder));
  EXPECT_TRUE(listener.Heard(SHCNE_CREATE, ini));
  EXPECT_TRUE(listener.Heard(SHCNE_UPDATEDIR, parent));
  for (const auto& r : listener.Received()) EXPECT_NE(r.first, SHCNE_ASSOCCHANGED);
}

}  // namespace
}  // namespace folvane
