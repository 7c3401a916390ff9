// Program start: the application object, the title, the main form, the
// About box, then the message loop until the main form closes.
#include <windows.h>

#include "app/win/About.h"
#include "app/win/FrmMain.h"
#include "app/win/StartFolder.h"
#include "paint/win/WindowFade.h"
#include "runtime/win/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace folvane;
  TApplication app;
  try {
    app.Initialize();
    app.MainFormOnTaskBar = true;
    app.SetTitle(L"Folvane 1.0");
    // A skin change fades each skinned form from its old look to the new.
    InstallWindowFade();
    const StartRequest start = ParseStartCommandLine(GetCommandLineW());
    auto* form1 = new TForm1(&app);
    // The usage box comes after the main form, whose skin manager skins it.
    if (start.kind == StartRequest::Kind::Usage) return ShowUsage();
    form1->AboutBox = new TAboutBox(&app);
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
