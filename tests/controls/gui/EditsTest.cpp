// The skinned edits on a real form with the internal skin: what the screen
// shows of their frames (and of the faces they paint themselves) is their
// cache; a focused edit types, selects and shows its caret like a plain one.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/gui/ControlSkins.h"
#include "controls/win/sEdit.h"
#include "controls/win/sEditFace.h"
#include "controls/win/sMaskEdit.h"
#include "paint/PaintColor.h"
#include "runtime/win/ImageFile.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

template <typename Edit>
Edit* PlaceEdit(TForm* form, int top, const std::wstring& text) {
  auto* edit = new Edit(form);
  edit->SetParent(form);
  edit->SetBounds(10, top, 200, 21);
  edit->SetText(text);
  edit->SkinData.SetSkinSection(L"EDIT");
  edit->SkinData.Loaded();
  return edit;
}

// Pixels of `shot` (the form's window) under `control`, compared with its
// cache: the frame ring of width `ring`, and with `client` the client too.
int Mismatches(TBitmap& shot, HWND form, TWinControl& control, TsCommonData& data, int ring,
               bool client) {
  RECT r;
  GetWindowRect(control.Handle(), &r);
  RECT f;
  GetWindowRect(form, &f);
  TBitmap* cache = data.CacheBitmap();
  if (!cache || cache->Empty()) return -1;
  int wrong = 0;
  for (int y = 0; y < cache->Height(); ++y) {
    for (int x = 0; x < cache->Width(); ++x) {
      const bool inRing = x < ring || y < ring || x >= cache->Width() - ring ||
                          y >= cache->Height() - ring;
      if (!inRing && !client) continue;
      if (shot.Pixels().GetColor(r.left - f.left + x, r.top - f.top + y) !=
          cache->Pixels().GetColor(x, y))
        ++wrong;
    }
  }
  return wrong;
}

class Edits : public folvane::test::NoHandleLeaks {
 protected:
  void SetUp() override {
    NoHandleLeaks::SetUp();
    manager = new OwnSkinManager(InternalSkin());
    form = new TForm(Application);
    form->BorderStyle = TFormBorderStyle::bsSingle;
    form->SetBounds(100, 100, 260, 200);
    form->SetColor(0xC0C0C0);
    edit = PlaceEdit<TsEdit>(form, 10, L"plain edit");
    mask = PlaceEdit<TsMaskEdit>(form, 40, L"idle text");
    disabled = PlaceEdit<TsEdit>(form, 70, L"disabled");
    disabled->SetEnabled(false);
    form->Show();
    Pump(100);
  }
  void TearDown() override {
    delete form;
    delete manager;
    Pump();
    NoHandleLeaks::TearDown();
  }
  TBitmap Shot() {
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(50);
    return CaptureWindow(form->Handle());
  }
  OwnSkinManager* manager = nullptr;
  TForm* form = nullptr;
  TsEdit* edit = nullptr;
  TsMaskEdit* mask = nullptr;
  TsEdit* disabled = nullptr;
};

TEST_F(Edits, FramesAndSelfPaintedFacesAreTheirCaches) {
  ASSERT_TRUE(edit->SkinData.IsSkinned());
  TBitmap shot = Shot();
  EXPECT_EQ(Mismatches(shot, form->Handle(), *edit, edit->SkinData, 2, false), 0);
  EXPECT_EQ(Mismatches(shot, form->Handle(), *mask, mask->SkinData, 2, true), 0);
  EXPECT_EQ(Mismatches(shot, form->Handle(), *disabled, disabled->SkinData, 2, true), 0);

  // The enabled edit's client is the platform's, on the section's colour.
  RECT client;
  GetClientRect(edit->Handle(), &client);
  EXPECT_GT(client.right, 150);
  EXPECT_EQ(edit->Color(), 0xFFFFFFu);

  // The idle masked edit drew its text itself: its face is not blank.
  TBitmap* face = mask->SkinData.CacheBitmap();
  int dark = 0;
  for (int x = 3; x < 80; ++x)
    for (int y = 3; y < 17; ++y)
      if ((face->Pixels().GetColor(x, y) & 0xFF) < 0x80) ++dark;
  EXPECT_GT(dark, 10);
}

TEST_F(Edits, FocusedFieldsTypeSelectAndShowTheCaretLikePlainOnes) {
  for (TEdit* field : {static_cast<TEdit*>(edit), static_cast<TEdit*>(mask)}) {
    TsCommonData& data = field == edit ? edit->SkinData : mask->SkinData;
    field->SetText(L"");
    field->SetFocus();
    Pump(30);
    TypeText(field->Handle(), L"Holiday");
    Pump(30);
    EXPECT_EQ(field->Text(), L"Holiday");
    SendMessageW(field->Handle(), EM_SETSEL, 0, -1);
    DWORD from = 0, to = 0;
    SendMessageW(field->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 7u);
    POINT caret{-1, -1};
    EXPECT_TRUE(GetCaretPos(&caret));
    RECT client;
    GetClientRect(field->Handle(), &client);
    EXPECT_TRUE(PtInRect(&client, caret));
    EXPECT_TRUE(data.IsHot());

    // The selection is the platform's, in the system's highlight colour;
    // the frame is the hot face of the cache.
    TBitmap shot = Shot();
    RECT r, f;
    GetWindowRect(field->Handle(), &r);
    GetWindowRect(form->Handle(), &f);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    int selected = 0;
    for (int x = 3; x < 60; ++x)
      if (shot.Pixels().GetColor(r.left - f.left + x, r.top - f.top + 10) ==
          RgbColor(GetRValue(highlight), GetGValue(highlight), GetBValue(highlight)))
        ++selected;
    EXPECT_GT(selected, 5);
    EXPECT_EQ(Mismatches(shot, form->Handle(), *field, data, 2, false), 0);
  }
  // Leaving the masked edit puts its own face back, with the new text.
  edit->SetFocus();
  Pump(30);
  EXPECT_FALSE(mask->SkinData.IsHot());
  TBitmap shot = Shot();
  EXPECT_EQ(Mismatches(shot, form->Handle(), *mask, mask->SkinData, 2, true), 0);
}

TEST_F(Edits, DisabledLookAndPasswordFaces) {
  disabled->SetDisabledKind(dkGrayed);
  disabled->RebuildCache();
  TBitmap* grey = disabled->SkinData.CacheBitmap();
  for (int y = 0; y < grey->Height(); y += 3)
    for (int x = 0; x < grey->Width(); x += 7) {
      const TColor c = grey->Pixels().GetColor(x, y);
      ASSERT_EQ(c & 0xFF, (c >> 8) & 0xFF);
      ASSERT_EQ(c & 0xFF, (c >> 16) & 0xFF);
    }
  // Blended: the white field is mixed half and half with the grey form.
  disabled->SetDisabledKind(dkBlended);
  disabled->RebuildCache();
  const TColor mid = disabled->SkinData.CacheBitmap()->Pixels().GetColor(150, 10);
  EXPECT_LT(mid & 0xFF, 0xF0u);
  EXPECT_GT(mid & 0xFF, 0xC0u);

  // An idle password field shows one password character per character.
  auto faceOf = [&](const std::wstring& text, wchar_t password) {
    mask->SetPasswordChar(password);
    mask->SetText(text);
    mask->RebuildCache();
    const PixelBuffer& p = mask->SkinData.CacheBitmap()->Pixels();
    std::vector<TColor> pixels;
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) pixels.push_back(p.GetColor(x, y));
    return pixels;
  };
  // A text set in code while disabled shows at once.
  auto textArea = [&] {
    std::vector<TColor> pixels;
    for (int y = 3; y < 18; ++y)
      for (int x = 3; x < 60; ++x)
        pixels.push_back(disabled->SkinData.CacheBitmap()->Pixels().GetColor(x, y));
    return pixels;
  };
  const auto withText = textArea();
  disabled->SetText(L"");
  Pump(30);
  EXPECT_FALSE(disabled->SkinData.BackgroundChanged);
  EXPECT_NE(textArea(), withText);
  TBitmap shot = Shot();
  EXPECT_EQ(Mismatches(shot, form->Handle(), *disabled, disabled->SkinData, 2, true), 0);

  const auto hidden = faceOf(L"abc", L'*');
  EXPECT_EQ(hidden, faceOf(L"***", 0));
  EXPECT_NE(hidden, faceOf(L"abc", 0));
}

TEST_F(Edits, ACustomColourStaysInEveryState) {
  edit->SkinData.SetCustomColor(true);
  edit->SetColor(0x00FFFF);
  for (bool focused : {false, true}) {
    if (focused) edit->SetFocus();
    else mask->SetFocus();
    Pump(20);
    UpdateWindow(edit->Handle());
    EXPECT_EQ(edit->Color(), 0x00FFFFu) << focused;
    edit->RebuildCache();
    EXPECT_EQ(edit->SkinData.CacheBitmap()->Pixels().GetColor(150, 10), 0x00FFFFu) << focused;
  }
  // Without it the field takes the section's colour again.
  edit->SkinData.SetCustomColor(false);
  EXPECT_EQ(edit->Color(), 0xFFFFFFu);
}

// Window fades take a control's picture with the print request.
TEST_F(Edits, PrintRequestsDrawTheFace) {
  for (TWinControl* control :
       {static_cast<TWinControl*>(mask), static_cast<TWinControl*>(disabled)}) {
    TsCommonData& data = control == mask ? mask->SkinData : disabled->SkinData;
    TBitmap printed(control->Width(), control->Height());
    SendMessageW(control->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.DC()),
                 PRF_NONCLIENT | PRF_CLIENT);
    GdiFlush();
    TBitmap* cache = data.CacheBitmap();
    int wrong = 0;
    for (int y = 0; y < cache->Height(); ++y)
      for (int x = 0; x < cache->Width(); ++x)
        if (printed.Pixels().GetColor(x, y) != cache->Pixels().GetColor(x, y)) ++wrong;
    EXPECT_EQ(wrong, 0) << control->ClassName();
  }
  // An enabled edit's client is printed by the platform over the frame.
  TBitmap printed(edit->Width(), edit->Height());
  SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.DC()),
               PRF_NONCLIENT | PRF_CLIENT);
  GdiFlush();
  TBitmap* cache = edit->SkinData.CacheBitmap();
  EXPECT_EQ(printed.Pixels().GetColor(0, 10), cache->Pixels().GetColor(0, 10));
  int dark = 0;
  for (int x = 3; x < 60; ++x)
    if ((printed.Pixels().GetColor(x, 10) & 0xFF) < 0x80) ++dark;
  EXPECT_GT(dark, 3);
}

TEST(MaskEdit, AMaskIsRefusedNotIgnored) {
  TMaskEdit edit(nullptr);
  EXPECT_THROW(edit.SetEditMask(L"!999;1;_"), EInvalidOperation);
  EXPECT_EQ(edit.EditMask(), L"");
  EXPECT_NO_THROW(edit.SetEditMask(L""));
}

}  // namespace
