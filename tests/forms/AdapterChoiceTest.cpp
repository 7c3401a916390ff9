// The choice of window adapter for raw dialog windows and class lists, and
// the window-free looks of the painting adapters.
#include <gtest/gtest.h>

#include "forms/AdapterChoice.h"
#include "forms/AdapterLook.h"

namespace folvane {
namespace {

struct RawCase {
  const wchar_t* className;
  std::uint32_t style;
  AdapterKind kind;
  const wchar_t* section;
  bool inDialog;
};

TEST(AdapterChoice, RawWindowsByClassAndStyle) {
  const RawCase cases[] = {
      {L"Static", 0x0 /* SS_LEFT */, AdapterKind::Static, L"CHECKBOX", false},
      {L"STATIC", 0x1 /* SS_CENTER */, AdapterKind::Static, L"CHECKBOX", false},
      {L"static", 0x3 /* SS_ICON */, AdapterKind::Icon, L"CHECKBOX", false},
      {L"static", 0x0E /* SS_BITMAP */, AdapterKind::Icon, L"CHECKBOX", false},
      // A simple static keeps its text.
      {L"static", 0x0B /* SS_SIMPLE */, AdapterKind::Static, L"CHECKBOX", false},
      {L"static", 0x5 /* SS_GRAYRECT */, AdapterKind::None, L"", false},
      {L"static", 0x6 /* SS_WHITERECT */, AdapterKind::None, L"", false},
      {L"static", 0x0D /* SS_OWNERDRAW */, AdapterKind::None, L"", false},
      {L"#32770", 0, AdapterKind::TransPanel, L"CHECKBOX", false},
      {L"TPanel", 0, AdapterKind::DlgPanel, L"PANEL", false},
      {L"TSilentPaintPanel", 0, AdapterKind::DlgPanel, L"PANEL", false},
      {L"Button", 0x7 /* BS_GROUPBOX */, AdapterKind::GroupBox, L"GROUPBOX", false},
      {L"Button", 0x3 /* BS_AUTOCHECKBOX */, AdapterKind::CheckBox, L"CHECKBOX", false},
      {L"Button", 0x2 /* BS_CHECKBOX */, AdapterKind::CheckBox, L"CHECKBOX", false},
      {L"Button", 0x4 /* BS_RADIOBUTTON */, AdapterKind::CheckBox, L"CHECKBOX", false},
      {L"Button", 0x5 /* BS_3STATE */, AdapterKind::CheckBox, L"CHECKBOX", false},
      {L"Button", 0x9 /* BS_AUTORADIOBUTTON */, AdapterKind::CheckBox, L"CHECKBOX", false},
      {L"Button", 0x0, AdapterKind::Btn, L"BUTTON", false},
      {L"Button", 0x1 /* BS_DEFPUSHBUTTON */, AdapterKind::Btn, L"BUTTON", false},
      {L"Button", 0x2000 /* multi-line push button */, AdapterKind::Btn, L"BUTTON", false},
      {L"ComboBox", 0, AdapterKind::ComboBox, L"COMBOBOX", true},
      {L"ComboLBox", 0, AdapterKind::Edit, L"COMBOBOX", false},
      {L"ComboBoxEx32", 0, AdapterKind::ComboBox, L"COMBOBOX", false},
      {L"ScrollBar", 0, AdapterKind::Sizer, L"CHECKBOX", false},
      {L"SysTabControl32", 0, AdapterKind::TabControl, L"PAGECONTROL", false},
      {L"SysTabControl32", 0x2000, AdapterKind::None, L"", false},
      {L"SysListView32", 0, AdapterKind::ListView, L"EDIT", true},
      {L"msctls_updown32", 0, AdapterKind::Spin, L"SPEEDBUTTON_SMALL", false},
      {L"ListBox", 0, AdapterKind::Edit, L"EDIT", true},
      {L"SysLink", 0, AdapterKind::Link, L"CHECKBOX", false},
      {L"Link Window", 0, AdapterKind::Link, L"CHECKBOX", false},
      {L"ToolbarWindow32", 0x200, AdapterKind::ToolBar, L"BAR", false},
      {L"ToolbarWindow32", 0, AdapterKind::ToolBar, L"CHECKBOX", false},
      {L"Edit", 0, AdapterKind::Edit, L"EDIT", true},
      {L"SysTreeView32", 0, AdapterKind::TreeView, L"EDIT", true},
      {L"SHBrowseForFolder ShellNameSpace Control", 0, AdapterKind::TransPanel, L"CHECKBOX", false},
      {L"msctls_statusbar32", 0, AdapterKind::None, L"", false},
  };
  for (const RawCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.className, c.className + wcslen(c.className))
                                    << " style " << c.style);
    const AdapterChoice choice = ChooseRawWindowAdapter(c.className, c.style);
    EXPECT_EQ(choice.Kind, c.kind);
    EXPECT_EQ(choice.Section, c.section);
    EXPECT_EQ(choice.InDialog, c.inDialog);
  }
  EXPECT_EQ(ChooseRawWindowAdapter(L"msctls_updown32", 0).SpinKind, 2);
}

TEST(AdapterChoice, ClassListsInIndexOrder) {
  const struct {
    int index;
    AdapterKind kind;
    const wchar_t* section;
  } cases[] = {
      {0, AdapterKind::Edit, L""},           {1, AdapterKind::Btn, L"BUTTON"},
      {2, AdapterKind::BitBtn, L"BUTTON"},   {3, AdapterKind::CheckBox, L"CHECKBOX"},
      {4, AdapterKind::ComboBox, L""},       {6, AdapterKind::GroupBox, L"GROUPBOX"},
      {8, AdapterKind::Panel, L"PANEL"},     {10, AdapterKind::WWComboBox, L""},
      {13, AdapterKind::PageControl, L"PAGECONTROL"},
      {14, AdapterKind::TabControl, L"PAGECONTROL"},
      {15, AdapterKind::ToolBarVCL, L"TOOLBAR"}, {16, AdapterKind::StatusBar, L"STATUSBAR"},
      {-1, AdapterKind::None, L""},          {17, AdapterKind::None, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(ChooseListAdapter(c.index).Kind, c.kind);
    EXPECT_EQ(ChooseListAdapter(c.index).Section, c.section);
  }
}

TEST(AdapterLook, PanelSectionFromBevels) {
  using B = PanelBevel;
  EXPECT_EQ(PanelSection(B::Lowered, B::Raised, false), L"GROUPBOX");  // the About box's panel
  EXPECT_EQ(PanelSection(B::Lowered, B::None, false), L"PANEL_LOW");
  EXPECT_EQ(PanelSection(B::Raised, B::Lowered, false), L"GROUPBOX");
  EXPECT_EQ(PanelSection(B::Raised, B::None, false), L"PANEL");
  EXPECT_EQ(PanelSection(B::None, B::None, true), L"PANEL_LOW");
  EXPECT_EQ(PanelSection(B::None, B::None, false), L"CHECKBOX");
}

TEST(AdapterLook, CheckGlyphs) {
  EXPECT_STREQ(CheckGlyphName(false, kUnchecked), "BOXUNCHECKED");
  EXPECT_STREQ(CheckGlyphName(false, kChecked), "BOXCHECKED");
  EXPECT_STREQ(CheckGlyphName(false, kIndeterminate), "BOXGRAYED");
  EXPECT_STREQ(CheckGlyphName(true, kUnchecked), "RADIOUNCHECKED");
  EXPECT_STREQ(CheckGlyphName(true, kChecked), "RADIOCHECKED");
  EXPECT_STREQ(CheckGlyphName(true, kIndeterminate), "BOXGRAYED");
}

TEST(AdapterLook, ButtonStates) {
  const struct {
    ButtonLook look;
    int button, glyph;
  } cases[] = {
      {{false, true, false, false, false}, 0, 0},
      {{true, true, false, false, false}, 2, 2},
      {{true, false, false, false, false}, 2, 2},
      {{false, false, true, true, true}, 0, 0},  // disabled wins over focus and default
      {{false, true, true, false, false}, 1, 1},
      {{false, true, false, true, false}, 1, 1},
      // A default button looks hot without focus or mouse; its glyph does not.
      {{false, true, false, false, true}, 1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonPaintState(c.look), c.button);
    EXPECT_EQ(CheckGlyphState(c.look), c.glyph);
  }
}

TEST(AdapterLook, CaptionAndLayoutGeometry) {
  EXPECT_EQ(ButtonCaptionRect(75, 25, 31, 13, false), (PixelRect{21, 6, 55, 19}));
  EXPECT_EQ(ButtonCaptionRect(75, 25, 31, 13, true), (PixelRect{22, 7, 56, 20}));
  const CheckBoxLayout left = LayOutCheckBox(100, 20, 13, 13, false);
  EXPECT_EQ(left.Glyph.X, 0);
  EXPECT_EQ(left.Glyph.Y, 3);
  EXPECT_EQ(left.Text, (PixelRect{17, 0, 100, 20}));
  const CheckBoxLayout right = LayOutCheckBox(100, 20, 16, 16, true);
  EXPECT_EQ(right.Glyph.X, 84);
  EXPECT_EQ(right.Text, (PixelRect{0, 0, 80, 20}));
  EXPECT_EQ(GroupBoxCaptionRect(40, 13), (PixelRect{6, 0, 54, 13}));
  EXPECT_EQ(GroupBoxCaptionRect(0, 0).Height(), 6);
}

TEST(AdapterLook, LinkTextWithoutAnchors) {
  EXPECT_EQ(StripLinkTags(L"See <A>the page</A> now"), L"See the page now");
  EXPECT_EQ(StripLinkTags(L"<a href=\"x\">one</a> and <a id=2>two</A>"), L"one and two");
  EXPECT_EQ(StripLinkTags(L"a < b and <abbr>"), L"a < b and <abbr>");
  EXPECT_EQ(StripLinkTags(L"unclosed <a href"), L"unclosed <a href");
}

}  // namespace
}  // namespace folvane
