// The combo edits on a real skinned form: the browse button's place and
// looks, the text area beside it, the click key, Enter, line breaks,
// read-only and direct-input switches, and the file and folder choosers
// driven through the real dialogs.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/gui/ControlSkins.h"
#include "controls/win/sBitBtn.h"
#include "controls/win/sTooledit.h"
#include "runtime/Exception.h"
#include "runtime/win/ImageFile.h"
#include "support/GuiTest.h"
#include "support/NoHandleLeaks.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

// A combo edit with the ellipsis glyph that counts its button actions.
class CountingComboEdit : public TsCustomComboEdit {
 public:
  explicit CountingComboEdit(TComponent* owner) : TsCustomComboEdit(owner) {
    SetDefaultGlyphName(L"BTN_ELLIPSIS");
  }
  void ButtonClick() override {
    TsCustomComboEdit::ButtonClick();
    ++actions;
  }
  int actions = 0;
};

template <typename Edit>
Edit* PlaceEdit(TForm* form, int top, int width) {
  auto* edit = new Edit(form);
  edit->SetParent(form);
  edit->SetBounds(10, top, width, 21);
  edit->SkinData.SetSkinSection(L"EDIT");
  edit->SkinData.Loaded();
  return edit;
}

void PressWithKeys(HWND wnd, UINT msg, WPARAM key, std::initializer_list<int> held) {
  BYTE state[256];
  GetKeyboardState(state);
  BYTE saved[256];
  std::copy(std::begin(state), std::end(state), saved);
  for (int k : held) state[k] = 0x80;
  SetKeyboardState(state);
  PostMessageW(wnd, msg, key, 1);
  Pump();
  SetKeyboardState(saved);
}

std::wstring WindowTextOf(HWND wnd) {
  wchar_t text[1024] = {};
  GetWindowTextW(wnd, text, 1024);
  return text;
}

class ComboEdits : public folvane::test::NoHandleLeaks {
 protected:
  void SetUp() override {
    // The built-in glyphs live as long as the process: read them first.
    BuiltInEditGlyph(L"BTN_OPENFILE");
    NoHandleLeaks::SetUp();
    manager = new OwnSkinManager(InternalSkin());
    form = new TForm(Application);
    form->BorderStyle = TFormBorderStyle::bsSingle;
    form->SetBounds(100, 100, 440, 200);
    dir = PlaceEdit<TsDirectoryEdit>(form, 10, 402);
    icon = PlaceEdit<TsFilenameEdit>(form, 40, 350);
    icon->SetFilter(L"All files (*.ico)|*.ico");
    counting = PlaceEdit<CountingComboEdit>(form, 70, 200);
    okButton = new TsBitBtn(form);
    okButton->SetParent(form);
    okButton->SetBounds(10, 110, 75, 25);
    okButton->SetCaption(L"OK");
    okButton->Default = true;
    okButton->OnClick = [this](TControl*) { ++defaultClicks; };
    okButton->Loaded();
    form->Show();
    Pump(100);
  }
  void TearDown() override {
    delete form;
    delete manager;
    Pump();
    NoHandleLeaks::TearDown();
  }
  OwnSkinManager* manager = nullptr;
  TForm* form = nullptr;
  TsDirectoryEdit* dir = nullptr;
  TsFilenameEdit* icon = nullptr;
  CountingComboEdit* counting = nullptr;
  TsBitBtn* okButton = nullptr;
  int defaultClicks = 0;
};

TEST_F(ComboEdits, ButtonSitsInsideTheRightEdgeAndTextStopsAtIt) {
  for (TsCustomComboEdit* edit : {static_cast<TsCustomComboEdit*>(dir),
                                  static_cast<TsCustomComboEdit*>(icon)}) {
    RECT client;
    GetClientRect(edit->Handle(), &client);
    const RECT b = edit->Button()->BoundsRect();
    // 20-pixel built-in glyphs make a 22-pixel button over the client's height.
    EXPECT_EQ(b.right - b.left, 22);
    EXPECT_EQ(b.right, client.right);
    EXPECT_EQ(b.top, 0);
    EXPECT_EQ(b.bottom, client.bottom);
    EXPECT_LE(edit->FormattingRect().right, b.left);

    // Typing far past the visible width keeps the text area beside the button.
    edit->SetFocus();
    TypeText(edit->Handle(), std::wstring(120, L'W'));
    PressKey(edit->Handle(), VK_END);
    SendMessageW(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PressKey(edit->Handle(), VK_END);
    EXPECT_LE(edit->FormattingRect().right, b.left);
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_LT(caret.x, b.left);
  }
}

TEST_F(ComboEdits, TheButtonShowsItsStateImagesOverTheEditsFace) {
  TsEditButton* button = dir->Button();
  const auto face = [&] {
    button->ComposeSkinned();
    return button->SkinData.CacheBitmap()->Pixels().Clone();
  };
  okButton->SetFocus();
  Pump(50);
  const PixelBuffer idle = face();
  SendMessageW(dir->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(button->Left() + 10, 8));
  Pump(50);
  ASSERT_TRUE(button->SkinData.Hovered);
  const PixelBuffer hot = face();
  SendMessageW(dir->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button->Left() + 10, 8));
  const PixelBuffer pressed = face();
  // Let go away from the button: nothing opens.
  SendMessageW(dir->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(dir->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(dir->Handle(), WM_MOUSELEAVE, 0, 0);
  Pump(50);
  const auto differ = [](const PixelBuffer& a, const PixelBuffer& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) n += a.GetColor(x, y) != b.GetColor(x, y);
    return n;
  };
  EXPECT_GT(differ(idle, hot), 20);
  EXPECT_GT(differ(hot, pressed), 20);
  // The skinned glyph starts at x = 0 and row 0 of the 17-pixel client:
  // where its mask is black the face is the glyph's normal image.
  const TBitmap* glyph = BuiltInEditGlyph(L"BTN_OPENFOLDER");
  ASSERT_NE(glyph, nullptr);
  ASSERT_EQ(button->Height(), 17);
  int opaque = 0, wrong = 0, leftmost = 99;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 20; ++x) {
      if (glyph->Pixels().GetColor(x, y + 17) != 0) continue;
      ++opaque;
      leftmost = std::min(leftmost, x);
      wrong += idle.GetColor(x, y) != glyph->Pixels().GetColor(x, y);
    }
  EXPECT_GT(opaque, 50);
  EXPECT_EQ(wrong, 0);
  EXPECT_LE(leftmost, 2);
}

TEST_F(ComboEdits, WithoutASkinTheGlyphIsCentredFromItsSecondImage) {
  (*manager)->SetActive(false);
  Pump(50);
  TsEditButton* button = dir->Button();
  ASSERT_FALSE(dir->SkinData.IsSkinned());
  TBitmap face(button->Width(), button->Height());
  face.Pixels().Fill(0xFFFFFF);
  button->Paint(face.DC());
  GdiFlush();
  // x = (22 - 20) div 2 = 1: where the hot image's mask is black the face
  // shows that image one pixel to the right.
  const TBitmap* glyph = BuiltInEditGlyph(L"BTN_OPENFOLDER");
  ASSERT_NE(glyph, nullptr);
  int opaque = 0, wrong = 0;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 20; ++x) {
      if (glyph->Pixels().GetColor(20 + x, y + 17) != 0) continue;
      ++opaque;
      wrong += face.Pixels().GetColor(x + 1, y) != glyph->Pixels().GetColor(20 + x, y);
    }
  EXPECT_GT(opaque, 50);
  EXPECT_EQ(wrong, 0);
  (*manager)->SetActive(true);
  Pump(50);
}

TEST_F(ComboEdits, ClickKeyRunsTheButtonOnceAndEnterGoesToTheDefaultButton) {
  counting->SetFocus();
  PressWithKeys(counting->Handle(), WM_SYSKEYDOWN, VK_DOWN, {VK_MENU});
  EXPECT_EQ(counting->actions, 1);
  PressWithKeys(counting->Handle(), WM_KEYDOWN, VK_DOWN, {});
  EXPECT_EQ(counting->actions, 1);
  counting->ClickKey = ShortCutOf(VK_F4, false, false, false);
  PressWithKeys(counting->Handle(), WM_SYSKEYDOWN, VK_DOWN, {VK_MENU});
  EXPECT_EQ(counting->actions, 1);
  PressWithKeys(counting->Handle(), WM_KEYDOWN, VK_F4, {});
  EXPECT_EQ(counting->actions, 2);

  // A click on the button runs it too; read-only ignores both.
  const RECT b = counting->Button()->BoundsRect();
  ClickAt(counting->Handle(), b.left + 5, 5);
  Pump();
  EXPECT_EQ(counting->actions, 3);
  counting->SetReadOnly(true);
  ClickAt(counting->Handle(), b.left + 5, 5);
  PressWithKeys(counting->Handle(), WM_KEYDOWN, VK_F4, {});
  Pump();
  EXPECT_EQ(counting->actions, 3);
  counting->SetReadOnly(false);

  counting->SetText(L"abc");
  counting->SetFocus();
  PressKey(counting->Handle(), VK_END);
  PressKey(counting->Handle(), VK_RETURN);
  EXPECT_EQ(defaultClicks, 1);
  EXPECT_EQ(counting->Text(), L"abc");
}

TEST_F(ComboEdits, LineBreaksNeverEnterTheText) {
  counting->SetFocus();
  counting->SetText(L"C:\\a");
  PressKey(counting->Handle(), VK_END);
  // Ctrl+Enter arrives as LF, Enter without a default button as CR.
  SendMessageW(counting->Handle(), WM_CHAR, L'\n', 1);
  SendMessageW(counting->Handle(), WM_CHAR, L'\r', 1);
  EXPECT_EQ(counting->Text(), L"C:\\a");

  const std::wstring pasted = L"\\b\r\nc\n";
  ASSERT_TRUE(OpenClipboard(form->Handle()));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  std::copy(pasted.c_str(), pasted.c_str() + pasted.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
  SendMessageW(counting->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(counting->Text(), L"C:\\a\\bc");

  counting->SetText(L"x\r\ny");
  EXPECT_EQ(counting->Text(), L"xy");
  EXPECT_EQ(WindowTextOf(counting->Handle()), L"xy");

  // Without direct input nothing is typed or pasted, the button still works.
  counting->SetDirectInput(false);
  TypeText(counting->Handle(), L"zz");
  SendMessageW(counting->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(counting->Text(), L"xy");
  PressWithKeys(counting->Handle(), WM_SYSKEYDOWN, VK_DOWN, {VK_MENU});
  EXPECT_EQ(counting->actions, 1);
}

TEST_F(ComboEdits, AutoSelectSelectsTheTextWhenTheFocusComesFromTheForm) {
  counting->SetText(L"C:\\Data");
  okButton->SetFocus();
  counting->SetFocus();
  DWORD start = 1, end = 0;
  SendMessageW(counting->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 7u);
  counting->AutoSelect = false;
  SendMessageW(counting->Handle(), EM_SETSEL, 1, 1);
  okButton->SetFocus();
  counting->SetFocus();
  SendMessageW(counting->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 0u);
}

TEST_F(ComboEdits, ShowButtonFalseGivesTheTextTheWholeWidth) {
  RECT client;
  GetClientRect(counting->Handle(), &client);
  counting->SetShowButton(false);
  Pump();
  EXPECT_FALSE(counting->Button()->Visible());
  const LONG wide = counting->FormattingRect().right;
  EXPECT_GE(wide, client.right - 4);  // the platform's own margin aside
  counting->SetShowButton(true);
  Pump();
  EXPECT_TRUE(counting->Button()->Visible());
  EXPECT_EQ(counting->Button()->Width(), 20);  // the 18-pixel ellipsis glyph
  EXPECT_EQ(counting->FormattingRect().right, wide - 20);
}

TEST_F(ComboEdits, GlyphModeSizesTheButton) {
  TsGlyphMode& mode = counting->GlyphMode;
  mode.SetBlend(150);
  EXPECT_EQ(mode.Blend(), 100);
  mode.SetBlend(-5);
  EXPECT_EQ(mode.Blend(), 0);
  TBitmap own(48, 32);
  own.Pixels().Fill(0x00FF00);
  mode.SetGlyph(own);
  EXPECT_FALSE(mode.UseDefaultGlyph());
  Pump();
  EXPECT_EQ(counting->Button()->Width(), 18);
  mode.SetUseDefaultGlyph(true);
  Pump();
  EXPECT_EQ(counting->Button()->Width(), 20);
}

TEST_F(ComboEdits, FileNameRefusesBadNamesAndDropsArriveWhole) {
  icon->SetText(L"C:\\keep.ico");
  EXPECT_THROW(icon->SetFileName(L"C:\\a?.ico"), Exception);
  EXPECT_EQ(icon->Text(), L"C:\\keep.ico");
  icon->SetFileName(L"");
  EXPECT_EQ(icon->Text(), L"");

  // A dropped name longer than MAX_PATH reaches the edit whole.
  icon->SetMaxLength(0);
  icon->SetAcceptFiles(true);
  int drops = 0;
  icon->OnDropFiles = [&](TControl*) { ++drops; };
  const std::wstring longName = L"C:\\" + std::wstring(300, L'n') + L".ico";
  const size_t bytes = sizeof(DROPFILES) + (longName.size() + 2) * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::copy(longName.begin(), longName.end(), reinterpret_cast<wchar_t*>(files + 1));
  GlobalUnlock(drop);
  SendMessageW(icon->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(icon->Text(), longName);
  EXPECT_EQ(drops, 1);
  icon->SetAcceptFiles(false);
}

// Answers the file dialog: types `name` into its file-name field and
// confirms, or cancels when `name` is empty.
std::function<void(HWND)> AnswerFileDialog(const std::wstring& name) {
  return [name](HWND dialog) {
    if (name.empty()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    HWND field = GetDlgItem(dialog, 0x47C);  // the name combo box
    if (!field) field = GetDlgItem(dialog, 0x480);
    SetWindowTextW(field, name.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
}

TEST_F(ComboEdits, TheFileDialogSetsTheFieldOnceAndCancelChangesNothing) {
  TempFolder folder;
  const std::wstring chosen = folder.File(L"pick.ico");
  WriteIcoFile(chosen, RGB(0, 128, 255));
  int changes = 0;
  icon->OnChange = [&](TControl*) { ++changes; };
  {
    ModalWatcher watcher(AnswerFileDialog(chosen));
    icon->Button()->Click();
    Pump(50);
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(icon->Text(), chosen);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(GetFocus(), icon->Handle());
  EXPECT_EQ(icon->InitialDir(), folder.Path() + L"\\");

  SendMessageW(icon->Handle(), EM_SETSEL, 2, 5);
  {
    ModalWatcher watcher(AnswerFileDialog(L""));
    icon->Button()->Click();
    Pump(50);
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(icon->Text(), chosen);
  EXPECT_EQ(changes, 1);
  DWORD start = 0, end = 0;
  SendMessageW(icon->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 5u);

  // A wildcard text keeps the dialog's previous file name.
  icon->SetText(L"*.ico");
  {
    ModalWatcher watcher(AnswerFileDialog(L""));
    icon->Button()->Click();
    Pump(50);
  }
  EXPECT_EQ(icon->Dialog().FileName, chosen);
}

TEST_F(ComboEdits, TheFolderBrowserStartsAtInitialDirAndCancelChangesNothing) {
  // A folder the browser's tree reaches from the drive.
  const std::wstring folder = L"C:\\folvane-combo-edit-test";
  CreateDirectoryW(folder.c_str(), nullptr);
  dir->InitialDir = folder;
  dir->NoChangeDir = true;
  int changes = 0;
  dir->OnChange = [&](TControl*) { ++changes; };
  {
    // Confirms the preselected start folder.
    ModalWatcher watcher([](HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); });
    dir->Button()->Click();
    Pump(50);
    ASSERT_EQ(watcher.Seen().size(), 1u);
  }
  EXPECT_EQ(dir->Text(), folder);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dir->InitialDir, folder);
  EXPECT_EQ(GetFocus(), dir->Handle());
  {
    ModalWatcher watcher([](HWND box) { PostMessageW(box, WM_COMMAND, IDCANCEL, 0); });
    dir->Button()->Click();
    Pump(50);
  }
  EXPECT_EQ(dir->Text(), folder);
  EXPECT_EQ(changes, 1);
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
