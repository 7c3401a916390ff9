// The skinned tree view of the folder dialog gets its skinned frame and
// scroll bars under the internal skin: the screen shows the bar the
// engine paints, also after scrolling, and nothing is left behind.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "forms/win/vtScrollWnd.h"
#include "runtime/win/Form.h"
#include "runtime/win/ImageFile.h"
#include "runtime/win/Resources.h"
#include "shell/win/sTreeView.h"
#include "skin/StoredSkin.h"
#include "skin/win/sSkinManager.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using folvane::testing::Pump;

namespace {

class SkinnedTreeBars : public test::NoHandleLeaks {};

int BarDifferences(TvtScrollWnd& bars) {
  const TBitmap shot = CaptureWindow(bars.Handle());
  const RECT r = bars.BarRect(*bars.VertBar);
  TBitmap painted = bars.BarImage(*bars.VertBar);
  if (painted.Empty()) return -1;
  int differ = 0;
  for (int y = 0; y < painted.Height(); ++y)
    for (int x = 0; x < painted.Width(); ++x)
      differ += (shot.Pixels().GetColor(r.left + x, r.top + y) & 0xFFFFFF) !=
                (painted.Pixels().GetColor(x, y) & 0xFFFFFF);
  return differ;
}

TEST_F(SkinnedTreeBars, TheTreeShowsTheEnginesBarsAndLetsThemGo) {
  auto* manager = new TsSkinManager(nullptr);
  TsStoredSkin ambrel;
  ambrel.Name = u"Ambrel (internal)";
  ambrel.Data = ReadResourceData(L"AMBREL_SKIN");
  manager->SetInternalSkins({ambrel});
  manager->SetSkinName(L"Ambrel (internal)");
  auto* form = new TForm(Application);
  form->SetBounds(40, 40, 300, 260);
  auto* tree = new TsTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 200, 160);
  tree->Loaded();
  form->Show();
  for (int i = 0; i < 50; ++i) {
    std::wstring name = L"Folder " + std::to_wstring(i);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = name.data();
    SendMessageW(tree->Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
  }
  tree->RefreshScrollBars();
  Pump(30);
  TvtScrollWnd* bars = ScrollBarsOf(tree->Handle());
  ASSERT_TRUE(bars);
  EXPECT_TRUE(bars->VertBar->Shown);
  EXPECT_EQ(BarDifferences(*bars), 0);
  SendMessageW(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  Pump(10);
  EXPECT_GT(GetScrollPos(tree->Handle(), SB_VERT), 0);
  EXPECT_EQ(BarDifferences(*bars), 0);
  delete form;
  delete manager;
  Pump();
}

}  // namespace
