#pragma once
// The list-like adapters: tree views and list views take the section's
// colours through their own colour messages (they ask nobody), list views
// get their column header painted from "COLHEADER", combo boxes get their
// frame and drop-down button from the skin and skinned bars on their
// drop-down list. The colours a window had are given back when its
// adapter lets go.

#include <windows.h>

#include <commctrl.h>

#include "forms/win/vtEditWnd.h"

namespace folvane {

class TvtTreeViewWnd : public TvtEditWnd {
 public:
  using TvtEditWnd::TvtEditWnd;

 protected:
  void OnAttach() override;
  void OnDetach() override;

 private:
  COLORREF savedBack_ = CLR_NONE, savedText_ = CLR_NONE;
  bool saved_ = false;
};

class TvtHeaderWnd;

class TvtListViewWnd : public TvtEditWnd {
 public:
  using TvtEditWnd::TvtEditWnd;
  ~TvtListViewWnd() override;
  void HandleMessage(Message& m) override;

 protected:
  void OnAttach() override;
  void OnDetach() override;
  // The list view ignores a position set before a thumb message: it is
  // scrolled by the difference instead.
  void SendScroll(TvtScrollBar& bar, int code, int pos) override;

 private:
  void AdaptHeader();
  COLORREF savedBack_ = CLR_NONE, savedText_ = CLR_NONE, savedTextBack_ = CLR_NONE;
  bool saved_ = false;
  AdapterPtr header_;
};

// The column header of a list view: each column a "COLHEADER" face with
// its text, the sort arrow a glyph of the scroll buttons.
class TvtHeaderWnd : public TvtMainWnd {
 public:
  TvtHeaderWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
               TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;

 private:
  void Paint(HDC given);
};

// The drop-down list of an adapted combo box.
class TvtComboListWnd : public TvtEditWnd {
 public:
  using TvtEditWnd::TvtEditWnd;
};

class TvtComboBoxWnd : public TvtEditWnd {
 public:
  using TvtEditWnd::TvtEditWnd;
  ~TvtComboBoxWnd() override;
  void HandleMessage(Message& m) override;
  TvtMainWnd* DropList() const { return list_.get(); }

 protected:
  void OnAttach() override;
  void OnDetach() override;
  void PaintImage() override;

 private:
  void PaintOver(HDC given);
  AdapterPtr list_;
};

}  // namespace folvane
