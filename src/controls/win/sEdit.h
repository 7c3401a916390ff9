#pragma once
// TsEdit: the platform edit with a frame from the skin. While enabled the
// platform paints the client area in the section's colours (so the caret,
// selection and typing look native); a disabled edit shows its cached face.

#include "controls/win/sBoundLabel.h"
#include "paint/DisabledLook.h"
#include "paint/win/sCommonData.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

class TsEdit : public TEdit {
 public:
  explicit TsEdit(TComponent* owner);
  ~TsEdit() override;
  const wchar_t* ClassName() const override { return L"TsEdit"; }

  TsCommonData SkinData;
  TsBoundLabel BoundLabel;
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);

  // The face of the frame ring and of a disabled client, from the cache.
  void RebuildCache();
  int FrameWidth() const;
  RECT TextRect() const;

 protected:
  void Loaded() override;
  void WndProc(Message& m) override;

 private:
  bool HandleSkinCommand(Message& m);
  bool HandleSkinnedPaint(Message& m);
  void AfterPlatform(const Message& m, bool wasHot);
  void FollowSectionColors();
  void PrepareCache();
  void PrintInto(HDC dc);
  TsDisabledKind disabledKind_ = dkBlended;
};

}  // namespace folvane
