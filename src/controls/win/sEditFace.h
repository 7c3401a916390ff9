#pragma once
// What the skinned edits share: their cached face (section, text, disabled
// look), the preparation of that face before a paint, and the copies of
// its frame ring and client area to the screen. The combo edits built on
// the masked edit reuse them.

#include <windows.h>

#include <functional>
#include <string>

#include "controls/EditLayout.h"
#include "paint/DisabledLook.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

EditBorderSettings BorderSettingsOf(const TEdit& edit);

// The text of the face: what it shows, where, and how it is drawn.
struct EditFaceText {
  std::wstring Text;
  RECT Rect{};
  UINT Flags = 0;
};

// Rebuilds the cache of `edit`: its section in the paint state (1 when hot)
// over the parent's background - the background alone with `noBorder` -,
// the text through the skinned text output, the disabled look when the
// edit is disabled; the cache is then current.
void RebuildEditFace(TEdit& edit, TsCommonData& data, TsDisabledKind disabledKind,
                     const EditFaceText& text, bool noBorder);

// Before a paint uses the cache: marks it stale when it or the parent says
// so, recomputes OutsideParent, rebuilds through `rebuild` when stale and
// `mayRebuild`, and refreshes the corners of the state-0 frame.
void PrepareEditFace(TEdit& edit, TsCommonData& data, bool mayRebuild,
                     const std::function<void()>& rebuild);

// Where the client area lies inside the window (the frame's width on the
// left and top).
POINT ClientOffset(HWND wnd);
// The frame ring the window really has room for, at most `wanted` wide.
int UsableFrameWidth(HWND wnd, int wanted);
// The cache's frame ring of width `ring` onto the window's frame.
void PaintFrameFromCache(TWinControl& control, TsCommonData& data, int ring);
// The cache's client part onto `dc`, a DC of the client area.
void PaintClientFromCache(TWinControl& control, TsCommonData& data, HDC dc);
// Repaints the frame (and with `client` the client area) now.
void RedrawEdit(TWinControl& control, bool client);

// The skin commands every skinned edit answers alike (a new, removed or
// refreshed skin, a suspended paint, the skinned and application queries);
// false for any other message, which the edit answers itself.
bool HandleEditSkinCommand(TWinControl& control, TsCommonData& data, Message& m);

}  // namespace folvane
