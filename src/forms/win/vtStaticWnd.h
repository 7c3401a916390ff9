#pragma once
// Static windows of dialogs: texts (TvtStaticWnd), icons and bitmaps
// (TvtIconWnd) and link controls (TvtLinkWnd), each drawn over its section
// (transparent in the usual skins) in the section's text colours.

#include "forms/win/vtMainWnd.h"

namespace folvane {

class TBitmap;

class TvtStaticWnd : public TvtMainWnd {
 public:
  TvtStaticWnd(HWND wnd, const std::wstring& section, TsSkinManager* manager = nullptr,
               TsCommonData* skinData = nullptr)
      : TvtMainWnd(wnd, false, section, manager, skinData) {}
  void HandleMessage(Message& m) override;

 protected:
  void PaintImage() override;
  // Slot 5: what the static shows, over the section.
  virtual void DrawContent(TBitmap& image);
  virtual std::wstring ShownText() const { return WindowText; }

 private:
  bool LeftToSystem() const;
  void PaintInto(HDC dc);
};

class TvtIconWnd : public TvtStaticWnd {
 public:
  using TvtStaticWnd::TvtStaticWnd;

 protected:
  void DrawContent(TBitmap& image) override;
};

class TvtLinkWnd : public TvtStaticWnd {
 public:
  using TvtStaticWnd::TvtStaticWnd;

 protected:
  std::wstring ShownText() const override;
};

}  // namespace folvane
