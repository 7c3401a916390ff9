// The control adapter on a form of runtime controls: which controls get
// items, sections and window adapters, what the form's choices change,
// labels, controls that come later or go, and what is given back.
#include <windows.h>

#include <gtest/gtest.h>

#include "forms/gui/AdapterTestSkin.h"
#include "forms/win/vtAdapterFactory.h"
#include "forms/win/vtCtrlAdapter.h"
#include "forms/win/vtFormFollower.h"
#include "forms/win/vtEditWnd.h"
#include "forms/win/vtPanelWnd.h"
#include "forms/win/vtStatusBarWnd.h"
#include "forms/win/vtBtnWnd.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

// An edit that skins itself: it answers that it is skinned.
class SelfSkinnedEdit : public TEdit {
 public:
  using TEdit::TEdit;

 protected:
  void WndProc(Message& m) override {
    if (IsSkinCommand(m, SKC_ISSKINNED)) {
      m.result = 1;
      return;
    }
    TEdit::WndProc(m);
  }
};

template <typename T>
T* Place(TForm* form, TWinControl* parent, const wchar_t* name, RECT r) {
  auto* c = new T(form);
  c->Name = name;
  c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  c->SetParent(parent);
  return c;
}

class ControlAdapter : public test::NoHandleLeaks {
 protected:
  void SetUp() override {
    NoHandleLeaks::SetUp();
    manager_ = std::make_unique<AdapterSkinManager>();
    form_ = ShownTestForm();
    edit_ = Place<TEdit>(form_, form_, L"Edit1", {10, 10, 150, 31});
    about_ = Place<TPanel>(form_, form_, L"AboutPanel", {10, 40, 200, 140});
    about_->BevelOuter = TBevelCut::bvLowered;
    about_->BevelInner = TBevelCut::bvRaised;
    label_ = Place<TLabel>(form_, about_, L"Label1", {10, 10, 90, 25});
    label_->SetCaption(L"On the panel");
    inner_ = Place<TEdit>(form_, about_, L"Edit2", {10, 40, 150, 61});
    plain_ = Place<TPanel>(form_, form_, L"PlainPanel", {210, 40, 300, 140});
    plain_->BevelOuter = TBevelCut::bvNone;
    button_ = Place<TBitBtn>(form_, form_, L"BitBtn1", {210, 10, 290, 35});
    button_->SetCaption(L"OK");
    bar_ = Place<TStatusBar>(form_, form_, L"StatusBar1", {0, 260, 440, 280});
    bar_->SetSimpleText(L"Ready");
    never_ = Place<TEdit>(form_, form_, L"NeverSkinned", {310, 10, 440, 31});
    never_->Tag = -98;
    hidden_ = Place<TPanel>(form_, form_, L"NeverPanel", {310, 40, 440, 140});
    hidden_->Tag = -98;
    nested_ = Place<TEdit>(form_, hidden_, L"Edit3", {10, 10, 120, 31});
    skinned_ = Place<SelfSkinnedEdit>(form_, form_, L"SkinnedEdit", {10, 150, 150, 171});
    form_->HandleNeeded();
    Pump(50);
  }
  void TearDown() override {
    adapter_.reset();
    delete form_;
    manager_.reset();
    Pump();
    NoHandleLeaks::TearDown();
  }

  TvtCtrlAdapter& Adapter() {
    if (!adapter_) adapter_ = std::make_unique<TvtCtrlAdapter>(form_);
    return *adapter_;
  }
  TvtAdapterItem* Item(TComponent* c) { return Adapter().ItemOf(c); }

  std::unique_ptr<AdapterSkinManager> manager_;
  std::unique_ptr<TvtCtrlAdapter> adapter_;
  TForm* form_ = nullptr;
  TEdit *edit_, *inner_, *never_, *nested_, *skinned_;
  TPanel *about_, *plain_, *hidden_;
  TLabel* label_;
  TBitBtn* button_;
  TStatusBar* bar_;
};

TEST_F(ControlAdapter, TheWalkAdaptsListedControlsWithTheirSectionsAndAdapters) {
  Adapter().AdaptAll();
  const struct {
    TComponent* control;
    const wchar_t* section;
    bool (*isKind)(TvtMainWnd*);
  } expected[] = {
      {edit_, L"EDIT", [](TvtMainWnd* a) { return dynamic_cast<TvtEditWnd*>(a) != nullptr; }},
      {inner_, L"EDIT", [](TvtMainWnd* a) { return dynamic_cast<TvtEditWnd*>(a) != nullptr; }},
      {nested_, L"EDIT", [](TvtMainWnd* a) { return dynamic_cast<TvtEditWnd*>(a) != nullptr; }},
      {about_, L"GROUPBOX", [](TvtMainWnd* a) { return dynamic_cast<TvtPanelWnd*>(a) != nullptr; }},
      {plain_, L"CHECKBOX", [](TvtMainWnd* a) { return dynamic_cast<TvtPanelWnd*>(a) != nullptr; }},
      {button_, L"BUTTON", [](TvtMainWnd* a) { return dynamic_cast<TvtBitBtnWnd*>(a) != nullptr; }},
      {bar_, L"STATUSBAR",
       [](TvtMainWnd* a) { return dynamic_cast<TvtStatusBarWnd*>(a) != nullptr; }},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.control->Name);
    TvtAdapterItem* item = Item(e.control);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->SkinData->SkinSection(), e.section);
    EXPECT_EQ(item->SkinData->ControlKind, kAdaptedControlKind);
    EXPECT_TRUE(e.isKind(item->WndAdapter.get()));
    EXPECT_TRUE(IsSkinned(static_cast<TWinControl*>(e.control)->Handle()));
  }
  // -98 controls and controls that skin themselves are left alone; the
  // children of a -98 panel are still walked.
  EXPECT_EQ(Item(never_), nullptr);
  EXPECT_EQ(Item(hidden_), nullptr);
  EXPECT_EQ(Item(skinned_), nullptr);
  EXPECT_EQ(Adapter().Count(), 7);
  // A blank list (ThirdWWEdits) names no class; lists are searched in
  // index order.
  EXPECT_EQ(Adapter().ListIndexOf(L" "), -1);
  EXPECT_EQ(Adapter().ListIndexOf(L""), -1);
  EXPECT_EQ(Adapter().ListIndexOf(L"TStatusBar"), tpStatusBar);
  EXPECT_EQ(Adapter().ListIndexOf(L"tedit"), -1);
  EXPECT_TRUE(label_->Transparent);
  EXPECT_EQ(label_->Font().Color(), kGlobalText);
}

TEST_F(ControlAdapter, TheFormDecidesSectionsAndWhatIsAdapted) {
  Adapter().OnSkinItem = [this](TComponent* c, bool& canBeAdded, std::wstring& section) {
    if (c == edit_ || c == button_) section = L"COMBOBOX";
    if (c == inner_ || c == label_) canBeAdded = false;
  };
  Adapter().AdaptAll();
  EXPECT_EQ(Item(edit_)->SkinData->SkinSection(), L"COMBOBOX");
  EXPECT_EQ(Item(button_)->SkinData->SkinSection(), L"BUTTON");  // a fixed section wins
  EXPECT_EQ(Item(inner_), nullptr);
  EXPECT_EQ(label_->Font().Color(), clWindowText);
}

TEST_F(ControlAdapter, NothingIsAdaptedWithoutTheThirdPartyRule) {
  (*manager_)->SkinningRules = srStdForms | srStdDialogs;
  Adapter().AdaptAll();
  EXPECT_EQ(Adapter().Count(), 0);
  EXPECT_EQ(label_->Font().Color(), clWindowText);
  EXPECT_FALSE(IsSkinned(edit_->Handle()));
}

TEST_F(ControlAdapter, ControlsComeLaterAndGoAndAreCountedOnce) {
  Adapter().AdaptAll();
  Adapter().Add(edit_);
  Adapter().AdaptAll();
  EXPECT_EQ(Adapter().Count(), 7);

  auto* later = Place<TEdit>(form_, form_, L"Later", {10, 180, 150, 201});
  later->HandleNeeded();
  Adapter().Add(later);
  ASSERT_NE(Item(later), nullptr);
  EXPECT_EQ(Item(later)->SkinData->SkinSection(), L"EDIT");
  EXPECT_EQ(Adapter().Count(), 8);

  delete later;
  EXPECT_TRUE(Adapter().GetItem(7)->WndAdapter->Released());
  Adapter().AdaptAll();  // the walk drops the dead first
  EXPECT_EQ(Adapter().Count(), 7);
  EXPECT_EQ(Adapter().GetItem(7), nullptr);
  EXPECT_EQ(Adapter().GetItem(-1), nullptr);

  Adapter().RemoveItem(0);
  EXPECT_EQ(Adapter().Count(), 6);
  EXPECT_FALSE(IsSkinned(edit_->Handle()));
}

TEST_F(ControlAdapter, FreeingTheAdapterGivesEveryControlItsProcedureBack) {
  Adapter().AdaptAll();
  const HWND edit = edit_->Handle();
  adapter_.reset();
  EXPECT_FALSE(IsSkinned(edit));
  EXPECT_FALSE(IsSkinned(bar_->Handle()));
  // The controls still work as before.
  edit_->SetText(L"still an edit");
  EXPECT_EQ(edit_->Text(), L"still an edit");
}

TEST_F(ControlAdapter, AdaptedControlsPaintFromTheirImages) {
  Adapter().AdaptAll();
  RedrawWindow(form_->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(100);
  for (TWinControl* c : {static_cast<TWinControl*>(bar_), static_cast<TWinControl*>(button_),
                         static_cast<TWinControl*>(plain_)}) {
    SCOPED_TRACE(c->Name);
    TBitmap* image = Item(c)->SkinData->CacheBitmap();
    ASSERT_TRUE(image && !image->Empty());
    EXPECT_EQ(DifferentPixels(CaptureWindow(c->Handle()).Pixels(), image->Pixels()), 0);
  }
  const PixelBuffer& bar = Item(bar_)->SkinData->CacheBitmap()->Pixels();
  EXPECT_EQ(bar.GetColor(300, 3) & 0xFFFFFF, kStatusBar);
  int textPixels = 0;  // "Ready" in the section's font colour (black)
  for (int y = 0; y < bar.Height(); ++y)
    for (int x = 0; x < 40; ++x) textPixels += (bar.GetColor(x, y) & 0xFFFFFF) == 0;
  EXPECT_GT(textPixels, 10);
  // The edit's client is in the section's colours.
  const TBitmap edit = CaptureWindow(edit_->Handle());
  EXPECT_EQ(edit.Pixels().GetColor(edit.Width() - 6, edit.Height() / 2) & 0xFFFFFF, kEdit);
}

}  // namespace

namespace {

// A runtime panel met inside a dialog (by its window class "TPanel").
TEST_F(ControlAdapter, APanelInsideADialogTakesTheSkinColourWhileAdapted) {
  const TColor own = plain_->Color();
  AdapterPtr adapter = AdaptRawWindow(plain_->Handle());
  ASSERT_NE(dynamic_cast<TvtDlgPanelWnd*>(adapter.get()), nullptr);
  EXPECT_EQ(adapter->SkinData()->SkinSection(), L"CHECKBOX");
  EXPECT_EQ(plain_->Color(), kGlobal);
  EXPECT_TRUE(IsSkinned(plain_->Handle()));
  adapter.reset();
  EXPECT_EQ(plain_->Color(), own);
  EXPECT_FALSE(IsSkinned(plain_->Handle()));
  // Any other panel window is framed as a group.
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TSilentPaintPanel";
  RegisterClassW(&wc);
  HWND silent = RawChild(form_->Handle(), L"TSilentPaintPanel", L"", 0, 5, 200, 80, 40);
  adapter = AdaptRawWindow(silent);
  ASSERT_NE(dynamic_cast<TvtDlgPanelWnd*>(adapter.get()), nullptr);
  EXPECT_EQ(adapter->SkinData()->SkinSection(), L"GROUPBOX");
  adapter.reset();
  DestroyWindow(silent);
  UnregisterClassW(L"TSilentPaintPanel", GetModuleHandleW(nullptr));
}

}  // namespace

namespace {

// A form without a skin provider, followed: controls that come later are
// adapted when their windows are made, on the form or on an adapted panel.
TEST_F(ControlAdapter, AFollowedFormAdaptsControlsThatComeLater) {
  auto* follower = new TvtFormFollower(form_);
  EXPECT_EQ(follower->Adapter().Count(), 7);
  EXPECT_TRUE(IsSkinned(edit_->Handle()));

  auto* later = Place<TEdit>(form_, form_, L"Later", {10, 180, 150, 201});
  later->HandleNeeded();
  EXPECT_TRUE(IsSkinned(later->Handle()));
  auto* onPanel = Place<TEdit>(form_, about_, L"OnPanel", {10, 65, 150, 86});
  onPanel->HandleNeeded();
  EXPECT_TRUE(IsSkinned(onPanel->Handle()));
  EXPECT_EQ(follower->Adapter().Count(), 9);

  // The form goes with its follower still on it.
  delete form_;
  form_ = nullptr;
}

}  // namespace
