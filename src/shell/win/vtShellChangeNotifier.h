#pragma once
// TvtShellChangeNotifier: watches a directory on a worker thread and runs
// its OnChange on the user-interface thread when something in it changes.
// A thread runs only while OnChange is set. The notifier never closes a
// handle the worker may be waiting on: new settings and destruction wake
// the worker, which re-registers or ends by itself; no OnChange runs once
// the notifier is gone.

#include <functional>
#include <memory>

#include "runtime/win/Component.h"
#include "shell/ShellNames.h"

namespace folvane {

using TThreadMethod = std::function<void()>;

class TvtShellChangeThread;
struct TvtShellChangeShared;

class TvtShellChangeNotifier : public TComponent {
 public:
  explicit TvtShellChangeNotifier(TComponent* owner);
  ~TvtShellChangeNotifier() override;
  const wchar_t* ClassName() const override { return L"TvtShellChangeNotifier"; }

  TvtNotifyFilters NotifyFilters() const { return filters_; }
  void SetNotifyFilters(TvtNotifyFilters filters);
  const TvtRoot& Root() const { return root_; }
  void SetRoot(const TvtRoot& root);
  bool WatchSubTree() const { return watchSubTree_; }
  void SetWatchSubTree(bool value);
  const TThreadMethod& OnChange() const { return onChange_; }
  void SetOnChange(TThreadMethod callback);

  bool ThreadRunning() const { return shared_ != nullptr; }

 private:
  void PassSettings();

  TvtNotifyFilters filters_ = nfFileNameChange | nfDirNameChange;
  TvtRoot root_ = L"C:\\";
  bool watchSubTree_ = true;
  TThreadMethod onChange_;
  // What the running worker shares with us; the worker frees itself.
  std::shared_ptr<TvtShellChangeShared> shared_;
};

}  // namespace folvane
