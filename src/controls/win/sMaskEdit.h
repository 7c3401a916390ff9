#pragma once
// TsMaskEdit: the platform masked edit with a frame from the skin. While
// hot (focused or hovered) the platform paints the client area; an idle
// edit shows its whole face, text included, from its cache. The combo
// edits derive from it and reuse its face.

#include "controls/win/sBoundLabel.h"
#include "paint/DisabledLook.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

class TsMaskEdit : public TMaskEdit {
 public:
  explicit TsMaskEdit(TComponent* owner);
  ~TsMaskEdit() override;
  const wchar_t* ClassName() const override { return L"TsMaskEdit"; }

  TsCommonData SkinData;
  TsBoundLabel BoundLabel;
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);

  // Paints the face into the cache (derived edits add to it).
  virtual void RebuildCache();
  virtual int FrameWidth() const;
  // Where the face's text goes, for a text `textHeight` pixels high.
  virtual RECT TextRect(int textHeight) const;

 protected:
  void Loaded() override;
  void WndProc(Message& m) override;
  void Change() override;
  // The steps of WndProc, for edits built on this one: the skin commands
  // answered first, the paints while skinned, the upkeep after the
  // platform has handled a message (`wasHot`: the hot state before it).
  bool HandleSkinCommand(Message& m);
  bool HandleSkinnedPaint(Message& m);
  void AfterPlatform(const Message& m, bool wasHot);
  void PrepareCache();
  void PaintIdle();
  void PrintInto(HDC dc);
  int TextHeight();

 private:
  TsDisabledKind disabledKind_ = dkBlended;
};

}  // namespace folvane
