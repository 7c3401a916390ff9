#pragma once
// Where a skinned form's frame, caption band, icon and caption buttons lie,
// from the form's border style and the system's frame metrics, and which of
// its window-menu commands apply. Window coordinates: origin at the
// window's top-left.

namespace folvane {

// The form border styles, in the runtime's order.
enum class FormBorder { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// Border icons as the runtime numbers them.
enum FormIcon : unsigned { kIconSystemMenu = 1, kIconMinimize = 2, kIconMaximize = 4, kIconHelp = 8 };

// Hit-test codes the caption elements answer (the platform's numbers).
enum CaptionCode : int {
  kCodeNone = 0,
  kCodeCaption = 2,    // HTCAPTION
  kCodeSysMenu = 3,    // HTSYSMENU
  kCodeMinimize = 8,   // HTMINBUTTON
  kCodeMaximize = 9,   // HTMAXBUTTON
  kCodeClose = 20,     // HTCLOSE
  kCodeHelp = 21,      // HTHELP
  kCodeUserFirst = 1000,
};

// The system metrics the geometry is built from.
struct FrameMetrics {
  int CaptionHeight = 0;       // SM_CYCAPTION
  int SmallCaptionHeight = 0;  // SM_CYSMCAPTION
  int FrameX = 0, FrameY = 0;  // SM_CXFRAME, SM_CYFRAME
  int DlgFrameX = 0, DlgFrameY = 0;
};

// What the geometry needs to know of a form.
struct FormShape {
  FormBorder Border = FormBorder::Sizeable;
  unsigned Icons = kIconSystemMenu | kIconMinimize | kIconMaximize;
  bool MdiChild = false;
  bool CaptionStyle = true;  // both WS_CAPTION bits in the window style
  bool Iconic = false;       // the window is minimized now
  bool Maximized = false;
  bool Minimized = false;    // the form's own minimized state
  bool WindowMenu = false;   // the provider took WS_SYSMENU over
  int BorderWidth = 0;
};

bool HasSkinnedFrame(const FormShape& f);
bool UsesBigButtons(const FormShape& f);
int CaptionBarHeight(const FormShape& f, const FrameMetrics& m);
int FrameThicknessX(const FormShape& f, const FrameMetrics& m);
int FrameThicknessY(const FormShape& f, const FrameMetrics& m);
// The caption icon's side for a caption of height h.
int DefaultIconSize(int h);

// Which window-menu commands exist and which can be chosen.
bool MaxVisible(const FormShape& f);
bool MinVisible(const FormShape& f);
bool RestoreVisible(const FormShape& f);
bool SizeVisible(const FormShape& f);
bool MaxEnabled(const FormShape& f);
bool MinEnabled(const FormShape& f);
bool MoveEnabled(const FormShape& f);
bool RestoreEnabled(const FormShape& f);
bool SizeEnabled(const FormShape& f);

}  // namespace folvane
