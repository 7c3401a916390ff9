// Popup windows taken over by the menu skinning: no erasing, no frame
// painting over the skinned borders, a region with the skin's transparent
// corners, and the per-menu state let go with the window.
#include <windows.h>

#include <commctrl.h>

#include "menus/win/sSkinMenus.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/Handles.h"

namespace folvane {

namespace {
constexpr UINT_PTR kPopupSubclassId = 0x5355;  // one subclass of ours per popup
}  // namespace

void TsSkinableMenus::TakeOverWindow(HWND popup) {
  if (!popup || !IsWindow(popup)) return;
  PopupMenuState* state = nullptr;
  for (auto& entry : states_)
    if (entry.second->Window == popup) state = entry.second.get();
  if (!state || state->Subclassed || state->Background.Empty()) return;
  if (!SetWindowSubclass(popup, PopupProc, kPopupSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return;
  HandleCount::Created(HandleKind::Subclass);
  state->Subclassed = true;
  // Only the rectangle drawn from the skin shows; nothing waits for the
  // popup to repaint itself here (a message pumped from this point could
  // close the menu and free this state under us).
  SetPopupRegion(*state);
}

void TsSkinableMenus::SetPopupRegion(PopupMenuState& state) {
  const int w = state.Background.Width(), h = state.Background.Height();
  HRGN region = CreateRectRgn(0, 0, w, h);
  if (!region) return;
  std::vector<PixelRect> cut = state.Cutouts;
  if (cut.empty()) cut.push_back({0, 0, 1, 1});
  for (const PixelRect& r : cut) {
    RegionHandle piece(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    if (piece) CombineRgn(region, region, piece.Get(), RGN_DIFF);
  }
  // The window owns the region from here on.
  if (!SetWindowRgn(state.Window, region, TRUE)) DeleteObject(region);
}

void TsSkinableMenus::ReleaseWindow(PopupMenuState& state) {
  if (!state.Subclassed) return;
  state.Subclassed = false;
  if (state.Window && IsWindow(state.Window))
    RemoveWindowSubclass(state.Window, PopupProc, kPopupSubclassId);
  HandleCount::Released(HandleKind::Subclass);
}

LRESULT CALLBACK TsSkinableMenus::PopupProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR data) {
  auto* self = reinterpret_cast<TsSkinableMenus*>(data);
  try {
    switch (msg) {
      case WM_ERASEBKGND:
        return 1;  // every pixel comes from the background or an item
      case WM_NCPAINT: {
        RECT wr{};
        GetWindowRect(wnd, &wr);
        for (auto& entry : self->states_) {
          const PopupMenuState& s = *entry.second;
          if (s.Window == wnd && s.Background.Width() == wr.right - wr.left &&
              s.Background.Height() == wr.bottom - wr.top)
            return 0;  // the border strips are the frame
        }
        break;
      }
      case WM_NCDESTROY: {
        for (auto it = self->states_.begin(); it != self->states_.end(); ++it) {
          if (it->second->Window != wnd) continue;
          self->ReleaseWindow(*it->second);
          self->states_.erase(it);
          break;
        }
        RemoveWindowSubclass(wnd, PopupProc, kPopupSubclassId);
        break;
      }
      default:
        break;
    }
  } catch (...) {
    // Nothing may leave a window procedure; the popup paints itself as the
    // platform would.
  }
  return DefSubclassProc(wnd, msg, wp, lp);
}

}  // namespace folvane
