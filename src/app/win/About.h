#pragma once
// The About box: program name, version, and a link to the maker's page as
// text and as a picture.

#include <functional>
#include <string>

#include "controls/win/sBitBtn.h"
#include "controls/win/sLabel.h"
#include "controls/win/sLabelFX.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/StdCtrls.h"

namespace folvane {

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(TComponent* owner);
  const wchar_t* ClassName() const override { return L"TAboutBox"; }

  TPanel* Panel1;
  TsLabelFX* sLabelFX1;
  TLabel* MakerLabel;
  TsLabel* sLabel1;
  TLabel* Comments;
  TImage* Image1;
  TsBitBtn* sBitBtn1;

  // Opens an address with the shell's "Open"; tests put their own here.
  std::function<void(const std::wstring&)> OpenLink;

  static const wchar_t kWebAddress[];
  static const wchar_t kWebSiteName[];

 private:
  void CommentsClick(TControl* sender);
  void Image1Click(TControl* sender);
};

}  // namespace folvane
