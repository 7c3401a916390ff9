#pragma once
// Container windows: runtime panels (TvtPanelWnd, section by their bevels),
// panels inside dialogs (TvtDlgPanelWnd) and nested dialog panes
// (TvtTransPanelWnd). A container paints its client from its image and
// then its graphic children, its border strips on WM_NCPAINT.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TBitmap;

// What the container adapters share (not a kind of its own).
class TvtContainerWnd : public TvtMainWnd {
 public:
  using TvtMainWnd::TvtMainWnd;
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;
  void PaintClient(HDC dc);
  void PaintBorder();
};

class TvtPanelWnd : public TvtContainerWnd {
 public:
  TvtPanelWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
              TsCommonData* skinData = nullptr)
      : TvtContainerWnd(wnd, false, section, manager, skinData) {}

 protected:
  void OnAttach() override;
};

class TvtDlgPanelWnd : public TvtContainerWnd {
 public:
  TvtDlgPanelWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
                 TsCommonData* skinData = nullptr)
      : TvtContainerWnd(wnd, false, section, manager, skinData) {}

 protected:
  void OnAttach() override;
  void OnDetach() override;

 private:
  TColor savedColor_ = 0;
  bool colorTaken_ = false;
};

class TvtTransPanelWnd : public TvtMainWnd {
 public:
  TvtTransPanelWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
                   TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;
};

}  // namespace folvane
