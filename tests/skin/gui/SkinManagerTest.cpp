// The skin manager on live windows: loading the program's own packed skin,
// choosing skins by name, and the order in which a change reaches windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/win/HandleCount.h"
#include "runtime/win/Resources.h"
#include "runtime/win/StdCtrls.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

std::vector<std::wstring> g_log;

TsStoredSkin StoredSkin(const char16_t* name, std::vector<std::uint8_t> data) {
  TsStoredSkin skin;
  skin.Name = name;
  skin.Data = std::move(data);
  return skin;
}

std::vector<std::uint8_t> InternalArchive() { return ReadResourceData(L"AMBREL_SKIN"); }

// A form that records what reaches it. As a "skinned" form it stands in
// for a form with a skin provider: it is in SkinnedForms, answers
// SKC_ISSKINNED and hands out a provider that uses `manager`.
class LoggingForm : public TForm, public SkinProviderLink {
 public:
  LoggingForm(const wchar_t* name, bool skinned) : TForm(Application), skinned_(skinned) {
    Name = name;
    SetBounds(10, 10, 120, 80);
    if (skinned) AddSkinnedForm(this);
  }
  ~LoggingForm() override {
    MarkDestroying();
    RemoveSkinnedForm(this);
  }
  TsSkinManager* manager = nullptr;
  std::function<void()> onCommand;

  TsSkinManager* UsedManager() const override { return manager; }
  void RebuildFrameAndRegion() override { g_log.push_back(Name + L":rebuild"); }

 protected:
  void WndProc(Message& m) override {
    if (m.msg == SM_VANTILECMD) {
      switch (SkinCommandCode(m.wParam)) {
        case SKC_ISSKINNED:
          m.result = skinned_ ? 1 : 0;
          return;
        case SKC_GETPROVIDER:
          m.result = skinned_ ? reinterpret_cast<LRESULT>(static_cast<SkinProviderLink*>(this)) : 0;
          return;
        default:
          g_log.push_back(Name + L":" + std::to_wstring(SkinCommandCode(m.wParam)));
          if (onCommand) onCommand();
          return;
      }
    }
    if (m.msg == WM_SETREDRAW) g_log.push_back(Name + L":redraw" + std::to_wstring(m.wParam));
    TForm::WndProc(m);
  }

 private:
  bool skinned_;
};

// A control with a skin state of its own.
class LoggingPanel : public TPanel {
 public:
  LoggingPanel(TWinControl* parent, const wchar_t* name, bool skinned)
      : TPanel(parent), skinned_(skinned) {
    Name = name;
    SetParent(parent);
    SetBounds(0, 0, 30, 30);
  }

 protected:
  void WndProc(Message& m) override {
    if (m.msg == SM_VANTILECMD) {
      const WORD code = SkinCommandCode(m.wParam);
      if (code == SKC_ISSKINNED) {
        m.result = skinned_ ? 1 : 0;
        return;
      }
      g_log.push_back(Name + L":" + std::to_wstring(code));
      if (skinned_) SkinChildWalk(this, m);
      return;
    }
    TPanel::WndProc(m);
  }

 private:
  bool skinned_;
};

// A manager read as the main form reads its own: inside the form's loading
// state, internal skins first, then the skin directory and the name.
TsSkinManager* ReadManager(TForm* form, const TsStoredSkins& skins, const std::wstring& name) {
  form->BeginLoading();
  auto* manager = new TsSkinManager(form);
  manager->SetInternalSkins(skins);
  manager->SetSkinDirectory(L"c:\\Folvane-no-such-folder");
  manager->SetSkinName(name);
  form->EndLoading();
  return manager;
}

class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
  void TearDown() override {
    EXPECT_FALSE(SkinLoading);
    EXPECT_FALSE(SkinAnnouncing);
    EXPECT_FALSE(SkinRemoving);
    EXPECT_FALSE(FormAnimating);
  }
};

TEST_F(SkinManagerTest, StartUpLoadsTheStoredArchiveAndAnnouncesOnlyTheNewSkin) {
  const auto archive = InternalArchive();
  ASSERT_GT(archive.size(), 1000u);

  auto* form = new LoggingForm(L"main", true);
  form->Show();
  g_log.clear();
  form->BeginLoading();
  auto* manager = new TsSkinManager(form);
  form->manager = manager;
  manager->SetInternalSkins({StoredSkin(u"Ambrel (internal)", archive)});
  manager->SetSkinDirectory(L"c:\\Folvane-no-such-folder");
  manager->SetSkinName(L"Ambrel (internal)");
  EXPECT_TRUE(g_log.empty()) << "nothing is announced while the form is read";
  form->EndLoading();

  EXPECT_EQ(g_log, (std::vector<std::wstring>{L"main:1"}));
  EXPECT_EQ(manager->SkinName(), L"Ambrel (internal)");
  EXPECT_TRUE(manager->IsDefault());
  EXPECT_EQ(TsSkinManager::PrimaryManager(), manager);
  EXPECT_TRUE(manager->Packed());
  EXPECT_TRUE(manager->SkinActive());
  EXPECT_EQ(manager->SkinInfo(), L"5.6");
  EXPECT_GE(manager->Model().FindSection("FORM"), 0);
  EXPECT_EQ(manager->Model().Sections().size(), 64u);
  delete form;
  EXPECT_EQ(TsSkinManager::PrimaryManager(), nullptr);
}

TEST_F(SkinManagerTest, DefaultsAndThirdPartyListsInIndexOrder) {
  auto* form = new LoggingForm(L"f", false);
  {
    TsSkinManager fresh(nullptr);
    EXPECT_TRUE(fresh.Active());
    EXPECT_TRUE(fresh.SkinnedPopups());
    EXPECT_EQ(fresh.SkinDirectory(), L"c:\\Skins");
  }
  auto* manager = ReadManager(form, {}, L"");
  EXPECT_EQ(manager->SkinDirectory(), L"c:\\Folvane-no-such-folder");
  EXPECT_EQ(manager->SkinningRules, 7u);
  EXPECT_EQ(std::wstring(TsSkinManager::Version()), L"5.65");
  EXPECT_EQ(manager->AnimEffects().SkinChanging.Time, 100);
  EXPECT_EQ(manager->AnimEffects().DialogShow.Time, 100);
  EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "ICOLINE");
  EXPECT_EQ(manager->ButtonEvents(), 15u);
  manager->SetButtonEvents(beMouseEnter | beMouseLeave);
  EXPECT_EQ(DefaultButtonEvents(), 3u) << "the default manager's set is the process-wide one";
  const std::vector<std::wstring> edits{L"TEdit",     L"TMemo",         L"TMaskEdit",
                                        L"TLabeledEdit", L"THotKey",   L"TListBox",
                                        L"TCheckListBox", L"TRichEdit", L"TDateTimePicker"};
  EXPECT_EQ(manager->ThirdPartyClasses(tpEdit), edits);
  EXPECT_EQ(manager->ThirdPartyClasses(tpStatusBar), std::vector<std::wstring>{L"TStatusBar"});
  EXPECT_TRUE(manager->ThirdPartyClasses(tpGridEh).empty()) << "a single blank is an empty list";
  EXPECT_EQ(std::wstring(ThirdPartyShortName(tpVirtualTree)), L"VirtualTree");
  EXPECT_EQ(std::wstring(ThirdPartyPropertyName(tpCheckBox)), L"ThirdCheckBoxes");
  // Without any skin at all the manager switches itself off.
  EXPECT_FALSE(manager->Active());
  EXPECT_EQ(manager->SkinInfo(), L"N/A");
  delete form;
}

TEST_F(SkinManagerTest, UnknownNameFallsBackToTheFirstInternalSkinAndTakesItsName) {
  auto* form = new LoggingForm(L"f", false);
  auto* manager = ReadManager(form, {StoredSkin(u"Ambrel (internal)", InternalArchive())},
                              L"Ambrel (internal)");
  int before = 0, after = 0;
  manager->OnBeforeChange = [&](TsSkinManager*) { ++before; };
  manager->OnAfterChange = [&](TsSkinManager*) {
    ++after;
    EXPECT_TRUE(SkinLoading == false);
  };
  manager->SetSkinName(L"Nothing of that name");
  EXPECT_EQ(manager->SkinName(), L"Ambrel (internal)");
  EXPECT_TRUE(manager->SkinActive());
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  // Recolouring reloads without events.
  manager->SetHueOffset(40);
  manager->SetSaturation(-30);
  EXPECT_EQ(before, 1);
  EXPECT_TRUE(manager->SkinActive());
  delete form;
}

TEST_F(SkinManagerTest, APackedFileInTheSkinDirectoryComesBeforeTheInternalSkin) {
  TempFolder folder;
  const auto archive = InternalArchive();
  {
    HANDLE file = CreateFileW(folder.File(L"Blue.vsz").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, archive.data(), static_cast<DWORD>(archive.size()), &written, nullptr);
    CloseHandle(file);
  }
  auto* form = new LoggingForm(L"f", false);
  auto* manager = ReadManager(form, {StoredSkin(u"Ambrel (internal)", {})}, L"Ambrel (internal)");
  EXPECT_TRUE(manager->SkinActive());
  EXPECT_FALSE(manager->Packed()) << "an internal skin without Data is read from its collections";
  manager->SetSkinDirectory(folder.Path());
  manager->SetSkinName(L"Blue");
  EXPECT_EQ(manager->SkinName(), L"Blue");
  EXPECT_TRUE(manager->Packed());
  EXPECT_EQ(manager->SkinInfo(), L"5.6");
  EXPECT_EQ(manager->Model().SkinData().SkinPath,
            std::u16string(folder.Path().begin(), folder.Path().end()) + u"\\");
  delete form;
}

TEST_F(SkinManagerTest, IsDefaultCannotBeSwitchedOffOnTheOnlyManagerAndInactiveSaysNA) {
  auto* form = new LoggingForm(L"f", false);
  auto* manager = ReadManager(form, {StoredSkin(u"Ambrel (internal)", InternalArchive())},
                              L"Ambrel (internal)");
  manager->SetIsDefault(false);
  EXPECT_TRUE(manager->IsDefault());

  g_log.clear();
  manager->SetActive(false);
  EXPECT_EQ(g_log, (std::vector<std::wstring>{L"f:2"}));
  EXPECT_EQ(manager->SkinInfo(), L"N/A");
  EXPECT_EQ(manager->Model().FindSection("FORM"), -1);
  EXPECT_EQ(manager->Model().CachedIndexes().GlobalInfo, -1);
  manager->SetActive(true);
  EXPECT_EQ(manager->SkinInfo(), L"5.6");
  EXPECT_GE(manager->Model().CachedIndexes().GlobalInfo, 0);
  delete form;
}

TEST_F(SkinManagerTest, ChangeOrderWithRedrawOffAndOnAndWalkIntoUnskinnedPanels) {
  auto* skinned = new LoggingForm(L"skinned", true);
  auto* manager = ReadManager(skinned, {StoredSkin(u"Ambrel (internal)", InternalArchive()),
                                        StoredSkin(u"Second", InternalArchive())},
                              L"Ambrel (internal)");
  skinned->manager = manager;
  manager->AnimEffects().SkinChanging.Active = false;
  auto* plain = new LoggingForm(L"plain", false);
  auto* panel = new LoggingPanel(plain, L"panel", false);
  new LoggingPanel(panel, L"inner", true);
  skinned->Show();
  plain->Show();
  Pump();
  g_log.clear();

  manager->SetSkinName(L"Second");
  const std::vector<std::wstring> expected{
      // before-change, the announcement of the new skin
      L"skinned:redraw0", L"plain:1", L"inner:1", L"skinned:1",
      // the refresh: animations stopped, redraw off, refresh, redraw on
      L"plain:16", L"inner:16", L"skinned:16", L"skinned:redraw0", L"plain:3", L"inner:3",
      L"skinned:3", L"skinned:redraw1", L"skinned:rebuild"};
  EXPECT_EQ(g_log, expected);

  g_log.clear();
  manager->SetActive(false);
  EXPECT_EQ(g_log, (std::vector<std::wstring>{L"plain:2", L"inner:2", L"skinned:2"}));
  delete plain;
  delete skinned;
}

TEST_F(SkinManagerTest, AFormClosedDuringTheChangeDoesNotStopTheBroadcast) {
  auto* first = new LoggingForm(L"first", true);
  auto* manager = ReadManager(first, {StoredSkin(u"Ambrel (internal)", InternalArchive())},
                              L"Ambrel (internal)");
  first->manager = manager;
  auto* doomed = new LoggingForm(L"doomed", true);
  auto* last = new LoggingForm(L"last", true);
  last->manager = manager;
  for (auto* f : {first, doomed, last}) f->Show();
  // The first form closes another one while it handles the new skin.
  first->onCommand = [&] {
    first->onCommand = nullptr;
    delete doomed;
  };
  g_log.clear();
  manager->SetSkinName(L"Ambrel (internal)");
  int lastRefreshed = 0;
  for (const auto& entry : g_log) lastRefreshed += entry == L"last:3";
  EXPECT_EQ(lastRefreshed, 1);
  delete last;
  delete first;
}

TEST_F(SkinManagerTest, DamagedArchiveWarnsAndKeepsThePreviousSkin) {
  auto* form = new LoggingForm(L"f", false);
  std::vector<std::uint8_t> damaged = InternalArchive();
  damaged[0] ^= 0xFF;
  auto* manager = ReadManager(form, {StoredSkin(u"Ambrel (internal)", InternalArchive()),
                                     StoredSkin(u"Damaged", damaged)},
                              L"Ambrel (internal)");
  const int formSection = manager->Model().FindSection("FORM");
  g_log.clear();
  {
    ModalWatcher watcher;
    manager->SetSkinName(L"Damaged");
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"Warning");
    EXPECT_EQ(watcher.Seen()[0].text, L"Loaded data is not packed VantileSkin file");
  }
  EXPECT_EQ(manager->SkinName(), L"Damaged") << "the requested name is kept";
  EXPECT_TRUE(manager->SkinActive());
  EXPECT_EQ(manager->Model().FindSection("FORM"), formSection);
  EXPECT_TRUE(g_log.empty()) << "nothing changed on screen, nothing is announced";
  EXPECT_EQ(manager->InternalSkins()[1].Data, damaged);
  delete form;
}

TEST_F(SkinManagerTest, HotWindowIsTold29And30AndForgetsDestroyedWindows) {
  auto* form = new LoggingForm(L"f", false);
  auto* manager = ReadManager(form, {}, L"");
  auto* a = new LoggingPanel(form, L"a", true);
  auto* b = new LoggingPanel(form, L"b", true);
  form->Show();
  g_log.clear();
  manager->SetHotWindow(a->Handle());
  manager->SetHotWindow(b->Handle());
  EXPECT_EQ(g_log, (std::vector<std::wstring>{L"a:29", L"a:30", L"b:29"}));
  delete b;
  EXPECT_EQ(manager->HotWindow(), nullptr);
  delete form;
}

TEST_F(SkinManagerTest, ChangingSkinsBackAndForthLeavesNoHandleBehind) {
  auto* form = new LoggingForm(L"f", true);
  auto* manager = ReadManager(form, {StoredSkin(u"Ambrel (internal)", InternalArchive()),
                                     StoredSkin(u"Second", InternalArchive())},
                              L"Ambrel (internal)");
  form->manager = manager;
  new LoggingPanel(form, L"p", true);
  form->Show();
  manager->SetSkinName(L"Second");
  Pump();
  const auto before = HandleCount::Take();
  for (int i = 0; i < 40; ++i) {
    manager->SetSkinName(i % 2 ? L"Second" : L"Ambrel (internal)");
    if (i % 10 == 0) {
      manager->SetActive(false);
      manager->SetActive(true);
    }
  }
  Pump();
  EXPECT_EQ(HandleCount::Take(), before);
  delete form;
}

}  // namespace
