#pragma once
// The skin command message: one window message through which the skin
// manager announces skin changes and skinned windows ask one another for
// backgrounds, colours and states. The command is in the high word of
// wParam, a small argument in the low word, the main argument in lParam.

#include <windows.h>

#include <vector>

#include "runtime/win/Messages.h"

namespace folvane {

class TControl;
class TWinControl;
class TForm;

constexpr UINT SM_VANTILECMD = 0xA100;

enum : WORD {
  SKC_NEWSKIN = 1,
  SKC_REMOVESKIN = 2,
  SKC_REFRESH = 3,
  SKC_GETPROVIDER = 4,
  SKC_REPAINTIFCHANGED = 6,
  SKC_ISSKINNED = 7,
  SKC_SETUPDATING = 8,
  SKC_FORCEPARENTBG = 9,
  SKC_ISBGCHANGED = 10,
  SKC_ISOUTSIDE = 11,
  SKC_CHECKBGCHANGED = 12,
  SKC_SETPAINTEDCHILD = 15,
  SKC_STOPANIMATION = 16,
  SKC_SETBGCHANGED = 17,
  SKC_ISGRAPHICBG = 19,
  SKC_BGCHANGED = 20,
  SKC_GETBGCOLOR = 21,
  SKC_SETOUTSIDE = 22,
  SKC_REBUILDIMAGE = 23,
  SKC_SHOWFADEFRAME = 24,
  SKC_ADAPTCONTROL = 25,
  SKC_GETSECTIONINDEX = 26,
  SKC_GETMANAGER = 27,
  SKC_CTRLACTIVATED = 29,
  SKC_CTRLDEACTIVATED = 30,
  SKC_UPDATINGSTARTED = 31,
  SKC_UPDATINGENDED = 32,
  SKC_GETBACKGROUND = 34,
  SKC_PLAINBG = 36,
  SKC_BEGINSCROLL = 51,
  SKC_ENDSCROLL = 52,
  SKC_GETAPPLICATION = 60,
  SKC_GETCLIENTOFFSET = 61,
};

inline WPARAM SkinCommandWParam(WORD code, WORD low = 0) { return MAKEWPARAM(low, code); }
inline WORD SkinCommandCode(WPARAM wParam) { return HIWORD(wParam); }
inline bool IsSkinCommand(const Message& m, WORD code) {
  return m.msg == SM_VANTILECMD && SkinCommandCode(m.wParam) == code;
}

// Process-wide change flags (the user-interface thread is the only one
// that reads or writes them).
extern bool SkinLoading;
extern bool SkinAnnouncing;
extern bool SkinRemoving;
extern bool FormAnimating;

// Sets a flag for as long as it lives, however the scope is left.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

// The forms that carry a skin provider, in registration order.
std::vector<TForm*>& SkinnedForms();
void AddSkinnedForm(TForm* form);
// Moves the last entry into the freed place.
void RemoveSkinnedForm(TForm* form);

// Sends a command to a window of this thread; windows of other threads or
// processes never get it (they may give 0xA100 another meaning).
LRESULT SendSkinCommand(HWND wnd, WORD code, LPARAM arg = 0, WORD low = 0);
// To a control: by SendMessage when it has a window, directly to its
// handler when it is a graphic control, not at all while it is destroyed
// or before its window exists.
LRESULT SendSkinCommand(TControl* control, WORD code, LPARAM arg = 0, WORD low = 0);
bool IsSkinned(HWND wnd);

// Commands whose answer is a pointer (SKC_GETPROVIDER, SKC_GETMANAGER,
// SKC_GETAPPLICATION) go only to windows we made or took over: a control
// of ours, or a window that carries kSkinnedWindowProp (set by whatever
// subclasses a foreign window to skin it). Others answer 0.
constexpr const wchar_t* kSkinnedWindowProp = L"FolvaneSkinned";
bool IsOwnSkinWindow(HWND wnd);
LRESULT SendSkinQuery(HWND wnd, WORD code, LPARAM arg = 0, WORD low = 0);

// Delivers a command to every form and, through the child walk, to every
// control, in the fixed order of the skin change sequences.
void BroadcastSkinCommand(WORD code, LPARAM arg = 0, WORD low = 0);
void SkinChildWalk(TWinControl* control, Message& m);
// Passes a message on, unchanged, to the direct child windows of a window.
void PassToChildWindows(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace folvane
