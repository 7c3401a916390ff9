// The change notifier's worker: changes reach the callback on the
// user-interface thread, new settings and destruction wake the worker, and
// no handle or callback outlives the notifier.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/win/HandleCount.h"
#include "shell/gui/ShellTestTree.h"
#include "shell/win/vtShellChangeNotifier.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class ChangeNotifier : public folvane::test::NoHandleLeaks {
 protected:
  // Workers end on their own after the notifier went: wait for their handles.
  void TearDown() override {
    for (int i = 0; i < 200 && HandleCount::Live(HandleKind::File) != files_; ++i) Pump(10);
    NoHandleLeaks::TearDown();
  }
  void SetUp() override {
    NoHandleLeaks::SetUp();
    files_ = HandleCount::Live(HandleKind::File);
  }
  // Pumps until `done` or about two seconds passed.
  static bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
      if (done()) return true;
      Pump(10);
    }
    return done();
  }

  long files_ = 0;
};

TEST_F(ChangeNotifier, AChangeReachesTheCallbackOnTheInterfaceThread) {
  TempFolder dir;
  auto* notifier = new TvtShellChangeNotifier(nullptr);
  EXPECT_EQ(notifier->Root(), L"C:\\");
  EXPECT_TRUE(notifier->WatchSubTree());
  EXPECT_EQ(notifier->NotifyFilters(), unsigned{nfFileNameChange | nfDirNameChange});
  EXPECT_FALSE(notifier->ThreadRunning());
  notifier->SetRoot(dir.Path());
  notifier->SetWatchSubTree(false);
  int calls = 0;
  DWORD thread = 0;
  notifier->SetOnChange([&] {
    ++calls;
    thread = GetCurrentThreadId();
  });
  EXPECT_TRUE(notifier->ThreadRunning());
  Pump(50);
  CreateDirectoryW(dir.File(L"made").c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return calls > 0; }));
  EXPECT_EQ(thread, GetCurrentThreadId());

  // New settings: the worker watches the new folder from then on.
  TempFolder other;
  notifier->SetRoot(other.Path());
  Pump(100);
  const int before = calls;
  CreateDirectoryW(other.File(L"there").c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return calls > before; }));

  // Gone: later changes call nobody.
  delete notifier;
  const int atEnd = calls;
  CreateDirectoryW(other.File(L"after").c_str(), nullptr);
  Pump(300);
  EXPECT_EQ(calls, atEnd);
}

TEST_F(ChangeNotifier, StartedAndStoppedManyTimesLeavesNoHandle) {
  TempFolder dir;
  for (int i = 0; i < 100; ++i) {
    TvtShellChangeNotifier notifier(nullptr);
    notifier.SetRoot(dir.Path());
    notifier.SetOnChange([] {});
  }
  EXPECT_TRUE(PumpUntil([&] { return HandleCount::Live(HandleKind::File) == files_; }));
}

TEST_F(ChangeNotifier, TheTreeFollowsAWatchedFolderWithAutoRefresh) {
  TestFolders folders;
  TreeForm f(folders.Root);
  f.Tree->SetPath(folders.Epsilon);
  f.Tree->SetAutoRefresh(true);
  EXPECT_TRUE(f.Tree->Notifier()->ThreadRunning());
  EXPECT_FALSE(f.Tree->Notifier()->WatchSubTree());
  Pump(50);
  CreateDirectoryW((folders.Epsilon + L"\\Fresh").c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([&] {
    TTreeNode* node = f.Tree->Selected();
    return node && f.Child(node, L"Fresh") != nullptr;
  }));
  EXPECT_TRUE(SameText(f.Tree->Path(), folders.Epsilon));
  f.Tree->SetAutoRefresh(false);
}

}  // namespace
