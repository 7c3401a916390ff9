#include "MessageBoxScenes.h"

#include "Snapshot.h"

namespace folvane::snapshots {

namespace {

const wchar_t* g_name = nullptr;

// Saves the box once it has painted itself, then answers it.
void CALLBACK SaveAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = GetActiveWindow();
  if (g_name && box) Save(box, g_name);
  g_name = nullptr;
  if (box) PostMessageW(box, WM_CLOSE, 0, 0);
  if (box) PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

void Snap(HWND owner, const wchar_t* name, const wchar_t* text, UINT flags) {
  g_name = name;
  SetTimer(nullptr, 0, 400, SaveAndClose);
  MessageBoxW(owner, text, L"Folvane", flags);
  if (g_name) CountFailure(name);
  g_name = nullptr;
}

}  // namespace

void SnapMessageBoxes(HWND owner) {
  Snap(owner, L"messagebox-information.png", L"The folder now shows its new icon.",
       MB_OK | MB_ICONINFORMATION);
  Snap(owner, L"messagebox-question.png", L"Remove the custom icon of this folder?",
       MB_YESNOCANCEL | MB_ICONQUESTION);
  Snap(owner, L"messagebox-warning.png", L"The skin archive is damaged.",
       MB_RETRYCANCEL | MB_ICONWARNING);
}

}  // namespace folvane::snapshots
