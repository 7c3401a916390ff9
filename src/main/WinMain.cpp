// Program start: the application object, the title, the main form, the
// About box, then the message loop until the main form closes.
#include <windows.h>

#include "app/win/About.h"
#include "app/win/FrmMain.h"
#include "app/win/StartFolder.h"
#include "forms/win/vtDialogHook.h"
#include "menus/win/sSkinMenus.h"
#include "paint/win/WindowFade.h"
#include "runtime/win/Application.h"

namespace {

// The start-up benchmark times the program to the first skinned paint of
// its main window: with this variable set the program ends right there.
void ExitAfterFirstPaintWhenAsked(folvane::TApplication& app, folvane::TForm1& form) {
  if (!GetEnvironmentVariableW(L"FOLVANE_EXIT_AFTER_FIRST_PAINT", nullptr, 0)) return;
  auto inner = form.WindowProc;
  form.WindowProc = [&app, &form, inner](folvane::Message& m) {
    inner(m);
    if (m.msg == WM_PAINT && form.sSkinProvider1->PaintedOnce) app.Terminate();
  };
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace folvane;
  TApplication app;
  try {
    app.Initialize();
    app.MainFormOnTaskBar = true;
    app.SetTitle(L"Folvane 1.0");
    // A skin change fades each skinned form from its old look to the new.
    InstallWindowFade();
    // Every manager draws the program's menus from its skin.
    InstallMenuSkinning();
    // Message boxes, the About box and the system dialogs take the skin too.
    InstallDialogSkinning();
    const StartRequest start = ParseStartCommandLine(GetCommandLineW());
    auto* form1 = new TForm1(&app);
    // The usage box comes after the main form, whose skin manager skins it.
    if (start.kind == StartRequest::Kind::Usage) return ShowUsage();
    form1->AboutBox = new TAboutBox(&app);
    ExitAfterFirstPaintWhenAsked(app, *form1);
    if (start.kind == StartRequest::Kind::Folder) {
      // Shown first, so that an icon the preview cannot load is reported
      // over the window it belongs to.
      form1->Show();
      OpenStartFolder(*form1, start.folder);
    }
    app.Run();
  } catch (...) {
    app.HandleException(std::current_exception());
    return 1;
  }
  return 0;
}
