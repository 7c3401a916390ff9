// The About box: its layout, the link's hover look and both ways of
// opening the maker's page (through the replaceable opener, never a browser).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/About.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    box = new TAboutBox(Application);
    box->OpenLink = [this](const std::wstring& address) { opened.push_back(address); };
    box->Show();
    Pump(50);
  }
  void TearDown() override { delete box; }
  HWND Panel() const { return box->Panel1->Handle(); }

  TAboutBox* box = nullptr;
  std::vector<std::wstring> opened;
};

TEST_F(AboutBox, LayoutAndDialogFrame) {
  EXPECT_EQ(box->Caption(), L"About Folvane 1.0");
  RECT client;
  GetClientRect(box->Handle(), &client);
  EXPECT_EQ(client.right, 298);
  EXPECT_EQ(client.bottom, 253);
  const LONG style = GetWindowLongW(box->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(box->sBitBtn1->Caption(), L"OK");
  EXPECT_TRUE(box->sBitBtn1->Default);
  EXPECT_EQ(box->sBitBtn1->NumGlyphs(), 2);
  EXPECT_EQ(box->Image1->Bitmap().Width(), 147);
  EXPECT_EQ(box->Comments->Hint, box->Image1->Hint);
  EXPECT_FALSE(box->Comments->Hint.empty());
}

TEST_F(AboutBox, LinkTurnsBlueWithHandAndBlackAgainWhenLeft) {
  EXPECT_EQ(box->Comments->Font().Color(), clWindowText);
  MouseMoveAt(Panel(), 80, 70);
  EXPECT_EQ(box->Comments->Font().Color(), clBlue);
  EXPECT_EQ(box->Comments->Cursor(), crHandPoint);
  MouseMoveAt(Panel(), 10, 150);
  // Black, not the window-text colour it started with.
  EXPECT_EQ(box->Comments->Font().Color(), clBlack);
  EXPECT_EQ(box->Comments->Cursor(), crDefault);

  MouseMoveAt(Panel(), 100, 120);
  EXPECT_EQ(box->Image1->Cursor(), crHandPoint);
  MouseMoveAt(Panel(), 10, 150);
  EXPECT_EQ(box->Image1->Cursor(), crDefault);
}

TEST_F(AboutBox, TextAndPictureOpenTheSameAddressAndTheBoxStays) {
  ClickAt(Panel(), 80, 70);
  ClickAt(Panel(), 100, 120);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], TAboutBox::kWebAddress);
  EXPECT_EQ(opened[1], TAboutBox::kWebAddress);
  EXPECT_TRUE(IsWindowVisible(box->Handle()));
}

}  // namespace
