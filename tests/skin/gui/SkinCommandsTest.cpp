// The order in which a broadcast skin command reaches forms and controls,
// recorded by test windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/win/StdCtrls.h"
#include "skin/win/SkinCommands.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

std::vector<std::wstring> g_log;

// Records every skin command; when "skinned" it answers SKC_ISSKINNED.
template <typename Base>
class Recorder : public Base {
 public:
  Recorder(TComponent* owner, TWinControl* parent, const wchar_t* name, bool skinned)
      : Base(owner), skinned_(skinned) {
    this->Name = name;
    this->SetParent(parent);
    this->SetBounds(0, 0, 20, 20);
  }
  void StartDestroying() { this->MarkDestroying(); }

 protected:
  void WndProc(Message& m) override {
    if (m.msg == SM_VANTILECMD) {
      const WORD code = SkinCommandCode(m.wParam);
      if (code == SKC_ISSKINNED) {
        m.result = skinned_ ? 1 : 0;
        return;
      }
      g_log.push_back(this->Name + L":" + std::to_wstring(code));
      // A skinned control passes commands on to its children; a form's
      // children are reached by the broadcast's own walk.
      if constexpr (std::is_base_of_v<TWinControl, Base> && !std::is_base_of_v<TForm, Base>) {
        if (skinned_) SkinChildWalk(this, m);
      }
      return;
    }
    Base::WndProc(m);
  }

 private:
  bool skinned_;
};

class RecordingForm : public Recorder<TForm> {
 public:
  RecordingForm(const wchar_t* name, bool skinned)
      : Recorder<TForm>(Application, nullptr, name, skinned) {
    if (skinned) AddSkinnedForm(this);
  }
  ~RecordingForm() override { RemoveSkinnedForm(this); }
};

using RecordingPanel = Recorder<TPanel>;
using RecordingGraphic = Recorder<TGraphicControl>;

TEST(SkinCommands, BroadcastReachesEveryFormOnceAndWalksIntoUnskinnedPanels) {
  auto* plain = new RecordingForm(L"plain", false);
  auto* panel = new RecordingPanel(plain, plain, L"panel", false);  // not skinned: walked into
  new RecordingPanel(plain, panel, L"inner", true);
  new RecordingGraphic(plain, panel, L"label", false);
  new RecordingGraphic(plain, plain, L"image", false);
  auto* skinnedForm = new RecordingForm(L"skinned", true);
  auto* child = new RecordingPanel(skinnedForm, skinnedForm, L"child", true);
  new RecordingGraphic(skinnedForm, child, L"glyph", false);
  plain->Show();
  skinnedForm->Show();
  Pump();

  g_log.clear();
  BroadcastSkinCommand(SKC_NEWSKIN);
  // Unskinned forms first, through the application's components; then the
  // skinned forms, whose skinned children pass the command on themselves.
  const std::vector<std::wstring> expected = {
      L"plain:1", L"inner:1", L"label:1", L"image:1",  // "panel" gets nothing
      L"skinned:1", L"child:1", L"glyph:1"};
  EXPECT_EQ(g_log, expected);
  delete skinnedForm;
  delete plain;
}

TEST(SkinCommands, ChildWalkStopsAtAChildBeingDestroyed) {
  auto* form = new RecordingForm(L"form", false);
  new RecordingGraphic(form, form, L"first", false);
  auto* dying = new RecordingGraphic(form, form, L"dying", false);
  new RecordingGraphic(form, form, L"last", false);
  dying->StartDestroying();
  g_log.clear();
  Message m{SM_VANTILECMD, SkinCommandWParam(SKC_REFRESH), 0, 0};
  SkinChildWalk(form, m);
  EXPECT_EQ(g_log, std::vector<std::wstring>{L"first:3"});
  delete form;
}

TEST(SkinCommands, CommandsGoOnlyToWindowsOfThisThreadAndFlagsRestore) {
  EXPECT_EQ(SendSkinCommand(GetDesktopWindow(), SKC_ISSKINNED), 0);
  EXPECT_EQ(SendSkinCommand(static_cast<HWND>(nullptr), SKC_ISSKINNED), 0);
  EXPECT_FALSE(SkinLoading);
  try {
    FlagScope loading(SkinLoading);
    EXPECT_TRUE(SkinLoading);
    throw 1;
  } catch (int) {
  }
  EXPECT_FALSE(SkinLoading);
}

// A window of a class we did not write, that gives 0xA100 a meaning of its own.
LRESULT CALLBACK ForeignProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == SM_VANTILECMD) return 0x1234;
  return DefWindowProcW(wnd, msg, wp, lp);
}

TEST(SkinCommands, PointerQueriesReachOnlyWindowsWeMadeOrTookOver) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ForeignProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ForeignTestWindow";
  RegisterClassW(&wc);
  HWND foreign = CreateWindowExW(0, L"ForeignTestWindow", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, wc.hInstance, nullptr);
  ASSERT_NE(foreign, nullptr);
  EXPECT_EQ(SendSkinCommand(foreign, SKC_ISSKINNED), 0x1234);
  EXPECT_EQ(SendSkinQuery(foreign, SKC_GETPROVIDER), 0) << "its answer is no pointer of ours";
  SetPropW(foreign, kSkinnedWindowProp, reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(SendSkinQuery(foreign, SKC_GETPROVIDER), 0x1234) << "taken over by a skinning adapter";
  RemovePropW(foreign, kSkinnedWindowProp);
  DestroyWindow(foreign);
}

TEST(SkinCommands, RemovingASkinnedFormMovesTheLastIntoItsPlace) {
  std::vector<TForm*> saved = SkinnedForms();
  SkinnedForms().clear();
  TForm a(nullptr), b(nullptr), c(nullptr);
  AddSkinnedForm(&a);
  AddSkinnedForm(&b);
  AddSkinnedForm(&c);
  RemoveSkinnedForm(&a);
  EXPECT_EQ(SkinnedForms(), (std::vector<TForm*>{&c, &b}));
  SkinnedForms() = saved;
}

}  // namespace
