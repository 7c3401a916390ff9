// The drop-down speed button: its arrow part (or the whole button when it
// has no click of its own) opens its menu just below it, shown pressed while
// the menu is open, and a chosen item runs after the menu has gone.
#include <windows.h>

#include <gtest/gtest.h>

#include "MenuFixture.h"
#include "controls/win/sSpeedButton.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class DropDownButton : public SkinnedMenuTest {
 protected:
  void SetUp() override {
    SkinnedMenuTest::SetUp();
    button = new TsSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(20, 30, 80, 24);
    button->SetCaption(L"Tools");
    button->SetButtonStyle(TToolButtonStyle::tbsDropDown);
    button->Loaded();
    button->DropdownMenu = popup;
    for (const wchar_t* caption : {L"&First", L"&Second"})
      Add(caption)->OnClick = [this](TMenuItem* item) { chosen = item->Caption(); };
    HandMenuToSkinning(*popup);
    Pump(20);
  }
  // Presses the button at x and, while a menu shows, runs `steps`.
  void PressAt(int x, std::vector<std::function<void()>> steps) {
    MenuSteps running(std::move(steps));
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
  }

  TsSpeedButton* button = nullptr;
  std::wstring chosen;
  int clicks = 0;
};

TEST_F(DropDownButton, TheArrowPartOpensTheMenuBelowTheButton) {
  button->OnClick = [this](TControl*) { ++clicks; };
  POINT expected{20, 30 + 24 + 1};
  ClientToScreen(form->Handle(), &expected);
  RECT shown{};
  bool showing = false;
  int state = -1;
  PressAt(80 - 5, {[&] {
    auto popups = PopupWindows();
    ASSERT_EQ(popups.size(), 1u);
    GetWindowRect(popups[0], &shown);
    showing = button->MenuShowing();
    state = button->PaintState();
    PostKey(VK_DOWN);
  },
                   [] { PostKey(VK_DOWN); }, [] { PostKey(VK_RETURN); }});
  EXPECT_EQ(shown.left, expected.x);
  EXPECT_EQ(shown.top, expected.y);
  EXPECT_TRUE(showing);
  EXPECT_LT(state, 2) << "a button with a click of its own stays up";
  EXPECT_EQ(popup->PopupComponent, button);
  EXPECT_EQ(chosen, L"&Second");
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->MenuShowing());

  // The body clicks as any button does.
  PressAt(10, {});
  EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownButton, WithoutAClickTheWholeButtonOpensTheMenuAndShowsPressed) {
  int state = -1;
  PressAt(10, {[&] {
    state = button->PaintState();
    PostKey(VK_ESCAPE);
  }});
  EXPECT_EQ(state, 2);
  EXPECT_EQ(chosen, L"");
  EXPECT_EQ(button->PaintState() == 2, false);
}

TEST_F(DropDownButton, AButtonFreedByTheChosenItemIsNotTouchedAfterwards) {
  popup->Items()->Items(0)->OnClick = [this](TMenuItem*) {
    delete button;
    button = nullptr;
  };
  MenuSteps running({[] { PostKey(VK_DOWN); }, [] { PostKey(VK_RETURN); }});
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  EXPECT_EQ(button, nullptr);
}

TEST_F(DropDownButton, AfterTheMenuTheNextPressGoesWhereThePointerIs) {
  // Pressed through the form as the mouse does: the form holds the press
  // for the button until the menu loop takes the mouse away.
  auto* other = new TsSpeedButton(form);
  other->SetParent(form);
  other->SetBounds(150, 30, 40, 24);
  other->Loaded();
  int otherClicks = 0;
  other->OnClick = [&](TControl*) { ++otherClicks; };
  int menus = 0;
  popup->OnPopup = [&](TPopupMenu*) { ++menus; };
  {
    MenuSteps running({[] { PostKey(VK_ESCAPE); }});
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 35));
  }
  {
    MenuSteps closeAnyMenu({});  // should the press reach the drop-down button again
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(160, 35));
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(160, 35));
  }
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(otherClicks, 1);
}

}  // namespace
